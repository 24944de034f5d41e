// The camera paths of one arena: the scripted fly-bys the introduction of a match shows, read
// from the arena's flybys.xml, with one program-wide default path that stands in whenever a
// list has no path. A path is a list of keys in file order; the camera reaches each key at
// its time, jumping to the cut keys.
#pragma once

#include <string>
#include <vector>

#include "math/Vector3.h"

struct FlybyKey {
    Vector3 location;  // where the camera is
    Vector3 target;    // the point it looks at
    float t = 0.0f;    // the key's time within the path, in seconds
    bool cut = false;  // the camera jumps to this key instead of moving to it
};

struct Flyby {
    std::vector<FlybyKey> keys;
    float length = 0.0f;  // the path's duration, in seconds
};

// The default path: 2 s, one key at (0, 7.5, 7.5) looking at (0, 1.5, 0). Made by the first
// list constructed and kept for the program.
extern Flyby* defaultFlyby;

class ArenaFlybyList {
public:
    // One copy of the default path, so a new list is never empty.
    ArenaFlybyList();
    // The paths of the file; see load.
    explicit ArenaFlybyList(const std::string& path);
    virtual ~ArenaFlybyList() = default;

    // Replaces the paths by those of the file. XMLFileException when the file cannot be read
    // or parsed (the list is then empty); AttributeNotFoundException or
    // AttributeFormatException at the first missing or malformed number, keeping the paths and
    // keys read before it. A path that ends up without a key is dropped with one log line,
    // since the camera needs a key to start from.
    void load(const std::string& path);

    // A uniformly drawn path (crt::rand() × (1/32768) × n, truncated); the default path when
    // the list is empty.
    virtual const Flyby& randomFlyby();

    const std::vector<Flyby>& getFlybys() const { return flybys; }

private:
    static void makeDefault();

    std::vector<Flyby> flybys;
};
