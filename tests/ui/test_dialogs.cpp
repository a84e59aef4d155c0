// The game setting dialog, the option dialog and the About window, driven through
// their real controls from a freshly started game. Layout expectations are written
// in twips exactly as the layout tables give them; message boxes are answered by a
// script, so every question the player would see is checked too.

#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <memory>

#include "board.h"
#include "colors.h"
#include "dialogfixture.h"
#include "events.h"
#include "filelists.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form6.h"
#include "forms.h"
#include "gamestate.h"
#include "label.h"
#include "messagebox.h"
#include "messagescript.h"
#include "picturebox.h"
#include "scrollbar.h"
#include "startup.h"

using dialogtest::PictureFolder;
using dialogtest::pixelsOf;
using dialogtest::ruleText;
namespace MsgBoxAnswer = platform::MsgBoxAnswer;

namespace {

const QString NoPicturePrompt = QStringLiteral("読み込む画像を設定して下さい。");
const QString InitialiseQuestion = QStringLiteral("初期化されますがよろしいですか？");
const QString SetFlipPlaces = QStringLiteral("反転する場所を設定して下さい。");
const QString Caution = QStringLiteral("注意");
const QString LoadError = QStringLiteral("読み込みエラー");

const QString DefaultRule = QStringLiteral(".#./###/.#.");

// What a control shows as its text, whatever kind of control it is.
QString textOf(const QWidget *control)
{
    if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const platform::Label *>(control))
        return label->caption();
    return QString();
}

bool hasWhiteBackground(const QWidget *control)
{
    return control->autoFillBackground() &&
           control->palette().color(control->backgroundRole()) == QColor(Qt::white);
}

bool writesJapanese(const QFont &font)
{
    return QFontDatabase::writingSystems(QFontInfo(font).family())
        .contains(QFontDatabase::Japanese);
}

std::array<bool, 9> storedRule()
{
    std::array<bool, 9> rule{};
    for (int i = 0; i < 9; ++i)
        rule[static_cast<std::size_t>(i)] = engine::game().FlipRule(i);
    return rule;
}

std::array<bool, 9> editorRule()
{
    std::array<bool, 9> rule{};
    for (std::size_t i = 0; i < 9; ++i)
        rule[i] = ui::form6().Picture2[i]->backColor() == platform::Red;
    return rule;
}

void setEditor(const std::array<bool, 9> &rule)
{
    for (std::size_t i = 0; i < 9; ++i)
        ui::form6().Picture2[i]->setBackColor(rule[i] ? platform::Red : platform::White);
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

QColor windowColour()
{
    return platform::systemColor(5);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();

    // Layouts
    void gameSettingControlsSitWhereLaidOut_data();
    void gameSettingControlsSitWhereLaidOut();
    void gameSettingTextsAndTips_data();
    void gameSettingTextsAndTips();
    void gameSettingWindowIsSizableWithMinchoFont();
    void gameSettingTabFollowsLayoutOrder();
    void gameSettingBackgrounds();
    void optionControlsSitWhereLaidOut_data();
    void optionControlsSitWhereLaidOut();
    void optionWindowTextsAndEditor();
    void optionScrollBarStartsWithToolkitDefaults();
    void aboutControlsSitWhereLaidOut_data();
    void aboutControlsSitWhereLaidOut();
    void aboutWindowIsFixedWithItsFonts();

    // Game setting dialog
    void gameSettingOpensWithDefaults();
    void cellCountIsSquareOfGridSide_data();
    void cellCountIsSquareOfGridSide();
    void gridSideStaysBetweenThreeAndTen();
    void joinedPathHasOneSeparator_data();
    void joinedPathHasOneSeparator();
    void clickedFileInSubFolderHasOneSeparatorAndIsPreviewed();
    void uppercaseExtensionIsListedAndPreviewed();
    void movingFolderKeepsLastFileAndPreview();
    void cancelAfterMovingGridSideBuildsNothingButNextBuildUsesIt();
    void unreadableFileIsNamedAndPreviousPictureKept_data();
    void unreadableFileIsNamedAndPreviousPictureKept();
    void okWithoutPictureAsksForOneAndStaysOpen();
    void okBuildsBoardAndEnablesMenuItems();
    void pictureGoneBeforeOkKeepsPictureInUse();
    void choosingReadableDriveMovesFolderAndFiles();
    void unreadableDriveReturnsWithoutMessage();
    void closeBoxHidesGameSettingAndKeepsSettings();
    void gameSettingWithDeletedPictureShowsEmptyPreview();

    // Option dialog
    void ruleCheck_data();
    void ruleCheck();
    void declinedConfirmationStoresNothing();
    void editorBoxToggles_data();
    void editorBoxToggles();
    void arrowStepsOfFifteenGiveCells540TwipsWide();
    void sampleBoxShowsPhotographUnscaled();
    void cancelStoresNothingAndNextOptionShowsStoredRule();
    void okDuringCreationStoresButDoesNotRebuild();
    void okWithoutPictureStillStoresSettings();
    void closeBoxHidesOption();

    // About window
    void aboutTitleNamesTheVersion();
    void aboutHistoryIsTheTwentyNineLines();
    void aboutHistoryScrollsWithScrollBar_data();
    void aboutHistoryScrollsWithScrollBar();
    void aboutScrollStepsAreFifty();
    void aboutHistoryEndsWhereBottomPositionShowsIt();
    void okHidesAboutAndKeepsScrollPosition();
    void closeBoxDestroysAboutAndNextOpensAtTop();

private:
    bool openMainWindow();
    bool openGameSettingAt(const QString &folder);
    bool buildBoardFrom(const QString &folder, const QString &fileName);
    MessageScript &script() { return *m_script; }

    std::unique_ptr<MessageScript> m_script;
};

// Every case starts from a program that has just started: no windows, the state
// before start-up, the splash window up. Message boxes never reach the screen.
void TestDialogs::init()
{
    ui::destroyForms();
    engine::resetGame();
    platform::resetProgramEnding();
    m_script = std::make_unique<MessageScript>();
    engine::Main();
}

void TestDialogs::cleanup()
{
    m_script.reset();
}

void TestDialogs::cleanupTestCase()
{
    ui::destroyForms();
}

bool TestDialogs::openMainWindow()
{
    ui::form4().Timer1_Timer();
    return QTest::qWaitForWindowExposed(&ui::form1());
}

// The player opens "GameSetting" and walks the directory list to a folder.
bool TestDialogs::openGameSettingAt(const QString &folder)
{
    if (!openMainWindow())
        return false;
    ui::form1().arrange_Click();
    if (!QTest::qWaitForWindowExposed(&ui::form2()))
        return false;
    ui::form2().Dir1->setPath(folder);
    return ui::form2().File1->path() == QDir::cleanPath(folder);
}

// Chooses a picture in the game setting dialog and presses OK.
bool TestDialogs::buildBoardFrom(const QString &folder, const QString &fileName)
{
    if (!openGameSettingAt(folder))
        return false;
    ui::form2().File1->clickFile(fileName);
    click(ui::form2().Image1);
    return engine::game().CellCount > 0 && !ui::form2().isVisible();
}

// --- Layouts ---------------------------------------------------------------------

void TestDialogs::gameSettingControlsSitWhereLaidOut_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Frame2") << "Frame2"
                            << "Form2" << pixelsOf(120, 120, 1335, 1575);
    QTest::newRow("Option4") << "Option4"
                             << "Frame2" << pixelsOf(120, 360, 1095, 420);
    QTest::newRow("Option5") << "Option5"
                             << "Frame2" << pixelsOf(120, 840, 1150, 615);
    QTest::newRow("Drive1") << "Drive1"
                            << "Form2" << pixelsOf(1560, 120, 2175, 300);
    QTest::newRow("Dir1") << "Dir1"
                          << "Form2" << pixelsOf(1560, 600, 2175, 1140);
    QTest::newRow("File1") << "File1"
                           << "Form2" << pixelsOf(1560, 1920, 2175, 1350);
    QTest::newRow("Check1") << "Check1"
                            << "Form2" << pixelsOf(3840, 1200, 1335, 615);
    QTest::newRow("Picture1") << "Picture1"
                              << "Form2" << pixelsOf(3840, 1920, 1335, 1335);
    QTest::newRow("Label1") << "Label1"
                            << "Form2" << pixelsOf(120, 2040, 735, 255);
    QTest::newRow("Label2") << "Label2"
                            << "Form2" << pixelsOf(840, 2040, 375, 255);
    QTest::newRow("VScroll1") << "VScroll1"
                              << "Form2" << pixelsOf(1200, 1920, 255, 495);
    QTest::newRow("Image1") << "Image1"
                            << "Form2" << pixelsOf(120, 2640, 600, 600);
    QTest::newRow("Image2") << "Image2"
                            << "Form2" << pixelsOf(840, 2640, 600, 600);
}

