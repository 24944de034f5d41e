#include "fight/FighterBShoulderCamera.h"

void FighterBShoulderCamera::update(const Vector3& locationA, const Quaternion& orientationA,
                                    const Vector3& locationB, const Quaternion& orientationB) {
    FighterAShoulderCamera::update(locationB, orientationB, locationA, orientationA);
}
