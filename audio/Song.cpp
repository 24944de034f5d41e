#include "audio/Song.h"

#include "platform/vuzirovari/vuzirovari.h"

Song::Song(const std::string& introFile, const std::string& mainFile, bool createOnPlay, bool loop)
    : introFile(introFile), mainFile(mainFile), loop(loop), hasIntro(true), createOnPlay(createOnPlay) {
    if (!createOnPlay) createSounds();
}

Song::Song(const std::string& mainFile, bool createOnPlay, bool loop)
    : mainFile(mainFile), loop(loop), hasIntro(false), createOnPlay(createOnPlay) {
    if (!createOnPlay) createSounds();
}

Song::~Song() { destroySounds(); }

void Song::createSounds() {
    introSound = hasIntro ? iSoundOggCreate(introFile.c_str(), 0, 0) : 0;
    mainSound = iSoundOggCreate(mainFile.c_str(), 0, 0);
}

void Song::destroySounds() {
    if (introSound) iSoundDestroy(introSound);
    if (mainSound) iSoundDestroy(mainSound);
    introSound = 0;
    mainSound = 0;
}

bool Song::isPlaying() const { return playing; }

void Song::play() {
    if (playing) return;
    if (createOnPlay) createSounds();
    playing = true;
    if (hasIntro) {
        iSoundPlay(introSound, 0);
        introStarting = true;
    } else {
        iSoundPlay(mainSound, loop ? 1 : 0);
    }
}

void Song::stop() {
    if (!playing) return;
    if (hasIntro) iSoundStop(introSound, 0);
    iSoundStop(mainSound, 0);
    // Sounds made for this play go now, and no handle of theirs is kept.
    if (createOnPlay) destroySounds();
    introStarting = false;
    playing = false;
}

void Song::setFadeInRate(float rate) { fadeInRate = rate; }
float Song::getFadeInRate() const { return fadeInRate; }
void Song::setFadeOutRate(float rate) { fadeOutRate = rate; }
float Song::getFadeOutRate() const { return fadeOutRate; }
void Song::resetFade() { fadeLevel = 1.0f; }

void Song::fadeIn() {
    if (!playing) play();
    fadingIn = true;
    fadingOut = false;
    tick();
}

void Song::fadeOut() {
    fadingIn = false;
    fadingOut = true;
}

void Song::setPlayTime(float seconds) { playTime = seconds; }
float Song::getPlayTime() const { return playTime; }

void Song::applyVolume() {
    if (hasIntro) iSoundVolumeSet(introSound, fadeLevel * playerVolume);
    iSoundVolumeSet(mainSound, fadeLevel * playerVolume);
}

void Song::tick() {
    if (hasIntro && introStarting && iSoundPlaying(introSound)) introStarting = false;

    if (playing) {
        if (fadingIn) {
            fadeLevel += iFrq(0) * fadeInRate;
            if (fadeLevel > 1.0f) {
                fadeLevel = 1.0f;
                fadingIn = false;
            }
            applyVolume();
        } else if (fadingOut) {
            fadeLevel -= iFrq(0) * fadeOutRate;
            if (fadeLevel < 0.0f) {
                fadeLevel = 0.0f;
                fadingOut = false;
                stop();
            } else {
                applyVolume();
            }
        }
    }

    // The main file follows the intro on the first frame after the intro has ended.
    if (playing && hasIntro && !introStarting && !iSoundPlaying(introSound) && !iSoundPlaying(mainSound)) {
        iSoundPlay(mainSound, loop ? 1 : 0);
    }
}
