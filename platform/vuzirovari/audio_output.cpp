#include "audio_output.h"

#include <AL/al.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "../win32/win32_host.h"
#include "voice.h"

namespace vuz {

namespace {
// Streams are topped up this often; each holds well over a second of sound.
constexpr auto ServiceInterval = std::chrono::milliseconds(20);

void closeAtExit() { AudioOutput::instance().close(); }
}  // namespace

AudioOutput& AudioOutput::instance() {
    // Never destroyed: the exit handler closes the device while everything still exists.
    static AudioOutput* output = new AudioOutput();
    return *output;
}

bool AudioOutput::open() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (context_) return true;
    if (failed_) return false;
    device_ = alcOpenDevice(nullptr);
    if (!device_) {
        failed_ = true;
        win32::log("engine: no audio device; sounds run silently");
        return false;
    }
    context_ = alcCreateContext(device_, nullptr);
    if (!context_ || !alcMakeContextCurrent(context_)) {
        if (context_) alcDestroyContext(context_);
        alcCloseDevice(device_);
        context_ = nullptr;
        device_ = nullptr;
        failed_ = true;
        win32::log("engine: the audio device gave no context; sounds run silently");
        return false;
    }
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    const ALCchar* name = alcGetString(device_, ALC_DEVICE_SPECIFIER);
    win32::log(std::string("engine: audio output on \"") + (name ? name : "?") + "\"");
    static bool exitHandlerSet = false;
    if (!exitHandlerSet) {
        exitHandlerSet = true;
        std::atexit(closeAtExit);
    }
    quit_ = false;
    thread_ = std::thread(&AudioOutput::streamLoop, this);
    return true;
}

bool AudioOutput::isOpen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return context_ != nullptr;
}

void AudioOutput::stopThread() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void AudioOutput::close() {
    stopThread();
    std::lock_guard<std::mutex> lock(mutex_);
    for (Voice* voice : voices_) voice->release();
    voices_.clear();
    if (context_) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context_);
        context_ = nullptr;
    }
    if (device_) {
        alcCloseDevice(device_);
        device_ = nullptr;
    }
    failed_ = false;
}

void AudioOutput::setListener(const iVector3& location, const iVector3& forward, const iVector3& up) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!context_) return;
    alListener3f(AL_POSITION, location.x, location.y, location.z);
    const ALfloat orientation[6] = {forward.x, forward.y, forward.z, up.x, up.y, up.z};
    alListenerfv(AL_ORIENTATION, orientation);
}

void AudioOutput::add(Voice* voice) { voices_.push_back(voice); }

void AudioOutput::remove(Voice* voice) {
    for (auto it = voices_.begin(); it != voices_.end(); ++it) {
        if (*it == voice) {
            voices_.erase(it);
            return;
        }
    }
}

void AudioOutput::streamLoop() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_) {
        for (Voice* voice : voices_) voice->service();
        wake_.wait_for(lock, ServiceInterval, [this] { return quit_; });
    }
}

}  // namespace vuz
