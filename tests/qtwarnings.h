#pragma once

// Records every warning Qt prints while a test runs, so that a test fails at the step
// where a new one starts. The messages still reach the test's log as before.
//
// Only the offscreen platform's own limits are let through: it cannot raise a window
// or pass size hints to a window manager, which the desktop's platforms do.

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <utility>

namespace qtwarnings {

namespace detail {

inline QMutex &mutex()
{
    static QMutex m;
    return m;
}
inline QStringList &recorded()
{
    static QStringList messages;
    return messages;
}
inline QtMessageHandler &previous()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}
inline bool &installed()
{
    static bool done = false;
    return done;
}

inline void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(QLatin1String("This plugin does not support"))) {
        QMutexLocker lock(&mutex());
        recorded() << message;
    }
    if (previous())
        previous()(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace detail

// Starts recording (once per program; later calls do nothing).
inline void install()
{
    if (!std::exchange(detail::installed(), true))
        detail::previous() = qInstallMessageHandler(detail::record);
}

// The warnings recorded since the last call, which forgets them.
inline QStringList take()
{
    QMutexLocker lock(&detail::mutex());
    return std::exchange(detail::recorded(), {});
}

} // namespace qtwarnings
