#pragma once

// Drives the game through its real windows, as a player would: starts it afresh,
// lets the splash hand over to the main window, builds a board for a generated
// picture, clicks cells with the mouse and reads the cells back. Also holds a tiny
// independent model of the default flip rule, so a test can tell what a sequence of
// clicks must leave on the board without asking the game.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QTest>

#include "board.h"
#include "events.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "forms.h"
#include "gamestate.h"
#include "picturebox.h"
#include "scrollbar.h"
#include "startup.h"

namespace gamedriver {

// No windows, the state before start-up, no ending left over from an earlier case,
// then start-up as the program runs it: the splash window is up.
inline void startFreshGame()
{
    ui::destroyForms();
    engine::resetGame();
    platform::resetProgramEnding();
    engine::Main();
}

// The splash window's first tick: the main window opens. False if it does not show.
inline bool openMainWindow()
{
    ui::form4().Timer1_Timer();
    return QTest::qWaitForWindowExposed(&ui::form1());
}

// A picture with a distinct colour in every region, so cells differ from each other.
inline QImage testPicture(int side = 150)
{
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            picture.setPixel(x, y, qRgb(x * 255 / side, y * 255 / side, 128));
    }
    return picture;
}

// Writes the test picture into a folder and returns its full path.
inline QString writeTestPicture(const QString &folder,
                                const QString &name = QStringLiteral("board.bmp"))
{
    const QString path = folder + QLatin1Char('/') + name;
    testPicture().save(path);
    return path;
}

// Builds an N x N board for the picture, as the game setting dialog's OK would.
inline bool buildBoard(const QString &picturePath, int side)
{
    ui::form2().VScroll1->setValue(side);
    engine::game().ImagePath = picturePath.toStdString();
    return ui::form1().board().BuildBoard();
}

inline board::Board &theBoard()
{
    return ui::form1().board();
}

// A left click on cell control Index, delivered to the cell widget.
inline void clickCell(int index)
{
    QTest::mouseClick(theBoard().Picture1(index), Qt::LeftButton);
}

// CellState(1..CellCount) as a list, element 0 for cell 1.
inline QList<bool> cellStates()
{
    QList<bool> states;
    const engine::GameState &g = engine::game();
    for (int k = 1; k <= g.CellCount; ++k)
        states.append(g.CellState(k));
    return states;
}

inline bool allRightWay(const QList<bool> &states)
{
    return !states.contains(false);
}

// Every cell control's BorderStyle is the given one.
inline bool allFrames(int borderStyle)
{
    for (int i = 0; i < engine::game().CellCount; ++i) {
        if (theBoard().Picture1(i)->borderStyle() != borderStyle)
            return false;
    }
    return true;
}

// The default rule on a side x side board: the cell and its four orthogonal
// neighbours toggle; the edges clip. cell is numbered from 1.
inline void flipPlus(QList<bool> &states, int side, int cell)
{
    const int row = (cell - 1) / side;
    const int column = (cell - 1) % side;
    auto toggle = [&](int r, int c) {
        if (r >= 0 && r < side && c >= 0 && c < side)
            states[r * side + c] = !states[r * side + c];
    };
    toggle(row, column);
    toggle(row - 1, column);
    toggle(row + 1, column);
    toggle(row, column - 1);
    toggle(row, column + 1);
}

// The board the recorded clicks make from the solved picture.
inline QList<bool> replayedFromSolved(int side, const QList<int> &clicks)
{
    QList<bool> states(side * side, true);
    for (int cell : clicks)
        flipPlus(states, side, cell);
    return states;
}

inline QList<int> moveHistory()
{
    QList<int> clicks;
    const engine::GameState &g = engine::game();
    for (int i = g.MoveHistory.lower(); i <= g.MoveHistory.upper() && !g.MoveHistory.empty(); ++i)
        clicks.append(g.MoveHistory(i));
    return clicks;
}

} // namespace gamedriver
