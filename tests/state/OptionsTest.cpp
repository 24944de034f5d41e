#include <gtest/gtest.h>

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>

#include "persistence/PersistentObject.h"
#include "persistence/XercesUtils.h"
#include "state/Options.h"
#include "tests/persistence/ScratchFolder.h"

using Tavek::Options;
using Tavek::OptionsBase;

namespace {

void expectSameOptions(const OptionsBase& a, const OptionsBase& b) {
    EXPECT_EQ(a.GameMode, b.GameMode);
    EXPECT_EQ(a.Difficulty, b.Difficulty);
    EXPECT_EQ(a.FightVolume, b.FightVolume);
    EXPECT_EQ(a.ArenaVolume, b.ArenaVolume);
    EXPECT_EQ(a.KnockdownsMode, b.KnockdownsMode);
    EXPECT_EQ(a.DefaultController, b.DefaultController);
    EXPECT_EQ(a.EnableRumble, b.EnableRumble);
    EXPECT_EQ(a.Penalties, b.Penalties);
    EXPECT_EQ(a.Points, b.Points);
    EXPECT_EQ(a.PointsForWin, b.PointsForWin);
    EXPECT_EQ(a.PointsGapForWin, b.PointsGapForWin);
    EXPECT_EQ(a.PenaltiesForDisqualification, b.PenaltiesForDisqualification);
    EXPECT_EQ(a.PointsForHeadKick, b.PointsForHeadKick);
    EXPECT_EQ(a.PointsForBodyKick, b.PointsForBodyKick);
    EXPECT_EQ(a.PointsForKnockDown, b.PointsForKnockDown);
    EXPECT_EQ(a.MinTapsToGetUp, b.MinTapsToGetUp);
    EXPECT_EQ(a.MaxTapsToGetUp, b.MaxTapsToGetUp);
    EXPECT_EQ(a.DefaultCameraAngle, b.DefaultCameraAngle);
}

// A profile document holding the given option keys as value children.
PersistentObject profileWith(const std::vector<std::pair<std::string, std::string>>& keys) {
    PersistentObject profile("Profile");
    for (const auto& [name, value] : keys) profile.setString(name, value);
    return profile;
}

Options readFrom(const PersistentObject& profileConst) {
    PersistentObject profile = profileConst;
    Options options;
    options.read(profile);
    return options;
}

}  // namespace

TEST(OptionsPresets, DefaultsAreModeZeroAndDifficultyOne) {
    OptionsBase defaults;
    OptionsBase preset;
    preset.setGameMode(0);
    preset.setDifficulty(1);
    expectSameOptions(defaults, preset);
    EXPECT_EQ(defaults.FightVolume, 1.0f);
    EXPECT_EQ(defaults.DefaultController, 1);
    EXPECT_TRUE(defaults.EnableRumble);
}

TEST(OptionsPresets, DifficultySetsTheTapsAndTheFactor) {
    OptionsBase options;
    const int taps[4][2] = {{9, 56}, {14, 65}, {19, 74}, {47, 74}};
    const float factors[4] = {0.75f, 1.0f, 1.25f, 2.0f};
    for (int d = 0; d < 4; ++d) {
        options.setDifficulty(d);
        EXPECT_EQ(options.MinTapsToGetUp, taps[d][0]);
        EXPECT_EQ(options.MaxTapsToGetUp, taps[d][1]);
        EXPECT_EQ(options.getDifficultyFactor(), factors[d]);
    }
    options.setDifficulty(5);
    EXPECT_EQ(options.getDifficulty(), 5);
    EXPECT_EQ(options.MinTapsToGetUp, 47);
    EXPECT_EQ(options.getDifficultyFactor(), 1.0f);
}

TEST(OptionsPresets, GameModeTwoScoresOnlyKnockDowns) {
    OptionsBase options;
    options.EnableRumble = false;
    options.setGameMode(2);
    EXPECT_FALSE(options.Penalties);
    EXPECT_TRUE(options.Points);
    EXPECT_EQ(options.PointsForKnockDown, 1);
    EXPECT_EQ(options.PointsForWin + options.PointsGapForWin + options.PenaltiesForDisqualification +
                  options.PointsForHeadKick + options.PointsForBodyKick,
              0);
    EXPECT_FALSE(options.EnableRumble);
}

