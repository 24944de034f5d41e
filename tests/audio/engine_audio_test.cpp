// The engine's sounds on a real OpenAL device (the tests run it with its silent output):
// what reaches the device for play, stop, volume and place, and the listener on its camera.
#include <cmath>

#include "audio_fixture.h"

namespace {

struct Output {
    int sourcePlaying = -1;
    float gain = -1.0f;
    int streamed = -1;
};

Output outputOf(uint32_t sound) {
    Output out;
    vtSoundOutputGet(sound, &out.sourcePlaying, &out.gain, &out.streamed);
    return out;
}

class EngineAudio : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        if (!oggencAvailable()) GTEST_SKIP() << "oggenc (vorbis-tools) missing";
        shortFile = makeSound("beep.ogg", 1.0);
        openEngine(0.25f);
    }
    std::string shortFile;
};

TEST_F(EngineAudio, DeviceOpensWithTheFirstSound) {
    EXPECT_EQ(vtAudioOutputOpen(), 0);
    uint32_t sound = iSoundOggCreate(shortFile.c_str(), 0, 0);
    ASSERT_NE(sound, 0u);
    EXPECT_EQ(vtAudioOutputOpen(), 1);
    EXPECT_EQ(vtSoundOutputGet(sound, nullptr, nullptr, nullptr), 1);
    vtReset();
    EXPECT_EQ(vtAudioOutputOpen(), 0);
}

TEST_F(EngineAudio, ShortFilesAreDecodedWholeAndSongsStream) {
    std::string song = makeSound("songs\\long.ogg", 11.0);
    uint32_t shortSound = iSoundOggCreate(shortFile.c_str(), 0, 0);
    uint32_t longSound = iSoundOggCreate(song.c_str(), 0, 0);
    EXPECT_EQ(outputOf(shortSound).streamed, 0);
    EXPECT_EQ(outputOf(longSound).streamed, 1);
    iSoundPlay(longSound, 1);
    EXPECT_EQ(outputOf(longSound).sourcePlaying, 1);
    iSoundStop(longSound, 0);
    EXPECT_EQ(outputOf(longSound).sourcePlaying, 0);
    iSoundPlay(longSound, 0);  // a stopped stream starts again from its beginning
    EXPECT_EQ(outputOf(longSound).sourcePlaying, 1);
}

TEST_F(EngineAudio, PlayStopAndVolumeReachTheDeviceAtOnce) {
    uint32_t sound = iSoundOggCreate(shortFile.c_str(), 0, 0);
    EXPECT_EQ(outputOf(sound).sourcePlaying, 0);
    iSoundPlay(sound, 1);
    EXPECT_EQ(outputOf(sound).sourcePlaying, 1);
    iSoundVolumeSet(sound, 0.3f);  // mid-play
    EXPECT_FLOAT_EQ(outputOf(sound).gain, 0.3f);
    iSoundVolumeSet(sound, 7.0f);
    EXPECT_FLOAT_EQ(outputOf(sound).gain, 1.0f);
    iSoundStop(sound, 0);
    EXPECT_EQ(outputOf(sound).sourcePlaying, 0);
}

TEST_F(EngineAudio, PlayingAPlayingSoundRestartsIt) {
    uint32_t sound = iSoundOggCreate(shortFile.c_str(), 0, 0);
    iSoundPlay(sound, 0);
    for (int i = 0; i < 3; ++i) iVortaneMain();  // 0.75 s
    iSoundPlay(sound, 0);
    EXPECT_EQ(outputOf(sound).sourcePlaying, 1);
    iVortaneMain();
    iVortaneMain();  // 1.25 s: past the first play's end, not the second's
    EXPECT_EQ(iSoundPlaying(sound), 1);
    EXPECT_EQ(outputOf(sound).sourcePlaying, 1);
}

TEST_F(EngineAudio, SoundWhoseTimeIsUpFallsSilent) {
    uint32_t sound = iSoundOggCreate(shortFile.c_str(), 0, 0);
    iSoundPlay(sound, 0);
    for (int i = 0; i < 4; ++i) iVortaneMain();
    EXPECT_EQ(iSoundPlaying(sound), 0);
    EXPECT_EQ(outputOf(sound).sourcePlaying, 0);
}

TEST_F(EngineAudio, DestroyedSoundsLeaveTheDevice) {
    uint32_t sound = iSoundOggCreate(shortFile.c_str(), 1, 0);
    iSoundPlay(sound, 1);
    iSoundDestroy(sound);
    EXPECT_EQ(vtSoundOutputGet(sound, nullptr, nullptr, nullptr), 0);
    iSoundPlay(sound, 1);
    iSoundDestroy(sound);
    EXPECT_EQ(vtLiveObjectCount(), 0);
}

TEST_F(EngineAudio, PlacedSoundsTakeTheirLocation) {
    uint32_t placed = iSoundOggCreate(shortFile.c_str(), 1, 0);
    iVector3 where{2.0f, 1.0f, -3.0f};
    iSoundLocationSet(placed, &where);
    iVector3 got{};
    ASSERT_EQ(vtSoundLocationGet(placed, &got), 1);
    EXPECT_EQ(got.x, 2.0f);
    EXPECT_EQ(got.z, -3.0f);
    iVector3 bad{NAN, 0.0f, 0.0f};
    iSoundLocationSet(placed, &bad);  // ignored
    iSoundLocationSet(placed, nullptr);
    iSoundLocationSet(0, &where);
    vtSoundLocationGet(placed, &got);
    EXPECT_EQ(got.x, 2.0f);
}

TEST_F(EngineAudio, ListenerFollowsItsCamera) {
    uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    iVector3 location{1.0f, 2.0f, 3.0f};
    iCameraLocationSet(camera, &location);
    iQuaternion turn{};
    iQuaternionFromEulerAngles(&turn, 0.0f, -90.0f, 0.0f, "xyz");  // +z turns into -x
    iCameraOrientationSet(camera, &turn);
    iListenerCameraSet(camera);
    uint32_t heard = 0;
    iVector3 at{}, forward{}, up{};
    ASSERT_EQ(vtListenerGet(&heard, &at, &forward, &up), 1);
    EXPECT_EQ(heard, camera);
    EXPECT_EQ(at.y, 2.0f);
    EXPECT_NEAR(forward.x, -1.0f, 1e-5f);
    EXPECT_NEAR(forward.z, 0.0f, 1e-5f);
    EXPECT_NEAR(up.y, 1.0f, 1e-5f);

    iVector3 moved{-4.0f, 0.5f, 0.0f};
    iCameraLocationSet(camera, &moved);
    iVortaneMain();  // the listener catches up once a frame
    vtListenerGet(nullptr, &at, nullptr, nullptr);
    EXPECT_EQ(at.x, -4.0f);

    iCameraDestroy(camera);  // it stays where the camera last was
    iVortaneMain();
    vtListenerGet(nullptr, &at, nullptr, nullptr);
    EXPECT_EQ(at.x, -4.0f);
}

}  // namespace
