// The song player over simulated frames: fade-in, play time, cross-fade, stop.
#include <vector>

#include "audio/Song.h"
#include "audio/SongPlayer.h"
#include "audio_fixture.h"
#include "platform/win32/crt.h"

namespace {

constexpr float Frame = 0.125f;  // exact fade steps of 1/32 per frame

// A seed under which the list's first picks come in the given order.
uint32_t seedFor(const PlayList& list, const std::vector<Song*>& order) {
    for (uint32_t seed = 1; seed < 100000; ++seed) {
        crt::srand(seed);
        bool match = true;
        for (Song* song : order) match = match && list.next() == song;
        if (match) return seed;
    }
    return 0;
}

class SongPlayerTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        if (!oggencAvailable()) GTEST_SKIP() << "oggenc (vorbis-tools) missing";
        std::string fileA = makeSound("songs\\a.ogg", 1.0);
        std::string fileB = makeSound("songs\\b.ogg", 1.0, 660.0);
        openEngine(Frame);
        a = std::make_unique<Song>(fileA, false, true);
        b = std::make_unique<Song>(fileB, false, true);
        soundA = a->getMainSound();
        soundB = b->getMainSound();
        list.add(a.get());
        list.add(b.get());
    }
    // Seeds the generator so that the player picks songs in this order.
    void pickInOrder(const std::vector<Song*>& order) {
        uint32_t seed = seedFor(list, order);
        ASSERT_NE(seed, 0u);
        crt::srand(seed);
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            iVortaneMain();
            player.tick();
        }
    }
    float volumeOf(uint32_t sound) { return soundState(sound).volume; }
    bool playing(uint32_t sound) { return soundState(sound).playing == 1; }

    std::unique_ptr<Song> a, b;
    uint32_t soundA = 0, soundB = 0;
    PlayList list;
    SongPlayer player;
};

TEST_F(SongPlayerTest, PlaysCrossFadesAndStops) {
    a->setPlayTime(6.0f);
    b->setPlayTime(6.0f);
    pickInOrder({a.get(), b.get(), a.get()});
    player.setSongs(list);
    player.start();
    ASSERT_TRUE(player.isPlaying());
    EXPECT_EQ(player.getCurrent(), a.get());
    EXPECT_TRUE(playing(soundA));
    EXPECT_FLOAT_EQ(volumeOf(soundA), 1.0f);  // first time: full level at once

    frames(47);  // 5.875 s of its 6 s play time
    EXPECT_EQ(player.getCurrent(), a.get());
    frames(1);  // play time reached: cross-fade to b
    EXPECT_EQ(player.getCurrent(), b.get());
    EXPECT_EQ(player.getPrevious(), a.get());
    EXPECT_FLOAT_EQ(volumeOf(soundB), 1.0f);
    EXPECT_TRUE(playing(soundA));

    frames(16);  // 2 s into the fade-out
    EXPECT_FLOAT_EQ(volumeOf(soundA), 0.5f);
    frames(17);  // past silence: stopped and dropped
    EXPECT_FALSE(playing(soundA));
    EXPECT_EQ(player.getPrevious(), nullptr);
    EXPECT_TRUE(playing(soundB));

    frames(15);  // b's play time is up: a rises again from silence
    EXPECT_EQ(player.getCurrent(), a.get());
    EXPECT_TRUE(playing(soundA));
    EXPECT_FLOAT_EQ(volumeOf(soundA), 0.03125f);
    frames(15);
    EXPECT_FLOAT_EQ(volumeOf(soundA), 0.5f);
    EXPECT_FLOAT_EQ(volumeOf(soundB), 0.53125f);  // b fades out meanwhile

    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(playing(soundA));
    EXPECT_FALSE(playing(soundB));
}

TEST_F(SongPlayerTest, StopAlsoEndsTheSongStillFadingOut) {
    a->setPlayTime(2.0f);
    b->setPlayTime(2.0f);
    pickInOrder({a.get(), b.get()});
    player.setSongs(list);
    player.start();
    frames(17);  // a is fading out behind b
    ASSERT_EQ(player.getPrevious(), a.get());
    ASSERT_TRUE(playing(soundA));
    player.stop();
    EXPECT_FALSE(playing(soundA));
    EXPECT_FALSE(playing(soundB));
    EXPECT_EQ(player.getPrevious(), nullptr);
    frames(100);
    EXPECT_FALSE(playing(soundA));
}

TEST_F(SongPlayerTest, SongPickedTwiceInARowStillCrossFadesLater) {
    a->setPlayTime(2.0f);
    b->setPlayTime(2.0f);
    pickInOrder({a.get(), a.get(), b.get()});
    player.setSongs(list);
    player.start();
    frames(16);  // a again: it simply goes on
    EXPECT_EQ(player.getCurrent(), a.get());
    EXPECT_EQ(player.getPrevious(), nullptr);
    EXPECT_TRUE(playing(soundA));
    EXPECT_FLOAT_EQ(volumeOf(soundA), 1.0f);
    frames(16);  // now b: a fades out instead of being cut off
    EXPECT_EQ(player.getCurrent(), b.get());
    EXPECT_TRUE(playing(soundA));
    frames(8);
    EXPECT_FLOAT_EQ(volumeOf(soundA), 0.75f);  // one fade step per frame, not two
}

TEST_F(SongPlayerTest, VolumeAppliesToTheNextSongStarted) {
    a->setPlayTime(2.0f);
    b->setPlayTime(2.0f);
    pickInOrder({a.get(), b.get()});
    player.setSongs(list);
    player.start();
    player.setVolume(0.5f);
    EXPECT_FLOAT_EQ(volumeOf(soundA), 1.0f);
    frames(16);
    EXPECT_FLOAT_EQ(volumeOf(soundB), 0.5f);
    EXPECT_FLOAT_EQ(player.getVolume(), 0.5f);
}

TEST_F(SongPlayerTest, EmptyListNeitherStartsNorPlays) {
    player.start();
    EXPECT_FALSE(player.isPlaying());
    frames(5);
    EXPECT_FALSE(playing(soundA));
}

TEST_F(SongPlayerTest, ListEmptiedWhilePlayingStopsThePlayer) {
    a->setPlayTime(1.0f);
    player.addSong(a.get());
    player.start();
    ASSERT_TRUE(playing(soundA));
    player.removeSong(a.get());
    frames(8);  // play time up, nothing to pick: the player stops
    EXPECT_FALSE(player.isPlaying());
    frames(40);
    EXPECT_FALSE(playing(soundA));  // the song it faded out was not left sounding
}

}  // namespace
