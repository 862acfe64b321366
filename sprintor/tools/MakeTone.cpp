// Writes a sine tone as a PCM WAV file (22050 Hz, 16 bits, stereo): the build makes
// Sprintor's countdown sounds with it.
//
//   sprintor_maketone <file.wav> <milliseconds> <hertz>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kRate = 22050;
constexpr std::uint16_t kChannels = 2;
constexpr std::uint16_t kBits = 16;

void Put16(std::vector<char>& out, std::uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void Put32(std::vector<char>& out, std::uint32_t v)
{
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

void PutTag(std::vector<char>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

std::vector<char> MakeTone(std::uint32_t frames, double hertz)
{
    const std::uint32_t blockAlign = kChannels * kBits / 8;
    const std::uint32_t dataBytes = frames * blockAlign;
    std::vector<char> out;
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, kChannels);
    Put32(out, kRate);
    Put32(out, kRate * blockAlign);
    Put16(out, static_cast<std::uint16_t>(blockAlign));
    Put16(out, kBits);
    PutTag(out, "data");
    Put32(out, dataBytes);
    // Short ramps at both ends keep the tone from clicking.
    const double ramp = kRate * 0.005;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double edge = std::min({1.0, i / ramp, (frames - 1 - i) / ramp});
        const double s = 0.6 * edge * std::sin(2 * std::numbers::pi * hertz * i / kRate);
        const auto sample = static_cast<std::int16_t>(std::lround(s * 32767));
        for (int c = 0; c < kChannels; ++c)
            Put16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <file.wav> <milliseconds> <hertz>\n", argv[0]);
        return 2;
    }
    const long ms = std::strtol(argv[2], nullptr, 10);
    const double hertz = std::strtod(argv[3], nullptr);
    if (ms <= 0 || ms > 60000 || !(hertz > 0 && hertz < kRate / 2.0)) {
        std::fprintf(stderr, "%s: length or pitch out of range\n", argv[0]);
        return 2;
    }
    const auto frames = static_cast<std::uint32_t>((ms * kRate + 500) / 1000);
    const std::vector<char> wav = MakeTone(frames, hertz);
    const std::string path = argv[1];
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(wav.data(), static_cast<std::streamsize>(wav.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
        std::remove(path.c_str());
        return 1;
    }
    return 0;
}
