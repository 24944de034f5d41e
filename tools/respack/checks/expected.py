"""Every file of the pack's first half that the game and the plug-in name, as they name them.

Kept apart from the generator on purpose: this is the list the checks hold the pack to.
"""

G = "Tavek_res\\gui\\"
M = G + "matchScreen\\"
Q = G + "quickMatchScreen\\"
O = G + "optionScreen\\"
S = "default_res\\sprites\\"

STARTUP_TABLES = {
    "daviScreenSprites": [G + "daviScreen\\buy_overlay.x", G + "daviScreen\\press_esc.x"],
    "optionScreenSprites": [O + "01_game_options_hdr.x",
                            G + "gameSetupScreen\\zel_rud_options_03_head_fad.x",
                            O + "00_difficulty.x", O + "00_knockdowns.x", O + "00_music_volume.x",
                            O + "00_sound_volume.x", O + "00_controller.x", O + "00_rumble.x",
                            O + "00_camera.x"],
    "loadingScreenSprites": [G + "general\\main-bg.x", G + "gameLoad\\Loading-Game.x",
                             G + "general\\main-logo.x"],
    "matchScreenSprites": [G + "general\\black.x"] + [M + "penalty_half.x"] * 4 +
                          [M + "penalty_full.x"] * 4 + [M + "penalty_half.x"] * 4 +
                          [M + "penalty_full.x"] * 4 + [M + "blue_bar.x", M + "red_bar.x",
                                                        M + "round_and_timer.x"],
    "pauseDialogSprites": [G + "traitScreen\\traitPopUp\\00_main_window.x"],
    "menuScreenSprites": [G + "general\\main-bg.x", G + "general\\main-fighter.x",
                          G + "general\\main-logo.x"],
    "quickMatchScreenSprites": [Q + n + ".x" for n in (
        "00_quick-match-text", "..\\global\\title_bkgd", "01_shade-red-1", "01_shade-blue-1",
        "01_red-bar", "01_blue-bar", "01_shade-red-2", "01_shade-blue-2", "00_vs-text",
        "00_select-arena-text", "00_number_rounds", "00_length_round")],
}
STARTUP_TABLES["quickMatchScreenSprites"][1] = G + "global\\title_bkgd.x"

BANNERS = ["Ready", "Fight", "Blue-wins", "Red-wins", "You-win", "You-lose", "Knockdown",
           "Knockout"] + ["Counting-%d" % n for n in range(1, 11)] + [
    "End-of-round", "Red-penalty", "Blue-penalty", "Point-1-Blue", "Point-2-Blue",
    "Point-1-Red", "Point-2-Red", "00_blue_disqualified", "00_red_disqualified",
    "00_critical_hit", "00_second_wind", "Sudden-death"]

SKIN = [G + "general\\" + n + ".x" for n in (
    "black", "white", "blue", "red", "Border-Top", "Border-Top-Right", "Border-Right",
    "Border-Bot-Right", "Border-Bot", "Border-Bot-Left", "Border-Left", "Border-Top-Left",
    "Select-Arrow-L1", "Select-Arrow-L2", "Select-Arrow-R1", "Select-Arrow-R2", "Arrow-Up-1",
    "Arrow-Up-2", "Arrow-Down-1", "Arrow-Down-2")] + [S + n + ".x" for n in (
    "buttonOn", "buttonOff", "checkBoxOn", "checkBoxOff", "textCursor", "VAV_004_Arrow_Slider",
    "cursor")] + [G + "global\\null.x"]

MAIN_MENU = [G + "mainMenu\\main-dot-%s-%d.x" % (item, k)
             for item in ("quickmatch", "championship", "options", "practice", "exit")
             for k in (1, 2)]

QUICK_MATCH = [Q + "00_background_sample.x", Q + "02_fight-now1.x", Q + "02_fight-now2.x",
               O + "button_back1.x", O + "button_back2.x", O + "button_save1.x",
               O + "button_save2.x"] + [Q + "Arena-%s-%d.x" % (a, k) for a in (
                   "Dojang", "Local", "State", "National", "World") for k in (1, 2)]

