// The start-up hand-over and the layouts of the main window, the splash window and
// the progress window, checked on the real windows against the values of the layout
// tables. Every expected length is the table's value in twips; a control's pixel
// geometry must be that value divided by 15, rounded.

#include <QAction>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "board.h"
#include "events.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "forms.h"
#include "gamedriver.h"
#include "gamestate.h"
#include "label.h"
#include "messagescript.h"
#include "picturebox.h"

using namespace gamedriver;

namespace {

int pixels(double twips)
{
    return qRound(twips / 15.0);
}

QRect pixelRect(double left, double top, double width, double height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

QWidget *layoutControl(const QString &name)
{
    if (name == QLatin1String("Form1.Label1"))
        return ui::form1().Label1;
    if (name == QLatin1String("Form4.Image1"))
        return ui::form4().Image1;
    if (name == QLatin1String("Form5.Label1"))
        return ui::form5().Label1;
    if (name == QLatin1String("Form5.ProgressBar1"))
        return ui::form5().ProgressBar1;
    return nullptr;
}

// The surface that is a window's client area.
platform::PictureBox *clientArea(const QString &window)
{
    if (window == QLatin1String("Form1"))
        return ui::form1().client();
    if (window == QLatin1String("Form4"))
        return &ui::form4();
    if (window == QLatin1String("Form5"))
        return &ui::form5();
    return nullptr;
}

} // namespace

class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFreshGame(); }
    void cleanup() { ui::destroyForms(); }

    void mainGivesTheDefaultsAndShowsTheSplash();
    void firstTickShowsMainWindowAndStopsTheTimer();
    void realTimerHandsOverAfterOneSecondAndNeverAgain();

    void clientAreasHaveTheirLaidOutSize_data();
    void clientAreasHaveTheirLaidOutSize();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void firstCellIsAHiddenFramelessTemplate();
    void taskLabelStartsHiddenWithItsCaption();
    void mainWindowOpensCentredWithTitleAndNoMaximiseButton();
    void mainWindowTooNarrowForItsMenuComesBackWider();
    void splashAndProgressWindowsHaveNoTitleBar();
    void progressWindowShowsItsCaption();

    void menuItemsHaveCaptionShortcutAndInitialState_data();
    void menuItemsHaveCaptionShortcutAndInitialState();
    void menuBarHoldsFileToolsHelpInOrder();
    void shortcutsAtStartOnlyOpenSettingsOrAskToQuit_data();
    void shortcutsAtStartOnlyOpenSettingsOrAskToQuit();

    void fontsHaveJapaneseGlyphsAtTheLaidOutSize_data();
    void fontsHaveJapaneseGlyphsAtTheLaidOutSize();

    void everyWindowExistsOnce();
    void aboutWindowClosedByItsCloseBoxIsMadeAfresh();
};

void TestLayouts::mainGivesTheDefaultsAndShowsTheSplash()
{
    const engine::GameState &g = engine::game();
    const QList<int> set = {1, 3, 4, 5, 7};
    for (int i = 0; i <= 8; ++i)
        QCOMPARE(g.FlipRule(i), set.contains(i));
    QCOMPARE(g.CellSize, std::string("495"));
    QCOMPARE(int(g.GameMode), 0);
    QCOMPARE(int(g.CellCount), 0);
    QVERIFY(g.CellState.empty());
    QVERIFY(ui::form4().isVisible());
    QVERIFY(ui::form4().Timer1->isActive());
    QCOMPARE(ui::form4().Timer1->interval(), 1000);
    QVERIFY(!ui::form1().isVisible());
}

void TestLayouts::firstTickShowsMainWindowAndStopsTheTimer()
{
    ui::Form4 &splash = ui::form4();
    splash.Timer1_Timer();
    QCOMPARE(splash.SplashTicks, 1);
    QVERIFY(ui::form1().isVisible());
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.Timer1->isActive());
    // No board yet: drawing it drew nothing and made no cells.
    QCOMPARE(theBoard().cellControls(), 1);
    QVERIFY(!theBoard().Picture1(0)->isVisible());
}

