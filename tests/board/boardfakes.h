#pragma once

// Stand-ins for the windows the board works with: a main window whose client area is a
// real widget and whose outer width can be held above the grid's width (as a window
// manager's minimum width would), a game setting dialog reduced to its three settings,
// and a recorder that answers the message boxes.

#include <QList>
#include <QWidget>

#include <algorithm>

#include "board.h"
#include "messagebox.h"
#include "twips.h"

class FakeHost : public board::BoardHost
{
public:
    FakeHost() { client.resize(100, 100); }

    QWidget *cellParent() override { return &client; }
    void setOuterHeight(double twips) override { height = twips; }
    // The client area is as wide as the outer width says.
    void setOuterWidth(double twips) override
    {
        width = std::max(twips, minimumWidth);
        client.resize(platform::toPixels(width), client.height());
    }
    double outerWidth() override { return width; }

    QWidget client;
    double width = 0;
    double height = 0;
    double minimumWidth = 0; // the narrowest the "window" agrees to be
};

class FakeSettings : public board::BoardSettings
{
public:
    int gridSide() override { return side; }
    bool wholePicture() override { return whole; }
    void hideSettings() override { ++hides; }

    int side = 5;
    bool whole = true;
    int hides = 0;
};

// Records every message box and answers OK.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        platform::setMessageBoxResponder([this](const platform::MessageBoxRequest &request) {
            asked.append(request);
            return platform::MsgBoxAnswer::Ok;
        });
    }
    ~MessageRecorder() { platform::setMessageBoxResponder({}); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QList<platform::MessageBoxRequest> asked;
};
