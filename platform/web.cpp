#include "web.h"

#include <QDesktopServices>

#include <utility>

namespace platform {
namespace {

std::function<void(const QUrl &)> &installedOpener()
{
    static std::function<void(const QUrl &)> opener;
    return opener;
}

} // namespace

void openWebAddress(const QUrl &address)
{
    if (installedOpener()) {
        installedOpener()(address);
        return;
    }
    QDesktopServices::openUrl(address);
}

void setWebOpener(std::function<void(const QUrl &)> opener)
{
    installedOpener() = std::move(opener);
}

} // namespace platform
