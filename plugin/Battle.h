// A physics test scene: two ragdoll fighters in the first arena, each driven by keys, with the
// fighters' values and a frame counter on screen. Nothing in the plug-in makes one; a screen
// that links it (BattleLink) ticks it and destroys it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "math/Vector3.h"
#include "plugin/BattleEH.h"

namespace Vortane {

class TestFighter;

class Battle : public BattleEH {
public:
    static constexpr int ArenaMeshCount = 51;
    static constexpr int LightMapCount = 4;

    // camera: the plug-in's camera, placed to look at the mat.
    explicit Battle(uint32_t camera);
    ~Battle() override;
    Battle(const Battle&) = delete;
    Battle& operator=(const Battle&) = delete;

    virtual void tick();
    void onFighterHit(int fighter) override;
    void onActionEnded(int fighter) override;

    TestFighter& getFighter(int index) const { return *fighters_.at(static_cast<size_t>(index)); }
    float getElapsed() const { return elapsed_; }
    bool areArenaMeshesShown() const { return arenaShown_; }
    uint32_t getLoadingSprite() const { return loading_; }
    uint32_t getArenaBody() const { return arenaBody_; }
    const std::vector<uint32_t>& getArenaMeshes() const { return arenaMeshes_; }
    const std::vector<uint32_t>& getLightMaps() const { return lightMaps_; }
    uint32_t getFont() const { return font_; }
    // What the fighters reported: hits taken and actions ended, by fighter.
    int getHits(int fighter) const { return hits_.at(static_cast<size_t>(fighter)); }
    int getActionsEnded(int fighter) const { return actionsEnded_.at(static_cast<size_t>(fighter)); }

private:
    void buildArena();
    void makeContactPairs();
    void testContacts();
    void printTexts();

    uint32_t camera_;
    uint32_t font_ = 0;
    uint32_t loading_ = 0;
    uint32_t arenaBody_ = 0;
    std::vector<uint32_t> arenaMeshes_;
    std::vector<uint32_t> lightMaps_;
    std::array<std::unique_ptr<TestFighter>, 2> fighters_;
    std::vector<uint32_t> pairs_;
    float elapsed_ = 0.0f;
    bool arenaShown_ = true;
    std::array<int, 2> hits_{};
    std::array<int, 2> actionsEnded_{};
};

}  // namespace Vortane
