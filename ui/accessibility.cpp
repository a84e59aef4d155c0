#include "accessibility.h"

#include <QAccessibleWidget>

#include "announcer.h"
#include "cellaccessible.h"
#include "form5.h"
#include "label.h"
#include "messagebox.h"
#include "rulebox.h"

namespace ui {
namespace {

// A label reads out its caption, or the name it was given. A caption that is still
// the layout's placeholder, the control's own name ("Label1" on the hidden task label
// before puzzle mode writes it), means nothing to the player and is not read.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(platform::Label *label)
        : QAccessibleWidget(label, label->pixmap().isNull() ? QAccessible::StaticText
                                                            : QAccessible::Graphic)
    {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const platform::Label *>(object());
        if (t != QAccessible::Name || !label->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const QString caption = label->caption();
        return caption == label->objectName() ? QString() : platform::displayText(caption);
    }
};

// A notification that reads out its last message.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(platform::Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return static_cast<const platform::Announcer *>(object())->message();
    }
};

// The dialogs are dialogs (they are drawing surfaces to Qt); the splash and progress
// windows are notifications, which tell what they show when they appear.
QAccessibleInterface *window(const QString &className, QObject *object)
{
    const QStringList dialogs = {QStringLiteral("ui::Form2"), QStringLiteral("ui::Form3"),
                                 QStringLiteral("ui::Form6")};
    if (dialogs.contains(className))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    if (className == QLatin1String("ui::Form4"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification,
                                     QStringLiteral("Tovik2"));
    if (className == QLatin1String("board::Form5")) {
        auto *progress = static_cast<board::Form5 *>(object);
        return new QAccessibleWidget(progress, QAccessible::Notification,
                                     progress->Label1->caption());
    }
    return nullptr;
}

QAccessibleInterface *gameAccessible(const QString &className, QObject *object)
{
    if (QAccessibleInterface *cell = board::cellAccessible(className, object))
        return cell;
    if (QAccessibleInterface *box = ruleBoxAccessible(className, object))
        return box;
    if (QAccessibleInterface *shown = window(className, object))
        return shown;
    if (className == QLatin1String("platform::Announcer"))
        return new AnnouncerAccessible(static_cast<platform::Announcer *>(object));
    if (className == QLatin1String("platform::Label"))
        return new LabelAccessible(static_cast<platform::Label *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(gameAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
