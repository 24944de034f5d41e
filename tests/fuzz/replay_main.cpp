// Replays a fuzz target's corpus through its entry function, as the fuzzer would run each
// file. A file whose name begins with "refused-" must be refused by the reader. Any crash,
// sanitizer report or failed check ends the program, and so fails the test.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_check.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1], error))
        if (entry.is_regular_file()) files.push_back(entry.path());
    if (files.empty()) {
        std::fprintf(stderr, "no corpus files in %s\n", argv[1]);
        return 1;
    }
    std::sort(files.begin(), files.end());
    int wrong = 0;
    for (const auto& path : files) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::printf("%s\n", path.filename().c_str());
        std::fflush(stdout);
        fuzzcheck::lastOutcome = fuzzcheck::Outcome::None;
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        if (path.filename().string().rfind("refused-", 0) == 0 && fuzzcheck::lastOutcome != fuzzcheck::Outcome::Refused) {
            std::fprintf(stderr, "%s was not refused\n", path.filename().c_str());
            ++wrong;
        }
    }
    std::printf("%zu files replayed, %d not refused as they should be\n", files.size(), wrong);
    return wrong == 0 ? 0 : 1;
}
