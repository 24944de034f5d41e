// A primitive drawn as one engine mesh held in front of its camera: a plane 20.666 units along
// the camera's view, one unit above the GUI location, turned to face the camera. The mesh is
// made from a resource file through the archive and given back to it on destruction. Only its
// factory makes and deletes one.
#pragma once

#include <cstdint>
#include <string>

#include "gui/IPrimitive.h"

class IPrimitiveFactory;

class Primitive3D : public virtual IPrimitive {
public:
    Primitive3D(const std::string& file, int owner, IPrimitiveFactory* factory);
    ~Primitive3D() override;
    Primitive3D(const Primitive3D&) = delete;
    Primitive3D& operator=(const Primitive3D&) = delete;

    const Vector2& getLocation() const override { return location; }
    void setLocation(const Vector2& location) override;
    bool isPicked() override;  // the engine's test of the pointer's ray against the mesh
    int getOwner() const override { return owner; }
    void show() override;
    void hide() override;
    void applyLocation() override;  // follows the camera
    bool isAcquired() const override { return acquired; }
    void acquire() override { acquired = true; }
    void release() override;
    void resetState() override;
    void setPriority(int) override {}  // meshes keep their own drawing order

    uint32_t getMesh() const { return mesh; }
    IPrimitiveFactory* getFactory() const { return factory; }

protected:
    // Turns the mesh to the camera and puts it on the plane in front of it.
    void placeBeforeCamera();

    IPrimitiveFactory* factory;
    Vector2 location;
    bool acquired = false;
    int owner;
    uint32_t mesh = 0;
};
