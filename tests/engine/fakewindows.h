#pragma once

// A stand-in for the windows: logs what the rules asked of them, answers every message
// box alike, and can run a callback whenever events are let run.

#include "gamewindows.h"

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

class FakeWindows : public engine::GameWindows
{
public:
    int MsgBox(const std::string &prompt, int style, const std::string &title) override
    {
        calls += 'M';
        asked.emplace_back(prompt, style, title);
        return answer;
    }
    void DrawBoard() override
    {
        calls += 'D';
        drawnAt.push_back(now);
    }
    void backward() override { calls += 'T'; }
    void ShowProgress() override { calls += 'S'; }
    void HideProgress() override { calls += 'H'; }
    void DoEvents() override
    {
        calls += 'E';
        if (onEvents)
            onEvents();
    }
    // A clock that moves only when the creation waits for it, to the time asked for.
    double Clock() override { return now; }
    double FrameSeconds() override { return frameSeconds; }
    void DoEventsUntil(double until) override
    {
        now = std::max(now, until);
        DoEvents();
    }
    void SetCellBorders(int style) override { cellBorders = style; }
    int FirstCellBorderStyle() override { return cellBorders; }
    bool AnimationOn() override { return animation; }
    // What no test asks about.
    double MainWidth() override { return 2475; }
    void SetMainWidth(double) override {}
    void ShowSplash() override {}
    void DrawBackground() override {}
    void SetProgressMax(double) override {}
    void SetProgressValue(double) override {}
    void CreationRunning(bool) override {}
    void SetTaskLabelVisible(bool) override {}
    void SetTaskLabelLeft(double) override {}
    void SetTaskLabelCaption(const engine::TaskLabel &) override {}

    // One letter a call, in order: M a message box, D the board drawn, T the title
    // repainted, S and H the progress window shown and hidden, E events let run.
    std::string calls;
    std::vector<std::tuple<std::string, int, std::string>> asked; // prompt, style, title
    int answer = 1;                                               // to every message box
    std::function<void()> onEvents;
    int cellBorders = 0;
    bool animation = true;
    double now = 0;
    double frameSeconds = 1.0 / 60;
    std::vector<double> drawnAt; // the clock at each board drawn
};
