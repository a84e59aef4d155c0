#pragma once

// A click as the player means it: a left press and a left release, both on the
// control. Picture boxes (the cells, the flip-rule boxes) click this way.

#include <QMouseEvent>

#include <optional>

namespace platform {

class ClickTracker
{
public:
    // Takes a left press; false for any other button, which the control passes on.
    bool takePress(QMouseEvent *event)
    {
        if (event->button() != Qt::LeftButton)
            return false;
        m_pressed = true;
        event->accept();
        return true;
    }

    // For a left release, whether it completes a click inside `area`; nothing for
    // any other button, which the control passes on.
    std::optional<bool> takeRelease(QMouseEvent *event, const QRect &area)
    {
        if (event->button() != Qt::LeftButton)
            return std::nullopt;
        const bool wasPressed = m_pressed;
        m_pressed = false;
        event->accept();
        return wasPressed && area.contains(event->position().toPoint());
    }

    // The press under way is not to complete a click.
    void cancel() { m_pressed = false; }

private:
    bool m_pressed = false;
};

} // namespace platform
