#include "audio/PlayList.h"

#include <algorithm>

#include "math/Numeric.h"
#include "platform/win32/crt.h"

void PlayList::clear() { songs.clear(); }

void PlayList::add(Song* song) { songs.push_back(song); }

void PlayList::remove(Song* song) { songs.erase(std::remove(songs.begin(), songs.end(), song), songs.end()); }

Song* PlayList::next() const {
    if (songs.empty()) return nullptr;
    float r = static_cast<float>(crt::rand() / 32767.0);
    float position = static_cast<float>(songs.size() - 1) * r;
    size_t index = static_cast<size_t>(roundToInt(position));
    return songs[std::min(index, songs.size() - 1)];
}
