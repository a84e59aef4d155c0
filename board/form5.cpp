// The progress window: a grey, frameless box with a one-pixel frame, the label over the
// bar, always over the main window while a puzzle is being made.

#include "form5.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

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

// The bar moves at most five times a second.
constexpr qint64 BarStepMilliseconds = 200;

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
    m_sinceBarMoved.invalidate();
}

// The bar ignores a value outside its range; the nearest end is what the player
// should see. The first and the last step of a creation move the bar at once.
void Form5::setProgressValue(double value)
{
    const int rounded = static_cast<int>(std::lround(value));
    m_progress = std::clamp(rounded, ProgressBar1->minimum(), ProgressBar1->maximum());
    const bool last = m_progress == ProgressBar1->maximum();
    if (last || !m_sinceBarMoved.isValid() || m_sinceBarMoved.elapsed() >= BarStepMilliseconds) {
        ProgressBar1->setValue(m_progress);
        m_sinceBarMoved.start();
    }
    emit progressed(m_progress);
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

// Hidden, the window leaves the desktop's list of windows, where a screen reader's
// review would still find it; showing it again makes it anew.
void Form5::hideEvent(QHideEvent *event)
{
    platform::PictureBox::hideEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            destroy();
    });
}

} // namespace board
