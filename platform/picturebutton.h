#pragma once

// A picture that acts as a button: the OK and Cancel marble spheres of the dialogs. It
// is clicked with the mouse as a picture is (a left press and release on it), and from
// the keyboard once Tab has reached it: Space, Return or Enter. It shows a focus frame
// while the keyboard is on it, and looks greyed while it is disabled. To assistive
// technology it is a button with the name it is given. The picture comes in the sizes
// of the screen densities it is made for (see layoutpictures.h).

#include <QAbstractButton>
#include <QIcon>

namespace platform {

class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QIcon &picture, const QString &accessibleName, QWidget *parent = nullptr);

    // The picture's own size at a ratio of 1.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The second click of a double-click is not a click of its own, as with every
    // picture of the game: a double-click presses the button once.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QIcon m_picture;
};

} // namespace platform
