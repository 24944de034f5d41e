// What one strike did: how it landed and where both fighters stood afterwards, with the match
// clock of the moment. The battle keeps a short trail of them, half a second long.
#pragma once

// How a strike landed.
enum class HitKind : int {
    Clean = 0,    // it went through (it may still be worth no points)
    Guarded = 1,  // the defender held a general guard
    Blocked = 2,  // the defender's action blocks the struck part
};

class HitInformation {
public:
    HitInformation() = default;
    HitInformation(float attackerBalance, float attackerHealth, float defenderBalance,
                   float defenderHealth, bool defenderKnockedDown, int kind, float clock)
        : value0(attackerBalance), value1(attackerHealth), value2(defenderBalance),
          value3(defenderHealth), flag(defenderKnockedDown), kind(kind), value4(clock) {}
    virtual ~HitInformation() = default;
    HitInformation(const HitInformation&) = default;
    HitInformation& operator=(const HitInformation&) = default;

    virtual float getValue0() const { return value0; }  // the attacker's balance after the hit
    virtual float getValue1() const { return value1; }  // the attacker's health
    virtual float getValue2() const { return value2; }  // the defender's balance
    virtual float getValue3() const { return value3; }  // the defender's health
    virtual bool getFlag() const { return flag; }       // the defender was knocked down
    virtual int getKind() const { return kind; }        // a HitKind value
    virtual float getValue4() const { return value4; }  // the match clock of the hit

private:
    float value0 = 0.0f;
    float value1 = 0.0f;
    float value2 = 0.0f;
    float value3 = 0.0f;
    bool flag = false;
    int kind = 0;
    float value4 = 0.0f;
};
