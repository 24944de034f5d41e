// Small sound files made by the tests themselves: a sine tone as WAV, and as Ogg through oggenc.
#pragma once

#include <string>

// A mono 16-bit WAV tone, its first and last 5 ms faded to avoid clicks.
void writeToneWav(const std::string& hostFile, double seconds, double frequency, double amplitude, int rate);
bool oggencAvailable();
// False when oggenc (vorbis-tools) is missing or fails.
bool writeToneOgg(const std::string& hostFile, double seconds, double frequency = 440.0, double amplitude = 0.5,
                  int rate = 22050);
