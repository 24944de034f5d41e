// Audio tests run in a scratch folder of their own (the game reads "Tavek_res\sounds\..."
// relative to the working folder) on a freshly reset engine without drawing.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "tests/support/tone_files.h"


class AudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the engine headless with a fixed frame time.
    void openEngine(float frameSeconds);
    // A tone as "Tavek_res\sounds\<name>" under the scratch folder; returns the game path.
    std::string makeSound(const std::string& name, double seconds, double frequency = 440.0);
    // Writes a file under the scratch folder (a relative host path).
    void writeFile(const std::string& relativePath, const std::string& text);
    const std::string& scratch() const { return scratch_; }
    // Lines the game reported through its debug output during the test.
    const std::vector<std::string>& reports() const { return reports_; }
    bool reported(const std::string& part) const;

private:
    std::string scratch_;
    std::string previousDir_;
    std::vector<std::string> reports_;
};

#define REQUIRE_OGGENC()                                                           \
    do {                                                                           \
        if (!oggencAvailable()) GTEST_SKIP() << "oggenc (vorbis-tools) missing"; \
    } while (0)

// Playing, looping and volume of a sound as the engine reports them.
struct SoundState {
    int playing = 0;
    int looping = 0;
    float volume = 0.0f;
};
SoundState soundState(uint32_t sound);
