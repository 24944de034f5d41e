// A battle on the small fighter files of the test support: both fighters on a flat mat in the
// first arena's places, with a sound scape that records the events the battle plays before it
// plays them as the game does (a test that loads samples into it hears them). The frame
// is the engine's step followed by the battle's, as the game runs them.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/SoundScape.h"
#include "fight/BattleInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "support/FighterTestFiles.h"

class RecordingSoundScape : public Tavek::SoundScape {
public:
    struct Played {
        std::string group, event;
        bool sideA;
        int frame;
    };
    void playEvent(const std::string& group, const std::string& event, bool sideA) override {
        played.push_back({group, event, sideA, vtFrameCount()});
        Tavek::SoundScape::playEvent(group, event, sideA);
    }
    void stopVoiceA() override {
        stoppedVoices += "A";
        Tavek::SoundScape::stopVoiceA();
    }
    void stopVoiceB() override {
        stoppedVoices += "B";
        Tavek::SoundScape::stopVoiceB();
    }

    std::vector<Played> played;
    std::string stoppedVoices;
};

class BattleOnTestFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("brennock-battle-" + std::to_string(getpid()));
        FighterTestFiles::write(folder.string());
        const auto arenas = folder / "Tavek_res" / "arenas";
        std::filesystem::copy_file(arenas / "testmat.ply", arenas / "mat_0.93.ply",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(arenas / "testmat.pol", arenas / "mat_0.93.pol",
                                   std::filesystem::copy_options::overwrite_existing);
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        battle = build();
    }
    void TearDown() override {
        battle.reset();
        vtReset();
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
    }

    // A battle with its arena built and a fight set up, its sounds recorded.
    std::unique_ptr<BattleInstance> build() {
        auto made = std::make_unique<BattleInstance>();
        made->buildArena(1);
        delete made->soundScape;
        sounds = new RecordingSoundScape();
        made->soundScape = sounds;
        for (FighterInstance* f : {&made->fighterA, &made->fighterB}) {
            f->soundGroup = f == &made->fighterA ? "calm" : "gruff";
            // Standing still costs no contacts: only strikes switch them on.
            for (int idle : {0, 1, 41, 42, 43, 44, 46, 47}) {
                f->actionParams[idle].healthDamage = 0.0f;
                f->actionParams[idle].balanceCost = 0.0f;
            }
        }
        made->setUp(1, 0, true, 0, 60.0f, true);
        return made;
    }

    void frame() {
        iVortaneMain();
        battle->stepPhysics();
    }

    // Puts one body's centre of mass on another's, for the next physics step.
    static void touch(uint32_t body, uint32_t target) {
        iVector3 p;
        iBodyLocationCM(target, &p);
        iBodyLocationSet(body, &p, 0);
    }

    std::filesystem::path folder, previousFolder;
    std::unique_ptr<BattleInstance> battle;
    RecordingSoundScape* sounds = nullptr;  // owned by the battle
};
