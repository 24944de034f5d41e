/* vuzirovari: the game's 3D engine.
 *
 * Conventions
 * - Every object is a uint32_t handle; 0 means failure. Handles are never reused, and every
 *   function accepts 0, stale or already destroyed handles harmlessly.
 * - y is up, +z is forward, angles are in degrees, quaternions are (x, y, z, w).
 * - The 2D plane (sprites, text, screen projection) is 32 x 24 units, x from -16 to 16 and
 *   y from -12 to 12, y up.
 * - iMouseX/iMouseY run 0..1 across the client area from its top-left corner; iMouseY reads
 *   1/48 more than the pointer's pixel (the pointer rule under Sprites).
 * - Keys are keyboard scan codes (1 Esc, 15 Tab, 28 Enter, 57 Space, 200 up, 203 left,
 *   205 right, 208 down).
 * - iFrq() is the last frame's duration in seconds and never 0.
 * - Paths are game paths ("Tavek_res\sounds\key.ogg"); the engine resolves them on the host.
 */
#ifndef VUZIROVARI_H
#define VUZIROVARI_H

#include <stdint.h>

#include "../win32/win32.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct iVector2 { float x, y; } iVector2;
typedef struct iVector3 { float x, y, z; } iVector3;
typedef struct iVector4 { float x, y, z, w; } iVector4;
typedef struct iQuaternion { float x, y, z, w; } iQuaternion;

/* Lifecycle and phases. The program drives the frame loop:
 * iVortaneMain, then the init phase once, the run phase and the render phase. */
int iVortaneOpen(HWND mainWindow, HWND childWindow);
int iVortaneSettings(const uint32_t* record); /* six words */
void iVortaneErrorFlagSet(int flag);
int iVortaneErrorFlag(void);
int iVortaneIsRendering(void);
void iVortaneIsRenderingSet(int rendering);
int iVortaneIsActive(void);
int iVortaneIsReady(void);
void iVortaneMain(void);
int iVortaneIsExecuting(void);
int iVortaneIsInitializing(void);
void iVortaneInitBegin(void);
void iVortaneInitEnd(void);
int iVortaneIsSkippingRunPhase(void);
int iVortaneIsSkippingRenderPhase(void);
void iVortaneRunBegin(void);
void iVortaneRunEnd(void);
void iVortaneRender(void);
void iExit(void);
void iEscEnable(int enabled);

/* Screen */
void iRender(void); /* draws and presents one frame at once, also inside the init and run phases */
void iScreenWipe(int r, int g, int b);
void iTextureMipLevelsSet(int levels);

/* Time */
float iFrq(int mode);
float iSystemTimer(void);
int iFps(void); /* 1 / iFrq(0), rounded */

/* Keyboard, mouse, joysticks */
int iKeyDown(int scanCode);
int iKeyClick(int scanCode);
int iTypedChar(int mode);
float iMouseX(void);
float iMouseY(void);
int iMouseButtonDown(int button);
void iMouseReset(void);
void iMouseResolutionSet(int resolution);
void iWindowsMouseHide(int hide);
int iJoyCount(void);
float iJoyX(int joystick);
float iJoyY(int joystick);
int iJoyButtonDown(int joystick, int button);
int iJoyButtonClick(int joystick, int button);

/* Cameras and the light. A camera's viewport is a rectangle of the window in 0..1 units. */
uint32_t iCameraCreate(float x, float y, float width, float height);
void iCameraDestroy(uint32_t camera);
void iCameraLocationSet(uint32_t camera, const iVector3* location);
void iCameraLocation(uint32_t camera, iVector3* out);
void iCameraOrientationSet(uint32_t camera, const iQuaternion* orientation);
void iCameraOrientation(uint32_t camera, iQuaternion* out);
/* Turns the camera towards the target by the fraction rate of the remaining turn (1 = at once),
 * keeping +y up and no roll. */
void iCameraLookAt(uint32_t camera, const iVector3* target, float rate);
void iCameraFovSet(uint32_t camera, float degrees); /* vertical field of view */
void iLightDirectionalSet(const iVector3* direction, const iVector4* colour);

