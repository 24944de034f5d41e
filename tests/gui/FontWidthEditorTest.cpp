// The font-width editor on the real engine and the game's toolkit, in a scratch game folder
// whose white Impact font is a real copy (the rest of the pack is linked).
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "gui/GuiBlocks.h"
#include "gui/GuiButton.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiText.h"
#include "gui/fontwidth/GameMaster.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "resources/FileArchive.h"

namespace fs = std::filesystem;

namespace {

const fs::path WidthFile = "default_res/fontimpactwhite/Impact.wid";
constexpr int BackspaceKey = 14;

std::vector<std::string> fileLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

int engineObjects() {
    return vtSpriteCount() + vtTextureCount() + vtMeshCount() + vtLiveObjectCount();
}

}  // namespace

class FontWidthEditor : public ::testing::Test {
protected:
    void SetUp() override {
        previous = fs::current_path();
        scratch = fs::temp_directory_path() / ("fontwidth_" + std::to_string(getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(scratch);
        fs::create_directories(scratch / "default_res");
        for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(GAME_DIR) / "default_res")) {
            const fs::path target = scratch / "default_res" / entry.path().filename();
            if (entry.path().filename() == "fontimpactwhite") fs::copy(entry.path(), target, fs::copy_options::recursive);
            else fs::create_directory_symlink(entry.path(), target);
        }
        fs::create_directory_symlink(fs::path(GAME_DIR) / "Tavek_res", scratch / "Tavek_res");
        fs::current_path(scratch);
        // 'W' is 1.1 cells wide, and the file runs on past its 256 lines.
        std::vector<std::string> lines = fileLines(WidthFile);
        ASSERT_GE(lines.size(), 256u);
        lines['W'] = "1.1 //W";
        std::ofstream out(WidthFile, std::ios::binary);
        for (const std::string& line : lines) out << line << "\n";
        for (int i = 0; i < 10; ++i) out << "0.5 //extra\n";
    }

    void TearDown() override {
        editor.reset();
        vtReset();
        win32::resetForTests();
        fs::current_path(previous);
        std::error_code ignored;
        if (!HasFailure()) fs::remove_all(scratch, ignored);
        else std::printf("The editor's folder is kept in %s\n", scratch.c_str());
    }

    void open(bool drawing) {
        win32::resetForTests();
        vtReset();
        vtSetDrawing(drawing ? 1 : 0);
        ASSERT_NE(iVortaneOpen(nullptr, nullptr), 0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        objectsBefore = engineObjects();
        editor = std::make_unique<WidEdit::GameMaster>();
        frame(2);
    }

    void frame(int count = 1) {
        for (int i = 0; i < count; ++i) {
            iVortaneMain();
            editor->tick();
        }
    }
    // A child of the editor's screen at (x, y) stands at the plane point (x - 16, y).
    void click(float x, float y) {
        vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f);
        frame();
        vtMouseButtonSet(0, 1);
        frame();
        vtMouseButtonSet(0, 0);
        frame();
    }
    void clickOn(GuiComponent* widget) {
        const Vector2 at = widget->getAbsoluteLocation(), size = widget->getSize();
        click(at.x + size.x * 0.5f, at.y);
    }
    void press(int scanCode, char typed = 0) {
        vtKeySet(scanCode, 1);
        if (typed) vtTypeChar(typed);
        frame();
        vtKeySet(scanCode, 0);
        frame();
    }
    // Empties the character field and types one character into it.
    void typeCharacter(char c, int scanCode) {
        clickOn(editor->getCharField());
        for (int i = 0; i < 8; ++i) press(BackspaceKey);
        if (c) press(scanCode, c);
    }
    float printedWidthOf(const std::string& text) {
        for (int i = 0; i < vtTextCount(); ++i) {
            vtText printed{};
            if (vtTextGet(i, &printed) && printed.text && text == printed.text) return printed.width;
        }
        return -1.0f;
    }

    fs::path previous, scratch;
    std::unique_ptr<WidEdit::GameMaster> editor;
    int objectsBefore = 0;
};

