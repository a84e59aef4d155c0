#pragma once

// A label whose Caption is kept exactly as the game set it ("\r\n" between lines)
// while it is shown with "\n" line breaks.

#include <QLabel>

#include "clicktracker.h"

namespace platform {

class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    ClickTracker m_click;
};

} // namespace platform
