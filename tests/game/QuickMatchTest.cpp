// The quick match as the player meets it, through the real main menu, the setup screen, the
// loading bar, the match screen and the real battle: what the setup screen shows and refuses,
// the frame in which "Fight Now!" starts the match, pause, resume and forfeit, the advertisement
// screen and the way back. A whole game master in a scratch copy of the game folder (loose
// files), drawing off.
#include "QuickMatchRig.h"

using namespace quicktest;

// A broken profile gives its one message at start-up; then the setup screen offers both roster
// fighters with their records, side A on the keyboard, side B on the computer, one round of
// 1:00 and National; every other arena and a gamepad without a joystick only buzz; Back and Esc
// lead to the main menu, and the choices stay for the next visit. Then the match itself.
TEST_F(QuickMatch, TheSetupScreenOnlyBuzzesAtChoicesItCannotPlayAndFightNowStartsTheMatchInItsClick) {
    std::filesystem::create_directories(folder->file("saveData"));
    folder->write("saveData/profile.xml", "<Profile><Name>Old");
    vtSoundLogEnable(1);
    build();
    GuiMessageBox* box = gui->getMessageBox();
    ASSERT_EQ(gui->getMessageBoxResult(), -1) << "no message about the broken profile";
    HighLevelEvent ok;
    ok.actionPerformed = true;
    ok.source = box->getButtonA();
    box->handleHighLevelEvent(ok);
    EXPECT_TRUE(win32::messageBoxes().empty());

    openSetup();
    EXPECT_EQ(menu->getCurrentMaster(), singleAsCurrent());
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(setup));
    for (const char* text : {"Kai Maren", "Tomas Reil", "CPU", "1", "1:00", "Keyboard", "32", "23", "Male", "1st Dan",
                             "Age:", "Disruption:"})
        EXPECT_TRUE(printed(text)) << text;
    EXPECT_EQ(setup->getFighterAIndex(), 0);
    EXPECT_EQ(setup->getFighterBIndex(), 1);
    EXPECT_EQ(setup->getControllerA(), 0);
    EXPECT_EQ(setup->getControllerB(), 2);
    EXPECT_EQ(setup->getRoundsChoice(), 0);
    EXPECT_FLOAT_EQ(setup->getRoundSeconds(), 60.0f);
    EXPECT_EQ(setup->getArena(), 0);
    const float statsA[5] = {0.9f, 0.9f, 0.8f, 0.775f, 0.8125f}, statsB[5] = {0.85f, 0.85f, 0.7875f, 0.7875f, 0.8125f};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(setup->getStatBar(0, i)->getValue(), statsA[i]) << i;
        EXPECT_FLOAT_EQ(setup->getStatBar(1, i)->getValue(), statsB[i]) << i;
    }
    // Only National shows the chosen look, also after the slide-in that refreshed every button.
    EXPECT_TRUE(arenaLook(SingleMatchSetupScreen::NationalButton));
    // Side A's controller follows the joysticks plugged in.
    vtJoyCountSet(1);
    frame();
    setup->fillControllerList();
    frame();
    EXPECT_TRUE(printed("Gamepad"));
    EXPECT_EQ(setup->getControllerA(), 1);
    vtJoyCountSet(0);
    frame();
    setup->fillControllerList();

    // Fighter A's right arrow: side A shows entry 1 too (the same fighter on both sides).
    click(FighterARight);
    EXPECT_EQ(setup->getFighterAIndex(), 1);
    for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(setup->getStatBar(0, i)->getValue(), statsB[i]) << i;
    EXPECT_FALSE(printed("Kai Maren"));

    // Each arena button takes the chosen look; the battle's arena numbers follow the buttons.
    const int numbers[5] = {1, 3, 2, 0, 4};
    const int invalidBefore = invalidSounds();
    ASSERT_GE(invalidBefore, 0);
    for (int k : {0, 1, 2, 4}) {
        click(arenaButton(k));
        EXPECT_EQ(setup->getArenaChoice(), k);
        EXPECT_EQ(setup->getArena(), numbers[k]);
        EXPECT_TRUE(arenaLook(k)) << k;
        // Refused: one buzz, nothing else.
        click(FightNow);
        frames(2);
        EXPECT_EQ(invalidSounds(), invalidBefore + 1 + (k == 4 ? 3 : k)) << k;
        EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(setup));
        EXPECT_TRUE(setup->acceptsInput());
        EXPECT_EQ(battle->getBattle().battleMode, 0);
    }
    click(arenaButton(3));
    EXPECT_EQ(setup->getArena(), 0);
    EXPECT_TRUE(arenaLook(3));
    // A gamepad with no joystick buzzes too.
    click(ControllerARight);
    EXPECT_EQ(setup->getControllerA(), 1);
    frame();
    EXPECT_TRUE(printed("Gamepad"));
    click(FightNow);
    EXPECT_EQ(invalidSounds(), invalidBefore + 5);
    EXPECT_EQ(battle->getBattle().battleMode, 0);
    click(ControllerALeft);
    EXPECT_EQ(setup->getControllerA(), 0);

    // Back: the main menu with the menu master current; the choices stay for the next visit,
    // and the arena look comes back with them after the slide.
    click(FighterARight);  // entry 1 is the last: it stays
    click(arenaButton(1));
    click(Back);
    ASSERT_TRUE(frameUntil([&] { return menu->getMainMenuScreen()->acceptsInput(); }));
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));
    EXPECT_EQ(menu->getCurrentMaster(), menuAsCurrent());
    EXPECT_EQ(visibleSprites("Arena-"), 0);
    openSetup();
    EXPECT_EQ(setup->getFighterAIndex(), 1);
    EXPECT_EQ(setup->getArenaChoice(), 1);
    EXPECT_TRUE(arenaLook(1));
    // Esc leaves as Back does.
    pressEsc();
    ASSERT_TRUE(frameUntil([&] { return menu->getMainMenuScreen()->acceptsInput(); }));
    EXPECT_EQ(menu->getCurrentMaster(), menuAsCurrent());
    // The match would play under the default rules: difficulty 1's taps.
    EXPECT_EQ(master->getProfile()->getOptions().getDifficulty(), 1);

    // "Fight Now!" loads behind the bar inside its click and starts the match in that frame;
    // Esc pauses and resumes, "Resume" resumes, "Forfeit" ends the match for the player's side,
    // the advertisement screen waits five seconds and leads back to the setup screen. The bar's
    // budget follows the fighters that must be rebuilt. Difficulty 2, Kai Maren again, National.
    master->getProfile()->getOptions().setDifficulty(2);
    openSetup();
    click(FighterALeft);
    click(arenaButton(SingleMatchSetupScreen::NationalButton));
    ASSERT_EQ(setup->getFighterAIndex(), 0);
    ASSERT_EQ(setup->getArena(), 0);

    // The click's frame, with a key going down in it and held: the match is running at its end.
    press(FightNow);
    const size_t valuesBefore = record.values.size();
    vtMouseButtonSet(0, 0);
    vtKeySet(HeldKey, 1);
    frame();
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(matchScreen));
    EXPECT_TRUE(matchScreen->acceptsInput());
    EXPECT_EQ(gui->getPreviousScreen(), nullptr);
    EXPECT_FALSE(setup->isActive());
    EXPECT_FALSE(setup->acceptsInput());
    EXPECT_EQ(battle->getBattle().battleMode, 1);
    EXPECT_EQ(battle->getBattleState(), 1);
    // The bar: 0.0, then 1.0 after the wait's 31 frames and the frame each value draws.
    ASSERT_EQ(record.values.size(), valuesBefore + 2);
    EXPECT_EQ(record.values[valuesBefore], 0.0f);
    EXPECT_EQ(record.values[valuesBefore + 1], 1.0f);
    EXPECT_EQ(record.renders[valuesBefore + 1] - record.renders[valuesBefore], 32);
    // The battle as the quick match set it up.
    EXPECT_EQ(menu->getCurrentMaster(), singleAsCurrent());
    EXPECT_EQ(battle->getCurrentMaster(), singleAsCurrent());
    ASSERT_NE(battle->getNameA(), nullptr);
    EXPECT_EQ(*battle->getNameA(), "Kai Maren");
    EXPECT_EQ(*battle->getNameB(), "Tomas Reil");
    EXPECT_TRUE(battle->isHumanA());
    EXPECT_FALSE(battle->isHumanB());
    EXPECT_EQ(battle->getRules()->MinTapsToGetUp, 19);
    EXPECT_FALSE(master->getSongPlayer()->isPlaying());
    EXPECT_EQ(cursor(), 3);
    // The held key changes nothing on screen, and the first HUD frame shows the records' names.
    frames(3);
    vtKeySet(HeldKey, 0);
    frame();
    EXPECT_EQ(gui->getDialog(), nullptr);
    EXPECT_TRUE(printed("Kai Maren"));
    EXPECT_TRUE(printed("Tomas Reil"));

    // Esc in the introduction pauses nothing.
    pressEsc();
    EXPECT_EQ(gui->getDialog(), nullptr);
    ASSERT_TRUE(frameUntil([&] { return battle->getBattleState() == FightingState; }, 3000)) << "no fight";
    frames(30);

    // Esc pauses and shows the dialog with the menu cursor; a second Esc resumes.
    pressEsc();
    frame();
    ASSERT_EQ(gui->getDialog(), static_cast<GuiDLG*>(matchScreen->getPauseDialog()));
    EXPECT_EQ(battle->getBattleState(), PausedState);
    EXPECT_EQ(cursor(), 0);
    frames(30);
    EXPECT_EQ(battle->getBattleState(), PausedState);
    pressEsc();
    frame();
    EXPECT_EQ(battle->getBattleState(), FightingState);
    ASSERT_TRUE(frameUntil([&] { return gui->getDialog() == nullptr; }, 60));
    EXPECT_EQ(cursor(), 3);

    // "Resume" does the same.
    pressEsc();
    frame();
    ASSERT_EQ(battle->getBattleState(), PausedState);
    ASSERT_TRUE(frameUntil([&] { return matchScreen->getPauseDialog()->acceptsInput(); }, 60));
    click(Resume);
    EXPECT_EQ(battle->getBattleState(), FightingState);
    ASSERT_TRUE(frameUntil([&] { return gui->getDialog() == nullptr; }, 60));

    // "Forfeit": the player on side A loses, and the match is over within the click's frame.
    pressEsc();
    frame();
    ASSERT_TRUE(frameUntil([&] { return matchScreen->getPauseDialog()->acceptsInput(); }, 60));
    debug.clear();
    press(Forfeit);
    release();
    EXPECT_NE(debug.find("Quick match over: result 1, end reason forfeit\n"), std::string::npos) << debug;
    Tavek::DaviScreen* advertisement = menu->getDaviScreen();
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(advertisement));
    EXPECT_EQ(battle->getBattle().battleMode, 0);
    EXPECT_EQ(cursor(), 0);
    EXPECT_TRUE(master->getSongPlayer()->isPlaying());
    const float stoppedTime = battle->getBattle().timeInState;
    frames(10);
    EXPECT_EQ(battle->getBattle().battleMode, 0);
    EXPECT_FLOAT_EQ(battle->getBattle().timeInState, stoppedTime);

    // Esc at 4.9 s does nothing; after 5 s the setup screen comes back with the choices.
    frames(282);
    pressEsc();
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(advertisement));
    frames(10);
    pressEsc();
    ASSERT_TRUE(frameUntil([&] { return setup->acceptsInput(); })) << "no setup screen after the advertisement";
    EXPECT_EQ(setup->getArenaChoice(), SingleMatchSetupScreen::NationalButton);
    EXPECT_TRUE(arenaLook(SingleMatchSetupScreen::NationalButton));
    EXPECT_EQ(menu->getCurrentMaster(), singleAsCurrent());

    // The bar's budget by the fighters that must be rebuilt: A, then B, then both.
    std::vector<Tavek::EnemyFighterState*>& roster = *single->getRoster();
    struct Case {
        int typeA, typeB;
        float fromA, toA, fromB, toB;
    };
    for (const Case& c : {Case{3, 2, 0.85f, 1.0f, 0.0f, 0.0f}, Case{3, 3, 0.0f, 0.0f, 0.85f, 1.0f},
                          Case{2, 2, 0.7f, 0.85f, 0.85f, 1.0f}}) {
        roster[0]->BodyType = c.typeA;
        roster[1]->BodyType = c.typeB;
        click(FightNow);
        ASSERT_EQ(battle->getBattle().battleMode, 1);
        EXPECT_EQ(battle->getBodyTypeA(), c.typeA);
        EXPECT_EQ(battle->getBodyTypeB(), c.typeB);
        const std::vector<float> values = sinceLastZero();
        ASSERT_GE(values.size(), 3u);
        EXPECT_EQ(values.back(), 1.0f);
        const float firstFighterValue = c.toA > 0.0f ? c.fromA : c.fromB;
        for (size_t i = 1; i + 1 < values.size(); ++i) {
            EXPECT_GE(values[i], firstFighterValue - 1e-4f) << i;  // no arena load: fighters only
            EXPECT_LE(values[i], 1.0f + 1e-4f) << i;
            EXPECT_GE(values[i], values[i - 1] - 1e-4f) << i;
        }
        // A rebuilt fighter moves the bar on its way (a body type loaded before reports less).
        EXPECT_GT(values.size(), 3u) << "the rebuilt fighters reported nothing";
        single->forfeitMatch();
        EXPECT_EQ(battle->getBattle().battleMode, 0);
        single->onDaviScreenDone();
        ASSERT_TRUE(frameUntil([&] { return setup->acceptsInput(); }));
    }
    EXPECT_EQ(*battle->getNameA(), "Kai Maren");
}