/* Sounds: Ogg Vorbis files. A failed create returns 0. Playing a playing sound restarts it. */
uint32_t iSoundOggCreate(const char* path, int positional, int reserved);
void iSoundDestroy(uint32_t sound);
void iSoundPlay(uint32_t sound, int loop);
void iSoundPlayNow(uint32_t sound, int loop);
void iSoundStop(uint32_t sound, int mode);
int iSoundPlaying(uint32_t sound);
void iSoundVolumeSet(uint32_t sound, float volume); /* linear 0..1, applied at once */
/* Where a placed sound (created positional) is in the world; heard relative to the listener. */
void iSoundLocationSet(uint32_t sound, const iVector3* location);
/* The listener follows this camera: its location, forward (+z) and up (+y). */
void iListenerCameraSet(uint32_t camera);

/* Resources made from file bytes. Every create parses the bytes at once and keeps nothing of
 * the caller's buffers: they may be freed right after the call, and a destroy never reads them.
 * Failures return 0 (with a log line). Texture ids name a texture for the whole process: two
 * creates with the same id share one texture. Formats: see the engine's README. */
uint32_t iSpriteCreateFromMemory(const void* x, uint32_t xSize, const void* texture,
                                 uint32_t textureSize, int textureId, int owner);
void iSpriteDestroy(uint32_t sprite);
uint32_t iMeshCreateFromMemory(const void* x, uint32_t xSize, const void* texture,
                               uint32_t textureSize, int textureId);
/* A shadow caster follows the body; size is the shadow's extrusion length. */
uint32_t iMeshBodyShadowCasterCreateFromMemory(const void* x, uint32_t xSize, int body, float size);
void iMeshDestroy(uint32_t mesh); /* static meshes and shadow casters */
/* textures/textureSizes: one entry per texture slot of the .x materials, or both null. */
uint32_t iSkinMeshCreateFromMemory(const void* x, uint32_t xSize, const void* const* textures,
                                   const uint32_t* textureSizes);
void iSkinMeshDestroy(uint32_t skinMesh);
/* A static collision set (.ply shape + .pol collision data) and a rigid body (.spg). */
uint32_t iBodyCreateFromMemory(const void* ply, uint32_t plySize, const void* pol, uint32_t polSize);
uint32_t iBodySGCreateFromMemory(const void* spg, uint32_t spgSize, float mass);
void iBodyDestroy(uint32_t body); /* both body kinds */
/* A font: the .wid width table, 256 glyph .x quads (a missing one is null with size 0) and the
 * glyph texture (.dds). */
uint32_t iFontCreateFromMemory(const void* wid, uint32_t widSize, const void* const* glyphs,
                               const uint32_t* glyphSizes, const void* texture,
                               uint32_t textureSize, int textureId, int owner);
/* The same from files, by game path: Name.wid, with Name.dds and Name_00.x ... Name_ff.x beside it. */
uint32_t iFontCreate(const char* widPath, uint32_t camera);
void iFontDestroy(uint32_t font);

/* Resources by game path: the engine reads the files itself, with their companions (a quad or
 * mesh name.x with name.png, a collision set name.ply with name.pol); pictures are shared by
 * path. A missing or broken file gives 0 and one log line. Destroyed as their kin above. */
uint32_t iSpriteCreate(const char* path, int owner);
uint32_t iMeshCreate(const char* path);
uint32_t iSkinMeshCreate(const char* path); /* no texture slots */
uint32_t iBodyCreate(const char* plyPath);
uint32_t iBodySGCreate(const char* spgPath, float mass);
uint32_t iMeshBodyShadowCasterCreate(const char* path, int body, float size);
int iFileExists(const char* path); /* 1 for a regular file, 0 for a folder or nothing */

/* Sprites: textured quads in the 32 x 24 plane. A sprite is created hidden, at (0, 0), scale
 * (1, 1), angle 0, white, priority 0.
 * - location = the quad's left edge and vertical middle; scale = width and height in units;
 *   angle in degrees, counter-clockwise about the location.
 * - Drawn after the 3D scene: lower priority first, then in creation order; text last.
 * - Pointer rule: iMouseY reports the pointer half a unit (1/48) lower than its pixel, so the
 *   plane height under the pointer is my = 12 - 24 x iMouseY and the pixel itself is at
 *   my + 0.5. A rectangle of height h drawn at location y covers [y - h/2, y + h/2]; it is hit
 *   when my + 0.5 lies in it, i.e. my in [y - 0.5 - h/2, y - 0.5 + h/2]. mx = 32 x iMouseX - 16. */
