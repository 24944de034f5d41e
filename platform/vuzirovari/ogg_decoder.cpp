#include "ogg_decoder.h"

#include <algorithm>
#include <cmath>

namespace vuz {

namespace {
int16_t toPcm(float v) {
    v = std::clamp(v, -1.0f, 1.0f);
    return static_cast<int16_t>(std::lrint(v * 32767.0f));
}
}  // namespace

OggDecoder::~OggDecoder() {
    if (open_) ov_clear(&file_);
}

bool OggDecoder::open(const std::string& hostPath, bool mono) {
    if (open_) {
        ov_clear(&file_);
        open_ = false;
    }
    if (ov_fopen(hostPath.c_str(), &file_) != 0) return false;
    open_ = true;
    const vorbis_info* info = ov_info(&file_, -1);
    int sourceChannels = info ? info->channels : 0;
    rate_ = info ? static_cast<int>(info->rate) : 0;
    if (sourceChannels <= 0 || rate_ <= 0) {
        ov_clear(&file_);
        open_ = false;
        return false;
    }
    outChannels_ = (mono || sourceChannels > 2) ? 1 : sourceChannels;
    return true;
}

double OggDecoder::seconds() const {
    if (!open_) return 0.0;
    return ov_time_total(const_cast<OggVorbis_File*>(&file_), -1);
}

size_t OggDecoder::read(std::vector<int16_t>& out, size_t frames) {
    size_t done = 0;
    while (open_ && done < frames) {
        float** pcm = nullptr;
        int link = 0;
        long got = ov_read_float(&file_, &pcm, static_cast<int>(std::min<size_t>(frames - done, 4096)), &link);
        if (got == OV_HOLE) continue;  // a gap in the data; decoding goes on after it
        if (got <= 0) break;           // the end, or data that cannot be decoded
        const vorbis_info* info = ov_info(&file_, link);
        int channels = info ? info->channels : 1;
        for (long i = 0; i < got; ++i) {
            if (outChannels_ == 2 && channels >= 2) {
                out.push_back(toPcm(pcm[0][i]));
                out.push_back(toPcm(pcm[1][i]));
            } else if (outChannels_ == 2) {
                out.push_back(toPcm(pcm[0][i]));
                out.push_back(toPcm(pcm[0][i]));
            } else {
                float sum = 0.0f;
                for (int c = 0; c < channels; ++c) sum += pcm[c][i];
                out.push_back(toPcm(sum / static_cast<float>(channels)));
            }
        }
        done += static_cast<size_t>(got);
    }
    return done;
}

bool OggDecoder::rewind() { return open_ && ov_pcm_seek(&file_, 0) == 0; }

std::vector<int16_t> OggDecoder::readAll() {
    std::vector<int16_t> out;
    while (read(out, 65536) > 0) {
    }
    return out;
}

}  // namespace vuz
