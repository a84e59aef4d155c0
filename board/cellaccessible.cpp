#include "cellaccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

#include "boardcursor.h"
#include "gamestate.h"

namespace board {
namespace {

class CellAccessible : public QAccessibleWidget
{
public:
    CellAccessible(QWidget *cell, BoardCursor &cursor)
        : QAccessibleWidget(cell, QAccessible::Button), m_cursor(cursor)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const int index = m_cursor.cellIndex(object());
        const int side = std::max<int>(1, engine::game().GridCols);
        return QCoreApplication::translate("board::Cell", "Row %1, column %2, %3")
            .arg(index / side + 1)
            .arg(index % side + 1)
            .arg(m_cursor.drawnRightWay(index)
                     ? QCoreApplication::translate("board::Cell", "right way")
                     : QCoreApplication::translate("board::Cell", "reversed"));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const int index = m_cursor.cellIndex(object());
        state.checkable = true;
        state.checked = m_cursor.drawnRightWay(index);
        state.focusable = true;
        state.focused =
            m_cursor.isShown() && m_cursor.position() == index && m_cursor.hasKeyboard();
        return state;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString &action) override
    {
        const int index = m_cursor.cellIndex(object());
        if (action == pressAction())
            m_cursor.clickCell(index);
        else if (action == setFocusAction())
            m_cursor.showAt(index);
    }

private:
    BoardCursor &m_cursor;
};

} // namespace

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
