#pragma once

// Connects the game's rules (engine::GameWindows) to the real windows: the board and
// task label of Form1, the animation switch of Form2, the progress window Form5 and
// the splash window Form4.

#include <QString>

#include "gamewindows.h"

namespace ui {

class GameWindowsAdapter : public engine::GameWindows
{
public:
    int MsgBox(const std::string &prompt, int style, const std::string &title) override;
    void ShowSplash() override;
    void DrawBoard() override;
    void DrawBackground() override;
    void backward() override;
    void SetCellBorders(int borderStyle) override;
    int FirstCellBorderStyle() override;
    bool AnimationOn() override;
    void ShowProgress() override;
    void HideProgress() override;
    void SetProgressMax(double max) override;
    void SetProgressValue(double value) override;
    void DoEvents() override;
    double Clock() override;
    double FrameSeconds() override;
    void DoEventsUntil(double until) override;
    void CreationRunning(bool running) override;
    double MainWidth() override;
    void SetMainWidth(double twips) override;
    void SetTaskLabelVisible(bool visible) override;
    void SetTaskLabelLeft(double twips) override;
    void SetTaskLabelCaption(const engine::TaskLabel &task) override;
};

// The task label's text in the language the game speaks.
QString taskCaption(const engine::TaskLabel &task);

// The adapter the program runs with; connected by forms.cpp.
GameWindowsAdapter &gameWindowsAdapter();

} // namespace ui
