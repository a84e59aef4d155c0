// The game setting dialog. The picture is chosen through the drive, directory and file
// lists, which keep in step: a new drive moves the directory list, a new directory
// refills the file list, and a click on a file previews it. Only the picture path is
// copied into the game state, by OK; the grid side, the display method and the
// animation switch stay in the controls and are read from here when they are needed.

#include "form2.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "announcer.h"
#include "background.h"
#include "colors.h"
#include "dialogsupport.h"
#include "events.h"
#include "filelists.h"
#include "fonts.h"
#include "gametext.h"
#include "gamestate.h"
#include "playmodes.h"
#include "label.h"
#include "messagebox.h"
#include "messages.h"
#include "picture.h"
#include "picturebutton.h"
#include "picturerefusal.h"
#include "runtimeerror.h"
#include "scrollbar.h"
#include "twips.h"
#include "windowicon.h"

namespace ui {
namespace {

// The formats the game decodes; a photograph's ".jpeg" is as common as ".jpg".
const QString PicturePattern = QStringLiteral("*.bmp;*.ico;*.gif;*.jpg;*.jpeg;*.png");

// An option button or check box whose caption wraps inside its box. The layout gives
// these buttons boxes narrower than their captions, which the desktop runtime wrapped
// onto several lines; Qt's buttons would cut them off instead. A click anywhere in the
// box counts, as it does on the caption of an ordinary button.
template <typename Button, QStyle::ControlElement Control, QStyle::SubElement Contents>
class WrappingButton : public Button
{
public:
    WrappingButton(const QString &caption, QWidget *parent) : Button(caption, parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(Control, option);
        const QRect area = this->style()->subElementRect(Contents, &option, this);
        painter.drawItemText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                             option.palette, this->isEnabled(), caption, QPalette::WindowText);
    }

    bool hitButton(const QPoint &position) const override
    {
        return this->rect().contains(position);
    }
};

using WrappingRadioButton =
    WrappingButton<QRadioButton, QStyle::CE_RadioButton, QStyle::SE_RadioButtonContents>;
using WrappingCheckBox =
    WrappingButton<QCheckBox, QStyle::CE_CheckBox, QStyle::SE_CheckBoxContents>;

platform::Label *cellCountLabel(const QString &name, const QString &caption, const QString &tip,
                                QWidget *parent)
{
    auto *label = new platform::Label(parent);
    label->setObjectName(name);
    label->setCaption(caption);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setToolTip(tip);
    platform::setBackColor(label, platform::White);
    return label;
}

} // namespace

