#pragma once

// The line a style draws under the menu bar, made whole. Styles draw it item by item,
// each piece ending half a pixel short of its item's edge; on a screen of 1.5 device
// pixels a pixel that leaves a gap at every boundary between items. The line is drawn
// once more over the whole width, in the colour the style gave it.

#include <QObject>

class QMenuBar;

namespace platform {

class MenuBarLine : public QObject
{
public:
    // Watches the bar's painting; owned by the bar.
    explicit MenuBarLine(QMenuBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *m_bar;
};

} // namespace platform
