// The player's profile in memory: the player's name, the options, the player's fighters and
// the folder their files live in (profile.xml and one "fighterN.xml" per fighter). It loads
// and saves all of them.
//
// Loading never loses the player's data: a fighter file that cannot be read is left out,
// left untouched on disk and reported (getLoadProblems); only an unreadable profile file
// makes load fail, and then the object keeps what it held.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "state/Options.h"

class PersistentProfile;

namespace Tavek {

class FighterState;

class ProfileState {
public:
    // The highest fighter file number is one below this.
    static constexpr int MaxFighterFiles = 99999;

    // state 1: backed by files; 0: held in memory only.
    explicit ProfileState(int state);
    virtual ~ProfileState();
    ProfileState(const ProfileState&) = delete;
    ProfileState& operator=(const ProfileState&) = delete;

    // The folder of the profile and fighter files, with its trailing backslash (a game path).
    virtual void setDirectory(const std::string& folder) { directory = folder; }
    virtual const std::string& getDirectory() const { return directory; }
    // Writes the profile document (name and options) to directory + fileName, or to the file
    // last loaded or saved when fileName is empty. XMLFileException when there is no file name
    // or the file cannot be written (the old file is then left as it was).
    virtual void save(const std::string& fileName);
    // Replaces the profile with the one in directory + fileName and its fighter files.
    // XMLFileException when the profile file cannot be read; the object is then unchanged.
    virtual void load(const std::string& fileName);
    // Saves every fighter to its file, then the profile document. A fighter whose file cannot
    // be written does not stop the others; its error is rethrown at the end.
    virtual void saveAll(const std::string& fileName);
    // Removes the fighter from the profile and deletes its file; not in the list: nothing happens.
    virtual void deleteFighter(FighterState* fighter);
    // A new fighter with a file name not used on disk or in the profile; written at the next
    // saveAll. std::runtime_error when every name is taken.
    virtual FighterState* newFighter();
    // std::out_of_range outside 0 .. getFighterCount() - 1.
    virtual FighterState* getFighter(int index) const;
    virtual int getFighterCount() const { return static_cast<int>(fighters.size()); }
    virtual int getState() const { return state; }

    const std::string& getName() const { return name; }
    void setName(const std::string& newName) { name = newName; }
    const std::string& getFileName() const { return fileName; }
    Options& getOptions() { return options; }
    const Options& getOptions() const { return options; }
    // The fighter's file, with its folder; "" for a fighter not in the list or held in memory.
    std::string getFighterPath(const FighterState* fighter) const;
    // One line per fighter file the last load left out, saying which file and why.
    const std::vector<std::string>& getLoadProblems() const { return loadProblems; }

private:
    struct Entry;
    size_t indexOf(const FighterState* fighter) const;
    std::string resolveSavePath(const std::string& requested);

    std::string name;
    std::string fileName;
    Options options;
    std::string directory = "c:\\";
    int state;
    std::unique_ptr<PersistentProfile> document;
    std::vector<std::unique_ptr<Entry>> fighters;
    std::vector<std::string> loadProblems;
};

}  // namespace Tavek
