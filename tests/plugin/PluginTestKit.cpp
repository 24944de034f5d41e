#include "PluginTestKit.h"

#include <unistd.h>

#include <algorithm>
#include <ostream>

#include "platform/vuzirovari/vuzirovari_table.h"
#include "platform/win32/win32_host.h"

namespace plugintest {

EngineCounts engineCounts() {
    return {vtSpriteCount(), vtTextureCount(), vtMeshCount(),  vtSkinMeshCount(),   vtBodyCount(),
            vtBoneCount(),   vtJointCount(),   vtContactPairCount(), vtLiveObjectCount()};
}

std::ostream& operator<<(std::ostream& out, const EngineCounts& c) {
    return out << "sprites " << c.sprites << ", textures " << c.textures << ", meshes " << c.meshes
               << ", skin meshes " << c.skinMeshes << ", bodies " << c.bodies << ", bones " << c.bones
               << ", joints " << c.joints << ", pairs " << c.pairs << ", cameras and sounds " << c.live;
}

void PluginFixture::SetUp() {
    namespace fs = std::filesystem;
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
    previousFolder = fs::current_path();
    scratch = fs::temp_directory_path() /
              ("vortane_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    for (const char* folder : {"default_res", "Tavek_res"})
        fs::create_directory_symlink(fs::path(GAME_DIR) / folder, scratch / folder);
    fs::current_path(scratch);
    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    vtSetFixedFrameTime(1.0f / 60.0f);
    before = engineCounts();
}

void PluginFixture::TearDown() {
    if (plugin.isLoaded()) finish();
    vtReset();
    win32::resetForTests();
    std::filesystem::current_path(previousFolder);
    std::error_code ignored;
    if (!HasFailure()) std::filesystem::remove_all(scratch, ignored);
    else std::printf("The plug-in's folder is kept in %s\n", scratch.c_str());
}

void PluginFixture::start(const std::string& library) {
    ASSERT_TRUE(plugin.load(library)) << plugin.error();
    plugin.libInit(vuzPluginTable());
    plugin.preInit();
    iVortaneMain();
    iVortaneInitBegin();
    plugin.init();
    iVortaneInitEnd();
}

void PluginFixture::frame(int count) {
    for (int i = 0; i < count; ++i) {
        iVortaneMain();
        iVortaneRunBegin();
        plugin.run();
        iVortaneRunEnd();
    }
}

void PluginFixture::finish() {
    plugin.exit();
    plugin.postExit();
    plugin.unload();
}

void PluginFixture::pointAt(float x, float y) { vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f); }

void PluginFixture::click(float x, float y) {
    pointAt(x, y);
    frame();
    vtMouseButtonSet(0, 1);
    frame();
    vtMouseButtonSet(0, 0);
    frame();
}

void PluginFixture::press(int scanCode, char typed) {
    vtKeySet(scanCode, 1);
    if (typed) vtTypeChar(static_cast<unsigned char>(typed));
    frame();
    vtKeySet(scanCode, 0);
    frame();
}

void PluginFixture::type(const std::string& text) {
    // Letter keys of the first row's layout; the character is what the field inserts.
    static const std::string Letters = "QWERTYUIOPASDFGHJKLZXCVBNM";
    static const int Codes[] = {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 30, 31, 32,
                                33, 34, 35, 36, 37, 38, 44, 45, 46, 47, 48, 49, 50};
    for (char c : text) {
        const size_t at = Letters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        press(at == std::string::npos ? 57 : Codes[at], c);
    }
}

std::vector<std::string> PluginFixture::texts() const {
    std::vector<std::string> out;
    for (int i = 0; i < vtTextCount(); ++i) {
        vtText text{};
        if (vtTextGet(i, &text) && text.text) out.emplace_back(text.text);
    }
    return out;
}

bool PluginFixture::shows(const std::string& text) const {
    const std::vector<std::string> all = texts();
    return std::find(all.begin(), all.end(), text) != all.end();
}

int PluginFixture::visibleSprites(const std::string& part) const {
    int found = 0;
    for (int i = 0; i < vtSpriteCount(); ++i) {
        vtSprite sprite{};
        if (vtSpriteGet(vtSpriteAt(i), &sprite) && sprite.visible && sprite.textureName &&
            std::string(sprite.textureName).find(part) != std::string::npos)
            ++found;
    }
    return found;
}

int PluginFixture::logLines(const std::string& part) {
    const std::vector<std::string>& lines = win32::logLines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& line) { return line.find(part) != std::string::npos; }));
}

bool PluginFixture::exitCalled() const {
    const char* calls = vtCallLog();
    return calls && std::string(calls).find("exit") != std::string::npos;
}

}  // namespace plugintest
