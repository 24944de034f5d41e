// The strike contacts between the two fighters and what a strike that touches is worth:
// guarded or blocked, points, balance and health, the push, the sounds and the attacker's log.
#include <algorithm>

#include "audio/SoundScape.h"
#include "fight/ActionIds.h"
#include "fight/BattleInstance.h"
#include "fight/LoadingProgress.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"

namespace {

// A trail of hits is kept only for a fighter driven from outside the battle in a networked
// match, which this game does not play; the mode is never set.
constexpr int RemotePlayMode = 5;

bool isStrikingPart(int part) {
    return part == 6 || part == 9 || part == 11 || part == 12 || part == 14 || part == 15;
}

bool isTargetPart(int part) { return part >= 0 && part <= 3; }

bool isStrikePair(int i, int j) {
    return (isStrikingPart(i) && isTargetPart(j)) || (isTargetPart(i) && isStrikingPart(j));
}

const ActionParams& paramsOf(const FighterInstance& fighter) {
    static const ActionParams none;
    int action = fighter.currentAction;
    if (action < 0 || action >= FighterInstance::ClipCount) return none;
    return fighter.actionParams[action];
}

bool listsPart(const ActionParams& params, int part) {
    return std::find(params.activeParts.begin(), params.activeParts.end(), part) !=
           params.activeParts.end();
}

bool isHandOrFoot(int part) { return part == 6 || part == 9 || part == 12 || part == 15; }

bool isPunch(int action) { return action >= 35 && action <= 37; }

// The abilities that let one action through a guard or a block and may sweep the defender.
bool sweepsThrough(const FighterInstance& attacker, int action) {
    const FighterAbilities& a = attacker.abilities;
    return (a.hasB(0x8) && action == 30) || (a.hasA(0x100000) && action == 25) ||
           (a.hasA(0x40000000) && action == 33) || (a.hasA(0x20000000) && action == 45) ||
           (a.hasA(0x800000) && action == 29);
}

}  // namespace

void BattleInstance::createContacts(LoadingProgress* progress, float from, float to) {
    destroyContacts();
    contactsEnabled = false;
    float value = from;
    const float step = (to - from) / 256.0f;
    for (int i = 0; i < PartCount; ++i) {
        for (int j = 0; j < PartCount; ++j) {
            uint32_t contact = 0;
            if (isStrikePair(i, j)) {
                contact = iBodyBodyCreate(fighterA.bodies[i], fighterB.bodies[j]);
                iBodyBodyRestitutionSet(contact, 0.5f);
                iBodyBodyFrictionSet(contact, 100.0f);
                iBodyBodyFeedbackEnable(contact, -1, -1, 1);
                iBodyBodyEnable(contact, 0);
            }
            contacts[i][j] = contact;
            value += step;
            reportProgress(progress, value);
        }
    }
    reportProgress(progress, to);
}

void BattleInstance::destroyContacts() {
    for (auto& row : contacts) {
        for (uint32_t& contact : row) {
            if (contact != 0) iBodyBodyDestroy(contact);
            contact = 0;
        }
    }
}

void BattleInstance::setContactsEnabled(bool enabled) {
    if (enabled == contactsEnabled) return;
    contactsEnabled = enabled;
    for (int i = 0; i < PartCount; ++i)
        for (int j = 0; j < PartCount; ++j)
            if (contacts[i][j] != 0 && isStrikePair(i, j)) iBodyBodyEnable(contacts[i][j], enabled ? 1 : 0);
}

void BattleInstance::pushStrike(FighterInstance* attacker, FighterInstance* defender, int defenderPart,
                                float push, const Vector3& direction, bool guarded, bool blocked) {
    if (guarded) push *= 0.5f;
    else if (blocked) push *= 0.05f;
    Vector3 force;
    iVectorLengthSet(&force, &direction, push);
    int attackerPriority = paramsOf(*attacker).priority;
    int defenderPriority = paramsOf(*defender).priority;
    if (attackerPriority > defenderPriority) {
        defender->knockDown(force, defenderPart);
    } else if (attackerPriority == defenderPriority) {
        // Both strike at once: the struck fighter's own kick gets a moment to land first.
        if (paramsOf(*defender).healthDamage > 0.0f) defender->scheduleKnockDown(force, defenderPart);
        else defender->knockDown(force, defenderPart);
    }
}

