// A list of borrowed pointers that can be walked while it is changed: an entry removed during
// a walk is not called after its removal, and an entry added during a walk waits for the next
// walk. Observers, listeners and the print list are all kept this way.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

template <typename T>
class SafeList {
public:
    // Appends; the same pointer may be held more than once.
    void add(T* entry) { entries.push_back(entry); }

    // Removes every entry equal to the pointer.
    void remove(T* entry) {
        if (walks > 0) {
            for (T*& held : entries) {
                if (held == entry) {
                    held = nullptr;
                    holes = true;
                }
            }
            return;
        }
        entries.erase(std::remove(entries.begin(), entries.end(), entry), entries.end());
    }

    bool contains(const T* entry) const { return std::find(entries.begin(), entries.end(), entry) != entries.end(); }

    size_t size() const {
        return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), [](T* e) { return e != nullptr; }));
    }

    void clear() {
        if (walks > 0) {
            std::fill(entries.begin(), entries.end(), nullptr);
            holes = true;
            return;
        }
        entries.clear();
    }

    // Calls visit on each entry present when the walk began and still present when its turn comes.
    template <typename Visit>
    void forEach(Visit visit) {
        const size_t count = entries.size();
        WalkGuard guard(*this);
        for (size_t i = 0; i < count; ++i) {
            T* entry = entries[i];
            if (entry) visit(entry);
        }
    }

private:
    struct WalkGuard {
        explicit WalkGuard(SafeList& list) : list(list) { ++list.walks; }
        ~WalkGuard() {
            if (--list.walks == 0 && list.holes) {
                list.entries.erase(std::remove(list.entries.begin(), list.entries.end(), nullptr), list.entries.end());
                list.holes = false;
            }
        }
        SafeList& list;
    };

    std::vector<T*> entries;
    int walks = 0;
    bool holes = false;
};
