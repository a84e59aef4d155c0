// Whole games on the real windows, seeded creations, and pictures opened from outside.

#include <QApplication>
#include <QHash>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "filelists.h"
#include "gamedriver.h"
#include "label.h"
#include "messagescript.h"
#include "picturebutton.h"
#include "playmodes.h"
#include "random.h"
#include "web.h"

#include <cstdio>

using namespace gamedriver;
using namespace platform::MsgBoxAnswer;

namespace {

const char *const ChildMode = "TOVIK2_TEST_PLAY_CHILD";
const QString Complete = QStringLiteral("This puzzle complete!!");
// The questions, by the letters the mode table gives them.
const QHash<QChar, QString> Questions = {
    {'N', QStringLiteral("パズルモードを終了して\r\nノーマルモードにしますか？")},
    {'P', QStringLiteral("ノーマルモードを終了して\r\nパズルモードにしますか？")},
    {'R', QStringLiteral("パズルを最初からはじめますが\r\nよろしいですか?")},
    {'E', QStringLiteral("終了しますか？")},
    {'W', QStringLiteral("Wendrixのホームページへ行きますが\r\nよろしいですか？")}};

const QString TaskText = QStringLiteral("%1手以内で完成せよ。\r\n残り%2"); // limit, moves left

// Clicks the recorded cells until the game shows a message; how many.
int solveByUndoing(const MessageScript &script)
{
    const qsizetype asked = script.asked.size();
    return undoRecordedClicks([&] { return script.asked.size() == asked; });
}

// Drags the files over the window and drops them; whether the window took the drop.
bool dropOn(QWidget &window, const QList<QUrl> &files)
{
    QMimeData data;
    data.setUrls(files);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QCoreApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents(); // the picture opens after the drop
    return drop.isAccepted();
}

// What opening a picture changes: picture, board, mode, strip, menu, the dialog's lists.
QVariantList openedState()
{
    const ui::Form1 &main = ui::form1();
    const ui::Form2 &dialog = ui::form2();
    return {QString::fromStdString(engine::game().ImagePath),
            int(engine::game().CellCount),
            int(engine::game().GameMode),
            main.Label1->isVisible(),
            main.play->isEnabled() && main.pazzl->isEnabled() && main.Option->isEnabled(),
            dialog.Dir1->path(),
            dialog.File1->fileName(),
            dialog.isVisible()};
}

} // namespace

class TestPlay : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_picture = writePicture(m_folder.path());
    int m_creations = 0;
    QList<QUrl> m_opened;