void TestDialogs::gameSettingControlsSitWhereLaidOut()
{
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);

    const QWidget *widget = ui::form2().findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
}

void TestDialogs::gameSettingTextsAndTips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");

    QTest::newRow("Frame2") << "Frame2"
                            << "表示方法"
                            << "";
    QTest::newRow("Option4") << "Option4"
                             << "全体表示"
                             << "画像をマス全てを使って表示します";
    QTest::newRow("Option5") << "Option5"
                             << "マス表示 重たい画像は不可"
                             << "マス一つづつに画像を表示させます（処理能力が低下します）";
    QTest::newRow("Check1") << "Check1"
                            << "問題作成時のｱﾆﾒｰｼｮﾝを表示する"
                            << "問題作成時のｱﾆﾒｰｼｮﾝ効果を有効にします";
    QTest::newRow("Picture1") << "Picture1"
                              << ""
                              << "現在設定されている画像";
    QTest::newRow("Label1") << "Label1"
                            << "マス数"
                            << "使用するマスの数";
    QTest::newRow("Label2") << "Label2"
                            << "25"
                            << "使用するマスの数";
    QTest::newRow("Image1") << "Image1"
                            << ""
                            << "設定を有効にします";
    QTest::newRow("Image2") << "Image2"
                            << ""
                            << "設定を取りやめます";
}

void TestDialogs::gameSettingTextsAndTips()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, tip);

    const QWidget *widget = ui::form2().findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(textOf(widget), text);
    QCOMPARE(widget->toolTip(), tip);
}

void TestDialogs::gameSettingWindowIsSizableWithMinchoFont()
{
    ui::Form2 &dialog = ui::form2();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("GameSetting"));
    QCOMPARE(dialog.size(), pixelsOf(0, 0, 5295, 3360).size());
    QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(dialog.minimumSize() != dialog.maximumSize());

    // "ＭＳ 明朝" 9 pt: 12 pixels at the game's 96 dots an inch, with Japanese glyphs.
    QCOMPARE(dialog.font().pixelSize(), 12);
    QVERIFY(writesJapanese(dialog.font()));
    QCOMPARE(dialog.Option5->font().pixelSize(), 12);

    const QPoint screenCentre = dialog.screen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - screenCentre).manhattanLength() <= 40);

    QVERIFY(dialog.Label1->alignment() & Qt::AlignHCenter);
    QVERIFY(dialog.Label2->alignment() & Qt::AlignHCenter);
}

// Labels, the preview and the frame hold places 0, 1, 6 and 7 of the order but never
// take the focus; the keyboard goes from control to control in the layout's order.
void TestDialogs::gameSettingTabFollowsLayoutOrder()
{
    ui::Form2 &dialog = ui::form2();
    const QList<QWidget *> order = {dialog.VScroll1, dialog.Dir1,    dialog.Drive1, dialog.File1,
                                    dialog.Option4,  dialog.Option5, dialog.Check1};
    QCOMPARE(dialogtest::tabVisits(order), order);
    QVERIFY(dialog.VScroll1->bar()->focusPolicy() & Qt::TabFocus);
}

void TestDialogs::gameSettingBackgrounds()
{
    ui::Form2 &dialog = ui::form2();
    for (const QWidget *white : QList<QWidget *>{dialog.Frame2, dialog.Option4, dialog.Option5,
                                                 dialog.Check1, dialog.Label1, dialog.Label2})
        QVERIFY2(hasWhiteBackground(white), qPrintable(white->objectName()));
    QCOMPARE(dialog.Picture1->backColor(), platform::ColorValue(0x80000005u));
    QCOMPARE(dialog.Picture1->foreColor(), platform::ColorValue(0x80000008u));
    QCOMPARE(dialog.Picture1->borderStyle(), 1);
    QVERIFY(!dialog.Image1->pixmap().isNull());
    QVERIFY(!dialog.Image2->pixmap().isNull());
}

