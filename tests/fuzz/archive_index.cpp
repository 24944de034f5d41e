// The packed archive's index: the archive is opened and indexed, then every entry loaded. A
// refused archive or entry says so in the log; a load gives the entry's bytes or null; the
// empty name is never an entry.
#include <memory>

#include "fuzz_check.h"
#include "platform/win32/win32_host.h"
#include "resources/FileMemory.h"
#include "resources/SevenZipLoader.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::lastOutcome = fuzzcheck::Outcome::Refused;
    win32::resetForTests();  // an empty log: the lines of this input only
    SevenZipLoader loader(fuzzcheck::writeScratch("graphics.qmx", data, size));
    if (!loader.opened()) {
        fuzzcheck::require(win32::logLines().size() == 1, "an archive refused without exactly one log line");
        return 0;
    }
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
    if (anyLoaded || loader.entryCount() == 0) fuzzcheck::lastOutcome = fuzzcheck::Outcome::Read;
    win32::resetForTests();
    return 0;
}
