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

// A sound starts silent with its length from the file and full volume, kept within 0..1; the
// game's own path to it is resolved on the host.
TEST_F(EngineSound, LengthComesFromTheFileAndVolumeStaysInItsRange) {
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

    iSoundVolumeSet(sound, 0.4f);
    vtSoundGet(sound, nullptr, nullptr, &volume, nullptr, nullptr);
    EXPECT_FLOAT_EQ(volume, 0.4f);
    iSoundVolumeSet(sound, 3.0f);
    vtSoundGet(sound, nullptr, nullptr, &volume, nullptr, nullptr);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    iSoundVolumeSet(sound, NAN);
    vtSoundGet(sound, nullptr, nullptr, &volume, nullptr, nullptr);
    EXPECT_FLOAT_EQ(volume, 1.0f);

    std::string relative = fs::relative(fs::path(scratchDir()), fs::current_path()).string();
    std::string gamePath = relative + "\\sounds\\BEEP.OGG";
    EXPECT_NE(iSoundOggCreate(gamePath.c_str(), 0, 0), 0u) << gamePath;
}

// A sound plays until its length has passed, a looping one until stopped.
TEST_F(EngineSound, PlaysUntilItsLengthHasPassedOrLoopsUntilStopped) {
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

// The log holds starts (restarts too), stops of playing sounds only and the end of the length,
// each with its frame and the path as the game gave it; it is off until asked for.
TEST_F(EngineSound, TheSoundLogHoldsEveryStartAndStopWithItsFrame) {
    REQUIRE_OGG();
    vtSetFixedFrameTime(0.3f);
    openHeadless();
    std::string gamePath = fs::relative(fs::path(ogg_), fs::current_path()).string();
    for (char& c : gamePath) c = c == '/' ? '\\' : c;
    uint32_t once = iSoundOggCreate(gamePath.c_str(), 0, 0);
    uint32_t loop = iSoundOggCreate(gamePath.c_str(), 0, 0);
    iSoundPlay(once, 0);
    EXPECT_EQ(vtSoundLogCount(), 0) << "off until enabled";
    vtSoundLogEnable(1);
    iVortaneMain();         // frame 1
    iSoundPlay(once, 0);    // a restart
    iSoundPlayNow(loop, 1);
    iSoundStop(loop, 0);
    iSoundStop(loop, 0);    // silent already: no event
    for (int i = 0; i < 5; ++i) iVortaneMain();   // the restart's second ends in frame 5 (1.5 s)
    iSoundPlay(loop, 1);
    iSoundDestroy(loop);
    struct Expected { int frame, kind, looping; uint32_t sound; };
    const Expected expected[] = {{1, vtSoundStarted, 0, once}, {1, vtSoundStarted, 1, loop},
                                 {1, vtSoundStopped, 1, loop}, {5, vtSoundEnded, 0, once},
                                 {6, vtSoundStarted, 1, loop}, {6, vtSoundStopped, 1, loop}};
    ASSERT_EQ(vtSoundLogCount(), 6);
    for (int i = 0; i < 6; ++i) {
        vtSoundEvent e{};
        ASSERT_EQ(vtSoundLogGet(i, &e), 1);
        EXPECT_EQ(e.frame, expected[i].frame) << "entry " << i;
        EXPECT_EQ(e.kind, expected[i].kind) << "entry " << i;
        EXPECT_EQ(e.looping, expected[i].looping) << "entry " << i;
        EXPECT_EQ(e.sound, expected[i].sound) << "entry " << i;
        EXPECT_EQ(std::string(e.path), gamePath) << "entry " << i;
    }
    EXPECT_EQ(vtSoundLogGet(6, nullptr), 0);
    EXPECT_EQ(vtSoundCount(), 1);
    vtSoundLogClear();
    EXPECT_EQ(vtSoundLogCount(), 0);
    iSoundPlay(once, 0);
    vtReset();
    EXPECT_EQ(vtSoundLogCount(), 0);
    openHeadless();
    iSoundPlay(iSoundOggCreate(ogg_.c_str(), 0, 0), 0);
    EXPECT_EQ(vtSoundLogCount(), 0) << "a reset turns the log off";
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