TEST(OptionsPresets, ModesOneAndThreeAndUnknownModes) {
    OptionsBase options;
    options.setGameMode(1);
    EXPECT_EQ(options.PointsForWin, 12);
    EXPECT_EQ(options.PointsGapForWin, 7);
    options.setGameMode(3);
    EXPECT_EQ(options.PointsForWin, 100);
    EXPECT_EQ(options.PointsGapForWin, 1);
    EXPECT_EQ(options.PenaltiesForDisqualification, 1);
    EXPECT_EQ(options.PointsForHeadKick, 1);
    options.PointsForWin = 33;
    options.setGameMode(-1);
    EXPECT_EQ(options.getGameMode(), -1);
    EXPECT_EQ(options.PointsForWin, 33);
}

TEST(OptionsPresets, AssignCopiesWithoutApplyingPresets) {
    OptionsBase source;
    source.GameMode = 1;  // set directly: the stored scoring does not match the preset
    source.PointsForWin = 50;
    source.Difficulty = 2;
    source.MinTapsToGetUp = 3;
    source.FightVolume = 0.3f;
    Options target;
    target.assign(source);
    expectSameOptions(target, source);
}

TEST(OptionsFile, NonDefaultOptionsSurviveSaveAndLoad) {
    ScratchFolder folder;
    Options written;
    written.setDifficulty(3);
    written.MinTapsToGetUp = 20;
    written.MaxTapsToGetUp = 90;
    written.FightVolume = 0.35f;
    written.ArenaVolume = 0.0f;
    written.KnockdownsMode = 2;
    written.DefaultController = 3;
    written.EnableRumble = false;
    written.GameMode = 9;  // no preset: the scoring keys below are what loads
    written.Penalties = false;
    written.Points = false;
    written.PointsForWin = 21;
    written.PointsGapForWin = 5;
    written.PenaltiesForDisqualification = 6;
    written.PointsForHeadKick = 4;
    written.PointsForBodyKick = 3;
    written.PointsForKnockDown = 2;
    written.DefaultCameraAngle = 2;
    {
        PersistentObject profile("Profile");
        written.write(profile);
        profile.save(folder.file("profile.xml"));
    }
    PersistentObject profile;
    profile.load(folder.file("profile.xml"));
    Options loaded;
    loaded.read(profile);
    expectSameOptions(loaded, written);
}

TEST(OptionsFile, WritesEighteenValueChildrenInOrderReplacingOldOnes) {
    PersistentObject profile("Profile");
    profile.setText("Name", "Kim");
    Options options;
    options.write(profile);
    options.write(profile);
    std::string names;
    for (xercesc::DOMNode* n = profile.getElement()->getFirstChild(); n; n = n->getNextSibling()) {
        names += XercesUtils::toChar(n->getNodeName()) + " ";
        if (names != "Name ") {
            EXPECT_TRUE(static_cast<xercesc::DOMElement*>(n)->hasAttribute(u"value"));
        }
    }
    EXPECT_EQ(names,
              "Name FightVolume ArenaVolume Difficulty MinTapsToGetUp MaxTapsToGetUp KnockdownsMode "
              "DefaultController EnableRumble Penalties Points PointsForWin PointsGapForWin "
              "PenaltiesForDisqualification PointsForHeadKick PointsForBodyKick PointsForKnockDown GameMode "
              "DefaultCameraAngle ");
    EXPECT_EQ(profile.getString("FightVolume"), "100");
    EXPECT_EQ(profile.getString("EnableRumble"), "True");
}

TEST(OptionsFile, MissingKeysKeepEveryField) {
    Options loaded = readFrom(profileWith({}));
    expectSameOptions(loaded, Options());

    PersistentObject empty("Profile");
    Options changed;
    changed.setDifficulty(0);
    changed.PointsForWin = 77;
    changed.GameMode = 8;
    Options before = changed;
    changed.read(empty);
    expectSameOptions(changed, before);
}

