#include "state/NameGenerator.h"

#include <cctype>

#include "persistence/AttributeException.h"
#include "persistence/PersistentObject.h"
#include "platform/win32/crt.h"

namespace Tavek {

std::string capitalise(const std::string& name) {
    std::string result = name;
    for (size_t i = 0; i < result.size(); ++i) {
        // Through unsigned char: bytes above 127 are valid names, not negative codes.
        int c = static_cast<unsigned char>(result[i]);
        result[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    return result;
}

NameGenerator::NameList::NameList(const PersistentObject& element) {
    for (const PersistentObject& entry : element.getChildren("Name")) {
        try {
            names.push_back(entry.getString("value"));
        } catch (const AttributeException&) {
            // A name without a value is left out.
        }
    }
    cursor = names.size();
}

std::string NameGenerator::NameList::next() {
    if (names.empty()) return std::string();
    if (cursor >= names.size()) {
        crt::randomShuffle(names.begin(), names.end());
        cursor = 0;
    }
    return names[cursor++];
}

NameGenerator::NameGenerator(const std::string& path) {
    PersistentObject document;
    document.load(path);
    lastNames = std::make_unique<NameList>(document.getChild("Last"));
    maleFirstNames = std::make_unique<NameList>(document.getChild("First", "type", "m"));
    femaleFirstNames = std::make_unique<NameList>(document.getChild("First", "type", "f"));
}

NameGenerator::~NameGenerator() = default;

std::string NameGenerator::makeName(bool male) {
    std::string first = (male ? maleFirstNames : femaleFirstNames)->next();
    std::string last = lastNames->next();
    return capitalise(first) + " " + capitalise(last);
}

}  // namespace Tavek
