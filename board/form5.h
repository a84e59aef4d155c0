#pragma once

// Form5, the progress window shown while a normal-mode puzzle is created: the
// label "問題作成中" over the progress bar ProgressBar1. No title bar; centred on
// the screen. It has no code of its own: the puzzle creation drives it.

#include "picturebox.h"

class QProgressBar;

namespace platform {
class Label;
}

namespace board {

class Form5 : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);

    platform::Label *Label1;
    QProgressBar *ProgressBar1;

    // Max and Value as the creation sets them (Single values, minimum 0).
    void setProgressMax(double max);
    void setProgressValue(double value);

protected:
    // Centres the window on its screen each time it is shown.
    void showEvent(QShowEvent *event) override;
};

} // namespace board
