#include "runtimeerror.h"

namespace platform {

std::string describe(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::OutOfMemory:
        return "Out of memory";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorNumber::FileNotFound:
        return "File not found";
    case ErrorNumber::InvalidPicture:
        return "Invalid picture";
    }
    return "Application-defined error";
}

RuntimeError::RuntimeError(ErrorNumber number, const std::string &detail)
    : std::runtime_error(detail.empty() ? describe(number) : describe(number) + ": " + detail),
      m_number(number)
{}

std::string RuntimeError::report() const
{
    return "Run-time error '" + std::to_string(static_cast<int>(m_number)) + "':\n\n" + what();
}

} // namespace platform
