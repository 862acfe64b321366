#pragma once
// Playing a WAV file to its end before returning, as a synchronous system sound plays,
// behind an interface that tests replace. User input that arrives meanwhile is not handled
// inside the call; it waits in the queue until the caller returns to its loop.

#include <QString>

namespace platform {

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void PlaySync(const QString& wavPath) = 0;
};

void SetSoundPlayer(ISoundPlayer* player);
void PlaySoundSync(const QString& wavPath);

// The playing time of a PCM WAV file in milliseconds, 0 when it cannot be read.
int WavDurationMs(const QString& wavPath);

} // namespace platform
