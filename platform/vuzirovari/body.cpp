#include "body.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vuz {

namespace {

// Capsules and cylinders lie along their local y; the physics shapes lie along z.
void lengthwiseTurn(const ShapeSpec& shape, dQuaternion out) {
    dQuaternion turn = {shape.turn[3], shape.turn[0], shape.turn[1], shape.turn[2]};
    bool lengthwise = shape.kind == ShapeSpec::Kind::Capsule || shape.kind == ShapeSpec::Kind::Cylinder;
    if (!lengthwise) {
        for (int i = 0; i < 4; ++i) out[i] = turn[i];
        return;
    }
    const double half = std::sqrt(0.5);
    dQuaternion zToY = {half, -half, 0.0, 0.0};  // -90 degrees about x
    dQMultiply0(out, turn, zToY);
}

void shapeMass(const ShapeSpec& shape, dMass* m) {
    dMassSetZero(m);
    switch (shape.kind) {
    case ShapeSpec::Kind::Box: dMassSetBox(m, 1.0, shape.size[0], shape.size[1], shape.size[2]); break;
    case ShapeSpec::Kind::Sphere: dMassSetSphere(m, 1.0, shape.size[0]); break;
    case ShapeSpec::Kind::Capsule: dMassSetCapsule(m, 1.0, 3, shape.size[0], shape.size[1]); break;
    case ShapeSpec::Kind::Cylinder: dMassSetCylinder(m, 1.0, 3, shape.size[0], shape.size[1]); break;
    case ShapeSpec::Kind::Plane: return;
    }
    dQuaternion q;
    lengthwiseTurn(shape, q);
    dMatrix3 r;
    dQtoR(q, r);
    dMassRotate(m, r);
    dMassTranslate(m, shape.at[0], shape.at[1], shape.at[2]);
}


// The physics library stops the game on a mass it does not accept: one not above 0, or an
// inertia about the centre of mass that is not positive definite (its Cholesky factor fails).
// This refuses such a mass first, with room to spare for rounding: each pivot of the factor
// must stay clear of 0 relative to the largest moment, and of the rounding left by moving the
// inertia from the file's origin to the centre of mass (spread: what that move took away).
bool checkInertia(const dMass& m, dReal spread, std::string* error) {
    if (!std::isfinite(m.mass) || !(m.mass > 0.0)) {
        *error = "its mass is not above 0";
        return false;
    }
    dReal largest = 0.0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            dReal v = m.I[r * 4 + c];
            if (!std::isfinite(v)) {
                *error = "its inertia is not a number";
                return false;
            }
            largest = std::max(largest, std::fabs(v));
        }
    const dReal least = std::max(largest * 1e-12, spread * 1e-9);
    dReal l[3][3] = {};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < i; ++j) {
            dReal sum = m.I[i * 4 + j];
            for (int k = 0; k < j; ++k) sum -= l[i][k] * l[j][k];
            l[i][j] = sum / l[j][j];
        }
        dReal sum = m.I[i * 4 + i];
        for (int k = 0; k < i; ++k) sum -= l[i][k] * l[i][k];
        if (!(sum > least)) {
            *error = "its shapes give an inertia the physics cannot use (too thin, or too far from "
                     "the origin for their size)";
            return false;
        }
        l[i][i] = std::sqrt(sum);
    }
    return true;
}

void quiet(int, const char*, va_list) {}

bool spreadMass(const ShapeFile& spg, float mass, dMass* total, float centre[3], std::string* error) {
    dMassSetZero(total);
    dReal spread = 0.0;  // the inertia the shapes' distances from the origin add
    for (const ShapeSpec& shape : spg.shapes) {
        dMass m;
        shapeMass(shape, &m);
        dMassAdd(total, &m);
        spread += m.mass * (dReal(shape.at[0]) * shape.at[0] + dReal(shape.at[1]) * shape.at[1] +
                            dReal(shape.at[2]) * shape.at[2]);
    }
    if (!std::isfinite(total->mass) || !(total->mass > 0.0) || !std::isfinite(spread)) {
        *error = "its shapes have no volume that can be worked out";
        return false;
    }
    spread *= mass / total->mass;
    dMassAdjust(total, mass);
    for (int i = 0; i < 3; ++i) centre[i] = static_cast<float>(total->c[i]);
    dMassTranslate(total, -total->c[0], -total->c[1], -total->c[2]);
    return checkInertia(*total, spread, error);
}

// The mass spread over the shapes by volume, about its centre (which lands in centre).
bool rigidMass(const ShapeFile& spg, float mass, dMass* total, float centre[3], std::string* error) {
    // The library's mass functions complain of each step of a mass it would not take; the
    // check below says why in one line instead.
    dMessageFunction* before = dGetMessageHandler();
    dSetMessageHandler(quiet);
    bool ok = spreadMass(spg, mass, total, centre, error);
    dSetMessageHandler(before);
    return ok;
}

}  // namespace