void iSpriteShow(uint32_t sprite);
void iSpriteHide(uint32_t sprite);
void iSpriteSet(uint32_t sprite, const iVector2* location, float angle, const iVector2* scale);
void iSpriteLocationSet(uint32_t sprite, const iVector2* location);
void iSpriteScaleSet(uint32_t sprite, const iVector2* scale);
void iSpriteOrientationSet(uint32_t sprite, float angle);
void iSpriteColorSet(uint32_t sprite, float r, float g, float b, float a); /* 0..1, modulates */
void iSpritePrioritySet(uint32_t sprite, int priority); /* higher is drawn on top */
/* Blend factors: 1 zero, 2 one, 3 source colour, 5 source alpha, 6 one minus source alpha;
 * (5, 6) is ordinary alpha blending (the default). */
void iSpriteRenderModeSet(uint32_t sprite, int source, int destination);
void iSpriteMipFilterModeSet(uint32_t sprite, int mode);  /* 0 none, 1 nearest, 2 linear */
void iSpriteTextureModeSet(uint32_t sprite, int mode);    /* 1 wrap, 3 clamp */
int iSpritePicked(uint32_t sprite); /* the pointer (rule above) is over the drawn quad */
void iSpriteTextureSet(uint32_t sprite, int textureId);   /* a texture already loaded by id */
void iSpriteTextureReset(uint32_t sprite);                /* back to the texture it was made with */
void iSpriteTextureSwap(uint32_t sprite, uint32_t other); /* exchange the two sprites' textures */
void iSpriteTextureChange(uint32_t sprite, const char* texturePath);      /* .png or .dds file */
void iSpriteAlphaTextureChange(uint32_t sprite, const char* texturePath); /* alpha from its red */

/* Text, queued for the current frame (kept until the next iVortaneMain or iVortaneRunBegin,
 * drawn by every render in between), drawn on top of all sprites.
 * - iPrint: location x is the centre of the first character cell, y the line's vertical middle;
 *   cell = character cell size in units; spacing is added after every character.
 * - A character advances by its .wid width x cell.x + spacing; iPrintWidth is that sum over the
 *   text, exactly what iPrint draws.
 * - iPrintCentered: the line's width is centred on location x; a negative spread (0..-1)
 *   adds -spread x cell.x to the spacing (text unravelling outwards); reserved is ignored.
 * - Font 0 or an unknown font prints nothing and measures 0. */
void iPrint(const char* text, const iVector2* location, const iVector2* cell, float spacing,
            uint32_t font);
void iPrintCentered(const char* text, const iVector2* location, const iVector2* cell, float spread,
                    uint32_t font, float reserved);
float iPrintWidth(const char* text, const iVector2* cell, float spacing, uint32_t font);
void iPrintColorSet(float r, float g, float b, float a); /* for later prints; starts white */

/* The 3D scene. Drawn by every render before the 2D layer, through every camera, lit by the
 * directional light: its colour's alpha is the ambient share. Rules (modes, units, render
 * modes, shadows, the mirror, collisions) in the engine's README. */
void iMeshShow(uint32_t mesh);
void iMeshHide(uint32_t mesh);
void iMeshLocationSet(uint32_t mesh, const iVector3* location);          /* world placement */
void iMeshOrientationSet(uint32_t mesh, const iQuaternion* orientation);
void iMeshEulerOrientationSet(uint32_t mesh, float x, float y, float z, const char* order);
void iMeshScaleSet(uint32_t mesh, float x, float y, float z);            /* in the mesh's own axes */
/* Blend factors numbered as for sprites; depthTest and depthWrite 0 off, else on. New meshes
 * have (2, 1, 1, 1): opaque, texels with alpha below 0.5 cut out. */
