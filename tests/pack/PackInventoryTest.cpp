// Every sprite and font of the generated pack becomes an engine object through the game's
// resource layer, once from the loose files and once from graphics.qmx alone (with the loose
// width tables, which are never packed), each with the picture the pack holds for it;
// destroying them all leaves the engine without objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <set>
#include <string>
#include <vector>

#include "PackTestSupport.h"

namespace {

// Sprites live in the GUI folders and in the toolkit's and plug-in's folder; fonts in the latter.
const std::vector<std::string> SpriteFolders = {"Tavek_res\\gui\\", "default_res\\"};
const std::vector<std::string> FontFolders = {"default_res\\"};
constexpr int SpriteOwner = 7;
constexpr int FontOwner = 9;

std::string pngCompanion(const std::string& name) { return name.substr(0, name.size() - 1) + "png"; }

using pack::lastEngineLine;

class PackInventory : public pack::LoadingTest {
protected:
    // Creates every sprite and font of the pack through files, checks each object against the
    // pack's own files, then destroys them all and checks nothing is left.
    void loadEverything(FileArchive& files);

private:
    void makeSprite(FileArchive& files, const std::string& name, bool glyph, const std::string& picture);

    std::vector<uint32_t> sprites;
    std::set<std::string> pictures;  // every texture the objects were made with
};

void PackInventory::makeSprite(FileArchive& files, const std::string& name, bool glyph, const std::string& picture) {
    const uint32_t sprite = files.createSprite(name, SpriteOwner, glyph);
    if (sprite == 0) {
        fail(name + (glyph ? " (glyph)" : "") + ": not made: " + lastEngineLine());
        return;
    }
    sprites.push_back(sprite);
    pictures.insert(picture);
    vtSprite state{};
    int width = 0, height = 0;
    if (!vtSpriteGet(sprite, &state) || !pack::pictureSize(picture, &width, &height)) {
        fail(name + ": no state or no readable picture " + picture);
    } else if (state.textureWidth != width || state.textureHeight != height || state.owner != SpriteOwner) {
        fail(name + ": texture " + std::to_string(state.textureWidth) + "x" + std::to_string(state.textureHeight) +
             ", but " + picture + " is " + std::to_string(width) + "x" + std::to_string(height));
    }
}

void PackInventory::loadEverything(FileArchive& files) {
    const std::vector<std::string> spriteNames = pack::gameNames(SpriteFolders, ".x");
    const std::vector<std::string> fontNames = pack::gameNames(FontFolders, ".wid");
    ASSERT_FALSE(spriteNames.empty()) << "no sprites in " << pack::gameFolder() << ": build the respack target";
    ASSERT_FALSE(fontNames.empty()) << "no fonts in " << pack::gameFolder();

    // Glyph files that only a font uses (no picture of their own, no fonts.dds beside them).
    std::set<std::string> fontOnlyGlyphs;
    size_t plainSprites = 0, glyphSprites = 0;
    for (const std::string& name : spriteNames) {
        const std::string png = pngCompanion(name);
        const std::string atlas = pack::folderOf(name) + "fonts.dds";
        const bool hasPicture = pack::exists(png);
        const bool glyph = pack::isGlyphName(name) && pack::exists(atlas);
        if (hasPicture) {
            makeSprite(files, name, false, png);
            ++plainSprites;
        }
        if (glyph) {
            makeSprite(files, name, true, atlas);
            ++glyphSprites;
        }
        if (!hasPicture && !glyph) fontOnlyGlyphs.insert(name);
    }

    std::vector<uint32_t> fonts;
    for (const std::string& name : fontNames) {
        const std::string prefix = name.substr(0, name.size() - 4) + "_";
        int expectedGlyphs = 0;
        for (const std::string& sprite : spriteNames) {
            if (sprite.size() == prefix.size() + 4 && sprite.compare(0, prefix.size(), prefix) == 0 &&
                pack::isGlyphName(sprite)) {
                ++expectedGlyphs;
                fontOnlyGlyphs.erase(sprite);
            }
        }
        const std::string texture = name.substr(0, name.size() - 3) + "dds";
        const uint32_t font = files.createFont(name, FontOwner);
        if (font == 0) {
            fail(name + ": font not made: " + lastEngineLine());
            continue;
        }
        fonts.push_back(font);
        pictures.insert(texture);
        int glyphs = 0, textureId = -1, owner = 0;
        if (!vtFontGet(font, &glyphs, &textureId, &owner) || glyphs != expectedGlyphs || owner != FontOwner ||
            textureId != files.textureId(texture)) {
            fail(name + ": " + std::to_string(glyphs) + " glyphs of " + std::to_string(expectedGlyphs) +
                 ", texture id " + std::to_string(textureId));
        }
        // Real advances, not the table's fall-back for unreadable lines (fontwhite's picture cells
        // in 0x60..0x6c are a full cell wide, so the probes stay outside them).
        const float narrow = vtFontWidth(font, '.'), wide = vtFontWidth(font, 'W');
        if (!(narrow > 0.1f && narrow < wide && wide < 1.2f)) {
            fail(name + ": widths . " + std::to_string(narrow) + ", W " + std::to_string(wide));
        }
    }
    for (const std::string& name : fontOnlyGlyphs) fail(name + ": neither a sprite with a picture nor a font's glyph");

    report();
    // The pack has its plain sprites and fontwhite's 256 glyph sprites.
    EXPECT_GT(plainSprites, 100u);
    EXPECT_EQ(glyphSprites, 256u);
    EXPECT_EQ(vtSpriteCount(), static_cast<int>(sprites.size()));
    // Objects made from one picture share one texture.
    EXPECT_EQ(vtTextureCount(), static_cast<int>(pictures.size()));

    for (uint32_t sprite : sprites) files.destroySprite(sprite);
    for (uint32_t font : fonts) files.destroyFont(font);
    EXPECT_EQ(vtSpriteCount(), 0);
    EXPECT_EQ(vtTextureCount(), 0);
    EXPECT_EQ(vtLiveObjectCount(), 0);
    EXPECT_EQ(files.files().size(), 0u) << "files still held by the resource layer";
    for (uint32_t font : fonts) {
        int glyphs = 0, textureId = 0, owner = 0;
        EXPECT_EQ(vtFontGet(font, &glyphs, &textureId, &owner), 0) << "font " << font << " outlived its destroy";
    }
}

TEST_F(PackInventory, EverySpriteAndFontLoadsFromTheLooseFiles) {
    pack::WorkingFolder inside(pack::gameFolder());
    ASSERT_TRUE(inside.entered()) << pack::gameFolder();
    FileArchive files("no packed archive here.qmx");
    ASSERT_FALSE(files.packedArchive().opened());
    loadEverything(files);
}

TEST_F(PackInventory, EverySpriteAndFontLoadsFromTheArchiveAlone) {
    ASSERT_NO_FATAL_FAILURE(makeArchiveOnlyFolder("archive_only"));
    // Width tables are never packed (the font-width editor rewrites them loose): they come along.
    for (const std::string& name : pack::gameNames(FontFolders, ".wid")) {
        std::string relative = name;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const std::filesystem::path target = std::filesystem::path(scratch) / relative;
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(pack::hostFile(name), target);
    }

    pack::WorkingFolder inside(scratch);
    ASSERT_TRUE(inside.entered()) << scratch;
    FileArchive files("graphics.qmx");
    ASSERT_TRUE(files.packedArchive().opened());
    loadEverything(files);
}

}  // namespace
