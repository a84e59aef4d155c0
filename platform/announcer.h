#pragma once

// A message for a screen reader that has no control of its own: the state of the board
// after a flip, the start of a game, a hint. Orca reads a notification out as soon as
// it is shown, even while the focus stays where it is, so each message shows anew a
// notification that carries it. The notification itself never appears on screen.

#include <QString>
#include <QWidget>

namespace platform {

class Announcer : public QWidget
{
    Q_OBJECT

public:
    // A notification of `window`, hidden until it has something to say.
    explicit Announcer(QWidget *window);

    // Has `message` read out now; an empty message says nothing.
    void say(const QString &message);
    // The message last said, its accessible name.
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace platform
