#include "state/PersistentProfile.h"

#include <vector>

PersistentProfile::PersistentProfile() : PersistentObject("Profile") {}

void PersistentProfile::load(const std::string& path) {
    fighterPathCount = 0;
    PersistentObject::load(path);
    fighterPathCount = countFighterPaths();
}

void PersistentProfile::addFighterPath(const std::string& value) {
    setString("FighterPath", value, false, false);
    fighterPathCount = countFighterPaths();
}

void PersistentProfile::removeFighterPath(const std::string& value) {
    for (const PersistentObject& child : getChildren("FighterPath")) {
        if (getValueAttribute(child.getElement()) == value) removeChild(child);
    }
    fighterPathCount = countFighterPaths();
}

std::string PersistentProfile::getFighterPath(int index) const {
    std::vector<PersistentObject> paths = getChildren("FighterPath");
    if (index < 0 || static_cast<size_t>(index) >= paths.size()) return "";
    return getValueAttribute(paths[static_cast<size_t>(index)].getElement());
}

std::string PersistentProfile::getName() const { return getString("Name"); }

void PersistentProfile::setName(const std::string& name) { setText("Name", name); }

int PersistentProfile::countFighterPaths() const { return static_cast<int>(getChildren("FighterPath").size()); }
