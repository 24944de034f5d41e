// The generated game folder as the pack tests see it: its files under the game's own names
// ("Tavek_res\gui\general\black.x"), their pictures' sizes, and a working folder to resolve
// those names against.
#pragma once

#include <string>
#include <vector>

namespace pack {

// The folder the respack target writes.
std::string gameFolder();

// Every file of the game folder under one of the given folders (game names, "default_res\")
// whose name ends exactly with ending (".x", ".wid"), as the game names it: folders separated
// by '\', letter case as on disk. Sorted.
std::vector<std::string> gameNames(const std::vector<std::string>& folders, const std::string& ending);

// The host path of a game name inside the game folder.
std::string hostFile(const std::string& gameName);
bool exists(const std::string& gameName);

// True for a glyph sprite name: "..._XX.x" with XX two lower-case hex digits.
bool isGlyphName(const std::string& gameName);
// The folder part of a game name, with its trailing '\'; "" without one.
std::string folderOf(const std::string& gameName);

// A picture's size from the header of its file in the game folder (.png or .dds); false when
// the file is neither.
bool pictureSize(const std::string& gameName, int* width, int* height);

// Makes folder the working folder until destroyed, then goes back to the previous one.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    bool entered() const { return ok; }

private:
    std::string previous;
    bool ok = false;
};

}  // namespace pack
