/* vuzirovari: the game's 3D engine.
 *
 * Conventions
 * - Every object is a uint32_t handle; 0 means failure. Handles are never reused, and every
 *   function accepts 0, stale or already destroyed handles harmlessly.
 * - y is up, +z is forward, angles are in degrees, quaternions are (x, y, z, w).
 * - The 2D plane (sprites, text, screen projection) is 32 x 24 units, x from -16 to 16 and
 *   y from -12 to 12, y up.
 * - iMouseX/iMouseY run 0..1 across the client area from its top-left corner.
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
