// The About window: the game icon, the title with the program's version, and the
// version history, which scrolls inside its viewport. The OK picture hides the window
// and so keeps the scroll position; the close box destroys it, and the next About
// command builds it afresh with the history at its top.

#include "form3.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QPixmap>
#include <QStringList>

#include "background.h"
#include "colors.h"
#include "dialogsupport.h"
#include "events.h"
#include "fonts.h"
#include "label.h"
#include "layoutpictures.h"
#include "messages.h"
#include "picturebutton.h"
#include "scrollbar.h"
#include "twips.h"

namespace ui {
namespace {

const QString GameIcon = QStringLiteral(":/pictures/tovik2.ico");

// The versions of the game, newest first, one line each, items indented under them.
// The version lines are names and stay as they are; the rest is translated.
const char *const HistoryLines[] = {
    QT_TRANSLATE_NOOP("ui::Form3", "Version history"),
    "",
    " Tovik2 2.9",
    QT_TRANSLATE_NOOP("ui::Form3", " * 画像表示処理高速化"),
    QT_TRANSLATE_NOOP("ui::Form3", " * フォーム自動調整機能調整"),
    QT_TRANSLATE_NOOP("ui::Form3", " * モードを変更時に起こるバグ修正"),
    QT_TRANSLATE_NOOP("ui::Form3", " * 反転規則変更をOptionに追加"),
    "",
    " Tovik2 2.5",
    QT_TRANSLATE_NOOP("ui::Form3", " * 画像読み込み時のバグ修正"),
    QT_TRANSLATE_NOOP("ui::Form3", " * フォーム自動調整機能追加"),
    QT_TRANSLATE_NOOP("ui::Form3", " * 読み込める画像の種類追加"),
    QT_TRANSLATE_NOOP("ui::Form3", " * 進行状況バー追加"),
    "",
    " Tovik2 2.0",
    QT_TRANSLATE_NOOP("ui::Form3", " * 問題作成時のメモリー占領を修正"),
    QT_TRANSLATE_NOOP("ui::Form3", " * マスの幅を設定できるようにする。"),
    QT_TRANSLATE_NOOP("ui::Form3", " * プログラムを簡略化"),
    "",
    " Tovik2 1.5",
    QT_TRANSLATE_NOOP("ui::Form3", " * 画像の自動拡大縮小機能追加"),
    QT_TRANSLATE_NOOP("ui::Form3", " * 難易度の設定を追加"),
    "",
    " Tovik2 1.2",
    QT_TRANSLATE_NOOP("ui::Form3", " * 画像読み込み機能作成"),
    QT_TRANSLATE_NOOP("ui::Form3", " * ボタン選択時のバグ修正"),
    "",
    " Tovik2 1.0",
    QT_TRANSLATE_NOOP("ui::Form3", " * プログラムの基本動作作成"),
};

// The icon's picture that the box stretches: its own 32 x 32 picture at a ratio of 1, and
// on a denser screen the largest it holds, which the box shrinks to its device pixels.
QPixmap iconPicture(const QIcon &icon, qreal ratio)
{
    QSize chosen;
    for (const QSize &size : icon.availableSizes()) {
        const bool larger = size.width() * size.height() > chosen.width() * chosen.height();
        if (!chosen.isValid() || larger == (ratio > 1))
            chosen = size;
    }
    return chosen.isValid() ? icon.pixmap(chosen, 1.0) : QPixmap();
}

} // namespace

Form3::Form3(QWidget *parent) : platform::PictureBox(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("About..."));
    setWindowIcon(platform::layoutIcon(GameIcon));
    setFixedSize(platform::toPixels(3585), platform::toPixels(1890));
    dialog::centreOnScreen(*this);