private slots:
    void init()
    {
        m_creations = 0;
        m_opened.clear();
        platform::setSeedSource([this] { return std::uint64_t(1000 + ++m_creations); });
        platform::setWebOpener([this](const QUrl &address) { m_opened.append(address); });
        startFreshGame();
        QVERIFY(openMainWindow());
    }
    void cleanup()
    {
        ui::destroyForms();
        QVERIFY2(qtwarnings::take().isEmpty(), "Qt warned: see the QWARN lines above");
    }

    void wholeRunFromStartUp_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("commandLine"); // the picture named there, or chosen with F1
        QTest::addColumn<int>("answer");       // to the failure on level 2
        QTest::newRow("5 x 5 chosen with F1, failure answered Yes: the same puzzle again")
            << 5 << false << Yes;
        QTest::newRow("10 x 10 from the command line, failure answered No: the puzzle given up")
            << 10 << true << No;
    }
    // From the splash: a picture chosen with F1 or named on the command line opens alike; F2
    // scrambles (a click, a drop or a picture opened meanwhile does nothing) and the recorded
    // cells undo it; F3: level 1 solved in one move, level 2 failed.
    void wholeRunFromStartUp()
    {
        QFETCH(int, side);
        QFETCH(bool, commandLine);
        QFETCH(int, answer);
        const int cells = side * side;
        startFreshGame();
        QVERIFY(ui::form4().isVisible() && !ui::form1().isVisible());
        ui::form2().VScroll1->setValue(side);
        if (commandLine)
            ui::form4().PictureToOpen = m_picture;
        QTRY_VERIFY_WITH_TIMEOUT(ui::form1().isVisible(), 5000);
        QVERIFY(!ui::form4().isVisible() && !ui::form4().Timer1->isActive());
        ui::Form1 &main = ui::form1();
        const engine::GameState &g = engine::game();
        auto press = [&main](Qt::Key key) {
            // Wayland gives a window the keyboard only on the player's click: stand in for it.
            if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
                QApplication::setActiveWindow(&main);
            } else {
                main.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&main));
            }
            QTest::keyClick(&main, key);
        };
        MessageScript script;
        if (!commandLine) { // no picture yet: one cell control, hidden
            QVERIFY(main.board().cellControls() == 1 && !main.board().Picture1(0)->isVisible());
            press(Qt::Key_F1);
            ui::form2().Dir1->setPath(m_folder.path());
            ui::form2().File1->clickFile(QStringLiteral("board.bmp"));
            QTest::mouseClick(ui::form2().Image1, Qt::LeftButton);
        }
        QVariantList opened{m_picture, cells, 0, false, true, m_folder.path(), "board.bmp", false};
        QTRY_COMPARE(openedState(), opened);

        QProgressBar *bar = ui::form5().ProgressBar1;
        QObject watcher; // while it lives
        const QString other = writePicture(m_folder.path(), "other.bmp", Qt::red);
        bool dropped = true;
        connect(&ui::form5(), &board::Form5::progressed, &watcher, [&](int step) {
            if (step == 1)
                QTimer::singleShot(0, this, [&] {
                    clickCell(0);
                    dropped = dropOn(main, {QUrl::fromLocalFile(other)});
                    main.openPicture(other);
                });
        });
        QSignalSpy delivered(&ui::form1().board(), &board::Board::cellClicked);
        press(Qt::Key_F2);
        QCOMPARE(bar->value(), cells * 3);
        QCOMPARE(delivered.count(), 1);
        opened[2] = engine::Mode::Normal;
        QVERIFY(!dropped);
        QCOMPARE(openedState(), opened);
        QVERIFY(g.BoardActive && cellsWithBorder(1) == cells && !ui::form5().isVisible());
        solveByUndoing(script);
        QCOMPARE(script.prompts(), QStringList{Complete});
        QCOMPARE(script.asked[0].title, QStringLiteral("Complete"));
        QVERIFY(!g.BoardActive && cellsWithBorder(0) == cells);

        script.then(Yes).then(Yes).then(Ok).then(answer);
        press(Qt::Key_F3);
        QCOMPARE(script.prompts().mid(1), (QStringList{Questions['P'], Questions['R']}));
        QCOMPARE(main.Label1->caption(), TaskText.arg(1).arg(1));
        QCOMPARE(main.Label1->x(), qRound((main.Width() - 2600 + 40) / 15.0)); // as the cells
        QCOMPARE(solveByUndoing(script), 1);
        QCOMPARE(script.prompts().mid(3), QStringList{Complete});
        QCOMPARE(main.Label1->caption(), QStringLiteral("2手以内で完成せよ。\r\n残り2"));
        const QList<int> created = entries(g.CellState), history = entries(g.MoveHistory);
        // Two cells off the record: no four plus-shaped flips cancel out.
        QList<int> wrong = {23, 24, 25};
        wrong.removeIf([&history](int cell) { return history.contains(cell); });
        clickCell(wrong[0] - 1);
        clickCell(wrong[1] - 1);
        QCOMPARE(script.prompts().mid(4), QStringList{"This puzzle failed!!\r\nTry again?"});
        QCOMPARE(script.asked.last().title, QStringLiteral("Failed"));
        const QList<int> left = entries(g.CellState);
        clickCell(0);
        if (answer == Yes) {
            QCOMPARE(left, created);
            QCOMPARE(entries(g.MoveHistory), history);
            QCOMPARE(m_creations, 3); // replayed, not created anew
            QCOMPARE(main.Label1->caption(), TaskText.arg(2).arg(1));
        } else {
            QCOMPARE(main.Label1->caption(), TaskText.arg(2).arg(0) + "\r\nPAZZL終了");
            QVERIFY(!g.BoardActive && cellsWithBorder(0) == cells);
            QCOMPARE(entries(g.CellState), left);
        }
    }

    // A row's name: commands in turn, each with its questions (by letter) and answers
    // (+ Yes, - No). The outcome: GameMode, the change of width in twips, PuzzleMoves,
    // puzzles made, label shown, GameSetting shown.
    void menuCommandsAskTheirQuestionsAndFitTheWindow_data()
    {
        QTest::addColumn<QList<int>>("outcome");
        QTest::newRow("pazzl R+, play N+") << QList<int>{1, 0, 75, 2, 0, 0};
        QTest::newRow("pazzl R+, play N-") << QList<int>{2, 2600, 1, 1, 1, 0};
        QTest::newRow("pazzl R+, pazzl R+") << QList<int>{2, 2600, 1, 2, 1, 0};
        QTest::newRow("pazzl R+, arrange") << QList<int>{0, 0, 2, 1, 0, 1};
        QTest::newRow("play, pazzl P+ R+") << QList<int>{2, 2600, 1, 2, 1, 0};
        QTest::newRow("play, pazzl P-") << QList<int>{1, 0, 75, 1, 0, 0};
        QTest::newRow("play, pazzl P+ R-") << QList<int>{1, 0, 75, 1, 0, 0};
        QTest::newRow("play, END E-") << QList<int>{1, 0, 75, 1, 0, 0};
        QTest::newRow("web W-") << QList<int>{0, 0, 0, 0, 0, 0};
    }
    void menuCommandsAskTheirQuestionsAndFitTheWindow()
    {
        QFETCH(QList<int>, outcome);
        QVERIFY(buildBoard(m_picture, 5));
        ui::Form1 &main = ui::form1();
        const double width = main.Width();
        MessageScript script;
        QStringList prompts;
        for (const QString &command : QString(QTest::currentDataTag()).split(", ")) {
            const QStringList words = command.split(' ');
            for (const QString &answer : words.mid(1)) {
                prompts.append(Questions.value(answer.at(0)));
                script.then(answer.endsWith('+') ? Yes : No);
            }
            QAction *item = main.findChild<QAction *>(words.first());
            item->setEnabled(true);
            item->trigger();
        }
        QCOMPARE(script.prompts(), prompts);
        const engine::GameState &g = engine::game();
        QCOMPARE((QList<int>{g.GameMode, qRound((main.Width() - width) / 100) * 100, g.PuzzleMoves,
                             m_creations, main.Label1->isVisible(), ui::form2().isVisible()}),
                 outcome);
        QVERIFY(m_opened.isEmpty() && !platform::programEnding());
    }

    // A board that would take the window over the screen's edge brings it back inside,
    // frame and all; wider than the screen (a 10 x 10 puzzle of 990-twip cells on the
    // offscreen 800 x 800), to the left edge. Dialogs likewise.
    void mainWindowStaysOnTheScreen()
    {
        ui::Form1 &main = ui::form1();
        const QRect area = main.screen()->availableGeometry();
        engine::game().CellSize = "990";
        main.board().setTemplateCellSize(990, 990);
        QVERIFY(buildBoard(m_picture, 3));
        main.move(area.bottomRight() - main.frameGeometry().bottomRight() + main.pos());
        QVERIFY(buildBoard(m_picture, 10));
        QCOMPARE(main.frameGeometry().bottomRight(), area.bottomRight());
        const QPoint moved = main.frameGeometry().topLeft();
        MessageScript script{Yes};
        engine::pazzl_Click();
        QCOMPARE(main.frameGeometry().topLeft(), QPoint(area.left(), moved.y()));
        ui::form2().move(area.bottomRight()); // a dialog is brought back when it is shown
        main.arrange_Click();
        QTRY_COMPARE(ui::form2().frameGeometry().bottomRight(), area.bottomRight());
    }

    // A picture dropped in puzzle mode, grid side 4 in the dialog, opens as the dialog's
    // OK would; anything else gets the dialog's message naming the file, and nothing changes.
    void droppedFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("a PNG, upper-case name") << "photo.PNG" << true;
        QTest::newRow("a JPEG named .jpeg") << "photo.jpeg" << true;
        QTest::newRow("a damaged GIF") << "broken.gif" << false;
        QTest::newRow("a picture named as text") << "picture.txt" << false;
    }
    void droppedFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        const QString folder = m_folder.filePath(QTest::currentDataTag());
        const QString path = folder + '/' + name;
        QVERIFY(QDir().mkpath(folder) && QFile::copy(m_picture, folder + "/picture.txt"));
        if (name.startsWith("broken"))
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) && QFile::resize(path, 100));
        else if (!name.endsWith("txt"))
            QVERIFY(QImage(m_picture).save(path));
        QVERIFY(buildBoard(m_picture, 5));
        MessageScript script{Yes};
        engine::pazzl_Click();
        ui::form2().VScroll1->setValue(4);
        const QVariantList before = openedState();
        QVERIFY(dropOn(ui::form1(), {QUrl::fromLocalFile(path)}));
        QCOMPARE(script.asked.size(), opens ? 1 : 2);
        if (opens)
            QCOMPARE(openedState(), (QVariantList{path, 16, 0, false, true, folder, name, false}));
        else
            QCOMPARE(openedState(), before);
        QCOMPARE(script.asked.last().prompt.startsWith("画像を読み込めませんでした。\r\n" + path),
                 !opens);
    }

    // Mended: the setting dialog's OK during a creation rebuilt the board under it, and the
    // next retry replayed cells of the old board: a subscript error ended the program. OK now
    // waits for an idle board, and looks disabled meanwhile.
    void gameSettingOkDuringCreationKeepsTheBoard()
    {
        QVERIFY(buildBoard(m_picture, 6));
        ui::Form2 &dialog = ui::form2();
        dialog.SelectedPath = m_picture;
        dialog.VScroll1->setValue(3);
        dialog.show();
        const QImage enabledLook = dialog.Image1->grab().toImage();
        QImage disabledLook;
        QTimer::singleShot(0, this, [&] {
            disabledLook = ui::form2().Image1->grab().toImage();
            ui::form2().Image1_Click();
        });
        MessageScript script{Yes};
        engine::pazzl_Click();
        QVERIFY(!disabledLook.isNull() && disabledLook != enabledLook);
        QCOMPARE(dialog.Image1->grab().toImage(), enabledLook);
        QCOMPARE(ui::form1().board().cellControls(), 36);
        QCOMPARE(solveByUndoing(script), 1);
        QCOMPARE(script.prompts().last(), Complete);
        QTest::mouseClick(dialog.Image1, Qt::LeftButton);
        QCOMPARE(int(engine::game().CellCount), 9);
    }

    // Mended: the level after 32766 overflowed and ended the program; now it stays there.
    void levelStaysAtTheTopWhenTheCountersWouldOverflow()
    {
        QVERIFY(buildBoard(m_picture, 3));
        MessageScript script{Yes};
        engine::pazzl_Click();
        engine::game().PuzzleMoves = 32766;
        engine::game().MovesLeft = 1;
        solveByUndoing(script);
        QCOMPARE(script.prompts(), (QStringList{Questions['R'], Complete}));
        QVERIFY(!platform::programEnding() && engine::game().BoardActive);
        QCOMPARE(ui::form1().Label1->caption(), TaskText.arg(32766).arg(32766));
    }

    // Pins a mended fault: ending the program during a creation used to go on into destroyed
    // windows. Ended at step 5 of 300, the creation stops, the board idles, the exit is 0.
    void endingTheProgramDuringACreationExitsCleanly_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::newRow("main window closed") << QByteArray("close");
        QTest::newRow("EndGmae answered Yes") << QByteArray("end");
    }
    void endingTheProgramDuringACreationExitsCleanly()
    {
        QFETCH(QByteArray, mode);
        QProcess child;
        qputenv(ChildMode, mode);
        child.start(QCoreApplication::applicationFilePath(), {});
        qunsetenv(ChildMode);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
        QCOMPARE(child.readAllStandardOutput().trimmed(),
                 QByteArray("progress 5 active 0 ending 1"));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet(ChildMode)) {
        TestPlay test;
        return QTest::qExec(&test, argc, argv);
    }
    // The child copy: ends the program during a scramble as asked, prints how far it got.
    QTemporaryDir folder;
    startFreshGame();
    openMainWindow();
    buildBoard(writePicture(folder.path()), 10);
    platform::setMessageBoxResponder([](const platform::MessageBoxRequest &) { return Yes; });
    QProgressBar *bar = ui::form5().ProgressBar1;
    QObject::connect(&ui::form5(), &board::Form5::progressed, bar, [](int step) {
        if (step == 5 && qgetenv(ChildMode) == "close")
            QTimer::singleShot(0, &ui::form1(), &QWidget::close);
        else if (step == 5)
            QTimer::singleShot(0, ui::form1().END, &QAction::trigger);
    });
    ui::form1().play->setEnabled(true);
    QTimer::singleShot(0, ui::form1().play, &QAction::trigger);
    const int status = QApplication::exec();
    std::printf("progress %d active %d ending %d\n", ui::form5().progress(),
                int(engine::game().BoardActive), int(platform::programEnding()));
    return status;
}

#include "test_play.moc"
