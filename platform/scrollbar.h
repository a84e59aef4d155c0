#pragma once

// A vertical scroll bar with the game's semantics: the top end is Min and the bottom
// end Max, and Max may be below Min (0 at the top, -4500 at the bottom). Change is
// emitted whenever Value changes, by the program or by the player (not while the
// thumb is dragged; once when the drag ends).

#include <QScrollBar>

namespace platform {

class ScrollBar : public QWidget
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget *parent = nullptr);

    void setMin(int value);
    void setMax(int value);
    int min() const { return m_min; }
    int max() const { return m_max; }
    void setValue(int value);
    int value() const;
    void setSmallChange(int step);
    void setLargeChange(int step);
    int smallChange() const;
    int largeChange() const;

    // The Qt scroll bar inside, for tests and keyboard focus.
    QScrollBar *bar() const { return m_bar; }

signals:
    void Change(int value);

private:
    void applyRange();
    int toGame(int internal) const;
    int toInternal(int value) const;

    QScrollBar *m_bar;
    int m_min = 0;
    int m_max = 32767;
    int m_lastValue = 0;
};

} // namespace platform
