#include "voice.h"

#include "audio_output.h"

namespace vuz {

namespace {
constexpr int StreamBuffers = 6;  // each a quarter of a second
// Placed sounds keep their full level up to this distance from the listener, then fall off.
constexpr float ReferenceDistance = 4.0f;

ALenum formatFor(int channels) { return channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16; }
}  // namespace

std::unique_ptr<Voice> Voice::create(AudioOutput& output, const std::string& hostPath, bool positional) {
    std::unique_ptr<Voice> voice(new Voice(output, positional));
    if (!voice->decoder_.open(hostPath, positional)) return nullptr;
    voice->format_ = formatFor(voice->decoder_.channels());
    voice->streamed_ = voice->decoder_.seconds() > StreamAbove;

    bool made = false;
    {
        std::lock_guard<std::mutex> lock(output.mutex());
        if (output.ready() && voice->setUpSource()) {
            if (voice->streamed_) {
                voice->buffers_.resize(StreamBuffers);
                alGenBuffers(StreamBuffers, voice->buffers_.data());
            } else {
                // Decoded when first played: many sounds of a level are never heard.
                voice->buffers_.resize(1);
                alGenBuffers(1, voice->buffers_.data());
            }
            made = alGetError() == AL_NO_ERROR;
            if (made) {
                output.add(voice.get());
            } else {
                voice->release();
            }
        }
    }
    return made ? std::move(voice) : nullptr;
}

Voice::~Voice() {
    std::lock_guard<std::mutex> lock(output_.mutex());
    output_.remove(this);
    release();
}

bool Voice::setUpSource() {
    alGetError();
    alGenSources(1, &source_);
    if (alGetError() != AL_NO_ERROR) {
        source_ = 0;
        return false;
    }
    if (positional_) {
        alSourcei(source_, AL_SOURCE_RELATIVE, AL_FALSE);
        alSourcef(source_, AL_REFERENCE_DISTANCE, ReferenceDistance);
        alSourcef(source_, AL_ROLLOFF_FACTOR, 1.0f);
    } else {
        // Music and menu sounds sit on the listener, at full level wherever the camera is.
        alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source_, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(source_, AL_ROLLOFF_FACTOR, 0.0f);
    }
    alSourcef(source_, AL_GAIN, 1.0f);
    return alGetError() == AL_NO_ERROR;
}

void Voice::release() {
    if (released_) return;
    released_ = true;
    wantPlaying_ = false;
    if (source_) {
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        alDeleteSources(1, &source_);
        source_ = 0;
    }
    if (!buffers_.empty()) alDeleteBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    buffers_.clear();
    alGetError();
}

void Voice::decodeWhole(const std::vector<int16_t>& whole) {
    decoded_ = true;
    alBufferData(buffers_[0], format_, whole.data(), static_cast<ALsizei>(whole.size() * sizeof(int16_t)), decoder_.rate());
    alSourcei(source_, AL_BUFFER, static_cast<ALint>(buffers_[0]));
    alGetError();
}

void Voice::play(bool loop) {
    // Decoded outside the lock, so the stream thread never waits for it; only this thread
    // reads the decoder of a sound that is not streamed.
    std::vector<int16_t> whole;
    if (!streamed_ && !decoded_) whole = decoder_.readAll();
    std::lock_guard<std::mutex> lock(output_.mutex());
    if (released_) return;
    looping_ = loop;
    wantPlaying_ = true;
    if (streamed_) {
        restartStream();
    } else {
        if (!decoded_) decodeWhole(whole);
        alSourceStop(source_);
        alSourceRewind(source_);
        alSourcei(source_, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        alSourcePlay(source_);
    }
}

void Voice::stop() {
    std::lock_guard<std::mutex> lock(output_.mutex());
    if (released_) return;
    wantPlaying_ = false;
    alSourceStop(source_);
    if (streamed_) alSourcei(source_, AL_BUFFER, 0);
}

void Voice::setGain(float gain) {
    std::lock_guard<std::mutex> lock(output_.mutex());
    if (!released_) alSourcef(source_, AL_GAIN, gain);
}

void Voice::setPosition(const iVector3& position) {
    std::lock_guard<std::mutex> lock(output_.mutex());
    if (!released_ && positional_) alSource3f(source_, AL_POSITION, position.x, position.y, position.z);
}

Voice::Status Voice::status() {
    std::lock_guard<std::mutex> lock(output_.mutex());
    Status status;
    status.streamed = streamed_;
    if (released_) return status;
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    status.sourcePlaying = state == AL_PLAYING;
    alGetSourcef(source_, AL_GAIN, &status.gain);
    return status;
}

bool Voice::fill(ALuint buffer) {
    const size_t frames = static_cast<size_t>(decoder_.rate() / 4);
    chunk_.clear();
    size_t got = decoder_.read(chunk_, frames);
    while (got < frames && looping_) {
        if (!decoder_.rewind()) break;
        size_t more = decoder_.read(chunk_, frames - got);
        if (more == 0) break;  // nothing to loop over
        got += more;
    }
    if (got == 0) return false;
    alBufferData(buffer, format_, chunk_.data(), static_cast<ALsizei>(chunk_.size() * sizeof(int16_t)),
                 decoder_.rate());
    return true;
}

void Voice::restartStream() {
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    alSourcei(source_, AL_LOOPING, AL_FALSE);  // a stream loops by reading its file again
    decoder_.rewind();
    int queued = 0;
    for (ALuint buffer : buffers_) {
        if (!fill(buffer)) break;
        alSourceQueueBuffers(source_, 1, &buffer);
        ++queued;
    }
    if (queued > 0) {
        alSourcePlay(source_);
    } else {
        wantPlaying_ = false;
    }
}

void Voice::service() {
    if (released_ || !streamed_ || !wantPlaying_) return;
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        if (fill(buffer)) alSourceQueueBuffers(source_, 1, &buffer);
    }
    ALint queued = 0;
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (queued == 0) {
        wantPlaying_ = false;  // played to its end
        return;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(source_);  // ran dry while the game was busy
}

}  // namespace vuz
