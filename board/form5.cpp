// The progress window: a grey, frameless box with a one-pixel frame, the label over the
// bar, always over the main window while a puzzle is being made.

#include "form5.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "colors.h"
#include "fonts.h"
#include "label.h"
#include "twips.h"
#include "windowicon.h"

namespace board {
namespace {

constexpr platform::ColorValue Grey = 0x808080;

// The client area as laid out, and the one-pixel frame around it.
constexpr double ClientWidth = 2850;
constexpr double ClientHeight = 1020;
constexpr int FramePixels = 1;

// A control laid out in twips relative to the client area, which starts inside the
// frame.
void placeInClient(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(
        platform::twipsToPixels(left, top, width, height).translated(FramePixels, FramePixels));
}

} // namespace

Form5::Form5(QWidget *parent) : platform::PictureBox(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // It only reports progress: the keyboard stays with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QString());
    setWindowIcon(platform::noWindowIcon());
    setBorderStyle(1);
    setBackColor(Grey);
    setFixedSize(platform::toPixels(ClientWidth) + 2 * FramePixels,
                 platform::toPixels(ClientHeight) + 2 * FramePixels);

    ProgressBar1 = new QProgressBar(this);
    placeInClient(ProgressBar1, 120, 600, 2535, 375);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    Label1 = new platform::Label(this);
    placeInClient(Label1, 240, 120, 2295, 375);
    Label1->setCaption(tr("問題作成中"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(platform::layoutFont(QStringLiteral("ＭＳ Ｐゴシック"), 14.25));
    platform::setBackColor(Label1, platform::White);
    // A screen reader names the bar by what it measures.
    ProgressBar1->setAccessibleName(Label1->caption());
}

void Form5::setProgressMax(double max)
{
    ProgressBar1->setMaximum(static_cast<int>(std::lround(max)));
}

// The bar ignores a value outside its range; the nearest end is what the player
// should see.
void Form5::setProgressValue(double value)
{
    const int rounded = static_cast<int>(std::lround(value));
    ProgressBar1->setValue(std::clamp(rounded, ProgressBar1->minimum(), ProgressBar1->maximum()));
}

void Form5::showEvent(QShowEvent *event)
{
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    platform::PictureBox::showEvent(event);
}

} // namespace board