TEST_F(FontWidthEditor, ApplyingWidthsRewritesTheWholeFileAndEveryReaderSeesThem) {
    open(false);
    EXPECT_EQ(editor->getPathField()->getText(), WidEdit::GameMaster::StartPath);
    EXPECT_EQ(editor->getSample(0)->getText(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const std::string symbols = WidEdit::GameMaster::symbolLine();
    EXPECT_EQ(symbols.size(), 33u);
    EXPECT_EQ(symbols.front(), ' ');
    EXPECT_EQ(symbols.back(), '~');
    EXPECT_EQ(editor->getSample(3)->getText(), symbols);

    typeCharacter('W', 17);
    EXPECT_EQ(editor->getCharField()->getText(), "W");
    EXPECT_EQ(editor->getWidthLever()->getIntValue(), 28) << "1.1 x 25 = 27.5, rounded away from zero";

    const float upperBefore = printedWidthOf("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const float widthOfABefore = editor->getWidth('A');
    typeCharacter('A', 30);
    editor->getWidthLever()->setIntValue(20);
    clickOn(editor->getApplyButton(0));
    std::vector<std::string> lines = fileLines(WidthFile);
    ASSERT_EQ(lines.size(), 256u) << "the longer old file left nothing behind";
    EXPECT_EQ(lines['A'], "0.80 //A");
    EXPECT_EQ(lines['W'], "1.10 //W");
    for (int code : {0, 10, 31, 127, 200, 255}) EXPECT_EQ(lines[code].substr(lines[code].size() - 3), " //") << code;
    EXPECT_FLOAT_EQ(editor->getWidth('A'), 0.8f);
    EXPECT_FLOAT_EQ(vtFontWidth(editor->getEditedFont()->getEngineFont(), 'A'), 0.8f);
    frame();
    EXPECT_NEAR(printedWidthOf("ABCDEFGHIJKLMNOPQRSTUVWXYZ") - upperBefore,
                (0.8f - widthOfABefore) * editor->getSample(0)->getTextCharSize().x, 1e-4f)
        << "the sample prints with the new width at once";

    // Non-alphas: the ten digits and the 33 symbols, nothing else.
    std::array<float, 256> before{};
    for (int c = 0; c < 256; ++c) before[c] = editor->getWidth(c);
    editor->getWidthLever()->setIntValue(30);
    clickOn(editor->getApplyButton(3));
    for (int c = 0; c < 256; ++c) {
        const bool nonAlpha = (c >= '0' && c <= '9') || symbols.find(static_cast<char>(c)) != std::string::npos;
        if (nonAlpha) EXPECT_FLOAT_EQ(editor->getWidth(c), 1.2f) << "code " << c;
        else EXPECT_FLOAT_EQ(editor->getWidth(c), before[c]) << "code " << c;
    }

    // The game reads the saved table back, through its archive and by path.
    fs::copy_file(fs::path(GAME_DIR) / "graphics.qmx", "graphics.qmx");
    {
        FileArchive game("graphics.qmx");
        const std::string name = "default_res\\fontimpactwhite\\Impact.wid";
        FileMemory* block = game.getFile(name);
        ASSERT_NE(block, nullptr);
        EXPECT_FLOAT_EQ(GuiFont::readWidths(block->data, block->size)['A'], 0.8f);
        game.releaseFile(name);
        const uint32_t font = game.createFont(name, 0);
        EXPECT_FLOAT_EQ(vtFontWidth(font, 'A'), 0.8f);
        EXPECT_FLOAT_EQ(vtFontWidth(font, '5'), 1.2f);
        game.destroyFont(font);
        const uint32_t byPath = iFontCreate(name.c_str(), 0);
        EXPECT_FLOAT_EQ(vtFontWidth(byPath, 'A'), 0.8f);
        iFontDestroy(byPath);
    }

    // An empty character field applies nothing.
    const std::string saved = bytesOf(WidthFile);
    typeCharacter(0, 0);
    clickOn(editor->getApplyButton(0));
    EXPECT_EQ(bytesOf(WidthFile), saved);

    // "Load File" on a missing path, a folder and a table without its texture keeps both.
    const uint32_t edited = editor->getEditedFont()->getEngineFont();
    fs::copy_file(WidthFile, "orphan.wid");
    for (const char* path : {"default_res\\nothing.wid", "default_res", "orphan.wid"}) {
        editor->getPathField()->setText(path);
        clickOn(editor->getLoadButton());
        EXPECT_EQ(editor->getEditedFont()->getEngineFont(), edited) << path;
        EXPECT_EQ(editor->getPath(), WidEdit::GameMaster::StartPath) << path;
        EXPECT_FLOAT_EQ(editor->getWidth('A'), 0.8f) << path;
    }

    // A save to a file that is gone writes nothing and says so.
    fs::rename(WidthFile, "kept.wid");
    clickOn(editor->getApplyButton(1));
    EXPECT_FALSE(fs::exists(WidthFile));
    const std::vector<std::string>& log = win32::logLines();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.rfind("fontwidth: cannot save", 0) == 0; }),
              1);

    editor.reset();
    EXPECT_EQ(engineObjects(), objectsBefore);
    EXPECT_EQ(vtFontGet(edited, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(fontBlack, nullptr);
    EXPECT_EQ(fontWhite, nullptr);
    EXPECT_EQ(sharedGuiBlocks, nullptr);
}

TEST_F(FontWidthEditor, TheEditorDrawsItsSamplesFieldMarkerAndButtons) {
    open(true);
    typeCharacter('M', 50);
    editor->getWidthLever()->setIntValue(18);
    clickOn(editor->getApplyButton(0));
    vtMouseSet(0.9f, 0.9f);
    frame();
    iVortaneRender();
    const fs::path shot = fs::path(GAME_DIR).parent_path() / "fontwidth_editor.png";
    ASSERT_EQ(vtScreenshot(shot.c_str()), 1);
    uint8_t pixel[4];
    ASSERT_EQ(vtReadPixel((-14.0f + 16.0f) / 32.0f, (12.0f - 7.5f) / 24.0f, pixel), 1);
    int lit = 0;
    for (float x = -14.8f; x < -6.0f; x += 0.1f) {
        vtReadPixel((x + 16.0f) / 32.0f, (12.0f - 7.5f) / 24.0f, pixel);
        lit += pixel[0] + pixel[1] + pixel[2] > 300 ? 1 : 0;
    }
    EXPECT_GT(lit, 10) << "the upper-case sample is drawn";
}
