#include "SevenZipIndex.h"

#include <lzma.h>

#include <cstring>

#include "ArchiveFile.h"

namespace {

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
// The header of the game's pack is well under a megabyte; a larger one is damage.
constexpr uint64_t largestHeader = 8u << 20;
constexpr int mostHeaderLayers = 4;  // an LZMA-coded header may hold a coded header in turn
constexpr uint64_t mostCodersInABlock = 64;

[[noreturn]] void refuse(const std::string& why) { throw SevenZipRefused(why); }

uint32_t littleEndian32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint64_t littleEndian64(const unsigned char* p) {
    return uint64_t(littleEndian32(p)) | uint64_t(littleEndian32(p + 4)) << 32;
}

// A cursor over header bytes. Every read checks what is left; a count is never allowed to
// exceed the bytes left, since each item it counts takes at least one byte.
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

    uint64_t count(const char* what) {
        const uint64_t n = number();
        if (n > left()) refuse(std::string("its header declares ") + std::to_string(n) + " " + what + ", more than it holds");
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

void readPackInfo(HeaderBytes& h, Streams& s) {
    s.packPosition = h.number();
    const uint64_t n = h.count("packed streams");
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
        if (coders != 1 || in != 1 || out != 1) continue;
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
    const uint64_t n = h.count("blocks");
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
        uint64_t total = 0;
        const uint64_t room = h.left() + s.blocks.size();
        for (uint64_t& n : files) {
            n = h.number();
            if (n > room || (total += n) > room) refuse("its header declares more files in its blocks than it holds");
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
    std::vector<uint64_t> offsets;
    if (s.packPosition > fileSize - signatureHeaderSize) refuse("its packed data starts beyond the end of the file");
    uint64_t at = signatureHeaderSize + s.packPosition;
    for (uint64_t size : s.packSizes) {
        if (size > fileSize - at) refuse("its packed data runs past the end of the file");
        offsets.push_back(at);
        at += size;
    }
    size_t next = 0;
    for (size_t b = 0; b < s.blocks.size(); ++b) {
        SevenZipBlock& block = s.blocks[b];
        const uint64_t count = s.packStreamsOfBlock[b];
        if (count > s.packSizes.size() - next) refuse("its blocks read more packed data than it declares");
        block.packOffset = offsets[next];
        block.packSize = s.packSizes[next];
        next += count;
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

// A name of UTF-16 units in the game's spelling; nothing for a broken surrogate pair.
std::optional<std::string> latin1FromUtf16(const unsigned char* units, size_t count) {
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t unit = units[2 * i] | uint32_t(units[2 * i + 1]) << 8;
        if (unit >= 0xD800 && unit < 0xDC00) {
            const uint32_t low = i + 1 < count ? units[2 * i + 2] | uint32_t(units[2 * i + 3]) << 8 : 0;
            if (low < 0xDC00 || low >= 0xE000) return std::nullopt;
            ++i;
            out += '?';
        } else if (unit >= 0xDC00 && unit < 0xE000) {
            return std::nullopt;
        } else {
            out += unit < 0x100 ? static_cast<char>(unit) : '?';
        }
    }
    return out;
}

// The names property: one zero-terminated UTF-16 name for each file.
std::vector<std::optional<std::string>> readNames(HeaderBytes& p, uint64_t files) {
    if (p.byte() != 0) refuse("its file names are kept outside the header");
    if (p.left() % 2 != 0) refuse("its file names are damaged");
    const size_t units = p.left() / 2;
    const unsigned char* bytes = p.take(p.left());
    std::vector<std::optional<std::string>> names;
    size_t start = 0;
    for (size_t u = 0; u < units; ++u) {
        if (bytes[2 * u] != 0 || bytes[2 * u + 1] != 0) continue;
        if (names.size() == files) refuse("its header holds more names than files");
        names.push_back(latin1FromUtf16(bytes + 2 * start, u - start));
        start = u + 1;
    }
    if (start != units || names.size() != files) refuse("its file names do not match its files");
    return names;
}

// The files' list: names, and which files have no data (directories and empty files). Times
// and attributes are not needed and are passed over.
std::vector<SevenZipEntry> readFiles(HeaderBytes& h, const Streams& s) {
    const uint64_t files = h.count("files");
    std::vector<bool> emptyStream(files, false), emptyFile, anti;
    std::vector<std::optional<std::string>> names;
    bool named = false;
    uint64_t empties = 0;
    for (uint8_t id; (id = h.byte()) != kEnd;) {
        const uint64_t size = h.number();
        HeaderBytes p(h.take(size), size);
        if (id == kEmptyStream) {
            emptyStream = p.bits(files);
            empties = 0;
            for (bool e : emptyStream) empties += e;
        } else if (id == kEmptyFile) {
            emptyFile = p.bits(empties);
        } else if (id == kAnti) {
            anti = p.bits(empties);
        } else if (id == kName) {
            names = readNames(p, files);
            named = true;
        }
    }
    if (!named && files > 0) refuse("its files have no names");
    emptyFile.resize(empties, false);
    anti.resize(empties, false);

    std::vector<SevenZipEntry> entries(files);
    size_t nextPart = 0, nextEmpty = 0;
    for (uint64_t f = 0; f < files; ++f) {
        SevenZipEntry& e = entries[f];
        e.name = std::move(names[f]);
        if (emptyStream[f]) {
            // A removal mark of an update archive is no file; treat it as a directory.
            e.isDirectory = !emptyFile[nextEmpty] || anti[nextEmpty];
            ++nextEmpty;
            continue;
        }
        if (nextPart == s.parts.size()) refuse("its header lists more files with data than its blocks hold");
        const Streams::Part& part = s.parts[nextPart++];
        e.hasData = true;
        e.block = part.block;
        e.offset = part.offset;
        e.size = part.size;
        e.hasCrc = part.hasCrc;
        e.crc = part.crc;
    }
    if (nextPart != s.parts.size()) refuse("its blocks hold more files than its header lists");
    return entries;
}

// Reads the header at the start of bytes, after a coded header is decoded; fills index.
void readHeader(const ArchiveFile& file, std::vector<unsigned char> bytes, SevenZipIndex& index) {
    for (int layer = 0;; ++layer) {
        HeaderBytes h(bytes.data(), bytes.size());
        const uint8_t id = h.byte();
        if (id == kHeader) {
            Streams streams;
            uint8_t next = h.byte();
            if (next == kArchiveProperties) {
                for (uint8_t type; (type = h.byte()) != kEnd;) h.take(h.number());
                next = h.byte();
            }
            if (next == kAdditionalStreamsInfo) refuse("its header uses additional streams");
            if (next == kMainStreamsInfo) {
                streams = readStreams(h, file.size());
                next = h.byte();
            }
            if (next == kFilesInfo) {
                index.entries = readFiles(h, streams);
                next = h.byte();
            } else if (!streams.parts.empty()) {
                refuse("its header lacks the list of files");
            }
            if (next != kEnd) refuse("its header has an unknown record");
            index.blocks = std::move(streams.blocks);
            return;
        }
        if (id != kEncodedHeader) refuse("its header is of an unknown kind");
        if (layer == mostHeaderLayers) refuse("its header is coded too many times over");
        const Streams streams = readStreams(h, file.size());
        if (streams.blocks.size() != 1) refuse("its coded header is not one block");
        const SevenZipBlock& block = streams.blocks[0];
        if (!block.refusal.empty()) refuse("its coded header cannot be read: " + block.refusal);
        if (block.unpackSize > largestHeader) refuse("its coded header declares " + std::to_string(block.unpackSize) + " bytes");
        std::vector<unsigned char> decoded(block.unpackSize);
        decodeSevenZipBlock(file, block, 0, decoded.data(), decoded.size());
        if (block.hasCrc && lzma_crc32(decoded.data(), decoded.size(), 0) != block.crc) {
            refuse("its coded header fails its checksum");
        }
        bytes = std::move(decoded);
    }
}

}  // namespace

SevenZipIndex readSevenZipIndex(const ArchiveFile& file) {
    static const unsigned char signature[6] = {'7', 'z', 0xBC, 0xAF, 0x27, 0x1C};
    unsigned char start[signatureHeaderSize];
    if (!file.readAt(0, start, sizeof start)) refuse("it is too short or cannot be read");
    if (std::memcmp(start, signature, sizeof signature) != 0) refuse("it is not a 7z archive");
    if (start[6] != 0) refuse("its format version " + std::to_string(start[6]) + " is unknown");
    if (lzma_crc32(start + 12, 20, 0) != littleEndian32(start + 8)) refuse("its start header fails its checksum");
    const uint64_t offset = littleEndian64(start + 12), size = littleEndian64(start + 20);
    const uint32_t crc = littleEndian32(start + 28);

    SevenZipIndex index;
    if (size == 0) return index;  // an archive with no entries
    const uint64_t room = file.size() - signatureHeaderSize;
    if (offset > room || size > room - offset) refuse("its header lies beyond the end of the file");
    if (size > largestHeader) refuse("its header declares " + std::to_string(size) + " bytes");
    std::vector<unsigned char> header(size);
    if (!file.readAt(signatureHeaderSize + offset, header.data(), header.size())) refuse("its header cannot be read");
    if (lzma_crc32(header.data(), header.size(), 0) != crc) refuse("its header fails its checksum");
    readHeader(file, std::move(header), index);
    return index;
}