void TestDialogs::optionControlsSitWhereLaidOut_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Frame1") << "Frame1"
                            << "Form6" << pixelsOf(120, 120, 2295, 1815);
    QTest::newRow("Label1") << "Label1"
                            << "Frame1" << pixelsOf(120, 240, 1575, 375);
    QTest::newRow("VScroll1") << "VScroll1"
                              << "Frame1" << pixelsOf(120, 600, 255, 375);
    QTest::newRow("Picture1") << "Picture1"
                              << "Frame1" << pixelsOf(360, 600, 495, 495);
    QTest::newRow("Picture2(0)") << "Picture2(0)"
                                 << "Form6" << pixelsOf(2760, 360, 495, 495);
    QTest::newRow("Picture2(4)") << "Picture2(4)"
                                 << "Form6" << pixelsOf(3240, 840, 495, 495);
    QTest::newRow("Picture2(5)") << "Picture2(5)"
                                 << "Form6" << pixelsOf(3720, 840, 495, 495);
    QTest::newRow("Picture2(8)") << "Picture2(8)"
                                 << "Form6" << pixelsOf(3720, 1320, 495, 495);
    QTest::newRow("Frame2") << "Frame2"
                            << "Form6" << pixelsOf(2520, 120, 1935, 1815);
    QTest::newRow("Image1") << "Image1"
                            << "Form6" << pixelsOf(120, 1920, 600, 600);
    QTest::newRow("Image2") << "Image2"
                            << "Form6" << pixelsOf(840, 1920, 600, 600);
}

void TestDialogs::optionControlsSitWhereLaidOut()
{
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);

    const QWidget *widget = ui::form6().findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
}

void TestDialogs::optionWindowTextsAndEditor()
{
    ui::Form6 &dialog = ui::form6();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Option"));
    QCOMPARE(dialog.size(), pixelsOf(0, 0, 4575, 2505).size());
    QVERIFY(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(!dialog.windowIcon().isNull());

    QCOMPARE(dialog.Frame1->title(), QStringLiteral("画像のマスサイズ変更"));
    QCOMPARE(dialog.Frame1->toolTip(), QStringLiteral("画像を表示するマスの大きさを設定します。"));
    QCOMPARE(dialog.Label1->caption(), QStringLiteral("画像のマスの大きさ （デフォルト=495）"));
    QCOMPARE(dialog.Frame2->title(), QStringLiteral("反転規則変更"));
    QCOMPARE(dialog.Frame2->toolTip(),
             QStringLiteral("マスをクリックした時の反転規則を変更します。"));
    QCOMPARE(dialog.Image1->toolTip(), QStringLiteral("設定を有効にします"));
    QCOMPARE(dialog.Image2->toolTip(), QStringLiteral("設定を取りやめます"));
    QVERIFY(hasWhiteBackground(dialog.Frame1));
    QVERIFY(hasWhiteBackground(dialog.Frame2));
    QVERIFY(hasWhiteBackground(dialog.Label1));
    QCOMPARE(dialog.Picture1->backColor(), platform::ColorValue(0x80000005u));

    for (const platform::PictureBox *box : dialog.Picture2) {
        QCOMPARE(box->backColor(), platform::ColorValue(16777215));
        QCOMPARE(box->borderStyle(), 1);
        // The boxes lie above the frame, so a click on one reaches it.
        QCOMPARE(dialog.childAt(box->geometry().center()), box);
    }
    // A pitch one pixel short of a box: neighbours draw their shared edge on one line.
    QCOMPARE(dialog.Picture2[1]->geometry().left(), dialog.Picture2[0]->geometry().right());
    QCOMPARE(dialog.Picture2[3]->geometry().top(), dialog.Picture2[0]->geometry().bottom());
}

void TestDialogs::optionScrollBarStartsWithToolkitDefaults()
{
    const platform::ScrollBar *bar = ui::form6().VScroll1;
    QCOMPARE(bar->min(), 0);
    QCOMPARE(bar->max(), 32767);
    QCOMPARE(bar->smallChange(), 15);
    QCOMPARE(bar->largeChange(), 1);
    QCOMPARE(bar->value(), 0);
}

void TestDialogs::aboutControlsSitWhereLaidOut_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Image1") << "Image1"
                            << "Form3" << pixelsOf(120, 120, 615, 615);
    QTest::newRow("Label1") << "Label1"
                            << "Form3" << pixelsOf(840, 120, 2055, 615);
    QTest::newRow("Image2") << "Image2"
                            << "Form3" << pixelsOf(2760, 120, 600, 600);
    QTest::newRow("Picture1") << "Picture1"
                              << "Form3" << pixelsOf(120, 840, 3135, 855);
    QTest::newRow("Label2") << "Label2"
                            << "Picture1" << pixelsOf(0, 0, 3135, 5500);
    QTest::newRow("VScroll1") << "VScroll1"
                              << "Form3" << pixelsOf(3240, 840, 255, 855);
}

void TestDialogs::aboutControlsSitWhereLaidOut()
{
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);

    const QWidget *widget = ui::form3().findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
}

void TestDialogs::aboutWindowIsFixedWithItsFonts()
{
    ui::Form3 &about = ui::form3();
    QCOMPARE(about.windowTitle(), QStringLiteral("About..."));
    QCOMPARE(about.size(), pixelsOf(0, 0, 3585, 1890).size());
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowIcon().isNull());

    QVERIFY(about.Label1->font().bold());
    QCOMPARE(about.Label1->font().pixelSize(), 12);
    QVERIFY(writesJapanese(about.Label1->font()));
    QCOMPARE(about.Label1->palette().color(about.Label1->foregroundRole()), QColor(Qt::black));
    QVERIFY(!about.Label2->font().bold());
    QCOMPARE(about.Label2->font().pixelSize(), 12);
    QVERIFY(writesJapanese(about.Label2->font()));
    QCOMPARE(about.Label2->palette().color(about.Label2->backgroundRole()), windowColour());
    QCOMPARE(about.Label2->palette().color(about.Label2->foregroundRole()),
             platform::systemColor(8));
    QCOMPARE(about.Label2->alignment(), Qt::AlignLeft | Qt::AlignTop);

    QVERIFY(!about.Image1->pixmap().isNull());
    QVERIFY(about.Image1->hasScaledContents());
    QVERIFY(!about.Image2->pixmap().isNull());
    QVERIFY(about.Image2->toolTip().isEmpty());

    QCOMPARE(about.VScroll1->min(), 0);
    QCOMPARE(about.VScroll1->max(), -4500);
    QCOMPARE(about.VScroll1->smallChange(), 50);
    QCOMPARE(about.VScroll1->largeChange(), 50);
    QCOMPARE(about.VScroll1->value(), 0);
}

