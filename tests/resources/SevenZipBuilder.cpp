#include "SevenZipBuilder.h"

#include <lzma.h>

#include <stdexcept>

namespace {

void putNumber(std::string& out, uint64_t value) {
    // The header's variable-length form; always the 9-byte one for simplicity above 0x7f.
    if (value < 0x80) {
        out += static_cast<char>(value);
        return;
    }
    out += static_cast<char>(0xFF);
    for (int i = 0; i < 8; ++i) out += static_cast<char>(value >> (8 * i));
}

void put32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
}

void put64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i) out += static_cast<char>(value >> (8 * i));
}

uint32_t crcOf(const std::string& bytes) {
    return lzma_crc32(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), 0);
}

const unsigned char lzmaProperties[5] = {0x5D, 0x00, 0x00, 0x01, 0x00};  // lc 3, lp 0, pb 2; 64 KB

// Streams info for blocks of one coder each: packed sizes, coders, unpacked sizes and CRCs.
std::string streamsInfo(uint64_t packPosition, const std::vector<uint64_t>& packSizes,
                        const std::vector<SevenZipBuilder::Coder>& coders, const std::vector<uint64_t>& sizes,
                        const std::vector<uint32_t>& crcs) {
    std::string s;
    s += '\x06';
    putNumber(s, packPosition);
    putNumber(s, packSizes.size());
    s += '\x09';
    for (uint64_t size : packSizes) putNumber(s, size);
    s += '\x00';
    s += "\x07\x0B";
    putNumber(s, coders.size());
    s += '\x00';
    for (SevenZipBuilder::Coder coder : coders) {
        s += '\x01';
        if (coder == SevenZipBuilder::Coder::Stored) {
            s += std::string("\x01\x00", 2);
        } else if (coder == SevenZipBuilder::Coder::Lzma) {
            s += "\x23\x03\x01\x01\x05";
            s += std::string(reinterpret_cast<const char*>(lzmaProperties), 5);
        } else {
            s += "\x03\x04\x01\x08";  // a coder the game does not read
        }
    }
    s += '\x0C';
    for (uint64_t size : sizes) putNumber(s, size);
    s += "\x0A\x01";
    for (uint32_t crc : crcs) put32(s, crc);
    s += '\x00';
    s += '\x00';
    return s;
}

std::string wrap(const std::string& packed, const std::string& header, std::optional<uint64_t> declaredHeaderOffset) {
    std::string start;
    put64(start, declaredHeaderOffset.value_or(packed.size()));
    put64(start, header.size());
    put32(start, crcOf(header));
    std::string archive("7z\xBC\xAF\x27\x1C\x00\x04", 8);
    put32(archive, crcOf(start));
    return archive + start + packed + header;
}

}  // namespace

std::string lzmaPacked(const std::string& data, bool endMarker) {
    lzma_options_lzma options{};
    if (lzma_lzma_preset(&options, 6)) throw std::runtime_error("no LZMA preset");
    options.dict_size = 1u << 16;
    options.ext_flags = endMarker ? LZMA_LZMA1EXT_ALLOW_EOPM : 0;
    const lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    std::string out(data.size() + data.size() / 2 + 1024, '\0');
    size_t written = 0;
    if (lzma_raw_buffer_encode(filters, nullptr, reinterpret_cast<const uint8_t*>(data.data()), data.size(),
                               reinterpret_cast<uint8_t*>(out.data()), &written, out.size()) != LZMA_OK) {
        throw std::runtime_error("LZMA encoding failed");
    }
    out.resize(written);
    return out;
}

