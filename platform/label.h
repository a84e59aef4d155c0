#pragma once

// A label whose Caption is kept exactly as the game set it ("\r\n" between lines)
// while it is shown with "\n" line breaks.

#include <QLabel>

namespace platform {

class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    // Lays the caption out from the top left with its lines one font size apart, the
    // pitch the layouts were measured in, rather than at the face's own line spacing,
    // which may ask for more room than the label has.
    void setFontSizeLineSpacing(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    bool m_fontSizeLineSpacing = false;
};

} // namespace platform
