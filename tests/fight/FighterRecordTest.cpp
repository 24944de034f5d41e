// The fighter record: its texts and averages, its file form, and opponents made from templates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "persistence/ElementNotFoundException.h"
#include "persistence/PersistentObject.h"
#include "platform/win32/crt.h"
#include "platform/win32/hostpath.h"
#include "state/EnemyFighterState.h"

using Tavek::EnemyFighterState;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(hostPath(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(hostPath(path), std::ios::binary | std::ios::trunc);
    out << text;
}

// A fighter file with every key, in the child and text shapes the game writes.
std::string fighterXml(bool withAge, const std::string& rank) {
    std::string xml = "<?xml version=\"1.0\"?>\n<Fighter name=\"Oskar Varn\">\n";
    if (withAge) xml += "  <Age value=\"31\"/>\n";
    xml +=
        "  <BodyType value=\"6\"/>\n  <Gender>F</Gender>\n  <KickPoints value=\"120\"/>\n"
        "  <Look value=\"14\"/>\n  <School>Kettle Hill</School>\n  <Stance>R</Stance>\n"
        "  <StatPoints value=\"150\"/>\n  <Rank value=\"" + rank + "\"/>\n"
        "  <Stamina value=\"11\"/>\n  <Training value=\"12\"/>\n  <Defense value=\"13\"/>\n"
        "  <Agility value=\"14\"/>\n  <Footwork value=\"15\"/>\n"
        "  <HookKickSpeed value=\"21\"/>\n  <BackKickMobility value=\"22\"/>\n"
        "  <Abilities>GIQU9</Abilities>\n  <AIModule>ai_tiger</AIModule>\n"
        "  <AILearnSpeed value=\"0.25\"/>\n  <SoundGroup>female.orig</SoundGroup>\n"
        "</Fighter>\n";
    return xml;
}

class FighterRecordFile : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& p : paths_) std::remove(hostPath(p).c_str());
    }
    std::string path(const std::string& name) {
        const std::string p = ::testing::UnitTest::GetInstance()->current_test_info()->name() + ("_" + name);
        paths_.push_back(p);
        return p;
    }
    // A record loaded from a file the way the player's fighters are.
    static void load(EnemyFighterState& record, const std::string& file) {
        record.getNode()->load(file);
        record.read();
    }

private:
    std::vector<std::string> paths_;
};

}  // namespace

TEST(FighterRecordDefaults, NewRecord) {
    EnemyFighterState r;
    EXPECT_TRUE(r.abilities.ids().empty());
    EXPECT_FALSE(r.isPersistent());
    EXPECT_EQ(r.getNode(), nullptr);
    EXPECT_TRUE(r.isValid());
    // A record held in memory only ignores read and write.
    r.Age = 29;
    r.read();
    r.write(true, 0);
    r.write(false, 0);
    EXPECT_EQ(r.Age, 29);
    EXPECT_EQ(r.getNode(), nullptr);
}

TEST(FighterRecordText, NamesSplitAtTheLastBlank) {
    EnemyFighterState r;
    r.name = "Anna Lise Brandt";
    EXPECT_EQ(r.getFirstName(), "Anna Lise");
    EXPECT_EQ(r.getLastName(), "Brandt");
    r.name = "Brandt";
    EXPECT_EQ(r.getFirstName(), "Brandt");
    EXPECT_EQ(r.getLastName(), "");
    r.name = "";
    EXPECT_EQ(r.getFirstName(), "");
    EXPECT_EQ(r.getLastName(), "");
    r.displayName = "The Champion";
    EXPECT_EQ(r.getName(), "The Champion");
}

TEST(FighterRecordText, RanksBeltsAndGender) {
    const char* texts[] = {"Yellow", "Green", "Blue", "Red", "1st Dan", "2nd Dan", "3rd Dan", "4th Dan"};
    const int belts[] = {1, 2, 3, 4, 5, 5, 5, 5};
    EnemyFighterState r;
    for (int rank = 0; rank < 8; ++rank) {
        r.Rank = rank;
        EXPECT_EQ(r.getRankText(), texts[rank]);
        EXPECT_EQ(r.getBeltClass(), belts[rank]);
        EXPECT_EQ(r.getRank(), rank);
    }
    r.Rank = 9;
    EXPECT_EQ(r.getRankText(), "4th Dan");
    r.Rank = -1;
    EXPECT_EQ(r.getRankText(), "4th Dan");
    EXPECT_EQ(r.getBeltClass(), 5);
    // Male only for a capital M.
    EXPECT_EQ(r.getGenderText(), "Male");
    for (const char* g : {"m", "Male", "F", ""}) {
        r.Gender = g;
        EXPECT_EQ(r.getGenderText(), "Female") << g;
    }
}


