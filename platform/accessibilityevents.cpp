#include "accessibilityevents.h"

#include <QAccessible>

#include <utility>

namespace platform {
namespace {

std::function<void(const QAccessibleEvent &)> &observer()
{
    static std::function<void(const QAccessibleEvent &)> installed;
    return installed;
}

} // namespace

void notifyAccessibility(QAccessibleEvent &event)
{
    if (observer())
        observer()(event);
    QAccessible::updateAccessibility(&event);
}

void setAccessibilityObserver(std::function<void(const QAccessibleEvent &)> observer_)
{
    observer() = std::move(observer_);
}

} // namespace platform
