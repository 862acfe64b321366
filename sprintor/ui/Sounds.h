#pragma once
// The countdown sounds: WAV files that the build writes beside the program.

#include <QString>

// The file of a wave resource (IDR_WAVE_BEEP, IDR_WAVE_START) beside the running program.
QString SoundFile(int waveId);
