#include "fight/FighterAbilities.h"

namespace {

struct AbilityBit {
    uint32_t bit;
    bool inMaskB;
};

// Indexed by id; entry 0 is unused.
constexpr AbilityBit kBits[FighterAbilities::LastId + 1] = {
    {0, false},
    {0x00080000, false},  // 1
    {0x00000004, false},  // 2
    {0x00000001, false},  // 3
    {0x10000000, false},  // 4
    {0x00000002, false},  // 5
    {0x80000000, false},  // 6
    {0x00000010, false},  // 7
    {0x00000080, false},  // 8
    {0x00000800, false},  // 9
    {0x00001000, false},  // 10
    {0x00008000, false},  // 11
    {0x8, true},          // 12
    {0x00100000, false},  // 13
    {0x04000000, false},  // 14
    {0x00020000, false},  // 15
    {0x1, true},          // 16
    {0x4, true},          // 17
    {0x00000040, false},  // 18
    {0x2, true},          // 19
    {0x00002000, false},  // 20
    {0x00000200, false},  // 21
    {0x00000400, false},  // 22
    {0x00400000, false},  // 23
    {0x08000000, false},  // 24
    {0x40000000, false},  // 25
    {0x00000008, false},  // 26
    {0x20000000, false},  // 27
    {0x00040000, false},  // 28
    {0x02000000, false},  // 29
    {0x00000020, false},  // 30
    {0x00004000, false},  // 31
    {0x00010000, false},  // 32
    {0x01000000, false},  // 33
    {0x00800000, false},  // 34
};

}  // namespace

FighterAbilities::FighterAbilities(const std::string& text) { fromString(text); }

void FighterAbilities::clear() {
    maskA_ = 0;
    maskB_ = 0;
    ids_.clear();
}

void FighterAbilities::setBitsA(uint32_t bits, bool on) {
    maskA_ = on ? (maskA_ | bits) : (maskA_ & ~bits);
    rebuildList();
}

void FighterAbilities::setBitsB(uint32_t bits, bool on) {
    maskB_ = on ? (maskB_ | bits) : (maskB_ & ~bits);
    rebuildList();
}

void FighterAbilities::setMaskA(uint32_t mask) {
    maskA_ = mask;
    rebuildList();
}

void FighterAbilities::setMaskB(uint32_t mask) {
    maskB_ = mask;
    rebuildList();
}

std::string FighterAbilities::toString() const {
    std::string text;
    text.reserve(ids_.size());
    for (int id : ids_) text += idToChar(id);
    return text;
}

void FighterAbilities::fromString(const std::string& text) {
    clear();
    for (char c : text) {
        const int id = charToId(c);
        ids_.push_back(id);
        learn(id);
    }
}

void FighterAbilities::learn(int id) {
    uint32_t bit = 0;
    bool inMaskB = false;
    if (!bitOf(id, &bit, &inMaskB)) return;
    if (inMaskB)
        maskB_ |= bit;
    else
        maskA_ |= bit;
}

void FighterAbilities::rebuildList() {
    ids_.clear();
    for (int id = FirstId; id <= LastId; ++id) {
        if (static_cast<int>(ids_.size()) >= MaxListed) break;
        if (kBits[id].inMaskB ? hasB(kBits[id].bit) : hasA(kBits[id].bit)) {
            ids_.push_back(id);
            learn(id);
        }
    }
}

bool FighterAbilities::bitOf(int id, uint32_t* bit, bool* inMaskB) {
    if (id < FirstId || id > LastId) return false;
    *bit = kBits[id].bit;
    *inMaskB = kBits[id].inMaskB;
    return true;
}

char FighterAbilities::idToChar(int id) {
    if (id >= 1 && id <= 10) return static_cast<char>('0' + (id - 1));
    if (id >= 11 && id <= LastId) return static_cast<char>('A' + (id - 11));
    return '?';
}

int FighterAbilities::charToId(char c) {
    if (c >= '0' && c <= '9') return c - '0' + 1;
    if (c >= 'A' && c <= 'X') return c - 'A' + 11;
    return 0;
}
