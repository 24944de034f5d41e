#include "fight/FighterTables.h"

namespace FighterTables {

const Part parts[PartCount] = {
    {"fighterHip", "Bip01_Spine", 10.0f, true, true},
    {"fighterChest", "Bip01_Spine1", 5.0f, true, true},
    {"fighterChest2j", "Bip01_Spine2", 7.0f, true, true},
    {"fighterHead", "Bip01_Head", 3.0f, true, true},
    {"fighterUpperArmLeft", "Bip01_L_UpperArm", 2.5f, false, false},
    {"fighterForearmLeft", "Bip01_L_Forearm", 2.0f, false, false},
    {"fighterHandLeft", "Bip01_L_Hand", 0.5f, true, true},
    {"fighterUpperArmRight", "Bip01_R_UpperArm", 2.5f, false, false},
    {"fighterForearmRight", "Bip01_R_Forearm", 2.0f, false, false},
    {"fighterHandRight", "Bip01_R_Hand", 0.5f, true, true},
    {"fighterThighLeft", "Bip01_L_Thigh", 8.0f, false, false},
    {"fighterShinLeft", "Bip01_L_Calf", 4.0f, true, false},
    {"fighterFootLeft", "Bip01_L_Foot", 1.0f, true, false},
    {"fighterThighRight", "Bip01_R_Thigh", 8.0f, false, false},
    {"fighterShinRight", "Bip01_R_Calf", 4.0f, true, false},
    {"fighterFootRight", "Bip01_R_Foot", 1.0f, true, false},
};

const char* const detailBones[DetailBoneCount] = {
    "Bip01_L_Finger0", "Bip01_L_Finger01", "Bip01_L_Finger1", "Bip01_L_Finger11",
    "Bip01_L_Finger2", "Bip01_L_Finger21", "Bip01_L_Finger3", "Bip01_L_Finger31",
    "Bip01_L_Finger4", "Bip01_L_Finger41", "Bip01_R_Finger0", "Bip01_R_Finger01",
    "Bip01_R_Finger1", "Bip01_R_Finger11", "Bip01_R_Finger2", "Bip01_R_Finger21",
    "Bip01_R_Finger3", "Bip01_R_Finger31", "Bip01_R_Finger4", "Bip01_R_Finger41",
    "Bip01_L_Toe0", "Bip01_R_Toe0",
};

const Joint joints[JointCount] = {
    {0, 1, {{0, 0}, {-15, 15}, {0, 0}}, {0.1f, 0.1f, 0.1f}},
    {1, 2, {{0, 0}, {-10, 10}, {0, 0}}, {0.1f, 0.1f, 0.1f}},
    {2, 3, {{0, 0}, {-5, 5}, {-5, 5}}, {0.02f, 0.08f, 0.02f}},
    {2, 4, {{0, 0}, {-30, 30}, {-80, 10}}, {0.02f, 15.0f, 10.0f}},
    {4, 5, {{0, 0}, {-160, 0}, {0, 0}}, {0.1f, 1.0f, 0.1f}},
    {5, 6, {{0, 0}, {-50, 50}, {0, 0}}, {0.01f, 0.1f, 0.01f}},
    {2, 7, {{0, 0}, {-30, 30}, {-10, 80}}, {0.02f, 15.0f, 10.0f}},
    {7, 8, {{0, 0}, {-160, 0}, {0, 0}}, {0.1f, 1.0f, 0.1f}},
    {8, 9, {{0, 0}, {-50, 50}, {0, 0}}, {0.01f, 0.1f, 0.01f}},
    {0, 10, {{0, 0}, {-5, 80}, {0, 0}}, {0.01f, 20.0f, 0.01f}},
    {10, 11, {{0, 0}, {-105, 0}, {0, 0}}, {0.1f, 20.0f, 0.1f}},
    {11, 12, {{0, 0}, {-50, 0}, {0, 0}}, {0.01f, 0.01f, 0.01f}},
    {0, 13, {{0, 0}, {-5, 80}, {0, 0}}, {0.01f, 20.0f, 0.01f}},
    {13, 14, {{0, 0}, {-105, 0}, {0, 0}}, {0.1f, 20.0f, 0.1f}},
    {14, 15, {{0, 0}, {-50, 0}, {0, 0}}, {0.01f, 0.01f, 0.01f}},
};

const BodyType bodyTypes[BodyTypeCount] = {
    {"male\\male_heavy.x", "male\\protection_blue.png", 10},
    {"male\\male_light.x", "male\\protection_blue.png", 10},
    {"male\\male_middle.x", "male\\protection_blue.png", 8},
    {"female\\female_heavy.x", "female\\female_protection_blue.png", 23},
    {"female\\female_light.x", "female\\female_protection_blue.png", 23},
    {"female\\female_middle.x", "female\\female_protection_blue.png", 23},
    {"female\\female_heavy_ponytail.x", "female\\female_protection_blue.png", 23},
    {"female\\female_light_ponytail.x", "female\\female_protection_blue.png", 23},
    {"female\\female_middle_ponytail.x", "female\\female_protection_blue.png", 23},
};

const char* startingClothes(int type) {
    return type < 3 ? "male\\clothes.png" : "female\\clothes.png";
}

const char* startingBelt(int type) {
    return type < 3 ? "male\\belt_black.png" : "female\\belt_black.png";
}

const char* const skins[SkinCount] = {
    "male\\a_skin.png", "male\\a_skin_goatee.png", "male\\b_skin.png",
    "male\\b_skin_goatee.png", "male\\b_skin_mustache.png", "male\\h_skin.png",
    "male\\h_skin_goatee.png", "male\\h_skin_mustache.png", "male\\w_b_skin.png",
    "male\\w_b_skin_stubble.png", "male\\w_d_skin.png", "male\\w_d_skin_goatee.png",
    "female\\a_b_skin.png", "female\\a_p_skin.png", "female\\a_skin.png",
    "female\\b_skin.png", "female\\b_skin_braids.png", "female\\h_b_skin.png",
    "female\\h_br_skin.png", "female\\h_skin.png", "female\\w_b_skin.png",
    "female\\w_br_skin.png", "female\\w_r_skin.png", "female\\w_skin.png",
};

const char* const belts[6] = {
    "belt_white.png", "belt_yellow.png", "belt_green.png",
    "belt_blue.png", "belt_red.png", "belt_black.png",
};

const char* const clothes[5] = {
    "clothes.png", "clothes2.png", "clothes3.png", "clothes4.png", "clothes5.png",
};

}  // namespace FighterTables
