#include "gui/fontwidth/GameMaster.h"

#include <cmath>

#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiBorderFactory.h"
#include "gui/GuiButton.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "gui/GuiMouse.h"
#include "gui/GuiSound.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiText.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/HighLevelEvent.h"
#include "gui/ObserveAbleString.h"
#include "gui/PrimitiveFactory2D.h"
#include "gui/fontwidth/WidScreen.h"
#include "platform/host/EngineRunner.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace WidEdit {

namespace {

const char* const BlackFontFile = "default_res\\fontimpactblack\\Impact.wid";
const std::string MarkerPicture = "Tavek_res\\gui\\general\\red.x";
constexpr int NoBorder = -1;
constexpr int Framed = 0;
constexpr int CharFieldLength = 6;
constexpr float MarkerTravel = 12.0f;  // units of the marker's offset over the lever's range

// The four samples: text and line.
const struct {
    const char* text;
    float y;
} Samples[3] = {
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 7.5f},
    {"abcdefghijklmnopqrstuvwxyz", 6.5f},
    {"1234567890", 5.5f},
};
constexpr float SymbolSampleY = 4.5f;

}  // namespace

GameMaster::GameMaster() {
    camera_ = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    const int owner = static_cast<int>(camera_);
    iTextureMipLevelsSet(1);
    delete fontBlack;
    fontBlack = new GuiFont(BlackFontFile, owner, true);
    delete fontWhite;
    fontWhite = new GuiFont(path_.c_str(), owner, true);
    editedFont_ = std::make_unique<GuiFont>(path_.c_str(), owner, true);
    iTextureMipLevelsSet(0);
    guiManager_ = std::make_unique<GuiManager>();
    const iVector3 cameraPlace{0.0f, 1.0f, 0.0f};
    iCameraLocationSet(camera_, &cameraPlace);
    const iVector3 lightDirection{0.1f, -1.0f, 0.1f};
    const iVector4 lightColour{1.0f, 1.0f, 1.0f, 0.35f};
    iLightDirectionalSet(&lightDirection, &lightColour);

    factory_ = std::make_unique<PrimitiveFactory2D>(owner);
    artist_ = std::make_unique<GuiArtist>(factory_.get());
    borderFactory_ = std::make_unique<GuiBorderFactory>();
    sound_ = std::make_unique<GuiSound>();
    sound_->setVolume(1.0f);
    printList_ = std::make_unique<GuiTextBlockTicker>();
    mouse_ = std::make_unique<GuiMouse>(&artist_->mouseArtist);
    iWindowsMouseHide(1);
    skin_ = std::make_unique<GuiBlocks>(artist_.get(), borderFactory_.get(), fontWhite, sound_.get(),
                                        printList_.get());
    sharedGuiBlocks = skin_.get();
    editSkin_ = std::make_unique<GuiBlocks>(*skin_);
    editSkin_->font = editedFont_.get();
    screen_ = std::make_unique<WidScreen>(guiManager_.get(), skin_.get());
    buildWidgets();
    guiManager_->setScreen(screen_.get());
    widths_.fill(GuiFont::DefaultWidth);
    loadWidthFile();
}

GameMaster::~GameMaster() {
    charField_->getTextObservable()->removeObserver(this);
    guiManager_.reset();
    screen_.reset();
    mouse_.reset();
    printList_.reset();
    borderFactory_.reset();
    artist_.reset();
    // The click sounds its artist loaded for the whole toolkit: the tool is their only user.
    iSoundDestroy(GuiArtist::keySound);
    iSoundDestroy(GuiArtist::sweepSound);
    GuiArtist::keySound = GuiArtist::sweepSound = 0;
    factory_.reset();
    if (!fontFromArchive_) {
        // A font made by path goes back to the engine itself, not to the archive.
        iFontDestroy(editedFont_->getEngineFont());
        editedFont_->setEngineFont(0);
    }
    editedFont_.reset();
    sound_.reset();
    delete fontWhite;
    fontWhite = nullptr;
    delete fontBlack;
    fontBlack = nullptr;
    editSkin_.reset();
    if (sharedGuiBlocks == skin_.get()) sharedGuiBlocks = nullptr;
    skin_.reset();
    iCameraDestroy(camera_);
}

