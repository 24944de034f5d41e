// Reads an Ogg Vorbis file as 16-bit PCM, in pieces (streaming) or whole.
#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vuz {

class OggDecoder {
public:
    OggDecoder() = default;
    ~OggDecoder();
    OggDecoder(const OggDecoder&) = delete;
    OggDecoder& operator=(const OggDecoder&) = delete;

    // Opens a host path. With mono set every frame is mixed down to one channel (a sound placed
    // in the world has to be mono); otherwise one and two channels stay as they are and more
    // are mixed down to one. Returns false for an unreadable file.
    bool open(const std::string& hostPath, bool mono);
    bool isOpen() const { return open_; }

    int channels() const { return outChannels_; }  // 1 or 2
    int rate() const { return rate_; }
    double seconds() const;

    // Appends up to frames frames to out; returns how many were appended (0 at the end).
    size_t read(std::vector<int16_t>& out, size_t frames);
    // Back to the first frame; false when the file cannot seek.
    bool rewind();
    // Everything from the current position to the end.
    std::vector<int16_t> readAll();

private:
    OggVorbis_File file_{};
    bool open_ = false;
    int outChannels_ = 1;
    int rate_ = 0;
};

}  // namespace vuz
