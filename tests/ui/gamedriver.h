#pragma once

// Drives the game through its real windows as a player would.

#include <QImage>
#include <QTest>

#include "animationpace.h"
#include "events.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "forms.h"
#include "gamestate.h"
#include "scrollbar.h"
#include "startup.h"

#include "qtwarnings.h"

#include <functional>

namespace gamedriver {

// A program just started, the splash up; Qt's warnings recorded for the test's cleanup.
inline void startFreshGame()
{
    qtwarnings::install();
    qtwarnings::take();
    ui::destroyForms();
    engine::resetGame();
    platform::resetProgramEnding();
    engine::Main();
    engine::setAnimationLength({0, 0}); // the tests need not watch the creation animation
}

// The six windows, in their number's order.
inline QList<QWidget *> allWindows()
{
    return {&ui::form1(), &ui::form2(), &ui::form3(), &ui::form4(), &ui::form5(), &ui::form6()};
}

inline bool openMainWindow()
{
    ui::form4().Timer1_Timer();
    return QTest::qWaitForWindowExposed(&ui::form1());
}

// A solid picture in the folder; its full path.
inline QString writePicture(const QString &folder, const QString &name = "board.bmp",
                            const QColor &colour = Qt::darkCyan)
{
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = folder + '/' + name;
    return picture.save(path) ? path : QString();
}

// An N x N board for the picture, as the game setting dialog's OK builds it.
inline bool buildBoard(const QString &picturePath, int side)
{
    ui::form2().VScroll1->setValue(side);
    engine::game().ImagePath = picturePath.toStdString();
    return ui::form1().board().BuildBoard();
}

inline void clickCell(int index)
{
    QTest::mouseClick(ui::form1().board().Picture1(index), Qt::LeftButton);
}

// The entries of one of the game's arrays (CellState, MoveHistory), lowest index first.
template <typename T> QList<int> entries(const platform::BoundedArray<T> &array)
{
    QList<int> list;
    for (int i = array.lower(); !array.empty() && i <= array.upper(); ++i)
        list.append(int(array(i)));
    return list;
}

// Clicks the recorded cells, last first, while `goOn` holds (after a creation: solves it).
// Skips cells the board no longer has; how many it clicked.
inline int undoRecordedClicks(const std::function<bool()> &goOn)
{
    const QList<int> clicks = entries(engine::game().MoveHistory);
    int made = 0;
    for (qsizetype i = clicks.size() - 1; i >= 0 && goOn(); --i) {
        if (clicks[i] <= ui::form1().board().cellControls()) {
            clickCell(clicks[i] - 1);
            ++made;
        }
    }
    return made;
}

inline int cellsWithBorder(int borderStyle)
{
    int count = 0;
    for (int i = 0; i < engine::game().CellCount; ++i)
        count += ui::form1().board().Picture1(i)->borderStyle() == borderStyle ? 1 : 0;
    return count;
}

} // namespace gamedriver
