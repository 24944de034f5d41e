// The table of contents of a 7z archive, read once from the archive's header: where each
// block of packed data lies in the file and how it is coded, and which bytes of which block
// each entry is. Nothing the header declares is trusted: every count, offset and size is
// checked against what the file and the header can hold before anything is allocated or read.
// Only what the game's packs use is understood: blocks of one coder, LZMA or stored, a plain
// or LZMA-coded header. A block of another kind (a chain of coders, encryption) is kept with
// the reason its entries cannot be read; anything else the reader does not know refuses the
// whole archive.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class ArchiveFile;

// Why an archive, a block or an entry cannot be read, in words for the log.
class SevenZipRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// No entry or block of the game comes near this; a larger declared size is damage.
constexpr uint64_t largestArchiveEntry = 256u << 20;
// The most bytes one packed byte of LZMA expands to (a long run of one byte reaches about
// 7,000); a block declaring more than this per packed byte is damage.
constexpr uint64_t lzmaMostExpansion = 8192;

struct SevenZipBlock {
    enum class Coder { Stored, Lzma, Unknown };
    Coder coder = Coder::Unknown;
    unsigned char lzmaProperties[5] = {};
    uint64_t packOffset = 0;  // from the start of the file
    uint64_t packSize = 0;
    uint64_t unpackSize = 0;
    bool hasCrc = false;
    uint32_t crc = 0;
    std::string refusal;  // why its entries cannot be read; empty when they can
};

struct SevenZipEntry {
    // The name in the game's single-byte spelling (Latin-1, "?" for other characters), as
    // stored (not normalised); nothing when it cannot be read.
    std::optional<std::string> name;
    bool isDirectory = false;
    bool hasData = false;  // false for a directory or an empty file
    uint32_t block = 0;    // these four only when hasData
    uint64_t offset = 0;   // within the block's unpacked bytes
    uint64_t size = 0;
    bool hasCrc = false;
    uint32_t crc = 0;
};

struct SevenZipIndex {
    std::vector<SevenZipBlock> blocks;
    std::vector<SevenZipEntry> entries;  // in the archive's order
};

// Reads the index of the archive in file. SevenZipRefused, saying why, when the file is not a
// 7z archive, its header is damaged or declares anything outside the file, or the header
// uses what this reader does not know.
SevenZipIndex readSevenZipIndex(const ArchiveFile& file);

// Decodes size bytes, from offset on, of the block's unpacked data into out (size bytes).
// SevenZipRefused when the block cannot be read or its data is damaged; a block's data that
// ends before or after its declared size is damaged.
void decodeSevenZipBlock(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset, unsigned char* out,
                         uint64_t size);

// The same for the entries of one archive, one after another. The decoder of the last LZMA block
// is kept where the load stopped, so an entry further on in the same block (the next file of a
// solid archive, asked for in archive order as the game mostly does) goes on from there instead
// of decoding the block again from its start; it is let go once a load reaches the block's end.
// What it keeps is the block's dictionary, never larger than the block. The blocks must outlive
// the decoder.
class SevenZipBlockDecoder {
public:
    SevenZipBlockDecoder();
    ~SevenZipBlockDecoder();
    SevenZipBlockDecoder(const SevenZipBlockDecoder&) = delete;
    SevenZipBlockDecoder& operator=(const SevenZipBlockDecoder&) = delete;

    void decode(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset, unsigned char* out, uint64_t size);
    // Where decoding the block for bytes from offset on would begin: where the last load
    // stopped when it can go on from there, else the block's start.
    uint64_t resumesAt(const SevenZipBlock& block, uint64_t offset) const;

private:
    struct Place;
    void decodeLzma(const ArchiveFile& file, const SevenZipBlock& block, uint64_t offset, unsigned char* out,
                    uint64_t size);
    std::unique_ptr<Place> place;
};
