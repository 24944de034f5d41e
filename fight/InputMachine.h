// Turns the press and release edges of one fighter's twelve inputs into requested moves:
// taps of a direction, held directions (walking), chords of the four attack buttons pressed
// within 0.05 s, and buttons pressed with a modifier held. It never starts an action; it writes
// the fighter's requested move or appends to its move queue. The battle owns one per fighter
// slot and feeds it every changed input bit; the fighter outlives the machine's use of it.
#pragma once

#include "gui/TickAble.h"

class FighterInstance;

class InputMachine : public virtual TickAble {
public:
    InputMachine();
    InputMachine(const InputMachine&) = delete;
    InputMachine& operator=(const InputMachine&) = delete;
    ~InputMachine() override = default;

    // Every flag, latch and timer back to false or 0 (locked and enabled too).
    virtual void reset();
    virtual void submitMove(int move);
    virtual FighterInstance* getFighter() { return fighter; }
    virtual void setFighter(FighterInstance* f) { fighter = f; }
    virtual void enable() { enabled = true; }
    virtual void disable() { enabled = false; }
    virtual void pressButton0();
    virtual void pressButton1();
    virtual void pressButton2();
    virtual void pressButton3();
    virtual void pressButton4();
    virtual void pressButton5();
    virtual void pressButton6();
    virtual void pressButton7();
    virtual void pressUp();
    virtual void pressDown();
    virtual void pressLeft();
    virtual void pressRight();
    virtual void releaseButton0();
    virtual void releaseButton1();
    virtual void releaseButton2();
    virtual void releaseButton3();
    virtual void releaseButton4();
    virtual void releaseButton5();
    virtual void releaseButton6();
    virtual void releaseButton7();
    virtual void releaseUp();
    virtual void releaseDown();
    virtual void releaseLeft();
    virtual void releaseRight();
    virtual void submitDirectionMove();
    virtual void latchHeld();
    virtual void clearLatches();
    virtual void submitButtonMove();
    virtual void beginCharge();
    virtual void endCharge();
    virtual void cancelCharge();
    virtual void lock();
    virtual void unlock();
    virtual void directionAction();
    virtual void setButton7Down() { button7Down = true; }
    virtual void clearButton7Down() { button7Down = false; }
    virtual void setButton5Down() { button5Down = true; }
    virtual void clearButton5Down() { button5Down = false; }
    virtual void startHold(int kind);
    virtual void stopHold() { tapRunning = false; }
    virtual void setDirectionDown() { directionDown = true; }
    virtual void clearDirectionDown();
    virtual void submitHoldMove();
    virtual void submitStateMove();
    virtual void submitRandomMove();

    // Once a frame: the held directions' walking move, then the chord window or the tap timer.
    void tick() override;

    bool isEnabled() const { return enabled; }
    bool isLocked() const { return locked; }
    bool isChordWindowOpen() const { return chordOpen; }
    bool isTapRunning() const { return tapRunning; }

private:
    void pressAttackButton(int button);
    void releaseAttackButton(int button);
    void pressDirection(int kind);
    void releaseDirection(int kind);

    FighterInstance* fighter = nullptr;   // borrowed
    bool enabled = false;
    bool chordOpen = false;
    float chordTimer = 0.0f;
    float chordLimit = 0.05f;
    bool buttonHeld[5] = {};              // buttons 0-3 and the modifier button 4
    bool button5Down = false;
    bool button6Down = false;
    bool button7Down = false;
    bool directionHeld[4] = {};           // up, down, left, right
    bool latch4 = false;
    bool latch5 = false;
    bool latch6 = false;
    bool latch7 = false;
    bool locked = false;
    bool tapRunning = false;
    int tapKind = 0;                      // 0 up, 1 down, 2 left, 3 right
    float tapTimer = 0.0f;
    float tapLimit = 0.1f;
    bool directionDown = false;
};
