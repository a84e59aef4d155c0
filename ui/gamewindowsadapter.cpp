#include <QCheckBox>
#include <QString>

#include "gamewindowsadapter.h"

#include "background.h"
#include "board.h"
#include "events.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "forms.h"
#include "label.h"
#include "messagebox.h"

namespace ui {

// The game's texts are UTF-8 std::strings; the windows speak QString.
int GameWindowsAdapter::MsgBox(const std::string &prompt, int style, const std::string &title)
{
    return platform::MsgBox(QString::fromStdString(prompt), style, QString::fromStdString(title));
}

void GameWindowsAdapter::ShowSplash()
{
    form4().show();
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

void GameWindowsAdapter::SetTaskLabelCaption(const std::string &caption)
{
    form1().Label1->setCaption(QString::fromStdString(caption));
}

GameWindowsAdapter &gameWindowsAdapter()
{
    static GameWindowsAdapter adapter;
    return adapter;
}

} // namespace ui
