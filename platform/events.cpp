#include "events.h"

#include "messagebox.h"
#include "runtimeerror.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <new>

namespace platform {
namespace {

bool g_ending = false;
// Handlers running now: more than one while a handler lets events run.
int g_handlersRunning = 0;
// Counts the endings, so that an exit queued by an ending that a test has since
// forgotten does nothing.
int g_generation = 0;

// Hides the windows and leaves the event loop. When no loop runs yet (the program
// ends while it starts up), the exit waits for the loop to begin.
void leave(int exitCode)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(exitCode);
        return;
    }
    const int generation = g_generation;
    QTimer::singleShot(0, qApp, [exitCode, generation] {
        if (g_ending && g_generation == generation)
            QCoreApplication::exit(exitCode);
    });
}

// Names the error to the player, then ends. The program counts as ending while the
// message is up, so no timer or click runs a handler behind it.
void failWith(const QString &report)
{
    if (g_ending)
        return;
    g_ending = true;
    try {
        MsgBox(report, MsgBoxStyle::Critical, QStringLiteral("Tovik2"));
    } catch (...) {
        // The report could not be shown; ending matters more.
    }
    leave(1);
}

} // namespace

void DoEvents()
{
    if (g_ending)
        throw ProgramEnding();
    QCoreApplication::processEvents();
    if (g_ending)
        throw ProgramEnding();
}

double steadySeconds()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return started.nsecsElapsed() / 1e9;
}

void DoEventsUntil(double until)
{
    DoEvents();
    for (double left = until - steadySeconds(); left > 0; left = until - steadySeconds()) {
        // A timer wakes the wait when nothing else comes first.
        QTimer wake;
        wake.setTimerType(Qt::PreciseTimer);
        wake.setSingleShot(true);
        wake.start(int(std::ceil(left * 1000)));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (g_ending)
            throw ProgramEnding();
    }
}

void endProgram(int exitCode)
{
    if (g_ending)
        return;
    g_ending = true;
    leave(exitCode);
}

bool programEnding()
{
    return g_ending;
}

void resetProgramEnding()
{
    g_ending = false;
    ++g_generation;
}

HandlerEvents &handlerEvents()
{
    static HandlerEvents events;
    return events;
}

void guarded(const std::function<void()> &handler)
{
    if (g_ending)
        return;
    ++g_handlersRunning;
    struct Settle
    {
        ~Settle()
        {
            if (--g_handlersRunning == 0 && !g_ending)
                emit handlerEvents().settled();
        }
    } settle;
    try {
        handler();
    } catch (const ProgramEnding &) {
        // The program is ending; the handler simply stops.
    } catch (const RuntimeError &error) {
        failWith(QString::fromStdString(error.report()));
    } catch (const std::bad_alloc &) {
        failWith(QString::fromStdString(RuntimeError(ErrorNumber::OutOfMemory).report()));
    } catch (const std::exception &error) {
        failWith(QString::fromUtf8(error.what()));
    } catch (...) {
        failWith(HandlerEvents::tr("An unexpected error stopped the program."));
    }
}

} // namespace platform
