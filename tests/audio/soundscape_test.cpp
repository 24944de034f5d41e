// The match's event sounds: which groups load, which sample plays, voices, positions, and
// what broken data does.
#include <filesystem>
#include <string>

#include "audio/SoundScape.h"
#include "audio_fixture.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/crt.h"

namespace {

namespace fs = std::filesystem;
using Tavek::SoundScape;

const char* const Samples[] = {"hit1.ogg",   "hit2.ogg",  "hit3.ogg",   "gruff1.ogg", "gruff2.ogg",
                               "voice.ogg",  "male.ogg",  "crowd1.ogg", "crowd3.ogg", "crowd.ogg",
                               "lesson.ogg", "bell.ogg",  "taunt.ogg"};

const char* const Scape = R"(<soundscape>
  <event class="kickConnected" source="fighter" volume="0.8">
    <group id="default"><sample file="hit1.ogg"/><sample file="hit2.ogg"/><sample file="hit3.ogg"/></group>
    <group id="male"><sample file="male.ogg"/></group>
  </event>
  <event class="grunt" source="fighterVoice">
    <group id="gruff"><sample file="gruff1.ogg"/><sample file="gruff2.ogg"/></group>
    <group id="default"><sample file="voice.ogg"/></group>
    <group id="male"><sample file="male.ogg"/></group>
  </event>
  <event class="taunt" source="fighterVoice">
    <group id="gruff"><sample file="taunt.ogg"/></group>
  </event>
  <event class="crowd" source="arena" volume="0.5">
    <group id="arena3"><sample file="crowd3.ogg"/></group>
    <group id="arena1"><sample file="crowd1.ogg"/></group>
    <group id="default"><sample file="crowd.ogg"/></group>
  </event>
  <event class="lesson1" source="tutorialVoice" text1="Kick!" text2="Now block.">
    <group id="default"><sample file="lesson.ogg"/></group>
  </event>
  <event class="bell" source="ring" volume="loud">
    <group id="default"><sample file="bell.ogg"/></group>
    <group id="arena3"><sample file="crowd3.ogg"/></group>
  </event>
</soundscape>
)";

class SoundScapeTest : public AudioTest {
protected:
    void SetUp() override {
        AudioTest::SetUp();
        if (!oggencAvailable()) GTEST_SKIP() << "oggenc (vorbis-tools) missing";
        makeSound("sample.ogg", 0.5);
        fs::path folder = fs::path(scratch()) / "Tavek_res" / "sounds";
        for (const char* name : Samples) fs::copy_file(folder / "sample.ogg", folder / name);
        writeFile("Tavek_res/sounds/soundscape.xml", Scape);
        openEngine(0.125f);
    }
    // Arena index 2 ("arena3"), both fighters with the voice group "gruff".
    void loadStandard(bool withTutorial = false) {
        scape.addFile("soundscape.xml");
        scape.load(2, "gruff", "gruff", withTutorial);
    }
    const SoundScape::Group& group(const std::string& event, const std::string& key) {
        static const SoundScape::Group none;
        auto e = scape.getEvents().find(event);
        if (e == scape.getEvents().end()) return none;
        auto g = e->second.find(key);
        return g == e->second.end() ? none : g->second;
    }
    bool hasGroup(const std::string& event, const std::string& key) {
        auto e = scape.getEvents().find(event);
        return e != scape.getEvents().end() && e->second.count(key) > 0;
    }
    static bool playing(uint32_t sound) { return sound && iSoundPlaying(sound) == 1; }
    void frames(int count) {
        for (int i = 0; i < count; ++i) iVortaneMain();
    }

    SoundScape scape;
};

TEST_F(SoundScapeTest, EachKindLoadsItsGroups) {
    loadStandard();
    // Fighter sounds: the default group only, two placed sounds per sample.
    EXPECT_EQ(group("kickConnected", "default").size(), 3u);
    EXPECT_FALSE(hasGroup("kickConnected", "male"));
    for (const SoundScape::Entry& entry : group("kickConnected", "default")) {
        EXPECT_NE(entry.soundA, 0u);
        EXPECT_NE(entry.soundB, 0u);
        int positional = 0;
        vtSoundGet(entry.soundB, nullptr, nullptr, nullptr, nullptr, &positional);
        EXPECT_EQ(positional, 1);
        EXPECT_FLOAT_EQ(entry.volume, 0.8f);
        EXPECT_EQ(entry.kind, 1);
    }
    // Voices: both fighters' groups (the same one twice here), default, male; female is absent.
    EXPECT_EQ(group("grunt", "gruff").size(), 4u);
    EXPECT_EQ(group("grunt", "default").size(), 1u);
    EXPECT_EQ(group("grunt", "male").size(), 1u);
    EXPECT_FALSE(hasGroup("grunt", "female"));
    // The arena's group and the default; another arena's is left out.
    EXPECT_EQ(group("crowd", "arena3").size(), 1u);
    EXPECT_EQ(group("crowd", "default").size(), 1u);
    EXPECT_FALSE(hasGroup("crowd", "arena1"));
    EXPECT_EQ(group("crowd", "default")[0].soundB, 0u);
    // Other sources load only their default group; tutorials only when asked for.
    EXPECT_FALSE(hasGroup("bell", "arena3"));
    EXPECT_EQ(group("bell", "default").size(), 1u);
    EXPECT_EQ(scape.getEvents().count("lesson1"), 0u);
}

