// The sound effects and voices of a match. A data file maps named events (a kick connecting,
// damage, a knock-down, tutorial lines) to groups of samples: per arena, per fighter voice,
// per gender and a "default" group. An event plays one sample of the fitting group at random;
// a fighter's sounds follow that fighter while they play, and each fighter has one voice line
// at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "math/Vector3.h"

class PersistentObject;

namespace Tavek {

class SoundScape {
public:
    // One sample, with a copy of its event's settings.
    struct Entry {
        uint32_t soundA = 0;  // for fighter A and for every kind
        uint32_t soundB = 0;  // a second sound of the file for fighter B (fighter sounds and voices)
        float volume = 1.0f;
        std::string className;
        std::string source;
        std::string text[3];
        int kind = 0;  // 1 fighter, 2 fighter voice, 3 tutorial voice, 0 anything else
    };
    using Group = std::vector<Entry>;
    using Event = std::unordered_map<std::string, Group>;

    // Longest sample path the game accepts, folder included.
    static constexpr size_t MaxPathLength = 259;

    SoundScape();
    virtual ~SoundScape();
    SoundScape(const SoundScape&) = delete;
    SoundScape& operator=(const SoundScape&) = delete;

    virtual void stopAll();
    // Rebuilds every sound for the arena and the two fighters' voice groups.
    virtual void load(int arenaIndex, const std::string& voiceGroupA, const std::string& voiceGroupB,
                      bool withTutorial);
    // The fighters' location vectors, which their sounds follow; either may be null.
    virtual void setFighters(const Vector3* locationA, const Vector3* locationB);
    virtual void update();
    // Loads "Tavek_res\sounds\" + fileName; XMLFileException when it cannot be read.
    virtual void addFile(const std::string& fileName);
    virtual void playEvent(const std::string& groupKey, const std::string& eventClass, bool sideA);
    virtual void stopVoiceA();
    virtual void stopVoiceB();
    virtual void stopTutorialVoice();
    virtual void setVolume(float volume);  // for sounds started afterwards
    virtual float getVolume() const;
    virtual bool takeNewTutorialText();
    virtual const std::string& tutorialText(unsigned index) const;
    // Forgets everything: documents and sounds are freed, fighters, voices and texts cleared.
    virtual void reset();
    virtual void unloadDocuments();
    virtual const std::string& arenaId(int index) const;
    // Stops and destroys every sound and forgets every reference to them.
    virtual void unloadAll();

    const std::unordered_map<std::string, Event>& getEvents() const { return events; }
    size_t documentCount() const { return documents.size(); }
    const std::vector<uint32_t>& getPlayingA() const { return playingA; }
    const std::vector<uint32_t>& getPlayingB() const { return playingB; }
    uint32_t getVoiceA() const { return voiceA; }
    uint32_t getVoiceB() const { return voiceB; }
    uint32_t getTutorialVoice() const { return tutorialVoice; }

protected:
    virtual void playRandom(const Group& samples, bool sideA);
    virtual void loadSamples(const Entry& prototype, const std::string& groupKey, const PersistentObject& group);
    virtual void replaceVoice(uint32_t& slot, uint32_t newSound);

private:
    void clearReferences();
    void followFighter(uint32_t& voice, std::vector<uint32_t>& playing, const Vector3* location);

    std::unordered_map<std::string, Event> events;
    std::vector<std::unique_ptr<PersistentObject>> documents;
    std::vector<uint32_t> playingA;
    std::vector<uint32_t> playingB;
    const std::string* tutorialTexts[3] = {nullptr, nullptr, nullptr};
    bool newTutorialText = false;
    const Vector3* locationA = nullptr;
    const Vector3* locationB = nullptr;
    uint32_t voiceA = 0;
    uint32_t voiceB = 0;
    uint32_t tutorialVoice = 0;
    float masterVolume = 1.0f;
};

}  // namespace Tavek
