#pragma once

// Small pieces the game setting dialog, the option dialog and the About window share:
// placing a window in the middle of the screen and keeping it there, the keyboard order of its
// controls, and the OK and Cancel pictures that act as buttons.

#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <initializer_list>

#include "label.h"
#include "placement.h"

namespace ui::dialog {

// Centres the window on its screen now, and brings it wholly onto the screen whenever
// it is shown (a screen smaller than the window, or a place the player left it at).
inline void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    platform::keepOnScreenWhenShown(window);
}

// Tab visits the controls in the order given. Controls that never take the focus
// (labels, frames, picture boxes) keep their place in the layout's numbering but are
// passed over, as the keyboard passes over them.
inline void chainTabOrder(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        QWidget *target = control->focusProxy() ? control->focusProxy() : control;
        if (target->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, target);
        previous = target;
    }
}

// A picture that is clicked like a button: the OK and Cancel marble spheres.
inline platform::Label *pictureButton(const QString &name, const QString &resource,
                                      const QString &tip, QWidget *parent)
{
    auto *image = new platform::Label(parent);
    image->setObjectName(name);
    image->setPixmap(QPixmap(resource));
    image->setScaledContents(true);
    image->setToolTip(tip);
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

} // namespace ui::dialog
