#pragma once

// DoEvents, the end of the program, and the guard that every event handler runs in.

#include <functional>

namespace platform {

// Runs all pending events, then returns. Once the program is ending it throws
// ProgramEnding, so a loop that lets events run stops where it stands.
void DoEvents();

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

} // namespace platform
