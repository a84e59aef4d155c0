#pragma once

// Form6, the option dialog "Option": the cell size with its sample box, and the 3 x 3
// editor of the flip rule (red: the cell flips, white: it does not).

#include "picturebox.h"
#include "rulebox.h"

#include <array>

class QGroupBox;

namespace platform {
class Label;
class PictureButton;
class ScrollBar;
} // namespace platform

namespace ui {

class Form6 : public platform::PictureBox
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);

    QGroupBox *Frame1;
    platform::Label *Label1;
    platform::ScrollBar *VScroll1;     // cell size in twips, 495..990
    platform::PictureBox *Picture1;    // sample box
    std::array<RuleBox *, 9> Picture2; // the flip-rule editor
    QGroupBox *Frame2;
    platform::PictureButton *Image1; // OK picture
    platform::PictureButton *Image2; // Cancel picture

    void VScroll1_Change();
    void Picture2_Click(int Index);
    void Image1_Click(); // OK
    void Image2_Click(); // Cancel

signals:
    // OK, in this order: the board's cells are to take this size (in twips), then the
    // cell size and the flip rule are stored in the game state and the board is to be
    // rebuilt with them.
    void cellSizeChosen(int twips);
    void settingsStored();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    // Draws the sample photograph at its own size from the box's top-left corner.
    void paintSample();

    QImage m_samplePicture;
    bool m_loaded = false;
};

} // namespace ui
