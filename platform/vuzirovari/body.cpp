#include "body.h"

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

}  // namespace

dGeomID Body::addShape(dSpaceID space, const ShapeSpec& shape) {
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
        dGeomSetOffsetPosition(g, shape.at[0], shape.at[1], shape.at[2]);
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
    for (const ShapeSpec& shape : pol.shapes) b->addShape(space, shape);
    b->setEnabled(false);
    return b;
}

std::unique_ptr<Body> Body::rigid(PhysicsWorld& physics, const ShapeFile& spg, float mass) {
    std::unique_ptr<Body> b(new Body(Kind::Rigid, spg));
    b->body_ = dBodyCreate(physics.world());
    dMass total;
    dMassSetZero(&total);
    for (const ShapeSpec& shape : spg.shapes) {
        b->addShape(physics.space(), shape);
        dMass m;
        shapeMass(shape, &m);
        dMassAdd(&total, &m);
    }
    dMassAdjust(&total, mass);
    // The body turns about its own origin: the shapes' mass is taken as centred there.
    dMassTranslate(&total, -total.c[0], -total.c[1], -total.c[2]);
    dBodySetMass(b->body_, &total);
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