TEST_F(SoundScapeTest, MalformedEventAttributeKeepsItsDefault) {
    loadStandard();
    ASSERT_EQ(group("bell", "default").size(), 1u);
    EXPECT_FLOAT_EQ(group("bell", "default")[0].volume, 1.0f);
    EXPECT_EQ(group("bell", "default")[0].source, "ring");
}

TEST_F(SoundScapeTest, SampleIsPickedWithTheGameGenerator) {
    loadStandard();
    const SoundScape::Group& hits = group("kickConnected", "default");
    ASSERT_EQ(hits.size(), 3u);
    int seen[3] = {0, 0, 0};
    for (uint32_t k = 1; k <= 30; ++k) {
        uint32_t seed = k * 2654435761u;  // spread over the whole range of seeds
        crt::srand(seed);
        auto expected = static_cast<size_t>(crt::rand() * (1.0f / 32768.0f) * 3.0f);
        crt::srand(seed);
        scape.playEvent("default", "kickConnected", true);
        for (size_t i = 0; i < hits.size(); ++i) {
            EXPECT_EQ(playing(hits[i].soundA), i == expected) << "seed " << seed << " sample " << i;
            iSoundStop(hits[i].soundA, 0);
        }
        ++seen[expected];
    }
    EXPECT_GT(seen[0] * seen[1] * seen[2], 0);  // every sample came up
}

TEST_F(SoundScapeTest, MissingGroupFallsBackToDefault) {
    loadStandard();
    uint32_t defaultVoice = group("grunt", "default")[0].soundA;
    scape.playEvent("calm", "grunt", true);  // a voice group nobody loaded
    EXPECT_EQ(scape.getVoiceA(), defaultVoice);
    EXPECT_TRUE(playing(defaultVoice));

    scape.playEvent("arena3", "crowd", true);
    EXPECT_TRUE(playing(group("crowd", "arena3")[0].soundA));
    scape.playEvent("arena1", "crowd", true);  // not this match's arena
    EXPECT_TRUE(playing(group("crowd", "default")[0].soundA));
}

TEST_F(SoundScapeTest, EventWithoutFittingGroupOrClassPlaysNothing) {
    loadStandard();
    const int before = vtLiveObjectCount();
    scape.playEvent("calm", "taunt", true);  // only "gruff" exists, and no default
    scape.playEvent("gruff", "", true);
    scape.playEvent("default", "noSuchEvent", true);
    EXPECT_EQ(scape.getVoiceA(), 0u);
    EXPECT_EQ(vtLiveObjectCount(), before);
    for (const auto& [name, event] : scape.getEvents()) {
        for (const auto& [key, samples] : event) {
            for (const SoundScape::Entry& entry : samples) {
                EXPECT_FALSE(playing(entry.soundA)) << name << "/" << key;
            }
        }
    }
}

TEST_F(SoundScapeTest, SideBPlaysItsOwnCopyOfFighterSounds) {
    loadStandard();
    crt::srand(1);
    scape.playEvent("default", "kickConnected", false);
    ASSERT_EQ(scape.getPlayingB().size(), 1u);
    EXPECT_TRUE(scape.getPlayingA().empty());
    uint32_t played = scape.getPlayingB()[0];
    bool isSoundB = false;
    for (const SoundScape::Entry& entry : group("kickConnected", "default")) {
        isSoundB = isSoundB || entry.soundB == played;
        EXPECT_FALSE(playing(entry.soundA));
    }
    EXPECT_TRUE(isSoundB);
    // Sounds without a second copy play their one sound for side B.
    scape.playEvent("default", "bell", false);
    EXPECT_TRUE(playing(group("bell", "default")[0].soundA));
}

