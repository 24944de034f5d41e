// The special abilities a fighter has learned (ids 1-34). Each id is one bit of mask A or mask B,
// which the fight code tests; the ordered list of ids is what a fighter file stores, one
// character per id ("PK9O3" is 26, 21, 10, 25, 4).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FighterAbilities {
public:
    static constexpr int MaxListed = 5;   // the list rebuilt from the masks holds at most this many
    static constexpr int FirstId = 1;
    static constexpr int LastId = 34;

    FighterAbilities() = default;
    explicit FighterAbilities(const std::string& text);

    void assign(const FighterAbilities& other) { *this = other; }
    void clear();

    bool hasA(uint32_t bits) const { return (maskA_ & bits) != 0; }
    bool hasB(uint32_t bits) const { return (maskB_ & bits) != 0; }
    void setBitsA(uint32_t bits, bool on);
    void setBitsB(uint32_t bits, bool on);
    uint32_t getMaskA() const { return maskA_; }
    uint32_t getMaskB() const { return maskB_; }
    void setMaskA(uint32_t mask);
    void setMaskB(uint32_t mask);

    // Text form of the list: "0"-"9" for ids 1-10, "A"-"X" for 11-34, "?" for anything else.
    std::string toString() const;
    // Forgets everything, then appends and learns the id of each character (0 for a character
    // outside both ranges, which learns nothing). The list may grow past five here.
    void fromString(const std::string& text);

    // Sets the bit of an id; ids outside 1-34 change nothing. The list is left alone.
    void learn(int id);
    // The list becomes the (at most five) lowest ids whose bits are set, in id order.
    void rebuildList();

    const std::vector<int>& ids() const { return ids_; }

    // The bit an id sets, and whether it lives in mask B; false for ids outside 1-34.
    static bool bitOf(int id, uint32_t* bit, bool* inMaskB);
    static char idToChar(int id);
    static int charToId(char c);

private:
    uint32_t maskA_ = 0;
    uint32_t maskB_ = 0;
    std::vector<int> ids_;
};
