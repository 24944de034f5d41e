// The parts of reading a 7z archive's header that SevenZipIndex.cpp and SevenZipStreams.cpp
// share: the header's record ids, a cursor over its bytes that checks every read, and what
// one list of streams (packed data, blocks and the files' parts of them) declares.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SevenZipIndex.h"

namespace sevenzip {

// Record ids of the header.
enum : uint8_t {
    kEnd = 0x00,
    kHeader = 0x01,
    kArchiveProperties = 0x02,
    kAdditionalStreamsInfo = 0x03,
    kMainStreamsInfo = 0x04,
    kFilesInfo = 0x05,
    kPackInfo = 0x06,
    kUnpackInfo = 0x07,
    kSubStreamsInfo = 0x08,
    kSize = 0x09,
    kCrc = 0x0A,
    kFolder = 0x0B,
    kCodersUnpackSize = 0x0C,
    kNumUnpackStream = 0x0D,
    kEmptyStream = 0x0E,
    kEmptyFile = 0x0F,
    kAnti = 0x10,
    kName = 0x11,
    kEncodedHeader = 0x17,
};

constexpr uint64_t signatureHeaderSize = 32;

// The most files, blocks, packed streams or parts one archive may declare. The game's pack has
// under 2,000 of each; a header of the largest size with names of ordinary length holds fewer
// than this many files. Each item costs up to 80 bytes of index, so the index stays within
// some 10 MB for each list, whatever the header declares.
constexpr uint64_t mostItems = 1u << 17;

[[noreturn]] inline void refuse(const std::string& why) { throw SevenZipRefused(why); }

inline uint32_t littleEndian32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline uint64_t littleEndian64(const unsigned char* p) {
    return uint64_t(littleEndian32(p)) | uint64_t(littleEndian32(p + 4)) << 32;
}

// A cursor over header bytes. Every read checks what is left; a count is never allowed to
// exceed what the bytes left can hold of the items it counts, nor mostItems.
class HeaderBytes {
public:
    HeaderBytes(const unsigned char* begin, size_t length) : at(begin), end(begin + length) {}

    size_t left() const { return static_cast<size_t>(end - at); }

    uint8_t byte() {
        if (at == end) refuse("its header ends early");
        return *at++;
    }

    uint32_t u32() { return littleEndian32(take(4)); }

    // A number in the header's variable-length form: the high bits of the first byte say how
    // many bytes follow.
    uint64_t number() {
        const uint8_t first = byte();
        uint64_t value = 0;
        uint8_t mask = 0x80;
        for (int i = 0; i < 8; ++i, mask >>= 1) {
            if ((first & mask) == 0) return value | uint64_t(first & (mask - 1)) << (8 * i);
            value |= uint64_t(byte()) << (8 * i);
        }
        return value;
    }

    // A count of items of which each takes at least leastBytesEach bytes of what follows.
    uint64_t count(const char* what, uint64_t leastBytesEach = 1) {
        const uint64_t n = number();
        if (n > left() / leastBytesEach || n > mostItems) {
            refuse(std::string("its header declares ") + std::to_string(n) + " " + what + ", more than it holds");
        }
        return n;
    }

    const unsigned char* take(uint64_t n) {
        if (n > left()) refuse("its header ends early");
        const unsigned char* start = at;
        at += n;
        return start;
    }

    void expect(uint8_t id, const char* what) {
        if (byte() != id) refuse(std::string("its header lacks ") + what);
    }

    // n bits, highest bit of each byte first.
    std::vector<bool> bits(uint64_t n) {
        const unsigned char* bytes = take((n + 7) / 8);
        std::vector<bool> out(n);
        for (uint64_t i = 0; i < n; ++i) out[i] = (bytes[i / 8] >> (7 - i % 8)) & 1;
        return out;
    }

    // A byte that says all n are defined, else a bit for each.
    std::vector<bool> definedBits(uint64_t n) { return byte() != 0 ? std::vector<bool>(n, true) : bits(n); }

private:
    const unsigned char* at;
    const unsigned char* end;
};

// What one list of streams in the header describes.
struct Streams {
    uint64_t packPosition = 0;
    std::vector<uint64_t> packSizes;
    std::vector<SevenZipBlock> blocks;
    std::vector<uint64_t> packStreamsOfBlock;
    struct Part {
        uint32_t block;
        uint64_t offset, size;
        bool hasCrc;
        uint32_t crc;
    };
    std::vector<Part> parts;  // the files' data, in order
};

// Reads a list of streams and places its blocks in a file of fileSize bytes: their packed data
// must lie inside it, and a block whose size or coder cannot be trusted keeps its refusal.
Streams readStreams(HeaderBytes& h, uint64_t fileSize);

}  // namespace sevenzip
