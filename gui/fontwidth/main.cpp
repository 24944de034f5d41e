// fontwidth: the font-width editor, on the game's resources in the working folder. It starts on
// the white Impact font and ends when its window is closed.
#include <cstdio>
#include <memory>

#include "gui/fontwidth/GameMaster.h"
#include "platform/host/EngineRunner.h"

int main() {
    EngineRunner runner("fontwidth");
    if (!runner.open()) {
        std::fprintf(stderr, "fontwidth: %s\n", runner.error().c_str());
        return 1;
    }
    std::unique_ptr<WidEdit::GameMaster> editor;
    const int code = runner.run([&] { editor = std::make_unique<WidEdit::GameMaster>(); },
                                [&] {
                                    if (editor) editor->tick();
                                });
    editor.reset();
    return code;
}
