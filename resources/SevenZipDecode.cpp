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

}  // namespace

// Where decoding of one LZMA block stands: its decoder, the packed bytes read so far and how far
// into the block's unpacked bytes it has got.
struct SevenZipBlockDecoder::Place {
    const SevenZipBlock* block = nullptr;
    lzma_stream stream = LZMA_STREAM_INIT;
    std::vector<unsigned char> input;
    uint64_t packRead = 0, position = 0;
    bool ended = false;  // the stream's end was reached, exactly at the block's end

    explicit Place(const SevenZipBlock& b) : block(&b), input(std::min(readChunk, std::max<uint64_t>(b.packSize, 1))) {
        startDecoder(stream, b);
    }
    ~Place() { lzma_end(&stream); }
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;

    // Decodes up to room more bytes of the block into out; returns how many it made.
    uint64_t decode(const ArchiveFile& file, unsigned char* out, uint64_t room, bool wantsEnd);
};

uint64_t SevenZipBlockDecoder::Place::decode(const ArchiveFile& file, unsigned char* out, uint64_t room, bool wantsEnd) {
    if (stream.avail_in == 0 && packRead < block->packSize) {
        const uint64_t n = std::min<uint64_t>(input.size(), block->packSize - packRead);
        if (!file.readAt(block->packOffset + packRead, input.data(), n)) refuse("its packed bytes cannot be read");
        stream.next_in = input.data();
        stream.avail_in = n;
        packRead += n;
    }
    stream.next_out = out;
    stream.avail_out = room;
    const lzma_ret result = lzma_code(&stream, packRead == block->packSize ? LZMA_FINISH : LZMA_RUN);
    const uint64_t made = room - stream.avail_out;
    position += made;
    if (result == LZMA_STREAM_END) {
        if (position != block->unpackSize) refuse("its data ends early");
        if (stream.avail_in != 0 || packRead != block->packSize) refuse("its data goes on past its declared size");
        ended = true;
        return made;
    }
    if (result == LZMA_DATA_ERROR && wantsEnd && position == block->unpackSize) refuse("its data goes on past its declared size");
    if (result != LZMA_OK) refuse(result == LZMA_DATA_ERROR ? "its data is damaged" : "its data ends early");
    return made;
}

uint64_t SevenZipBlockDecoder::resumesAt(const SevenZipBlock& block, uint64_t offset) const {
    return place && place->block == &block && place->position <= offset ? place->position : 0;
}

SevenZipBlockDecoder::SevenZipBlockDecoder() = default;
SevenZipBlockDecoder::~SevenZipBlockDecoder() = default;

void SevenZipBlockDecoder::decodeLzma(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset,
                                      unsigned char* out, uint64_t size) {
    // An entry further on in the block the last load stopped in goes on from there; any other
    // starts the block's decoder afresh.
    if (!place || place->block != &block || place->position > offset) {
        place.reset();
        place = std::make_unique<Place>(block);
    }
    const bool toTheEnd = offset + size == block.unpackSize;
    if (place->position < offset) {
        std::vector<unsigned char> passed(std::min(readChunk, offset - place->position));  // the bytes before the entry
        while (place->position < offset) {
            place->decode(file, passed.data(), std::min<uint64_t>(passed.size(), offset - place->position), false);
        }
    }
    uint64_t produced = 0;
    while (produced < size) produced += place->decode(file, out + produced, size - produced, toTheEnd);
    if (toTheEnd) {
        // The block's data must end exactly here; nothing of it is wanted any more.
        while (!place->ended) place->decode(file, nullptr, 0, true);
        place.reset();
    }
}

void SevenZipBlockDecoder::decode(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset,
                                  unsigned char* out, uint64_t size) {
    if (!block.refusal.empty()) refuse(block.refusal);
    if (offset > block.unpackSize || size > block.unpackSize - offset) refuse("it lies outside its block");
    if (block.coder == SevenZipBlock::Coder::Stored) {
        if (!file.readAt(block.packOffset + offset, out, size)) refuse("its stored bytes cannot be read");
    } else if (block.coder == SevenZipBlock::Coder::Lzma) {
        try {
            decodeLzma(file, block, offset, out, size);
        } catch (...) {
            place.reset();  // a damaged block is started afresh next time
            throw;
        }
    } else {
        refuse("its coder is unknown");
    }
}

void decodeSevenZipBlock(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset, unsigned char* out,
                         uint64_t size) {
    SevenZipBlockDecoder().decode(file, block, offset, out, size);
}
