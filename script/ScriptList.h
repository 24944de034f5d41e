// Script names read from the children of an XML element, handed out as a shuffle bag:
// every name once, in a new random order on each pass.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class PersistentObject;

class ScriptList {
public:
    // The "script" key of every child named tag, in document order; children without it are skipped.
    ScriptList(const PersistentObject& element, const std::string& tag);
    virtual ~ScriptList() = default;

    // The next name; the whole list is reshuffled (with the game's random numbers) at the
    // start of each pass. An empty list gives "".
    virtual const std::string& getScript();

    const std::vector<std::string>& getNames() const { return names; }

private:
    std::vector<std::string> names;
    size_t cursor;
};
