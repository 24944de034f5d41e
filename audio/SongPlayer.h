// Background music: plays songs from its play list in random order, each for its play time,
// cross-fading from one to the next. It points at the songs and never owns them.
#pragma once

#include "audio/PlayList.h"
#include "gui/TickAble.h"

class Song;

class SongPlayer : public virtual TickAble {
public:
    SongPlayer() = default;
    SongPlayer(const SongPlayer&) = delete;
    SongPlayer& operator=(const SongPlayer&) = delete;

    virtual void getSongs(PlayList& out) const;
    virtual void setSongs(const PlayList& in);
    virtual void clearSongs();
    virtual void addSong(Song* song);
    virtual void removeSong(Song* song);
    virtual bool isPlaying() const;
    // Fades in a song of the list, unless already playing or the list is empty.
    virtual void start();
    // Stops the music: the current song and one still fading out.
    virtual void stop();
    // Cross-fades to a song picked from the list.
    virtual void next();
    // Takes effect on the next song the player starts.
    virtual void setVolume(float volume);
    virtual float getVolume() const;

    void tick() override;

    Song* getCurrent() const { return current; }
    Song* getPrevious() const { return previous; }
    float getElapsed() const { return elapsed; }

private:
    PlayList playList;
    Song* current = nullptr;
    Song* previous = nullptr;
    bool playing = false;
    float elapsed = 0.0f;
    float volume = 1.0f;
};
