// The game from the keyboard alone: the cursor on the board, Return and Escape in the
// dialogs, Tab and Space on the pictures and the flip-rule boxes, the About window's
// history and the menu bar, each driven with QTest::keyClick on the real windows.

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "colors.h"
#include "filelists.h"
#include "focusframe.h"
#include "form3.h"
#include "form6.h"
#include "gamedriver.h"
#include "label.h"
#include "messagescript.h"
#include "picturebutton.h"
#include "playmodes.h"
#include "random.h"

using namespace gamedriver;

namespace {

QWidget *boardArea()
{
    return ui::form1().client();
}

board::BoardCursor &cursor()
{
    return ui::form1().boardCursor();
}

// Keys written as letters: L R U D arrows, S Space, E Return.
void press(QWidget *target, const QString &keys)
{
    const QHash<QChar, Qt::Key> named = {{'L', Qt::Key_Left},  {'R', Qt::Key_Right},
                                         {'U', Qt::Key_Up},    {'D', Qt::Key_Down},
                                         {'S', Qt::Key_Space}, {'E', Qt::Key_Return}};
    for (const QChar key : keys)
        QTest::keyClick(target, named.value(key));
}

// Whether the widget shows the colour a few pixels inside its left edge, halfway down.
bool framedIn(QWidget *widget, const QColor &colour, int inset)
{
    const QImage shown = widget->grab().toImage();
    return shown.pixelColor(inset, shown.height() / 2) == colour;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_picture = writePicture(m_folder.path());

    // A normal game on a 3 x 3 board, scrambled from a fixed seed.
    void startNormalGame()
    {
        QVERIFY(buildBoard(m_picture, 3));
        MessageScript script;
        engine::play_Click();
        QVERIFY(engine::game().BoardActive);
    }

private slots:
    void init()
    {
        platform::setSeedSource([] { return std::uint64_t(7); });
        startFreshGame();
        QVERIFY(openMainWindow());
    }
    void cleanup() { ui::destroyForms(); }

    void cursorMovesAndClicksLikeTheMouse_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<int>>("clicked");
        QTest::newRow("first arrow only shows the cursor") << "R" << 0 << QList<int>{};
        QTest::newRow("first Space only shows the cursor") << "S" << 0 << QList<int>{};
        QTest::newRow("arrows stop at the edges") << "RRRRDDDDLU" << 4 << QList<int>{};
        QTest::newRow("Space and Return click the cursor cell")
            << "RDRSLE" << 3 << QList<int>{4, 3};
    }
    void cursorMovesAndClicksLikeTheMouse()
    {
        QFETCH(QString, keys);
        QFETCH(int, position);
        QFETCH(QList<int>, clicked);
        startNormalGame();
        QVERIFY(!cursor().isShown() && cursor().position() == 0);
        QSignalSpy delivered(&ui::form1().board(), &board::Board::cellClicked);
        const QList<int> before = entries(engine::game().CellState);
        press(boardArea(), keys);
        QVERIFY(cursor().isShown());
        QCOMPARE(cursor().position(), position);
        QList<int> delivery;
        for (const QList<QVariant> &click : delivered)
            delivery.append(click.at(0).toInt());
        QCOMPARE(delivery, clicked);
        // The same cells clicked with the mouse undo exactly what the keys did.
        for (int index : clicked)
            clickCell(index);
        QCOMPARE(entries(engine::game().CellState), before);
    }

    // The cursor goes with a click of the mouse, a new game and a new board, and the keys
    // do nothing while no game runs.
    void cursorHidesOnClickNewGameAndNewBoard()
    {
        startNormalGame();
        press(boardArea(), "RR");
        clickCell(8);
        QVERIFY(!cursor().isShown());
        QCOMPARE(cursor().position(), 1);
        press(boardArea(), "D");
        QCOMPARE(cursor().position(), 1);
        MessageScript script;
        engine::play_Click();
        QVERIFY(!cursor().isShown() && cursor().position() == 0);
        press(boardArea(), "RD");
        QVERIFY(buildBoard(m_picture, 4));
        QVERIFY(!cursor().isShown() && cursor().position() == 0);
        press(boardArea(), "RS");
        QVERIFY(!cursor().isShown() && !engine::game().BoardActive);
    }

