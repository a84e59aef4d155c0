#pragma once

// Form2, the game setting dialog "GameSetting": the picture (drive, directory and file
// lists with a preview), the grid side, the display method and the creation animation.

#include "board.h"
#include "picture.h"
#include "picturebox.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace platform {
class Announcer;
class DirListBox;
class DriveListBox;
class FileListBox;
class Label;
class PictureButton;
class ScrollBar;
} // namespace platform

namespace ui {

class Form2 : public platform::PictureBox, public board::BoardSettings
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    QGroupBox *Frame2;
    QRadioButton *Option4; // "全体表示"
    QRadioButton *Option5; // "マス表示 重たい画像は不可"
    platform::DriveListBox *Drive1;
    platform::DirListBox *Dir1;
    platform::FileListBox *File1;
    QCheckBox *Check1;              // creation animation, ticked at start
    platform::PictureBox *Picture1; // preview
    platform::Label *Label1;
    platform::Label *Label2;         // cell count
    platform::ScrollBar *VScroll1;   // grid side 3..10
    platform::PictureButton *Image1; // OK picture
    platform::PictureButton *Image2; // Cancel picture

    // The full path of the file last clicked in the file list.
    QString SelectedPath;

    // Paints the picture at path stretched over the preview; false (and the preview
    // left as it was) when it cannot be decoded.
    bool showPreview(const QString &path);

    // Whether a picture given from outside the dialog (the command line, a drop) can be
    // chosen here: the file list would offer it and it decodes. If not, the player gets
    // the message a click on a bad file gets, and nothing changes.
    bool acceptsPicture(const QString &path);
    // Chooses the file as the player would, the drive, the folder and a click on the
    // file in the lists, then presses OK.
    void chooseAndConfirm(const QString &path);

    // A file's full path in a folder, with exactly one separator between them, whether
    // or not the folder is a root that already ends in one.
    static QString joinedPath(const QString &folder, const QString &fileName);

    // Handlers.
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void VScroll1_Change();
    void Image1_Click(); // OK
    void Image2_Click(); // Cancel

signals:
    // OK, in this order: the mode commands and the option dialog may now run (even
    // before any picture has been chosen; the mode commands then report the missing
    // picture themselves), then the picture at path is to become the game's.
    void modeCommandsUnlocked();
    void pictureConfirmed(const QString &path);

public:
    // While a creation or replay runs, OK is refused and looks disabled.
    void setCreationRunning(bool running);

    // board::BoardSettings
    int gridSide() override;
    bool wholePicture() override;
    void hideSettings() override { hide(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    platform::Announcer *m_announcer;
    void Form_Load();
    // The picture decoded to the preview's size, or the reason it cannot be.
    pictures::LoadedPicture previewPicture(const QString &path) const;
    // Paints the preview; the reason it could not, or "" when it did.
    QString paintPreview(const QString &path);
    // Names the file and the reason it cannot be shown, in a message box.
    void reportUnreadable(const QString &path, const QString &reason);

    bool m_loaded = false;
    // True while Drive1_Change sends the drive list back, so that change is not acted on.
    bool m_restoringDrive = false;
};

} // namespace ui