void GameMaster::buildWidgets() {
    pathField_ = new GuiText(skin_.get(), NoBorder, nullptr, 0, -1, nullptr);
    screen_->addChild(pathField_);
    pathField_->setSize(Vector2(25.0f, 1.0f));
    pathField_->setLocation(Vector2(1.0f, 10.0f));
    pathField_->setText(path_);
    loadButton_ = addButton("Load File", 5.0f, 26.0f, 10.0f);

    for (size_t i = 0; i < samples_.size(); ++i) {
        auto* sample = new GuiText(editSkin_.get(), NoBorder, nullptr, 0, -1, nullptr);
        screen_->addChild(sample);
        sample->setEditable(false);
        sample->setLocation(Vector2(1.0f, i < 3 ? Samples[i].y : SymbolSampleY));
        sample->setText(i < 3 ? std::string(Samples[i].text) : symbolLine());
        samples_[i] = sample;
    }

    charField_ = new GuiText(editSkin_.get(), Framed, &MarkerPicture, 1, CharFieldLength, nullptr);
    screen_->addChild(charField_);
    charField_->setSize(Vector2(30.0f, 4.0f));
    charField_->setLocation(Vector2(1.0f, 1.5f));
    charField_->setTextCharSize(Vector2(2.5f, 2.5f));
    charField_->setPartSize(0, Vector2(0.1f, 1.5f * 4.0f));
    charField_->getTextObservable()->addObserver(this);

    widthLever_ = new GuiSuperLever(skin_.get(), Framed, nullptr, 0, nullptr);
    screen_->addChild(widthLever_);
    widthLever_->addHighLevelEventListener(this);
    widthLever_->setMaximum(100);
    widthLever_->setSize(Vector2(14.5f, 1.0f));
    widthLever_->setLocation(Vector2(1.0f, -2.0f));

    applyButtons_[0] = addButton("Apply Width to Character", 14.5f, 1.0f, -4.5f);
    applyButtons_[1] = addButton("Apply Width to Uppers", 14.5f, 16.5f, -2.0f);
    applyButtons_[2] = addButton("Apply Width to Lowers", 14.5f, 16.5f, -4.5f);
    applyButtons_[3] = addButton("Apply Width to Non-Alphas", 14.5f, 16.5f, -7.0f);
}

GuiButton* GameMaster::addButton(const char* text, float width, float x, float y) {
    auto* button = new GuiButton(skin_.get(), Framed, nullptr, nullptr, nullptr, 0);
    screen_->addChild(button);
    button->addHighLevelEventListener(this);
    button->setSize(Vector2(width, 1.0f));
    button->setLocation(Vector2(x, y));
    button->setText(text);
    return button;
}

void GameMaster::tick() {
    guiManager_->pollInput();
    factory_->update();
    mouse_->update();
    printList_->printAll();
}

void GameMaster::requestQuit() { EngineRunner::requestQuit(); }

void GameMaster::applyWidth(unsigned char code) {
    widths_[code] = static_cast<float>(widthLever_->getIntValue()) / LeverUnitsPerCell;
}

void GameMaster::saveAndReload() {
    saveWidthFile();
    loadWidthFile();
}

void GameMaster::handleHighLevelEvent(HighLevelEvent& event) {
    if (event.source == loadButton_) {
        const std::string typed = pathField_->getText();
        const std::string previous = path_;
        path_ = typed;
        if (!loadWidthFile()) path_ = previous;
    } else if (event.source == widthLever_) {
        showMarker();
    } else if (event.source == applyButtons_[0]) {
        applyFirstCharacter();
    } else if (event.source == applyButtons_[1]) {
        for (char c = 'A'; c <= 'Z'; ++c) applyWidth(static_cast<unsigned char>(c));
        saveAndReload();
    } else if (event.source == applyButtons_[2]) {
        for (char c = 'a'; c <= 'z'; ++c) applyWidth(static_cast<unsigned char>(c));
        saveAndReload();
    } else if (event.source == applyButtons_[3]) {
        for (char c = '0'; c <= '9'; ++c) applyWidth(static_cast<unsigned char>(c));
        for (char c : symbolLine()) applyWidth(static_cast<unsigned char>(c));
        saveAndReload();
    }
}

void GameMaster::notify(ObserveAble*, void*) {
    const std::string text = charField_->getText();
    const unsigned char code = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
    widthLever_->setIntValue(static_cast<int>(std::lround(widths_[code] * LeverUnitsPerCell)));
    showMarker();
}

std::string GameMaster::symbolLine() {
    std::string line;
    for (int c = 32; c <= 126; ++c) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit) line += static_cast<char>(c);
    }
    return line;
}

void GameMaster::showMarker() {
    charField_->setPartOffset(0, Vector2(widthLever_->getLeverValue() * MarkerTravel, 0.0f));
}

// An empty field applies nothing.
void GameMaster::applyFirstCharacter() {
    const std::string text = charField_->getText();
    if (text.empty()) return;
    applyWidth(static_cast<unsigned char>(text[0]));
    saveAndReload();
}

}  // namespace WidEdit
