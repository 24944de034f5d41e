#include "plugin/PersistentProfile.h"

#include <vector>

namespace Vortane {

namespace {

const char* const FighterPathKey = "FighterPath";

}  // namespace

PersistentProfile::PersistentProfile() : PersistentObject("Profile") {}

int PersistentProfile::getId() const { return getInt("id"); }

void PersistentProfile::setId(int id) { setInt("id", id, true, true); }

std::string PersistentProfile::getName() const { return getString("Name"); }

void PersistentProfile::setName(const std::string& name) { setString("Name", name); }

void PersistentProfile::addFighterPath(const std::string& path) {
    PersistentObject child(FighterPathKey, this);
    child.setString("value", path, true);
    ++fighterCount_;
}

std::string PersistentProfile::getFighterPath(int index) const {
    if (index < 0 || index >= fighterCount_) return "";
    const std::vector<PersistentObject> paths = getChildren(FighterPathKey);
    if (static_cast<size_t>(index) >= paths.size()) return "";
    return getValueAttribute(paths[static_cast<size_t>(index)].getElement());
}

void PersistentProfile::load(const std::string& path) {
    fighterCount_ = 0;
    PersistentObject::load(path);
    fighterCount_ = static_cast<int>(getChildren(FighterPathKey).size());
}

}  // namespace Vortane
