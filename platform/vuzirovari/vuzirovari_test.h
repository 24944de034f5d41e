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

/* Readback. */
int vtFrameCount(void);      /* iVortaneMain calls since open */
int vtRenderCount(void);     /* frames presented (iVortaneRender and iRender) */
const char* vtCallLog(void); /* lifecycle calls, one per line: "open", "settings", "main", "init-begin", ... */
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
int vtLiveObjectCount(void); /* cameras and sounds still alive */
int vtAutopilotActive(void);   /* the environment asked for an autopilot at open */
int vtAutopilotBadLines(void); /* script lines and entries it skipped as malformed */

/* Pixels: reads the last presented frame. Both return 0 without a drawing window. */
int vtReadPixel(float u, float v, uint8_t rgba[4]); /* u, v in 0..1 from the top-left */
int vtScreenshot(const char* pngPath);

#ifdef __cplusplus
}
#endif

#endif