dGeomID Body::addShape(dSpaceID space, const ShapeSpec& shape, const float* centre) {
    const float* s = shape.size;
    dGeomID g = nullptr;
    switch (shape.kind) {
    case ShapeSpec::Kind::Box: g = dCreateBox(space, s[0], s[1], s[2]); break;
    case ShapeSpec::Kind::Sphere: g = dCreateSphere(space, s[0]); break;
    case ShapeSpec::Kind::Capsule: g = dCreateCapsule(space, s[0], s[1]); break;
    case ShapeSpec::Kind::Cylinder: g = dCreateCylinder(space, s[0], s[1]); break;
    case ShapeSpec::Kind::Plane: g = dCreatePlane(space, s[0], s[1], s[2], s[3]); break;
    }
    geoms_.push_back(g);
    if (shape.kind == ShapeSpec::Kind::Plane) return g;
    dQuaternion q;
    lengthwiseTurn(shape, q);
    if (body_) {
        dGeomSetBody(g, body_);
        dGeomSetOffsetPosition(g, shape.at[0] - centre[0], shape.at[1] - centre[1], shape.at[2] - centre[2]);
        dGeomSetOffsetQuaternion(g, q);
    } else {
        dGeomSetPosition(g, shape.at[0], shape.at[1], shape.at[2]);
        dGeomSetQuaternion(g, q);
    }
    return g;
}

std::unique_ptr<Body> Body::collisionSet(PhysicsWorld& physics, std::vector<float> vertices,
                                         std::vector<uint32_t> indices, const ShapeFile& pol) {
    std::unique_ptr<Body> b(new Body(Kind::CollisionSet, pol));
    dSpaceID space = physics.space();
    b->vertices_ = std::move(vertices);
    b->indices_.assign(indices.begin(), indices.end());
    b->triangles_ = dGeomTriMeshDataCreate();
    dGeomTriMeshDataBuildSingle(b->triangles_, b->vertices_.data(), 3 * sizeof(float),
                                static_cast<int>(b->vertices_.size() / 3), b->indices_.data(),
                                static_cast<int>(b->indices_.size()), 3 * sizeof(dTriIndex));
    b->geoms_.push_back(dCreateTriMesh(space, b->triangles_, nullptr, nullptr, nullptr));
    const float none[3] = {0.0f, 0.0f, 0.0f};
    for (const ShapeSpec& shape : pol.shapes) b->addShape(space, shape, none);
    b->setEnabled(false);
    return b;
}

std::unique_ptr<Body> Body::rigid(PhysicsWorld& physics, const ShapeFile& spg, float mass, std::string* error) {
    dMass total;
    float centre[3];
    if (!rigidMass(spg, mass, &total, centre, error)) return nullptr;
    std::unique_ptr<Body> b(new Body(Kind::Rigid, spg));
    b->body_ = dBodyCreate(physics.world());
    // The simulation's body sits at the centre of mass; the shapes hang off it where the file
    // put them relative to its origin.
    b->centre_ = {centre[0], centre[1], centre[2]};
    dBodySetMass(b->body_, &total);
    b->massData_ = total;
    for (const ShapeSpec& shape : spg.shapes) b->addShape(physics.space(), shape, centre);
    dBodySetPosition(b->body_, centre[0], centre[1], centre[2]);
    b->mass_ = mass;
    b->setEnabled(false);
    return b;
}

Body::~Body() {
    for (dGeomID g : geoms_) dGeomDestroy(g);
    if (triangles_) dGeomTriMeshDataDestroy(triangles_);
    if (body_) dBodyDestroy(body_);
}

void Body::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    for (dGeomID g : geoms_) on ? dGeomEnable(g) : dGeomDisable(g);
    if (body_) on ? dBodyEnable(body_) : dBodyDisable(body_);
}

}  // namespace vuz