TEST_F(SoundScapeTest, VolumeIsMasterTimesEventTimesKindFactor) {
    loadStandard();
    scape.setVolume(0.5f);
    EXPECT_FLOAT_EQ(scape.getVolume(), 0.5f);
    scape.playEvent("default", "kickConnected", true);
    EXPECT_FLOAT_EQ(soundState(scape.getPlayingA()[0]).volume, 0.5f * 0.8f);
    scape.playEvent("arena3", "crowd", true);
    EXPECT_FLOAT_EQ(soundState(group("crowd", "arena3")[0].soundA).volume, 0.5f * 0.5f * 0.95f);
}

TEST_F(SoundScapeTest, EachFighterHasOneVoiceLineAtATime) {
    loadStandard();
    scape.playEvent("default", "grunt", true);
    uint32_t first = scape.getVoiceA();
    ASSERT_TRUE(playing(first));
    scape.playEvent("male", "grunt", false);  // B's line leaves A's alone
    EXPECT_TRUE(playing(first));
    EXPECT_EQ(scape.getVoiceB(), group("grunt", "male")[0].soundB);
    scape.playEvent("male", "grunt", true);  // A's new line cuts A's old one
    EXPECT_FALSE(playing(first));
    EXPECT_EQ(scape.getVoiceA(), group("grunt", "male")[0].soundA);
    EXPECT_TRUE(playing(scape.getVoiceB()));
}

TEST_F(SoundScapeTest, SameVoiceLineTwiceIsRestartedNotStopped) {
    loadStandard();
    scape.playEvent("default", "grunt", true);
    uint32_t voice = scape.getVoiceA();
    frames(3);  // 0.375 s of its 0.5 s
    scape.playEvent("default", "grunt", true);
    EXPECT_EQ(scape.getVoiceA(), voice);
    frames(3);  // past the first play's end: it runs from the restart
    EXPECT_TRUE(playing(voice));
}

TEST_F(SoundScapeTest, SoundsFollowTheirFighterAndFinishedOnesAreDropped) {
    loadStandard();
    Vector3 fighterA(1.0f, 0.0f, 2.0f), fighterB(-1.0f, 0.0f, 2.0f);
    scape.setFighters(&fighterA, &fighterB);
    scape.playEvent("default", "kickConnected", true);
    scape.playEvent("default", "grunt", true);
    uint32_t kick = scape.getPlayingA()[0];
    uint32_t voice = scape.getVoiceA();
    fighterA = Vector3(3.0f, 1.0f, 4.0f);
    scape.update();
    iVector3 at{};
    vtSoundLocationGet(kick, &at);
    EXPECT_EQ(Vector3(at), fighterA);
    vtSoundLocationGet(voice, &at);
    EXPECT_EQ(Vector3(at), fighterA);
    frames(4);  // both 0.5 s sounds have ended
    scape.update();
    EXPECT_TRUE(scape.getPlayingA().empty());
    EXPECT_EQ(scape.getVoiceA(), 0u);
}

TEST_F(SoundScapeTest, TutorialVoiceCarriesItsLines) {
    loadStandard(true);
    EXPECT_FALSE(scape.takeNewTutorialText());
    scape.playEvent("default", "lesson1", true);
    EXPECT_TRUE(scape.takeNewTutorialText());
    EXPECT_FALSE(scape.takeNewTutorialText());
    EXPECT_EQ(scape.tutorialText(0), "Kick!");
    EXPECT_EQ(scape.tutorialText(1), "Now block.");
    EXPECT_EQ(scape.tutorialText(2), "");
    EXPECT_EQ(scape.tutorialText(3), "");
    uint32_t voice = scape.getTutorialVoice();
    EXPECT_FLOAT_EQ(soundState(voice).volume, 0.95f);
    scape.stopAll();
    EXPECT_FALSE(playing(voice));
    EXPECT_EQ(scape.tutorialText(0), "");
}

TEST_F(SoundScapeTest, ArenaIdsCoverEveryIndex) {
    EXPECT_EQ(scape.arenaId(0), "arena1");
    EXPECT_EQ(scape.arenaId(3), "arena4");
    EXPECT_EQ(scape.arenaId(4), "arena5");
    EXPECT_EQ(scape.arenaId(7), "arena5");
    EXPECT_EQ(scape.arenaId(-1), "arena5");
}

TEST_F(SoundScapeTest, StopAllEndsVoicesAndForgetsFighters) {
    loadStandard();
    Vector3 fighterA(1.0f, 0.0f, 0.0f);
    scape.setFighters(&fighterA, nullptr);
    scape.playEvent("default", "grunt", true);
    scape.playEvent("default", "kickConnected", true);
    uint32_t voice = scape.getVoiceA(), kick = scape.getPlayingA()[0];
    scape.stopAll();
    EXPECT_FALSE(playing(voice));
    EXPECT_TRUE(scape.getPlayingA().empty());
    fighterA = Vector3(5.0f, 0.0f, 0.0f);
    scape.update();
    iVector3 at{};
    vtSoundLocationGet(kick, &at);
    EXPECT_EQ(at.x, 0.0f);  // no longer follows the fighter
}

