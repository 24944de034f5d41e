// Listens to what the engine really mixed: the recorder plays through the audio library's
// wave-file output, and the file shows each sound where it was played and silence where it
// was stopped.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "audio_fixture.h"
#include "wave_capture.h"

namespace {

namespace fs = std::filesystem;

constexpr double SongTone = 440.0;
constexpr double BeepTone = 2000.0;

struct RecorderRun {
    int exitCode = -1;
    std::string output;
    std::map<std::string, double> steps;  // "<step> <seconds>" lines
};

RecorderRun runRecorder(const std::string& environment, const std::string& arguments) {
    RecorderRun run;
    std::string command = environment + " '" + SOUND_RECORDER_PATH + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        run.output += line;
        std::istringstream words(line);
        std::string step;
        double seconds = 0.0;
        if (words >> step >> seconds) run.steps[step] = seconds;
    }
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class EngineAudioOutput : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        if (!oggencAvailable()) GTEST_SKIP() << "oggenc (vorbis-tools) missing";
    }
    std::string file(const std::string& name) { return (fs::path(scratch()) / name).string(); }
};

TEST_F(EngineAudioOutput, PlayedSoundsAreHeardAndStoppedOnesAreSilent) {
    ASSERT_TRUE(writeToneOgg(file("song.ogg"), 12.0, SongTone, 0.5, 22050));  // long: streamed
    ASSERT_TRUE(writeToneOgg(file("beep.ogg"), 0.5, BeepTone, 0.5, 22050));
    std::string wave = file("mix.wav");
    std::ofstream(file("alsoft.conf")) << "[general]\nchannels = stereo\nsample-type = int16\nfrequency = 44100\n"
                                          "[wave]\nfile = "
                                       << wave << "\n";
    RecorderRun run = runRecorder("ALSOFT_DRIVERS=wave ALSOFT_CONF='" + file("alsoft.conf") + "'",
                          "record '" + file("song.ogg") + "' '" + file("beep.ogg") + "'");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    for (const char* step : {"play", "beepStop", "volume", "stop"}) ASSERT_EQ(run.steps.count(step), 1u) << run.output;

    WaveCapture mix = readWave(wave);
    ASSERT_TRUE(mix.ok) << mix.error;
    // Times in the file: the song's first sound, then the steps as the recorder measured them.
    const double start = mix.onset(SongTone, 0.03f);
    ASSERT_GT(start, 0.1) << "no song in " << mix.seconds() << " s of output";
    const double beepStop = start + run.steps["beepStop"];
    const double volume = start + run.steps["volume"];
    const double stop = start + run.steps["stop"];
    const double margin = 0.15;
    ASSERT_GT(mix.seconds(), stop + 0.3);

    // Nothing before the song started.
    EXPECT_LT(mix.level(0.0, start - 0.05), 0.002f);
    // The beep while it played, and not once it was stopped.
    EXPECT_GT(mix.toneAmplitude(BeepTone, start + 0.05, beepStop - margin), 0.1f);
    EXPECT_LT(mix.toneAmplitude(BeepTone, beepStop + margin, stop), 0.005f);
    // The song throughout, also after its first buffers ran out with no frames running.
    for (double t = start + 0.05; t + 0.2 < stop - margin; t += 0.2) {
        EXPECT_GT(mix.toneAmplitude(SongTone, t, t + 0.2), 0.02f) << "at " << t - start << " s";
    }
    // A quarter of the volume from the moment it was set.
    float full = mix.toneAmplitude(SongTone, beepStop + margin, volume - margin);
    float quarter = mix.toneAmplitude(SongTone, volume + margin, stop - margin);
    EXPECT_GT(full, 0.15f);
    EXPECT_NEAR(quarter / full, 0.25f, 0.06f);
    // Silence once the song was stopped.
    EXPECT_LT(mix.level(stop + margin, mix.seconds()), 0.002f);
}

TEST_F(EngineAudioOutput, WithoutAnAudioDeviceSoundsKeepStateAndTiming) {
    ASSERT_TRUE(writeToneOgg(file("beep.ogg"), 1.0, BeepTone, 0.5, 22050));
    RecorderRun run = runRecorder("ALSOFT_DRIVERS=no-such-output", "silent '" + file("beep.ogg") + "'");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("silent ok"), std::string::npos) << run.output;
}

}  // namespace