// --- Game setting dialog -----------------------------------------------------------

void TestDialogs::gameSettingOpensWithDefaults()
{
    QVERIFY(openMainWindow());
    ui::form1().arrange_Click();
    ui::Form2 &dialog = ui::form2();
    QVERIFY(dialog.isVisible());

    QCOMPARE(dialog.VScroll1->value(), 5);
    QCOMPARE(dialog.Label2->caption(), QStringLiteral("25"));
    QVERIFY(dialog.Option4->isChecked());
    QVERIFY(!dialog.Option5->isChecked());
    QVERIFY(dialog.Check1->isChecked());
    QVERIFY(dialog.SelectedPath.isEmpty());
    QVERIFY(dialogtest::isUniformly(dialog.Picture1->image(), windowColour()));
    // What the board reads from here.
    QCOMPARE(dialog.gridSide(), 5);
    QVERIFY(dialog.wholePicture());
    QVERIFY(script().asked.isEmpty());
}

void TestDialogs::cellCountIsSquareOfGridSide_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("cells");

    QTest::newRow("smallest") << 3 << "9";
    QTest::newRow("four") << 4 << "16";
    QTest::newRow("seven") << 7 << "49";
    QTest::newRow("largest") << 10 << "100";
}

void TestDialogs::cellCountIsSquareOfGridSide()
{
    QFETCH(int, side);
    QFETCH(QString, cells);

    ui::Form2 &dialog = ui::form2();
    dialog.VScroll1->setValue(side);
    QCOMPARE(dialog.Label2->caption(), cells);
    QCOMPARE(dialog.gridSide(), side);
}

void TestDialogs::gridSideStaysBetweenThreeAndTen()
{
    ui::Form2 &dialog = ui::form2();
    QScrollBar *bar = dialog.VScroll1->bar();

    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(dialog.Label2->caption(), QStringLiteral("16"));
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(dialog.VScroll1->value(), 3);
    QCOMPARE(dialog.Label2->caption(), QStringLiteral("9"));
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(dialog.VScroll1->value(), 10);
    QCOMPARE(dialog.Label2->caption(), QStringLiteral("100"));
    dialog.VScroll1->setValue(2);
    QCOMPARE(dialog.VScroll1->value(), 3);
}

void TestDialogs::joinedPathHasOneSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("path");

    QTest::newRow("root folder") << "/"
                                 << "a.jpg"
                                 << "/a.jpg";
    QTest::newRow("sub folder") << "/pics"
                                << "a.jpg"
                                << "/pics/a.jpg";
    QTest::newRow("deeper folder") << "/home/player/pics"
                                   << "b.bmp"
                                   << "/home/player/pics/b.bmp";
}

void TestDialogs::joinedPathHasOneSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, path);

    QCOMPARE(ui::Form2::joinedPath(folder, file), path);
}

void TestDialogs::clickedFileInSubFolderHasOneSeparatorAndIsPreviewed()
{
    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("pics/a.bmp"), Qt::red);
    QVERIFY(openGameSettingAt(pictures.folder(QStringLiteral("pics"))));

    ui::Form2 &dialog = ui::form2();
    QVERIFY(dialog.File1->count() == 1);
    dialog.File1->clickFile(QStringLiteral("a.bmp"));
    QCOMPARE(dialog.SelectedPath, red);
    QVERIFY(!dialog.SelectedPath.contains(QStringLiteral("//")));
    // Stretched over the whole preview, whatever the picture's own proportions.
    QVERIFY(dialogtest::isUniformly(dialog.Picture1->image(), Qt::red));
    QVERIFY(script().asked.isEmpty());
}

void TestDialogs::uppercaseExtensionIsListedAndPreviewed()
{
    PictureFolder pictures;
    const QString photo = pictures.picture(QStringLiteral("IMG_0001.JPG"), Qt::blue);
    pictures.damaged(QStringLiteral("notes.txt"));
    QVERIFY(openGameSettingAt(pictures.path()));

    ui::Form2 &dialog = ui::form2();
    QCOMPARE(dialog.File1->count(), 1);
    dialog.File1->clickFile(QStringLiteral("IMG_0001.JPG"));
    QCOMPARE(dialog.SelectedPath, photo);
    QVERIFY(dialogtest::isUniformly(dialog.Picture1->image(), Qt::blue, 8));
}

// Moving to another folder without clicking a file keeps the file last clicked, its
// preview, and the picture a later OK uses.
void TestDialogs::movingFolderKeepsLastFileAndPreview()
{
    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("a/red.bmp"), Qt::red);
    pictures.picture(QStringLiteral("b/blue.bmp"), Qt::blue);
    QVERIFY(openGameSettingAt(pictures.folder(QStringLiteral("a"))));

    ui::Form2 &dialog = ui::form2();
    dialog.File1->clickFile(QStringLiteral("red.bmp"));
    dialog.Dir1->setPath(pictures.folder(QStringLiteral("b")));
    QCOMPARE(dialog.File1->path(), pictures.folder(QStringLiteral("b")));
    QCOMPARE(dialog.File1->fileName(), QString());
    QCOMPARE(dialog.SelectedPath, red);
    QVERIFY(dialogtest::isUniformly(dialog.Picture1->image(), Qt::red));

    click(dialog.Image1);
    QCOMPARE(QString::fromStdString(engine::game().ImagePath), red);
    QCOMPARE(int(engine::game().CellCount), 25);
}

