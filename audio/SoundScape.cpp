#include "audio/SoundScape.h"

#include <algorithm>

#include "persistence/AttributeException.h"
#include "persistence/PersistentObject.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32.h"
#include "resources/StartupTables.h"

namespace Tavek {

namespace {

int kindOf(const std::string& source) {
    if (source == "fighter") return 1;
    if (source == "fighterVoice") return 2;
    if (source == "tutorialVoice") return 3;
    return 0;
}

void report(const std::string& message) { OutputDebugStringA(("Sound scape: " + message + "\n").c_str()); }

// One attribute read in its own step: a missing or malformed one keeps the default.
template <typename Read>
void readKey(Read read) {
    try {
        read();
    } catch (const AttributeException&) {
    }
}

SoundScape::Entry prototypeOf(const PersistentObject& event) {
    SoundScape::Entry entry;
    readKey([&] { entry.className = event.getString("class"); });
    readKey([&] { entry.source = event.getString("source"); });
    readKey([&] { entry.volume = event.getFloat("volume"); });
    readKey([&] { entry.text[0] = event.getString("text1"); });
    readKey([&] { entry.text[1] = event.getString("text2"); });
    readKey([&] { entry.text[2] = event.getString("text3"); });
    entry.kind = kindOf(entry.source);
    return entry;
}

}  // namespace

SoundScape::SoundScape() { reset(); }

SoundScape::~SoundScape() { unloadDocuments(); }

void SoundScape::stopAll() {
    stopVoiceA();
    stopVoiceB();
    stopTutorialVoice();
    playingA.clear();
    playingB.clear();
    locationA = nullptr;
    locationB = nullptr;
    std::fill(std::begin(tutorialTexts), std::end(tutorialTexts), nullptr);
}

void SoundScape::load(int arenaIndex, const std::string& voiceGroupA, const std::string& voiceGroupB,
                      bool withTutorial) {
    unloadAll();
    for (const std::unique_ptr<PersistentObject>& document : documents) {
        for (const PersistentObject& event : document->getChildren("event")) {
            Entry prototype = prototypeOf(event);
            std::vector<std::string> keys;
            switch (prototype.kind) {
            case 1: keys = {"default"}; break;
            case 2: keys = {voiceGroupA, voiceGroupB, "default", "male", "female"}; break;
            case 3:
                if (withTutorial) keys = {"default"};
                break;
            default:
                if (prototype.source == "arena") keys = {arenaId(arenaIndex), "default"};
                else keys = {"default"};
                break;
            }
            for (const std::string& key : keys) {
                PersistentObject group;
                try {
                    group = event.getChild("group", "id", key);
                } catch (const AttributeException&) {
                    continue;  // this event has no such group
                }
                loadSamples(prototype, key, group);
            }
        }
    }
}

void SoundScape::setFighters(const Vector3* fighterA, const Vector3* fighterB) {
    locationA = fighterA;
    locationB = fighterB;
}

void SoundScape::followFighter(uint32_t& voice, std::vector<uint32_t>& playing, const Vector3* location) {
    if (voice && location) {
        if (iSoundPlaying(voice)) iSoundLocationSet(voice, location);
        else voice = 0;
    }
    auto finished = [](uint32_t sound) { return !iSoundPlaying(sound); };
    playing.erase(std::remove_if(playing.begin(), playing.end(), finished), playing.end());
    if (location) {
        for (uint32_t sound : playing) iSoundLocationSet(sound, location);
    }
}

void SoundScape::update() {
    followFighter(voiceA, playingA, locationA);
    followFighter(voiceB, playingB, locationB);
}

void SoundScape::addFile(const std::string& fileName) {
    auto document = std::make_unique<PersistentObject>();
    document->load(soundsFolder + fileName);
    documents.push_back(std::move(document));
}

void SoundScape::playEvent(const std::string& groupKey, const std::string& eventClass, bool sideA) {
    if (eventClass.empty()) return;
    bool defaultAsked = groupKey.empty() || groupKey == "default";
    const std::string key = defaultAsked ? "default" : groupKey;
    auto event = events.find(eventClass);
    if (event == events.end()) return;
    auto group = event->second.find(key);
    if (group != event->second.end()) {
        playRandom(group->second, sideA);
    } else if (!defaultAsked) {
        auto fallback = event->second.find("default");
        if (fallback != event->second.end()) playRandom(fallback->second, sideA);
    }
}

void SoundScape::stopVoiceA() { replaceVoice(voiceA, 0); }
void SoundScape::stopVoiceB() { replaceVoice(voiceB, 0); }
void SoundScape::stopTutorialVoice() { replaceVoice(tutorialVoice, 0); }
void SoundScape::setVolume(float volume) { masterVolume = volume; }
float SoundScape::getVolume() const { return masterVolume; }

bool SoundScape::takeNewTutorialText() {
    bool taken = newTutorialText;
    newTutorialText = false;
    return taken;
}

const std::string& SoundScape::tutorialText(unsigned index) const {
    static const std::string none;
    if (index > 2 || !tutorialTexts[index]) return none;
    return *tutorialTexts[index];
}

void SoundScape::reset() {
    // Documents and sounds are freed here, not merely forgotten.
    unloadDocuments();
    locationA = nullptr;
    locationB = nullptr;
    masterVolume = 1.0f;
}

void SoundScape::unloadDocuments() {
    documents.clear();
    unloadAll();
}

const std::string& SoundScape::arenaId(int index) const {
    static const std::string ids[5] = {"arena1", "arena2", "arena3", "arena4", "arena5"};
    return index >= 0 && index <= 3 ? ids[index] : ids[4];
}

void SoundScape::unloadAll() {
    for (auto& [className, event] : events) {
        for (auto& [key, group] : event) {
            for (Entry& entry : group) {
                for (uint32_t sound : {entry.soundA, entry.soundB}) {
                    if (!sound) continue;
                    if (iSoundPlaying(sound)) iSoundStop(sound, 0);
                    iSoundDestroy(sound);
                }
            }
        }
    }
    events.clear();
    // The voices, playing lists and texts borrowed from the entries just destroyed.
    clearReferences();
}

void SoundScape::clearReferences() {
    playingA.clear();
    playingB.clear();
    voiceA = 0;
    voiceB = 0;
    tutorialVoice = 0;
    std::fill(std::begin(tutorialTexts), std::end(tutorialTexts), nullptr);
    newTutorialText = false;
}

void SoundScape::playRandom(const Group& samples, bool sideA) {
    size_t n = samples.size();
    if (n == 0) return;
    auto index = static_cast<size_t>(static_cast<float>(crt::rand()) * (1.0f / 32768.0f) * static_cast<float>(n));
    const Entry& entry = samples[std::min(index, n - 1)];
    uint32_t sound = sideA || entry.soundB == 0 ? entry.soundA : entry.soundB;
    iSoundPlay(sound, 0);
    float factor = entry.kind == 1 || entry.kind == 2 ? 1.0f : 0.95f;
    iSoundVolumeSet(sound, masterVolume * entry.volume * factor);
    switch (entry.kind) {
    case 1: (sideA ? playingA : playingB).push_back(sound); break;
    case 2: replaceVoice(sideA ? voiceA : voiceB, sound); break;
    case 3:
        for (int i = 0; i < 3; ++i) tutorialTexts[i] = &entry.text[i];
        newTutorialText = true;
        replaceVoice(tutorialVoice, sound);
        break;
    default: break;
    }
}

void SoundScape::loadSamples(const Entry& prototype, const std::string& groupKey, const PersistentObject& group) {
    for (const PersistentObject& sample : group.getChildren("sample")) {
        std::string file;
        try {
            file = sample.getString("file");
        } catch (const AttributeException& error) {
            report("a sample of event \"" + prototype.className + "\" names no file (" + error.getMessage() +
                   "); skipped");
            continue;
        }
        std::string path = soundsFolder + file;
        if (path.size() > MaxPathLength) {
            report("the sample path \"" + path.substr(0, 60) + "...\" of event \"" + prototype.className +
                   "\" is longer than " + std::to_string(MaxPathLength) + " characters; skipped");
            continue;
        }
        Entry entry = prototype;
        int positional = prototype.kind == 1 || prototype.kind == 2 ? 1 : 0;
        entry.soundA = iSoundOggCreate(path.c_str(), positional, 0);
        if (positional) entry.soundB = iSoundOggCreate(path.c_str(), positional, 0);
        if (!entry.soundA) {
            report("the sample \"" + path + "\" of event \"" + prototype.className +
                   "\" could not be loaded; it stays silent");
        }
        events[prototype.className][groupKey].push_back(entry);
    }
}

void SoundScape::replaceVoice(uint32_t& slot, uint32_t newSound) {
    if (slot && slot != newSound) iSoundStop(slot, 0);
    slot = newSound;
}

}  // namespace Tavek
