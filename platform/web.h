#pragma once

// Opens a web address with the system's handler. A failure is not reported.

#include <QUrl>

#include <functional>

namespace platform {

void openWebAddress(const QUrl &address);

// While an opener is installed, addresses go to it instead of the system.
void setWebOpener(std::function<void(const QUrl &)> opener);

} // namespace platform