void TestDialogs::cancelAfterMovingGridSideBuildsNothingButNextBuildUsesIt()
{
    PictureFolder pictures;
    pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));
    QCOMPARE(ui::form1().board().cellControls(), 25);

    ui::form1().arrange_Click();
    ui::Form2 &dialog = ui::form2();
    dialog.VScroll1->setValue(3);
    click(dialog.Image2);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(engine::game().CellCount), 25);
    QCOMPARE(ui::form1().board().cellControls(), 25);

    // Reopening shows the moved value; the option dialog's OK then builds with it.
    ui::form1().arrange_Click();
    QCOMPARE(dialog.VScroll1->value(), 3);
    QCOMPARE(dialog.Label2->caption(), QStringLiteral("9"));
    click(dialog.Image2);
    ui::form1().Option_Click();
    script().then(MsgBoxAnswer::Yes);
    click(ui::form6().Image1);
    QCOMPARE(int(engine::game().CellCount), 9);
    QCOMPARE(ui::form1().board().cellControls(), 9);
    QCOMPARE(script().prompts(), QStringList{InitialiseQuestion});
}

void TestDialogs::unreadableFileIsNamedAndPreviousPictureKept_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");

    QTest::newRow("text named like a photograph") << "text"
                                                  << "x.jpg";
    QTest::newRow("photograph cut short") << "cut"
                                          << "half.jpg";
    QTest::newRow("empty bitmap") << "empty"
                                  << "nothing.bmp";
}

// A file that is no picture after all used to end the program. Now the player is told
// which file and why, and the previous choice and its preview stay.
void TestDialogs::unreadableFileIsNamedAndPreviousPictureKept()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);

    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    if (kind == QLatin1String("text"))
        pictures.damaged(name);
    else if (kind == QLatin1String("cut"))
        pictures.cutShortJpeg(name);
    else
        pictures.empty(name);
    QVERIFY(openGameSettingAt(pictures.path()));

    ui::Form2 &dialog = ui::form2();
    dialog.File1->clickFile(QStringLiteral("red.bmp"));
    dialog.File1->clickFile(name);

    QCOMPARE(script().asked.size(), 1);
    const platform::MessageBoxRequest &message = script().asked.first();
    QVERIFY2(message.prompt.contains(name), qPrintable(message.prompt));
    QCOMPARE(message.style, platform::MsgBoxStyle::Exclamation);
    QCOMPARE(message.title, LoadError);
    // The prompt names the file and gives a reason on a line of its own.
    QVERIFY(message.prompt.split(QStringLiteral("\r\n")).size() >= 3);
    QCOMPARE(dialog.SelectedPath, red);
    QVERIFY(dialogtest::isUniformly(dialog.Picture1->image(), Qt::red));
    QVERIFY(!platform::programEnding());
    QVERIFY(dialog.isVisible());
}

void TestDialogs::okWithoutPictureAsksForOneAndStaysOpen()
{
    QVERIFY(openMainWindow());
    ui::form1().arrange_Click();
    click(ui::form2().Image1);

    QCOMPARE(script().prompts(), QStringList{NoPicturePrompt});
    QCOMPARE(script().asked.first().title, LoadError);
    QVERIFY(ui::form2().isVisible());
    QVERIFY(engine::game().ImagePath.empty());
    QCOMPARE(int(engine::game().CellCount), 0);
    // The menu items open up all the same; the mode commands report the missing picture.
    QVERIFY(ui::form1().play->isEnabled());
    QVERIFY(ui::form1().pazzl->isEnabled());
    QVERIFY(ui::form1().Option->isEnabled());
}

void TestDialogs::okBuildsBoardAndEnablesMenuItems()
{
    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(openGameSettingAt(pictures.path()));
    QVERIFY(!ui::form1().play->isEnabled());
    QVERIFY(!ui::form1().Option->isEnabled());

    ui::Form2 &dialog = ui::form2();
    dialog.VScroll1->setValue(4);
    dialog.File1->clickFile(QStringLiteral("red.bmp"));
    click(dialog.Image1);

    QVERIFY(script().asked.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(QString::fromStdString(engine::game().ImagePath), red);
    QCOMPARE(int(engine::game().CellCount), 16);
    QCOMPARE(int(engine::game().GameMode), engine::Mode::None);
    QVERIFY(ui::form1().play->isEnabled());
    QVERIFY(ui::form1().pazzl->isEnabled());
    QVERIFY(ui::form1().Option->isEnabled());
}

// A picture that cannot be built any more (deleted after its preview) is reported by
// the build and leaves the picture in use as it was.
void TestDialogs::pictureGoneBeforeOkKeepsPictureInUse()
{
    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    const QString blue = pictures.picture(QStringLiteral("blue.bmp"), Qt::blue);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));

    ui::form1().arrange_Click();
    ui::Form2 &dialog = ui::form2();
    dialog.File1->clickFile(QStringLiteral("blue.bmp"));
    QCOMPARE(dialog.SelectedPath, blue);
    QVERIFY(QFile::remove(blue));
    click(dialog.Image1);

    QCOMPARE(script().asked.size(), 1);
    QCOMPARE(QString::fromStdString(engine::game().ImagePath), red);
    QCOMPARE(int(engine::game().CellCount), 25);
    QVERIFY(!platform::programEnding());
}

void TestDialogs::choosingReadableDriveMovesFolderAndFiles()
{
    PictureFolder pictures;
    const QString volume = pictures.folder(QStringLiteral("volume"));
    pictures.picture(QStringLiteral("volume/red.bmp"), Qt::red);
    ui::Form2 &dialog = ui::form2();

    dialog.Drive1->addItem(QStringLiteral("volume"), volume);
    dialog.Drive1->setCurrentIndex(dialog.Drive1->count() - 1);

    QCOMPARE(dialog.Drive1->drive(), volume);
    QCOMPARE(dialog.Dir1->path(), volume);
    QCOMPARE(dialog.File1->path(), volume);
    QCOMPARE(dialog.File1->count(), 1);
    QVERIFY(script().asked.isEmpty());
}

// The error trap of the drive list: a volume that cannot be read sends the list back to
// the drive the directory list still shows, and the player sees no message.
void TestDialogs::unreadableDriveReturnsWithoutMessage()
{
    PictureFolder pictures;
    const QString folder = pictures.folder(QStringLiteral("here"));
    ui::Form2 &dialog = ui::form2();
    dialog.Drive1->setDrive(folder);
    dialog.Dir1->setPath(folder);
    const QString drive = dialog.Drive1->drive();
    const int index = dialog.Drive1->currentIndex();

    dialog.Drive1->addItem(QStringLiteral("gone"), QStringLiteral("/nonexistent-tovik2-volume"));
    dialog.Drive1->setCurrentIndex(dialog.Drive1->count() - 1);

    QCOMPARE(dialog.Drive1->currentIndex(), index);
    QCOMPARE(dialog.Drive1->drive(), drive);
    QCOMPARE(dialog.Dir1->path(), folder);
    QCOMPARE(dialog.File1->path(), folder);
    QVERIFY(script().asked.isEmpty());
    QVERIFY(!platform::programEnding());
}