void TestLayouts::realTimerHandsOverAfterOneSecondAndNeverAgain()
{
    QElapsedTimer clock;
    clock.start();
    QTRY_VERIFY_WITH_TIMEOUT(ui::form1().isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!ui::form4().isVisible());
    QCOMPARE(ui::form4().SplashTicks, 1);
    // Long enough for another tick, had the timer kept running.
    QTest::qWait(1300);
    QCOMPARE(ui::form4().SplashTicks, 1);
    QVERIFY(!ui::form4().Timer1->isActive());
}

void TestLayouts::clientAreasHaveTheirLaidOutSize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("Form1 main window") << "Form1" << 3105.0 << 2310.0;
    QTest::newRow("Form4 splash window") << "Form4" << 4680.0 << 2805.0;
    QTest::newRow("Form5 progress window") << "Form5" << 2850.0 << 1020.0;
}

void TestLayouts::clientAreasHaveTheirLaidOutSize()
{
    QFETCH(QString, window);
    QFETCH(double, width);
    QFETCH(double, height);
    QVERIFY(openMainWindow());
    platform::PictureBox *client = clientArea(window);
    QVERIFY(client);
    QCOMPARE(client->ScaleWidth(), width);
    QCOMPARE(client->ScaleHeight(), height);
    if (client->borderStyle() == 0)
        QCOMPARE(client->size(), QSize(pixels(width), pixels(height)));
}

void TestLayouts::controlsSitWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("control");
    // Where the client area starts inside the window, in twips: the progress window's
    // one-pixel border.
    QTest::addColumn<double>("clientOffset");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("Form1 Label1") << "Form1.Label1" << 0.0 << 1560.0 << 120.0 << 2415.0 << 1455.0;
    QTest::newRow("Form4 Image1") << "Form4.Image1" << 0.0 << 0.0 << 0.0 << 4770.0 << 2790.0;
    QTest::newRow("Form5 Label1") << "Form5.Label1" << 15.0 << 240.0 << 120.0 << 2295.0 << 375.0;
    QTest::newRow("Form5 ProgressBar1")
        << "Form5.ProgressBar1" << 15.0 << 120.0 << 600.0 << 2535.0 << 375.0;
}

void TestLayouts::controlsSitWhereTheLayoutPutsThem()
{
    QFETCH(QString, control);
    QFETCH(double, clientOffset);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, width);
    QFETCH(double, height);
    QWidget *widget = layoutControl(control);
    QVERIFY(widget);
    QCOMPARE(
        widget->geometry(),
        pixelRect(left, top, width, height).translated(pixels(clientOffset), pixels(clientOffset)));
}

void TestLayouts::firstCellIsAHiddenFramelessTemplate()
{
    QVERIFY(openMainWindow());
    platform::PictureBox *first = theBoard().Picture1(0);
    QCOMPARE(theBoard().cellLeft(0), 0.0);
    QCOMPARE(theBoard().cellTop(0), 480.0);
    QCOMPARE(first->size(), QSize(pixels(495), pixels(495)));
    QCOMPARE(first->y(), pixels(480));
    QVERIFY(!first->isVisible());
    QCOMPARE(first->borderStyle(), 0);
    QCOMPARE(first->parentWidget(), ui::form1().client());
}

void TestLayouts::taskLabelStartsHiddenWithItsCaption()
{
    QVERIFY(openMainWindow());
    platform::Label *label = ui::form1().Label1;
    QVERIFY(!label->isVisible());
    QCOMPARE(label->caption(), QStringLiteral("Label1"));
    QVERIFY(label->wordWrap());
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(label->backgroundRole()), QColor(Qt::white));
    QCOMPARE(label->parentWidget(), ui::form1().client());
}

