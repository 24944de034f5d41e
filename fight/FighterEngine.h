// The engine's skinned-mesh, body, contact and joint calls that a fighter's body uses. They
// belong to the engine header; until the engine in this tree declares them, the build defines
// BRENNOCK_ENGINE_3D_PENDING and they are declared here with the engine's own signatures.
#pragma once

#include "platform/vuzirovari/vuzirovari.h"

#ifdef BRENNOCK_ENGINE_3D_PENDING
extern "C" {
void iSkinMeshShow(uint32_t skinMesh);
void iSkinMeshHide(uint32_t skinMesh);
void iSkinMeshLocationSet(uint32_t skinMesh, const iVector3* location);
void iSkinMeshOrientationSet(uint32_t skinMesh, const iQuaternion* orientation);
void iSkinMeshRenderModeSet(uint32_t skinMesh, int source, int target, int depthTest, int depthWrite);
void iSkinMeshTextureChange(uint32_t skinMesh, const char* path, int slot);
float iSkinMeshAnimationLength(uint32_t skinMesh);
void iSkinMeshAnimationSpeedSet(uint32_t skinMesh, float speed);
void iSkinMeshAnimationTimeSet(uint32_t skinMesh, float time);
uint32_t iSkinMeshBoneCreateByName(uint32_t skinMesh, const char* name);
void iSkinMeshBoneDestroy(uint32_t bone);
void iSkinMeshBoneLocation(uint32_t bone, iVector3* out, int mode);
void iSkinMeshBoneOrientation(uint32_t bone, iQuaternion* out, int mode);
void iSkinMeshBoneOrientationSet(uint32_t bone, const iQuaternion* orientation, int mode);
void iMeshShow(uint32_t mesh);
void iMeshHide(uint32_t mesh);
uint32_t iBodyMeshCreate(const char* path, uint32_t body);
void iBodyEnable(uint32_t body);
void iBodyDisable(uint32_t body);
void iBodyLocation(uint32_t body, iVector3* out);
void iBodyLocationCM(uint32_t body, iVector3* out);
void iBodyOrientation(uint32_t body, iQuaternion* out);
void iBodyLocationSet(uint32_t body, const iVector3* location, int mode);
void iBodyOrientationSet(uint32_t body, const iQuaternion* orientation, int mode);
void iBodyPhysicsReset(uint32_t body);
void iBodyVelocity(uint32_t body, iVector3* out);
void iBodyVelocitySet(uint32_t body, const iVector3* velocity);
void iBodySpinSet(uint32_t body, const iVector3* spin);
void iBodyForceApply(uint32_t body, const iVector3* force, int mode);
void iBodyAccelerationApply(uint32_t body, const iVector3* acceleration);
void iBodyDampingSet(uint32_t body, float a, float b, float c, float d);
void iBodyDamping2Set(uint32_t body, float a, float b, float c, float d);
uint32_t iBodyBodyCreate(uint32_t first, uint32_t second);
void iBodyBodyDestroy(uint32_t pair);
void iBodyBodyEnable(uint32_t pair, int on);
void iBodyBodyFeedbackEnable(uint32_t pair, int firstShape, int secondShape, int on);
int iBodyBodyFeedback(uint32_t pair, int firstShape, int secondShape, iVector3* point,
                      iVector3* direction, int a, int b, int c, int d);
void iBodyBodyRestitutionSet(uint32_t pair, float restitution);
void iBodyBodyFrictionSet(uint32_t pair, float friction);
uint32_t iJointBallCreate(uint32_t parent, uint32_t child, const iVector3* anchor);
void iJointBallOrientationSet(uint32_t joint, const iQuaternion* orientation);
void iJointBallXStopsSet(uint32_t joint, float low, float high, float a, float b);
void iJointBallYStopsSet(uint32_t joint, float low, float high, float a, float b);
void iJointBallZStopsSet(uint32_t joint, float low, float high, float a, float b);
void iJointBallXAMotorSet(uint32_t joint, float speed, float maxTorque, float factor);
void iJointBallYAMotorSet(uint32_t joint, float speed, float maxTorque, float factor);
void iJointBallZAMotorSet(uint32_t joint, float speed, float maxTorque, float factor);
void iJointDestroy(uint32_t joint);
}
#endif
