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
    void ShowSplash() override { ++splashShown; }
    void DrawBoard() override { ++boardDraws; }
    void DrawBackground() override { ++backgroundDraws; }
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
    void SetProgressMax(double max) override { progressMax = max; }
    void SetProgressValue(double value) override { progressValues.push_back(value); }
    void DoEvents() override
    {
        ++eventRuns;
        if (onEvents)
            onEvents();
    }
    void CreationRunning(bool) override {}
    double MainWidth() override { return mainWidth; }
    void SetMainWidth(double twips) override { mainWidth = twips; }
    void SetTaskLabelVisible(bool visible) override { labelVisible = visible; }
    void SetTaskLabelLeft(double twips) override { labelLeft = twips; }
    void SetTaskLabelCaption(const std::string &caption) override { labelCaption = caption; }

    std::deque<int> answers;
    std::vector<AskedMessage> asked;
    std::function<void()> onMessage;
    std::function<void()> onEvents;
    int splashShown = 0;
    int boardDraws = 0;
    int backgroundDraws = 0;
    int titleDraws = 0;
    int cellBorders = 0;
    bool animation = true;
    bool progressVisible = false;
    int progressShown = 0;
    double progressMax = 0;
    std::vector<double> progressValues;
    int eventRuns = 0;
    double mainWidth = 2475;
    bool labelVisible = false;
    double labelLeft = 0;
    std::string labelCaption = "Label1";
};