void TestLayouts::mainWindowOpensCentredWithTitleAndNoMaximiseButton()
{
    QVERIFY(openMainWindow());
    ui::Form1 &main = ui::form1();
    QCOMPARE(main.windowTitle(), QStringLiteral("Tovik2"));
    QVERIFY(!main.windowIcon().isNull());
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(main.client()->backColor(), platform::ScrollBarColor);
    // Width and Height are the window's own size: the client plus the menu bar.
    QCOMPARE(main.Width(), 3105.0);
    QCOMPARE(main.Height(), 2310.0 + 15.0 * main.menuBar()->height());
    const QPoint screenCentre = main.screen()->availableGeometry().center();
    const QPoint offCentre = main.frameGeometry().center() - screenCentre;
    QVERIFY2(offCentre.manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestLayouts::mainWindowTooNarrowForItsMenuComesBackWider()
{
    QVERIFY(openMainWindow());
    ui::Form1 &main = ui::form1();
    main.setWidth(150);
    QVERIFY(main.Width() > 150);
    QCOMPARE(main.Width(), 15.0 * main.width());
    // Every menu title stays in view.
    QMenuBar *bar = main.menuBar();
    for (QAction *menu : bar->actions())
        QVERIFY(bar->actionGeometry(menu).right() < bar->width());
    main.setWidth(4500);
    QCOMPARE(main.Width(), 4500.0);
    QCOMPARE(main.client()->width(), 300);
}

void TestLayouts::splashAndProgressWindowsHaveNoTitleBar()
{
    QVERIFY(ui::form4().windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(ui::form5().windowFlags() & Qt::FramelessWindowHint);
    // The splash shows the title picture at its own size, cut off on the right.
    QCOMPARE(ui::form4().Image1->pixmap().size(), QSize(318, 186));
    QVERIFY(ui::form4().Image1->hasScaledContents());
    QVERIFY(ui::form4().Image1->width() > ui::form4().width());
}

void TestLayouts::progressWindowShowsItsCaption()
{
    board::Form5 &progress = ui::form5();
    QCOMPARE(progress.Label1->caption(), QStringLiteral("問題作成中"));
    QCOMPARE(progress.ProgressBar1->minimum(), 0);
    QCOMPARE(progress.ProgressBar1->maximum(), 100);
    QVERIFY(!progress.isVisible());
}

void TestLayouts::menuItemsHaveCaptionShortcutAndInitialState_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("GameSetting") << "file"
                                 << "arrange"
                                 << "GameSetting" << QKeySequence(Qt::Key_F1) << true;
    QTest::newRow("NormalMode") << "file"
                                << "play"
                                << "NormalMode" << QKeySequence(Qt::Key_F2) << false;
    QTest::newRow("PazzlMode") << "file"
                               << "pazzl"
                               << "PazzlMode" << QKeySequence(Qt::Key_F3) << false;
    QTest::newRow("EndGmae") << "file"
                             << "END"
                             << "EndGmae" << QKeySequence(Qt::Key_F4) << true;
    QTest::newRow("Option") << "tools"
                            << "Option"
                            << "Option" << QKeySequence() << false;
    QTest::newRow("Web page") << "help"
                              << "web"
                              << "Web page" << QKeySequence() << true;
    QTest::newRow("About...") << "help"
                              << "about"
                              << "About..." << QKeySequence() << true;
}

void TestLayouts::menuItemsHaveCaptionShortcutAndInitialState()
{
    QFETCH(QString, menu);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);
    QVERIFY(openMainWindow());
    auto *submenu = ui::form1().menuBar()->findChild<QMenu *>(menu);
    QVERIFY(submenu);
    QAction *item = nullptr;
    for (QAction *action : submenu->actions()) {
        if (action->objectName() == name)
            item = action;
    }
    QVERIFY2(item, qPrintable(name + QStringLiteral(" is not in ") + menu));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->isEnabled(), enabled);
}

void TestLayouts::menuBarHoldsFileToolsHelpInOrder()
{
    QStringList titles;
    QStringList names;
    for (QAction *action : ui::form1().menuBar()->actions()) {
        titles.append(action->text());
        names.append(action->menu()->objectName());
    }
    QCOMPARE(titles, (QStringList{"File", "Tools", "Help"}));
    QCOMPARE(names, (QStringList{"file", "tools", "help"}));

    QStringList fileItems;
    for (QAction *action : ui::form1().menuBar()->findChild<QMenu *>("file")->actions())
        fileItems.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(fileItems, (QStringList{"GameSetting", "NormalMode", "PazzlMode", "-", "EndGmae"}));
}

