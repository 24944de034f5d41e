#include "engine_input.h"

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"

namespace fuzzcheck {

const unsigned char WhitePng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1f, 0x15, 0xc4, 0x89, 0x00,
    0x00, 0x00, 0x0b, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0x0f, 0x04, 0x00, 0x09, 0xfb, 0x03,
    0xfd, 0xfb, 0x5e, 0x6b, 0x2b, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
const size_t WhitePngSize = sizeof WhitePng;

namespace {

void openEngine() {
    static const uint32_t settings[6] = {0, 0, 0x004B0000, 0, 0, 0};
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
    require(iVortaneOpen(nullptr, nullptr) == 1 && iVortaneSettings(settings) == 1, "the engine did not open");
}

}  // namespace

void startEngineInput() {
    static bool opened = false;
    if (!opened) openEngine();
    opened = true;
    win32::resetForTests();  // an empty log: the lines of this input only
    lastOutcome = Outcome::None;
}

void madeHandle(uint32_t handle) {
    if (handle == 0) require(!win32::logLines().empty(), "a create gave 0 without a log line");
    lastOutcome = handle ? Outcome::Read : Outcome::Refused;
    // Each input frees what it allocated, so the fuzzer's leak check stays quiet between inputs.
    win32::resetForTests();
}

}  // namespace fuzzcheck
