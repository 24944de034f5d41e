#include "game/LoadingScreen.h"

#include "gui/GuiFillBar.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "resources/StartupTables.h"

LoadingScreen::LoadingScreen(GuiManager* manager, GuiBlocks* skin)
    : GuiScreen(manager, skin, loadingScreenSprites.data(), static_cast<int>(loadingScreenSprites.size())) {
    progressBar = new GuiFillBar(skin, nullptr, 0, nullptr);
    addChild(progressBar);
    progressBar->setLocation(Vector2(7.0f, 0.0f));
    progressBar->setSize(Vector2(18.0f, 0.333f));
    const struct {
        Vector2 offset, size;
    } pictures[] = {
        {{0.0f, 0.0f}, {32.0f, 24.0f}},
        {{14.0f, -1.5f}, {4.0f, 1.0f}},
        {{11.5f, 6.0f}, {10.5f, 7.0f}},
    };
    for (int i = 0; i < 3; ++i) {
        setPartOffset(i, pictures[i].offset);
        setPartSize(i, pictures[i].size);
    }
}

float LoadingScreen::getProgress() const { return progressBar->getValue(); }

void LoadingScreen::setProgress(float value) {
    progressBar->setValue(value);
    const float now = iSystemTimer();
    // A clock behind the last frame belongs to a reopened engine: present.
    if (value >= 1.0f || !presented || now - lastPresent >= FrameInterval || now < lastPresent) present();
}

void LoadingScreen::setProgressAndPresent(float value) {
    progressBar->setValue(value);
    present();
}

void LoadingScreen::present() {
    iRender();
    // Timed from the frame's end: a frame that takes a refresh or longer to draw (software
    // drawing) still leaves the set-up a refresh of its own before the next one.
    presented = true;
    lastPresent = iSystemTimer();
}