namespace vuz {

namespace {
iVector3 fromOde(const dReal* v) {
    return {static_cast<float>(v[0]), static_cast<float>(v[1]), static_cast<float>(v[2])};
}
iVector3 rotated(const dReal* r, const iVector3& v) {
    return {static_cast<float>(r[0] * v.x + r[1] * v.y + r[2] * v.z), static_cast<float>(r[4] * v.x + r[5] * v.y + r[6] * v.z),
            static_cast<float>(r[8] * v.x + r[9] * v.y + r[10] * v.z)};
}
}  // namespace

iVector3 Body::location() const {
    if (!body_) return {0.0f, 0.0f, 0.0f};
    iVector3 c = fromOde(dBodyGetPosition(body_));
    iVector3 off = rotated(dBodyGetRotation(body_), centre_);
    return {c.x - off.x, c.y - off.y, c.z - off.z};
}

iVector3 Body::centreOfMass() const { return body_ ? fromOde(dBodyGetPosition(body_)) : iVector3{0.0f, 0.0f, 0.0f}; }

iQuaternion Body::orientation() const {
    if (!body_) return {0.0f, 0.0f, 0.0f, 1.0f};
    const dReal* q = dBodyGetQuaternion(body_);
    return {static_cast<float>(q[1]), static_cast<float>(q[2]), static_cast<float>(q[3]), static_cast<float>(q[0])};
}

void Body::placeReference(const iVector3& p) {
    if (!body_) return;
    iVector3 off = rotated(dBodyGetRotation(body_), centre_);
    dBodySetPosition(body_, p.x + off.x, p.y + off.y, p.z + off.z);
    placed_ = true;
}

void Body::placeCentre(const iVector3& p) {
    if (!body_) return;
    dBodySetPosition(body_, p.x, p.y, p.z);
    placed_ = true;
}

void Body::turn(const iQuaternion& q, bool aboutReference) {
    if (!body_) return;
    iVector3 origin = location();
    dQuaternion dq = {q.w, q.x, q.y, q.z};
    dBodySetQuaternion(body_, dq);
    if (aboutReference) placeReference(origin);
    placed_ = true;
}

iVector3 Body::velocity() const { return body_ ? fromOde(dBodyGetLinearVel(body_)) : iVector3{0.0f, 0.0f, 0.0f}; }

iVector3 Body::spin() const { return body_ ? fromOde(dBodyGetAngularVel(body_)) : iVector3{0.0f, 0.0f, 0.0f}; }

void Body::setVelocity(const iVector3& v) {
    if (body_) dBodySetLinearVel(body_, v.x, v.y, v.z);
}

void Body::setSpin(const iVector3& w) {
    if (body_) dBodySetAngularVel(body_, w.x, w.y, w.z);
}

void Body::resetMotion() {
    if (!body_) return;
    dBodySetLinearVel(body_, 0, 0, 0);
    dBodySetAngularVel(body_, 0, 0, 0);
    dBodySetForce(body_, 0, 0, 0);
    dBodySetTorque(body_, 0, 0, 0);
    force_ = accel_ = {0.0f, 0.0f, 0.0f};
}

void Body::beginStep() {
    if (!body_) return;
    if (placed_) {
        dBodySetKinematic(body_);
        kinematic_ = true;
    }
}

void Body::push() {
    if (body_ && enabled_ && !kinematic_)
        dBodyAddForce(body_, force_.x + mass_ * accel_.x, force_.y + mass_ * accel_.y, force_.z + mass_ * accel_.z);
}

namespace {

bool finite(const dReal* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

}  // namespace

bool Body::stateFinite() const {
    if (!body_) return true;
    const float pushes[6] = {force_.x, force_.y, force_.z, accel_.x, accel_.y, accel_.z};
    for (float v : pushes)
        if (!std::isfinite(v)) return false;
    return finite(dBodyGetPosition(body_), 3) && finite(dBodyGetQuaternion(body_), 4) &&
           finite(dBodyGetLinearVel(body_), 3) && finite(dBodyGetAngularVel(body_), 3) &&
           finite(dBodyGetForce(body_), 3) && finite(dBodyGetTorque(body_), 3);
}

void Body::keepValidState() {
    if (!body_ || !stateFinite()) return;
    const dReal* p = dBodyGetPosition(body_);
    const dReal* q = dBodyGetQuaternion(body_);
    std::copy(p, p + 3, valid_.position);
    std::copy(q, q + 4, valid_.rotation);
}

void Body::restoreValidState() {
    if (!body_) return;
    force_ = accel_ = {0.0f, 0.0f, 0.0f};
    dBodySetPosition(body_, valid_.position[0], valid_.position[1], valid_.position[2]);
    dBodySetQuaternion(body_, valid_.rotation);
    dBodySetLinearVel(body_, 0, 0, 0);
    dBodySetAngularVel(body_, 0, 0, 0);
    dBodySetForce(body_, 0, 0, 0);
    dBodySetTorque(body_, 0, 0, 0);
}

void Body::endStep(float h) {
    iVector3 push{force_.x / mass_ + accel_.x, force_.y / mass_ + accel_.y, force_.z / mass_ + accel_.z};
    force_ = accel_ = {0.0f, 0.0f, 0.0f};
    if (!body_) return;
    if (kinematic_) {
        dBodySetDynamic(body_);
        dBodySetMass(body_, &massData_);
        kinematic_ = false;
        placed_ = false;
        // A push given to a placed body (a knock-down in the frame it was last placed) is not
        // lost: it becomes the velocity the body goes on with.
        if (enabled_) {
            iVector3 v = velocity();
            setVelocity({v.x + push.x * h, v.y + push.y * h, v.z + push.z * h});
        }
        return;
    }
    placed_ = false;
    if (!enabled_) return;
    auto brake = [](iVector3 v, float threshold, float keep, float limit, float loss) {
        float speed = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        float f = 1.0f;
        if (speed > threshold) f *= keep;
        if (speed > limit) f *= 1.0f - loss;
        return iVector3{v.x * f, v.y * f, v.z * f};
    };
    constexpr float Degrees = 57.29577951308232f;
    iVector3 v = brake(velocity(), damping[0], damping[1], damping2[0], damping2[1]);
    iVector3 w = brake(spin(), damping[2] / Degrees, damping[3], damping2[2] / Degrees, damping2[3]);
    dBodySetLinearVel(body_, v.x, v.y, v.z);
    dBodySetAngularVel(body_, w.x, w.y, w.z);
}

}  // namespace vuz