TEST(OptionsFile, MalformedKeysKeepDefaultsAndLaterKeysStillRead) {
    Options loaded = readFrom(profileWith({{"FightVolume", "loud"},
                                           {"Difficulty", ""},
                                           {"EnableRumble", "yes"},
                                           {"PointsForWin", "99999999999"},
                                           {"DefaultCameraAngle", "2"}}));
    EXPECT_EQ(loaded.FightVolume, 1.0f);
    EXPECT_EQ(loaded.getDifficulty(), 1);
    EXPECT_TRUE(loaded.EnableRumble);
    EXPECT_EQ(loaded.PointsForWin, 100);
    EXPECT_EQ(loaded.DefaultCameraAngle, 2);
}

TEST(OptionsFile, VolumeIsStableAcrossLoadAndSave) {
    // Whole percentages are rounded when written, so a loaded 57 is saved as 57 again.
    PersistentObject profile = profileWith({{"FightVolume", "57"}, {"ArenaVolume", "56"}});
    Options options;
    for (int cycle = 0; cycle < 3; ++cycle) {
        options.read(profile);
        options.write(profile);
    }
    EXPECT_EQ(profile.getInt("FightVolume"), 57);
    EXPECT_EQ(profile.getInt("ArenaVolume"), 56);
    EXPECT_FLOAT_EQ(options.FightVolume, 0.57f);

    Options direct;
    direct.FightVolume = 0.57f;
    direct.ArenaVolume = 0.006f;
    direct.write(profile);
    EXPECT_EQ(profile.getInt("FightVolume"), 57);
    EXPECT_EQ(profile.getInt("ArenaVolume"), 1);
}

TEST(OptionsFile, VolumesOutOfRangeAreBroughtIntoRange) {
    Options loaded = readFrom(profileWith({{"FightVolume", "250"}, {"ArenaVolume", "-5"}}));
    EXPECT_EQ(loaded.FightVolume, 1.0f);
    EXPECT_EQ(loaded.ArenaVolume, 0.0f);
}

TEST(OptionsFile, DifficultyPresetThenStoredTaps) {
    Options preset = readFrom(profileWith({{"Difficulty", "2"}}));
    EXPECT_EQ(preset.MinTapsToGetUp, 19);
    EXPECT_EQ(preset.MaxTapsToGetUp, 74);
    Options stored = readFrom(profileWith({{"Difficulty", "2"}, {"MinTapsToGetUp", "30"}}));
    EXPECT_EQ(stored.MinTapsToGetUp, 30);
    EXPECT_EQ(stored.MaxTapsToGetUp, 74);
}

TEST(OptionsFile, TapCountsThatWouldBreakGettingUpAreCorrected) {
    Options zero = readFrom(profileWith({{"MinTapsToGetUp", "0"}, {"MaxTapsToGetUp", "-4"}}));
    EXPECT_EQ(zero.MinTapsToGetUp, 1);
    EXPECT_EQ(zero.MaxTapsToGetUp, 1);
    Options crossed = readFrom(profileWith({{"MinTapsToGetUp", "80"}, {"MaxTapsToGetUp", "60"}}));
    EXPECT_EQ(crossed.MinTapsToGetUp, 80);
    EXPECT_EQ(crossed.MaxTapsToGetUp, 80);
}

TEST(OptionsFile, KnownGameModeOverridesStoredScoring) {
    Options modeOne = readFrom(profileWith({{"PointsForWin", "50"}, {"Penalties", "False"}, {"GameMode", "1"}}));
    EXPECT_EQ(modeOne.PointsForWin, 12);
    EXPECT_TRUE(modeOne.Penalties);
    Options modeSeven = readFrom(profileWith({{"PointsForWin", "50"}, {"GameMode", "7"}}));
    EXPECT_EQ(modeSeven.PointsForWin, 50);
    EXPECT_EQ(modeSeven.getGameMode(), 7);
}