void BattleInstance::detectHits() {
    bool handled = false;
    for (int i = 0; i < PartCount && !handled; ++i) {
        for (int j = 0; j < PartCount && !handled; ++j) {
            uint32_t contact = contacts[i][j];
            if (contact == 0) continue;
            if (!listsPart(paramsOf(fighterA), i) && !listsPart(paramsOf(fighterB), j)) continue;
            iVector3 point, direction;
            if (iBodyBodyFeedback(contact, -1, -1, &point, &direction, 0, 0, 0, 0) == 0) continue;
            handled = true;

            float pushB = fighterB.strikeLanded ? 0.0f : paramsOf(fighterB).pushForce * 700.1f;
            float pushA = fighterA.strikeLanded ? 0.0f : paramsOf(fighterA).pushForce * 700.1f;
            if (!(isStrikingPart(i) && isTargetPart(j))) pushA = 0.0f;
            if (!(isStrikingPart(j) && isTargetPart(i))) pushB = 0.0f;
            if (pushB != 0.0f) fighterB.strikeLanded = true;
            if (pushA != 0.0f) fighterA.strikeLanded = true;

            const Vector3 none;
            if (pushB != 0.0f) {
                bool guarded = false, blocked = false;
                resolveHit(&fighterB, &fighterA, j, i, none, &guarded, &blocked);
                pushStrike(&fighterB, &fighterA, i, pushB, direction, guarded, blocked);
            }
            if (pushA != 0.0f) {
                bool guarded = false, blocked = false;
                resolveHit(&fighterA, &fighterB, i, j, none, &guarded, &blocked);
                pushStrike(&fighterA, &fighterB, j, -pushA, direction, guarded, blocked);
            }
        }
    }
    if (fighterA.movementMode == 5) fighterA.enableBodyFeedback(true);
    if (fighterB.movementMode == 5) fighterB.enableBodyFeedback(true);
}

HitKind BattleInstance::resolveHit(FighterInstance* attacker, FighterInstance* defender, int aPart,
                                   int dPart, const Vector3& push, bool* guarded, bool* blocked) {
    bool isGuarded = false;
    bool isBlocked = false;
    int points = 0;
    const int action = attacker->currentAction;
    const int defence = defender->currentAction;
    attacker->closeRangeStart = false;

    if (listsPart(paramsOf(*attacker), aPart) && isTargetPart(dPart)) {
        bool blocks = false;
        int value = trunkPointValue;
        switch (dPart) {
        case 3: blocks = defence == 39; value = headPointValue; break;
        case 1: blocks = defence == 40; break;
        case 2: blocks = defence == 40 || defence == 38; break;
        default: blocks = defence == 38; break;
        }
        if (blocks) isBlocked = true;
        else if (defender->generalBlocking) isGuarded = true;
        else if (isHandOrFoot(aPart)) points = value;
    }
    if (isPunch(action)) points = 0;

    HitKind kind = HitKind::Clean;
    if (isGuarded) kind = isActionGroup31to34or45(action) ? HitKind::Clean : HitKind::Guarded;
    else if (isBlocked) kind = HitKind::Blocked;

    const bool weakPunch = attacker->abilities.hasA(0x40) && isPunch(action) &&
                           attacker->health() <= attacker->maxHealth() * 0.5f;
    if (sweepsThrough(*attacker, action) || weakPunch) kind = HitKind::Clean;

    if (kind == HitKind::Clean) {
        attacker->matchPoints += points;
        attacker->lastPoints = points;
        attacker->justScored = 1;
        if (dPart == 3) attacker->headPoints += headPointValue;
        else if (dPart >= 0 && dPart <= 2) attacker->trunkPoints += trunkPointValue;
    }

    if (kind == HitKind::Blocked && defender->abilities.hasA(0x400000)) attacker->knockDown(push, aPart);

    const float q = attacker->queryAbility(action);
    float weight = 0.0f;
    if (kind == HitKind::Blocked) {
        weight = 0.95f;
        attacker->balance() -= 0.667f * q;
        defender->balance() += 1.333f * q;
        if (attacker->balance() < 0.001f) attacker->balance() = 0.001f;
    } else if (kind == HitKind::Guarded) {
        weight = 0.8f;
        defender->balance() += 0.667f * q;
        attacker->balance() -= 0.333f * q;
        if (attacker->balance() < 0.001f) attacker->balance() = 0.001f;
    } else {
        float d = balanceDamage(attacker, defender, 0.0f);
        defender->balance() -= d;
        if (defender->abilities.hasA(0x800)) defender->balance() += 0.2f * d;
    }

    if (sweepsThrough(*attacker, action) && crt::rand() / 32767.0 <= 0.1) {
        defender->knockedDown = 1;
        defender->balance() = 0.0f;
    }

    const float h = healthDamage(attacker, defender, weight);
    defender->health() -= h;
    if (attacker->abilities.hasA(0x400)) attacker->health() += 0.2f * h;
    attacker->clampLimits();
    defender->clampLimits();
    if (attacker == &fighterA) lastDamageByA = h;
    else lastDamageByB = h;

    const bool defenderIsA = defender == &fighterA;
    if (soundScape) {
        if (defenderIsA) soundScape->stopVoiceA();
        else soundScape->stopVoiceB();
        soundScape->playEvent("default", "kickConnected", defenderIsA);
        soundScape->playEvent(defender->soundGroup, h >= 0.08f ? "damageHigh" : "damageNormal", defenderIsA);
    }

    const int k = static_cast<int>(kind);
    attacker->recordActionStep(k == 0, k == 1, k == 2, points, 0);
    recordHitInformation(attacker, defender, kind, matchClock);
    if (guarded) *guarded = isGuarded;
    if (blocked) *blocked = isBlocked;
    return kind;
}

