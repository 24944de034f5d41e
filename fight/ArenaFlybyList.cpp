#include "fight/ArenaFlybyList.h"

#include "persistence/PersistentObject.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32.h"

Flyby* defaultFlyby = nullptr;

namespace {

FlybyKey readKey(const PersistentObject& at) {
    FlybyKey key;
    key.location = Vector3(at.getFloat("lx"), at.getFloat("ly"), at.getFloat("lz"));
    key.target = Vector3(at.getFloat("tx"), at.getFloat("ty"), at.getFloat("tz"));
    key.t = at.getFloat("t");
    std::optional<std::string> mode = at.getText("mode");
    key.cut = mode && *mode == "cut";
    return key;
}

// Keeps a path that has a key to start from; reports and drops one that has none.
void keep(std::vector<Flyby>& flybys, Flyby&& flyby, int number, const std::string& path) {
    if (!flyby.keys.empty()) {
        flybys.push_back(std::move(flyby));
        return;
    }
    OutputDebugStringA(("Fly-by " + std::to_string(number) + " of \"" + path +
                        "\" has no key and was left out.\n")
                           .c_str());
}

}  // namespace

void ArenaFlybyList::makeDefault() {
    if (defaultFlyby) return;
    defaultFlyby = new Flyby();
    defaultFlyby->length = 2.0f;
    FlybyKey key;
    key.location = Vector3(0.0f, 7.5f, 7.5f);
    key.target = Vector3(0.0f, 1.5f, 0.0f);
    defaultFlyby->keys.push_back(key);
}

ArenaFlybyList::ArenaFlybyList() {
    makeDefault();
    flybys.push_back(*defaultFlyby);
}

ArenaFlybyList::ArenaFlybyList(const std::string& path) {
    makeDefault();
    load(path);
}

void ArenaFlybyList::load(const std::string& path) {
    flybys.clear();
    PersistentObject document("Flybys");
    document.load(path);
    int number = 0;
    for (const PersistentObject& element : document.getChildren("Flyby")) {
        Flyby flyby;
        ++number;
        try {
            flyby.length = element.getFloat("length");
            for (const PersistentObject& at : element.getChildren("At")) flyby.keys.push_back(readKey(at));
        } catch (...) {
            keep(flybys, std::move(flyby), number, path);
            throw;
        }
        keep(flybys, std::move(flyby), number, path);
    }
}

const Flyby& ArenaFlybyList::randomFlyby() {
    if (flybys.empty()) {
        makeDefault();
        return *defaultFlyby;
    }
    size_t index = static_cast<size_t>(crt::rand() * (1.0f / 32768.0f) * static_cast<float>(flybys.size()));
    return flybys[index < flybys.size() ? index : flybys.size() - 1];
}
