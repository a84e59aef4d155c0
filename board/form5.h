#pragma once

// Form5, the progress window shown while a normal-mode puzzle is created: the
// label "問題作成中" over the progress bar ProgressBar1. No title bar; centred on
// the screen. It has no code of its own: the puzzle creation drives it.

#include <QElapsedTimer>

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

    // Max and Value as the creation sets them (Single values, minimum 0). The bar
    // follows the value a few times a second, and shows the last step at once: every
    // step the bar takes is also a message to a screen reader, and a creation takes a
    // few hundred steps in a fraction of a second, which would drown what it says next.
    void setProgressMax(double max);
    void setProgressValue(double value);
    // The creation's last step, whether the bar shows it yet or not.
    int progress() const { return m_progress; }

signals:
    void progressed(int value);

protected:
    // Centres the window on its screen each time it is shown.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int m_progress = 0;
    QElapsedTimer m_sinceBarMoved;
};

} // namespace board
