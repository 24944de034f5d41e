#include "fight/DeveloperFlybyCamera.h"

#include "platform/vuzirovari/vuzirovari.h"

namespace {
constexpr int KeyQ = 16, KeyW = 17, KeyE = 18, KeyA = 30, KeyS = 31, KeyD = 32, KeySpace = 57;
constexpr float Step = 0.04f;
}  // namespace

void DeveloperFlybyCamera::update(const Vector3&, const Quaternion&, const Vector3&, const Quaternion&) {
    float yaw = (iMouseX() - 0.5f) * 14.0f;
    float pitch = (iMouseY() - 0.5f) * 14.0f;
    float roll = 0.0f;
    if (iKeyDown(KeyQ)) roll = 0.08f;
    if (iKeyDown(KeyE)) roll = -0.08f;
    iMouseReset();

    Quaternion orientation;
    iCameraOrientation(camera, &orientation);
    if (yaw != 0.0f || pitch != 0.0f || roll != 0.0f) {
        Quaternion turn, turned;
        iQuaternionFromEulerAngles(&turn, pitch, yaw, roll, "xyz");
        iQuaternionMultiply(&turned, &orientation, &turn);
        orientation = turned;
        iCameraOrientationSet(camera, &orientation);
    }

    Vector3 move;
    if (iKeyDown(KeyW)) move += Vector3(0.0f, 0.0f, Step);
    else if (iKeyDown(KeyS)) move -= Vector3(0.0f, 0.0f, Step);
    if (iKeyDown(KeyA)) move -= Vector3(Step, 0.0f, 0.0f);
    else if (iKeyDown(KeyD)) move += Vector3(Step, 0.0f, 0.0f);
    Vector3 turnedMove, location;
    iVectorRotate(&turnedMove, &move, &orientation);
    iCameraLocation(camera, &location);
    location += Vector3(turnedMove);
    if (iKeyDown(KeySpace)) location += Vector3(0.0f, 0.03f, 0.0f);
    iCameraLocationSet(camera, &location);
    iCameraFovSet(camera, 30.0f);
}

void DeveloperFlybyCamera::mouseRay(Vector3& out, const Vector3&, const Vector3&) {
    Vector3 origin, nearPoint, direction;
    iScreenRay(camera, &origin, &nearPoint, &direction);
    iVectorLengthSet(&direction, &direction, 10.0f);
    out = origin + direction;
}
