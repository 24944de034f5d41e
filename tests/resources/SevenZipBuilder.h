// Writes small 7z archives by hand, one entry a block, so that tests can declare in the header
// what 7zz never would: sizes and offsets that do not fit the file, counts beyond the header,
// coders the game does not read. With nothing changed the archive is a valid one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct SevenZipBuilder {
    enum class Coder { Stored, Lzma, Other };
    struct Entry {
        std::string name;
        std::string data;
        Coder coder = Coder::Lzma;
        bool endMarker = false;                     // LZMA: an end marker after the data
        std::optional<uint64_t> declaredSize;       // the block's unpacked size, else the data's
        std::optional<uint64_t> declaredPackSize;   // else the packed bytes'
        std::optional<uint32_t> declaredCrc;        // else the data's
    };
    // An entry of the data as it is, with nothing declared otherwise.
    static Entry entry(std::string name, std::string data, Coder coder = Coder::Lzma, bool endMarker = false) {
        Entry e;
        e.name = std::move(name);
        e.data = std::move(data);
        e.coder = coder;
        e.endMarker = endMarker;
        return e;
    }
    std::vector<Entry> entries;
    std::optional<uint64_t> declaredPackPosition;  // else 0: the packed data right after the start
    std::optional<uint64_t> declaredFileCount;     // else the entries'
    std::optional<uint64_t> declaredHeaderOffset;  // in the start header, else where it is
    bool codedHeader = false;                      // the header LZMA-coded, as 7zz writes it

    std::string build() const;
};

// The raw LZMA stream of data (properties lc 3, lp 0, pb 2, a 64 KB dictionary).
std::string lzmaPacked(const std::string& data, bool endMarker);

// The header's variable-length form of a number.
std::string sevenZipNumber(uint64_t value);
// An archive of the given packed data followed by the given header, written as it is or
// LZMA-coded (the coded header then follows the packed data).
std::string sevenZipArchive(const std::string& packed, const std::string& header, bool coded);

// Archives whose headers declare counts that would each make a list of hundreds of megabytes,
// in a few kilobytes of file.
namespace crafted {
std::string hugeBlockCount();          // 8,388,000 blocks in an 8 MB coded header
std::string twoInputCoder();           // one coder that reads two packed streams, 250 MB declared
std::string millionsOfEmptyFiles();    // 3,700,000 empty files with empty names, coded header
std::string millionsOfOneBytePart();   // one block of 8,000,000 one-byte parts, coded header
}  // namespace crafted
