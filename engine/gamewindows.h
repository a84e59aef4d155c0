#pragma once

// The narrow window through which the game's rules reach the screen: message boxes,
// the board's drawing and frames, the task label, the main window's width, the
// progress window, the animation switch, its clock and the event pump. The windows implement it;
// tests pass a fake.

#include <string>

namespace engine {

// What the task label of puzzle mode says: the level's move limit over the moves left,
// and, once the player has given the level up, that it is over. The windows word it.
struct TaskLabel
{
    int limit = 0;
    int movesLeft = 0;
    bool givenUp = false;
};

class GameWindows
{
public:
    virtual ~GameWindows() = default;

    // A modal message box (styles and answers as in platform/messagebox.h).
    virtual int MsgBox(const std::string &prompt, int style, const std::string &title) = 0;

    virtual void ShowSplash() = 0;
    virtual void DrawBoard() = 0;
    virtual void DrawBackground() = 0;
    // Repaints the main window's background and prints the title on it.
    virtual void backward() = 0;

    // BorderStyle of every cell (1 while a game runs), and of the first cell.
    virtual void SetCellBorders(int borderStyle) = 0;
    virtual int FirstCellBorderStyle() = 0;

    // The creation animation switch of the game setting dialog.
    virtual bool AnimationOn() = 0;

    virtual void ShowProgress() = 0;
    virtual void HideProgress() = 0;
    virtual void SetProgressMax(double max) = 0;
    virtual void SetProgressValue(double value) = 0;

    // Lets pending events run once.
    virtual void DoEvents() = 0;

    // Pacing of the creation animation: a steady clock in seconds, the time one frame
    // of the display lasts, and letting events run, waiting for them, until the clock
    // reaches `until` (at least once, even when that time has already passed).
    virtual double Clock() = 0;
    virtual double FrameSeconds() = 0;
    virtual void DoEventsUntil(double until) = 0;

    // A puzzle creation or replay starts (true) or has finished (false). While it
    // runs the board takes no commands, and the windows show the player so.
    virtual void CreationRunning(bool running) = 0;

    // Outer width of the main window in twips.
    virtual double MainWidth() = 0;
    virtual void SetMainWidth(double twips) = 0;

    virtual void SetTaskLabelVisible(bool visible) = 0;
    virtual void SetTaskLabelLeft(double twips) = 0;
    virtual void SetTaskLabelCaption(const TaskLabel &task) = 0;
};

// Connects the rules to the windows; must happen before any procedure runs.
void connectWindows(GameWindows *windows);
GameWindows &windows();

} // namespace engine
