// A fighter record turned into a fighter's numbers and look (EnemyFighterState::applyToInstance).
#include <algorithm>
#include <cmath>

#include "fight/ActionIds.h"
#include "fight/FighterInstance.h"
#include "math/Numeric.h"
#include "state/EnemyFighterState.h"

namespace {

// The strong and the soft growth curve of a stat, in 32-bit float throughout.
float strongCurve(int s) {
    return powf(1.06f, static_cast<float>(s) / 5.0f) / 3.0f;
}

float softCurve(int s) {
    return powf(1.04f, static_cast<float>(s) / 5.0f) / 3.0f;
}

// A negative stat from a hand-edited file counts as 0 rather than giving NaN.
float speedFromStat(int s) {
    return sqrtf(std::max(0.0f, static_cast<float>(s) * 1.4f)) / 20.0f + 0.5f;
}

struct KickFactors {
    float power, disruption, speed, mobility;
};

int familyOf(int action) {
    using Tavek::EnemyFighterState;
    if (isRoundhouseKick(action)) return EnemyFighterState::RoundhouseKick;
    if (isHookKick(action)) return EnemyFighterState::HookKick;
    if (isAxeOrPushKick(action)) return EnemyFighterState::AxeKickAndPushKick;
    if (isBackKick(action)) return EnemyFighterState::BackKick;
    return -1;
}

void setKick(ActionParams& p, const KickFactors& f, float cost) {
    p.healthDamage = f.power;
    p.balanceDamage = f.disruption;
    p.animationSpeed = f.speed;
    p.advanceSpeed = f.mobility;
    p.balanceCost = cost;
    p.blockFactor = 0.0f;
    p.activeParts[0] = 11;
    p.activeParts[1] = 12;
    p.activeParts[2] = 14;
    p.activeParts[3] = 15;
}

// Per-action changes after the group values: health, speed, balance and advance factors,
// a priority (-1 keeps it) and a balance cost (negative keeps it).
struct ActionTweak {
    int action;
    float health, speed, balanceDamage, advance;
    int priority;
    float cost;
};

const ActionTweak kTweaks[] = {
    {22, 0.5f, 1.5f, 0.05f, 1.4f, -1, -1},
    {23, 0.4f, 1.65f, 0.05f, 1.3f, -1, -1},
    {48, 0.45f, 1.6f, 0.03f, 1.4f, -1, -1},
    {24, 1.0f, 1.3f, 0.15f, 1.1f, 1, -1},
    {31, 0.9f, 1.6f, 0.2f, 1.0f, 1, 0.1f},
    {32, 0.8f, 1.6f, 0.2f, 1.1f, 1, 0.1f},
    {25, 1.2f, 1.35f, 1.2f, 1.1f, 1, 0.13f},
    {27, 0.8f, 1.3f, 0.6f, 1.2f, 1, 0.1f},
    {28, 0.6f, 1.4f, 0.6f, 0.7f, -1, -1},
    {49, 1.0f, 1.45f, 1.0f, 1.15f, -1, 0.15f},
    {26, 1.2f, 1.3f, 1.3f, 1.1f, 2, -1},
    {30, 1.2f, 1.2f, 1.4f, 0.8f, 2, 0.1f},
    {33, 1.3f, 1.5f, 1.8f, 1.0f, 2, 0.3f},
    {29, 1.6f, 1.4f, 1.2f, 0.6f, 2, 0.15f},
    {34, 1.2f, 1.5f, 1.0f, 0.8f, 2, 0.3f},
    {45, 1.4f, 1.7f, 1.5f, 0.8f, 2, 0.3f},
};

}  // namespace

