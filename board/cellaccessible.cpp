#include "cellaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

#include "boardcursor.h"
#include "gamestate.h"

namespace board {
namespace {

// A check box, not a push button: a screen reader reads out the change of a focused
// check box's checked state, and a push button's not at all.
class CellAccessible : public QAccessibleWidget
{
    Q_DECLARE_TR_FUNCTIONS(CellAccessible)

public:
    CellAccessible(QWidget *cell, BoardCursor &cursor)
        : QAccessibleWidget(cell, QAccessible::CheckBox), m_cursor(cursor)
    {}

    static QString name(int index, bool rightWay)
    {
        const int side = std::max<int>(1, engine::game().GridCols);
        return tr("Row %1, column %2, %3")
            .arg(index / side + 1)
            .arg(index % side + 1)
            .arg(rightWay ? tr("right way") : tr("reversed"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const int index = m_cursor.cellIndex(object());
        return name(index, m_cursor.drawnRightWay(index));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const int index = m_cursor.cellIndex(object());
        state.checkable = true;
        state.checked = m_cursor.drawnRightWay(index);
        state.focusable = true;
        state.focused = m_cursor.focusedCell() == index;
        return state;
    }

    // A cell can be pressed only while a game takes clicks.
    QStringList actionNames() const override
    {
        if (!engine::game().BoardActive)
            return {setFocusAction()};
        return {pressAction(), setFocusAction()};
    }

    void doAction(const QString &action) override
    {
        const int index = m_cursor.cellIndex(object());
        if (action == pressAction() && engine::game().BoardActive)
            m_cursor.clickCell(index);
        else if (action == setFocusAction())
            m_cursor.showAt(index);
    }

private:
    BoardCursor &m_cursor;
};

} // namespace

QString cellName(int index, bool rightWay)
{
    return CellAccessible::name(index, rightWay);
}

QAccessibleInterface *cellAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("platform::PictureBox") || !object)
        return nullptr;
    BoardCursor *cursor = BoardCursor::forBoardArea(object->parent());
    if (!cursor)
        return nullptr;
    return new CellAccessible(static_cast<QWidget *>(object), *cursor);
}

} // namespace board