void TestDialogs::closeBoxHidesGameSettingAndKeepsSettings()
{
    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(openGameSettingAt(pictures.path()));
    ui::Form2 &dialog = ui::form2();
    dialog.File1->clickFile(QStringLiteral("red.bmp"));
    dialog.VScroll1->setValue(7);
    dialog.Option5->setChecked(true);
    dialog.Check1->setChecked(false);

    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(ui::form2Exists());

    ui::form1().arrange_Click();
    QCOMPARE(&ui::form2(), &dialog);
    QCOMPARE(dialog.VScroll1->value(), 7);
    QCOMPARE(dialog.Label2->caption(), QStringLiteral("49"));
    QVERIFY(!dialog.wholePicture());
    QVERIFY(!dialog.Check1->isChecked());
    QCOMPARE(dialog.SelectedPath, red);
}

// The picture in use was deleted after it was chosen: the dialog still opens, with an
// empty preview, and the program goes on.
void TestDialogs::gameSettingWithDeletedPictureShowsEmptyPreview()
{
    PictureFolder pictures;
    const QString red = pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));
    QVERIFY(QFile::remove(red));

    ui::form1().arrange_Click();
    QVERIFY(ui::form2().isVisible());
    QVERIFY(dialogtest::isUniformly(ui::form2().Picture1->image(), windowColour()));
    QVERIFY(script().asked.isEmpty());
    QVERIFY(!platform::programEnding());
}

// --- Option dialog -----------------------------------------------------------------

void TestDialogs::ruleCheck_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("default plus") << DefaultRule << true;
    QTest::newRow("centre only") << ".../.#./..." << false;
    QTest::newRow("one corner") << "#../.../..." << false;
    QTest::newRow("last box only") << ".../.../..#" << false;
    QTest::newRow("two corners") << "#../.../..#" << true;
    QTest::newRow("two side by side") << ".../.##/..." << true;
    QTest::newRow("cross of corners") << "#.#/.#./#.#" << true;
    QTest::newRow("all nine") << "###/###/###" << true;
    QTest::newRow("all white") << ".../.../..." << false;
}

// A rule must flip at least two cells: a single red box, or none, is refused with a
// message and nothing is stored.
void TestDialogs::ruleCheck()
{
    QFETCH(QString, pattern);
    QFETCH(bool, accepted);

    PictureFolder pictures;
    pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));
    engine::game().CellState(1) = false; // a fresh build would turn it the right way
    ui::form1().Option_Click();
    setEditor(dialogtest::rulePattern(pattern));
    script().then(MsgBoxAnswer::Yes);
    click(ui::form6().Image1);

    QCOMPARE(script().asked.first().prompt, InitialiseQuestion);
    QCOMPARE(script().asked.first().style, platform::MsgBoxStyle::YesNo);
    QCOMPARE(script().asked.first().title, Caution);
    if (accepted) {
        QCOMPARE(script().asked.size(), 1);
        QCOMPARE(ruleText(storedRule()), ruleText(dialogtest::rulePattern(pattern)));
        QVERIFY(!ui::form6().isVisible());
        QCOMPARE(int(engine::game().GameMode), engine::Mode::Normal);
        QVERIFY(engine::game().CellState(1));
        QCOMPARE(int(engine::game().CellCount), 25);
    } else {
        QCOMPARE(script().prompts(), (QStringList{InitialiseQuestion, SetFlipPlaces}));
        QCOMPARE(script().asked.at(1).style, platform::MsgBoxStyle::CancelTryContinue);
        QCOMPARE(script().asked.at(1).title, Caution);
        QCOMPARE(ruleText(storedRule()), ruleText(dialogtest::rulePattern(DefaultRule)));
        QVERIFY(ui::form6().isVisible());
        QCOMPARE(int(engine::game().GameMode), engine::Mode::None);
        QVERIFY(!engine::game().CellState(1));
    }
}

void TestDialogs::declinedConfirmationStoresNothing()
{
    QVERIFY(openMainWindow());
    ui::form1().Option_Click();
    ui::Form6 &dialog = ui::form6();
    click(dialog.Picture2[0]);
    dialog.VScroll1->setValue(540);
    script().then(MsgBoxAnswer::No);
    click(dialog.Image1);

    QCOMPARE(script().prompts(), QStringList{InitialiseQuestion});
    QCOMPARE(int(engine::game().MsgAnswer), MsgBoxAnswer::No);
    QCOMPARE(ruleText(storedRule()), ruleText(dialogtest::rulePattern(DefaultRule)));
    QCOMPARE(QString::fromStdString(engine::game().CellSize), QStringLiteral("495"));
    QCOMPARE(ui::form1().board().templateCellWidth(), 495.0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(int(engine::game().GameMode), engine::Mode::None);
}

void TestDialogs::editorBoxToggles_data()
{
    QTest::addColumn<uint>("before");
    QTest::addColumn<uint>("after");

    QTest::newRow("red turns white") << 255u << 16777215u;
    QTest::newRow("white turns red") << 16777215u << 255u;
    QTest::newRow("window colour turns red") << 0x80000005u << 255u;
    QTest::newRow("green turns red") << 0x00FF00u << 255u;
}

void TestDialogs::editorBoxToggles()
{
    QFETCH(uint, before);
    QFETCH(uint, after);

    ui::Form6 &dialog = ui::form6();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    platform::PictureBox *box = dialog.Picture2[3];
    box->setBackColor(before);
    click(box);
    QCOMPARE(box->backColor(), platform::ColorValue(after));
    QVERIFY(dialogtest::isUniformly(box->image(), platform::toQColor(after)));
    // Only the clicked box changes.
    QCOMPARE(dialog.Picture2[4]->backColor(), platform::ColorValue(16777215));
}

void TestDialogs::arrowStepsOfFifteenGiveCells540TwipsWide()
{
    PictureFolder pictures;
    pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));
    ui::form1().Option_Click();
    ui::Form6 &dialog = ui::form6();
    QScrollBar *bar = dialog.VScroll1->bar();
    QCOMPARE(dialog.VScroll1->value(), 495);

    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(dialog.VScroll1->value(), 990);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(dialog.VScroll1->value(), 495);
    for (int step = 0; step < 3; ++step)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(dialog.VScroll1->value(), 540);
    QCOMPARE(dialog.Picture1->size(), QSize(36, 36));

    script().then(MsgBoxAnswer::Yes);
    click(dialog.Image1);

    QCOMPARE(script().prompts(), QStringList{InitialiseQuestion});
    QCOMPARE(QString::fromStdString(engine::game().CellSize), QStringLiteral("540"));
    board::Board &board = ui::form1().board();
    QCOMPARE(board.templateCellWidth(), 540.0);
    QCOMPARE(board.templateCellHeight(), 540.0);
    QCOMPARE(int(engine::game().CellCount), 25);
    for (int i = 0; i < 25; ++i)
        QCOMPARE(board.Picture1(i)->size(), QSize(36, 36));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(engine::game().GameMode), engine::Mode::Normal);
}

