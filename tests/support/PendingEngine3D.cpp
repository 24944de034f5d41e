// Link-only stand-ins for the engine's skinned-mesh, body and joint calls, built into the fight
// tests only while the engine in this tree does not have them yet. They make no objects and
// read back neutral values, so only tests of a bare fighter (no bodies, no meshes) use them.
#include "fight/FighterEngine.h"

#ifdef BRENNOCK_ENGINE_3D_PENDING
extern "C" {
namespace {
void zero(iVector3* v) { if (v) *v = iVector3{0, 0, 0}; }
void identity(iQuaternion* q) { if (q) *q = iQuaternion{0, 0, 0, 1}; }
}  // namespace
void iSkinMeshShow(uint32_t) {}
void iSkinMeshHide(uint32_t) {}
void iSkinMeshLocationSet(uint32_t, const iVector3*) {}
void iSkinMeshOrientationSet(uint32_t, const iQuaternion*) {}
void iSkinMeshRenderModeSet(uint32_t, int, int, int, int) {}
void iSkinMeshTextureChange(uint32_t, const char*, int) {}
float iSkinMeshAnimationLength(uint32_t) { return 0.0f; }
void iSkinMeshAnimationSpeedSet(uint32_t, float) {}
void iSkinMeshAnimationTimeSet(uint32_t, float) {}
uint32_t iSkinMeshBoneCreateByName(uint32_t, const char*) { return 0; }
void iSkinMeshBoneDestroy(uint32_t) {}
void iSkinMeshBoneLocation(uint32_t, iVector3* out, int) { zero(out); }
void iSkinMeshBoneOrientation(uint32_t, iQuaternion* out, int) { identity(out); }
void iSkinMeshBoneOrientationSet(uint32_t, const iQuaternion*, int) {}
void iMeshShow(uint32_t) {}
void iMeshHide(uint32_t) {}
uint32_t iBodyMeshCreate(const char*, uint32_t) { return 0; }
void iBodyEnable(uint32_t) {}
void iBodyDisable(uint32_t) {}
void iBodyLocation(uint32_t, iVector3* out) { zero(out); }
void iBodyLocationCM(uint32_t, iVector3* out) { zero(out); }
void iBodyOrientation(uint32_t, iQuaternion* out) { identity(out); }
void iBodyLocationSet(uint32_t, const iVector3*, int) {}
void iBodyOrientationSet(uint32_t, const iQuaternion*, int) {}
void iBodyPhysicsReset(uint32_t) {}
void iBodyVelocity(uint32_t, iVector3* out) { zero(out); }
void iBodyVelocitySet(uint32_t, const iVector3*) {}
void iBodySpinSet(uint32_t, const iVector3*) {}
void iBodyForceApply(uint32_t, const iVector3*, int) {}
void iBodyAccelerationApply(uint32_t, const iVector3*) {}
void iBodyDampingSet(uint32_t, float, float, float, float) {}
void iBodyDamping2Set(uint32_t, float, float, float, float) {}
uint32_t iBodyBodyCreate(uint32_t, uint32_t) { return 0; }
void iBodyBodyDestroy(uint32_t) {}
void iBodyBodyEnable(uint32_t, int) {}
void iBodyBodyFeedbackEnable(uint32_t, int, int, int) {}
int iBodyBodyFeedback(uint32_t, int, int, iVector3*, iVector3*, int, int, int, int) { return 0; }
void iBodyBodyRestitutionSet(uint32_t, float) {}
void iBodyBodyFrictionSet(uint32_t, float) {}
uint32_t iJointBallCreate(uint32_t, uint32_t, const iVector3*) { return 0; }
void iJointBallOrientationSet(uint32_t, const iQuaternion*) {}
void iJointBallXStopsSet(uint32_t, float, float, float, float) {}
void iJointBallYStopsSet(uint32_t, float, float, float, float) {}
void iJointBallZStopsSet(uint32_t, float, float, float, float) {}
void iJointBallXAMotorSet(uint32_t, float, float, float) {}
void iJointBallYAMotorSet(uint32_t, float, float, float) {}
void iJointBallZAMotorSet(uint32_t, float, float, float) {}
void iJointDestroy(uint32_t) {}
}
#endif