    // A plain frame in the desktop's highlight colour on a reversed cell and on a picture;
    // a highlighted cursor's frame is bolder and orange, and turns plain at the next key.
    void cursorFrameShowsOnEveryCell()
    {
        startNormalGame();
        const QColor plain = platform::focusColor(*boardArea());
        const QColor orange(255, 140, 0);
        for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 8}) {
            QWidget *cell = ui::form1().board().Picture1(index);
            QVERIFY(cursor().showAt(index));
            QVERIFY2(framedIn(cell, plain, 2), qPrintable(QString::number(index)));
            QVERIFY(cursor().showAt(index, true));
            QVERIFY(framedIn(cell, orange, 4) && cursor().isHighlighted());
            press(boardArea(), "L");
            QVERIFY(!cursor().isHighlighted() && !framedIn(cell, orange, 4));
        }
        QVERIFY(!cursor().showAt(9));
    }

    void dialogsRunOkOnReturnAndCancelOnEscape_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("ok");
        QTest::addColumn<int>("cancel");
        QTest::newRow("setting, file list, Return") << "2"
                                                    << "File1" << int(Qt::Key_Return) << 1 << 0;
        QTest::newRow("setting, directory list, Return") << "2"
                                                         << "Dir1" << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("setting, drive list, Return") << "2"
                                                     << "Drive1" << int(Qt::Key_Return) << 0 << 0;
        QTest::newRow("setting, Cancel picture, Return")
            << "2"
            << "Image2" << int(Qt::Key_Return) << 0 << 1;
        QTest::newRow("setting, Cancel picture, Space") << "2"
                                                        << "Image2" << int(Qt::Key_Space) << 0 << 1;
        QTest::newRow("setting, Escape") << "2"
                                         << "Check1" << int(Qt::Key_Escape) << 0 << 1;
        QTest::newRow("option, rule box, Return") << "6"
                                                  << "Picture2(3)" << int(Qt::Key_Enter) << 1 << 0;
        QTest::newRow("option, Escape") << "6"
                                        << "VScroll1" << int(Qt::Key_Escape) << 0 << 1;
        // The About window's one picture is its OK.
        QTest::newRow("about, Return") << "3"
                                       << "VScroll1" << int(Qt::Key_Return) << 1 << 1;
        QTest::newRow("about, Escape") << "3"
                                       << "Image2" << int(Qt::Key_Escape) << 1 << 1;
    }
    void dialogsRunOkOnReturnAndCancelOnEscape()
    {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, ok);
        QFETCH(int, cancel);
        QVERIFY(QDir(m_folder.path()).mkpath("sub"));
        MessageScript script;
        script.unscripted = platform::MsgBoxAnswer::No;
        QWidget *dialog = window == "2"   ? static_cast<QWidget *>(&ui::form2())
                          : window == "3" ? static_cast<QWidget *>(&ui::form3())
                                          : &ui::form6();
        ui::form2().Dir1->setPath(m_folder.path());
        ui::form2().File1->clickFile("board.bmp");
        dialog->show();
        auto *okButton = dialog->findChild<QAbstractButton *>(window == "3" ? "Image2" : "Image1");
        auto *cancelButton = dialog->findChild<QAbstractButton *>("Image2");
        QSignalSpy oks(okButton, &QAbstractButton::clicked);
        QSignalSpy cancels(cancelButton, &QAbstractButton::clicked);
        QWidget *control = dialog->findChild<QWidget *>(focus);
        QWidget *target = control->focusProxy() ? control->focusProxy() : control;
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(oks.count(), ok);
        QCOMPARE(cancels.count(), cancel);
    }

    // Tab goes through the flip-rule boxes in index order and on to OK and Cancel; Space
    // toggles the box with the focus, which shows a frame.
    void ruleBoxesAndPicturesTakeTabAndSpace()
    {
        ui::form1().Option->setEnabled(true);
        ui::form1().Option_Click();
        ui::Form6 &dialog = ui::form6();
        QStringList order;
        for (QWidget *w = dialog.VScroll1->bar()->nextInFocusChain(); w != dialog.VScroll1->bar();
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
        }
        QCOMPARE(order, (QStringList{"Picture2(0)", "Picture2(1)", "Picture2(2)", "Picture2(3)",
                                     "Picture2(4)", "Picture2(5)", "Picture2(6)", "Picture2(7)",
                                     "Picture2(8)", "Image1", "Image2"}));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        ui::RuleBox *corner = dialog.Picture2[0];
        corner->setFocus();
        QVERIFY(framedIn(corner, platform::focusColor(*corner), 2));
        QTest::keyClick(corner, Qt::Key_Space);
        QCOMPARE(corner->backColor(), platform::Red);
        QTest::keyClick(corner, Qt::Key_Space);
        QCOMPARE(corner->backColor(), platform::White);
        dialog.Image2->setFocus();
        QVERIFY(framedIn(dialog.Image2, platform::focusColor(*dialog.Image2), 0));
    }

    // Mended: a double-click on a flip-rule box toggled it twice, leaving it unchanged; its
    // second click is no click of its own, as with the OK picture.
    void doubleClickClicksOnce()
    {
        ui::form1().Option_Click();
        ui::Form6 &dialog = ui::form6();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        MessageScript script;
        script.unscripted = platform::MsgBoxAnswer::No;
        for (QWidget *picture :
             {static_cast<QWidget *>(dialog.Picture2[4]), static_cast<QWidget *>(dialog.Image1)})
            QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                               picture->mapTo(&dialog, picture->rect().center()));
        QCOMPARE(dialog.Picture2[4]->backColor(), platform::White);
        QCOMPARE(script.asked.size(), 1);
    }

    void aboutHistoryScrollsWithKeysAndWheel()
    {
        ui::form1().about_Click();
        ui::Form3 &about = ui::form3();
        about.Image2->setFocus();
        QTest::keyClick(about.Image2, Qt::Key_Down);
        QTest::keyClick(about.Image2, Qt::Key_PageDown);
        QCOMPARE(about.VScroll1->value(), -100);
        QTest::keyClick(about.Image2, Qt::Key_End);
        QCOMPARE(about.VScroll1->value(), -4500);
        // Over the history the wheel reaches the window, which scrolls it.
        QWheelEvent up(QPointF(5, 5), about.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&about, &up);
        QVERIFY(about.VScroll1->value() > -4500);
        QCOMPARE(about.Label2->y(), qRound(about.VScroll1->value() / 15.0));
    }

    // F10 opens File; Right moves on to Tools; the captions stay as they are.
    void f10OpensTheMenuBar()
    {
        QMenuBar *bar = ui::form1().menuBar();
        QTest::keyClick(&ui::form1(), Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(bar->activeAction()->text(), QStringLiteral("File"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(bar->activeAction()->text(), QStringLiteral("Tools"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QStringList titles;
        for (QAction *menu : bar->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList{"File", "Tools", "Help"}));
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
