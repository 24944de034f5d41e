// The mesh primitives through the real engine in the game folder: made by the archive, held in
// front of a turned camera, picked by the pointer's ray and by their boxes, reset on release,
// and handed back to their factory with every mesh and file.
#include <cmath>
#include <filesystem>

#include "GuiTestKit.h"
#include "gui/Line3D.h"
#include "gui/PrimitiveFactory3D.h"
#include "gui/Rect3D.h"
#include "resources/FileArchive.h"

namespace {

using guitest::GuiFixture;

constexpr const char* White = "Tavek_res\\gui\\general\\white.x";

class Primitives3D : public GuiFixture {
protected:
    void SetUp() override {
        outputFolder = std::filesystem::current_path().string();
        openEngine(drawn);
        ASSERT_FALSE(HasFatalFailure());
        camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
        ASSERT_NE(camera, 0u);
        const iVector3 origin{0.0f, 0.0f, 0.0f};
        iCameraLocationSet(camera, &origin);
        turnCamera(30.0f);
        meshesBefore = vtMeshCount();
        filesBefore = FileArchive::instance().files().size();
    }

    void turnCamera(float yaw) {
        iQuaternionFromEulerAngles(&facing, 10.0f, yaw, 0.0f, "xyz");
        iCameraOrientationSet(camera, &facing);
    }

    vtMeshState meshOf(const Primitive3D* primitive) {
        vtMeshState state{};
        EXPECT_EQ(vtMeshStateGet(primitive->getMesh(), &state), 1);
        return state;
    }

    // Where a point of the primitives' plane lies in the world for the camera's present turn.
    iVector3 onPlane(float x, float y) {
        const iVector3 point{x, y, 20.666f};
        iVector3 out;
        iVectorRotate(&out, &point, &facing);
        return out;
    }

    // Puts the pointer's pixel over a world point, as the camera sees it.
    void pointAtWorld(const iVector3& world) {
        iVector2 screen;
        i3DLocationToScreen(&screen, &world, camera);
        pointAt(screen.x, screen.y);
    }

