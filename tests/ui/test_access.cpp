// The game without a mouse. From the keyboard (QTest::keyClick on the real windows): the
// cursor on the board, Return and Escape in the dialogs, Tab and Space on the pictures and
// flip-rule boxes, the About window's history and the menu bar. For a screen reader: cells
// and flip-rule boxes that follow their state, windows that announce their text, and no
// control that speaks an internal name ("Label1", "Form4").

#include <QAccessible>
#include <QMetaEnum>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "accessibilityevents.h"
#include "announcer.h"
#include "cellaccessible.h"
#include "gameannouncer.h"
#include "colors.h"
#include "filelists.h"
#include "focusframe.h"
#include "form2.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "gamedriver.h"
#include "hint.h"
#include "messagescript.h"
#include "picturebutton.h"
#include "playmodes.h"
#include "random.h"

using namespace gamedriver;

namespace {

board::BoardCursor &cursor()
{
    return ui::form1().boardCursor();
}

QList<QWidget *> windows()
{
    return {&ui::form1(), &ui::form2(), &ui::form3(), &ui::form4(), &ui::form5(), &ui::form6()};
}

// Whether the widget shows the colour `inset` pixels inside its left edge, halfway down.
bool framedIn(QWidget *widget, const QColor &colour, int inset)
{
    const QImage shown = widget->grab().toImage();
    return shown.pixelColor(inset, shown.height() / 2) == colour;
}

QAccessibleInterface *heard(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// One event as the desktop's accessibility bridge would pass it on, read when it is sent:
// "checked <cell name> on|off", "name <name>", "say <message>", "focus <name>", "value"...
QStringList &recorded()
{
    static QStringList events;
    return events;
}

void record(QAccessibleEvent *event)
{
    QAccessibleInterface *about = event->accessibleInterface();
    const QString name = about ? about->text(QAccessible::Name) : QString();
    switch (event->type()) {
    case QAccessible::StateChanged:
        if (static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked)
            recorded() << "checked " + name + (about->state().checked ? " on" : " off");
        else
            recorded() << QStringLiteral("state");
        break;
    case QAccessible::NameChanged:
        recorded() << "name " + name;
        break;
    case QAccessible::ObjectShow:
        recorded() << (about && about->role() == QAccessible::Notification ? "say " + name
                                                                           : "show " + name);
        break;
    case QAccessible::Focus:
        recorded() << "focus " + name;
        break;
    default:
        recorded() << QString::fromLatin1(
            QMetaEnum::fromType<QAccessible::Event>().valueToKey(event->type()));
    }
}

int reversedCells()
{
    int reversed = 0;
    for (int k = 1; k <= engine::game().CellCount; ++k)
        reversed += engine::game().CellState(k) ? 0 : 1;
    return reversed;
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_picture = writePicture(m_folder.path());
    QList<QPair<QObject *, QAccessible::Event>> m_told; // what a screen reader was told

    bool told(QObject *object, QAccessible::Event type) const
    {
        return m_told.contains({object, type});
    }

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
        m_told.clear();
        platform::setAccessibilityObserver([this](const QAccessibleEvent &event) {
            m_told.append({event.object(), event.type()});
        });
        platform::setSeedSource([] { return std::uint64_t(7); });
        startFreshGame();
        QVERIFY(openMainWindow());
    }
    void cleanup()
    {
        platform::setAccessibilityObserver({});
        ui::destroyForms();
        QVERIFY2(qtwarnings::take().isEmpty(), "Qt warned: see the QWARN lines above");
    }

    // Keys on the board as letters (L R U D arrows, S Space, E Return), M a mouse click on
    // the bottom-right cell, N a new game, B a new board. The cursor's cell, and no other,
    // shows a frame in the desktop's highlight colour; Space and Return reach the game by
    // the board's cellClicked, the one way a mouse click reaches it too.
    void cursorFollowsTheKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("position"); // -1: hidden on the top-left cell
        QTest::addColumn<QList<int>>("clicked");
        QTest::newRow("first arrow only shows it") << "R" << 0 << QList<int>{};
        QTest::newRow("first Space only shows it") << "S" << 0 << QList<int>{};
        QTest::newRow("arrows stop at the edges") << "RRRRDDDDLU" << 4 << QList<int>{};
        QTest::newRow("Space and Return click its cell") << "RDRSLE" << 3 << QList<int>{4, 3};
        QTest::newRow("a mouse click hides it, a key shows it") << "RRMD" << 1 << QList<int>{8};
        QTest::newRow("a new game starts it afresh") << "RDN" << -1 << QList<int>{};
        QTest::newRow("a new board too, and no game, no keys") << "RDBRS" << -1 << QList<int>{};
    }
    void cursorFollowsTheKeys()
    {
        QFETCH(QString, keys);
        QFETCH(int, position);
        QFETCH(QList<int>, clicked);
        startNormalGame();
        QSignalSpy delivered(&ui::form1().board(), &board::Board::cellClicked);
        const QHash<QChar, Qt::Key> named = {{'L', Qt::Key_Left},  {'R', Qt::Key_Right},
                                             {'U', Qt::Key_Up},    {'D', Qt::Key_Down},
                                             {'S', Qt::Key_Space}, {'E', Qt::Key_Return}};
        MessageScript script;
        for (const QChar key : keys) {
            if (key == 'M')
                clickCell(8);
            else if (key == 'N')
                engine::play_Click();
            else if (key == 'B')
                QVERIFY(buildBoard(m_picture, 4));
            else
                QTest::keyClick(ui::form1().client(), named.value(key));
        }
        QCOMPARE(cursor().isShown(), position >= 0);
        QCOMPARE(cursor().position(), std::max(position, 0));
        QVERIFY(!cursor().showAt(engine::game().CellCount)); // no cell there: nothing moves
        for (int index = 0; index < engine::game().CellCount; ++index) {
            QWidget *cell = ui::form1().board().Picture1(index);
            QCOMPARE(framedIn(cell, platform::focusColor(*cell), 2), index == position);
        }
        QCOMPARE(delivered.size(), clicked.size());
        for (int i = 0; i < clicked.size(); ++i)
            QCOMPARE(delivered.at(i).at(0).toInt(), clicked.at(i));
    }

