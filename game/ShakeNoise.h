// Smooth one-dimensional noise for shaking sprites: four octaves of linearly interpolated
// integer hashes, each octave twice the frequency and half the amplitude of the one before.
// The hashes wrap in 32 bits, so the same input gives the same value on every machine.
#pragma once

class ShakeNoise {
public:
    // About -1 .. 1 per octave, summed; meant for inputs of 0 and above.
    float sample(float x);

private:
    float persistence_ = 0.5f;
    int octaves_ = 4;
    int nextHash_ = 0;  // the hash function the next octave uses
};
