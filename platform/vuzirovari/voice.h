// The audible side of one sound: an OpenAL source fed from its Ogg file. Short files are
// decoded once into a single buffer; long ones (songs) stream through a few buffers that the
// output's streaming thread keeps filled, so a song goes on while the game is busy.
#pragma once

#include <AL/al.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ogg_decoder.h"
#include "vuzirovari.h"

namespace vuz {

class AudioOutput;

class Voice {
public:
    // Files up to this length are decoded whole, when first played.
    static constexpr double StreamAbove = 10.0;

    // nullptr when the file cannot be decoded or OpenAL refuses a source or buffer.
    static std::unique_ptr<Voice> create(AudioOutput& output, const std::string& hostPath, bool positional);
    ~Voice();
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    void play(bool loop);  // from the start, also when playing
    void stop();
    void setGain(float gain);
    void setPosition(const iVector3& position);  // only placed sounds move

    struct Status {
        bool sourcePlaying = false;
        float gain = 0.0f;
        bool streamed = false;
    };
    Status status();

private:
    friend class AudioOutput;
    Voice(AudioOutput& output, bool positional) : output_(output), positional_(positional) {}

    // Called by the output with its lock held.
    void service();  // refills a stream, restarts it after an underrun
    void release();  // gives the OpenAL objects back; the voice stays silent from then on

    bool setUpSource();
    bool loadWhole(const std::string& hostPath);
    bool prepareStream(const std::string& hostPath);
    bool fill(ALuint buffer);  // false at the end of a sound that does not loop
    void decodeWhole(const std::vector<int16_t>& whole);  // its first play; lock held
    void restartStream();

    AudioOutput& output_;
    bool positional_;
    bool streamed_ = false;
    bool released_ = false;
    bool looping_ = false;
    bool wantPlaying_ = false;
    bool decoded_ = false;  // not streamed: its buffer holds the whole sound
    ALuint source_ = 0;
    std::vector<ALuint> buffers_;
    OggDecoder decoder_;
    ALenum format_ = AL_FORMAT_MONO16;
    std::vector<int16_t> chunk_;
};

}  // namespace vuz