void TestLayouts::shortcutsAtStartOnlyOpenSettingsOrAskToQuit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<bool>("settingsShown");
    QTest::newRow("F1 opens the game setting dialog") << int(Qt::Key_F1) << QStringList() << true;
    QTest::newRow("F2 does nothing yet") << int(Qt::Key_F2) << QStringList() << false;
    QTest::newRow("F3 does nothing yet") << int(Qt::Key_F3) << QStringList() << false;
    QTest::newRow("F4 asks whether to quit")
        << int(Qt::Key_F4) << QStringList{"終了しますか？"} << false;
}

void TestLayouts::shortcutsAtStartOnlyOpenSettingsOrAskToQuit()
{
    QFETCH(int, key);
    QFETCH(QStringList, prompts);
    QFETCH(bool, settingsShown);
    QVERIFY(openMainWindow());
    ui::form1().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ui::form1()));

    MessageScript script;
    script.then(platform::MsgBoxAnswer::No);
    QTest::keyClick(&ui::form1(), Qt::Key(key));
    QCOMPARE(script.prompts(), prompts);
    QCOMPARE(ui::form2().isVisible(), settingsShown);
    // Nothing started a game, and quitting was declined.
    QCOMPARE(int(engine::game().GameMode), 0);
    QVERIFY(ui::form1().isVisible());
    QVERIFY(!platform::programEnding());
}

void TestLayouts::fontsHaveJapaneseGlyphsAtTheLaidOutSize_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixelSize"); // points at 96 dots per inch
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("sample");
    QTest::newRow("Form1 window font, ＭＳ 明朝 9 pt") << "Form1.client" << 12 << false << "明朝";
    QTest::newRow("Form1 Label1, ＭＳ ゴシック 11.25 pt bold")
        << "Form1.Label1" << 15 << true << "手残";
    QTest::newRow("Form5 Label1, ＭＳ Ｐゴシック 14.25 pt")
        << "Form5.Label1" << 19 << false << "問題作成中";
}

void TestLayouts::fontsHaveJapaneseGlyphsAtTheLaidOutSize()
{
    QFETCH(QString, control);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QString, sample);
    // Before the main window opens: its load handler gives the client the title's font.
    QWidget *widget =
        control == QLatin1String("Form1.client") ? ui::form1().client() : layoutControl(control);
    QVERIFY(widget);
    const QFontInfo info(widget->font());
    QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Japanese),
             qPrintable(info.family()));
    const QFontMetrics metrics(widget->font());
    for (const QChar glyph : sample)
        QVERIFY2(metrics.inFont(glyph),
                 qPrintable(info.family() + QStringLiteral(" lacks ") + glyph));
    QCOMPARE(info.pixelSize(), pixelSize);
    QCOMPARE(info.bold(), bold);
}

void TestLayouts::everyWindowExistsOnce()
{
    QCOMPARE(&ui::form1(), &ui::form1());
    QCOMPARE(&ui::form2(), &ui::form2());
    QCOMPARE(&ui::form3(), &ui::form3());
    QCOMPARE(&ui::form4(), &ui::form4());
    QCOMPARE(&ui::form5(), &ui::form5());
    QCOMPARE(&ui::form6(), &ui::form6());
    // Top-level windows, created hidden: only the splash is up after start-up.
    for (QWidget *window :
         {static_cast<QWidget *>(&ui::form1()), static_cast<QWidget *>(&ui::form2()),
          static_cast<QWidget *>(&ui::form5()), static_cast<QWidget *>(&ui::form6())}) {
        QVERIFY(window->isWindow());
        QVERIFY(!window->isVisible());
    }
    QVERIFY(ui::form4().isVisible());
}

void TestLayouts::aboutWindowClosedByItsCloseBoxIsMadeAfresh()
{
    QVERIFY(openMainWindow());
    ui::form1().about_Click();
    QPointer<ui::Form3> first = &ui::form3();
    QVERIFY(first->isVisible());
    ui::form1().about_Click();
    QCOMPARE(&ui::form3(), first.data());

    first->close();
    // The closed window is no longer handed out, even before Qt has deleted it.
    QVERIFY(!ui::form3Exists());
    QTRY_VERIFY(first.isNull());
    ui::form1().about_Click();
    QVERIFY(ui::form3Exists());
    QVERIFY(ui::form3().isVisible());
}

QTEST_MAIN(TestLayouts)
#include "test_layouts.moc"
