// The device side of effects: SDL haptics behind a real joystick, or the recording backend.
#include <SDL.h>

#include <functional>

#include "dinput_host.h"
#include "internal.h"

namespace dinput {

namespace {

std::function<SDL_Joystick*(int)>& joystickSource() {
    static auto* source = new std::function<SDL_Joystick*(int)>();
    return *source;
}

bool hapticsStarted() {
    static bool tried = false, started = false;
    if (!tried) {
        tried = true;
        started = SDL_InitSubSystem(SDL_INIT_HAPTIC) == 0;
    }
    return started;
}

SDL_HapticEffect constantForce(const Effect& effect) {
    SDL_HapticEffect e{};
    e.type = SDL_HAPTIC_CONSTANT;
    e.constant.type = SDL_HAPTIC_CONSTANT;
    e.constant.direction.type = SDL_HAPTIC_CARTESIAN;
    e.constant.direction.dir[0] = 1;
    e.constant.direction.dir[1] = 1;
    e.constant.length = effect.lengthMs;
    e.constant.level = static_cast<Sint16>(effect.level);
    return e;
}

}  // namespace

void setJoystickSource(std::function<SDL_Joystick*(int index)> source) { joystickSource() = std::move(source); }

bool openHaptic(Device& device) {
    if (recording() || !joystickSource()) return false;
    SDL_Joystick* joystick = joystickSource()(device.joystick);
    if (!joystick || SDL_JoystickIsHaptic(joystick) != SDL_TRUE || !hapticsStarted()) return false;
    device.haptic = SDL_HapticOpenFromJoystick(joystick);
    return device.haptic != nullptr;
}

void closeHaptic(Device& device) {
    if (device.haptic) SDL_HapticClose(device.haptic);
    device.haptic = nullptr;
}

bool offersConstantForce(const Device& device) {
    if (device.kind != DeviceKind::Joystick) return false;
    if (recording()) return recordedConstantForce(device.joystick);
    return device.haptic && (SDL_HapticQuery(device.haptic) & SDL_HAPTIC_CONSTANT) != 0;
}

bool uploadEffect(Effect& effect) {
    if (recording()) return !recordedFailure("Download");
    SDL_Haptic* haptic = effect.device->haptic;
    if (!haptic) return false;
    if (effect.sdlEffect >= 0) return updateEffect(effect);
    SDL_HapticEffect e = constantForce(effect);
    effect.sdlEffect = SDL_HapticNewEffect(haptic, &e);
    return effect.sdlEffect >= 0;
}

bool updateEffect(Effect& effect) {
    if (recording()) return !recordedFailure("SetParameters");
    if (effect.sdlEffect < 0) return uploadEffect(effect);
    SDL_HapticEffect e = constantForce(effect);
    return SDL_HapticUpdateEffect(effect.device->haptic, effect.sdlEffect, &e) == 0;
}

bool runEffect(Effect& effect, uint32_t iterations) {
    if (recording()) return !recordedFailure("Start");
    if (effect.sdlEffect < 0 && !uploadEffect(effect)) return false;
    return SDL_HapticRunEffect(effect.device->haptic, effect.sdlEffect, iterations) == 0;
}

bool stopEffect(Effect& effect) {
    if (recording() || effect.sdlEffect < 0) return true;
    return SDL_HapticStopEffect(effect.device->haptic, effect.sdlEffect) == 0;
}

void destroyEffect(Effect& effect) {
    if (effect.sdlEffect >= 0 && effect.device->haptic) SDL_HapticDestroyEffect(effect.device->haptic, effect.sdlEffect);
    effect.sdlEffect = -1;
}

}  // namespace dinput
