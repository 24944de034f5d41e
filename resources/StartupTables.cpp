#include "StartupTables.h"

const std::string soundsFolder = "Tavek_res\\sounds\\";
const std::string scriptsFolder = "Tavek_res\\scripts";
const std::string fighterPathKey = "FighterPath";
const std::string profileRootName = "Profile";

const std::array<std::string, 3> lookNames = {"quenra", "lodrevi", "ferd"};

const std::array<std::string, 2> daviScreenSprites = {
    "Tavek_res\\gui\\daviScreen\\buy_overlay.x",
    "Tavek_res\\gui\\daviScreen\\press_esc.x",
};

const std::array<std::string, 9> optionScreenSprites = {
    "Tavek_res\\gui\\optionScreen\\01_game_options_hdr.x",
    "Tavek_res\\gui\\gameSetupScreen\\zel_rud_options_03_head_fad.x",
    "Tavek_res\\gui\\optionScreen\\00_difficulty.x",
    "Tavek_res\\gui\\optionScreen\\00_knockdowns.x",
    "Tavek_res\\gui\\optionScreen\\00_music_volume.x",
    "Tavek_res\\gui\\optionScreen\\00_sound_volume.x",
    "Tavek_res\\gui\\optionScreen\\00_controller.x",
    "Tavek_res\\gui\\optionScreen\\00_rumble.x",
    "Tavek_res\\gui\\optionScreen\\00_camera.x",
};

const std::array<std::string, 3> loadingScreenSprites = {
    "Tavek_res\\gui\\general\\main-bg.x",
    "Tavek_res\\gui\\gameLoad\\Loading-Game.x",
    "Tavek_res\\gui\\general\\main-logo.x",
};

// The penalty markers come in four groups of four: half, full, half, full.
const std::array<std::string, 20> matchScreenSprites = {
    "Tavek_res\\gui\\general\\black.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_half.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\penalty_full.x",
    "Tavek_res\\gui\\matchScreen\\blue_bar.x",
    "Tavek_res\\gui\\matchScreen\\red_bar.x",
    "Tavek_res\\gui\\matchScreen\\round_and_timer.x",
};

const std::array<std::string, 1> pauseDialogSprites = {
    "Tavek_res\\gui\\traitScreen\\traitPopUp\\00_main_window.x",
};

const std::array<std::string, 3> menuScreenSprites = {
    "Tavek_res\\gui\\general\\main-bg.x",
    "Tavek_res\\gui\\general\\main-fighter.x",
    "Tavek_res\\gui\\general\\main-logo.x",
};

const std::array<std::string, 12> quickMatchScreenSprites = {
    "Tavek_res\\gui\\quickMatchScreen\\00_quick-match-text.x",
    "Tavek_res\\gui\\global\\title_bkgd.x",
    "Tavek_res\\gui\\quickMatchScreen\\01_shade-red-1.x",
    "Tavek_res\\gui\\quickMatchScreen\\01_shade-blue-1.x",
    "Tavek_res\\gui\\quickMatchScreen\\01_red-bar.x",
    "Tavek_res\\gui\\quickMatchScreen\\01_blue-bar.x",
    "Tavek_res\\gui\\quickMatchScreen\\01_shade-red-2.x",
    "Tavek_res\\gui\\quickMatchScreen\\01_shade-blue-2.x",
    "Tavek_res\\gui\\quickMatchScreen\\00_vs-text.x",
    "Tavek_res\\gui\\quickMatchScreen\\00_select-arena-text.x",
    "Tavek_res\\gui\\quickMatchScreen\\00_number_rounds.x",
    "Tavek_res\\gui\\quickMatchScreen\\00_length_round.x",
};
