// The collision shapes of the .spg (a rigid body) and .pol (a static collision set) text files.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vuz {

struct ShapeSpec {
    enum class Kind { Box, Sphere, Capsule, Cylinder, Plane };

    Kind kind = Kind::Box;
    float size[4] = {0, 0, 0, 0};  // box: x, y, z; sphere: radius; capsule, cylinder: radius,
                                   // length; plane: normal x, y, z and offset
    float at[3] = {0, 0, 0};
    float turn[4] = {0, 0, 0, 1};  // quaternion x, y, z, w
};

struct ShapeFile {
    std::vector<ShapeSpec> shapes;
    float friction = 1.0f;
    float bounce = 0.0f;
};

// kind "spg" or "pol"; false with *error naming the line when the text is malformed.
bool readShapeFile(const void* bytes, size_t size, const char* kind, ShapeFile* out, std::string* error);

}  // namespace vuz
