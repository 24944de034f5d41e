/* The engine's test interface: drives time and input, reads back what the engine holds.
 * Never used by the game. */
#ifndef VUZIROVARI_TEST_H
#define VUZIROVARI_TEST_H

#include <stdint.h>

#include "vuzirovari.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Back to a freshly loaded engine: every object gone, window closed, flags, input and time reset.
 * Test settings (drawing, fixed frame time, forced results) are reset too. */
void vtReset(void);

/* Drawing off: no window and no GL context; everything else runs as usual. */
void vtSetDrawing(int on);
/* A fixed frame time in seconds for iFrq and iSystemTimer; 0 measures real time. */
void vtSetFixedFrameTime(float seconds);

/* Forced results for the frame-loop tests. */
void vtFailOpen(int fail);
void vtFailSettings(int fail);
void vtSetActive(int active);
void vtSetSkipRunPhase(int skip);
void vtSetSkipRenderPhase(int skip);
/* Raise the error flag inside the next iVortaneInitEnd ("init") or iVortaneRunBegin ("run"). */
void vtRaiseErrorIn(const char* phase);

/* Input injection: held state is combined with the real devices. */
void vtKeySet(int scanCode, int down);
void vtMouseSet(float x, float y);
void vtMouseButtonSet(int button, int down);
void vtJoyCountSet(int count); /* injected joysticks come after real ones */
void vtJoyAxisSet(int joystick, float x, float y);
void vtJoyButtonSet(int joystick, int button, int down);
void vtTypeChar(int character);
/* A window event as if the operating system sent it, delivered by the next message pump:
 * "close", "expose", "restore", "focus" or "minimise" (minimised until "restore").
 * Returns 0 for an unknown name. */
int vtInjectWindowEvent(const char* event);

/* Benchmarks: with timing on, each render waits for the GPU between its parts and keeps its
 * split in seconds: [0] gathering the 3D scene, [1] issuing it to the driver (its vertex work
 * included), [2] the rasteriser finishing it, [3] the 2D layer (sprites and text), finished,
 * [4] presenting. */
void vtRenderTimingSet(int on);
void vtRenderTimes(float seconds[5]);

/* Readback. */
int vtFrameCount(void);      /* iVortaneMain calls since open */
int vtRenderCount(void);     /* frames presented (iVortaneRender and iRender) */
const char* vtCallLog(void); /* lifecycle calls, one per line: "open", "settings", "main", "init-begin", ...;
                                the latest 32 to 64 kB of them */
void vtCallLogClear(void);
int vtWindowOpen(void);      /* a real window exists */
int vtWindowShown(void);
int vtMouseHidden(void);
int vtEscEnabled(void);
int vtMipLevels(void);
int vtCameraGet(uint32_t camera, iVector3* location, iQuaternion* orientation, float* fov);
int vtLightGet(iVector3* direction, iVector4* colour);
int vtSoundGet(uint32_t sound, int* playing, int* looping, float* volume, float* lengthSeconds,
               int* positional);
/* A sound's world location (iSoundLocationSet). */
int vtSoundLocationGet(uint32_t sound, iVector3* location);
/* The listener's camera and the pose last taken from it; returns 0 when no camera is set. */
int vtListenerGet(uint32_t* camera, iVector3* location, iVector3* forward, iVector3* up);
/* 1 while an audio device is open (opened by the first sound). */
int vtAudioOutputOpen(void);
/* What the audio device does with a sound: its source playing, its gain, streamed or decoded
 * whole. Returns 0 when the sound has no voice (no device). */
int vtSoundOutputGet(uint32_t sound, int* sourcePlaying, float* gain, int* streamed);
int vtLiveObjectCount(void); /* cameras and sounds still alive */
int vtSoundCount(void);      /* sounds still alive */

/* The sound log: every start and stop of a sound, in the order they happen, while it is on.
 * Off and empty after vtReset; turning it off keeps what it holds. */
enum { vtSoundStarted = 1, vtSoundStopped = 2, vtSoundEnded = 3 };
typedef struct vtSoundEvent {
    int frame;        /* vtFrameCount() when it happened */
    int kind;         /* vtSoundStarted (also a restart), vtSoundStopped (iSoundStop or iSoundDestroy
                       * of a playing sound), vtSoundEnded (its length ran out on the engine clock) */
    int looping;      /* playing as a loop when it happened */
    uint32_t sound;
    const char* path; /* the game path it was created with; valid until the log is cleared */
} vtSoundEvent;
void vtSoundLogEnable(int on);
int vtSoundLogCount(void);
int vtSoundLogGet(int index, vtSoundEvent* out); /* 0 past the end */
void vtSoundLogClear(void);
int vtAutopilotActive(void);   /* the environment asked for an autopilot at open */
int vtAutopilotBadLines(void); /* script lines and entries it skipped as malformed */

/* Resources and the 2D layer. */
typedef struct vtSprite {
    int visible;
    iVector2 location;
    iVector2 scale;
    float angle;
    iVector4 colour;
    int priority;
    int blendSource, blendTarget, mipFilterMode, textureMode;
    int textureId;            /* as created */
    const char* textureName;  /* the texture drawn with; valid until the sprite changes */
    int textureWidth, textureHeight;
    int owner;
} vtSprite;
int vtSpriteCount(void);
uint32_t vtSpriteAt(int index); /* in drawing order: priority, then creation; 0 past the end */
int vtSpriteGet(uint32_t sprite, vtSprite* out);

