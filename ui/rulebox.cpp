#include "rulebox.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include "accessibilityevents.h"
#include "colors.h"
#include "focusframe.h"

namespace ui {
namespace {

class RuleBoxAccessible : public QAccessibleWidget
{
public:
    explicit RuleBoxAccessible(RuleBox *box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    RuleBox *box() const { return static_cast<RuleBox *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        return RuleBox::tr("Flip rule, row %1, column %2")
            .arg(box()->index() / 3 + 1)
            .arg(box()->index() % 3 + 1);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->backColor() == platform::Red;
        return state;
    }

    QStringList actionNames() const override { return {toggleAction(), setFocusAction()}; }

    void doAction(const QString &action) override
    {
        if (action == toggleAction() || action == pressAction())
            emit box()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

} // namespace

RuleBox::RuleBox(int index, QWidget *parent) : platform::PictureBox(parent), m_index(index)
{
    setObjectName(QStringLiteral("Picture2(%1)").arg(index));
    // Tab reaches the box; a click does not move the focus, so the mouse sees no change.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void RuleBox::announceColour()
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    platform::notifyAccessibility(event);
}

void RuleBox::paintEvent(QPaintEvent *event)
{
    platform::PictureBox::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        platform::drawFocusFrame(painter, rect().adjusted(1, 1, -1, -1),
                                 platform::focusColor(*this));
    }
}

void RuleBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        emit clicked();
        return;
    }
    platform::PictureBox::keyPressEvent(event);
}

void RuleBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    dropPendingClick();
}

QAccessibleInterface *ruleBoxAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("ui::RuleBox"))
        return nullptr;
    return new RuleBoxAccessible(static_cast<RuleBox *>(object));
}

} // namespace ui
