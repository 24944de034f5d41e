// An ordered list of songs to pick from at random. It does not own its songs, and a song may
// stand in it more than once.
#pragma once

#include <cstddef>
#include <vector>

class Song;

class PlayList {
public:
    PlayList() = default;
    PlayList(const PlayList& other) = default;
    PlayList& operator=(const PlayList& other) = default;
    virtual ~PlayList() = default;

    virtual void clear();
    virtual void add(Song* song);
    // Removes every occurrence.
    virtual void remove(Song* song);

    // A song picked at random, or null for an empty list. The first and the last song come up
    // half as often as each one between them, and a song can come twice in a row.
    Song* next() const;

    size_t size() const { return songs.size(); }
    const std::vector<Song*>& getSongs() const { return songs; }

private:
    std::vector<Song*> songs;
};
