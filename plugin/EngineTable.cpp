// The plug-in's only way to the engine: the table LibInit hands over. Every engine function
// the plug-in's code and its toolkit call is defined here as one call through its entry, so the
// library binds to no engine of its own; the few the table does not offer are local stand-ins.
#include "plugin/EngineTable.h"

#include "platform/vuzirovari/vuzirovari_table.h"

namespace {

// Where each offered function stands in the table (written once, in the engine's list).
enum EntryIndex : int {
#define VORTANE_INDEX(index, function) Index_##function = index,
    VUZ_TABLE_ENTRIES(VORTANE_INDEX)
#undef VORTANE_INDEX
};

// Every entry before LibInit, and after a null table: nothing happens, the answer is 0.
int inert() { return 0; }

VuzEntry entries[VUZ_TABLE_SIZE];
bool filled = false;
bool engineBound = false;

void fillInert() {
    for (VuzEntry& e : entries) e = reinterpret_cast<VuzEntry>(&inert);
    filled = true;
}

// The entry at index as the engine function f's own type.
template <typename Function>
Function entry(Function, int index) {
    if (!filled) fillInert();
    return reinterpret_cast<Function>(entries[index]);
}

#define VIA(function) entry(&function, Index_##function)

}  // namespace

namespace Vortane {

bool bindEngineTable(const VuzEntry* table) {
    fillInert();
    engineBound = table != nullptr;
    if (!table) return false;
    for (int i = 0; i < VUZ_TABLE_SIZE; ++i) entries[i] = table[i];
    return true;
}

bool isEngineBound() { return engineBound; }

}  // namespace Vortane