    bool drawn = false;
    std::string outputFolder;
    uint32_t camera = 0;
    iQuaternion facing{};
    int meshesBefore = 0;
    size_t filesBefore = 0;
};

void expectNear(const iVector3& a, const iVector3& b) {
    EXPECT_NEAR(a.x, b.x, 1e-3f);
    EXPECT_NEAR(a.y, b.y, 1e-3f);
    EXPECT_NEAR(a.z, b.z, 1e-3f);
}

void expectSameTurn(const iQuaternion& a, const iQuaternion& b) {
    const float dot = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    EXPECT_NEAR(std::fabs(dot), 1.0f, 1e-4f);
}

TEST_F(Primitives3D, ARectangleFacesTheCameraAndIsPickedByThePointersRay) {
    PrimitiveFactory3D meshes(static_cast<int>(camera));
    IRect* made = meshes.createRectPrimitive(White, true);
    Rect3D* rect = dynamic_cast<Rect3D*>(made);
    ASSERT_NE(rect, nullptr);
    ASSERT_NE(rect->getMesh(), 0u);
    EXPECT_EQ(vtMeshCount(), meshesBefore + 1);
    EXPECT_EQ(FileArchive::instance().files().size(), filesBefore + 2);  // the mesh and its picture

    // Born shown at (0, 0), facing the camera, one unit up on the plane in front of it.
    vtMeshState drawn = meshOf(rect);
    EXPECT_EQ(drawn.visible, 1);
    expectNear(drawn.location, onPlane(0.0f, 1.0f));
    expectSameTurn(drawn.orientation, facing);
    expectNear(drawn.scale, iVector3{1.0f, 1.0f, 1.0f});

    made->setLocation(Vector2(-2.0f, 0.0f));
    made->setSize(Vector2(4.0f, 4.0f));
    drawn = meshOf(rect);
    expectNear(drawn.location, onPlane(-2.0f, 1.0f));
    expectNear(drawn.scale, iVector3{4.0f, 4.0f, 1.0f});

    // The engine's ray: the quad spans [-2, 2] x [-1, 3] on the plane.
    pointAtWorld(onPlane(0.0f, 1.0f));
    EXPECT_TRUE(rect->Primitive3D::isPicked());
    pointAtWorld(onPlane(2.5f, 1.0f));
    EXPECT_FALSE(rect->Primitive3D::isPicked());
    pointAtWorld(onPlane(1.5f, 2.5f));
    EXPECT_TRUE(rect->Primitive3D::isPicked());
    made->hide();
    EXPECT_FALSE(rect->Primitive3D::isPicked());  // a hidden mesh is not hit
    EXPECT_EQ(meshOf(rect).visible, 0);
    made->show();
    EXPECT_TRUE(rect->Primitive3D::isPicked());

    // The rectangle itself answers by its box on the GUI plane, as the sprite one does.
    pointAt(0.0f, 0.0f);
    EXPECT_TRUE(made->isPicked());
    pointAt(2.5f, 0.0f);
    EXPECT_FALSE(made->isPicked());

    // The camera turns: the next update brings the rectangle round with it.
    turnCamera(-50.0f);
    meshes.update();
    drawn = meshOf(rect);
    expectNear(drawn.location, onPlane(-2.0f, 1.0f));
    expectSameTurn(drawn.orientation, facing);
    pointAtWorld(onPlane(0.0f, 1.0f));
    EXPECT_TRUE(rect->Primitive3D::isPicked());

    // Released: back to the engine's plain state, the stored shape kept for the next placement.
    made->setPriority(7);
    iMeshAlphaSet(rect->getMesh(), 0.25f);
    iMeshRenderModeSet(rect->getMesh(), 2, 1, 1, 1);
    iMeshWireframeEnable(rect->getMesh(), 1);
    iMeshMirrorMake(rect->getMesh(), 1);
    made->hide();
    made->acquire();
    EXPECT_TRUE(made->isAcquired());
    made->release();
    EXPECT_FALSE(made->isAcquired());
    drawn = meshOf(rect);
    EXPECT_EQ(drawn.visible, 1);
    expectNear(drawn.location, iVector3{0.0f, 0.0f, 0.0f});
    expectNear(drawn.scale, iVector3{1.0f, 1.0f, 1.0f});
    expectSameTurn(drawn.orientation, iQuaternion{0.0f, 0.0f, 0.0f, 1.0f});
    EXPECT_EQ(drawn.priority, 0);
    EXPECT_EQ(drawn.blendSource, 5);
    EXPECT_EQ(drawn.blendTarget, 6);
    EXPECT_EQ(drawn.depthTest, 1);
    EXPECT_EQ(drawn.depthWrite, 0);
    EXPECT_EQ(drawn.zBias, 0);
    EXPECT_FLOAT_EQ(drawn.alpha, 1.0f);
    EXPECT_FLOAT_EQ(drawn.emissive.x, 1.0f);
    EXPECT_FLOAT_EQ(drawn.emissive.w, 0.0f);
    EXPECT_FLOAT_EQ(drawn.fog[0], 10.0f);
    EXPECT_FLOAT_EQ(drawn.fog[1], -1.0f);
    EXPECT_FLOAT_EQ(drawn.specular[0], 0.0f);
    EXPECT_EQ(drawn.wireframe, 0);
    EXPECT_EQ(drawn.localLights, 1);
    EXPECT_EQ(drawn.mirror, 0);
    EXPECT_EQ(drawn.textureMode, 1);
    EXPECT_FLOAT_EQ(drawn.mipLodBias, 0.0f);
    EXPECT_FLOAT_EQ(drawn.envMapBlend, 0.0f);
    EXPECT_FLOAT_EQ(drawn.envMapGlass, 0.0f);
    EXPECT_EQ(made->getLocation(), Vector2(-2.0f, 0.0f));
    EXPECT_EQ(made->getSize(), Vector2(4.0f, 4.0f));
    meshes.update();
    expectNear(meshOf(rect).location, onPlane(-2.0f, 1.0f));

    meshes.destroyRect(made);
    EXPECT_EQ(vtMeshCount(), meshesBefore);
    EXPECT_EQ(FileArchive::instance().files().size(), filesBefore);
}

TEST_F(Primitives3D, ALineIsStretchedAndTurnedAndGoesBackToItsFactory) {
    PrimitiveFactory3D meshes(static_cast<int>(camera));
    ILine* made = meshes.createLinePrimitive(White);
    Line3D* line = dynamic_cast<Line3D*>(made);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(made->getOwner(), static_cast<int>(camera));
    EXPECT_EQ(meshes.getOwner(), static_cast<int>(camera));

    // Born 1.0 long and 0.1 wide, unturned.
    vtMeshState drawn = meshOf(line);
    expectNear(drawn.scale, iVector3{1.0f, 0.1f, 1.0f});
    expectSameTurn(drawn.orientation, iQuaternion{0.0f, 0.0f, 0.0f, 1.0f});

    made->setLocation(Vector2(1.0f, 2.0f));
    made->setLength(3.0f);
    made->setWidth(0.2f);
    made->setAngle(90.0f);
    drawn = meshOf(line);
    expectNear(drawn.location, onPlane(1.0f, 3.0f));
    expectNear(drawn.scale, iVector3{3.0f, 0.2f, 1.0f});
    iQuaternion turned;
    iQuaternionFromEulerAngles(&turned, 0.0f, 0.0f, 90.0f, "xyz");
    expectSameTurn(drawn.orientation, turned);

    // The line's box: [x, x + length] x [y, y + width] against the pointer one unit up.
    pointAt(2.5f, 1.6f);
    EXPECT_TRUE(made->isPicked());
    pointAt(4.5f, 1.6f);
    EXPECT_FALSE(made->isPicked());

    // Strangers and second destroys are ignored; what the factory still holds goes with it.
    {
        PrimitiveFactory3D other(static_cast<int>(camera));
        IRect* kept = other.createRectPrimitive(White, false);
        meshes.destroyRect(kept);
        other.destroyLine(made);
        EXPECT_EQ(vtMeshCount(), meshesBefore + 2);
        EXPECT_EQ(meshes.lineCount(), 1u);
        EXPECT_EQ(other.rectCount(), 1u);
    }
    EXPECT_EQ(vtMeshCount(), meshesBefore + 1);
    meshes.destroyLine(made);
    meshes.destroyLine(made);
    EXPECT_EQ(meshes.lineCount(), 0u);
    EXPECT_EQ(vtMeshCount(), meshesBefore);
    EXPECT_EQ(FileArchive::instance().files().size(), filesBefore);

    // A picture the pack lacks gives mesh 0; the primitive still works and draws nothing.
    Rect3D* missing = meshes.createRect("Tavek_res\\gui\\general\\no_such_picture.x", false);
    EXPECT_EQ(missing->getMesh(), 0u);
    missing->setSize(Vector2(2.0f, 2.0f));
    missing->release();
    EXPECT_FALSE(missing->Primitive3D::isPicked());
    meshes.destroyRect(missing);
    EXPECT_EQ(vtMeshCount(), meshesBefore);
}

// Drawn by the engine: the rectangle shows its picture, lit, where the camera sees it.
class Primitives3DDrawn : public Primitives3D {
protected:
    Primitives3DDrawn() { drawn = true; }
};

TEST_F(Primitives3DDrawn, ARectangleIsDrawnWhereTheCameraSeesIt) {
    const iVector3 light{0.0f, -0.3f, 1.0f};
    const iVector4 colour{1.0f, 1.0f, 1.0f, 0.35f};
    iLightDirectionalSet(&light, &colour);
    PrimitiveFactory3D meshes(static_cast<int>(camera));
    IRect* rect = meshes.createRectPrimitive("Tavek_res\\gui\\general\\blue.x", false);
    rect->release();  // blended, plainly lit
    rect->setLocation(Vector2(-3.0f, 0.0f));
    rect->setSize(Vector2(6.0f, 4.0f));
    for (int i = 0; i < 2; ++i) {
        iVortaneMain();
        meshes.update();
        iVortaneRender();
    }
    const std::string shot = outputFolder + "/gui_mesh_rectangle.png";
    ASSERT_EQ(vtScreenshot(shot.c_str()), 1);

    auto seen = [this](float x, float y) {
        const iVector3 world = onPlane(x, y);
        iVector2 screen;
        i3DLocationToScreen(&screen, &world, camera);
        return guitest::pixel(screen.x, screen.y);
    };
    const guitest::Rgb inside = seen(0.0f, 1.0f);
    EXPECT_GT(inside.b, 100) << inside.r << " " << inside.g << " " << inside.b;
    EXPECT_GT(inside.b, inside.r + 40);
    EXPECT_LT(seen(4.0f, 1.0f).brightness(), 30);
}

}  // namespace