TEST_F(SoundScapeTest, BrokenDataFileIsAClearErrorAndAddsNothing) {
    writeFile("Tavek_res/sounds/soundscape.xml", "<soundscape><event class=\"kick\"");
    try {
        scape.addFile("soundscape.xml");
        FAIL() << "a broken file was accepted";
    } catch (const XMLFileException& error) {
        EXPECT_NE(error.getMessage().find("soundscape.xml"), std::string::npos) << error.getMessage();
    }
    EXPECT_THROW(scape.addFile("missing.xml"), XMLFileException);
    EXPECT_EQ(scape.documentCount(), 0u);
    scape.load(0, "", "", true);
    EXPECT_TRUE(scape.getEvents().empty());
    scape.playEvent("default", "kick", true);
}

TEST_F(SoundScapeTest, MissingSampleIsReportedAndStaysSilent) {
    writeFile("Tavek_res/sounds/soundscape.xml", R"(<soundscape>
      <event class="kick" source="fighter">
        <group id="default"><sample file="gone.ogg"/><sample file="hit1.ogg"/><sample/></group>
      </event></soundscape>)");
    scape.addFile("soundscape.xml");
    scape.load(0, "", "", false);
    EXPECT_TRUE(reported("gone.ogg"));
    EXPECT_TRUE(reported("names no file"));
    const SoundScape::Group& samples = group("kick", "default");
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_EQ(samples[0].soundA, 0u);
    EXPECT_NE(samples[1].soundA, 0u);
    for (uint32_t seed = 1; seed < 10; ++seed) {
        crt::srand(seed);
        scape.playEvent("default", "kick", true);
    }
    scape.update();
}

TEST_F(SoundScapeTest, OverlongSampleNameIsSkipped) {
    std::string longName(250, 'x');
    writeFile("Tavek_res/sounds/soundscape.xml", "<soundscape><event class=\"kick\" source=\"fighter\">"
                                                 "<group id=\"default\"><sample file=\"" + longName +
                                                     ".ogg\"/><sample file=\"hit1.ogg\"/></group>"
                                                     "</event></soundscape>");
    scape.addFile("soundscape.xml");
    scape.load(0, "", "", false);
    EXPECT_TRUE(reported("longer than 259"));
    ASSERT_EQ(group("kick", "default").size(), 1u);
    EXPECT_NE(group("kick", "default")[0].soundA, 0u);
}

TEST_F(SoundScapeTest, ReloadForgetsVoicesAndTextsOfTheOldSounds) {
    loadStandard(true);
    const int liveAfterLoad = vtLiveObjectCount();
    scape.playEvent("default", "grunt", true);
    scape.playEvent("default", "grunt", false);
    scape.playEvent("default", "kickConnected", true);
    scape.playEvent("default", "lesson1", true);
    scape.load(2, "gruff", "gruff", false);  // without stopAll first
    EXPECT_EQ(scape.getVoiceA(), 0u);
    EXPECT_EQ(scape.getVoiceB(), 0u);
    EXPECT_EQ(scape.getTutorialVoice(), 0u);
    EXPECT_TRUE(scape.getPlayingA().empty());
    EXPECT_EQ(scape.tutorialText(0), "");
    EXPECT_FALSE(scape.takeNewTutorialText());
    EXPECT_EQ(vtLiveObjectCount(), liveAfterLoad - 1);  // the tutorial sample is gone
    scape.stopAll();
    scape.update();
}

TEST_F(SoundScapeTest, ResetFreesDocumentsAndSounds) {
    loadStandard();
    ASSERT_GT(vtLiveObjectCount(), 0);
    scape.setVolume(0.3f);
    scape.reset();
    EXPECT_EQ(vtLiveObjectCount(), 0);
    EXPECT_EQ(scape.documentCount(), 0u);
    EXPECT_TRUE(scape.getEvents().empty());
    EXPECT_FLOAT_EQ(scape.getVolume(), 1.0f);
}

TEST_F(SoundScapeTest, DestroyingTheSoundScapeDestroysEverySound) {
    {
        SoundScape local;
        local.addFile("soundscape.xml");
        local.load(0, "gruff", "", true);
        EXPECT_GT(vtLiveObjectCount(), 0);
    }
    EXPECT_EQ(vtLiveObjectCount(), 0);
}

}  // namespace
