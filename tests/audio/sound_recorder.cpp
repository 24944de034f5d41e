// Plays a fixed sequence through the engine and prints when each step happened, for the
// tests that listen to the device's output. Runs in a process of its own because the audio
// library reads its output settings once per process.
//
//   engine_sound_recorder record <song.ogg> <beep.ogg>
//       the song (streamed, looping) and a looping beep start together; the beep stops, the
//       song's volume drops to a quarter, then the song stops. Prints "<step> <seconds>"
//       lines, the seconds counted from the start of the song.
//   engine_sound_recorder silent <beep.ogg>
//       expects no audio device: the sound's state and timing must still work.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

namespace {

using Clock = std::chrono::steady_clock;
const uint32_t Settings[6] = {0, 0, 0x004B0000, 0, 0, 0};

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

bool openEngine(float frameTime) {
    vtSetDrawing(0);
    vtSetFixedFrameTime(frameTime);
    return iVortaneOpen(nullptr, nullptr) && iVortaneSettings(Settings);
}

int record(const char* songPath, const char* beepPath) {
    if (!openEngine(0.0f)) return 2;
    uint32_t song = iSoundOggCreate(songPath, 0, 0);  // the device opens: the recording starts
    uint32_t beep = iSoundOggCreate(beepPath, 0, 0);
    int streamed = 0;
    if (!vtAudioOutputOpen() || !song || !beep || !vtSoundOutputGet(song, nullptr, nullptr, &streamed)) {
        std::printf("no audio output\n");
        return 3;
    }
    if (!streamed) {
        std::printf("the song is not streamed\n");
        return 4;
    }
    pause(300);
    Clock::time_point start = Clock::now();
    auto mark = [start](const char* step) {
        std::printf("%s %.3f\n", step, std::chrono::duration<double>(Clock::now() - start).count());
    };
    // No frames run from here on: the song must keep itself going, as the start-up song does.
    iSoundPlayNow(song, 1);
    iSoundPlay(beep, 1);
    mark("play");
    pause(600);
    iSoundStop(beep, 0);
    mark("beepStop");
    pause(1000);
    iSoundVolumeSet(song, 0.25f);
    mark("volume");
    pause(1000);
    iSoundStop(song, 0);
    mark("stop");
    pause(500);
    vtReset();  // closes the device, which completes the file
    return 0;
}

int silent(const char* beepPath) {
    if (!openEngine(0.25f)) return 2;
    uint32_t beep = iSoundOggCreate(beepPath, 0, 0);
    bool ok = beep != 0 && !vtAudioOutputOpen() && !vtSoundOutputGet(beep, nullptr, nullptr, nullptr);
    iSoundPlay(beep, 0);
    iSoundVolumeSet(beep, 0.5f);
    ok = ok && iSoundPlaying(beep);
    for (int i = 0; i < 3; ++i) iVortaneMain();  // 0.75 s of a 1 s sound
    ok = ok && iSoundPlaying(beep);
    iVortaneMain();
    ok = ok && !iSoundPlaying(beep);
    float volume = 0.0f;
    vtSoundGet(beep, nullptr, nullptr, &volume, nullptr, nullptr);
    ok = ok && volume == 0.5f;
    std::printf(ok ? "silent ok\n" : "silent failed\n");
    vtReset();
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "record") == 0) return record(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "silent") == 0) return silent(argv[2]);
    std::fprintf(stderr, "usage: engine_sound_recorder record <song.ogg> <beep.ogg> | silent <beep.ogg>\n");
    return 64;
}
