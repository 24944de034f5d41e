#include "fight/ArenaFiles.h"

namespace {

const std::vector<std::string> scenes[ArenaFiles::ArenaCount] = {
    {"audience.x", "black.x", "black_beam.x", "blue.x", "blue_beam.x", "blue_light.x", "bottle.x",
     "box1.x", "box2.x", "camera.x", "camera_attach.x", "catwalk_tile.x", "chair.x", "flag_au.x",
     "flag_ca.x", "flag_cn.x", "flag_cu.x", "flag_eg.x", "flag_fr.x", "flag_gb.x", "flag_gr.x",
     "flag_ir.x", "flag_kr.x", "flag_large_tavek2.x", "flag_large_tavek.x", "flag_mx.x",
     "flag_se.x", "flag_th.x", "flag_tr.x", "flag_tw.x", "flag_us.x", "flag_ve.x", "gate.x",
     "grate.x", "green2.x", "light.x", "light_blue.x", "mat.x", "metal_beam.x", "metal_light.x",
     "red.x", "scoreboard_led.x", "seats.x", "side2.x", "side.x", "small_scoreboard.x",
     "spotlight.x", "stairs.x", "table.x", "wall_tile.x", "white_beam.x",
     "characters\\coach-male.x", "characters\\judge-male.x", "characters\\judge-female.x",
     "characters\\referee-male.x", "characters\\referee-female.x",
     "characters\\spectator_male_long-sleevegreen-blackpants.x"},
    {"bag1.x", "bag2.x", "black_beam.x", "blue_pad.x", "bottle.x", "ceiling_light.x",
     "ceiling_tile2.x", "ceiling_tile.x", "chair.x", "counter.x", "door_knob.x", "flag_kr.x",
     "flag_us.x", "gold.x", "gold_earth.x", "mat.x", "medal_ribbon.x", "medals.x",
     "metal_duct2.x", "metal_duct.x", "metal_duct_grill.x", "outside.x", "picture_frame.x",
     "red_pad.x", "silver.x", "sneaker.x", "soda_machine.x", "statue.x", "trophy_large.x",
     "trophy_large_gold.x", "trophy_stone.x", "wall_bottom.x", "white_beam.x", "white_wall.x",
     "window_frame.x", "wood.x", "wood_door.x", "wood_floor.x", "wood_floor.x"},
    {"audience.x", "black.x", "black_beam.x", "blue.x", "blue_beam.x", "blue_light.x", "bricks.x",
     "catwalk_tile.x", "chair.x", "cloth.x", "concrete.x", "concrete_fade.x", "court.x",
     "court_floor.x", "court_dark.x", "gold.x", "gold_earth.x", "laptop.x", "light.x",
     "light_blue.x", "mat.x", "medal_ribbon.x", "medals.x", "metal_beam.x", "metal_light.x",
     "picture_frame.x", "seats.x", "silver.x", "spotlight.x", "stairs.x", "statue.x", "table.x",
     "trophy_large.x", "trophy_large_gold.x", "trophy_stone.x", "wall.x", "wall_dark.x",
     "wall_tile.x", "characters\\coach-male.x", "characters\\judge-female.x",
     "characters\\judge-male.x", "characters\\referee-female.x",
     "characters\\spectator_female_Tshirtgreen.x",
     "characters\\spectator_male_Tshirtwhite-blackpants.x"},
    {"audience.x", "black.x", "black_beam.x", "blue.x", "blue_beam.x", "blue_light.x", "bricks.x",
     "catwalk_tile.x", "chair.x", "cloth.x", "concrete.x", "concrete_fade.x", "court.x",
     "court_floor.x", "gold.x", "gold_earth.x", "laptop.x", "light.x", "light_blue.x", "mat.x",
     "medal_ribbon.x", "medals.x", "metal_beam.x", "metal_light.x", "picture_frame.x", "seats.x",
     "silver.x", "spotlight.x", "stairs.x", "statue.x", "table.x", "trophy_large.x",
     "trophy_large_gold.x", "trophy_stone.x", "wall.x", "wall_dark.x", "wall_tile.x",
     "characters\\judge-female.x", "characters\\judge-male.x", "characters\\referee-female.x",
     "characters\\referee-male.x", "characters\\spectator_female_Topred-blackpants.x",
     "characters\\spectator_male_pologreen-lightpants.x"},
    {"audience.x", "black.x", "black_beam.x", "blue.x", "box2.x", "camera.x", "camera_attach.x",
     "chair.x", "concrete.x", "concrete_beam.x", "concrete_fade.x", "concrete_opening.x",
     "floor.x", "gold.x", "gold_earth.x", "light.x", "mat.x", "mat_stairs.x", "medal_ribbon.x",
     "medals.x", "metal_beam.x", "metal_light.x", "picture_frame.x", "red.x", "scoreboard_led.x",
     "seat_side.x", "seats.x", "side.x", "silver.x", "small_scoreboard.x", "spotlight.x",
     "stairs.x", "statue.x", "table.x", "tournament_sign.x", "tron.x", "trophy_large.x",
     "trophy_large_gold.x", "trophy_stone.x", "wall_dark.x", "wall_tile.x",
     "characters\\coach-male.x", "characters\\judge-female.x", "characters\\judge-male.x",
     "characters\\referee-male.x", "characters\\spectator_female_poloyellow-lightpants.x",
     "characters\\spectator_male_long-sleevered.x", "characters\\spectator_male_tshirtgreen.x"},
};

const std::vector<std::string> fourLightMaps = {"lightmap1.x", "lightmap2.x", "lightmap3.x",
                                                "lightmap4.x"};
const std::vector<std::string> threeLightMaps = {"lightmap1.x", "lightmap2.x", "lightmap3.x"};
const std::vector<std::string> none;

}  // namespace

namespace ArenaFiles {

std::string folder(int index) {
    return "Tavek_res\\arenas\\arena" + std::to_string(index + 1) + "\\";
}

const std::vector<std::string>& sceneFiles(int index) {
    if (index < 0 || index >= ArenaCount) return none;
    return scenes[index];
}

const std::vector<std::string>& lightMapFiles(int index) {
    if (index < 0 || index >= ArenaCount) return none;
    return index == MirrorArena ? threeLightMaps : fourLightMaps;
}

}  // namespace ArenaFiles