TEST(FighterRecordText, AveragesAndBudgets) {
    EnemyFighterState r;
    const int powers[] = {10, 20, 30, 45};
    for (int f = 0; f < 4; ++f) {
        r.kicks[f].Power = powers[f];
        r.kicks[f].Disruption = f;
        r.kicks[f].Speed = 2 * f + 1;
        r.kicks[f].Mobility = 1000;
    }
    EXPECT_FLOAT_EQ(r.getAveragePower(), 26.25f);
    EXPECT_FLOAT_EQ(r.getAverageDisruption(), 1.5f);
    EXPECT_FLOAT_EQ(r.getAverageSpeed(), 4.0f);
    r.KickPoints = 100;
    EXPECT_EQ(r.getUnspentKickPoints(), -5);
    r.StatPoints = 52;
    r.Stamina = r.Training = r.Defense = r.Agility = r.Footwork = 10;
    EXPECT_EQ(r.getUnspentStatPoints(), 2);
}

TEST(FighterRecordText, VoiceAndLookFollowTheGender) {
    EnemyFighterState r;
    crt::srand(1);  // first draw 41: the lowest voice and look
    r.pickRandomLookId();
    EXPECT_EQ(r.SoundGroup, "male.zov");
    crt::srand(1);
    r.pickRandomLook();
    EXPECT_EQ(r.Look, 0);
    crt::srand(1);  // second draw 18467: look 6
    crt::rand();
    r.pickRandomLook();
    EXPECT_EQ(r.Look, 6);
    r.Gender = "m";
    crt::srand(1);
    r.pickRandomLookId();
    crt::srand(1);
    r.pickRandomLook();
    EXPECT_EQ(r.SoundGroup, "female.quenra");
    EXPECT_EQ(r.Look, 12);
    std::vector<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        r.pickRandomLookId();
        r.pickRandomLook();
        EXPECT_TRUE(r.SoundGroup == "female.quenra" || r.SoundGroup == "female.lodrevi" ||
                    r.SoundGroup == "female.orig")
            << r.SoundGroup;
        EXPECT_GE(r.Look, 12);
        EXPECT_LE(r.Look, 23);
        if (std::find(seen.begin(), seen.end(), r.SoundGroup) == seen.end()) seen.push_back(r.SoundGroup);
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(FighterRecordFile, RoundTrip) {
    const std::string file = path("fighter.xml");
    {
        EnemyFighterState r("Fighter", nullptr);
        r.Age = 27;
        r.Gender = "F";
        r.KickPoints = 180;
        r.Look = 19;
        r.name = "Mira Tolland";
        r.School = "North Gate";
        r.Stance = "R";
        r.StatPoints = 240;
        r.BodyType = 4;
        r.Rank = 6;
        r.Stamina = 41;
        r.Training = 42;
        r.Defense = 43;
        r.Agility = 44;
        r.Footwork = 45;
        for (int f = 0; f < 4; ++f) r.kicks[f] = {10 + f, 20 + f, 30 + f, 40 + f};
        r.abilities.fromString("PK9O3");
        r.AIModule = "ai_crane";
        r.AILearnSpeed = 0.37f;
        r.SoundGroup = "female.lodrevi";
        r.displayName = "not stored";
        r.write(true, 0);
        r.getNode()->save(file);
    }
    const std::string text = readFile(file);
    EXPECT_NE(text.find("name=\"Mira Tolland\""), std::string::npos) << text;
    EXPECT_NE(text.find("<BackKickMobility value=\"43\""), std::string::npos) << text;
    EXPECT_NE(text.find("<AILearnSpeed value=\"0x3EBD70A4\""), std::string::npos) << text;
    EXPECT_NE(text.find(">PK9O3</Abilities>"), std::string::npos) << text;
    EXPECT_EQ(text.find("not stored"), std::string::npos);

    EnemyFighterState back("Fighter", nullptr);
    load(back, file);
    EXPECT_EQ(back.Age, 27);
    EXPECT_EQ(back.Gender, "F");
    EXPECT_EQ(back.KickPoints, 180);
    EXPECT_EQ(back.Look, 19);
    EXPECT_EQ(back.name, "Mira Tolland");
    EXPECT_EQ(back.School, "North Gate");
    EXPECT_EQ(back.Stance, "R");
    EXPECT_EQ(back.StatPoints, 240);
    EXPECT_EQ(back.BodyType, 4);
    EXPECT_EQ(back.Rank, 6);
    EXPECT_EQ(back.Stamina + back.Training + back.Defense + back.Agility + back.Footwork, 215);
    EXPECT_EQ(back.Footwork, 45);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(back.kicks[f].Power, 10 + f);
        EXPECT_EQ(back.kicks[f].Disruption, 20 + f);
        EXPECT_EQ(back.kicks[f].Speed, 30 + f);
        EXPECT_EQ(back.kicks[f].Mobility, 40 + f);
    }
    EXPECT_EQ(back.abilities.toString(), "PK9O3");
    EXPECT_TRUE(back.abilities.hasA(0x10000000));
    EXPECT_EQ(back.AIModule, "ai_crane");
    EXPECT_EQ(back.AILearnSpeed, 0.37f);
    EXPECT_EQ(back.SoundGroup, "female.lodrevi");
    EXPECT_EQ(back.displayName, "");

    // A list of abilities longer than five survives a save too.
    const std::string longText = "0123456789ABCDEFGHIJKLMNOPQRSTUVWX0123456789";
    back.abilities.fromString(longText);
    back.write(true, 0);
    const std::string again = path("abilities_again.xml");
    back.getNode()->save(again);
    EnemyFighterState longer("Fighter", nullptr);
    load(longer, again);
    EXPECT_EQ(longer.abilities.ids().size(), longText.size());
    EXPECT_EQ(longer.abilities.toString(), longText);
}