    Image1 = new platform::Label(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    platform::setTwipsGeometry(Image1, 120, 120, 615, 615);
    Image1->setScaledContents(true);

    // The title lies straight on the background picture.
    Label1 = new platform::Label(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    platform::setTwipsGeometry(Label1, 840, 120, 2055, 615);
    Label1->setFont(platform::layoutFont(QStringLiteral("ＭＳ 明朝"), 9, true));
    platform::setForeColor(Label1, 0);
    Label1->setCaption(QStringLiteral("Label1"));

    Image2 = new platform::PictureButton(platform::layoutIcon(QStringLiteral(":/pictures/ok.gif")),
                                         QStringLiteral("OK"), this);
    Image2->setObjectName(QStringLiteral("Image2"));
    platform::setTwipsGeometry(Image2, 2760, 120, 600, 600);

    // The viewport clips the tall history label, which moves up inside it. The label
    // lies in the box's inner area, inside its frame.
    Picture1 = new platform::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    platform::setTwipsGeometry(Picture1, 120, 840, 3135, 855);
    Picture1->setBorderStyle(1);
    auto *inner = new QWidget(Picture1);
    inner->setGeometry(Picture1->innerRect());

    // Its lines one font size apart, the pitch the label's height and the scroll range
    // were measured in: the Mincho face asks for more room between lines, which would
    // push the last versions below the end of the label, where no scroll position
    // reaches them.
    Label2 = new platform::Label(inner);
    Label2->setObjectName(QStringLiteral("Label2"));
    platform::setTwipsGeometry(Label2, 0, 0, 3135, 5500);
    Label2->setFont(platform::layoutFont(QStringLiteral("ＭＳ 明朝"), 9));
    Label2->setFontSizeLineSpacing(true);
    Label2->setWordWrap(false);
    platform::setBackColor(Label2, platform::WindowBackground);
    platform::setForeColor(Label2, platform::WindowText);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setCaption(QStringLiteral("Label1"));

    VScroll1 = new platform::ScrollBar(this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->bar()->setFocusPolicy(Qt::StrongFocus);
    platform::setTwipsGeometry(VScroll1, 3240, 840, 255, 855);
    VScroll1->setMin(0);
    VScroll1->setMax(-4500);
    VScroll1->setSmallChange(50);
    VScroll1->setLargeChange(50);
    VScroll1->setValue(0);

    dialog::chainTabOrder({Label1, Picture1, Label2, VScroll1, Image2});
    // Names for screen readers where the layout gives no caption or tooltip.
    Image1->setAccessibleName(QStringLiteral("Tovik2"));
    Picture1->setAccessibleName(tr("Version history"));
    VScroll1->bar()->setAccessibleName(tr("Version history"));

    connect(Image2, &QAbstractButton::clicked, this,
            [this] { platform::guarded([this] { Image2_Click(); }); });
    connect(VScroll1, &platform::ScrollBar::Change, this,
            [this] { platform::guarded([this] { VScroll1_Change(); }); });

    Form_Load();
}

void Form3::Form_Load()
{
    board::DrawBackground(*this);
    // The game's icon, which this window and the main window carry alike.
    Image1->setPixmap(iconPicture(windowIcon(), devicePixelRatioF()));
    Label1->setCaption(titleText());
    Label2->setCaption(historyText());
}

QString Form3::titleText()
{
    return QStringLiteral("TOVIK2 var") + QString::number(TOVIK2_VERSION_MAJOR) + QLatin1Char('.') +
           QString::number(TOVIK2_VERSION_MINOR) + QLatin1Char('.') +
           QLatin1String(engine::text::CrLf) + tr("Wendrix 制作");
}

QString Form3::historyText()
{
    QStringList lines;
    for (const char *line : HistoryLines)
        lines.append(tr(line));
    return lines.join(QLatin1String(engine::text::CrLf));
}

// The scroll bar's value is the history's top edge in twips: 0 at the top, -4500 at
// the bottom.
void Form3::VScroll1_Change()
{
    Label2->move(Label2->x(), platform::toPixels(VScroll1->value()));
}

void Form3::Image2_Click()
{
    hide();
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        Image2->click();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        QCoreApplication::sendEvent(VScroll1->bar(), event);
        break;
    default:
        platform::PictureBox::keyPressEvent(event);
    }
}

void Form3::wheelEvent(QWheelEvent *event)
{
    QCoreApplication::sendEvent(VScroll1->bar(), event);
}

} // namespace ui
