#include "scrollbar.h"

#include "focusframe.h"

#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace platform {
namespace {

// The desktop style draws no focus on a scroll bar; the game's bars show where the
// keyboard is with the same frame as its other controls.
class FocusScrollBar : public QScrollBar
{
public:
    explicit FocusScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent) {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QScrollBar::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            drawFocusFrame(painter, rect(), focusColor(*this));
        }
    }
};

} // namespace

ScrollBar::ScrollBar(QWidget *parent) : QWidget(parent), m_bar(new FocusScrollBar(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The bar takes the whole control, however wide the layout made it.
    m_bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(m_bar);
    setFocusProxy(m_bar);

    // Without tracking the value stays put while the thumb is dragged and changes
    // once, when the drag ends, as Change should.
    m_bar->setTracking(false);
    m_bar->setSingleStep(1);
    m_bar->setPageStep(1);
    applyRange();
    connect(m_bar, &QScrollBar::valueChanged, this, [this](int internal) {
        const int value = toGame(internal);
        if (value == m_lastValue)
            return;
        m_lastValue = value;
        emit Change(value);
    });
}

void ScrollBar::setMin(int value)
{
    m_min = value;
    applyRange();
}

void ScrollBar::setMax(int value)
{
    m_max = value;
    applyRange();
}

void ScrollBar::setValue(int value)
{
    m_bar->setValue(toInternal(value));
}

int ScrollBar::value() const
{
    return toGame(m_bar->value());
}

void ScrollBar::setSmallChange(int step)
{
    m_bar->setSingleStep(std::max(1, step));
}

void ScrollBar::setLargeChange(int step)
{
    m_bar->setPageStep(std::max(1, step));
}

int ScrollBar::smallChange() const
{
    return m_bar->singleStep();
}

int ScrollBar::largeChange() const
{
    return m_bar->pageStep();
}

// The Qt scroll bar always runs from its minimum at the top to its maximum at the
// bottom. When Max is below Min the game's values are negated on the way in and out.
void ScrollBar::applyRange()
{
    const int value = std::clamp(m_lastValue, std::min(m_min, m_max), std::max(m_min, m_max));
    {
        const QSignalBlocker blocker(m_bar);
        if (m_min <= m_max)
            m_bar->setRange(m_min, m_max);
        else
            m_bar->setRange(-m_min, -m_max);
        m_bar->setValue(toInternal(value));
    }
    if (value != m_lastValue) {
        m_lastValue = value;
        emit Change(value);
    }
}

int ScrollBar::toGame(int internal) const
{
    return m_min <= m_max ? internal : -internal;
}

int ScrollBar::toInternal(int value) const
{
    return m_min <= m_max ? value : -value;
}

} // namespace platform
