// The packed archive's index: the archive is opened and indexed, then every entry loaded. A
// refused archive or entry says so in the log (the entries of refused blocks in one line when
// the archive is opened); a load gives the entry's bytes or null; the
// empty name is never an entry. An input ending in an odd byte first gets its start header's
// and header's checksums put right, so that changed bytes reach the reading of the header
// instead of failing its checksum.
#include <lzma.h>

#include <cstring>
#include <memory>
#include <vector>

#include "fuzz_check.h"
#include "platform/win32/win32_host.h"
#include "resources/FileMemory.h"
#include "resources/SevenZipLoader.h"
#include "scratch_file.h"


namespace {

void putLittleEndian32(uint8_t* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t littleEndian64(const uint8_t* p) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

// The bytes, with both checksums of the start header made to match when the last byte is odd.
std::vector<uint8_t> withChecksumsPutRight(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    if (size < 32 || (data[size - 1] & 1) == 0) return bytes;
    const uint64_t offset = littleEndian64(&bytes[12]), length = littleEndian64(&bytes[20]);
    if (offset <= size - 32 && length <= size - 32 - offset) {
        putLittleEndian32(&bytes[28], lzma_crc32(bytes.data() + 32 + offset, length, 0));
    }
    putLittleEndian32(&bytes[8], lzma_crc32(&bytes[12], 20, 0));
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::lastOutcome = fuzzcheck::Outcome::Refused;
    win32::resetForTests();  // an empty log: the lines of this input only
    const std::vector<uint8_t> bytes = withChecksumsPutRight(data, size);
    SevenZipLoader loader(fuzzcheck::writeScratch("graphics.qmx", bytes.data(), bytes.size()));
    if (!loader.opened()) {
        fuzzcheck::require(win32::logLines().size() == 1, "an archive refused without exactly one log line");
        return 0;
    }
    // Entries of refused blocks are named at once, in one line for them all, and are not found.
    const size_t linesAtOpen = win32::logLines().size();
    fuzzcheck::require(linesAtOpen <= 2, "an archive opened with more than a line for unnamed and unreadable entries");
    bool anyLoaded = false;
    for (const std::string& name : loader.entryNames()) {
        fuzzcheck::require(!name.empty(), "an entry indexed under the empty name");
        const size_t linesBefore = win32::logLines().size();
        std::unique_ptr<FileMemory> block(loader.load(name));
        fuzzcheck::require(!block || block->data != nullptr, "a block without data");
        fuzzcheck::require(block || win32::logLines().size() == linesBefore + 1, "an entry refused without a log line");
        anyLoaded = anyLoaded || block != nullptr;
    }
    fuzzcheck::require(std::unique_ptr<FileMemory>(loader.load("")) == nullptr, "the empty name loads");
    if (anyLoaded || (loader.entryCount() == 0 && linesAtOpen == 0)) fuzzcheck::lastOutcome = fuzzcheck::Outcome::Read;
    win32::resetForTests();
    return 0;
}