Form2::Form2(QWidget *parent) : platform::PictureBox(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("GameSetting"));
    setWindowIcon(platform::noWindowIcon());
    setFont(platform::layoutFont(QStringLiteral("ＭＳ 明朝"), 9));
    resize(platform::toPixels(5295), platform::toPixels(3360));
    dialog::centreOnScreen(*this);

    Frame2 = new QGroupBox(tr("表示方法"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    platform::setTwipsGeometry(Frame2, 120, 120, 1335, 1575);
    platform::setBackColor(Frame2, platform::White);

    Option4 = new WrappingRadioButton(tr("全体表示"), Frame2);
    Option4->setObjectName(QStringLiteral("Option4"));
    platform::setTwipsGeometry(Option4, 120, 360, 1095, 420);
    Option4->setToolTip(tr("画像をマス全てを使って表示します"));
    platform::setBackColor(Option4, platform::White);
    Option4->setChecked(true);

    Option5 = new WrappingRadioButton(tr("マス表示 重たい画像は不可"), Frame2);
    Option5->setObjectName(QStringLiteral("Option5"));
    platform::setTwipsGeometry(Option5, 120, 840, 1150, 615);
    Option5->setToolTip(tr("マス一つづつに画像を表示させます（処理能力が低下します）"));
    platform::setBackColor(Option5, platform::White);

    Drive1 = new platform::DriveListBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    platform::setTwipsGeometry(Drive1, 1560, 120, 2175, 300);

    // The directory list opens on the current folder, and the other two follow it.
    Dir1 = new platform::DirListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    platform::setTwipsGeometry(Dir1, 1560, 600, 2175, 1140);
    Drive1->setDrive(Dir1->path());

    File1 = new platform::FileListBox(this);
    File1->setObjectName(QStringLiteral("File1"));
    platform::setTwipsGeometry(File1, 1560, 1920, 2175, 1350);
    File1->setPattern(PicturePattern);
    File1->setPath(Dir1->path());

    Check1 = new WrappingCheckBox(tr("問題作成時のｱﾆﾒｰｼｮﾝを表示する"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    platform::setTwipsGeometry(Check1, 3840, 1200, 1335, 615);
    Check1->setToolTip(tr("問題作成時のｱﾆﾒｰｼｮﾝ効果を有効にします"));
    platform::setBackColor(Check1, platform::White);
    Check1->setChecked(true);

    Picture1 = new platform::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    platform::setTwipsGeometry(Picture1, 3840, 1920, 1335, 1335);
    Picture1->setToolTip(tr("現在設定されている画像"));
    Picture1->setBorderStyle(1);
    Picture1->setBackColor(platform::WindowBackground);
    Picture1->setForeColor(platform::WindowText);

    const QString cellCountTip = tr("使用するマスの数");
    Label1 = cellCountLabel(QStringLiteral("Label1"), tr("マス数"), cellCountTip, this);
    platform::setTwipsGeometry(Label1, 120, 2040, 735, 255);

    Label2 = cellCountLabel(QStringLiteral("Label2"), QStringLiteral("1"), cellCountTip, this);
    platform::setTwipsGeometry(Label2, 840, 2040, 375, 255);

    // The grid side also answers the arrow keys once Tab has reached it.
    VScroll1 = new platform::ScrollBar(this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    platform::setTwipsGeometry(VScroll1, 1200, 1920, 255, 495);
    VScroll1->bar()->setFocusPolicy(Qt::StrongFocus);
    VScroll1->setMin(3);
    VScroll1->setMax(10);
    VScroll1->setValue(5);
    VScroll1->setSmallChange(1);
    VScroll1->setLargeChange(1);

    Image1 = dialog::pictureButton(QStringLiteral("Image1"), QStringLiteral(":/pictures/ok.gif"),
                                   tr("設定を有効にします"), this);
    platform::setTwipsGeometry(Image1, 120, 2640, 600, 600);
    Image2 =
        dialog::pictureButton(QStringLiteral("Image2"), QStringLiteral(":/pictures/cancel.gif"),
                              tr("設定を取りやめます"), this);
    platform::setTwipsGeometry(Image2, 840, 2640, 600, 600);

    // OK and Cancel come after the layout's own order.
    dialog::chainTabOrder({Label1, Label2, VScroll1, Dir1, Drive1, File1, Picture1, Frame2, Option4,
                           Option5, Check1, Image1, Image2});
    // Names for screen readers where the layout gives no caption or tooltip.
    VScroll1->bar()->setAccessibleName(Label1->caption());
    Drive1->setAccessibleName(tr("Drive"));
    // A combo box's name is its current text to a screen reader here ("/"); what the list
    // is comes from a label for it, never shown.
    auto *places = new QLabel(tr("Places"), this);
    places->setObjectName(QStringLiteral("placesLabel"));
    places->setBuddy(Drive1);
    places->hide();
    // With the label for its name, the screen reader reads the current place from the
    // description.
    Drive1->setAccessibleDescription(Drive1->currentText());
    connect(Drive1, &QComboBox::currentTextChanged, Drive1, &QWidget::setAccessibleDescription);
    VScroll1->bar()->setAccessibleDescription(
        tr("Up makes the grid smaller, Down makes it larger"));
    m_announcer = new platform::Announcer(this);
    Dir1->setAccessibleName(tr("Folder"));
    File1->setAccessibleName(tr("Picture file"));
    Picture1->setAccessibleName(Picture1->toolTip());

    const auto run = [this](void (Form2::*handler)()) {
        return [this, handler] { platform::guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(Drive1, &platform::DriveListBox::Change, this, run(&Form2::Drive1_Change));
    connect(Dir1, &platform::DirListBox::Change, this, run(&Form2::Dir1_Change));
    connect(File1, &platform::FileListBox::Click, this, run(&Form2::File1_Click));
    connect(VScroll1, &platform::ScrollBar::Change, this, run(&Form2::VScroll1_Change));
    connect(Image1, &QAbstractButton::clicked, this, run(&Form2::Image1_Click));
    connect(Image2, &QAbstractButton::clicked, this, run(&Form2::Image2_Click));

    Form_Load();
}

void Form2::Form_Load()
{
    board::DrawBackground(*this);
    const int side = VScroll1->value();
    Label2->setCaption(QString::number(side * side));
    m_loaded = true;
}

// The drive list moves the directory list to the root of the chosen volume. A volume
// that cannot be read sends the drive list back to the one the directory list still
// shows, without a word to the player; that return is not a new choice of drive.
void Form2::Drive1_Change()
{
    if (m_restoringDrive)
        return;
    try {
        Dir1->setPath(Drive1->drive());
    } catch (const platform::RuntimeError &) {
        // Unreadable volume: the directory list stays where it was.
    }
    const QScopedValueRollback restoring(m_restoringDrive, true);
    Drive1->setDrive(Dir1->path());
}

void Form2::Dir1_Change()
{
    File1->setPath(Dir1->path());
}

QString Form2::joinedPath(const QString &folder, const QString &fileName)
{
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator))
        return folder + fileName;
    return folder + separator + fileName;
}

// The clicked file becomes the chosen picture only once it has been decoded: a file
// that is not a picture after all is named to the player, and the previous choice and
// its preview stay.
void Form2::File1_Click()
{
    const QString fileName = File1->fileName();
    if (fileName.isEmpty())
        return;
    const QString path = joinedPath(File1->path(), fileName);
    const QString reason = paintPreview(path);
    if (!reason.isEmpty()) {
        reportUnreadable(path, reason);
        return;
    }
    SelectedPath = path;
}

void Form2::reportUnreadable(const QString &path, const QString &reason)
{
    platform::MsgBox(pictures::refusalPrompt(QDir::toNativeSeparators(path), reason),
                     platform::MsgBoxStyle::Exclamation,
                     platform::gameText(engine::text::LoadErrorTitle));
}

// Only what the file list would show can be chosen in it: a regular file with a
// picture's name, in a folder that can be listed. The name is checked before the
// content, so a FIFO or a device is never opened.
bool Form2::acceptsPicture(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString reason;
    if (file.exists() && !(file.isFile() && folder.isReadable() && folder.isExecutable() &&
                           QDir::match(PicturePattern.split(u';'), file.fileName())))
        reason = pictures::refusalText(
            pictures::Refusal::NotPictureName,
            pictures::RefusalDetails{QSize(), 0,
                                     QString(PicturePattern).remove(u'*').replace(u';', u' ')});
    else
        reason = previewPicture(path).reason;
    if (reason.isEmpty())
        return true;
    reportUnreadable(path, reason);
    return false;
}

// The drive goes first: a new drive sends the directory list to that volume's root.
void Form2::chooseAndConfirm(const QString &path)
{
    const QFileInfo file(path);
    Drive1->setDrive(file.absolutePath());
    Dir1->setPath(file.absolutePath());
    File1->clickFile(file.fileName());
    // A file that changed since it was accepted is refused by the click, with its message.
    if (SelectedPath == joinedPath(File1->path(), file.fileName()))
        Image1_Click();
}

bool Form2::showPreview(const QString &path)
{
    return paintPreview(path).isEmpty();
}

// Decoded straight to the preview's size in device pixels, so a large photograph is
// never held whole and the preview shows all the detail the screen can.
pictures::LoadedPicture Form2::previewPicture(const QString &path) const
{
    pictures::LoadedPicture picture = pictures::LoadPicture(path, Picture1->image().size());
    if (!picture.ok() && picture.reason.isEmpty())
        picture.reason = pictures::refusalText(pictures::Refusal::Unreadable);
    return picture;
}

// The preview is not cleared first: a transparent picture lets the previous one show.
QString Form2::paintPreview(const QString &path)
{
    const pictures::LoadedPicture picture = previewPicture(path);
    if (picture.ok())
        Picture1->PaintPicture(picture.image, 0, 0, Picture1->ScaleWidth(),
                               Picture1->ScaleHeight());
    return picture.reason;
}

// A screen reader hears the side as the scroll bar's value; the player also hears the
// grid that the key made.
void Form2::VScroll1_Change()
{
    const int side = VScroll1->value();
    Label2->setCaption(QString::number(side * side));
    if (VScroll1->bar()->hasFocus())
        m_announcer->say(tr("%1 by %1, %2 cells").arg(side).arg(side * side));
}

// OK: the main window opens its mode commands and builds the board for the chosen
// picture (see the signals).
void Form2::Image1_Click()
{
    // While a creation or replay runs, rebuilding would pull the board from under it
    // (its recorded clicks would name cells of the old board): OK waits until the
    // board is idle, and the dialog stays open for the player to press it again.
    if (!engine::BoardTakesCommands())
        return;
    emit modeCommandsUnlocked();
    emit pictureConfirmed(SelectedPath);
}

void Form2::Image2_Click()
{
    hide();
}

void Form2::setCreationRunning(bool running)
{
    Image1->setEnabled(!running);
}

int Form2::gridSide()
{
    return VScroll1->value();
}

bool Form2::wholePicture()
{
    return Option4->isChecked();
}

// The close box hides the dialog like Cancel: the grid side, display method and
// animation switch live in these controls and must survive until the next opening.
void Form2::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

// In the directory list Return opens the folder, in the drive list it picks the drive.
void Form2::keyPressEvent(QKeyEvent *event)
{
    if (!dialog::confirmOrCancel(*event, Image1, Image2, {Dir1, Drive1}))
        platform::PictureBox::keyPressEvent(event);
}

// The background is stretched over the whole window, also when the player resizes it.
void Form2::resizeEvent(QResizeEvent *event)
{
    platform::PictureBox::resizeEvent(event);
    if (m_loaded)
        board::DrawBackground(*this);
}

} // namespace ui
