#include "announcer.h"

#include <QAccessible>

#include "accessibilityevents.h"

namespace platform {

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    // Never shown on screen: showing it there would announce it empty along with its
    // window.
    hide();
}

// The notification is shown to the screen reader only, so nothing on screen moves or
// repaints.
void Announcer::say(const QString &message)
{
    if (message.isEmpty())
        return;
    m_message = message;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    notifyAccessibility(shown);
}

} // namespace platform
