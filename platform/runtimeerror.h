#pragma once

// Run-time errors of the game. Code that cannot go on raises one; the window
// layer catches it at the handler's edge, names it in a message box and ends
// the program cleanly.

#include <stdexcept>
#include <string>

namespace platform {

enum class ErrorNumber {
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    FileNotFound = 53,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(ErrorNumber number, const std::string &detail = {});

    ErrorNumber number() const { return m_number; }
    // "Run-time error '6': Overflow", as shown to the player.
    std::string report() const;

private:
    ErrorNumber m_number;
};

std::string describe(ErrorNumber number);

// Thrown out of DoEvents once the main window has been closed, so that a running
// creation or replay loop unwinds instead of touching destroyed windows.
class ProgramEnding : public std::exception
{
public:
    const char *what() const noexcept override { return "the program is ending"; }
};

} // namespace platform
