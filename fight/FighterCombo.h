// One allowed follow-up: while in action `key` the fighter may go on with `action`.
#pragma once

class FighterCombo {
public:
    FighterCombo() = default;
    FighterCombo(int key, int action, bool flag) : key(key), action(action), flag(flag) {}

    bool equals(const FighterCombo& other) const {
        return key == other.key && action == other.action && flag == other.flag;
    }
    bool notEquals(const FighterCombo& other) const { return !equals(other); }
    void assign(const FighterCombo& other) { *this = other; }

    bool operator==(const FighterCombo& other) const { return equals(other); }

    int key = 0;      // the preceding action id
    int action = 0;   // the following action id
    bool flag = false;
};
