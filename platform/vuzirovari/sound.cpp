#include "sound.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>

#include "../win32/hostpath.h"
#include "../win32/win32_host.h"
#include "audio_output.h"

namespace vuz {

std::unique_ptr<Sound> Sound::open(const std::string& gamePath, bool positional) {
    std::string host = hostPath(gamePath);
    OggVorbis_File file;
    int status = ov_fopen(host.c_str(), &file);
    if (status != 0) {
        std::string why = status == -1             ? "cannot be opened"
                          : status == OV_ENOTVORBIS ? "is not Ogg Vorbis"
                                                    : "is broken (" + std::to_string(status) + ")";
        win32::log("engine: sound \"" + gamePath + "\" " + why);
        return nullptr;
    }
    double seconds = ov_time_total(&file, -1);
    ov_clear(&file);
    if (!(seconds >= 0.0)) {
        win32::log("engine: sound \"" + gamePath + "\" has no length");
        return nullptr;
    }
    std::unique_ptr<Sound> sound(new Sound(gamePath, host, seconds, positional));
    AudioOutput& output = AudioOutput::instance();
    if (output.open()) {
        sound->voice_ = Voice::create(output, host, positional);
        if (!sound->voice_) win32::log("engine: sound \"" + gamePath + "\" cannot be decoded; it stays silent");
    }
    return sound;
}

void Sound::play(double now, bool loop) {
    playing_ = true;
    looping_ = loop;
    startedAt_ = now;
    if (voice_) voice_->play(loop);
}

void Sound::stop() {
    playing_ = false;
    looping_ = false;
    if (voice_) voice_->stop();
}

bool Sound::playing(double now) const {
    if (!playing_) return false;
    return looping_ || now - startedAt_ < length_;
}

void Sound::setVolume(float volume) {
    if (!std::isfinite(volume)) return;
    volume_ = std::clamp(volume, 0.0f, 1.0f);
    if (voice_) voice_->setGain(volume_);
}

void Sound::setLocation(const iVector3& location) {
    if (!std::isfinite(location.x) || !std::isfinite(location.y) || !std::isfinite(location.z)) return;
    location_ = location;
    if (voice_) voice_->setPosition(location_);
}

bool Sound::endIfFinished(double now) {
    if (!playing_ || playing(now)) return false;
    playing_ = false;
    looping_ = false;
    if (voice_) voice_->stop();
    return true;
}

}  // namespace vuz
