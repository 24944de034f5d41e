// Songs over simulated frames: intro then main file, fades, create-on-play sounds.
#include "audio/Song.h"
#include "audio_fixture.h"

namespace {

// 1/8 s frames make every fade step (rate x frame time) exact in binary.
constexpr float Frame = 0.125f;

class SongTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        if (!oggencAvailable()) GTEST_SKIP() << "oggenc (vorbis-tools) missing";
        intro = makeSound("songs\\intro.ogg", 1.0);
        main = makeSound("songs\\main.ogg", 2.0);
        openEngine(Frame);
    }
    // One frame of the game: the engine's step, then the song's tick.
    void frames(Song& song, int count) {
        for (int i = 0; i < count; ++i) {
            iVortaneMain();
            song.tick();
        }
    }
    std::string intro, main;
};

// The sounds a song made, found as the engine's live sounds.
uint32_t liveSound(int nth) {
    int found = 0;
    for (uint32_t h = 1; h < 10000; ++h) {
        if (vtSoundGet(h, nullptr, nullptr, nullptr, nullptr, nullptr) && found++ == nth) return h;
    }
    return 0;
}

TEST_F(SongTest, FadeOutFromFullLevelTakesFourSecondsThenStops) {
    Song song(main, false, true);
    uint32_t sound = liveSound(0);
    song.fadeIn();
    EXPECT_TRUE(song.isPlaying());
    EXPECT_FLOAT_EQ(soundState(sound).volume, 1.0f);  // never faded: full level at once
    song.fadeOut();
    frames(song, 16);
    EXPECT_FLOAT_EQ(song.getFadeLevel(), 0.5f);
    EXPECT_FLOAT_EQ(soundState(sound).volume, 0.5f);
    frames(song, 16);  // 4 s: exactly at silence, not yet below it
    EXPECT_TRUE(song.isPlaying());
    EXPECT_EQ(soundState(sound).playing, 1);
    frames(song, 1);
    EXPECT_FALSE(song.isPlaying());
    EXPECT_EQ(soundState(sound).playing, 0);
    EXPECT_EQ(song.getFadeLevel(), 0.0f);
}

TEST_F(SongTest, FadedOutSongRisesFromSilenceWhenFadedInAgain) {
    Song song(main, false, true);
    uint32_t sound = liveSound(0);
    song.fadeIn();
    song.fadeOut();
    frames(song, 40);
    ASSERT_FALSE(song.isPlaying());
    song.fadeIn();
    EXPECT_TRUE(song.isPlaying());
    EXPECT_FLOAT_EQ(soundState(sound).volume, 0.03125f);  // one step above silence
    frames(song, 15);
    EXPECT_FLOAT_EQ(soundState(sound).volume, 0.5f);
    frames(song, 20);
    EXPECT_FLOAT_EQ(soundState(sound).volume, 1.0f);
    EXPECT_FALSE(song.isFadingIn());
    song.resetFade();
    EXPECT_EQ(song.getFadeLevel(), 1.0f);
}

TEST_F(SongTest, MainFileFollowsTheIntroOnTheNextFrame) {
    Song song(intro, main, false, true);
    uint32_t introSound = liveSound(0), mainSound = liveSound(1);
    song.play();
    EXPECT_EQ(soundState(introSound).playing, 1);
    EXPECT_EQ(soundState(mainSound).playing, 0);
    frames(song, 7);  // 0.875 s: the intro still plays
    EXPECT_EQ(soundState(mainSound).playing, 0);
    frames(song, 1);  // 1.0 s: the intro has ended, the main file starts looping
    EXPECT_EQ(soundState(introSound).playing, 0);
    EXPECT_EQ(soundState(mainSound).playing, 1);
    EXPECT_EQ(soundState(mainSound).looping, 1);
    frames(song, 40);
    EXPECT_EQ(soundState(introSound).playing, 0);  // the intro plays once only
    EXPECT_EQ(soundState(mainSound).playing, 1);
}

TEST_F(SongTest, NonLoopingMainFileAfterAnIntroStartsAgainWhenItEnds) {
    Song song(intro, main, false, false);
    uint32_t mainSound = liveSound(1);
    song.play();
    frames(song, 8);
    ASSERT_EQ(soundState(mainSound).playing, 1);
    EXPECT_EQ(soundState(mainSound).looping, 0);
    frames(song, 16);  // its 2 s have passed: started again on that frame
    EXPECT_EQ(soundState(mainSound).playing, 1);
}

TEST_F(SongTest, SongWithoutIntroThatDoesNotLoopEndsInSilence) {
    Song song(main, false, false);
    uint32_t sound = liveSound(0);
    song.play();
    frames(song, 17);
    EXPECT_EQ(soundState(sound).playing, 0);
    EXPECT_TRUE(song.isPlaying());  // still the player's song until stopped
}

TEST_F(SongTest, CreateOnPlaySoundsLiveOnlyWhilePlaying) {
    Song song(intro, main, true, true);
    EXPECT_EQ(vtLiveObjectCount(), 0);
    song.play();
    EXPECT_EQ(vtLiveObjectCount(), 2);
    song.stop();
    EXPECT_EQ(vtLiveObjectCount(), 0);
    // Stopped before the intro was ever seen playing: the song keeps no handle and no
    // half-started intro, and the next play starts it properly.
    EXPECT_EQ(song.getIntroSound(), 0u);
    EXPECT_EQ(song.getMainSound(), 0u);
    frames(song, 3);
    EXPECT_EQ(vtLiveObjectCount(), 0);
    song.play();
    EXPECT_NE(song.getIntroSound(), 0u);
    EXPECT_EQ(soundState(song.getIntroSound()).playing, 1);
    frames(song, 8);
    EXPECT_EQ(soundState(song.getMainSound()).playing, 1);
}

TEST_F(SongTest, DestroyingASongDestroysItsSounds) {
    {
        Song kept(intro, main, false, true);
        Song onPlay(main, true, true);
        onPlay.play();
        EXPECT_EQ(vtLiveObjectCount(), 3);
    }
    EXPECT_EQ(vtLiveObjectCount(), 0);
}

TEST_F(SongTest, MissingFilesGiveASilentSongNotACrash) {
    Song song("Tavek_res\\sounds\\songs\\none-intro.ogg", "Tavek_res\\sounds\\songs\\none.ogg", false, true);
    song.fadeIn();
    frames(song, 10);
    EXPECT_TRUE(song.isPlaying());
    song.fadeOut();
    frames(song, 40);
    EXPECT_FALSE(song.isPlaying());
}

}  // namespace
