#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "form4.h"

#include "board.h"
#include "events.h"
#include "form1.h"
#include "forms.h"
#include "label.h"
#include "layoutpictures.h"
#include "twips.h"
#include "windowicon.h"

namespace ui {

Form4::Form4(QWidget *parent) : platform::PictureBox(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Form4"));
    setWindowIcon(platform::noWindowIcon());
    // No title bar and no frame: only the title picture shows.
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setBackColor(platform::WindowBackground);
    setFixedSize(platform::toPixels(4680), platform::toPixels(2805));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The picture is a little wider than the window, so its right edge is cut off,
    // and a line of the background shows below it.
    Image1 = new platform::Label(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(
        platform::layoutPixmap(QStringLiteral(":/pictures/title.gif"), devicePixelRatioF()));
    platform::setTwipsGeometry(Image1, 0, 0, 4770, 2790);
    Image1->setAccessibleName(QStringLiteral("Tovik2"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this,
            [this] { platform::guarded([this] { Timer1_Timer(); }); });
    Timer1->start();
}

void Form4::Timer1_Timer()
{
    SplashTicks += 1;
    if (SplashTicks < 1)
        return;
    // The main window's first showing runs its Form_Load, which paints the title.
    form1().show();
    hide();
    // Out of the desktop's list of windows too, where a screen reader would find it.
    destroy();
    form1().board().DrawBoard();
    Timer1->stop();
    if (!PictureToOpen.isEmpty())
        form1().openPictureLater(PictureToOpen);
}

} // namespace ui
