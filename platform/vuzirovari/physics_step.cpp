// One physics step: the collision pass (rigid bodies against collision sets by handle, then the
// pairs between rigid bodies in creation order), then the world's step and the damping.
#include <ode/ode.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "engine_state.h"
#include "vec_math.h"

namespace vuz {

namespace {

constexpr int MaxContacts = 8;
constexpr int SubSteps = 3;

bool boxesOverlap(dGeomID a, dGeomID b) {
    dReal ba[6], bb[6];
    dGeomGetAABB(a, ba);
    dGeomGetAABB(b, bb);
    return ba[0] <= bb[1] && bb[0] <= ba[1] && ba[2] <= bb[3] && bb[2] <= ba[3] && ba[4] <= bb[5] && bb[4] <= ba[5];
}

bool shapeMatches(int wanted, int shape) { return wanted < 0 || wanted == shape; }

void record(ContactPair& pair, int firstShape, int secondShape, const dContactGeom* contacts, int n) {
    if (!shapeMatches(pair.firstShape, firstShape) || !shapeMatches(pair.secondShape, secondShape)) return;
    for (int k = 0; k < n; ++k) {
        const dContactGeom& c = contacts[k];
        pair.pointSum = pair.pointSum + vec3(float(c.pos[0]), float(c.pos[1]), float(c.pos[2]));
        pair.normalSum = pair.normalSum + vec3(float(c.normal[0]), float(c.normal[1]), float(c.normal[2]));
    }
    pair.touched += n;
}

void finishFeedback(ContactPair& pair, Body* first, Body* second) {
    if (pair.touched == 0) return;
    pair.point = pair.pointSum * (1.0f / static_cast<float>(pair.touched));
    iVector3 d = pair.normalSum;
    if (!(length(d) > 1e-6f)) d = first->centreOfMass() - second->centreOfMass();
    if (!(length(d) > 1e-6f)) d = vec3(0, 1, 0);
    pair.direction = d * (1.0f / length(d));
}

// Pairs between a rigid body and a collision set, found by the two handles: the first made
// gives the material, those enabled with feedback on record.
struct SetPairList {
    const ContactPair* material = nullptr;
    std::vector<ContactPair*> recorders;
};
using SetPairs = std::map<std::pair<uint32_t, uint32_t>, SetPairList>;

void collideWithSets(EngineState& e, const SetPairs& setPairs) {
    std::vector<std::pair<uint32_t, Body*>> rigid, sets;
    e.bodies.forEach([&](uint32_t h, Body& b) {
        if (!b.enabled()) return;
        (b.isRigid() ? rigid : sets).emplace_back(h, &b);
    });
    dWorldID world = e.physics.world();
    dJointGroupID group = e.physics.contacts();
    dContactGeom found[MaxContacts];
    for (auto& [bh, body] : rigid) {
        for (auto& [sh, set] : sets) {
            auto pairs = setPairs.find({bh, sh});
            float friction = std::sqrt(body->friction() * set->friction());
            float bounce = std::max(body->bounce(), set->bounce());
            if (pairs != setPairs.end()) {
                friction = pairs->second.material->friction;
                bounce = pairs->second.material->restitution;
            }
            for (int i = 0; i < body->shapeCount(); ++i) {
                for (int j = 0; j < set->shapeCount(); ++j) {
                    dGeomID a = body->shape(i), b = set->shape(j);
                    if (dGeomGetClass(b) != dPlaneClass && !boxesOverlap(a, b)) continue;
                    int n = dCollide(a, b, MaxContacts, found, sizeof(dContactGeom));
                    if (n <= 0) continue;
                    if (pairs != setPairs.end())
                        for (ContactPair* p : pairs->second.recorders) record(*p, i, j, found, n);
                    if (body->placed()) continue;  // moved by the game this step: nothing pushes it
                    for (int k = 0; k < n; ++k) {
                        dContact c{};
                        c.geom = found[k];
                        c.surface.mode = dContactApprox1 | (bounce > 0.0f ? dContactBounce : 0);
                        c.surface.mu = friction;
                        c.surface.bounce = std::min(bounce, 1.0f);
                        c.surface.bounce_vel = 0.2;
                        dJointID joint = dJointCreateContact(world, group, &c);
                        dJointAttach(joint, body->rigidBody(), nullptr);
                    }
                }
            }
        }
    }
}

// A rigid body whose numbers are no longer finite goes back to its last valid state, at rest,
// before the physics can trip over it; one log line per frame tells.
void mendBodies(EngineState& e) {
    e.bodies.forEach([](uint32_t, Body& b) {
        if (!b.isRigid()) return;
        if (b.stateFinite()) {
            b.keepValidState();
            return;
        }
        b.restoreValidState();
        refuseInput("the physics step", "a body's state was not finite; it is back at its last valid state, at rest");
    });
}

}  // namespace

void stepPhysics(float h) {
    EngineState& e = engine();
    Session& s = session();
    ++s.physicsSteps;
    s.lastStep = h;
    SetPairs setPairs;
    std::vector<ContactPair*> rigidPairs;
    std::vector<ContactPair*> all;
    e.pairs.forEach([&](uint32_t, ContactPair& p) { all.push_back(&p); });
    std::stable_sort(all.begin(), all.end(), [](const ContactPair* a, const ContactPair* b) { return a->serial < b->serial; });
    for (ContactPair* p : all) {
        p->clearFeedback();
        Body* first = e.bodies.get(p->first);
        Body* second = e.bodies.get(p->second);
        if (!first || !second) continue;
        bool records = p->enabled && p->feedbackEnabled && first->enabled() && second->enabled();
        if (!second->isRigid()) {
            SetPairList& list = setPairs[{p->first, p->second}];
            if (!list.material) list.material = p;
            if (records) list.recorders.push_back(p);
        } else if (records) {
            rigidPairs.push_back(p);
        }
    }
    e.bodies.forEach([](uint32_t, Body& b) { b.beginStep(); });
    collideWithSets(e, setPairs);
    dContactGeom found[MaxContacts];
    for (ContactPair* p : rigidPairs) {
        Body* first = e.bodies.get(p->first);
        Body* second = e.bodies.get(p->second);
        for (int i = 0; i < first->shapeCount(); ++i) {
            if (!shapeMatches(p->firstShape, i)) continue;
            for (int j = 0; j < second->shapeCount(); ++j) {
                if (!shapeMatches(p->secondShape, j)) continue;
                dGeomID a = first->shape(i), b = second->shape(j);
                if (!boxesOverlap(a, b)) continue;
                int n = dCollide(a, b, MaxContacts, found, sizeof(dContactGeom));
                if (n > 0) record(*p, i, j, found, n);
            }
        }
    }
    e.pairs.forEach([&](uint32_t, ContactPair& p) {
        if (p.touched) finishFeedback(p, e.bodies.get(p.first), e.bodies.get(p.second));
    });
    // Disabled bodies never move, even where a joint ties them to a moving one.
    struct Frozen {
        Body* body;
        dVector3 position;
        dQuaternion rotation;
    };
    std::vector<Frozen> frozen;
    e.bodies.forEach([&](uint32_t, Body& b) {
        if (!b.isRigid() || b.enabled()) return;
        Frozen f{&b, {}, {}};
        const dReal* p = dBodyGetPosition(b.rigidBody());
        const dReal* q = dBodyGetQuaternion(b.rigidBody());
        std::copy(p, p + 3, f.position);
        std::copy(q, q + 4, f.rotation);
        frozen.push_back(f);
    });
    // The step runs in equal parts: light hands and feet against stiff stops need them.
    const float part = h / static_cast<float>(SubSteps);
    e.joints.forEach([part](uint32_t, BallJoint& j) { j.prepareStep(part); });
    for (int k = 0; k < SubSteps; ++k) {
        mendBodies(e);
        e.bodies.forEach([](uint32_t, Body& b) { b.push(); });
        mendBodies(e);
        dWorldQuickStep(e.physics.world(), part);
    }
    mendBodies(e);
    dJointGroupEmpty(e.physics.contacts());
    for (Frozen& f : frozen) {
        dBodyID b = f.body->rigidBody();
        dBodySetPosition(b, f.position[0], f.position[1], f.position[2]);
        dBodySetQuaternion(b, f.rotation);
        dBodyDisable(b);
    }
    e.bodies.forEach([h](uint32_t, Body& b) { b.endStep(h); });
}

void bodyGone(uint32_t body) {
    EngineState& e = engine();
    e.joints.forEach([body](uint32_t, BallJoint& j) {
        if (j.parent() == body || j.child() == body) j.makeInert();
    });
    e.pairs.forEach([body](uint32_t, ContactPair& p) {
        if (p.first == body || p.second == body) p.clearFeedback();
    });
}

}  // namespace vuz
