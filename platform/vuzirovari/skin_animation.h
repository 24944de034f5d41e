// Playing a skinned mesh's clip and evaluating its pose: the first animation set of the file,
// time in frames (1/25 s of the clip), rotation overrides per bone, evaluated only when read.
#pragma once

#include "mesh.h"

namespace vuz {

// Called once after the file is read: rest parts, channels, length and looping.
void prepareSkinMesh(SkinMesh& mesh);
// Adds speed x seconds to the time (wrapped for a looping clip, else held at the ends).
void advanceSkinMesh(SkinMesh& mesh, float seconds);
void setSkinMeshTime(SkinMesh& mesh, float frames);
// The pose of the current time, placement and overrides; evaluated when out of date.
const SkinPose& skinMeshPose(SkinMesh& mesh);
// A bone's pose in a mode (0 world, 1 model, 2 and 3 parent-relative).
void readBonePose(SkinMesh& mesh, int bone, int mode, iVector3* location, iQuaternion* orientation);
void setBoneOverride(SkinMesh& mesh, int bone, int mode, const iQuaternion& rotation);

}  // namespace vuz