extern "C" {

uint32_t iCameraCreate(float x, float y, float width, float height) {
    return VIA(iCameraCreate)(x, y, width, height);
}
void iCameraOrientation(uint32_t camera, iQuaternion* out) { VIA(iCameraOrientation)(camera, out); }
void iCameraLocationSet(uint32_t camera, const iVector3* location) {
    VIA(iCameraLocationSet)(camera, location);
}
void iCameraLookAt(uint32_t camera, const iVector3* target, float rate) {
    VIA(iCameraLookAt)(camera, target, rate);
}
void iCameraDestroy(uint32_t camera) { VIA(iCameraDestroy)(camera); }
void iLightDirectionalSet(const iVector3* direction, const iVector4* colour) {
    VIA(iLightDirectionalSet)(direction, colour);
}
uint32_t iBodyCreate(const char* plyPath) { return VIA(iBodyCreate)(plyPath); }
uint32_t iBodySGCreate(const char* spgPath, float mass) { return VIA(iBodySGCreate)(spgPath, mass); }
uint32_t iBodyMeshCreate(const char* path, uint32_t body) { return VIA(iBodyMeshCreate)(path, body); }
void iBodyDampingSet(uint32_t body, float linearThreshold, float linearKeep, float angularThreshold,
                     float angularKeep) {
    VIA(iBodyDampingSet)(body, linearThreshold, linearKeep, angularThreshold, angularKeep);
}
void iBodyDamping2Set(uint32_t body, float linearLimit, float linearBrake, float angularLimit,
                      float angularBrake) {
    VIA(iBodyDamping2Set)(body, linearLimit, linearBrake, angularLimit, angularBrake);
}
void iBodyDisable(uint32_t body) { VIA(iBodyDisable)(body); }
void iBodyEnable(uint32_t body) { VIA(iBodyEnable)(body); }
uint32_t iBodyBodyCreate(uint32_t first, uint32_t second) { return VIA(iBodyBodyCreate)(first, second); }
uint32_t iJointBallCreate(uint32_t parent, uint32_t child, const iVector3* anchor) {
    return VIA(iJointBallCreate)(parent, child, anchor);
}
void iJointBallOrientationSet(uint32_t joint, const iQuaternion* frame) {
    VIA(iJointBallOrientationSet)(joint, frame);
}
void iJointDestroy(uint32_t joint) { VIA(iJointDestroy)(joint); }
void iJointBallXStopsSet(uint32_t joint, float low, float high, float stiffness, float damping) {
    VIA(iJointBallXStopsSet)(joint, low, high, stiffness, damping);
}
void iJointBallXAMotorSet(uint32_t joint, float speed, float maxTorque, float factor) {
    VIA(iJointBallXAMotorSet)(joint, speed, maxTorque, factor);
}
void iJointBallYStopsSet(uint32_t joint, float low, float high, float stiffness, float damping) {
    VIA(iJointBallYStopsSet)(joint, low, high, stiffness, damping);
}
void iJointBallYAMotorSet(uint32_t joint, float speed, float maxTorque, float factor) {
    VIA(iJointBallYAMotorSet)(joint, speed, maxTorque, factor);
}
void iJointBallZStopsSet(uint32_t joint, float low, float high, float stiffness, float damping) {
    VIA(iJointBallZStopsSet)(joint, low, high, stiffness, damping);
}
void iJointBallZAMotorSet(uint32_t joint, float speed, float maxTorque, float factor) {
    VIA(iJointBallZAMotorSet)(joint, speed, maxTorque, factor);
}
void iBodyBodyRestitutionSet(uint32_t pair, float restitution) {
    VIA(iBodyBodyRestitutionSet)(pair, restitution);
}
void iBodyBodyFrictionSet(uint32_t pair, float friction) { VIA(iBodyBodyFrictionSet)(pair, friction); }
void iBodyBodyDestroy(uint32_t pair) { VIA(iBodyBodyDestroy)(pair); }
void iBodyBodyFeedbackEnable(uint32_t pair, int firstShape, int secondShape, int on) {
    VIA(iBodyBodyFeedbackEnable)(pair, firstShape, secondShape, on);
}
int iBodyBodyFeedback(uint32_t pair, int firstShape, int secondShape, iVector3* point, iVector3* direction,
                      int reserved1, int reserved2, int reserved3, int reserved4) {
    return VIA(iBodyBodyFeedback)(pair, firstShape, secondShape, point, direction, reserved1, reserved2,
                                  reserved3, reserved4);
}
void iBodyOrientationSet(uint32_t body, const iQuaternion* orientation, int mode) {
    VIA(iBodyOrientationSet)(body, orientation, mode);
}
void iBodyLocationSet(uint32_t body, const iVector3* location, int mode) {
    VIA(iBodyLocationSet)(body, location, mode);
}
void iBodySpinSet(uint32_t body, const iVector3* spin) { VIA(iBodySpinSet)(body, spin); }
void iBodyVelocitySet(uint32_t body, const iVector3* velocity) { VIA(iBodyVelocitySet)(body, velocity); }
void iBodyDestroy(uint32_t body) { VIA(iBodyDestroy)(body); }
void iBodyLocationCM(uint32_t body, iVector3* out) { VIA(iBodyLocationCM)(body, out); }
void iBodyLocation(uint32_t body, iVector3* out) { VIA(iBodyLocation)(body, out); }
void iBodyOrientation(uint32_t body, iQuaternion* out) { VIA(iBodyOrientation)(body, out); }
void iQuaternionToAxisAngle(const iQuaternion* q, iVector3* axisOut, float* degreesOut) {
    VIA(iQuaternionToAxisAngle)(q, axisOut, degreesOut);
}
void iQuaternionFromAxisAngle(iQuaternion* out, const iVector3* axis, float degrees) {
    VIA(iQuaternionFromAxisAngle)(out, axis, degrees);
}
void iQuaternionFromEulerAngles(iQuaternion* out, float x, float y, float z, const char* order) {
    VIA(iQuaternionFromEulerAngles)(out, x, y, z, order);
}
uint32_t iMeshCreate(const char* path) { return VIA(iMeshCreate)(path); }
uint32_t iSkinMeshCreate(const char* path) { return VIA(iSkinMeshCreate)(path); }
void iMeshEulerOrientationSet(uint32_t mesh, float x, float y, float z, const char* order) {
    VIA(iMeshEulerOrientationSet)(mesh, x, y, z, order);
}
void iMeshOrientationSet(uint32_t mesh, const iQuaternion* orientation) {
    VIA(iMeshOrientationSet)(mesh, orientation);
}
void iSkinMeshOrientationSet(uint32_t skinMesh, const iQuaternion* orientation) {
    VIA(iSkinMeshOrientationSet)(skinMesh, orientation);
}
void iMeshLocationSet(uint32_t mesh, const iVector3* location) { VIA(iMeshLocationSet)(mesh, location); }
void iSkinMeshLocationSet(uint32_t skinMesh, const iVector3* location) {
    VIA(iSkinMeshLocationSet)(skinMesh, location);
}
void iSkinMeshAnimationSpeedSet(uint32_t skinMesh, float speed) {
    VIA(iSkinMeshAnimationSpeedSet)(skinMesh, speed);
}
void iSkinMeshAnimationTimeSet(uint32_t skinMesh, float time) {
    VIA(iSkinMeshAnimationTimeSet)(skinMesh, time);
}
void iMeshScaleSet(uint32_t mesh, float x, float y, float z) { VIA(iMeshScaleSet)(mesh, x, y, z); }
void iMeshFogSet(uint32_t mesh, float start, float end) { VIA(iMeshFogSet)(mesh, start, end); }
void iMeshRenderModeSet(uint32_t mesh, int source, int target, int depthTest, int depthWrite) {
    VIA(iMeshRenderModeSet)(mesh, source, target, depthTest, depthWrite);
}
void iMeshRenderPrioritySet(uint32_t mesh, int priority) { VIA(iMeshRenderPrioritySet)(mesh, priority); }
void iMeshZBiasSet(uint32_t mesh, int bias) { VIA(iMeshZBiasSet)(mesh, bias); }
void iMeshEmissiveSet(uint32_t mesh, float r, float g, float b, float a) {
    VIA(iMeshEmissiveSet)(mesh, r, g, b, a);
}
void iMeshAlphaSet(uint32_t mesh, float alpha) { VIA(iMeshAlphaSet)(mesh, alpha); }
void iMeshSpecularSet(uint32_t mesh, float power, float strength) {
    VIA(iMeshSpecularSet)(mesh, power, strength);
}
void iMeshEnvMapGlassSet(uint32_t mesh, float value) { VIA(iMeshEnvMapGlassSet)(mesh, value); }
void iMeshMirrorMake(uint32_t mesh, int on) { VIA(iMeshMirrorMake)(mesh, on); }
void iMeshLocalLightsEnable(uint32_t mesh, int on) { VIA(iMeshLocalLightsEnable)(mesh, on); }
void iMeshWireframeEnable(uint32_t mesh, int on) { VIA(iMeshWireframeEnable)(mesh, on); }
int iMeshPicked(uint32_t camera, uint32_t mesh) { return VIA(iMeshPicked)(camera, mesh); }
void iMeshHide(uint32_t mesh) { VIA(iMeshHide)(mesh); }
void iMeshShow(uint32_t mesh) { VIA(iMeshShow)(mesh); }
void iSkinMeshShow(uint32_t skinMesh) { VIA(iSkinMeshShow)(skinMesh); }
void iSkinMeshHide(uint32_t skinMesh) { VIA(iSkinMeshHide)(skinMesh); }
void iSpriteAlphaTextureChange(uint32_t sprite, const char* texturePath) {
    VIA(iSpriteAlphaTextureChange)(sprite, texturePath);
}
void iSpriteTextureChange(uint32_t sprite, const char* texturePath) {
    VIA(iSpriteTextureChange)(sprite, texturePath);
}
void iSpriteMipFilterModeSet(uint32_t sprite, int mode) { VIA(iSpriteMipFilterModeSet)(sprite, mode); }
void iSpriteTextureModeSet(uint32_t sprite, int mode) { VIA(iSpriteTextureModeSet)(sprite, mode); }
void iMeshTextureModeSet(uint32_t mesh, int mode) { VIA(iMeshTextureModeSet)(mesh, mode); }
void iMeshDestroy(uint32_t mesh) { VIA(iMeshDestroy)(mesh); }
void iSkinMeshDestroy(uint32_t skinMesh) { VIA(iSkinMeshDestroy)(skinMesh); }
float iSkinMeshAnimationLength(uint32_t skinMesh) { return VIA(iSkinMeshAnimationLength)(skinMesh); }
uint32_t iSkinMeshBoneCreateByName(uint32_t skinMesh, const char* name) {
    return VIA(iSkinMeshBoneCreateByName)(skinMesh, name);
}
void iSkinMeshBoneDestroy(uint32_t bone) { VIA(iSkinMeshBoneDestroy)(bone); }
void iSkinMeshBoneOrientation(uint32_t bone, iQuaternion* out, int mode) {
    VIA(iSkinMeshBoneOrientation)(bone, out, mode);
}
void iSkinMeshBoneOrientationSet(uint32_t bone, const iQuaternion* orientation, int mode) {
    VIA(iSkinMeshBoneOrientationSet)(bone, orientation, mode);
}
void iSkinMeshBoneLocation(uint32_t bone, iVector3* out, int mode) {
    VIA(iSkinMeshBoneLocation)(bone, out, mode);
}
uint32_t iMeshBodyShadowCasterCreate(const char* path, int body, float size) {
    return VIA(iMeshBodyShadowCasterCreate)(path, body, size);
}
void iSpriteTextureSet(uint32_t sprite, int textureId) { VIA(iSpriteTextureSet)(sprite, textureId); }
void iSpriteTextureReset(uint32_t sprite) { VIA(iSpriteTextureReset)(sprite); }
void iSpriteTextureSwap(uint32_t sprite, uint32_t other) { VIA(iSpriteTextureSwap)(sprite, other); }
void iMeshEnvMapBlendSet(uint32_t mesh, float value) { VIA(iMeshEnvMapBlendSet)(mesh, value); }
void iMeshTextureMipMapLodSet(uint32_t mesh, float bias) { VIA(iMeshTextureMipMapLodSet)(mesh, bias); }
uint32_t iSpriteCreate(const char* path, int owner) { return VIA(iSpriteCreate)(path, owner); }
void iSpriteSet(uint32_t sprite, const iVector2* location, float angle, const iVector2* scale) {
    VIA(iSpriteSet)(sprite, location, angle, scale);
}
void iSpriteOrientationSet(uint32_t sprite, float angle) { VIA(iSpriteOrientationSet)(sprite, angle); }
void iSpriteLocationSet(uint32_t sprite, const iVector2* location) {
    VIA(iSpriteLocationSet)(sprite, location);
}
void iSpriteScaleSet(uint32_t sprite, const iVector2* scale) { VIA(iSpriteScaleSet)(sprite, scale); }
void iSpriteColorSet(uint32_t sprite, float r, float g, float b, float a) {
    VIA(iSpriteColorSet)(sprite, r, g, b, a);
}
void iSpritePrioritySet(uint32_t sprite, int priority) { VIA(iSpritePrioritySet)(sprite, priority); }
void iSpriteRenderModeSet(uint32_t sprite, int source, int destination) {
    VIA(iSpriteRenderModeSet)(sprite, source, destination);
}
void iSpriteHide(uint32_t sprite) { VIA(iSpriteHide)(sprite); }
void iSpriteShow(uint32_t sprite) { VIA(iSpriteShow)(sprite); }
int iSpritePicked(uint32_t sprite) { return VIA(iSpritePicked)(sprite); }
void iSpriteDestroy(uint32_t sprite) { VIA(iSpriteDestroy)(sprite); }
int iFps(void) { return VIA(iFps)(); }
int iKeyDown(int scanCode) { return VIA(iKeyDown)(scanCode); }
int iKeyClick(int scanCode) { return VIA(iKeyClick)(scanCode); }
int iMouseButtonDown(int button) { return VIA(iMouseButtonDown)(button); }
float iMouseX(void) { return VIA(iMouseX)(); }
float iMouseY(void) { return VIA(iMouseY)(); }
void iWindowsMouseHide(int hide) { VIA(iWindowsMouseHide)(hide); }
uint32_t iFontCreate(const char* widPath, uint32_t camera) { return VIA(iFontCreate)(widPath, camera); }
void iFontDestroy(uint32_t font) { VIA(iFontDestroy)(font); }
void iPrint(const char* text, const iVector2* location, const iVector2* cell, float spacing, uint32_t font) {
    VIA(iPrint)(text, location, cell, spacing, font);
}
float iPrintWidth(const char* text, const iVector2* cell, float spacing, uint32_t font) {
    return VIA(iPrintWidth)(text, cell, spacing, font);
}
void iTextureMipLevelsSet(int levels) { VIA(iTextureMipLevelsSet)(levels); }
float iVectorLength(const iVector3* v) { return VIA(iVectorLength)(v); }
void iVectorLengthSet(iVector3* out, const iVector3* in, float length) {
    VIA(iVectorLengthSet)(out, in, length);
}
void iVectorRotate(iVector3* out, const iVector3* v, const iQuaternion* q) { VIA(iVectorRotate)(out, v, q); }
void iQuaternionMultiply(iQuaternion* out, const iQuaternion* a, const iQuaternion* b) {
    VIA(iQuaternionMultiply)(out, a, b);
}
void iExit(void) { VIA(iExit)(); }
int iFileExists(const char* path) { return VIA(iFileExists)(path); }
float iFrq(int mode) { return VIA(iFrq)(mode); }
int iTypedChar(int mode) { return VIA(iTypedChar)(mode); }
void iBodyBodyEnable(uint32_t pair, int on) { VIA(iBodyBodyEnable)(pair, on); }

// Not in the table: the toolkit's sounds stay silent, the pointer keeps the engine's resolution,
// and centred text (which no plug-in screen prints) prints nothing.
uint32_t iSoundOggCreate(const char*, int, int) { return 0; }
void iSoundPlay(uint32_t, int) {}
void iSoundStop(uint32_t, int) {}
void iSoundVolumeSet(uint32_t, float) {}
void iMouseResolutionSet(int) {}
void iPrintCentered(const char*, const iVector2*, const iVector2*, float, uint32_t, float) {}

}  // extern "C"