typedef struct vtText {
    const char* text;  /* valid until the next print or frame */
    iVector2 location; /* as printed */
    iVector2 cell;
    float spacing;
    uint32_t font;
    iVector4 colour;
    int centred;
    float left;        /* the first character cell's left edge */
    float width;       /* as iPrintWidth measures it */
} vtText;
int vtTextCount(void); /* texts printed this frame */
int vtTextGet(int index, vtText* out);

int vtFontGet(uint32_t font, int* glyphs, int* textureId, int* owner);
float vtFontWidth(uint32_t font, int code); /* its .wid width, 0 without the font */
int vtMeshGet(uint32_t mesh, int* shadowCaster, int* vertices, int* triangles, int* textureId, uint32_t* body,
              float* shadowLength);
int vtSkinMeshGet(uint32_t skinMesh, int* bones, int* animations, int* textureSlots, int* triangles);
const char* vtSkinMeshBoneName(uint32_t skinMesh, int bone, int* parent); /* null past the end */
const char* vtSkinMeshAnimation(uint32_t skinMesh, int index, float* duration, float* ticksPerSecond,
                                int* channels);
int vtSkinMeshTextureSlot(uint32_t skinMesh, int slot, int* width, int* height); /* 0 when empty */
int vtBodyCount(void);
int vtBodyGet(uint32_t body, int* rigid, int* shapes, int* triangles, float* mass, int* enabled);
int vtPhysicsShapeCount(void); /* shapes in the physics world */
int vtTextureCount(void);      /* decoded textures alive */

/* The 3D scene, skinned meshes, bodies, joints and pairs. */
typedef struct vtMeshState {
    int visible, kind; /* kind: 0 static, 1 shadow caster, 2 debug mesh of a body */
    iVector3 location, scale;
    iQuaternion orientation;
    int textureId;
    const char* textureName;      /* valid until the mesh changes */
    const char* alphaTextureName; /* "" without one */
    int blendSource, blendTarget, depthTest, depthWrite, priority, zBias, textureMode;
    int mirror, wireframe, localLights;
    iVector4 emissive;
    float alpha, specular[2], fog[2], mipLodBias, envMapBlend, envMapGlass;
    uint32_t body;
    float shadowLength;
} vtMeshState;
int vtMeshStateGet(uint32_t mesh, vtMeshState* out);
int vtMirrorPlaneGet(iVector3* point, iVector3* normal); /* 0 until iMirrorPlaneSet */

typedef struct vtSkinMeshState {
    int visible;
    iVector3 location;
    iQuaternion orientation;
    float time, speed, length; /* frames, frames per second */
    int blendSource, blendTarget, depthTest, depthWrite, overriddenBones;
} vtSkinMeshState;
int vtSkinMeshStateGet(uint32_t skinMesh, vtSkinMeshState* out);
const char* vtSkinMeshTexturePath(uint32_t skinMesh, int slot); /* as created or changed; null when none */
/* A bone's pose by index (the order of vtSkinMeshBoneName), in the modes of iSkinMeshBone*. */
int vtSkinMeshBonePose(uint32_t skinMesh, int bone, int mode, iVector3* location, iQuaternion* orientation);
int vtBoneGet(uint32_t bone, uint32_t* skinMesh, int* index);
int vtPoseEvaluations(void); /* skeleton evaluations since reset */
/* The skinned mesh's vertices posed now, in the world, x y z each (up to capacity vertices):
   gpu 0 from its bones' pose on the CPU (sum of weight x bone model transform x offset x vertex,
   placed), gpu 1 as the vertex shader poses them for drawing (read back from the GPU; needs a
   drawn window). Returns the mesh's vertex count, 0 when it cannot. */
int vtSkinMeshPosedVertices(uint32_t skinMesh, int gpu, float* xyz, int capacity);

typedef struct vtBodyState {
    int rigid, enabled, placedForNextStep;
    iVector3 location, centreOfMass, velocity, spin; /* spin in degrees per second */
    iQuaternion orientation;
    float damping[4], damping2[4];
} vtBodyState;
int vtBodyStateGet(uint32_t body, vtBodyState* out);

typedef struct vtJointState {
    uint32_t parent, child;
    iVector3 anchor;
    iQuaternion frame;
    float angles[3];                /* degrees, about the frame's X, Y, Z */
    float stops[3][4], motors[3][3]; /* as last set, per axis */
} vtJointState;
int vtJointGet(uint32_t joint, vtJointState* out);

typedef struct vtContactState {
    uint32_t first, second;
    int enabled, feedbackEnabled, firstShape, secondShape;
    float restitution, friction;
    int touched;
    iVector3 point, direction;
} vtContactState;
int vtContactGet(uint32_t pair, vtContactState* out);
/* Live objects of each kind: what has been created and not yet destroyed. A bone, joint or pair
 * stays alive until its own destroy, even after its skinned mesh or bodies are gone. */
int vtMeshCount(void);        /* static meshes, shadow casters and debug meshes */
int vtSkinMeshCount(void);
int vtBoneCount(void);
int vtJointCount(void);
int vtContactPairCount(void);
int vtPhysicsSteps(void);      /* steps since reset */
float vtPhysicsLastStep(void); /* the last step's h in seconds */

/* Column-major 4 x 4, the matrices drawing uses (view: world to camera; projection: to clip). */
int vtCameraMatrices(uint32_t camera, float view[16], float projection[16]);

/* Pixels: reads the last presented frame. Both return 0 without a drawing window. */
int vtReadPixel(float u, float v, uint8_t rgba[4]); /* u, v in 0..1 from the top-left */
int vtScreenshot(const char* pngPath);

#ifdef __cplusplus
}
#endif

#endif