// The sample box shows the photograph at its own size from the top-left corner; a
// bigger cell size uncovers more of it rather than stretching it.
void TestDialogs::sampleBoxShowsPhotographUnscaled()
{
    const QImage sample(QStringLiteral(":/pictures/sample.jpg"));
    QVERIFY(!sample.isNull());
    QVERIFY(openMainWindow());
    ui::form1().Option_Click();
    ui::Form6 &dialog = ui::form6();
    dialog.VScroll1->setValue(990);

    const QImage shown = dialog.Picture1->image();
    QCOMPARE(shown.size(), QSize(64, 64)); // 66 pixels less the frame
    for (const QPoint at : {QPoint(0, 0), QPoint(20, 30), QPoint(63, 63)})
        QCOMPARE(shown.pixelColor(at), sample.convertToFormat(QImage::Format_RGB32).pixelColor(at));
}

void TestDialogs::cancelStoresNothingAndNextOptionShowsStoredRule()
{
    PictureFolder pictures;
    pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));
    ui::form1().Option_Click();
    ui::Form6 &dialog = ui::form6();
    click(dialog.Picture2[0]);
    click(dialog.Picture2[4]);
    dialog.VScroll1->bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    click(dialog.Image2);

    QVERIFY(!dialog.isVisible());
    QVERIFY(script().asked.isEmpty());
    QCOMPARE(ruleText(storedRule()), ruleText(dialogtest::rulePattern(DefaultRule)));
    QCOMPARE(QString::fromStdString(engine::game().CellSize), QStringLiteral("495"));
    QCOMPARE(ui::form1().board().templateCellWidth(), 495.0);

    ui::form1().Option_Click();
    QCOMPARE(ruleText(editorRule()), ruleText(dialogtest::rulePattern(DefaultRule)));
    QCOMPARE(dialog.VScroll1->value(), 495);

    // A rule that was stored is what the next opening shows.
    setEditor(dialogtest::rulePattern(QStringLiteral("#.#/.#./#.#")));
    script().then(MsgBoxAnswer::Yes);
    click(dialog.Image1);
    setEditor(dialogtest::rulePattern(QStringLiteral(".../.../...")));
    ui::form1().Option_Click();
    QCOMPARE(ruleText(editorRule()),
             ruleText(dialogtest::rulePattern(QStringLiteral("#.#/.#./#.#"))));
}

// While a puzzle is being created (frames on, cells not taking clicks) OK stores the
// rule and the size and resizes cell 0, but leaves the board alone.
void TestDialogs::okDuringCreationStoresButDoesNotRebuild()
{
    PictureFolder pictures;
    pictures.picture(QStringLiteral("red.bmp"), Qt::red);
    QVERIFY(buildBoardFrom(pictures.path(), QStringLiteral("red.bmp")));
    board::Board &board = ui::form1().board();
    board.setCellBorders(1);
    engine::game().BoardActive = false;
    engine::game().CellState(1) = false;

    ui::form1().Option_Click();
    setEditor(dialogtest::rulePattern(QStringLiteral("#.#/.#./#.#")));
    ui::form6().VScroll1->setValue(600);
    script().then(MsgBoxAnswer::Yes);
    click(ui::form6().Image1);

    QCOMPARE(script().prompts(), QStringList{InitialiseQuestion});
    QCOMPARE(ruleText(storedRule()),
             ruleText(dialogtest::rulePattern(QStringLiteral("#.#/.#./#.#"))));
    QCOMPARE(QString::fromStdString(engine::game().CellSize), QStringLiteral("600"));
    QCOMPARE(board.templateCellWidth(), 600.0);
    QCOMPARE(board.Picture1(0)->size(), QSize(40, 40));
    QCOMPARE(board.Picture1(1)->size(), QSize(33, 33));
    QVERIFY(!engine::game().CellState(1));
    QCOMPARE(board.cellControls(), 25);
    QVERIFY(!ui::form6().isVisible());
    QCOMPARE(int(engine::game().GameMode), engine::Mode::Normal);
}

void TestDialogs::okWithoutPictureStillStoresSettings()
{
    QVERIFY(openMainWindow());
    ui::form1().Option_Click();
    ui::form6().VScroll1->setValue(540);
    setEditor(dialogtest::rulePattern(QStringLiteral("###/.../...")));
    script().then(MsgBoxAnswer::Yes);
    click(ui::form6().Image1);

    QCOMPARE(script().prompts(), (QStringList{InitialiseQuestion, NoPicturePrompt}));
    QCOMPARE(QString::fromStdString(engine::game().CellSize), QStringLiteral("540"));
    QCOMPARE(ruleText(storedRule()),
             ruleText(dialogtest::rulePattern(QStringLiteral("###/.../..."))));
    QCOMPARE(int(engine::game().CellCount), 0);
    QVERIFY(!ui::form6().isVisible());
    QCOMPARE(int(engine::game().GameMode), engine::Mode::Normal);
}

void TestDialogs::closeBoxHidesOption()
{
    QVERIFY(openMainWindow());
    ui::form1().Option_Click();
    ui::Form6 &dialog = ui::form6();
    dialog.close();
    QVERIFY(!dialog.isVisible());
    QVERIFY(ui::form6Exists());
    ui::form1().Option_Click();
    QCOMPARE(&ui::form6(), &dialog);
    QVERIFY(dialog.isVisible());
}

