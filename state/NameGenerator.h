// Random full names for generated opponents, from the lists of names.xml. Each list is a
// shuffle bag: every name comes out once, in random order, before any name repeats.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class PersistentObject;

namespace Tavek {

// First letter upper case, the rest lower case (single-byte text); "" stays "".
std::string capitalise(const std::string& name);

class NameGenerator {
public:
    class NameList {
    public:
        // Every Name child's value in file order; a Name without a readable value is skipped.
        explicit NameList(const PersistentObject& element);
        virtual ~NameList() = default;
        // The next name of the bag, reshuffling (with the game's random numbers) at the start
        // of each pass; "" for an empty list.
        virtual std::string next();

        const std::vector<std::string>& getNames() const { return names; }

    private:
        std::vector<std::string> names;
        size_t cursor;
    };

    // Loads the names file: XMLFileException when it cannot be read, ElementNotFoundException
    // when a list is missing.
    explicit NameGenerator(const std::string& path);
    virtual ~NameGenerator();
    NameGenerator(const NameGenerator&) = delete;
    NameGenerator& operator=(const NameGenerator&) = delete;

    // "First Last", the first name drawn before the last name.
    virtual std::string makeName(bool male);

private:
    std::unique_ptr<NameList> lastNames;
    std::unique_ptr<NameList> maleFirstNames;
    std::unique_ptr<NameList> femaleFirstNames;
};

}  // namespace Tavek
