// The engine's handle tables: every object of one kind behind a uint32_t.
// Handles start at 1, are never reused (clearing keeps the counter running) and 0 means
// "no object". Looking up 0, a handle never issued or one already destroyed gives nullptr.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

namespace vuz {

template <typename T>
class HandleTable {
public:
    // Takes ownership and returns the new handle; 0 only when the 32-bit space is used up.
    uint32_t add(std::unique_ptr<T> object) {
        if (!object || next_ == 0) return 0;
        uint32_t handle = next_++;
        objects_.emplace(handle, std::move(object));
        return handle;
    }

    T* get(uint32_t handle) const {
        auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }

    // False when the handle named nothing alive (0, stale, destroyed before).
    bool remove(uint32_t handle) { return objects_.erase(handle) > 0; }

    // Drops every object; handles issued before stay dead for good.
    void clear() { objects_.clear(); }

    size_t size() const { return objects_.size(); }

    template <typename F>
    void forEach(F&& f) {
        for (auto& [handle, object] : objects_) f(handle, *object);
    }

private:
    std::map<uint32_t, std::unique_ptr<T>> objects_;
    uint32_t next_ = 1;
};

}  // namespace vuz
