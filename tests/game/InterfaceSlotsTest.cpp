// The two interfaces the fight reports through, and the one the quick-match setup screen calls,
// keep their slot orders: the masters and the screens are called through these slots.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "game/ChampionshipMasterEH.h"
#include "game/CurrentMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "game/MatchScreenEH.h"
#include "game/SingleMatchMasterEH.h"

namespace {

// The method-table slot of a virtual member function (Itanium C++ ABI: a pointer to a
// virtual member holds 1 + the slot's byte offset).
template <typename Member>
long slotOf(Member member) {
    static_assert(sizeof(Member) == 2 * sizeof(uintptr_t));
    uintptr_t words[2];
    std::memcpy(words, &member, sizeof words);
    return (words[0] & 1) ? static_cast<long>((words[0] - 1) / sizeof(void*)) : -1;
}

}  // namespace

TEST(InterfaceSlots, CurrentMasterHasItsDestructorThenThirtyOperations) {
    using M = Tavek::CurrentMasterEH;
    EXPECT_EQ(sizeof(M), sizeof(void*));  // no data
    // The destructor takes the first two entries of this platform's tables.
    EXPECT_EQ(slotOf(&M::onMatchScreenShown), 2);
    EXPECT_EQ(slotOf(&M::onMatchOver), 3);
    EXPECT_EQ(slotOf(&M::pauseMatch), 5);
    EXPECT_EQ(slotOf(&M::resumeMatch), 6);
    EXPECT_EQ(slotOf(&M::reserved8), 9);
    EXPECT_EQ(slotOf(&M::reserved12), 13);
    EXPECT_EQ(slotOf(&M::reserved20), 21);
    EXPECT_EQ(slotOf(&M::reserved28), 29);
    EXPECT_EQ(slotOf(&M::onDaviScreenDone), 30);
    EXPECT_EQ(slotOf(&M::getMatchScreenEH), 31);
}

TEST(InterfaceSlots, MatchScreenHasFiftyFourOperationsAndNoDestructorSlot) {
    using S = Tavek::MatchScreenEH;
    EXPECT_EQ(sizeof(S), sizeof(void*));
    EXPECT_FALSE(std::has_virtual_destructor_v<S>);
    EXPECT_EQ(slotOf(&S::setSidesSwapped), 0);
    EXPECT_EQ(slotOf(&S::setFighter1Name), 1);
    EXPECT_EQ(slotOf(&S::setFighter2Balance), 10);
    EXPECT_EQ(slotOf(&S::setEndReason), 17);
    EXPECT_EQ(slotOf(&S::setTextLine), 19);
    EXPECT_EQ(slotOf(&S::showReady), 20);
    EXPECT_EQ(slotOf(&S::showKnockdown), 26);
    EXPECT_EQ(slotOf(&S::showCount), 29);
    EXPECT_EQ(slotOf(&S::showFighter1Point), 34);
    EXPECT_EQ(slotOf(&S::showSecondWind), 38);
    EXPECT_EQ(slotOf(&S::setFighter1MarkerPosition), 39);
    EXPECT_EQ(slotOf(&S::isFighter2MarkerShown), 42);
    EXPECT_EQ(slotOf(&S::setOverlayLevel), 45);
    EXPECT_EQ(slotOf(&S::takePauseRequest), 48);
    EXPECT_EQ(slotOf(&S::setDebugTarget), 51);
    EXPECT_EQ(slotOf(&S::setDebugDistance), 53);
}

// The setup screen's road to the quick-match master: seven operations in their order, after the
// one running-mode part it shares with every master.
TEST(InterfaceSlots, SingleMatchMasterHasSevenOperationsInItsOrder) {
    using Q = Tavek::SingleMatchMasterEH;
    static_assert(std::is_abstract_v<Q> && std::is_base_of_v<Tavek::CurrentMasterEH, Q>);
    const long first = slotOf(&Q::getGuiManager);
    ASSERT_GE(first, 0);
    EXPECT_EQ(slotOf(&Q::getRoster), first + 1);
    EXPECT_EQ(slotOf(&Q::begin), first + 2);
    EXPECT_EQ(slotOf(&Q::leave), first + 3);
    EXPECT_EQ(slotOf(&Q::restart), first + 4);
    EXPECT_EQ(slotOf(&Q::startMatch), first + 5);
    EXPECT_EQ(slotOf(&Q::quit), first + 6);
}

TEST(InterfaceSlots, TheMenuAndChampionshipMastersKeepTheirOperationsInOrderAfterTheCurrentMastersOnes) {
    using G = Tavek::MainGuiMasterEH;
    using C = Tavek::ChampionshipMasterEH;
    EXPECT_EQ(sizeof(G), sizeof(void*));
    EXPECT_EQ(sizeof(C), sizeof(void*));
    // Their own operations follow one another in the interfaces' order.
    const long menu = slotOf(&G::getGameMaster);
    EXPECT_EQ(slotOf(&G::goBack) - menu, 1);
    EXPECT_EQ(slotOf(&G::showMainMenu) - menu, 4);
    EXPECT_EQ(slotOf(&G::startChampionship) - menu, 9);
    EXPECT_EQ(slotOf(&G::saveOptions) - menu, 11);
    EXPECT_EQ(slotOf(&G::leaveModeAlt) - menu, 13);
    EXPECT_EQ(slotOf(&G::getMatchScreen) - menu, 16);
    EXPECT_EQ(slotOf(&G::getDaviScreen) - menu, 18);
    EXPECT_EQ(slotOf(&G::getGuiBlocks) - menu, 20);
    EXPECT_EQ(slotOf(&G::getCurrentMaster) - menu, 25);
    const long championship = slotOf(&C::getGuiManager);
    EXPECT_EQ(slotOf(&C::leave) - championship, 1);
    EXPECT_EQ(slotOf(&C::reservedChampionship5) - championship, 5);
    EXPECT_EQ(slotOf(&C::reservedChampionship14) - championship, 14);
    EXPECT_EQ(slotOf(&C::reservedChampionship15) - championship, 15);
}
