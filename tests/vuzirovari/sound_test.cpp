// Sounds: the length comes from the Ogg file, the state runs on the engine clock.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine_fixture.h"

namespace {

namespace fs = std::filesystem;

void put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void put32(std::ofstream& out, uint32_t v) {
    put16(out, uint16_t(v & 0xFFFF));
    put16(out, uint16_t(v >> 16));
}

// A mono 16-bit tone of the given length.
void writeWav(const fs::path& file, double seconds) {
    const uint32_t rate = 22050;
    const uint32_t samples = uint32_t(seconds * rate);
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) put16(out, uint16_t(int16_t(8000 * std::sin(i * 0.1))));
}

class EngineSound : public EngineTest {
protected:
    // An Ogg of one second at <scratch>/Sounds/Beep.ogg; false when oggenc is missing.
    bool makeOgg() {
        if (std::system("command -v oggenc >/dev/null 2>&1") != 0) return false;
        fs::path dir = fs::path(scratchDir()) / "Sounds";
        fs::create_directories(dir);
        writeWav(dir / "beep.wav", 1.0);
        ogg_ = (dir / "Beep.ogg").string();
        std::string command = "oggenc -Q -o '" + ogg_ + "' '" + (dir / "beep.wav").string() + "'";
        return std::system(command.c_str()) == 0 && fs::exists(ogg_);
    }
    std::string ogg_;
};

#define REQUIRE_OGG()                                                    \
    do {                                                                 \
        if (!makeOgg()) GTEST_SKIP() << "oggenc (vorbis-tools) missing"; \
    } while (0)

TEST_F(EngineSound, LengthComesFromTheFile) {
    REQUIRE_OGG();
    openHeadless();
    uint32_t sound = iSoundOggCreate(ogg_.c_str(), 1, 0);
    ASSERT_NE(sound, 0u);
    int playing = 1, looping = 1, positional = 0;
    float volume = 0, length = 0;
    ASSERT_EQ(vtSoundGet(sound, &playing, &looping, &volume, &length, &positional), 1);
    EXPECT_NEAR(length, 1.0f, 0.01f);
    EXPECT_EQ(playing, 0);
    EXPECT_EQ(looping, 0);
    EXPECT_EQ(positional, 1);
    EXPECT_EQ(volume, 1.0f);
}

TEST_F(EngineSound, GamePathsAreResolvedOnTheHost) {
    REQUIRE_OGG();
    openHeadless();
    std::string relative = fs::relative(fs::path(scratchDir()), fs::current_path()).string();
    std::string gamePath = relative + "\\sounds\\BEEP.OGG";
    EXPECT_NE(iSoundOggCreate(gamePath.c_str(), 0, 0), 0u) << gamePath;
}

TEST_F(EngineSound, PlaysUntilItsLengthHasPassed) {
    REQUIRE_OGG();
    vtSetFixedFrameTime(0.25f);
    openHeadless();
    uint32_t sound = iSoundOggCreate(ogg_.c_str(), 0, 0);
    ASSERT_NE(sound, 0u);
    iSoundPlay(sound, 0);
    EXPECT_EQ(iSoundPlaying(sound), 1);
    for (int i = 0; i < 3; ++i) iVortaneMain();  // 0.75 s
    EXPECT_EQ(iSoundPlaying(sound), 1);
    iVortaneMain();
    iVortaneMain();  // 1.25 s
    EXPECT_EQ(iSoundPlaying(sound), 0);
    iSoundPlay(sound, 0);  // again from the start
    EXPECT_EQ(iSoundPlaying(sound), 1);
    iSoundStop(sound, 0);
    EXPECT_EQ(iSoundPlaying(sound), 0);
}

TEST_F(EngineSound, LoopingPlaysUntilStopped) {
    REQUIRE_OGG();
    vtSetFixedFrameTime(0.25f);
    openHeadless();
    uint32_t sound = iSoundOggCreate(ogg_.c_str(), 0, 0);
    iSoundPlayNow(sound, 1);
    for (int i = 0; i < 20; ++i) iVortaneMain();
    int looping = 0;
    vtSoundGet(sound, nullptr, &looping, nullptr, nullptr, nullptr);
    EXPECT_EQ(iSoundPlaying(sound), 1);
    EXPECT_EQ(looping, 1);
    iSoundStop(sound, 0);
    EXPECT_EQ(iSoundPlaying(sound), 0);
    iSoundDestroy(sound);
    EXPECT_EQ(iSoundPlaying(sound), 0);
    EXPECT_EQ(vtLiveObjectCount(), 0);
}

TEST_F(EngineSound, VolumeIsKeptInsideItsRange) {
    REQUIRE_OGG();
    openHeadless();
    uint32_t sound = iSoundOggCreate(ogg_.c_str(), 0, 0);
    float volume = 0;
    iSoundVolumeSet(sound, 0.4f);
    vtSoundGet(sound, nullptr, nullptr, &volume, nullptr, nullptr);
    EXPECT_FLOAT_EQ(volume, 0.4f);
    iSoundVolumeSet(sound, 3.0f);
    vtSoundGet(sound, nullptr, nullptr, &volume, nullptr, nullptr);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    iSoundVolumeSet(sound, NAN);
    vtSoundGet(sound, nullptr, nullptr, &volume, nullptr, nullptr);
    EXPECT_FLOAT_EQ(volume, 1.0f);
}

TEST_F(EngineSound, MissingOrBrokenFilesGiveZero) {
    openHeadless();
    fs::path broken = fs::path(scratchDir()) / "broken.ogg";
    std::ofstream(broken) << "this is not an Ogg stream";
    EXPECT_EQ(iSoundOggCreate(broken.string().c_str(), 0, 0), 0u);
    EXPECT_EQ(iSoundOggCreate("no\\such\\song.ogg", 0, 0), 0u);
    EXPECT_EQ(vtLiveObjectCount(), 0);
}

}  // namespace
