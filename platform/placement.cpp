#include "placement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {

// The start of a span of the given length on one axis, moved the least distance into
// [first, first + room); a span longer than the room starts at first.
int placedOnAxis(int start, int length, int first, int room)
{
    if (length > room)
        return first;
    if (start + length > first + room)
        start = first + room - length;
    return start < first ? first : start;
}

class ShowWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            keepOnScreen(*window);
            // On a first showing the frame is known only once the window system has the
            // window: look again then.
            QTimer::singleShot(0, window, [window] { keepOnScreen(*window); });
        }
        return false;
    }
};

} // namespace

QPoint placedInside(const QRect &frame, const QRect &area)
{
    return {placedOnAxis(frame.x(), frame.width(), area.x(), area.width()),
            placedOnAxis(frame.y(), frame.height(), area.y(), area.height())};
}

void keepOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect frame = window.frameGeometry();
    const QPoint corner = placedInside(frame, screen->availableGeometry());
    // A top-level window's position is that of its frame.
    if (corner != frame.topLeft())
        window.move(window.pos() + (corner - frame.topLeft()));
}

void keepOnScreenWhenShown(QWidget &window)
{
    window.installEventFilter(new ShowWatcher(&window));
}

} // namespace platform
