// The profile document (profile.xml): the profile's name and options as keys of the root
// element Profile, and one FighterPath child per fighter file, naming it without its folder.
#pragma once

#include <string>

#include "persistence/PersistentObject.h"

class PersistentProfile : public PersistentObject {
public:
    // A new document whose root is Profile, listing no fighters.
    PersistentProfile();

    // Loads the file (a game path) and counts its fighter files.
    void load(const std::string& path) override;

    // Appends a FighterPath child holding value; an existing one is never replaced.
    virtual void addFighterPath(const std::string& value);
    // Removes every FighterPath child holding value.
    virtual void removeFighterPath(const std::string& value);
    // The value of the index-th FighterPath child; "" when there is none.
    virtual std::string getFighterPath(int index) const;
    virtual int getFighterPathCount() const { return fighterPathCount; }
    // The Name key; AttributeNotFoundException when the document has none.
    virtual std::string getName() const;
    virtual void setName(const std::string& name);
    virtual int countFighterPaths() const;

private:
    int fighterPathCount = 0;
};
