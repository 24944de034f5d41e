// The plug-in's profile file: element "Profile" with the attribute "id", the key "Name" (text in
// its "value" attribute) and one "FighterPath" child per fighter file, in the order added.
#pragma once

#include <string>

#include "persistence/PersistentObject.h"

namespace Vortane {

class PersistentProfile : public PersistentObject {
public:
    // A new document whose root is "Profile", with no fighter paths.
    PersistentProfile();

    int getId() const;
    void setId(int id);
    std::string getName() const;
    void setName(const std::string& name);
    // Appends one fighter path.
    void addFighterPath(const std::string& path);
    // The index-th fighter path, "" when there is none.
    std::string getFighterPath(int index) const;
    int getFighterCount() const { return fighterCount_; }

    // Loads as PersistentObject does (XMLFileException leaves the object empty), then counts
    // the fighter paths afresh.
    void load(const std::string& path) override;

private:
    int fighterCount_ = 0;
};

}  // namespace Vortane
