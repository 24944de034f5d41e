#include "audio/SongPlayer.h"

#include "audio/Song.h"
#include "platform/vuzirovari/vuzirovari.h"

void SongPlayer::getSongs(PlayList& out) const { out = playList; }
void SongPlayer::setSongs(const PlayList& in) { playList = in; }
void SongPlayer::clearSongs() { playList.clear(); }
void SongPlayer::addSong(Song* song) { playList.add(song); }
void SongPlayer::removeSong(Song* song) { playList.remove(song); }
bool SongPlayer::isPlaying() const { return playing; }

void SongPlayer::start() {
    if (playing || playList.size() == 0) return;
    playing = true;
    next();
}

void SongPlayer::stop() {
    if (!playing) return;
    playing = false;
    if (current) current->stop();
    // A song still fading out is never ticked again once the player stops, so it would keep
    // sounding at its level (a looping menu song into a match): it stops here too.
    if (previous) previous->stop();
    previous = nullptr;
}

void SongPlayer::next() {
    elapsed = 0.0f;
    if (current) current->fadeOut();
    if (previous) previous->stop();
    previous = current;
    current = playList.next();
    if (!current) {
        stop();
        return;
    }
    // The same song picked again fades back in; ticking it also as the previous song would
    // run its fade twice a frame.
    if (previous == current) previous = nullptr;
    current->playerVolume = volume;
    current->fadeIn();
}

void SongPlayer::setVolume(float v) { volume = v; }
float SongPlayer::getVolume() const { return volume; }

void SongPlayer::tick() {
    if (!playing || !current) return;
    if (previous) {
        previous->tick();
        if (!previous->isPlaying()) previous = nullptr;
    }
    current->tick();
    elapsed += iFrq(0);
    if (elapsed >= current->getPlayTime()) next();
}
