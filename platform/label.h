#pragma once

// A label whose Caption is kept exactly as the game set it ("\r\n" between lines)
// while Qt is shown "\n".

#include <QLabel>

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
    bool m_pressed = false;
};

} // namespace platform
