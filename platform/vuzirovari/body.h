// A body in the physics world: a static collision set (a triangle mesh from .ply plus the
// shapes and surface of its .pol) or a rigid body made of the shapes of a .spg file. Bodies
// start disabled: they neither move nor collide until enabled.
//
// A rigid body's reference frame is its file's origin and axes; the simulation turns it about
// its centre of mass, worked out from its shapes (the mass spread by volume).
#pragma once

#include <ode/ode.h>

#include <memory>
#include <string>
#include <vector>

#include "physics_world.h"
#include "shape_list.h"
#include "vuzirovari.h"

namespace vuz {

class Body {
public:
    enum class Kind { CollisionSet, Rigid };

    // vertices: x, y, z per vertex; indices: three per triangle.
    static std::unique_ptr<Body> collisionSet(PhysicsWorld& physics, std::vector<float> vertices,
                                              std::vector<uint32_t> indices, const ShapeFile& pol);
    // Null with *error when the shapes give a mass the physics cannot take.
    static std::unique_ptr<Body> rigid(PhysicsWorld& physics, const ShapeFile& spg, float mass, std::string* error);
    ~Body();
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    Kind kind() const { return kind_; }
    bool isRigid() const { return kind_ == Kind::Rigid; }
    int shapeCount() const { return static_cast<int>(geoms_.size()); }
    dGeomID shape(int i) const { return geoms_[i]; }
    int triangleCount() const { return static_cast<int>(indices_.size() / 3); }
    float mass() const { return mass_; }
    float friction() const { return friction_; }
    float bounce() const { return bounce_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    dBodyID rigidBody() const { return body_; }

    // Placement and motion; collision sets stay at their file's origin and read as such.
    iVector3 location() const;        // the reference frame's origin
    iVector3 centreOfMass() const;
    iQuaternion orientation() const;
    void placeReference(const iVector3& p);
    void placeCentre(const iVector3& p);
    void turn(const iQuaternion& q, bool aboutReference);
    iVector3 velocity() const;
    iVector3 spin() const;  // radians per second
    void setVelocity(const iVector3& v);
    void setSpin(const iVector3& radiansPerSecond);
    void resetMotion();
    void addForce(const iVector3& f) { force_ = {force_.x + f.x, force_.y + f.y, force_.z + f.z}; }
    void addAcceleration(const iVector3& a) { accel_ = {accel_.x + a.x, accel_.y + a.y, accel_.z + a.z}; }

    // The step: pushes for this step, kinematic while placed, damping after.
    bool placed() const { return placed_; }
    void beginStep();
    void push();  // this step's force and acceleration, before each part of the step
    void endStep(float h);  // h: the whole step's length
    // Every number of the rigid body's state (place, turn, motion, pushes) is finite.
    bool stateFinite() const;
    // Keeps the present state as the last valid one (when it is), or goes back to that state,
    // at rest (the origin, unturned, when there never was one).
    void keepValidState();
    void restoreValidState();

    float damping[4] = {0.0f, 1.0f, 0.0f, 1.0f};  // linear threshold, keep, angular threshold, keep
    float damping2[4] = {1e30f, 0.0f, 1e30f, 0.0f};  // linear limit, brake, angular limit (deg/s), brake

private:
    Body(Kind kind, const ShapeFile& file) : kind_(kind), friction_(file.friction), bounce_(file.bounce) {}
    dGeomID addShape(dSpaceID space, const ShapeSpec& shape, const float* centre);

    Kind kind_;
    float mass_ = 0.0f;
    float friction_;
    float bounce_;
    bool enabled_ = true;
    bool placed_ = false;
    bool kinematic_ = false;
    iVector3 centre_{0.0f, 0.0f, 0.0f};  // centre of mass in the file's axes
    iVector3 force_{0.0f, 0.0f, 0.0f};
    iVector3 accel_{0.0f, 0.0f, 0.0f};
    dMass massData_{};
    struct ValidState {
        dReal position[3] = {0, 0, 0};
        dReal rotation[4] = {1, 0, 0, 0};
    } valid_;
    dBodyID body_ = nullptr;
    std::vector<dGeomID> geoms_;
    dTriMeshDataID triangles_ = nullptr;
    std::vector<float> vertices_;       // kept while the triangle mesh uses them
    std::vector<dTriIndex> indices_;
};

}  // namespace vuz