TEST_F(FighterRecordFile, MissingOrMalformedKeyCostsOnlyThatKey) {
    // One bad key must not lose the rest of the fighter: the next save would write the
    // defaults over the file.
    const std::string noAge = path("no_age.xml");
    writeFile(noAge, fighterXml(false, "3"));
    EnemyFighterState r("Fighter", nullptr);
    load(r, noAge);
    EXPECT_EQ(r.Age, 18);
    EXPECT_EQ(r.BodyType, 6);
    EXPECT_EQ(r.Gender, "F");
    EXPECT_EQ(r.name, "Oskar Varn");
    EXPECT_EQ(r.Rank, 3);
    EXPECT_EQ(r.SoundGroup, "female.orig");
    EXPECT_EQ(r.abilities.toString(), "GIQU9");

    const std::string badRank = path("bad_rank.xml");
    writeFile(badRank, fighterXml(true, "Black"));
    EnemyFighterState b("Fighter", nullptr);
    load(b, badRank);
    EXPECT_EQ(b.Rank, 4);
    EXPECT_EQ(b.Age, 31);
    EXPECT_EQ(b.Stamina, 11);
    EXPECT_EQ(b.Footwork, 15);
    EXPECT_EQ(b.kicks[EnemyFighterState::HookKick].Speed, 21);
    EXPECT_EQ(b.kicks[EnemyFighterState::BackKick].Mobility, 22);
    EXPECT_EQ(b.kicks[EnemyFighterState::RoundhouseKick].Power, 0) << "absent: default kept";
    EXPECT_EQ(b.AIModule, "ai_tiger");
    EXPECT_EQ(b.AILearnSpeed, 0.25f);
    EXPECT_EQ(b.School, "Kettle Hill");
    EXPECT_EQ(b.Stance, "R");
    EXPECT_EQ(b.Look, 14);
}

TEST_F(FighterRecordFile, WriteFalseEmptiesAndWriteTrueRestores) {
    const std::string file = path("emptied.xml");
    EnemyFighterState r("Fighter", nullptr);
    r.name = "Ulla Senn";
    r.Age = 40;
    r.write(true, 0);
    r.write(false, 0);
    r.getNode()->save(file);
    EnemyFighterState emptied("Fighter", nullptr);
    load(emptied, file);
    EXPECT_EQ(emptied.name, "Ulla Senn") << "the name attribute stays";
    EXPECT_EQ(emptied.Age, 18);
    EXPECT_EQ(readFile(file).find("<Age"), std::string::npos);

    r.write(true, 0);
    r.write(true, 0);  // writing twice replaces, never duplicates
    r.getNode()->save(file);
    const std::string text = readFile(file);
    EXPECT_NE(text.find("<Age value=\"40\""), std::string::npos);
    EXPECT_EQ(text.find("<Age", text.find("<Age") + 1), std::string::npos);
    EnemyFighterState back("Fighter", nullptr);
    load(back, file);
    EXPECT_EQ(back.Age, 40);
}

TEST(FighterRecordParent, ReadFindsTheElementUnderItsParent) {
    PersistentObject root("Tournament");
    EnemyFighterState first("Opponent", &root);
    EnemyFighterState second("Opponent", &root);
    first.Age = 33;
    first.write(true, 0);
    second.Age = 44;
    second.write(true, 0);
    // Both elements are named alike: reading under the parent finds the first one.
    EnemyFighterState reader("Opponent", &root);
    reader.read();
    EXPECT_EQ(reader.Age, 33);

    PersistentObject secondView = root.getChildren("Opponent").at(1);
    EnemyFighterState byNode("Opponent", &root);
    byNode.read(&secondView);
    EXPECT_EQ(byNode.Age, 44);
    EXPECT_EQ(byNode.getNode(), &secondView);

    PersistentObject emptyRoot("Tournament");
    EnemyFighterState orphan("Opponent", &emptyRoot);
    emptyRoot.removeChildren();
    EXPECT_THROW(orphan.read(), ElementNotFoundException);
}

