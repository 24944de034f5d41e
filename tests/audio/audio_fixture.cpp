#include "audio_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "platform/win32/hostpath.h"
#include "platform/win32/win32_host.h"

namespace fs = std::filesystem;

namespace {

const uint32_t GameSettings[6] = {0, 0, 0x004B0000, 0, 0, 0};

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

void AudioTest::SetUp() {
    // The silent OpenAL output unless the environment chose another; read once per process.
    setenv("ALSOFT_DRIVERS", "null", 0);
    win32::resetForTests();
    win32::setShellOpenEnabled(false);
    reports_.clear();
    win32::setDebugSink([this](const char* text) { reports_.emplace_back(text); });
    vtReset();
    vtSetDrawing(0);
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    previousDir_ = fs::current_path().string();
    scratch_ = (fs::current_path() / ("scratch_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                                      std::to_string(getpid())))
                   .string();
    fs::remove_all(scratch_);
    fs::create_directories(fs::path(scratch_) / "Tavek_res" / "sounds");
    fs::current_path(scratch_);
    hostPathClearCache();
}

void AudioTest::TearDown() {
    vtReset();
    win32::resetForTests();
    fs::current_path(previousDir_);
    hostPathClearCache();
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
}

void AudioTest::openEngine(float frameSeconds) {
    vtSetFixedFrameTime(frameSeconds);
    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    ASSERT_EQ(iVortaneSettings(GameSettings), 1);
}

std::string AudioTest::makeSound(const std::string& name, double seconds, double frequency) {
    std::string relative = name;
    for (char& c : relative) {
        if (c == '\\') c = '/';
    }
    std::string host = (fs::path(scratch_) / "Tavek_res" / "sounds" / relative).string();
    fs::create_directories(fs::path(host).parent_path());
    EXPECT_TRUE(writeToneOgg(host, seconds, frequency)) << host;
    hostPathClearCache();
    std::string game = "Tavek_res\\sounds\\" + name;
    for (char& c : game) {
        if (c == '/') c = '\\';
    }
    return game;
}

void AudioTest::writeFile(const std::string& relativePath, const std::string& text) {
    fs::path file = fs::path(scratch_) / relativePath;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    hostPathClearCache();
}

bool AudioTest::reported(const std::string& part) const {
    for (const std::string& line : reports_) {
        if (line.find(part) != std::string::npos) return true;
    }
    return false;
}

SoundState soundState(uint32_t sound) {
    SoundState state;
    vtSoundGet(sound, &state.playing, &state.looping, &state.volume, nullptr, nullptr);
    return state;
}
