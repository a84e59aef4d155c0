// The game by keys alone, and what a screen reader is told: names, roles and events.

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
#include "colors.h"
#include "filelists.h"
#include "focusframe.h"
#include "form2.h"
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

Qt::Key keyNamed(const QString &name)
{
    return QKeySequence::fromString(name, QKeySequence::PortableText)[0].key();
}

// Events as the desktop's bridge gets them: "checked <cell> on|off", "say <notification>",
// "name <name>", "focus <name>", else "<event type> <name>".
QStringList recorded;

void record(QAccessibleEvent *event)
{
    static const QHash<int, QString> kinds = {{QAccessible::NameChanged, "name"},
                                              {QAccessible::Focus, "focus"}};
    QAccessibleInterface *about = event->accessibleInterface();
    const QString name = about ? about->text(QAccessible::Name) : QString();
    const QAccessible::Event type = event->type();
    if (type == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().checked)
        recorded << "checked " + name + (about->state().checked ? " on" : " off");
    else if (type == QAccessible::ObjectShow && about && about->role() == QAccessible::Notification)
        recorded << "say " + name;
    else
        recorded << kinds.value(type, QMetaEnum::fromType<QAccessible::Event>().valueToKey(type)) +
                        ' ' + name;
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

    // Keys (L R U D arrows, S Space, E Return; M clicks the last cell, N new game, B new
    // board): only the cursor's cell shows a frame, and Space and Return click it.
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

    // Window (2 setting, 3 About, 6 option), the control with the focus (the key ends the
    // row's name); how often OK and Cancel ran (About's one picture is its OK).
    void dialogsRunOkOnReturnAndCancelOnEscape_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<int>>("okCancel");
        QTest::newRow("file list, Return") << 2 << "File1" << QList{1, 0};
        QTest::newRow("directory list, Return") << 2 << "Dir1" << QList{0, 0};
        QTest::newRow("drive list, Return") << 2 << "Drive1" << QList{0, 0};
        QTest::newRow("Cancel, Space") << 2 << "Image2" << QList{0, 1};
        QTest::newRow("setting, Escape") << 2 << "Check1" << QList{0, 1};
        QTest::newRow("rule box, Enter") << 6 << "Picture2(3)" << QList{1, 0};
        QTest::newRow("option, Escape") << 6 << "VScroll1" << QList{0, 1};
        QTest::newRow("About, Return") << 3 << "VScroll1" << QList{1, 1};
    }
    void dialogsRunOkOnReturnAndCancelOnEscape()
    {
        QFETCH(int, window);
        QFETCH(QString, focus);
        QFETCH(QList<int>, okCancel);
        MessageScript script;
        script.unscripted = platform::MsgBoxAnswer::No;
        ui::form2().Dir1->setPath(m_folder.path());
        ui::form2().File1->clickFile("board.bmp");
        QWidget *dialog = allWindows().at(window - 1);
        dialog->show();
        QSignalSpy oks(dialog->findChild<QAbstractButton *>(window == 3 ? "Image2" : "Image1"),
                       &QAbstractButton::clicked);
        QSignalSpy cancels(dialog->findChild<QAbstractButton *>("Image2"),
                           &QAbstractButton::clicked);
        QWidget *control = dialog->findChild<QWidget *>(focus);
        control = control->focusProxy() ? control->focusProxy() : control;
        control->setFocus();
        QTest::keyClick(control, keyNamed(QString(QTest::currentDataTag()).section(", ", -1)));
        QCOMPARE((QList<int>{int(oks.count()), int(cancels.count())}), okCancel);
    }

    // Tab walks the rule boxes, OK and Cancel; Space toggles the framed box, checked while red.
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

    // F5 and Space alone solve a normal game in the fewest clicks, the hint framed in orange
    // until Space; with no game, and in puzzle mode (it would defeat the limit), F5 is idle.
    void hintAndSpaceAloneSolveANormalGame()
    {
        QWidget *board = ui::form1().client();
        MessageScript script;
        ui::form2().SelectedPath = m_picture;
        ui::form2().Image1_Click(); // OK: a 5 x 5 board, and the game's commands enabled
        QTest::keyClick(board, Qt::Key_F2);
        // Offscreen, the activation stays with the hidden progress window.
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

    // F10 puts the keyboard on File, no menu open; the arrows go on from an opened menu;
    // Escape gives the keyboard back to the board.
    void f10WalksTheMenuBar()
    {
        QMenuBar *bar = ui::form1().menuBar();
        ui::form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui::form1()));
        QTest::keyClick(ui::form1().client(), Qt::Key_F10);
        QCOMPARE(bar->activeAction()->text(), QStringLiteral("File"));
        QVERIFY(bar->hasFocus() && !QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(bar->activeAction()->text(), QStringLiteral("Help"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Escape);
        QVERIFY(ui::form1().client()->hasFocus());
    }

    // Splash and progress window: announced, out of the tree when hidden; a cell (a check box)
    // can be pressed only in a game; every control has its role and a name, none internal.
    void treeOffersWhatThePlayerCanUseByName()
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
        QCOMPARE(cell->role(), QAccessible::CheckBox);
        QVERIFY(!cell->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        MessageScript script;
        engine::play_Click();
        QVERIFY(windowsInTree().contains(&ui::form5()));
        QTRY_VERIFY(!windowsInTree().contains(&ui::form5()));
        QVERIFY(windowsInTree().contains(&ui::form1()));
        QVERIFY(cell->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        QVERIFY(told(&ui::form4(), QAccessible::Alert) && told(&ui::form5(), QAccessible::Alert));
        QSet<QString> internal;
        QStringList spoken;
        QList<QAccessibleInterface *> all;
        for (QWidget *window : allWindows()) {
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

    // After `setup`, the events of `keys` (W: the cell that solves the level) on a 3 x 3 board
    // hold `told` in order, {placeholders} read from the game afterwards, at most `most` of
    // them; a turned cell is told its new state only, a cell not turned nothing.
    void screenReaderFollowsTheGame_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("most");
        QTest::addColumn<QStringList>("told");
        const auto row = [](const char *name, const char *setup, const char *keys, int most,
                            const QStringList &told) {
            QTest::newRow(name) << QString(setup) << QString(keys) << most << told;
        };
        const QString level = "say Puzzle mode, move limit: %1; moves left: %1; {reversed} "
                              "of 9 cells reversed";
        row("game start", "", "F2", 24, {"say Normal mode; {reversed} of 9 cells reversed"});
        row("flip", "F2", "Space Space", 10,
            {"focus {place}", "checked {cursor}", "checked Row 1, column 2", "name Row 1, column 2",
             "checked Row 2, column 1", "name Row 2, column 1",
             "say {cursor}; {reversed} reversed"});
        row("level start", "", "F3", 12, {level.arg(1)});
        row("level solved, next level", "F3", "W", 12, {level.arg(2)});
        row("move in puzzle mode", "F3 W", "Space Space", 12,
            {"checked {cursor}", "say {cursor}; {reversed} reversed; moves left: 1"});
        row("board state key", "F2", "F6", 2, {"say Normal mode; {reversed} of 9 cells reversed"});
        row("hint", "F2", "F5", 3, {"focus {place}", "say Hint: row {row}, column {column}"});
        row("F10 and the arrows", "", "F10 Right Right", 20,
            {"focus File", "focus Tools", "focus Help"});
    }
    void screenReaderFollowsTheGame()
    {
        QFETCH(QString, setup);
        QFETCH(QString, keys);
        QFETCH(int, most);
        QFETCH(QStringList, told);
        // Qt sends nothing until a screen reader listens: switch the bridge on as one would.
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
                    QTest::keyClick(target ? target : ui::form1().client(), keyNamed(key));
                }
            }
        };
        press(setup);
        // The offscreen platform leaves the activation with the progress window.
        QApplication::setActiveWindow(&ui::form1());
        const QList<int> before = entries(engine::game().CellState);
        recorded.clear();
        press(keys);
        const QStringList events = recorded;
        if (QApplication::activePopupWidget())
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

        const engine::GameState &g = engine::game();
        const int at = cursor().position();
        const QString cursorCell = heard(ui::form1().board().Picture1(at))->text(QAccessible::Name);
        int next = 0;
        for (QString expected : told) {
            expected.replace("{reversed}", QString::number(entries(g.CellState).count(0)))
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
            const bool shown = g.CellState(index + 1);
            const QString wrong = "checked " + name + (shown ? " off" : " on");
            QVERIFY2(!events.contains(wrong), qPrintable(wrong));
            if (shown == bool(before.value(index))) // not turned: not told
                QVERIFY2(!events.contains("name " + name) &&
                             !events.contains("checked " + name + (shown ? " on" : " off")),
                         qPrintable(name));
        }
    }

    // The drive list is named Places, folder names come without indentation, and a key on
    // the grid size tells the grid it makes (Up: smaller).
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
};

QTEST_MAIN(TestAccess)
#include "test_access.moc"
