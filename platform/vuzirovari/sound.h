// One Ogg Vorbis sound. Its playback state runs on the engine clock, so it is the same with
// or without an audio device; when a device is open a voice makes it audible as well.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "voice.h"
#include "vuzirovari.h"

namespace vuz {

class Sound {
public:
    // Opens the file (a game path) to read its length; nullptr with a log line when it is not
    // a readable Ogg Vorbis file. Gets a voice when the audio device is open.
    static std::unique_ptr<Sound> open(const std::string& gamePath, bool positional);

    // Starts from the beginning at engine time now, also when already playing.
    void play(double now, bool loop);
    void stop();
    // Looping sounds play until stopped; others until their length has passed.
    bool playing(double now) const;
    bool looping() const { return playing_ && looping_; }
    void setVolume(float volume);  // linear, kept inside 0..1, heard at once
    float volume() const { return volume_; }
    double length() const { return length_; }
    bool positional() const { return positional_; }
    const std::string& path() const { return hostPath_; }
    const std::string& gamePath() const { return gamePath_; }  // as the game named it
    // Where a placed sound is in the world (kept for every sound, heard only for placed ones).
    void setLocation(const iVector3& location);
    const iVector3& location() const { return location_; }

    // Once a frame: a sound whose time is up on the engine clock falls silent (true then).
    bool endIfFinished(double now);
    Voice* voice() const { return voice_.get(); }  // null without an audio device

private:
    Sound(std::string gamePath, std::string hostPath, double length, bool positional)
        : gamePath_(std::move(gamePath)), hostPath_(std::move(hostPath)), length_(length), positional_(positional) {}

    std::string gamePath_;
    std::string hostPath_;
    double length_ = 0.0;
    bool positional_ = false;
    bool playing_ = false;
    bool looping_ = false;
    double startedAt_ = 0.0;
    float volume_ = 1.0f;
    iVector3 location_{0.0f, 0.0f, 0.0f};
    std::unique_ptr<Voice> voice_;
};

}  // namespace vuz
