#pragma once

// DoEvents, the end of the program, and the guard that every event handler runs in.

#include <QObject>

#include <functional>

namespace platform {

// Runs all pending events, then returns. Once the program is ending it throws
// ProgramEnding, so a loop that lets events run stops where it stands.
void DoEvents();

// Seconds on a steady clock that started with the program's first call.
double steadySeconds();

// Runs pending events once, then goes on waiting for and running events until
// steadySeconds() reaches `until`. Throws ProgramEnding as DoEvents does.
void DoEventsUntil(double until);

// Ends the program: hides every window, leaves the event loop with the exit code
// and from now on lets no handler run.
void endProgram(int exitCode = 0);
bool programEnding();

// Test hook: forget an earlier endProgram so the next test starts afresh.
void resetProgramEnding();

// Runs one event handler. A ProgramEnding unwinds quietly; a run-time error or any
// other exception is named in a message box, then the program ends with status 1.
// Once the program is ending the handler is not run at all.
void guarded(const std::function<void()> &handler);

// Tells when a handler that the event loop ran has returned (not one run inside another
// handler's DoEvents): the game has then settled until the next event, and a window can
// bring what it shows of the game's state, such as which commands are enabled, up to date.
class HandlerEvents : public QObject
{
    Q_OBJECT

signals:
    void settled();
};

HandlerEvents &handlerEvents();

} // namespace platform
