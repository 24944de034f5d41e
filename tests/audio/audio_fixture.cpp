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

}  // namespace

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
