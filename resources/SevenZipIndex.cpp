#include "SevenZipIndex.h"

#include <lzma.h>

#include <cstring>

#include "ArchiveFile.h"
#include "SevenZipHeader.h"

using namespace sevenzip;

namespace {

// The header of the game's pack is well under a megabyte; a larger one is damage.
constexpr uint64_t largestHeader = 8u << 20;
constexpr int mostHeaderLayers = 4;  // an LZMA-coded header may hold a coded header in turn

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
    // A file takes at least its name's two terminating bytes; each part of a block is a file.
    const uint64_t files = h.count("files", 2);
    if (files < s.parts.size()) refuse("its blocks hold more files than its header lists");
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
    if (files - empties != s.parts.size()) refuse("its header lists other files with data than its blocks hold");
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