std::string SevenZipBuilder::build() const {
    std::string packed;
    std::vector<uint64_t> packSizes, sizes;
    std::vector<Coder> coders;
    std::vector<uint32_t> crcs;
    for (const Entry& e : entries) {
        const std::string bytes = e.coder == Coder::Lzma ? lzmaPacked(e.data, e.endMarker) : e.data;
        packed += bytes;
        packSizes.push_back(e.declaredPackSize.value_or(bytes.size()));
        sizes.push_back(e.declaredSize.value_or(e.data.size()));
        coders.push_back(e.coder);
        crcs.push_back(e.declaredCrc.value_or(crcOf(e.data)));
    }
    std::string header = "\x01\x04";
    header += streamsInfo(declaredPackPosition.value_or(0), packSizes, coders, sizes, crcs);
    header += '\x05';
    putNumber(header, declaredFileCount.value_or(entries.size()));
    std::string names(1, '\0');
    for (const Entry& e : entries) {
        for (char c : e.name) names += std::string{c, '\0'};
        names += std::string(2, '\0');
    }
    header += '\x11';
    putNumber(header, names.size());
    header += names;
    header += '\x00';
    header += '\x00';

    if (codedHeader) {
        const std::string coded = lzmaPacked(header, false);
        std::string info = "\x17";
        info += streamsInfo(packed.size(), {coded.size()}, {Coder::Lzma}, {header.size()}, {crcOf(header)});
        packed += coded;
        header = info;
    }

    return wrap(packed, header, declaredHeaderOffset);
}

std::string sevenZipNumber(uint64_t value) {
    std::string out;
    putNumber(out, value);
    return out;
}

std::string sevenZipArchive(const std::string& packed, const std::string& header, bool coded) {
    if (!coded) return wrap(packed, header, std::nullopt);
    const std::string codedHeader = lzmaPacked(header, false);
    const std::string info = "\x17" + streamsInfo(packed.size(), {codedHeader.size()}, {SevenZipBuilder::Coder::Lzma},
                                                   {header.size()}, {crcOf(header)});
    return wrap(packed + codedHeader, info, std::nullopt);
}

namespace crafted {

std::string hugeBlockCount() {
    // One packed stream, then a list of 8,388,000 blocks in a header of 8 MB, which holds a
    // third of them.
    std::string header = "\x01\x04\x06" + sevenZipNumber(0) + sevenZipNumber(1) + "\x09" + sevenZipNumber(1) + '\0';
    header += "\x07\x0B" + sevenZipNumber(8388000) + '\0';
    while (header.size() + 3 <= (8u << 20)) header += std::string("\x01\x01\x00", 3);  // a stored block's coder
    header.resize(8u << 20, '\0');
    return sevenZipArchive("x", header, true);
}

std::string twoInputCoder() {
    std::string header = "\x01\x04\x06" + sevenZipNumber(0) + sevenZipNumber(2) + "\x09" + sevenZipNumber(5) +
                         sevenZipNumber(5) + '\0';
    // One coder (LZMA's id, complex form: two inputs, one output), no properties, reading
    // packed streams 0 and 1, declaring 250 MB.
    header += "\x07\x0B" + sevenZipNumber(1) + '\0' + "\x01\x13\x03\x01\x01" + sevenZipNumber(2) + sevenZipNumber(1);
    header += sevenZipNumber(0) + sevenZipNumber(1);
    header += "\x0C" + sevenZipNumber(250u << 20) + '\0' + '\0';
    header += "\x05" + sevenZipNumber(1) + "\x11" + sevenZipNumber(1 + 6) + '\0' + std::string("a\0x\0\0\0", 6);
    header += std::string(2, '\0');
    return sevenZipArchive("0123456789", header, false);
}

std::string millionsOfEmptyFiles() {
    const uint64_t files = 3700000;
    std::string header = "\x01\x05" + sevenZipNumber(files);
    header += "\x0E" + sevenZipNumber((files + 7) / 8) + std::string((files + 7) / 8, '\xFF');
    header += "\x11" + sevenZipNumber(1 + 2 * files) + std::string(1 + 2 * files, '\0');
    header += std::string(2, '\0');
    return sevenZipArchive("", header, true);
}

std::string millionsOfOneBytePart() {
    const uint64_t parts = 8000000;
    std::string header = "\x01\x04\x06" + sevenZipNumber(0) + sevenZipNumber(1) + "\x09" + sevenZipNumber(parts) + '\0';
    header += "\x07\x0B" + sevenZipNumber(1) + '\0' + std::string("\x01\x01\x00", 3) + "\x0C" + sevenZipNumber(parts) + '\0';
    header += "\x08\x0D" + sevenZipNumber(parts) + "\x09" + std::string(parts - 1, '\x01') + '\0' + '\0';
    header += '\0';
    return sevenZipArchive("x", header, true);
}

}  // namespace crafted
