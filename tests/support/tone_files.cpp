#include "tests/support/tone_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>

namespace fs = std::filesystem;

namespace {

void put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, uint32_t v) {
    put16(out, uint16_t(v & 0xFFFF));
    put16(out, uint16_t(v >> 16));
}

}  // namespace

void writeToneWav(const std::string& hostFile, double seconds, double frequency, double amplitude, int rate) {
    const auto samples = static_cast<uint32_t>(seconds * rate);
    const double ramp = 0.005 * rate;
    std::ofstream out(hostFile, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, uint32_t(rate));
    put32(out, uint32_t(rate) * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) {
        double edge = std::min({1.0, i / ramp, (samples - i) / ramp});
        double v = amplitude * edge * std::sin(2.0 * std::numbers::pi * frequency * i / rate);
        put16(out, uint16_t(int16_t(std::lrint(v * 32767.0))));
    }
}

bool oggencAvailable() {
    static const bool available = std::system("command -v oggenc >/dev/null 2>&1") == 0;
    return available;
}

bool writeToneOgg(const std::string& hostFile, double seconds, double frequency, double amplitude, int rate) {
    std::string wav = hostFile + ".wav";
    writeToneWav(wav, seconds, frequency, amplitude, rate);
    std::string command = "oggenc -Q -q 2 -o '" + hostFile + "' '" + wav + "'";
    bool ok = std::system(command.c_str()) == 0 && fs::exists(hostFile);
    fs::remove(wav);
    return ok;
}

