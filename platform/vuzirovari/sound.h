// One Ogg Vorbis sound. For now it keeps the playback state on the engine clock; the audible
// output (a streaming source per sound) plugs in behind play(), stop() and setVolume().
#pragma once

#include <memory>
#include <string>
#include <utility>

namespace vuz {

class Sound {
public:
    // Opens the file (a game path) to read its length; nullptr with a log line when it is not
    // a readable Ogg Vorbis file.
    static std::unique_ptr<Sound> open(const std::string& gamePath, bool positional);

    // Starts from the beginning at engine time now, also when already playing.
    void play(double now, bool loop);
    void stop();
    // Looping sounds play until stopped; others until their length has passed.
    bool playing(double now) const;
    bool looping() const { return playing_ && looping_; }
    void setVolume(float volume);  // linear, kept inside 0..1
    float volume() const { return volume_; }
    double length() const { return length_; }
    bool positional() const { return positional_; }
    const std::string& path() const { return hostPath_; }

private:
    Sound(std::string hostPath, double length, bool positional)
        : hostPath_(std::move(hostPath)), length_(length), positional_(positional) {}

    std::string hostPath_;
    double length_ = 0.0;
    bool positional_ = false;
    bool playing_ = false;
    bool looping_ = false;
    double startedAt_ = 0.0;
    float volume_ = 1.0f;
};

}  // namespace vuz
