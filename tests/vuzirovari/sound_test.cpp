// Sounds: the length comes from the Ogg file, the state runs on the engine clock.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine_fixture.h"
#include "tests/support/tone_files.h"

namespace {

namespace fs = std::filesystem;

class EngineSound : public EngineTest {
protected:
    // An Ogg of one second at <scratch>/Sounds/Beep.ogg; false when oggenc is missing.
    bool makeOgg() {
        if (!oggencAvailable()) return false;
        fs::path dir = fs::path(scratchDir()) / "Sounds";
        fs::create_directories(dir);
        ogg_ = (dir / "Beep.ogg").string();
        return writeToneOgg(ogg_, 1.0);
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