namespace Tavek {

bool EnemyFighterState::reachesLevel16(int value, bool bonus) {
    return value >= 16 || (bonus && value * static_cast<double>(1.3f) >= 16.0);
}

bool EnemyFighterState::reachesLevel32(int value, bool bonus) {
    return value >= 32 || (bonus && value * static_cast<double>(1.3f) >= 32.0);
}

void EnemyFighterState::applyToInstance(FighterInstance& fighter, int corner,
                                        LoadingProgress* progress, float from, float to) {
    const FighterAbilities& a = abilities;
    fighter.name = name;
    fighter.abilities.assign(a);
    fighter.soundGroup = SoundGroup;

    const bool rightStance = !Stance.empty() && Stance[0] == 'R';
    fighter.combos[0].assign(combos[rightStance ? 0 : 1]);
    fighter.combos[1].assign(combos[rightStance ? 1 : 0]);

    auto& stats = fighter.stats;
    float stamina = strongCurve(Stamina) * (a.hasB(0x1) ? 1.2f : 1.0f);
    stats[0] = stats[1] = stats[2] = stamina;
    float training = strongCurve(Training) * (a.hasB(0x2) ? 1.2f : 1.0f);
    stats[3] = stats[4] = stats[5] = training;
    const float defense = strongCurve(Defense);
    stats[6] = defense;
    stats[7] = speedFromStat(Agility);
    stats[8] = speedFromStat(Footwork);

    fighter.isMale = !Gender.empty() && Gender[0] == 'M';

    KickFactors family[KickFamilyCount];
    KickFactors average{0, 0, 0, 0};
    for (int f = 0; f < KickFamilyCount; ++f) {
        family[f] = {strongCurve(kicks[f].Power), strongCurve(kicks[f].Disruption),
                     softCurve(kicks[f].Speed), softCurve(kicks[f].Mobility)};
        average.power += family[f].power;
        average.disruption += family[f].disruption;
        average.speed += family[f].speed;
        average.mobility += family[f].mobility;
    }
    average.power *= 0.25f;
    average.disruption *= 0.25f;
    average.speed *= 0.25f;
    average.mobility *= 0.25f;

    stats[9] = stats[10] = powf(0.96f, roundToInt(average.speed));

    fighter.setUpBodyMeshes(BodyType, progress, from, to);
    fighter.applySkinTexture(Look);
    fighter.applyProtectionTexture(corner, std::min(getBeltClass(), 5));

    const float footwork = softCurve(Footwork);
    const float blockGuard = powf(1.06f, static_cast<float>(Defense)) / 3.0f;
    for (int action = 0; action < FighterInstance::ClipCount; ++action) {
        ActionParams& p = fighter.actionParams[action];
        const int f = familyOf(action);
        if (action == 46) {
            continue;
        } else if (isActionGroupIdle(action) || action == 2 || action == 3 ||
                   (action >= 13 && action <= 15)) {
            p.healthDamage = p.balanceDamage = p.advanceSpeed = p.balanceCost = 0.0f;
            p.animationSpeed = 0.333f;
            p.blockFactor = defense;
        } else if ((action >= 4 && action <= 12) || (action >= 16 && action <= 21)) {
            p.healthDamage = p.balanceDamage = p.balanceCost = p.blockFactor = 0.0f;
            p.animationSpeed = p.advanceSpeed = footwork;
        } else if (f >= 0) {
            float cost = (f == RoundhouseKick || f == AxeKickAndPushKick) ? 0.05f : 0.1f;
            setKick(p, family[f], cost);
        } else if (action >= 35 && action <= 37) {
            p.healthDamage = average.power;
            p.balanceDamage = average.disruption;
            p.animationSpeed = average.speed;
            p.advanceSpeed = average.mobility;
            p.balanceCost = 0.01f;
            p.blockFactor = 0.0f;
            p.activeParts[0] = 6;
            p.activeParts[1] = 9;
        } else if (action >= 38 && action <= 40) {
            p.healthDamage = p.balanceDamage = p.advanceSpeed = p.balanceCost = 0.0f;
            p.animationSpeed = 0.633f;
            p.blockFactor = blockGuard;
        }

        if (action == 3) p.animationSpeed *= 1.5f;
        if (action == 15) p.animationSpeed *= 2.5f;
        if (action == 47) p.animationSpeed = 1.0f;
        if (action >= 41 && action <= 44) p.animationSpeed = stats[8] * 3.0f * 0.333f;
        if (action >= 16 && action <= 19) p.animationSpeed *= 2.0f;
        for (const ActionTweak& t : kTweaks) {
            if (t.action != action) continue;
            p.healthDamage *= t.health;
            p.animationSpeed *= t.speed;
            p.balanceDamage *= t.balanceDamage;
            p.advanceSpeed *= t.advance;
            if (t.priority >= 0) p.priority = t.priority;
            if (t.cost >= 0.0f) p.balanceCost = t.cost;
        }
    }

    int allKicks = 0;
    for (const KickStats& k : kicks) allKicks += k.Power + k.Disruption + k.Speed + k.Mobility;
    for (int action = 0; action < FighterInstance::ClipCount; ++action) {
        const int f = familyOf(action);
        if (f >= 0) {
            const KickStats& k = kicks[f];
            applyKickModifiers(fighter, (k.Power + k.Disruption + k.Speed + k.Mobility) / 5, action);
        } else if (isActionGroup35to37(action)) {
            applyKickModifiers(fighter, static_cast<int>(allKicks / 5.0) / 4, action);
        }
    }
}

void EnemyFighterState::applyKickModifiers(FighterInstance& fighter, int level, int action) {
    if (action < 0 || action >= FighterInstance::ClipCount) return;
    const FighterAbilities& a = abilities;
    ActionParams& p = fighter.actionParams[action];
    const bool advanced = reachesLevel16(level, a.hasA(0x4000000));
    const bool jumping = reachesLevel32(level, a.hasA(0x8000000));
    if (isActionGroup24_25_29_30_49(action)) {
        p.available = advanced ? 1 : 0;
    } else if (isActionGroup31to34or45(action)) {
        p.available = jumping ? 1 : 0;
        if (a.hasA(0x10000000)) {
            p.healthDamage *= 0.667f;
            p.balanceDamage *= 1.5f;
        }
    }
    const bool slower = (a.hasB(0x8) && action == 30) || (a.hasA(0x100000) && action == 25) ||
                        (a.hasA(0x40000000) && action == 33) ||
                        (a.hasA(0x20000000) && action == 45) || (a.hasA(0x800000) && action == 29);
    if (slower) p.animationSpeed *= 0.75f;
}

}  // namespace Tavek