PLUGIN = [S + n + ".x" for n in (
    "VAV_001_GeneralInformationB", "VAV_002_Arrow_L", "VAV_003_Arrow_r", "VAV_005_Main_BG_L",
    "VAV_006_Main_BG_R", "VAV_007_2X2_Black", "VAV_008_2X2_White", "VAV_Trans_Arrow_L",
    "VAV_Trans_Arrow_R", "DovraLogo128", "VAV_CreateFighter", "grayBand", "fillBar", "blueBand",
    "loading")]

# Sprites: main file plus name.png.
SPRITES = sorted(set(sum(STARTUP_TABLES.values(), []) + [M + b + ".x" for b in BANNERS] +
                     SKIN + MAIN_MENU + QUICK_MATCH + PLUGIN))

# Glyph sprites made with the glyph flag: companion is the folder's fonts.dds.
GLYPH_SPRITES = ["default_res\\fontwhite\\font_00.x", "default_res\\fontwhite\\font_62.x",
                 "default_res\\fontwhite\\font_63.x"]
# Made without the glyph flag (font_60; the plug-in makes every sprite by path, the pick area and
# the cursors included) or either way (font_68..6c): emit both companions.
FONTWHITE_SPRITES = ["default_res\\fontwhite\\font_%02x.x" % c for c in
                     (0x00, 0x60, 0x62, 0x63, 0x68, 0x69, 0x6A, 0x6B, 0x6C)]

FONTS = ["default_res\\font%s\\BlairMdITC TT.wid" % n for n in (
    "blairblack", "blairblack30", "blairwhite30", "blairblue30", "blairwhite")] + [
    "default_res\\fontimpactblack\\Impact.wid", "default_res\\fontimpactwhite\\Impact.wid",
    "default_res\\fontwhite\\font.wid"]

SOUNDS = ["Tavek_res\\sounds\\songs\\startup.ogg", "Tavek_res\\sounds\\songs\\menu1-intro.ogg",
          "Tavek_res\\sounds\\songs\\menu1-loop.ogg", "Tavek_res\\sounds\\songs\\menu2.ogg",
          "default_res\\sounds\\key.ogg", "default_res\\sounds\\sweep.ogg",
          "Tavek_res\\sounds\\invalid selection.ogg", "Tavek_res\\sounds\\background noise.ogg",
          "Tavek_res\\sounds\\Ref Start Match.ogg", "Tavek_res\\sounds\\Ref Pause Match.ogg",
          "Tavek_res\\sounds\\Ref End Match.ogg", "Tavek_res\\sounds\\Ref Blue Wins.ogg",
          "Tavek_res\\sounds\\Ref Red Wins.ogg", "Tavek_res\\sounds\\Ref Blue HalfPenalty.ogg",
          "Tavek_res\\sounds\\Ref Red HalfPenalty.ogg",
          "Tavek_res\\sounds\\Ref Blue FullPenalty.ogg",
          "Tavek_res\\sounds\\Ref Red FullPenalty.ogg"] + [
    "Tavek_res\\sounds\\Ref Count %02d.ogg" % n for n in range(1, 11)]

TABLES = ["Tavek_res\\sounds\\soundscape.xml", "Tavek_res\\arenas\\arena1\\flybys.xml",
          "Tavek_res\\championship\\tournaments.xml", "Tavek_res\\championship\\names.xml",
          "Tavek_res\\championship\\scripts.xml"]

# ---- the fight's files (second half) ----------------------------------------------------------
T = "Tavek_res\\skinmeshes\\textures\\"
BODY_MESHES = [T + "male\\male_%s.x" % b for b in ("heavy", "light", "middle")] + [
    T + "female\\female_%s.x" % b for b in ("heavy", "light", "middle", "heavy_ponytail",
                                            "light_ponytail", "middle_ponytail")]