float BattleInstance::balanceDamage(FighterInstance* attacker, FighterInstance* defender, float w) {
    const int action = attacker->currentAction;
    const FighterAbilities& a = attacker->abilities;
    float m1 = a.hasA(0x2) && isActionGroup24_25_29_30_49(action) ? 1.15f : 1.0f;
    float m2 = a.hasA(0x8) && isActionGroup31to34or45(action) ? 1.15f : 1.0f;
    float m3 = a.hasA(0x20) && isActionGroup22_23_26_27_28_48(action) ? 1.15f : 1.0f;
    if (defender->abilities.hasA(0x80000) && isActionGroup31to34or45(action)) m3 *= 1.2f;
    float result = (paramsOf(*attacker).balanceDamage * m3 * m1 * m2 - paramsOf(*defender).blockFactor * w) * 0.2f;
    if (defender->abilities.hasA(0x10000)) result *= 0.9f;
    return result < 0.0f ? 0.0f : result;
}

float BattleInstance::healthDamage(FighterInstance* attacker, FighterInstance* defender, float w) {
    const int action = attacker->currentAction;
    const FighterAbilities& a = attacker->abilities;
    float m = 1.0f;
    if (a.hasA(0x1) && isActionGroup24_25_29_30_49(action)) m = 1.15f;
    if (a.hasA(0x200) && isActionGroup31to34or45(action)) m = 1.15f;
    if (a.hasA(0x10) && isActionGroup31to34or45(action)) m = 1.15f;
    if (defender->abilities.hasA(0x80000) && isActionGroup31to34or45(action)) m *= 1.2f;
    float result = (paramsOf(*attacker).healthDamage * m - paramsOf(*defender).blockFactor * w) * 0.07f;
    if (defender->abilities.hasA(0x1000000)) result *= 0.9f;
    return result < 0.0f ? 0.0f : result;
}

void BattleInstance::recordHitInformation(FighterInstance* attacker, FighterInstance* defender,
                                          HitKind kind, float clock) {
    if (battleMode != RemotePlayMode || !attacker->externallyDriven) return;
    hitLog.emplace_back(attacker->balance(), attacker->health(), defender->balance(), defender->health(),
                        defender->knockedDown != 0, static_cast<int>(kind), clock);
}

void BattleInstance::pruneHitInformation() {
    hitLog.erase(std::remove_if(hitLog.begin(), hitLog.end(),
                                [this](const HitInformation& hit) { return hit.getValue4() - matchClock > 0.5f; }),
                 hitLog.end());
}
