// The audio device: one OpenAL Soft context for the process, the voices playing on it and the
// thread that keeps streamed voices filled. Opened on the first sound; when no device can be
// opened, sounds run silently on the engine clock.
#pragma once

#include <AL/alc.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "vuzirovari.h"

namespace vuz {

class Voice;

class AudioOutput {
public:
    static AudioOutput& instance();

    // Opens the default device once; false (logged once) when there is none. A close lets
    // the next call try again.
    bool open();
    bool isOpen();
    // Stops streaming, silences every voice for good and closes the device.
    void close();

    // The listener: where it is and where it looks (forward and up, world coordinates).
    void setListener(const iVector3& location, const iVector3& forward, const iVector3& up);

    // Voices register themselves; the lock guards every OpenAL call on them.
    std::mutex& mutex() { return mutex_; }
    bool ready() const { return context_ != nullptr; }  // lock held
    void add(Voice* voice);     // lock held
    void remove(Voice* voice);  // lock held

private:
    AudioOutput() = default;
    void streamLoop();
    void stopThread();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    bool quit_ = false;
    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    bool failed_ = false;
    std::vector<Voice*> voices_;
};

}  // namespace vuz