FIGHTER_TEXTURES = [T + "male\\%s.png" % n for n in (
    "clothes", "clothes2", "clothes3", "clothes4", "clothes5", "protection_blue", "belt_black",
    "a_skin", "a_skin_goatee", "b_skin", "b_skin_goatee", "b_skin_mustache", "h_skin",
    "h_skin_goatee", "h_skin_mustache", "w_b_skin", "w_b_skin_stubble", "w_d_skin",
    "w_d_skin_goatee")] + [T + "female\\%s.png" % n for n in (
    "clothes", "clothes2", "clothes3", "clothes4", "clothes5", "female_protection_blue",
    "female_protection_red", "belt_black", "a_b_skin", "a_p_skin", "a_skin", "b_skin",
    "b_skin_braids", "h_b_skin", "h_br_skin", "h_skin", "w_b_skin", "w_br_skin", "w_r_skin",
    "w_skin")] + [T + n + ".png" for n in (
    "protection_blue", "protection_red", "belt_white", "belt_yellow", "belt_green", "belt_blue",
    "belt_red", "belt_black")]
CLIPS = ["29_IdleBouncing_Loop.X", "31_IdleBouncingTired.X", "32_AttentionToSparringStance.X",
         "35_Bowing.X", "33_SwitchFeet.X"] + ["33_SwitchFeet_%s_%s.X" % (k, v) for k in ("Am", "WCS")
                                             for v in "ABCD"] + [
    "20_Jumping.X", "34_Kipup.X", "45_Fake.X", "14_Chujin.X", "15_Fujin.X",
    "16_SideStepToRightSide.X", "17_SidestepToLeftSide.X", "18_RunningCharge.X",
    "19_RunningRetreat.X", "000_walkcycle_left-ft-fwd.X", "01_RearLegRoundHouseBodyTarget.X",
    "02_FrontLegRoundhouseBodyTarget.X", "03_RearLegRoundhouseHeadTarget.X",
    "05_RearLegAxeKick.X", "06_FrontLegFrontHookKick.X", "10_RearLegPushKick.X",
    "11_FrontLegPushCutKick.X", "12_ReaLegBackKick_rt.X", "13_SpinningHookKick.X",
    "21_JumpingRearLegRoundhouseKick.X", "22_JumpFrontLegRoundhouseKick.X",
    "25_JumpingSpinHookKick.X", "47_JumpingSideKick.X", "24_JumpingBackKick.X",
    "26_DoublePunch.X", "27_SinglePunchFront.X", "28_SinglePunchRear.X", "08_TorsoBlock_RT.X",
    "09_HeadBlock_RT.X", "09_HeadBlock_RT-B.X"]
MIRRORED_CLIPS = [c if not c.startswith("000_") else "000_walkcycle_right-ft-fwd.X" for c in CLIPS]
OLD_CLIPS = {"029_IdleBounce_Loop.X": "29_IdleBouncing_Loop.X",
             "009_HeadBlock_rt.X": "09_HeadBlock_RT.X",
             "003_RLRound_HT_rt.X": "03_RearLegRoundhouseHeadTarget.X",
             "021_JumpRLRound.X": "21_JumpingRearLegRoundhouseKick.X",
             "012_RLBackKick_rt.X": "12_ReaLegBackKick_rt.X"}
PART_STEMS = ["fighterHip", "fighterChest", "fighterChest2j", "fighterHead", "fighterUpperArmLeft",
              "fighterForearmLeft", "fighterHandLeft", "fighterUpperArmRight",
              "fighterForearmRight", "fighterHandRight", "fighterThighLeft", "fighterShinLeft",
              "fighterFootLeft", "fighterThighRight", "fighterShinRight", "fighterFootRight"]
SCRIPTS = ["fighter", "controls", "ailib", "easy_ai_1", "easy_ai_2", "medium_ai_1", "medium_ai_2",
           "hard_ai_1", "dremoai", "coach", "arena"]
SCENE_COUNTS = {1: 57, 2: 39, 3: 44, 4: 43, 5: 48}
