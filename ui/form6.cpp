// The option dialog. The nine editor boxes are the whole working copy of the flip
// rule: their colours are written from the rule when the dialog opens, toggled by
// clicks and read back by OK. The cell size is the scroll bar's value, shown by the
// sample box's size.

#include "form6.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>

#include <string>

#include "background.h"
#include "colors.h"
#include "devicepixels.h"
#include "dialogsupport.h"
#include "events.h"
#include "fonts.h"
#include "gamestate.h"
#include "gametext.h"
#include "label.h"
#include "layoutpictures.h"
#include "messagebox.h"
#include "messages.h"
#include "picture.h"
#include "picturebutton.h"
#include "scrollbar.h"
#include "twips.h"

namespace ui {
namespace {

// Left and top of the editor boxes, index = row x 3 + column. The pitch is one pixel
// less than a box, so neighbours share their border line.
constexpr double EditorLeft[] = {2760, 3240, 3720};
constexpr double EditorTop[] = {360, 840, 1320};
constexpr double EditorSide = 495;

QString caution()
{
    return platform::gameText(engine::text::CautionTitle);
}

QGroupBox *frame(const QString &name, const QString &caption, const QString &tip, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    platform::setBackColor(box, platform::White);
    return box;
}

} // namespace

Form6::Form6(QWidget *parent) : platform::PictureBox(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Option"));
    setWindowIcon(platform::layoutIcon(QStringLiteral(":/pictures/tovik2.ico")));
    // The layout keeps the desktop's default font, a proportional gothic at 9 pt; its
    // narrower kana let the scroll bar's two-line caption fit its box.
    setFont(platform::layoutFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    resize(platform::toPixels(4575), platform::toPixels(2505));
    dialog::centreOnScreen(*this);

    Frame1 = frame(QStringLiteral("Frame1"), tr("画像のマスサイズ変更"),
                   tr("画像を表示するマスの大きさを設定します。"), this);
    platform::setTwipsGeometry(Frame1, 120, 120, 2295, 1815);

    Label1 = new platform::Label(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setCaption(tr("画像のマスの大きさ （デフォルト=495）"));
    platform::setTwipsGeometry(Label1, 120, 240, 1575, 375);
    platform::setBackColor(Label1, platform::White);
    // The two lines fit the label's height only one font size apart.
    Label1->setFontSizeLineSpacing(true);

    // The option command gives the scroll bar its range each time it opens the
    // dialog; until then it has the toolkit's defaults.
    VScroll1 = new platform::ScrollBar(Frame1);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->bar()->setFocusPolicy(Qt::StrongFocus);
    platform::setTwipsGeometry(VScroll1, 120, 600, 255, 375);
    VScroll1->setMin(0);
    VScroll1->setMax(32767);
    VScroll1->setSmallChange(15);
    VScroll1->setLargeChange(1);
    VScroll1->setValue(0);

    Picture1 = new platform::PictureBox(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    platform::setTwipsGeometry(Picture1, 360, 600, 495, 495);
    Picture1->setBorderStyle(1);
    Picture1->setBackColor(platform::WindowBackground);
    Picture1->setForeColor(platform::WindowText);
    paintSample();

    Frame2 = frame(QStringLiteral("Frame2"), tr("反転規則変更"),
                   tr("マスをクリックした時の反転規則を変更します。"), this);
    platform::setTwipsGeometry(Frame2, 2520, 120, 1935, 1815);

    // The editor boxes belong to the window, not to Frame2, and lie above the frame
    // so its white background does not cover them.
    for (int index = 0; index < static_cast<int>(Picture2.size()); ++index) {
        auto *box = new RuleBox(index, this);
        platform::setTwipsGeometry(box, EditorLeft[index % 3], EditorTop[index / 3], EditorSide,
                                   EditorSide);
        box->setBorderStyle(1);
        box->setBackColor(platform::White);
        box->setForeColor(platform::WindowText);
        box->raise();
        Picture2[static_cast<std::size_t>(index)] = box;
        connect(box, &platform::PictureBox::clicked, this,
                [this, index] { platform::guarded([this, index] { Picture2_Click(index); }); });
    }

    Image1 = dialog::pictureButton(QStringLiteral("Image1"), QStringLiteral(":/pictures/ok.gif"),
                                   tr("設定を有効にします"), this);
    platform::setTwipsGeometry(Image1, 120, 1920, 600, 600);
    Image2 =
        dialog::pictureButton(QStringLiteral("Image2"), QStringLiteral(":/pictures/cancel.gif"),
                              tr("設定を取りやめます"), this);
    platform::setTwipsGeometry(Image2, 840, 1920, 600, 600);

    // OK and Cancel come after the layout's own order.
    dialog::chainTabOrder({Frame1, Label1, VScroll1, Picture1, Picture2[0], Picture2[1],
                           Picture2[2], Picture2[3], Picture2[4], Picture2[5], Picture2[6],
                           Picture2[7], Picture2[8], Frame2, Image1, Image2});
    // Names for screen readers where the layout gives no caption or tooltip.
    VScroll1->bar()->setAccessibleName(Label1->caption());
    Picture1->setAccessibleName(tr("Sample cell"));

    const auto run = [this](void (Form6::*handler)()) {
        return [this, handler] { platform::guarded([this, handler] { (this->*handler)(); }); };
    };
    connect(VScroll1, &platform::ScrollBar::Change, this, run(&Form6::VScroll1_Change));
    connect(Image1, &QAbstractButton::clicked, this, run(&Form6::Image1_Click));
    connect(Image2, &QAbstractButton::clicked, this, run(&Form6::Image2_Click));

    Form_Load();
}

void Form6::Form_Load()
{
    board::DrawBackground(*this);
    m_loaded = true;
}

// The photograph is decoded at the box's device resolution, and again when that changes.
void Form6::paintSample()
{
    const qreal ratio = Picture1->devicePixelRatioF();
    if (m_samplePicture.isNull() || m_samplePicture.devicePixelRatio() != ratio) {
        const QString sample = QStringLiteral(":/pictures/sample.jpg");
        pictures::LoadedPicture picture = pictures::LoadPicture(sample);
        if (ratio != 1 && picture.ok())
            picture = pictures::LoadPicture(
                sample, platform::deviceSizeCovering(picture.originalSize, ratio));
        m_samplePicture = picture.image;
        m_samplePicture.setDevicePixelRatio(ratio);
    }
    Picture1->Cls();
    const QSize size = m_samplePicture.deviceIndependentSize().toSize();
    Picture1->PaintPicture(m_samplePicture, 0, 0, platform::toTwips(size.width()),
                           platform::toTwips(size.height()));
}

// The sample box takes the cell size; the photograph is not rescaled, a bigger box
// simply shows more of it.
void Form6::VScroll1_Change()
{
    const int side = platform::toPixels(VScroll1->value());
    Picture1->resize(side, side);
    paintSample();
}

// Red (the cell flips) and white (it does not); a box of any other colour becomes red.
void Form6::Picture2_Click(int Index)
{
    RuleBox *box = Picture2.at(static_cast<std::size_t>(Index));
    box->setBackColor(box->backColor() == platform::Red ? platform::White : platform::Red);
    box->announceColour();
}

// OK: after the player agrees that the board will be built afresh, a rule that flips
// fewer than two cells is refused; the counter starts at one, so eight white boxes
// already reach the limit. Then the size and the rule are stored, and the board is
// rebuilt unless a puzzle is being created or replayed at this moment.
void Form6::Image1_Click()
{
    engine::GameState &g = engine::game();
    const int answer = platform::MsgBox(tr("初期化されますがよろしいですか？"),
                                        platform::MsgBoxStyle::YesNo, caution());
    g.MsgAnswer = answer;
    if (answer != platform::MsgBoxAnswer::Yes)
        return;

    int counted = 1;
    for (const platform::PictureBox *box : Picture2) {
        if (box->backColor() == platform::White)
            ++counted;
        if (counted == 9) {
            g.MsgAnswer = platform::MsgBox(tr("反転する場所を設定して下さい。"),
                                           platform::MsgBoxStyle::CancelTryContinue, caution());
            return;
        }
    }

    const int value = VScroll1->value();
    emit cellSizeChosen(value);
    for (int i = 0; i < static_cast<int>(Picture2.size()); ++i)
        g.FlipRule(i) = Picture2[static_cast<std::size_t>(i)]->backColor() == platform::Red;
    g.CellSize = std::to_string(value);
    emit settingsStored();
    hide();
    g.GameMode = engine::Mode::Normal;
}

void Form6::Image2_Click()
{
    hide();
}

// The close box hides the dialog like Cancel. The option command writes the stored
// settings into the controls every time it opens the dialog, so nothing left here
// outlives the next opening.
void Form6::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

void Form6::keyPressEvent(QKeyEvent *event)
{
    if (!dialog::confirmOrCancel(*event, Image1, Image2))
        platform::PictureBox::keyPressEvent(event);
}

void Form6::resizeEvent(QResizeEvent *event)
{
    platform::PictureBox::resizeEvent(event);
    if (m_loaded)
        board::DrawBackground(*this);
}

} // namespace ui
