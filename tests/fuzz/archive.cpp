// The packed archive: opened and indexed, every entry loaded. A load gives the entry's bytes
// or null; the empty name is never an entry.
#include <memory>

#include "fuzz_check.h"
#include "resources/FileMemory.h"
#include "resources/SevenZipLoader.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::lastOutcome = fuzzcheck::Outcome::Refused;
    SevenZipLoader loader(fuzzcheck::writeScratch("graphics.qmx", data, size));
    if (!loader.opened()) return 0;
    bool anyLoaded = false;
    for (const std::string& name : loader.entryNames()) {
        fuzzcheck::require(!name.empty(), "an entry indexed under the empty name");
        std::unique_ptr<FileMemory> block(loader.load(name));
        fuzzcheck::require(!block || block->data != nullptr, "a block without data");
        anyLoaded = anyLoaded || block != nullptr;
    }
    fuzzcheck::require(std::unique_ptr<FileMemory>(loader.load("")) == nullptr, "the empty name loads");
    if (anyLoaded || loader.entryCount() == 0) fuzzcheck::lastOutcome = fuzzcheck::Outcome::Read;
    return 0;
}
