#include "state/ProfileState.h"

#include <cstdio>
#include <optional>
#include <stdexcept>
#include <unordered_set>

#include "persistence/AttributeException.h"
#include "persistence/GameException.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/hostpath.h"
#include "platform/win32/win32.h"
#include "state/FighterState.h"
#include "state/PersistentProfile.h"

namespace Tavek {

// One fighter of the profile with its file: the name as the profile lists it and the full path.
struct ProfileState::Entry {
    std::unique_ptr<FighterState> fighter;
    std::string file;
    std::string path;
};

namespace {

// A fighter file must be a plain name inside the profile's folder: the profile decides which
// files the game writes and deletes, so it never reaches outside that folder.
bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos && name.find(':') == std::string::npos;
}

bool existsOnDisk(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

ProfileState::ProfileState(int state_) : state(state_) {
    if (state == 1) document = std::make_unique<PersistentProfile>();
}

ProfileState::~ProfileState() = default;

std::string ProfileState::resolveSavePath(const std::string& requested) {
    if (!requested.empty()) {
        fileName = requested;
        return directory + requested;
    }
    if (!fileName.empty()) return directory + fileName;
    throw XMLFileException("Missing filename for profile!");
}

void ProfileState::save(const std::string& requested) {
    const std::string path = resolveSavePath(requested);
    if (state != 1) return;
    document->setName(name);
    options.write(*document);
    document->save(path);
}

void ProfileState::load(const std::string& requested) {
    if (state != 1) return;
    // Everything is read aside and taken over only once the profile file has been read.
    auto loaded = std::make_unique<PersistentProfile>();
    loaded->load(directory + requested);

    std::vector<std::string> listed;
    for (int i = 0; i < loaded->getFighterPathCount(); ++i) listed.push_back(loaded->getFighterPath(i));

    std::vector<std::unique_ptr<Entry>> loadedFighters;
    std::vector<std::string> problems;
    std::unordered_set<std::string> seen;
    for (const std::string& file : listed) {
        if (!isPlainFileName(file)) {
            problems.push_back("The profile lists the fighter file \"" + file +
                               "\", which is not a file of the profile's folder; it was left out.");
            continue;
        }
        // A file listed twice is one fighter.
        if (!seen.insert(file).second) continue;
        const std::string path = directory + file;
        auto fighter = std::make_unique<FighterState>("Fighter", nullptr);
        try {
            fighter->loadFromFile(path);
        } catch (const GameException& e) {
            // An unreadable file or a key the record cannot do without.
            if (!existsOnDisk(path)) {
                // Nothing left to keep: the profile stops listing it at the next save.
                loaded->removeFighterPath(file);
                problems.push_back("The fighter file " + path + " is missing; the fighter was removed from the profile.");
            } else {
                problems.push_back("The fighter file " + path +
                                   " could not be read; the fighter was left out and the file kept as it is (" +
                                   e.what() + ").");
            }
            continue;
        }
        loadedFighters.push_back(std::make_unique<Entry>(Entry{std::move(fighter), file, path}));
    }

    std::string loadedName = name;
    try {
        loadedName = loaded->getName();
    } catch (const AttributeException&) {
        // A profile without a name keeps the one held.
    }
    Options loadedOptions;
    loadedOptions.assign(options);
    loadedOptions.read(*loaded);

    fileName = requested;
    document = std::move(loaded);
    fighters = std::move(loadedFighters);
    name = loadedName;
    options.assign(loadedOptions);
    loadProblems = std::move(problems);
}

void ProfileState::saveAll(const std::string& requested) {
    resolveSavePath(requested);
    // Fighters first: the profile never lists a new fighter whose file was not written.
    std::optional<XMLFileException> firstFailure;
    if (state == 1) {
        for (const auto& entry : fighters) {
            try {
                entry->fighter->saveToFile(entry->path);
            } catch (const XMLFileException& e) {
                if (!firstFailure) firstFailure = e;
            }
        }
    }
    save(requested);
    if (firstFailure) throw *firstFailure;
}

void ProfileState::deleteFighter(FighterState* fighter) {
    const size_t index = indexOf(fighter);
    if (index == std::string::npos) return;
    const Entry& entry = *fighters[index];
    if (state == 1) {
        document->removeFighterPath(entry.file);
        // A file that cannot be deleted is left behind; the profile no longer lists it.
        std::remove(hostPath(entry.path).c_str());
    }
    fighters.erase(fighters.begin() + static_cast<std::ptrdiff_t>(index));
}

FighterState* ProfileState::newFighter() {
    if (state != 1) {
        fighters.push_back(std::make_unique<Entry>(Entry{std::make_unique<FighterState>(), "", ""}));
        return fighters.back()->fighter.get();
    }
    // Names handed out but not saved yet, and names the profile lists, count as much as files.
    std::unordered_set<std::string> taken;
    for (const auto& entry : fighters) taken.insert(entry->file);
    for (int i = 0; i < document->getFighterPathCount(); ++i) taken.insert(document->getFighterPath(i));
    for (int number = 0; number < MaxFighterFiles; ++number) {
        const std::string candidate = "fighter" + std::to_string(number) + ".xml";
        if (taken.count(candidate) || existsOnDisk(directory + candidate)) continue;
        document->addFighterPath(candidate);
        fighters.push_back(std::make_unique<Entry>(
            Entry{std::make_unique<FighterState>("Fighter", nullptr), candidate, directory + candidate}));
        return fighters.back()->fighter.get();
    }
    throw std::runtime_error("There is no free fighter file name left in " + directory);
}

FighterState* ProfileState::getFighter(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= fighters.size())
        throw std::out_of_range("There is no fighter " + std::to_string(index) + " in the profile");
    return fighters[static_cast<size_t>(index)]->fighter.get();
}

std::string ProfileState::getFighterPath(const FighterState* fighter) const {
    const size_t index = indexOf(fighter);
    return index == std::string::npos ? std::string() : fighters[index]->path;
}

size_t ProfileState::indexOf(const FighterState* fighter) const {
    for (size_t i = 0; i < fighters.size(); ++i)
        if (fighters[i]->fighter.get() == fighter) return i;
    return std::string::npos;
}

}  // namespace Tavek