    // Window (2 setting, 3 About, 6 option), the control with the focus, the key; how
    // often OK and Cancel ran (About's one picture is its OK).
    void dialogsRunOkOnReturnAndCancelOnEscape_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("okCancel");
        QTest::newRow("file list, Return") << 2 << "File1" << int(Qt::Key_Return) << QList{1, 0};
        QTest::newRow("directory list, Return")
            << 2 << "Dir1" << int(Qt::Key_Return) << QList{0, 0};
        QTest::newRow("drive list, Return") << 2 << "Drive1" << int(Qt::Key_Return) << QList{0, 0};
        QTest::newRow("Cancel, Space") << 2 << "Image2" << int(Qt::Key_Space) << QList{0, 1};
        QTest::newRow("setting, Escape") << 2 << "Check1" << int(Qt::Key_Escape) << QList{0, 1};
        QTest::newRow("rule box, Enter") << 6 << "Picture2(3)" << int(Qt::Key_Enter) << QList{1, 0};
        QTest::newRow("option, Escape") << 6 << "VScroll1" << int(Qt::Key_Escape) << QList{0, 1};
        QTest::newRow("About, Return") << 3 << "VScroll1" << int(Qt::Key_Return) << QList{1, 1};
        QTest::newRow("About, Escape") << 3 << "Image2" << int(Qt::Key_Escape) << QList{1, 1};
    }
    void dialogsRunOkOnReturnAndCancelOnEscape()
    {
        QFETCH(int, window);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QList<int>, okCancel);
        MessageScript script;
        script.unscripted = platform::MsgBoxAnswer::No;
        ui::form2().Dir1->setPath(m_folder.path());
        ui::form2().File1->clickFile("board.bmp");
        QWidget *dialog = windows().at(window - 1);
        dialog->show();
        QSignalSpy oks(dialog->findChild<QAbstractButton *>(window == 3 ? "Image2" : "Image1"),
                       &QAbstractButton::clicked);
        QSignalSpy cancels(dialog->findChild<QAbstractButton *>("Image2"),
                           &QAbstractButton::clicked);
        QWidget *control = dialog->findChild<QWidget *>(focus);
        control = control->focusProxy() ? control->focusProxy() : control;
        control->setFocus();
        QTest::keyClick(control, Qt::Key(key));
        QCOMPARE((QList<int>{int(oks.count()), int(cancels.count())}), okCancel);
    }

    // Tab visits the flip-rule boxes in index order, then OK and Cancel; Space toggles the
    // focused box, which shows a frame; each box is a check box, checked while red.
    void ruleBoxesTakeTabAndSpace()
    {
        ui::form1().Option_Click();
        ui::Form6 &dialog = ui::form6();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.VScroll1->bar()->setFocus();
        QStringList order;
        for (int press = 0; press < 11; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(' '), QStringLiteral("Picture2(0) Picture2(1) Picture2(2) Picture2(3) "
                                                 "Picture2(4) Picture2(5) Picture2(6) Picture2(7) "
                                                 "Picture2(8) Image1 Image2"));
        QVERIFY(framedIn(dialog.Image2, platform::focusColor(*dialog.Image2), 0));
        QTest::keyClick(dialog.Image2, Qt::Key_Tab); // and round to the cell size again
        QCOMPARE(QApplication::focusWidget(), dialog.VScroll1->bar());
        ui::RuleBox *corner = dialog.Picture2[0];
        corner->setFocus();
        QVERIFY(framedIn(corner, platform::focusColor(*corner), 2));
        QVERIFY(!heard(corner)->state().checked && heard(corner)->state().checkable);
        QTest::keyClick(corner, Qt::Key_Space);
        QCOMPARE(corner->backColor(), platform::Red);
        QVERIFY(heard(corner)->state().checked && told(corner, QAccessible::StateChanged));
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
        for (QWidget *picture : QList<QWidget *>{dialog.Picture2[4], dialog.Image1})
            QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                               picture->mapTo(&dialog, picture->rect().center()));
        QCOMPARE(dialog.Picture2[4]->backColor(), platform::White);
        QCOMPARE(script.asked.size(), 1);
    }

    // Keys scroll the history wherever the focus is; so does the wheel over the window.
    void aboutHistoryScrollsWithKeysAndWheel()
    {
        ui::form1().about_Click();
        ui::Form3 &about = ui::form3();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown})
            QTest::keyClick(about.Image2, key);
        QCOMPARE(about.VScroll1->value(), -100);
        QTest::keyClick(about.Image2, Qt::Key_End);
        QWheelEvent up(QPointF(5, 5), about.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&about, &up);
        QVERIFY(about.VScroll1->value() > -4500);
    }

    // Hint shows the cursor, highlighted (a bolder frame, in orange), on a cell of a shortest
    // solution, and Space flips it and ends the highlight: F5 and Space alone solve a normal
    // game in the fewest clicks. With no game, and in puzzle mode, where it would defeat
    // the move limit, F5 does nothing.
    void hintAndSpaceAloneSolveANormalGame()
    {
        QWidget *board = ui::form1().client();
        MessageScript script;
        ui::form2().SelectedPath = m_picture;
        ui::form2().Image1_Click(); // OK: a 5 x 5 board, and the game's commands enabled
        QTest::keyClick(board, Qt::Key_F2);
        // The offscreen platform hands the activation to the progress window and drops it
        // when that hides; a desktop gives it back to the main window.
        QApplication::setActiveWindow(&ui::form1());
        QVERIFY(ui::form1().hint->isEnabled());
        const auto fewest = engine::ShortestSolution()->size();
        QVERIFY(fewest > 0);
        const QColor orange(255, 140, 0);
        for (std::size_t presses = 0; presses < fewest; ++presses) {
            QTest::keyClick(board, Qt::Key_F5);
            QWidget *cell = ui::form1().board().Picture1(cursor().position());
            QVERIFY(cursor().isHighlighted() && framedIn(cell, orange, 4));
            QTest::keyClick(board, Qt::Key_Space);
            QVERIFY(!cursor().isHighlighted() && !framedIn(cell, orange, 4));
        }
        QCOMPARE(script.prompts(), QStringList{"This puzzle complete!!"});

        QVERIFY(!ui::form1().hint->isEnabled());
        QTest::keyClick(board, Qt::Key_F5);
        QVERIFY(!cursor().isShown());
        script.then(platform::MsgBoxAnswer::Yes).then(platform::MsgBoxAnswer::Yes);
        QTest::keyClick(board, Qt::Key_F3);
        QVERIFY(engine::game().BoardActive && !ui::form1().hint->isEnabled());
        ui::form1().hint_Click();
        QVERIFY(!cursor().isShown());
    }

    // F10, as Alt, puts the keyboard in the menu bar on File without opening it; the arrows
    // walk the menus, Down opens one, and Escape gives the keyboard back to the board.
    void f10WalksTheMenuBar()
    {
        QMenuBar *bar = ui::form1().menuBar();
        ui::form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui::form1()));
        QTest::keyClick(ui::form1().client(), Qt::Key_F10);
        QCOMPARE(bar->activeAction()->text(), QStringLiteral("File"));
        QVERIFY(bar->hasFocus() && !QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction()->text(), QStringLiteral("Tools"));
        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(bar->activeAction()->text(), QStringLiteral("Help"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Escape);
        QVERIFY(ui::form1().client()->hasFocus());
    }

    // Over every window with a game running: each control a player can reach has a name,
    // none is named after a control's internal name, and the pictures, boxes and windows
    // the game draws itself have their role; the splash and the progress window were
    // announced.
    void everyControlHasANameThatIsNoInternalName()
    {
        startNormalGame();
        QVERIFY(told(&ui::form4(), QAccessible::Alert) && told(&ui::form5(), QAccessible::Alert));
        QSet<QString> internal;
        QStringList spoken;
        QList<QAccessibleInterface *> all;
        for (QWidget *window : windows()) {
            window->show();
            internal << window->objectName();
            for (const QWidget *widget : window->findChildren<QWidget *>())
                internal << widget->objectName();
            all << heard(window);
        }
        for (qsizetype i = 0; i < all.size(); ++i) { // and every interface below them
            for (int child = 0; child < all[i]->childCount(); ++child)
                all << all[i]->child(child);
        }
        internal.remove(QString());
        const QSet<QAccessible::Role> unnamed = {QAccessible::Client, QAccessible::Grouping,
                                                 QAccessible::MenuBar, QAccessible::Separator};
        for (QAccessibleInterface *shown : all) {
            const QString name = shown->text(QAccessible::Name);
            const QString where = QStringLiteral("%1 \"%2\"").arg(shown->role()).arg(name);
            QVERIFY2(!internal.contains(name), qPrintable(where));
            if (!shown->state().invisible && !unnamed.contains(shown->role()))
                QVERIFY2(!name.isEmpty(), qPrintable(where));
            spoken << QMetaEnum::fromType<QAccessible::Role>().valueToKey(shown->role()) +
                          (' ' + name);
        }
        for (const char *expected :
             {"Dialog GameSetting", "Button 設定を有効にします", "Button 設定を取りやめます",
              "ScrollBar マス数", "Client 現在設定されている画像", "Dialog About...", "Button OK",
              "Notification Tovik2", "Notification 問題作成中", "ProgressBar 問題作成中",
              "Dialog Option", "CheckBox Flip rule, row 2, column 3",
              "ScrollBar 画像のマスの大きさ （デフォルト=495）", "Client Board", "StaticText "})
            QVERIFY2(spoken.contains(QString::fromUtf8(expected)), expected);
    }

    // What a screen reader is told, in order, over a game played from the keyboard on a
    // 3 x 3 board: `setup` and then `keys` are pressed (S Space, R Right, W the cell that
    // solves the level, F2 F3 F5 F6 F10 the function keys), and the events of the keys
    // are recorded as the desktop's bridge receives them. `told` must come in that
    // order among them, with {reversed} {cursor} {place} {row} {column} read from the game
    // after the keys; each turned cell is told with its new state; `most` bounds the events.
    void screenReaderFollowsTheGame_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("most");
        QTest::newRow("game start")
            << ""
            << "F2" << QStringList{"say Normal mode; {reversed} of 9 cells reversed"} << 24;
        QTest::newRow("flip") << "F2"
                              << "S S"
                              << QStringList{"focus {place}", "checked {cursor}",
                                             "name Row 1, column 2",
                                             "say {cursor}; {reversed} reversed"}
                              << 10;
        QTest::newRow("level start")
            << ""
            << "F3"
            << QStringList{"say Puzzle mode, move limit: 1; moves left: 1; {reversed} "
                           "of 9 cells reversed"}
            << 12;
        QTest::newRow("level solved, next level") << "F3"
                                                  << "W"
                                                  << QStringList{"say Puzzle mode, move limit: 2; "
                                                                 "moves left: 2; "
                                                                 "{reversed} of 9 cells reversed"}
                                                  << 12;
        QTest::newRow("move in puzzle mode")
            << "F3 W"
            << "S S"
            << QStringList{"checked {cursor}", "say {cursor}; {reversed} reversed; moves left: 1"}
            << 12;
        QTest::newRow("board state key")
            << "F2"
            << "F6" << QStringList{"say Normal mode; {reversed} of 9 cells reversed"} << 2;
        QTest::newRow("hint") << "F2"
                              << "F5"
                              << QStringList{"focus {place}",
                                             "say Hint: row {row}, column {column}"}
                              << 3;
        QTest::newRow("F10 and the arrows")
            << ""
            << "F10 R R" << QStringList{"focus File", "focus Tools", "focus Help"} << 20;
    }
    void screenReaderFollowsTheGame()
    {
        QFETCH(QString, setup);
        QFETCH(QString, keys);
        QFETCH(QStringList, told);
        QFETCH(int, most);
        // Qt tells assistive technology nothing until one listens; the platform's bridge
        // is switched on as a screen reader would, and the events are taken from it.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(record);
        const auto stopRecording = qScopeGuard([] {
            QAccessible::installUpdateHandler(nullptr);
            QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        });
        MessageScript script;
        script.unscripted = platform::MsgBoxAnswer::Yes;
        ui::form2().VScroll1->setValue(3);
        ui::form2().SelectedPath = m_picture;
        ui::form2().Image1_Click();
        QApplication::setActiveWindow(&ui::form1());
        const QHash<QString, Qt::Key> named = {
            {"S", Qt::Key_Space}, {"R", Qt::Key_Right}, {"F2", Qt::Key_F2},  {"F3", Qt::Key_F3},
            {"F5", Qt::Key_F5},   {"F6", Qt::Key_F6},   {"F10", Qt::Key_F10}};
        const auto press = [&](const QString &keys) {
            for (const QString &key : keys.split(' ', Qt::SkipEmptyParts)) {
                if (key == "W") { // the level's one scrambling click, pressed by the reader
                    const int cell = engine::game().MoveHistory(engine::game().PuzzleMoves) - 1;
                    heard(ui::form1().board().Picture1(cell))
                        ->actionInterface()
                        ->doAction(QAccessibleActionInterface::pressAction());
                } else {
                    QWidget *target = QApplication::activePopupWidget();
                    target = target ? target : QApplication::focusWidget();
                    target = target ? target : ui::form1().client();
                    QTest::keyClick(target, named.value(key));
                }
            }
        };
        press(setup);
        // The offscreen platform leaves the activation with the progress window.
        QApplication::setActiveWindow(&ui::form1());
        recorded().clear();
        press(keys);
        const QStringList events = recorded();
        if (QApplication::activePopupWidget())
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

        const engine::GameState &g = engine::game();
        const int at = cursor().position();
        const QString cursorCell = heard(ui::form1().board().Picture1(at))->text(QAccessible::Name);
        int next = 0;
        for (QString expected : told) {
            expected.replace("{reversed}", QString::number(reversedCells()))
                .replace("{cursor}", cursorCell)
                .replace("{place}", cursorCell.section(',', 0, 1))
                .replace("{row}", QString::number(at / 3 + 1))
                .replace("{column}", QString::number(at % 3 + 1));
            const auto found =
                std::find_if(events.begin() + next, events.end(),
                             [&](const QString &e) { return e.startsWith(expected); });
            QVERIFY2(found != events.end(), qPrintable(expected + " in\n" + events.join('\n')));
            next = int(found - events.begin()) + 1;
        }
        QVERIFY2(events.size() <= most, qPrintable(events.join('\n')));
        QVERIFY2(!events.contains("focus Board"), qPrintable(events.join('\n')));
        // Orca fails on the bridge's name change for the focused control.
        QVERIFY(!events.contains("name " + cursorCell));
        for (int index = 0; index < g.CellCount; ++index) { // only the new state is told
            const QString name =
                heard(ui::form1().board().Picture1(index))->text(QAccessible::Name);
            const QString wrong = "checked " + name + (g.CellState(index + 1) ? " off" : " on");
            QVERIFY2(!events.contains(wrong), qPrintable(wrong));
        }
    }

    // Only what the player can use is offered: the splash leaves the tree once the main
    // window is up and the progress window once the game is made, and a cell can be
    // pressed only while a game runs.
    void treeHoldsOnlyWhatThePlayerCanUse()
    {
        const auto windowsInTree = [] {
            QAccessibleInterface *application = heard(qApp);
            QObjectList shown;
            for (int i = 0; i < application->childCount(); ++i)
                shown << application->child(i)->object();
            return shown;
        };
        QVERIFY(!windowsInTree().contains(&ui::form4()));
        QVERIFY(buildBoard(m_picture, 3));
        QAccessibleInterface *cell = heard(ui::form1().board().Picture1(4));
        QVERIFY(!cell->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        MessageScript script;
        engine::play_Click();
        QVERIFY(windowsInTree().contains(&ui::form5()));
        QTRY_VERIFY(!windowsInTree().contains(&ui::form5()));
        QVERIFY(windowsInTree().contains(&ui::form1()));
        QVERIFY(cell->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    // In the game setting dialog the drive list is named as the places it lists, the folder
    // names come without the indentation the list draws, and each key on the grid size
    // tells the grid it makes; Up makes it smaller.
    void gameSettingDialogSpeaksWhatItShows()
    {
        ui::Form2 &dialog = ui::form2();
        dialog.Dir1->setPath(m_folder.path());
        dialog.show();
        const auto labels = heard(dialog.Drive1)->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Places"));
        QCOMPARE(heard(dialog.Drive1)->text(QAccessible::Description),
                 dialog.Drive1->currentText());

        QAccessibleInterface *folders = heard(dialog.Dir1);
        QVERIFY(dialog.Dir1->item(1)->text().startsWith(' '));
        for (int i = 0; i < folders->childCount(); ++i)
            QVERIFY2(!folders->child(i)->text(QAccessible::Name).startsWith(' '),
                     qPrintable(folders->child(i)->text(QAccessible::Name)));

        auto *said = dialog.findChild<platform::Announcer *>();
        QScrollBar *grid = dialog.VScroll1->bar();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(dialog.gridSide(), 4);
        QCOMPARE(said->message(), QStringLiteral("4 by 4, 16 cells"));
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(said->message(), QStringLiteral("6 by 6, 36 cells"));
        QCOMPARE(heard(grid)->text(QAccessible::Description),
                 QStringLiteral("Up makes the grid smaller, Down makes it larger"));
    }

    // A cell is a check box named by its place and side; its name and checked state follow a
    // flip, the reader is told so, and the keyboard cursor gives it the focus.
    void cellFollowsItsFlips()
    {
        startNormalGame();
        board::Board &board = ui::form1().board();
        QAccessibleInterface *centre = heard(board.Picture1(4));
        QCOMPARE(centre->role(), QAccessible::CheckBox);
        const auto name = [] {
            return QStringLiteral("Row 2, column 2, ") +
                   (engine::game().CellState(5) ? "right way" : "reversed");
        };
        const bool before = engine::game().CellState(5);
        QVERIFY(centre->text(QAccessible::Name) == name() && centre->state().checked == before);
        m_told.clear();
        centre->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(centre->text(QAccessible::Name) == name() && centre->state().checked == !before);
        for (int index : {1, 3, 4, 5, 7})
            QVERIFY(told(board.Picture1(index), QAccessible::NameChanged) &&
                    told(board.Picture1(index), QAccessible::StateChanged));
        QVERIFY(!told(board.Picture1(0), QAccessible::NameChanged));

        ui::form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui::form1()));
        QTest::keyClick(ui::form1().client(), Qt::Key_Down);
        QVERIFY(heard(board.Picture1(0))->state().focused &&
                told(board.Picture1(0), QAccessible::Focus));
    }
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
