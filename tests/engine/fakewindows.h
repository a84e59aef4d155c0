#pragma once

// A stand-in for the windows: records what the rules asked of them, answers message
// boxes from a script, and can run a callback whenever events are let run.

#include "gamewindows.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct AskedMessage
{
    std::string prompt;
    int style;
    std::string title;
};

class FakeWindows : public engine::GameWindows
{
public:
    int MsgBox(const std::string &prompt, int style, const std::string &title) override
    {
        asked.push_back({prompt, style, title});
        if (onMessage)
            onMessage();
        if (answers.empty())
            return 1;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void DrawBoard() override { ++boardDraws; }
    void backward() override { ++titleDraws; }
    void SetCellBorders(int borderStyle) override { cellBorders = borderStyle; }
    int FirstCellBorderStyle() override { return cellBorders; }
    bool AnimationOn() override { return animation; }
    void ShowProgress() override
    {
        progressVisible = true;
        ++progressShown;
    }
    void HideProgress() override { progressVisible = false; }
    void DoEvents() override
    {
        ++eventRuns;
        if (onEvents)
            onEvents();
    }
    double MainWidth() override { return mainWidth; }
    void SetMainWidth(double twips) override { mainWidth = twips; }
    // What no test asks about.
    void ShowSplash() override {}
    void DrawBackground() override {}
    void SetProgressMax(double) override {}
    void SetProgressValue(double) override {}
    void CreationRunning(bool) override {}
    void SetTaskLabelVisible(bool) override {}
    void SetTaskLabelLeft(double) override {}
    void SetTaskLabelCaption(const std::string &) override {}

    std::deque<int> answers;
    std::vector<AskedMessage> asked;
    std::function<void()> onMessage;
    std::function<void()> onEvents;
    int boardDraws = 0;
    int titleDraws = 0;
    int cellBorders = 0;
    bool animation = true;
    bool progressVisible = false;
    int progressShown = 0;
    int eventRuns = 0;
    double mainWidth = 2475;
};