namespace {

void expectKicksEqual(const EnemyFighterState& r, const int (&powers)[4]) {
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(r.kicks[f].Power, powers[f]) << EnemyFighterState::kickFamilyName(f);
        EXPECT_EQ(r.kicks[f].Disruption, powers[f]);
        EXPECT_EQ(r.kicks[f].Speed, powers[f]);
        EXPECT_EQ(r.kicks[f].Mobility, powers[f]);
    }
}

}  // namespace

TEST(FighterRecordRandom, SeededOpponentsFromTemplates) {
    // A template as the tournament keeps them, a seed and a difficulty, and the opponent they make.
    struct Case {
        int statPoints, kickPoints;
        const char* gender;
        int body, rank;
        uint32_t seed;
        float difficulty;
        int draws;  // r, a, b, four + three shuffle draws, s, voice, look; no shuffle without favourites
        int stats, kicks;
        int stamina, training, defense, agility, footwork;
        int kickPowers[4];
        const char* voice;
        int look;
    };
    const Case cases[] = {
        // Three stats favoured (Footwork, Training, Agility after the shuffle), two kick families.
        {200, 150, "F", 3, 2, 2, 1.25f, 13, 245, 182, 40, 54, 40, 54, 54, {40, 40, 50, 50}, "female.orig", 16},
        {300, 220, "M", 7, 5, 12345, 0.8f, 13, 237, 173, 57, 40, 40, 57, 40, {36, 49, 36, 49}, "male.orig", 7},
        // No favoured stats: an even share.
        {50, 40, "M", 1, 0, 7036, 1.0f, 9, 52, 42, 10, 10, 10, 10, 10, {9, 9, 9, 12}, nullptr, -1},
        // Difficulty 0 leaves only the random offset, here -4: an opponent with negative stats
        // would break the fighter's growth curves, so it gets empty budgets instead.
        {100, 100, "M", 1, 0, 1, 0.0f, -1, 0, 0, 0, 0, 0, 0, 0, {0, 0, 0, 0}, "male.ferdolan", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        EnemyFighterState t;
        t.StatPoints = c.statPoints;
        t.KickPoints = c.kickPoints;
        t.Gender = c.gender;
        t.BodyType = c.body;
        t.Rank = c.rank;
        t.Stance = "L";
        EnemyFighterState r;
        r.Age = 25;
        r.name = "Kept Name";
        r.School = "Kept School";
        r.AIModule = "ai_kept";
        r.AILearnSpeed = 0.5f;
        r.abilities.fromString("PK9O3");
        int next = 0;
        if (c.draws >= 0) {
            crt::srand(c.seed);
            for (int i = 0; i < c.draws; ++i) crt::rand();
            next = crt::rand();
        }
        crt::srand(c.seed);
        r.randomizeFrom(t, c.difficulty);
        if (c.draws >= 0) {
            EXPECT_EQ(crt::rand(), next) << "draws taken";
        }
        EXPECT_EQ(r.StatPoints, c.stats);
        EXPECT_EQ(r.KickPoints, c.kicks);
        EXPECT_EQ(r.Stamina, c.stamina);
        EXPECT_EQ(r.Training, c.training);
        EXPECT_EQ(r.Defense, c.defense);
        EXPECT_EQ(r.Agility, c.agility);
        EXPECT_EQ(r.Footwork, c.footwork);
        expectKicksEqual(r, c.kickPowers);
        if (c.voice) {
            EXPECT_EQ(r.SoundGroup, c.voice);
        }
        if (c.look >= 0) {
            EXPECT_EQ(r.Look, c.look);
        }
        EXPECT_EQ(r.Gender, c.gender);
        EXPECT_EQ(r.BodyType, c.body);
        EXPECT_EQ(r.Rank, c.rank);
        // What makes the fighter a person is kept.
        EXPECT_EQ(r.Age, 25);
        EXPECT_EQ(r.name, "Kept Name");
        EXPECT_EQ(r.School, "Kept School");
        EXPECT_EQ(r.AIModule, "ai_kept");
        EXPECT_EQ(r.AILearnSpeed, 0.5f);
        EXPECT_EQ(r.abilities.toString(), "PK9O3");
        if (c.seed == 2) {
            EXPECT_EQ(r.Stance, "R");
        }
        if (c.seed == 7036) {
            EXPECT_EQ(r.getUnspentStatPoints(), 2);
        }
    }
}
