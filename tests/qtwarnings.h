#pragma once

// Records every warning Qt prints while a test runs, so that a test fails at the step
// where a new one starts; the messages still reach the test's log. Only the offscreen
// platform's own limits (it cannot raise a window or pass size hints) are let through.

#include <QMutex>
#include <QStringList>

#include <utility>

namespace qtwarnings {

struct Recorder
{
    QMutex mutex;
    QStringList messages;
    QtMessageHandler previous = nullptr; // Qt's default handler when none was installed
};

inline Recorder &recorder()
{
    static Recorder r;
    return r;
}

// Starts recording (once per program; later calls do nothing).
inline void install()
{
    if (recorder().previous)
        return;
    recorder().previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            Recorder &r = recorder();
            if (type != QtDebugMsg && type != QtInfoMsg &&
                !message.startsWith(QLatin1String("This plugin does not support"))) {
                QMutexLocker lock(&r.mutex);
                r.messages << message;
            }
            r.previous(type, context, message);
        });
}

// The warnings recorded since the last call, which forgets them.
inline QStringList take()
{
    QMutexLocker lock(&recorder().mutex);
    return std::exchange(recorder().messages, {});
}

} // namespace qtwarnings
