// The lists of streams of a 7z header: packed data, blocks with their coders and sizes, and
// the files' parts of the blocks.
#include <algorithm>
#include <cstring>

#include "SevenZipHeader.h"

namespace sevenzip {

namespace {

constexpr uint64_t mostCodersInABlock = 64;

struct Digests {
    std::vector<bool> defined;
    std::vector<uint32_t> crcs;
};

Digests readDigests(HeaderBytes& h, uint64_t n) {
    Digests d{h.definedBits(n), std::vector<uint32_t>(n, 0)};
    for (uint64_t i = 0; i < n; ++i) {
        if (d.defined[i]) d.crcs[i] = h.u32();
    }
    return d;
}

void readPackInfo(HeaderBytes& h, Streams& s) {
    s.packPosition = h.number();
    const uint64_t n = h.count("packed streams");  // each has at least a byte of size
    for (uint8_t id; (id = h.byte()) != kEnd;) {
        if (id == kSize) {
            s.packSizes.resize(n);
            for (uint64_t& size : s.packSizes) size = h.number();
        } else if (id == kCrc) {
            readDigests(h, n);  // the entries' own checksums are the ones checked
        } else {
            refuse("its header has an unknown record among the packed streams");
        }
    }
    if (s.packSizes.size() != n) refuse("its header lacks the packed sizes");
}

std::string hexOf(const unsigned char* id, size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = 0; i < size; ++i) text += {digits[id[i] >> 4], digits[id[i] & 15]};
    return text.empty() ? "(none)" : text;
}

void setCoder(SevenZipBlock& block, const unsigned char* id, size_t idSize, const unsigned char* properties,
              uint64_t propertiesSize) {
    if (idSize == 1 && id[0] == 0x00) {
        block.coder = SevenZipBlock::Coder::Stored;
    } else if (idSize == 3 && std::memcmp(id, "\x03\x01\x01", 3) == 0 && propertiesSize == 5) {
        block.coder = SevenZipBlock::Coder::Lzma;
        std::memcpy(block.lzmaProperties, properties, 5);
    } else if (idSize == 4 && std::memcmp(id, "\x06\xF1\x07\x01", 4) == 0) {
        block.refusal = "it is encrypted";
    } else {
        block.refusal = "its coder " + hexOf(id, idSize) + " is not LZMA";
    }
}

// One block's coders. Returns the index of the output stream that is the block's data and
// sets the block's coder (or its refusal) and how many packed streams it reads.
uint64_t readCoders(HeaderBytes& h, SevenZipBlock& block, uint64_t& packStreams, uint64_t& outputs) {
    const uint64_t coders = h.number();
    if (coders == 0 || coders > mostCodersInABlock) refuse("its header declares a block of " + std::to_string(coders) + " coders");
    uint64_t inputs = 0;
    outputs = 0;
    for (uint64_t c = 0; c < coders; ++c) {
        const uint8_t flags = h.byte();
        if (flags & 0x80) refuse("its header lists alternative coders");
        const size_t idSize = flags & 0x0F;
        const unsigned char* id = h.take(idSize);
        uint64_t in = 1, out = 1;
        if (flags & 0x10) {
            in = h.number();
            out = h.number();
            if (in > mostCodersInABlock || out > mostCodersInABlock) refuse("its header declares a coder of too many streams");
        }
        uint64_t propertiesSize = 0;
        const unsigned char* properties = nullptr;
        if (flags & 0x20) {
            propertiesSize = h.number();
            properties = h.take(propertiesSize);
        }
        inputs += in;
        outputs += out;
        if (coders == 1 && in == 1 && out == 1) setCoder(block, id, idSize, properties, propertiesSize);
    }
    // Only a single coder of one packed input and one output is read; any other shape is refused
    // here, before anything is allocated for its entries.
    if (coders == 1 && (inputs != 1 || outputs != 1)) {
        block.refusal = "its block's coder reads " + std::to_string(inputs) + " packed streams and makes " +
                        std::to_string(outputs);
    }
    if (coders != 1) block.refusal = "its block is coded by a chain of " + std::to_string(coders) + " coders";
    if (outputs == 0 || outputs - 1 > inputs) refuse("its header declares a block with no way through its coders");
    const uint64_t bindings = outputs - 1;
    std::vector<bool> bound(outputs, false);
    for (uint64_t b = 0; b < bindings; ++b) {
        const uint64_t in = h.number(), out = h.number();
        if (in >= inputs || out >= outputs) refuse("its header binds coder streams that do not exist");
        bound[out] = true;
    }
    packStreams = inputs - bindings;
    if (packStreams == 0) refuse("its header declares a block that reads no packed data");
    if (packStreams > 1) {
        for (uint64_t p = 0; p < packStreams; ++p) {
            if (h.number() >= inputs) refuse("its header names a coder stream that does not exist");
        }
    }
    for (uint64_t o = 0; o < outputs; ++o) {
        if (!bound[o]) return o;
    }
    refuse("its header declares a block whose coders loop");
}

void readBlocks(HeaderBytes& h, Streams& s) {
    h.expect(kFolder, "its list of blocks");
    // A block takes at least its coder count, one coder's flags and its size: three bytes.
    const uint64_t n = h.count("blocks", 3);
    // Each block reads at least one packed stream of its own.
    if (n > s.packSizes.size()) refuse("its header declares more blocks than packed streams");
    if (h.byte() != 0) refuse("its list of blocks is kept outside the header");
    s.blocks.resize(n);
    s.packStreamsOfBlock.resize(n);
    std::vector<uint64_t> mainOutput(n), outputs(n);
    for (uint64_t b = 0; b < n; ++b) mainOutput[b] = readCoders(h, s.blocks[b], s.packStreamsOfBlock[b], outputs[b]);
    h.expect(kCodersUnpackSize, "the blocks' sizes");
    for (uint64_t b = 0; b < n; ++b) {
        for (uint64_t o = 0; o < outputs[b]; ++o) {
            const uint64_t size = h.number();
            if (o == mainOutput[b]) s.blocks[b].unpackSize = size;
        }
    }
    uint8_t id = h.byte();
    if (id == kCrc) {
        const Digests d = readDigests(h, n);
        for (uint64_t b = 0; b < n; ++b) {
            s.blocks[b].hasCrc = d.defined[b];
            s.blocks[b].crc = d.crcs[b];
        }
        id = h.byte();
    }
    if (id != kEnd) refuse("its header has an unknown record among the blocks");
}

// The files' data within the blocks: how many files each block holds, their sizes and checksums.
// Returns the record id that follows.
uint8_t readParts(HeaderBytes& h, Streams& s) {
    std::vector<uint64_t> files(s.blocks.size(), 1);
    uint8_t id = h.byte();
    if (id == kNumUnpackStream) {
        // Every file of a block but its last has its size written: at least a byte each.
        // Each of those files is also listed among the files, with a name of at least two bytes.
        uint64_t total = 0;
        const uint64_t room = std::min(h.left() + s.blocks.size(), mostItems);
        for (uint64_t& n : files) {
            n = h.number();
            if (n > room || (total += n) > room) refuse("its header declares more files in its blocks than it holds");
        }
        if (total > s.blocks.size() && (total - s.blocks.size()) * 3 > h.left()) {
            refuse("its header declares more files in its blocks than it holds");
        }
        id = h.byte();
    }
    if (id != kSize) {
        for (uint64_t n : files) {
            if (n > 1) refuse("its header lacks the sizes of the files in a block");
        }
    }
    for (uint32_t b = 0; b < files.size(); ++b) {
        uint64_t offset = 0;
        const uint64_t blockSize = s.blocks[b].unpackSize;
        for (uint64_t k = 0; k < files[b]; ++k) {
            const uint64_t size = k + 1 < files[b] ? h.number() : blockSize - offset;
            if (size > blockSize - offset) refuse("its header declares files larger than their block");
            s.parts.push_back({b, offset, size, false, 0});
            offset += size;
        }
    }
    if (id == kSize) id = h.byte();
    // Checksums are written for every file whose block's checksum does not already cover it.
    std::vector<Streams::Part*> unknown;
    size_t next = 0;
    for (uint32_t b = 0; b < files.size(); ++b) {
        for (uint64_t k = 0; k < files[b]; ++k, ++next) {
            Streams::Part& part = s.parts[next];
            if (files[b] == 1 && s.blocks[b].hasCrc) {
                part.hasCrc = true;
                part.crc = s.blocks[b].crc;
            } else {
                unknown.push_back(&part);
            }
        }
    }
    if (id == kCrc) {
        const Digests d = readDigests(h, unknown.size());
        for (size_t i = 0; i < unknown.size(); ++i) {
            unknown[i]->hasCrc = d.defined[i];
            unknown[i]->crc = d.crcs[i];
        }
        id = h.byte();
    }
    return id;
}

// Places each block's packed bytes in the file and checks that they lie inside it, and that
// each block's declared size is one its coder can make of its packed bytes.
void placeBlocks(Streams& s, uint64_t fileSize) {
    if (s.packPosition > fileSize - signatureHeaderSize) refuse("its packed data starts beyond the end of the file");
    uint64_t at = signatureHeaderSize + s.packPosition;
    for (uint64_t size : s.packSizes) {
        if (size > fileSize - at) refuse("its packed data runs past the end of the file");
        at += size;
    }
    size_t next = 0;
    at = signatureHeaderSize + s.packPosition;
    for (size_t b = 0; b < s.blocks.size(); ++b) {
        SevenZipBlock& block = s.blocks[b];
        const uint64_t count = s.packStreamsOfBlock[b];
        if (count > s.packSizes.size() - next) refuse("its blocks read more packed data than it declares");
        block.packOffset = at;
        block.packSize = s.packSizes[next];
        for (uint64_t p = 0; p < count; ++p) at += s.packSizes[next++];
        if (!block.refusal.empty()) continue;
        if (block.unpackSize > largestArchiveEntry) {
            block.refusal = "its block declares " + std::to_string(block.unpackSize) + " bytes, above the limit of " +
                            std::to_string(largestArchiveEntry);
        } else if (block.coder == SevenZipBlock::Coder::Stored && block.unpackSize != block.packSize) {
            block.refusal = "its stored block declares a size other than its packed size";
        } else if (block.coder == SevenZipBlock::Coder::Lzma && block.unpackSize / lzmaMostExpansion > block.packSize) {
            block.refusal = "its block declares " + std::to_string(block.unpackSize) + " bytes, more than " +
                            std::to_string(block.packSize) + " packed bytes can hold";
        }
    }
}

}  // namespace

Streams readStreams(HeaderBytes& h, uint64_t fileSize) {
    Streams s;
    uint8_t id = h.byte();
    if (id == kPackInfo) {
        readPackInfo(h, s);
        id = h.byte();
    }
    if (id == kUnpackInfo) {
        readBlocks(h, s);
        id = h.byte();
    }
    if (id == kSubStreamsInfo) {
        id = readParts(h, s);
        if (id != kEnd) refuse("its header has an unknown record among the files' sizes");
        id = h.byte();
    } else {
        for (uint32_t b = 0; b < s.blocks.size(); ++b) {
            s.parts.push_back({b, 0, s.blocks[b].unpackSize, s.blocks[b].hasCrc, s.blocks[b].crc});
        }
    }
    if (id != kEnd) refuse("its header has an unknown record among the streams");
    placeBlocks(s, fileSize);
    return s;
}

}  // namespace sevenzip
