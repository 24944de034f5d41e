// Decoding one block of a 7z archive (declared in SevenZipIndex.h): stored bytes are read as
// they are; LZMA goes through liblzma's raw decoder with the block's coder properties and its
// declared size, so a stream that ends early, or goes on past that size, is damage.
#include <lzma.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "ArchiveFile.h"
#include "SevenZipIndex.h"

namespace {

[[noreturn]] void refuse(const std::string& why) { throw SevenZipRefused(why); }

constexpr uint64_t readChunk = 64u << 10;

struct StreamEnd {
    void operator()(lzma_stream* stream) const { lzma_end(stream); }
};

// A raw LZMA decoder for the block: the properties' literal and position bits and dictionary,
// the dictionary never larger than the block (no distance can reach further back), and the
// declared size, with or without an end marker after it.
void startDecoder(lzma_stream& stream, const SevenZipBlock& block) {
    const unsigned char* p = block.lzmaProperties;
    if (p[0] >= 9 * 5 * 5) refuse("its LZMA properties are damaged");
    lzma_options_lzma options{};
    options.lc = p[0] % 9;
    options.lp = p[0] / 9 % 5;
    options.pb = p[0] / 45;
    const uint64_t dictionary = uint64_t(p[1]) | uint64_t(p[2]) << 8 | uint64_t(p[3]) << 16 | uint64_t(p[4]) << 24;
    options.dict_size = static_cast<uint32_t>(std::max<uint64_t>(LZMA_DICT_SIZE_MIN, std::min(dictionary, block.unpackSize)));
    options.ext_flags = LZMA_LZMA1EXT_ALLOW_EOPM;
    options.ext_size_low = static_cast<uint32_t>(block.unpackSize);
    options.ext_size_high = static_cast<uint32_t>(block.unpackSize >> 32);
    const lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK) refuse("its LZMA properties are not supported");
}

void decodeLzma(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset, unsigned char* out, uint64_t size) {
    lzma_stream stream = LZMA_STREAM_INIT;
    startDecoder(stream, block);
    const std::unique_ptr<lzma_stream, StreamEnd> ending(&stream);

    std::vector<unsigned char> input(std::min(readChunk, std::max<uint64_t>(block.packSize, 1)));
    std::vector<unsigned char> passed(std::min(readChunk, offset));  // the bytes before the entry
    const bool toTheEnd = offset + size == block.unpackSize;
    uint64_t packRead = 0, skipped = 0, produced = 0;
    for (;;) {
        if (stream.avail_in == 0 && packRead < block.packSize) {
            const uint64_t n = std::min<uint64_t>(input.size(), block.packSize - packRead);
            if (!file.readAt(block.packOffset + packRead, input.data(), n)) refuse("its packed bytes cannot be read");
            stream.next_in = input.data();
            stream.avail_in = n;
            packRead += n;
        }
        unsigned char* target = skipped < offset ? passed.data() : out + produced;
        const uint64_t room = skipped < offset ? std::min<uint64_t>(passed.size(), offset - skipped) : size - produced;
        stream.next_out = target;
        stream.avail_out = room;
        const lzma_ret result = lzma_code(&stream, packRead == block.packSize ? LZMA_FINISH : LZMA_RUN);
        const uint64_t made = room - stream.avail_out;
        (skipped < offset ? skipped : produced) += made;
        if (result == LZMA_STREAM_END) break;
        if (result == LZMA_DATA_ERROR && toTheEnd && produced == size) refuse("its data goes on past its declared size");
        if (result != LZMA_OK) refuse(result == LZMA_DATA_ERROR ? "its data is damaged" : "its data ends early");
        if (produced == size && skipped == offset && !toTheEnd) return;  // the rest of the block is not wanted
    }
    if (skipped != offset || produced != size) refuse("its data ends early");
    if (stream.avail_in != 0 || packRead != block.packSize) refuse("its data goes on past its declared size");
}

}  // namespace

void decodeSevenZipBlock(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset, unsigned char* out,
                         uint64_t size) {
    if (!block.refusal.empty()) refuse(block.refusal);
    if (offset > block.unpackSize || size > block.unpackSize - offset) refuse("it lies outside its block");
    if (block.coder == SevenZipBlock::Coder::Stored) {
        if (!file.readAt(block.packOffset + offset, out, size)) refuse("its stored bytes cannot be read");
    } else if (block.coder == SevenZipBlock::Coder::Lzma) {
        decodeLzma(file, block, offset, out, size);
    } else {
        refuse("its coder is unknown");
    }
}