void iMeshRenderModeSet(uint32_t mesh, int source, int target, int depthTest, int depthWrite);
void iMeshRenderPrioritySet(uint32_t mesh, int priority);  /* lower first within its pass */
void iMeshZBiasSet(uint32_t mesh, int bias);               /* n > 0 draws n depth steps nearer */
void iMeshEmissiveSet(uint32_t mesh, float r, float g, float b, float a); /* a: share unlit */
void iMeshAlphaSet(uint32_t mesh, float alpha);
void iMeshAlphaTextureChange(uint32_t mesh, const char* texturePath); /* alpha from the red channel */
void iMeshMirrorMake(uint32_t mesh, int on);
void iMirrorPlaneSet(const iVector3* point, const iVector3* normal);  /* the one mirror plane */
void iMeshTextureModeSet(uint32_t mesh, int mode);         /* 1 wrap, 2 mirror, 3 clamp, 4 border */
void iMeshWireframeEnable(uint32_t mesh, int on);          /* edges only */
void iMeshSpecularSet(uint32_t mesh, float power, float strength);      /* stored only */
void iMeshFogSet(uint32_t mesh, float start, float end);                /* stored only */
void iMeshLocalLightsEnable(uint32_t mesh, int on);                     /* stored only */
void iMeshTextureMipMapLodSet(uint32_t mesh, float bias);               /* stored only */
void iMeshEnvMapBlendSet(uint32_t mesh, float value);                   /* stored only */
void iMeshEnvMapGlassSet(uint32_t mesh, float value);                   /* stored only */
int iMeshPicked(uint32_t camera, uint32_t mesh);  /* the mouse ray hits the visible mesh */
/* A visible, untextured mesh from a .x file (game path) that follows the body; iMeshDestroy. */
uint32_t iBodyMeshCreate(const char* path, uint32_t body);
/* A world point to the 32 x 24 plane through the camera; (-1000, -1000) behind the camera. */
void i3DLocationToScreen(iVector2* out, const iVector3* world, uint32_t camera);
/* The mouse pointer's ray: the camera's location, the point on the near plane under the
 * pointer and the unit direction through it. */
void iScreenRay(uint32_t camera, iVector3* origin, iVector3* nearPoint, iVector3* direction);

/* Skinned meshes (created hidden) and their bones. Animation time is in frames of 1/25 s of
 * the clip; bone modes: 0 world, 1 model space, 2 and 3 relative to the parent bone. */
void iSkinMeshShow(uint32_t skinMesh);
void iSkinMeshHide(uint32_t skinMesh);
void iSkinMeshLocationSet(uint32_t skinMesh, const iVector3* location);
void iSkinMeshOrientationSet(uint32_t skinMesh, const iQuaternion* orientation);
void iSkinMeshRenderModeSet(uint32_t skinMesh, int source, int target, int depthTest, int depthWrite);
void iSkinMeshTextureChange(uint32_t skinMesh, const char* texturePath, int slot); /* .png by game path */
float iSkinMeshAnimationLength(uint32_t skinMesh);              /* frames; 0 without an animation */
void iSkinMeshAnimationSpeedSet(uint32_t skinMesh, float speed); /* frames per second, 0 pauses */
void iSkinMeshAnimationTimeSet(uint32_t skinMesh, float time);   /* frames */
uint32_t iSkinMeshBoneCreateByName(uint32_t skinMesh, const char* name);
void iSkinMeshBoneDestroy(uint32_t bone);
void iSkinMeshBoneLocation(uint32_t bone, iVector3* out, int mode);
void iSkinMeshBoneOrientation(uint32_t bone, iQuaternion* out, int mode);
/* Holds the bone's rotation at q in that mode's space until set again; wins over the clip. */
void iSkinMeshBoneOrientationSet(uint32_t bone, const iQuaternion* orientation, int mode);

/* Rigid bodies. A body's reference frame is its .spg file's origin and axes; it turns about
 * its centre of mass. Placing a body makes it kinematic for the next physics step. */
void iBodyEnable(uint32_t body);
void iBodyDisable(uint32_t body);
void iBodyLocation(uint32_t body, iVector3* out);      /* the reference frame's origin */
void iBodyLocationCM(uint32_t body, iVector3* out);    /* the centre of mass */
void iBodyOrientation(uint32_t body, iQuaternion* out);
/* mode 1 places the reference frame, mode 0 the centre of mass. */
void iBodyLocationSet(uint32_t body, const iVector3* location, int mode);
void iBodyOrientationSet(uint32_t body, const iQuaternion* orientation, int mode);
void iBodyPhysicsReset(uint32_t body);                 /* velocities and pending pushes to 0 */
void iBodyVelocity(uint32_t body, iVector3* out);      /* units per second */
void iBodyVelocitySet(uint32_t body, const iVector3* velocity);
void iBodySpinSet(uint32_t body, const iVector3* spin); /* axis scaled to degrees per second */
void iBodyForceApply(uint32_t body, const iVector3* force, int mode); /* next step; 0 world, 1 body axes */
void iBodyAccelerationApply(uint32_t body, const iVector3* acceleration); /* next step */
/* Each step, a velocity above the threshold keeps that share. */
void iBodyDampingSet(uint32_t body, float linearThreshold, float linearKeep, float angularThreshold,
                     float angularKeep);
