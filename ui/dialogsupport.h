#pragma once

// Small pieces the game setting dialog, the option dialog and the About window share:
// placing a window in the middle of the screen and keeping it there, the keyboard order of its
// controls, the OK and Cancel pictures that act as buttons, and Return and Escape.

#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

#include "layoutpictures.h"
#include "picturebutton.h"
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

// A picture that is clicked like a button: the OK and Cancel marble spheres. A screen
// reader names it by its tooltip.
inline platform::PictureButton *pictureButton(const QString &name, const QString &resource,
                                              const QString &tip, QWidget *parent)
{
    auto *image = new platform::PictureButton(platform::layoutIcon(resource), tip, parent);
    image->setObjectName(name);
    image->setToolTip(tip);
    return image;
}

// Return runs OK and Escape runs Cancel, wherever the focus is in the dialog, except
// that the controls in keepReturn use Return for themselves. False for any other key.
inline bool confirmOrCancel(const QKeyEvent &event, QAbstractButton *ok, QAbstractButton *cancel,
                            std::initializer_list<const QWidget *> keepReturn = {})
{
    const QWidget *focus = ok->window()->focusWidget();
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (std::find(keepReturn.begin(), keepReturn.end(), focus) != keepReturn.end())
            return false;
        ok->click();
        return true;
    case Qt::Key_Escape:
        cancel->click();
        return true;
    default:
        return false;
    }
}

} // namespace ui::dialog
