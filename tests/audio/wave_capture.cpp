#include "wave_capture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>

namespace {

uint32_t u32(const std::vector<char>& b, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}
uint16_t u16(const std::vector<char>& b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

}  // namespace

WaveCapture readWave(const std::string& hostFile) {
    WaveCapture capture;
    std::ifstream in(hostFile, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(&bytes[8], "WAVE", 4) != 0) {
        capture.error = "not a RIFF/WAVE file (" + std::to_string(bytes.size()) + " bytes)";
        return capture;
    }
    int format = 0, bits = 0;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        std::string id(&bytes[at], 4);
        size_t size = u32(bytes, at + 4);
        size_t body = at + 8;
        if (id == "fmt " && body + 16 <= bytes.size()) {
            format = u16(bytes, body);
            capture.channels = u16(bytes, body + 2);
            capture.rate = static_cast<int>(u32(bytes, body + 4));
            bits = u16(bytes, body + 14);
            if (format == 0xFFFE && size >= 26) format = u16(bytes, body + 24);  // extensible: the sub-format
        } else if (id == "data") {
            if (size == 0 || body + size > bytes.size()) size = bytes.size() - body;
            size_t frameBytes = static_cast<size_t>(capture.channels) * static_cast<size_t>(bits / 8);
            if (frameBytes == 0 || !((format == 1 && bits == 16) || (format == 3 && bits == 32))) {
                capture.error = "unexpected sample format " + std::to_string(format) + "/" + std::to_string(bits);
                return capture;
            }
            for (size_t frame = body; frame + frameBytes <= body + size; frame += frameBytes) {
                float sum = 0.0f;
                for (int c = 0; c < capture.channels; ++c) {
                    if (format == 1) {
                        sum += static_cast<int16_t>(u16(bytes, frame + c * 2)) / 32768.0f;
                    } else {
                        uint32_t raw = u32(bytes, frame + c * 4);
                        float v;
                        std::memcpy(&v, &raw, 4);
                        sum += v;
                    }
                }
                capture.mono.push_back(sum / static_cast<float>(capture.channels));
            }
            capture.ok = capture.rate > 0;
            if (!capture.ok) capture.error = "no sample rate";
            return capture;
        }
        at = body + size + (size & 1);
    }
    capture.error = "no data chunk";
    return capture;
}

float WaveCapture::toneAmplitude(double frequency, double from, double to) const {
    size_t begin = static_cast<size_t>(std::max(0.0, from) * rate);
    size_t end = std::min(mono.size(), static_cast<size_t>(std::max(0.0, to) * rate));
    if (end <= begin) return 0.0f;
    const double coeff = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / rate);
    double s1 = 0.0, s2 = 0.0;
    for (size_t i = begin; i < end; ++i) {
        double s0 = mono[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    double power = std::max(0.0, s1 * s1 + s2 * s2 - coeff * s1 * s2);
    return static_cast<float>(2.0 * std::sqrt(power) / static_cast<double>(end - begin));
}

float WaveCapture::level(double from, double to) const {
    size_t begin = static_cast<size_t>(std::max(0.0, from) * rate);
    size_t end = std::min(mono.size(), static_cast<size_t>(std::max(0.0, to) * rate));
    if (end <= begin) return 0.0f;
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i) sum += double(mono[i]) * mono[i];
    return static_cast<float>(std::sqrt(sum / static_cast<double>(end - begin)));
}

double WaveCapture::onset(double frequency, float amplitude) const {
    for (double t = 0.0; t + 0.02 <= seconds(); t += 0.02) {
        if (toneAmplitude(frequency, t, t + 0.02) > amplitude) return t;
    }
    return -1.0;
}