/* Each step, a velocity above the limit (units/s, degrees/s) loses the brake's share. */
void iBodyDamping2Set(uint32_t body, float linearLimit, float linearBrake, float angularLimit,
                      float angularBrake);

/* Body pairs: touch reports between a rigid body and a rigid body (sensor only) or a collision
 * set. Created disabled with feedback off. Shapes: -1 any, k the k-th in file order. */
uint32_t iBodyBodyCreate(uint32_t first, uint32_t second);
void iBodyBodyDestroy(uint32_t pair);
void iBodyBodyEnable(uint32_t pair, int on);
void iBodyBodyFeedbackEnable(uint32_t pair, int firstShape, int secondShape, int on);
/* Contact points of the last step; point = their mean, direction = the unit way the first body
 * moves to separate. The last four arguments are ignored. */
int iBodyBodyFeedback(uint32_t pair, int firstShape, int secondShape, iVector3* point, iVector3* direction,
                      int reserved1, int reserved2, int reserved3, int reserved4);
void iBodyBodyRestitutionSet(uint32_t pair, float restitution);
void iBodyBodyFrictionSet(uint32_t pair, float friction);

/* Ball joints between two rigid bodies at a world anchor. Angles about the joint frame's axes
 * in degrees; stops (low, high, stiffness, damping); motors (speed in degrees/s, max torque,
 * factor). */
uint32_t iJointBallCreate(uint32_t parent, uint32_t child, const iVector3* anchor);
void iJointBallOrientationSet(uint32_t joint, const iQuaternion* frame);
void iJointBallXStopsSet(uint32_t joint, float low, float high, float stiffness, float damping);
void iJointBallYStopsSet(uint32_t joint, float low, float high, float stiffness, float damping);
void iJointBallZStopsSet(uint32_t joint, float low, float high, float stiffness, float damping);
void iJointBallXAMotorSet(uint32_t joint, float speed, float maxTorque, float factor);
void iJointBallYAMotorSet(uint32_t joint, float speed, float maxTorque, float factor);
void iJointBallZAMotorSet(uint32_t joint, float speed, float maxTorque, float factor);
void iJointDestroy(uint32_t joint);

/* Quaternions, vectors and floats. Results come first, by address. */
void iQuaternionFromEulerAngles(iQuaternion* out, float x, float y, float z, const char* order);
void iQuaternionFromAxisAngle(iQuaternion* out, const iVector3* axis, float degrees);
void iQuaternionToAxisAngle(const iQuaternion* q, iVector3* axisOut, float* degreesOut); /* [0, 360) */
void iQuaternionMultiply(iQuaternion* out, const iQuaternion* a, const iQuaternion* b); /* b first, then a */
void iQuaternionInterpolate(iQuaternion* out, const iQuaternion* a, const iQuaternion* b, float w);
void iQuaternionLookAt(iQuaternion* out, const iVector3* direction, int reserved);
float iVectorLength(const iVector3* v);
float iVectorLengthSq(const iVector3* v);
void iVectorLengthSet(iVector3* out, const iVector3* in, float length);
void iVectorRotate(iVector3* out, const iVector3* v, const iQuaternion* q);
/* Maps x linearly from [inMin, inMax] onto [outMin, outMax], clamped to that range:
 * (1, 0, 1, 0, x) is x clamped to 0..1. */
float iFloatInterpolate(float outMax, float outMin, float inMax, float inMin, float x);
/* Moves *value towards target by at most rate units per second of frame time (rate x iFrq()),
 * never past it. Argument order: (value, rate, target). Callers that want the value to close
 * a fraction f of the remaining gap in one frame pass rate = f x |target - *value| / iFrq(). */
void iFloatTendTo(float* value, float rate, float target);

#ifdef __cplusplus
}
#endif

#endif
