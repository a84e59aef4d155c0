#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QScreen>
#include <QString>

#include "gamewindowsadapter.h"

#include "accessibilityevents.h"
#include "background.h"
#include "board.h"
#include "boardcursor.h"
#include "events.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "forms.h"
#include "gameannouncer.h"
#include "gametext.h"
#include "label.h"
#include "messagebox.h"

namespace ui {
namespace {

// A window that appears with a message for the player (the splash, the progress
// window) has it read out, as a message box does.
void announce(QWidget &window)
{
    QAccessibleEvent shown(&window, QAccessible::Alert);
    platform::notifyAccessibility(shown);
}

} // namespace

// The game's texts are UTF-8 std::strings, translated as they reach the box.
int GameWindowsAdapter::MsgBox(const std::string &prompt, int style, const std::string &title)
{
    return platform::MsgBox(platform::gameText(prompt), style, platform::gameText(title));
}

void GameWindowsAdapter::ShowSplash()
{
    form4().show();
    announce(form4());
}

void GameWindowsAdapter::DrawBoard()
{
    form1().board().DrawBoard();
}

void GameWindowsAdapter::DrawBackground()
{
    board::DrawBackground(*form1().client());
}

void GameWindowsAdapter::backward()
{
    form1().backward();
}

void GameWindowsAdapter::SetCellBorders(int borderStyle)
{
    form1().board().setCellBorders(borderStyle);
}

int GameWindowsAdapter::FirstCellBorderStyle()
{
    return form1().board().firstCellBorderStyle();
}

bool GameWindowsAdapter::AnimationOn()
{
    return form2().Check1->isChecked();
}

void GameWindowsAdapter::ShowProgress()
{
    board::Form5 &progress = form5();
    progress.show();
    progress.raise();
    announce(progress);
}

void GameWindowsAdapter::HideProgress()
{
    form5().hide();
}

void GameWindowsAdapter::SetProgressMax(double max)
{
    form5().setProgressMax(max);
}

void GameWindowsAdapter::SetProgressValue(double value)
{
    form5().setProgressValue(value);
}

void GameWindowsAdapter::DoEvents()
{
    platform::DoEvents();
}

double GameWindowsAdapter::Clock()
{
    return platform::steadySeconds();
}

// The refresh rate of the screen the main window is on; 60 Hz where the screen does
// not tell.
double GameWindowsAdapter::FrameSeconds()
{
    const QScreen *screen = form1().screen();
    const double rate = screen ? screen->refreshRate() : 0;
    return rate >= 20 ? 1 / rate : 1.0 / 60;
}

void GameWindowsAdapter::DoEventsUntil(double until)
{
    platform::DoEventsUntil(until);
}

// Meanwhile the game setting dialog's OK is refused, and looks it; the next game
// starts with the keyboard cursor at the top left, and is announced once ready.
void GameWindowsAdapter::CreationRunning(bool running)
{
    form2().setCreationRunning(running);
    form1().boardCursor().setCreationRunning(running);
    if (!running)
        form1().announcer().gameReady();
}

double GameWindowsAdapter::MainWidth()
{
    return form1().Width();
}

void GameWindowsAdapter::SetMainWidth(double twips)
{
    form1().setWidth(twips);
}

void GameWindowsAdapter::SetTaskLabelVisible(bool visible)
{
    form1().Label1->setVisible(visible);
}

// Only the label's left edge moves; it keeps its top from the layout. The label is
// placed like the cells, so it keeps its distance from the grid.
void GameWindowsAdapter::SetTaskLabelLeft(double twips)
{
    platform::Label *label = form1().Label1;
    label->move(board::clientPixel(twips, 0).x(), label->y());
}

void GameWindowsAdapter::SetTaskLabelCaption(const engine::TaskLabel &task)
{
    form1().Label1->setCaption(taskCaption(task));
}

// "<limit>手以内で完成せよ。" over "残り<moves left>", and "PAZZL終了" below them once the
// level is given up.
QString taskCaption(const engine::TaskLabel &task)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString caption =
        QCoreApplication::translate("TaskLabel", "%n手以内で完成せよ。", nullptr, task.limit) +
        lineBreak + QCoreApplication::translate("TaskLabel", "残り%n", nullptr, task.movesLeft);
    if (task.givenUp)
        caption += lineBreak + QCoreApplication::translate("TaskLabel", "PAZZL終了");
    return caption;
}

GameWindowsAdapter &gameWindowsAdapter()
{
    static GameWindowsAdapter adapter;
    return adapter;
}

} // namespace ui
