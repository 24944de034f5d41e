/* vuzirovari: the function table the engine hands to the plug-in.
 *
 * The table has VUZ_TABLE_SIZE entries. VUZ_TABLE_ENTRIES lists every entry that holds an engine
 * function, as X(index, function); it is the only place an index is written. Every other entry
 * holds a function of its own index that writes one log line the first time it is called
 * ("engine: plug-in table entry 423 is not offered") and returns 0.
 * A caller casts an entry to the type of the function it names (vuzirovari.h). Entries 86 and
 * 214 destroy what the plug-in's bodies and skinned meshes were made by (26, 28 and 129).
 */
#ifndef VUZIROVARI_TABLE_H
#define VUZIROVARI_TABLE_H

#include "vuzirovari.h"

#ifdef __cplusplus
extern "C" {
#endif

#define VUZ_TABLE_SIZE 507

typedef void (*VuzEntry)(void);

#define VUZ_TABLE_ENTRIES(X) \
    X(0, iCameraCreate) \
    X(10, iCameraOrientation) \
    X(12, iCameraLocationSet) \
    X(14, iCameraLookAt) \
    X(15, iCameraDestroy) \
    X(18, iLightDirectionalSet) \
    X(26, iBodyCreate) \
    X(28, iBodySGCreate) \
    X(31, iBodyMeshCreate) \
    X(35, iBodyDampingSet) \
    X(36, iBodyDamping2Set) \
    X(39, iBodyDisable) \
    X(40, iBodyEnable) \
    X(42, iBodyBodyCreate) \
    X(44, iJointBallCreate) \
    X(45, iJointBallOrientationSet) \
    X(49, iJointDestroy) \
    X(50, iJointBallXStopsSet) \
    X(51, iJointBallXAMotorSet) \
    X(52, iJointBallYStopsSet) \
    X(53, iJointBallYAMotorSet) \
    X(54, iJointBallZStopsSet) \
    X(55, iJointBallZAMotorSet) \
    X(62, iBodyBodyRestitutionSet) \
    X(63, iBodyBodyFrictionSet) \
    X(70, iBodyBodyDestroy) \
    X(76, iBodyBodyFeedbackEnable) \
    X(77, iBodyBodyFeedback) \
    X(80, iBodyOrientationSet) \
    X(82, iBodyLocationSet) \
    X(84, iBodySpinSet) \
    X(85, iBodyVelocitySet) \
    X(86, iBodyDestroy) \
    X(87, iBodyLocationCM) \
    X(89, iBodyLocation) \
    X(91, iBodyOrientation) \
    X(92, iQuaternionToAxisAngle) \
    X(93, iQuaternionFromAxisAngle) \
    X(94, iQuaternionFromEulerAngles) \
    X(127, iMeshCreate) \
    X(129, iSkinMeshCreate) \
    X(134, iMeshEulerOrientationSet) \
    X(140, iMeshOrientationSet) \
    X(143, iSkinMeshOrientationSet) \
    X(144, iMeshLocationSet) \
    X(145, iSkinMeshLocationSet) \
    X(146, iSkinMeshAnimationSpeedSet) \
    X(147, iSkinMeshAnimationTimeSet) \
    X(148, iMeshScaleSet) \
    X(149, iMeshFogSet) \
    X(152, iMeshRenderModeSet) \
    X(154, iMeshRenderPrioritySet) \
    X(155, iMeshZBiasSet) \
    X(157, iMeshEmissiveSet) \
    X(158, iMeshAlphaSet) \
    X(159, iMeshSpecularSet) \
    X(165, iMeshEnvMapGlassSet) \
    X(171, iMeshMirrorMake) \
    X(172, iMeshLocalLightsEnable) \
    X(173, iMeshWireframeEnable) \
    X(176, iMeshPicked) \
    X(186, iMeshHide) \
    X(187, iMeshShow) \
    X(188, iSkinMeshShow) \
    X(189, iSkinMeshHide) \
    X(204, iSpriteAlphaTextureChange) \
    X(205, iSpriteTextureChange) \
    X(206, iSpriteMipFilterModeSet) \
    X(207, iSpriteTextureModeSet) \
    X(208, iMeshTextureModeSet) \
    X(213, iMeshDestroy) \
    X(214, iSkinMeshDestroy) \
    X(218, iSkinMeshAnimationLength) \
    X(221, iSkinMeshBoneCreateByName) \
    X(223, iSkinMeshBoneDestroy) \
    X(226, iSkinMeshBoneOrientation) \
    X(227, iSkinMeshBoneOrientationSet) \
    X(229, iSkinMeshBoneLocation) \
    X(235, iMeshBodyShadowCasterCreate) \
    X(255, iSpriteTextureSet) \
    X(256, iSpriteTextureReset) \
    X(262, iSpriteTextureSwap) \
    X(266, iMeshEnvMapBlendSet) \
    X(267, iMeshTextureMipMapLodSet) \
    X(272, iSpriteCreate) \
    X(274, iSpriteSet) \
    X(275, iSpriteOrientationSet) \
    X(276, iSpriteLocationSet) \
    X(277, iSpriteScaleSet) \
    X(278, iSpriteColorSet) \
    X(280, iSpritePrioritySet) \
    X(281, iSpriteRenderModeSet) \
    X(282, iSpriteHide) \
    X(283, iSpriteShow) \
    X(285, iSpritePicked) \
    X(287, iSpriteDestroy) \
    X(322, iFps) \
    X(335, iKeyDown) \
    X(336, iKeyClick) \
    X(339, iMouseButtonDown) \
    X(342, iMouseX) \
    X(343, iMouseY) \
    X(346, iWindowsMouseHide) \
    X(360, iFontCreate) \
    X(362, iFontDestroy) \
    X(363, iPrint) \
    X(365, iPrintWidth) \
    X(382, iTextureMipLevelsSet) \
    X(411, iVectorLength) \
    X(415, iVectorLengthSet) \
    X(418, iVectorRotate) \
    X(421, iQuaternionMultiply) \
    X(444, iExit) \
    X(457, iFileExists) \
    X(463, iFrq) \
    X(501, iTypedChar) \
    X(504, iBodyBodyEnable)

/* The plug-in's six exports, as the host finds them by name. */
typedef void (*VortaneLibInitFn)(const VuzEntry* table); /* "LibInit": VUZ_TABLE_SIZE entries */
typedef void (*VortanePreInitFn)(void);                  /* "PreInit" */
typedef void (*VortaneInitFn)(void);                     /* "Init", inside the engine's init phase */
typedef void (*VortaneRunFn)(void);                      /* "Run", inside each run phase */
typedef void (*VortaneExitFn)(void);                     /* "Exit" */
typedef void (*VortanePostExitFn)(void);                 /* "PostExit" */

/* The engine's table: VUZ_TABLE_SIZE entries, valid for the whole process. */
const VuzEntry* vuzPluginTable(void);

#ifdef __cplusplus
}
#endif

#endif
