// One fighter of the test battle: five clips (idle and four actions, one skinned mesh each, with
// the sixteen main bones and twenty finger bones made on each), a ragdoll of sixteen bodies with
// debug and shadow meshes and fifteen ball joints. The bodies follow the shown clip each tick.
// Commands: 1 to 4 move (left, right, up, down: 1.5 units a second along x and z); 5 head
// block (phase 1), 6 roundhouse (2), 7 jumping roundhouse (3), 8 back kick (4), each for its
// clip's length, then back to idle (phase 0). Its value (0..100) falls while it reels from a hit.
#pragma once

#include <array>
#include <cstdint>

#include "math/Quaternion.h"
#include "math/Vector3.h"

namespace Vortane {

class BattleEH;

class TestFighter {
public:
    static constexpr int ClipCount = 5;
    static constexpr int BoneCount = 16;
    static constexpr int FingerCount = 20;

    enum HitState { NotHit = 0, Reeling = 1, Struck = 2, Blocked = 3 };

    // index: 0 fighter A, 1 fighter B; turn: degrees about y.
    TestFighter(BattleEH* owner, int index, const Vector3& place, float turn);
    ~TestFighter();
    TestFighter(const TestFighter&) = delete;
    TestFighter& operator=(const TestFighter&) = delete;

    // The command this tick from the keys (a computer-controlled fighter decides by itself).
    void readKeys(int otherPhase);
    // Acts on the command, counts down the action, takes the hit state's toll on the value
    // and places the bodies on the shown clip.
    void tick(float frameTime);
    // A contact from the other fighter's attack: blocked in phase 1, else struck.
    void takeHit();

    int getIndex() const { return index_; }
    int getCommand() const { return command_; }
    void setCommand(int command) { command_ = command; }
    int getPhase() const { return phase_; }
    int getHitState() const { return hitState_; }
    float getValue() const { return value_; }
    void setValue(float value) { value_ = value; }
    bool isComputerControlled() const { return computer_; }
    void setComputerControlled(bool on) { computer_ = on; }
    uint32_t getBody(int part) const { return bodies_.at(static_cast<size_t>(part)); }
    uint32_t getClip(int clip) const { return clips_.at(static_cast<size_t>(clip)); }
    int getShownClip() const { return shownClip_; }
    const Vector3& getLocation() const { return location_; }
    const Quaternion& getOrientation() const { return orientation_; }

private:
    void makeClips();
    void makeBodies();
    void makeJoints();
    void startAction(int clip, int phase);
    void showClip(int clip);
    void placeBodies();
    // a after b (the engine's order), and v turned by q.
    static Quaternion multiplied(const Quaternion& a, const Quaternion& b);
    static Vector3 rotated(const Vector3& v, const Quaternion& q);

    BattleEH* owner_;
    int index_;
    Vector3 location_;
    Quaternion orientation_;
    std::array<uint32_t, ClipCount> clips_{};
    std::array<std::array<uint32_t, BoneCount>, ClipCount> bones_{};
    std::array<std::array<uint32_t, FingerCount>, ClipCount> fingers_{};
    std::array<uint32_t, BoneCount> bodies_{};
    std::array<uint32_t, BoneCount> debugMeshes_{};
    std::array<uint32_t, BoneCount> shadows_{};
    std::array<uint32_t, 15> joints_{};
    std::array<Vector3, BoneCount> restLocation_{};
    std::array<Quaternion, BoneCount> restOrientation_{};
    int shownClip_ = 0;
    int command_ = 0;
    int phase_ = 0;
    float actionLeft_ = 0.0f;  // seconds of the action still to play
    int hitState_ = NotHit;
    float reelLeft_ = 0.0f;    // seconds of reeling still to come
    float value_ = 100.0f;
    bool computer_ = false;
};

}  // namespace Vortane
