// A body in the physics world: a static collision set (a triangle mesh from .ply plus the
// shapes and surface of its .pol) or a rigid body made of the shapes of a .spg file. Bodies
// start disabled: they neither move nor collide until enabled.
#pragma once

#include <ode/ode.h>

#include <memory>
#include <string>
#include <vector>

#include "physics_world.h"
#include "shape_list.h"

namespace vuz {

class Body {
public:
    enum class Kind { CollisionSet, Rigid };

    // vertices: x, y, z per vertex; indices: three per triangle.
    static std::unique_ptr<Body> collisionSet(PhysicsWorld& physics, std::vector<float> vertices,
                                              std::vector<uint32_t> indices, const ShapeFile& pol);
    static std::unique_ptr<Body> rigid(PhysicsWorld& physics, const ShapeFile& spg, float mass);
    ~Body();
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    Kind kind() const { return kind_; }
    int shapeCount() const { return static_cast<int>(geoms_.size()); }
    int triangleCount() const { return static_cast<int>(indices_.size() / 3); }
    float mass() const { return mass_; }
    float friction() const { return friction_; }
    float bounce() const { return bounce_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    dBodyID rigidBody() const { return body_; }

private:
    Body(Kind kind, const ShapeFile& file) : kind_(kind), friction_(file.friction), bounce_(file.bounce) {}
    dGeomID addShape(dSpaceID space, const ShapeSpec& shape);

    Kind kind_;
    float mass_ = 0.0f;
    float friction_;
    float bounce_;
    bool enabled_ = true;
    dBodyID body_ = nullptr;
    std::vector<dGeomID> geoms_;
    dTriMeshDataID triangles_ = nullptr;
    std::vector<float> vertices_;       // kept while the triangle mesh uses them
    std::vector<dTriIndex> indices_;
};

}  // namespace vuz