// --- About window --------------------------------------------------------------------

void TestDialogs::aboutTitleNamesTheVersion()
{
    const QStringList lines = ui::Form3::titleText().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), QStringLiteral("TOVIK2 var3.0."));
    QVERIFY(!lines.last().trimmed().isEmpty());
    QCOMPARE(ui::form3().Label1->caption(), ui::Form3::titleText());
    QVERIFY(!ui::form3().Label1->text().contains(QLatin1Char('\r')));
}

void TestDialogs::aboutHistoryIsTheTwentyNineLines()
{
    const QStringList expected = {
        QStringLiteral("Version history"),
        QString(),
        QStringLiteral(" Tovik2 2.9"),
        QStringLiteral(" * 画像表示処理高速化"),
        QStringLiteral(" * フォーム自動調整機能調整"),
        QStringLiteral(" * モードを変更時に起こるバグ修正"),
        QStringLiteral(" * 反転規則変更をOptionに追加"),
        QString(),
        QStringLiteral(" Tovik2 2.5"),
        QStringLiteral(" * 画像読み込み時のバグ修正"),
        QStringLiteral(" * フォーム自動調整機能追加"),
        QStringLiteral(" * 読み込める画像の種類追加"),
        QStringLiteral(" * 進行状況バー追加"),
        QString(),
        QStringLiteral(" Tovik2 2.0"),
        QStringLiteral(" * 問題作成時のメモリー占領を修正"),
        QStringLiteral(" * マスの幅を設定できるようにする。"),
        QStringLiteral(" * プログラムを簡略化"),
        QString(),
        QStringLiteral(" Tovik2 1.5"),
        QStringLiteral(" * 画像の自動拡大縮小機能追加"),
        QStringLiteral(" * 難易度の設定を追加"),
        QString(),
        QStringLiteral(" Tovik2 1.2"),
        QStringLiteral(" * 画像読み込み機能作成"),
        QStringLiteral(" * ボタン選択時のバグ修正"),
        QString(),
        QStringLiteral(" Tovik2 1.0"),
        QStringLiteral(" * プログラムの基本動作作成"),
    };
    const QString history = ui::Form3::historyText();
    QCOMPARE(history.split(QStringLiteral("\r\n")), expected);
    QVERIFY(history.endsWith(QStringLiteral(" * プログラムの基本動作作成")));
    QCOMPARE(history.count(QLatin1Char('\n')), 28);
    QCOMPARE(history.count(QLatin1Char('\r')), 28);
    QCOMPARE(ui::form3().Label2->caption(), history);
}

void TestDialogs::aboutHistoryScrollsWithScrollBar_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("top");

    QTest::newRow("top end") << 0 << 0;
    QTest::newRow("one step down") << -50 << -3;
    QTest::newRow("half way") << -2250 << -150;
    QTest::newRow("bottom end") << -4500 << -300;
}

void TestDialogs::aboutHistoryScrollsWithScrollBar()
{
    QFETCH(int, value);
    QFETCH(int, top);

    ui::Form3 &about = ui::form3();
    about.VScroll1->setValue(-1000); // from elsewhere, so every row is a change
    about.VScroll1->setValue(value);
    QCOMPARE(about.Label2->y(), top);
    QCOMPARE(about.Label2->x(), 0);
    QCOMPARE(about.Label2->height(), pixelsOf(0, 0, 3135, 5500).height());
}

void TestDialogs::aboutScrollStepsAreFifty()
{
    ui::Form3 &about = ui::form3();
    QScrollBar *bar = about.VScroll1->bar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(about.VScroll1->value(), -50);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(about.VScroll1->value(), -100);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(about.VScroll1->value(), -4500);
    QCOMPARE(about.Label2->y(), -300);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(about.VScroll1->value(), -4500);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(about.VScroll1->value(), 0);
    QCOMPARE(about.Label2->y(), 0);
}

// The history's lines are laid out at the pitch its label and scroll range were made
// for: with the face's wider spacing the last versions fell below the label's end,
// where no scroll position reached them.
void TestDialogs::aboutHistoryEndsWhereBottomPositionShowsIt()
{
    ui::Form3 &about = ui::form3();
    const QImage label = about.Label2->grab().toImage();
    int lastTextRow = -1;
    for (int y = 0; y < label.height(); ++y) {
        for (int x = 0; x < label.width(); ++x) {
            if (label.pixelColor(x, y).lightness() < 128) {
                lastTextRow = y;
                break;
            }
        }
    }
    const int viewport = about.Picture1->height();
    QVERIFY2(lastTextRow >= 300 && lastTextRow < 300 + viewport,
             qPrintable(QStringLiteral("last text row %1").arg(lastTextRow)));
}

void TestDialogs::okHidesAboutAndKeepsScrollPosition()
{
    QVERIFY(openMainWindow());
    ui::form1().about_Click();
    QPointer<ui::Form3> about = &ui::form3();
    QVERIFY(QTest::qWaitForWindowExposed(about.data()));
    about->VScroll1->setValue(-4500);
    click(about->Image2);
    QVERIFY(!about->isVisible());
    QVERIFY(ui::form3Exists());

    ui::form1().about_Click();
    QCOMPARE(&ui::form3(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(about->VScroll1->value(), -4500);
    QCOMPARE(about->Label2->y(), -300);
}

void TestDialogs::closeBoxDestroysAboutAndNextOpensAtTop()
{
    QVERIFY(openMainWindow());
    ui::form1().about_Click();
    QPointer<ui::Form3> closed = &ui::form3();
    QVERIFY(QTest::qWaitForWindowExposed(closed.data()));
    closed->VScroll1->setValue(-4500);
    closed->close();
    QVERIFY(!ui::form3Exists());
    QTRY_VERIFY(closed.isNull());

    ui::form1().about_Click();
    ui::Form3 &fresh = ui::form3();
    QVERIFY(fresh.isVisible());
    QCOMPARE(fresh.VScroll1->value(), 0);
    QCOMPARE(fresh.Label2->y(), 0);
    QCOMPARE(fresh.Label2->caption(), ui::Form3::historyText());
    QVERIFY(!platform::programEnding());
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
