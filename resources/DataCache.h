// A reference-counted table of values by name. Names compare exactly: letter case and slash
// direction count. The cache never destroys the values it holds; whoever receives true from
// release() owns the value again.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_map>

template <typename T>
class DataCache {
public:
    struct Entry {
        T value;
        uint32_t references;
    };

    DataCache() = default;
    virtual ~DataCache() = default;
    DataCache(const DataCache&) = delete;
    DataCache& operator=(const DataCache&) = delete;

    // When present: sets out to the value, adds one reference and returns true.
    // Else returns false and leaves out alone.
    virtual bool find(const std::string& name, T& out) {
        auto it = entries.find(name);
        if (it == entries.end()) return false;
        out = it->second.value;
        ++it->second.references;
        return true;
    }

    // Adds the name with one reference. The name must not be present yet.
    virtual void insert(const std::string& name, const T& value) {
        if (entries.count(name) != 0) {
            throw std::logic_error("The cache already contains \"" + name + "\"");
        }
        entries.emplace(name, Entry{value, 1});
    }

    // Drops one reference; true when that was the last one and the entry is gone.
    // False for a name that is not cached.
    virtual bool release(const std::string& name) {
        auto it = entries.find(name);
        if (it == entries.end()) return false;
        if (--it->second.references > 0) return false;
        entries.erase(it);
        return true;
    }

    // Observers, for bookkeeping and tests.
    uint32_t references(const std::string& name) const {
        auto it = entries.find(name);
        return it == entries.end() ? 0 : it->second.references;
    }
    size_t size() const { return entries.size(); }
    template <typename F>
    void forEach(F&& f) const {
        for (const auto& [name, entry] : entries) f(name, entry.value);
    }

private:
    std::unordered_map<std::string, Entry> entries;
};
