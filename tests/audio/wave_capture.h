// Reading back what the audio device wrote to a wave file, and measuring tones in it.
#pragma once

#include <string>
#include <vector>

struct WaveCapture {
    bool ok = false;
    std::string error;
    int rate = 0;
    int channels = 0;
    std::vector<float> mono;  // channels averaged, -1..1

    double seconds() const { return rate > 0 ? double(mono.size()) / rate : 0.0; }
    // Amplitude of a sine of this frequency between two times (seconds from the start).
    float toneAmplitude(double frequency, double from, double to) const;
    // Root mean square level between two times.
    float level(double from, double to) const;
    // The first time a tone rises above the amplitude, in steps of 20 ms; -1 when never.
    double onset(double frequency, float amplitude) const;
};

// 16-bit integer or 32-bit float PCM; a header whose sizes were never filled in reads to the end.
WaveCapture readWave(const std::string& hostFile);
