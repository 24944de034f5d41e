// A battle stand-in for fighter tests: it answers with a bare opponent standing in the other
// corner, records the sounds and contact switches the fighter asks for, and pulls a lying
// fighter down as the battle does.
#pragma once

#include <string>
#include <vector>

#include "fight/BattleInstanceEH.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "fight/FighterInstance.h"

class RecordingBattle : public BattleInstanceEH {
public:
    struct Sound {
        std::string event, key;
    };

    RecordingBattle() { opponent.location = Vector3(-2.0f, 0.65f, 0.0f); }

    FighterInstance* getOpponent(FighterInstance*) override { return &opponent; }
    void playFighterSound(const std::string& event, FighterInstance*, const std::string& key) override {
        sounds.push_back({event, key});
    }
    void setContactsEnabled(bool enabled) override { contactSwitches.push_back(enabled); }
    void applyGravity(FighterInstance* fighter) override {
        const iVector3 pull{0.0f, -9.80665f, 0.0f};
        for (uint32_t body : fighter->bodies) iBodyAccelerationApply(body, &pull);
    }
    bool isRunning() override { return running; }
    int getRound() override { return round; }
    bool isFightMode() override { return fightMode; }

    FighterInstance opponent;
    std::vector<Sound> sounds;
    std::vector<bool> contactSwitches;
    bool running = true;
    bool fightMode = true;
    int round = 1;
};
