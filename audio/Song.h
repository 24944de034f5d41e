// One piece of music: an Ogg file, optionally after an intro file that plays once before it.
// Its level fades in and out at rates per second; the song player ticks it every frame.
#pragma once

#include <cstdint>
#include <string>

#include "gui/TickAble.h"

class Song : public virtual TickAble {
public:
    // A song with an intro. With createOnPlay the sounds exist only between play and stop;
    // otherwise they are made now and kept.
    Song(const std::string& introFile, const std::string& mainFile, bool createOnPlay, bool loop);
    // A song of one file.
    Song(const std::string& mainFile, bool createOnPlay, bool loop);
    ~Song() override;
    Song(const Song&) = delete;
    Song& operator=(const Song&) = delete;

    virtual bool isPlaying() const;
    virtual void play();
    virtual void stop();
    virtual void setFadeInRate(float rate);
    virtual float getFadeInRate() const;
    virtual void setFadeOutRate(float rate);
    virtual float getFadeOutRate() const;
    virtual void resetFade();
    // Plays the song if needed and raises its level from where it stands.
    virtual void fadeIn();
    // Lowers the level; the song stops when it has gone below silence.
    virtual void fadeOut();
    virtual void setPlayTime(float seconds);
    virtual float getPlayTime() const;

    void tick() override;

    float getFadeLevel() const { return fadeLevel; }
    bool isFadingIn() const { return fadingIn; }
    bool isFadingOut() const { return fadingOut; }
    uint32_t getIntroSound() const { return introSound; }
    uint32_t getMainSound() const { return mainSound; }

    // Set by the song player when it starts the song.
    float playerVolume = 1.0f;

private:
    void createSounds();
    void destroySounds();
    void applyVolume();

    std::string introFile;
    std::string mainFile;
    uint32_t introSound = 0;
    uint32_t mainSound = 0;
    bool loop;
    bool hasIntro;
    bool introStarting = false;
    bool createOnPlay;
    bool playing = false;
    bool fadingIn = false;
    bool fadingOut = false;
    float fadeInRate = 0.25f;
    float fadeOutRate = 0.25f;
    float fadeLevel = 1.0f;
    float playTime = 120.0f;
};
