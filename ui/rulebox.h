#pragma once

// One box of the flip-rule editor: a picture box whose colour is the entry of the rule
// (red: the cell flips, white: it does not). Tab visits the boxes in index order and
// Space toggles the box with the focus, as a click does. A double-click toggles it
// once: its second click is not a click of its own. To assistive technology each box
// is a check box, checked while it is red.

#include "picturebox.h"

class QAccessibleInterface;

namespace ui {

class RuleBox : public platform::PictureBox
{
    Q_OBJECT

public:
    // index: 0 to 8, row by row from the top left; 4 is the clicked cell itself.
    RuleBox(int index, QWidget *parent);
    int index() const { return m_index; }

    // Tells assistive technology that the box changed colour.
    void announceColour();

protected:
    // The box with the focus shows a frame inside its border.
    void paintEvent(QPaintEvent *event) override;
    // Space toggles the box.
    void keyPressEvent(QKeyEvent *event) override;
    // The second press of a double-click completes no click.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
};

// An accessibility factory (QAccessible::installFactory) for the rule boxes.
QAccessibleInterface *ruleBoxAccessible(const QString &className, QObject *object);

} // namespace ui
