#pragma once

// Form3, the About window: icon, title and version, the OK picture and the version
// history scrolling in its viewport.

#include "picturebox.h"

namespace platform {
class Label;
class PictureButton;
class ScrollBar;
} // namespace platform

namespace ui {

class Form3 : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    platform::Label *Image1;         // the game icon, stretched
    platform::Label *Label1;         // title and version
    platform::PictureButton *Image2; // OK picture
    platform::PictureBox *Picture1;  // viewport of the history
    platform::Label *Label2;         // the history, inside Picture1
    platform::ScrollBar *VScroll1;   // 0 (top) to -4500 (bottom)

    static QString titleText();
    static QString historyText();

    void Image2_Click();
    void VScroll1_Change();

protected:
    // Return and Escape run OK; the arrow and page keys and the mouse wheel scroll the
    // history wherever the focus is.
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void Form_Load();
};

} // namespace ui
