// Everything the engine holds, in one place. The exported functions work on engine().
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include <initializer_list>

#include "autopilot.h"
#include "ball_joint.h"
#include "contact_pair.h"
#include "body.h"
#include "camera.h"
#include "font.h"
#include "frame_clock.h"
#include "handle_table.h"
#include "input_state.h"
#include "joysticks.h"
#include "mesh.h"
#include "overlay_renderer.h"
#include "physics_world.h"
#include "render_window.h"
#include "scene_renderer.h"
#include "sound.h"
#include "sprite.h"
#include "text_queue.h"
#include "texture_store.h"
#include "vuzirovari.h"

namespace vuz {

// Window events a test pretends the operating system sent; the pump delivers them.
enum class WindowEvent { Close, Expose, Restore, Focus, Minimise };

// Settings only tests change; a reset returns them to these values.
struct TestSettings {
    bool drawing = true;
    bool failOpen = false;
    bool failSettings = false;
    int forcedActive = -1;  // -1: from the window
    bool skipRun = false;
    bool skipRender = false;
    std::string raiseErrorIn;  // "init" or "run", once
    bool timeRenders = false;  // benchmarks: each render waits for the GPU between its parts
    float renderTimes[5] = {0, 0, 0, 0, 0};
};

// One line of the sound log: a sound started or stopped in a frame (kinds of vuzirovari_test.h).
struct SoundLogEntry {
    int frame;
    int kind;
    int looping;
    uint32_t sound;
    std::string gamePath;
};

// The state a reset starts afresh (handle counters live on in the tables).
struct Session {
    bool open = false;
    bool ready = false;
    bool rendering = true;
    bool initializing = true;
    bool errorFlag = false;
    bool escEnabled = true;
    bool mouseHidden = false;
    bool sdlStarted = false;  // events and joysticks
    int mouseResolution = 0;
    int mipLevels = 0;
    int frameCount = 0;
    int renderCount = 0;
    HWND mainWindow = nullptr;
    HWND childWindow = nullptr;
    uint32_t settings[6] = {0, 0, 0, 0, 0, 0};
    std::string callLog;
    std::vector<std::string> screenshotsDue;  // game paths, saved after the next present
    std::vector<WindowEvent> injectedWindowEvents;
    bool injectedMinimised = false;
    DirectionalLight light;
    FrameClock clock;
    InputState input;
    Autopilot autopilot;
    TestSettings test;
    // The 3D scene and physics.
    bool mirrorSet = false;
    iVector3 mirrorPoint{0.0f, 0.0f, 0.0f}, mirrorNormal{0.0f, 0.0f, 1.0f};
    int poseEvaluations = 0;
    int physicsSteps = 0;
    float lastStep = 0.0f;
    std::map<std::string, int> refusedInFrame;  // function -> frame of its last refusal line
    // The sound log, kept only while a test has it on.
    bool soundLogOn = false;
    std::vector<SoundLogEntry> soundLog;
};

// A bone handle: a bone of one skinned mesh, by index.
struct BoneRef {
    uint32_t mesh;
    int index;
};

struct EngineState {
    Session session;
    RenderWindow window;
    Joysticks joysticks;
    HandleTable<Camera> cameras;
    HandleTable<Sound> sounds;
    // Resources and the 2D layer.
    HandleTable<Sprite> sprites;
    HandleTable<Font> fonts;
    HandleTable<Mesh> meshes;  // static meshes and shadow casters
    HandleTable<SkinMesh> skinMeshes;
    HandleTable<Body> bodies;  // collision sets and rigid bodies
    HandleTable<BoneRef> bones;
    HandleTable<BallJoint> joints;
    HandleTable<ContactPair> pairs;
    uint64_t nextSerial = 1;  // creation order of meshes, skinned meshes and pairs
    TextureStore textures;
    TextQueue texts;
    PhysicsWorld physics;
    OverlayRenderer overlay;
    SceneRenderer scene;
};

// Lives for the whole process and is never destroyed, so nothing depends on the order in
// which libraries are unloaded at exit.
EngineState& engine();
inline Session& session() { return engine().session; }

void logCall(const char* name);  // one line of the lifecycle call log

// host_link.cpp: the engine's side of the Windows subset.
void installHostHooks();
void removeHostHooks();
void pumpEvents(bool wait);
void requestClose();  // as if the player closed the main window
bool windowMinimised();  // the real window, or the pretended state without one

// frame.cpp
// waitForRefresh: false presents at once (a loading bar drawn inside a phase), true keeps vsync.
void renderFrame(bool waitForRefresh = true);
void saveScreenshotsDue();
void applyAutopilot(int frame);
bool saveScreenshot(const std::string& gamePath);

// physics_step.cpp: one step of the world; every pair and joint using the body made inert.
void stepPhysics(float h);
void bodyGone(uint32_t body);

// input_guard.cpp: refuses numbers that are not finite, with one log line per function and frame.
bool usableVector(const iVector3* v, const char* function);
bool usableNumbers(std::initializer_list<float> values, const char* function);
// A usable rotation, normalised; refuses null, non-finite and zero-length ones.
bool usableRotation(const iQuaternion* q, const char* function, iQuaternion* out);
void refuseInput(const char* function, const std::string& why);

// mesh_scene_api.cpp: face normals where the file has none, bounds, creation order.
void prepareMesh(Mesh& mesh);

// resource_state.cpp
void startFrameText();  // the text of the last frame is gone
void clearResources();  // every sprite, font, mesh, skinned mesh and body gone; text colour white
// Every sprite's handle in the order a render draws them (hidden ones included): by priority,
// higher on top, equal priorities in creation order.
std::vector<uint32_t> spritesInDrawingOrder();

}  // namespace vuz
