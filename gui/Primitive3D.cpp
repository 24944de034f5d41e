#include "gui/Primitive3D.h"

#include "platform/vuzirovari/vuzirovari.h"
#include "gui/GuiResources.h"

namespace {

// How far in front of the camera the primitives' plane lies.
constexpr float PlaneDistance = 20.666f;

}  // namespace

Primitive3D::Primitive3D(const std::string& file, int owner, IPrimitiveFactory* factory)
    : factory(factory), owner(owner) {
    iTextureMipLevelsSet(1);
    mesh = guiCreateMesh(file);
    iMeshShow(mesh);
    iTextureMipLevelsSet(0);
    placeBeforeCamera();
}

Primitive3D::~Primitive3D() { guiDestroyMesh(mesh); }

void Primitive3D::setLocation(const Vector2& newLocation) {
    location = newLocation;
    applyLocation();
}

bool Primitive3D::isPicked() { return iMeshPicked(static_cast<uint32_t>(owner), mesh) != 0; }

void Primitive3D::show() { iMeshShow(mesh); }

void Primitive3D::hide() { iMeshHide(mesh); }

void Primitive3D::applyLocation() { placeBeforeCamera(); }

void Primitive3D::placeBeforeCamera() {
    iQuaternion facing{0.0f, 0.0f, 0.0f, 1.0f};
    iCameraOrientation(static_cast<uint32_t>(owner), &facing);
    const iVector3 onPlane{location.x, location.y + 1.0f, PlaneDistance};
    iVector3 placed{0.0f, 0.0f, 0.0f};
    iVectorRotate(&placed, &onPlane, &facing);
    iMeshOrientationSet(mesh, &facing);
    iMeshLocationSet(mesh, &placed);
}

void Primitive3D::release() {
    acquired = false;
    resetState();
}

void Primitive3D::resetState() {
    const iVector3 origin{0.0f, 0.0f, 0.0f};
    iMeshShow(mesh);
    iMeshEulerOrientationSet(mesh, 0.0f, 0.0f, 0.0f, "xyz");
    iMeshLocationSet(mesh, &origin);
    iMeshScaleSet(mesh, 1.0f, 1.0f, 1.0f);
    iMeshRenderPrioritySet(mesh, 0);
    iMeshRenderModeSet(mesh, 5, 6, 1, 0);
    iMeshZBiasSet(mesh, 0);
    iMeshSpecularSet(mesh, 0.0f, 0.0f);
    iMeshAlphaSet(mesh, 1.0f);
    iMeshEmissiveSet(mesh, 1.0f, 1.0f, 1.0f, 0.0f);
    iMeshFogSet(mesh, 10.0f, -1.0f);
    iMeshWireframeEnable(mesh, 0);
    iMeshLocalLightsEnable(mesh, 1);
    iMeshMirrorMake(mesh, 0);
    iMeshTextureModeSet(mesh, 1);
    iMeshTextureMipMapLodSet(mesh, 0.0f);
    iMeshEnvMapBlendSet(mesh, 0.0f);
    iMeshEnvMapGlassSet(mesh, 0.0f);
}
