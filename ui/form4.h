#pragma once

// Form4, the splash window: the title picture, and the timer whose first tick opens
// the main window.

#include "picturebox.h"

class QTimer;

namespace platform {
class Label;
}

namespace ui {

class Form4 : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    platform::Label *Image1;
    QTimer *Timer1;
    int SplashTicks = 0;
    // A picture to open once the first tick has shown the main window; "" for none.
    QString PictureToOpen;

    void Timer1_Timer();
};

} // namespace ui
