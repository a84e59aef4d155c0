// Whole games on the real windows: the message boxes are answered through the
// message-box seam and cells are clicked with the mouse. The random clicks that make a
// puzzle are seeded per creation, so every run plays the same games, and the seeds
// drawn tell how many puzzles were created. A small model of the default flip rule
// says what the board must show, independently of the game's own code.
//
// Two cases end the program, so they run in a child copy of this binary that must
// exit with status 0.

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "board.h"
#include "colors.h"
#include "events.h"
#include "filelists.h"
#include "form1.h"
#include "form2.h"
#include "form5.h"
#include "form6.h"
#include "forms.h"
#include "gamedriver.h"
#include "gamestate.h"
#include "label.h"
#include "messagebox.h"
#include "messages.h"
#include "messagescript.h"
#include "picturebox.h"
#include "playmodes.h"
#include "random.h"
#include "scrollbar.h"
#include "web.h"

#include <cstdio>

using namespace gamedriver;
using platform::MsgBoxAnswer::No;
using platform::MsgBoxAnswer::Yes;

namespace {

const char *const ChildModeVariable = "TOVIK2_TEST_PLAY_CHILD";

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString taskText(int limit, int left)
{
    return QString::number(limit) + QStringLiteral("手以内で完成せよ。\r\n残り") +
           QString::number(left);
}

// Which cells show their piece of the picture, as drawn: a reversed cell is a plain
// square of the button-face colour, which the test picture never contains.
QList<bool> drawnStates()
{
    QList<bool> drawn;
    const QColor reversed = platform::systemColor(15);
    for (int i = 0; i < engine::game().CellCount; ++i) {
        const QImage &surface = theBoard().Picture1(i)->image();
        drawn.append(surface.pixelColor(surface.width() / 2, surface.height() / 2) != reversed);
    }
    return drawn;
}

// A cell whose click leaves the modelled board unsolved: a wrong move.
int wrongCell(const QList<bool> &model, int side)
{
    for (int cell = 1; cell <= side * side; ++cell) {
        QList<bool> after = model;
        flipPlus(after, side, cell);
        if (!allRightWay(after))
            return cell;
    }
    return 1;
}

// Clicks the recorded cells last first until the modelled board is solved; the game
// reports the solved picture on that click. Returns the clicks made.
int solveByUndoing(int side)
{
    const QList<int> clicks = moveHistory();
    QList<bool> model = cellStates();
    int made = 0;
    for (qsizetype i = clicks.size() - 1; i >= 0; --i) {
        flipPlus(model, side, clicks[i]);
        clickCell(clicks[i] - 1);
        ++made;
        if (allRightWay(model))
            break;
    }
    return made;
}

// Answers the game's messages from a script, like MessageScript, and notes what the
// task label said and what the board showed when each one was up.
class WatchingPlayer
{
public:
    WatchingPlayer()
    {
        platform::setMessageBoxResponder([this](const platform::MessageBoxRequest &request) {
            asked.append(request);
            captions.append(ui::form1().Label1->caption());
            states.append(cellStates());
            drawn.append(drawnStates());
            return answers.isEmpty() ? int(platform::MsgBoxAnswer::Ok) : answers.takeFirst();
        });
    }
    ~WatchingPlayer() { platform::setMessageBoxResponder({}); }
    WatchingPlayer(const WatchingPlayer &) = delete;
    WatchingPlayer &operator=(const WatchingPlayer &) = delete;

    QList<int> answers;
    QList<platform::MessageBoxRequest> asked;
    QStringList captions;
    QList<QList<bool>> states;
    QList<QList<bool>> drawn;
};

// Runs in the child copy: starts the game, builds a board and then ends the program
// the way the mode asks. Prints how far the creation got.
int runChild(const QByteArray &mode, int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ui::connectGameToWindows();
    engine::Main();
    ui::form4().Timer1_Timer();
    if (!buildBoard(writeTestPicture(folder.path()), 10))
        return 3;

    if (mode == "close-during-creation") {
        ui::form2().Check1->setChecked(true);
        QProgressBar *bar = ui::form5().ProgressBar1;
        QObject::connect(bar, &QProgressBar::valueChanged, bar, [](int step) {
            if (step == 5)
                QTimer::singleShot(0, &ui::form1(), [] { ui::form1().close(); });
        });
        // As the game setting dialog's OK would, NormalMode is enabled with the board.
        ui::form1().play->setEnabled(true);
        QTimer::singleShot(0, &ui::form1(), [] { ui::form1().play->trigger(); });
    } else if (mode == "end-confirmed") {
        platform::setMessageBoxResponder(
            [](const platform::MessageBoxRequest &) { return int(Yes); });
        QTimer::singleShot(0, &ui::form1(), [] { ui::form1().END->trigger(); });
    } else {
        return 4;
    }

    // Should the program fail to end, the child says so instead of hanging the test.
    QTimer::singleShot(20000, &app, [] {
        std::fprintf(stderr, "the program did not end\n");
        QCoreApplication::exit(5);
    });
    const int status = QApplication::exec();
    std::printf("progress %d active %d ending %d\n", ui::form5().ProgressBar1->value(),
                int(engine::game().BoardActive), int(platform::programEnding()));
    std::fflush(stdout);
    return status;
}

} // namespace

class TestPlay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wholeNormalGameOnFiveByFive();
    void puzzleLadderClimbsOnTheLastAllowedMove();
    void failureAnsweredYesRestoresTheCreatedPuzzle_data();
    void failureAnsweredYesRestoresTheCreatedPuzzle();
    void failureAnsweredNoGivesThePuzzleUp();
    void modeCommandsAskTheirQuestionsAndFitTheWindow_data();
    void modeCommandsAskTheirQuestionsAndFitTheWindow();
    void progressBarAdvancesThreeHundredTimesOnTenByTen();
    void clickDuringCreationChangesNothing_data();
    void clickDuringCreationChangesNothing();
    void gameSettingDuringCreationOnlyResetsTheMode();
    void levelStaysAtTheTopWhenTheCountersWouldOverflow();
    void gameSettingRepaintsThePreviewEvenIfThePictureWentAway_data();
    void gameSettingRepaintsThePreviewEvenIfThePictureWentAway();
    void endGameAnsweredNoLeavesTheGameRunning();
    void webPageOpensOnlyWhenConfirmed_data();
    void webPageOpensOnlyWhenConfirmed();
    void optionDialogOpensWithTheSettingsInForce();
    void endingTheProgramLeavesCleanly_data();
    void endingTheProgramLeavesCleanly();
    void wholeRunFromStartUpWithKeysAndMouse();

private:
    QTemporaryDir m_folder;
    QString m_picture;
    int m_creations = 0;
};

void TestPlay::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_picture = writeTestPicture(m_folder.path());
    QVERIFY(QFile::exists(m_picture));
}

void TestPlay::init()
{
    m_creations = 0;
    platform::setSeedSource([this] { return std::uint64_t(1000 + ++m_creations); });
    startFreshGame();
    QVERIFY(openMainWindow());
}

void TestPlay::cleanup()
{
    ui::destroyForms();
    platform::setSeedSource({});
    platform::setWebOpener({});
}

void TestPlay::wholeNormalGameOnFiveByFive()
{
    QVERIFY(buildBoard(m_picture, 5));
    const engine::GameState &g = engine::game();
    WatchingPlayer player;
    engine::play_Click();
    QVERIFY(player.asked.isEmpty());
    QCOMPARE(int(g.GameMode), 1);
    QCOMPARE(int(g.PuzzleMoves), 75);
    const QList<int> clicks = moveHistory();
    QCOMPARE(clicks.size(), 75);
    for (int cell : clicks)
        QVERIFY(cell >= 1 && cell <= 25);
    QCOMPARE(cellStates(), replayedFromSolved(5, clicks));
    QCOMPARE(drawnStates(), cellStates());
    QVERIFY(g.BoardActive);
    QVERIFY(allFrames(1));
    QVERIFY(!ui::form5().isVisible());

    // Flips commute, so the recorded cells clicked again, last first, undo the
    // scramble. Should the scramble have passed through the solved picture, the game
    // reports it at that click and takes no more clicks after it.
    QList<bool> model = cellStates();
    QList<bool> beforeSolvingClick;
    bool solved = false;
    for (qsizetype i = clicks.size() - 1; i >= 0; --i) {
        if (!solved) {
            beforeSolvingClick = model;
            flipPlus(model, 5, clicks[i]);
            solved = allRightWay(model);
        }
        clickCell(clicks[i] - 1);
        QCOMPARE(player.asked.size(), solved ? 1 : 0);
        QCOMPARE(cellStates(), model);
    }
    QVERIFY(solved);
    QCOMPARE(player.asked[0].prompt, text(engine::text::Complete));
    QCOMPARE(player.asked[0].title, text(engine::text::CompleteTitle));
    QCOMPARE(player.asked[0].style, 0);
    // The message showed over the board as it was before the solving click.
    QCOMPARE(player.drawn[0], beforeSolvingClick);
    QCOMPARE(drawnStates(), model);
    QVERIFY(!g.BoardActive);
    QVERIFY(allFrames(0));
    QCOMPARE(int(g.PuzzleMoves), 75);
    QCOMPARE(int(g.GameMode), 1);
    QCOMPARE(m_creations, 1);

    clickCell(12);
    QCOMPARE(cellStates(), model);
    QCOMPARE(player.asked.size(), 1);
}

void TestPlay::puzzleLadderClimbsOnTheLastAllowedMove()
{
    QVERIFY(buildBoard(m_picture, 5));
    const engine::GameState &g = engine::game();
    WatchingPlayer player;
    player.answers = {Yes};
    engine::pazzl_Click();
    QCOMPARE(player.asked.size(), 1);
    QCOMPARE(player.asked[0].prompt, text(engine::text::RestartPuzzle));
    QCOMPARE(int(g.PuzzleMoves), 1);
    QCOMPARE(int(g.MovesLeft), 1);
    QCOMPARE(moveHistory().size(), 1);
    QCOMPARE(cellStates(), replayedFromSolved(5, moveHistory()));
    platform::Label *label = ui::form1().Label1;
    QVERIFY(label->isVisible());
    QCOMPARE(label->caption(), taskText(1, 1));
    QCOMPARE(label->x(), qRound((ui::form1().Width() - 2600) / 15.0));

    // Level 1 solved with its only move: success, no failure question.
    QCOMPARE(solveByUndoing(5), 1);
    QCOMPARE(player.asked.size(), 2);
    QCOMPARE(player.asked[1].prompt, text(engine::text::Complete));
    QCOMPARE(int(g.PuzzleMoves), 2);
    QCOMPARE(int(g.MovesLeft), 2);
    QCOMPARE(label->caption(), QStringLiteral("2手以内で完成せよ。\r\n残り2"));
    QCOMPARE(moveHistory().size(), 2);
    QCOMPARE(cellStates(), replayedFromSolved(5, moveHistory()));
    QVERIFY(g.BoardActive);
    QVERIFY(allFrames(1));

    // Level 2 is solved by its second click whatever its two random clicks were.
    QCOMPARE(solveByUndoing(5), 2);
    QCOMPARE(player.asked.size(), 3);
    QCOMPARE(player.asked[2].prompt, text(engine::text::Complete));
    QCOMPARE(label->caption(), taskText(3, 3));
    QCOMPARE(m_creations, 3);
    QCOMPARE(int(g.GameMode), 2);
}

void TestPlay::failureAnsweredYesRestoresTheCreatedPuzzle_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("level 1, one wrong move") << 1;
    QTest::newRow("level 3, three wrong moves") << 3;
}

void TestPlay::failureAnsweredYesRestoresTheCreatedPuzzle()
{
    QFETCH(int, level);
    QVERIFY(buildBoard(m_picture, 5));
    const engine::GameState &g = engine::game();
    WatchingPlayer player;
    player.answers = {Yes};
    engine::pazzl_Click();
    while (g.PuzzleMoves < level)
        solveByUndoing(5);
    QCOMPARE(int(g.PuzzleMoves), level);
    const int creations = m_creations;
    const QList<bool> created = cellStates();
    const QList<int> history = moveHistory();
    const qsizetype askedBefore = player.asked.size();

    player.answers = {Yes};
    QList<bool> model = created;
    for (int move = 1; move <= level; ++move) {
        const int cell = wrongCell(model, 5);
        flipPlus(model, 5, cell);
        clickCell(cell - 1);
        QCOMPARE(player.asked.size(), askedBefore + (move == level ? 1 : 0));
    }
    const platform::MessageBoxRequest &question = player.asked.last();
    QCOMPARE(question.prompt, text(engine::text::Failed));
    QCOMPARE(question.title, text(engine::text::FailedTitle));
    QCOMPARE(question.style, 4);
    QCOMPARE(player.captions.last(), taskText(level, 0));
    QCOMPARE(player.states.last(), model);
    QVERIFY(model != created);

    QCOMPARE(cellStates(), created);
    QCOMPARE(drawnStates(), created);
    QCOMPARE(moveHistory(), history);
    QCOMPARE(m_creations, creations); // replayed, not created anew
    QCOMPARE(int(g.MovesLeft), level);
    QCOMPARE(ui::form1().Label1->caption(), taskText(level, level));
    QVERIFY(g.BoardActive);
    QVERIFY(allFrames(1));
}

void TestPlay::failureAnsweredNoGivesThePuzzleUp()
{
    QVERIFY(buildBoard(m_picture, 5));
    const engine::GameState &g = engine::game();
    WatchingPlayer player;
    player.answers = {Yes, No};
    engine::pazzl_Click();
    QList<bool> model = cellStates();
    const int cell = wrongCell(model, 5);
    flipPlus(model, 5, cell);
    clickCell(cell - 1);

    QCOMPARE(player.asked.size(), 2);
    QCOMPARE(player.asked[1].prompt, text(engine::text::Failed));
    QCOMPARE(ui::form1().Label1->caption(),
             QStringLiteral("1手以内で完成せよ。\r\n残り0\r\nPAZZL終了"));
    QVERIFY(ui::form1().Label1->isVisible());
    QCOMPARE(int(g.PuzzleMoves), 1);
    QCOMPARE(int(g.GameMode), 2);
    QVERIFY(!g.BoardActive);
    QVERIFY(allFrames(0));
    QCOMPARE(cellStates(), model);
    QCOMPARE(drawnStates(), model);

    // The given-up board takes no clicks.
    clickCell(0);
    clickCell(24);
    QCOMPARE(cellStates(), model);
    QCOMPARE(player.asked.size(), 2);
}

void TestPlay::modeCommandsAskTheirQuestionsAndFitTheWindow_data()
{
    QTest::addColumn<QString>("before"); // none, normal, or puzzle at level 2
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<int>("modeAfter");
    QTest::addColumn<int>("widthChange"); // twips
    QTest::addColumn<bool>("creates");
    QTest::addColumn<int>("puzzleMoves");
    QTest::addColumn<QString>("caption"); // empty: the task label is hidden
    QTest::addColumn<bool>("settingsShown");

    const QString toNormal = text(engine::text::PuzzleToNormal);
    const QString toPuzzle = text(engine::text::NormalToPuzzle);
    const QString restart = text(engine::text::RestartPuzzle);
    const QString level1 = taskText(1, 1);
    const QString level2 = taskText(2, 2);

    QTest::newRow("NormalMode with no mode: no question")
        << "none"
        << "play" << QList<int>{} << QStringList{} << 1 << 0 << true << 75 << "" << false;
    QTest::newRow("NormalMode in a normal game: scrambled anew")
        << "normal"
        << "play" << QList<int>{} << QStringList{} << 1 << 0 << true << 75 << "" << false;
    QTest::newRow("NormalMode in puzzle mode, confirmed")
        << "puzzle"
        << "play" << QList<int>{Yes} << QStringList{toNormal} << 1 << -2600 << true << 75 << ""
        << false;
    QTest::newRow("NormalMode in puzzle mode, declined")
        << "puzzle"
        << "play" << QList<int>{No} << QStringList{toNormal} << 2 << 0 << false << 2 << level2
        << false;
    QTest::newRow("PazzlMode with no mode: only the caution")
        << "none"
        << "pazzl" << QList<int>{Yes} << QStringList{restart} << 2 << 2600 << true << 1 << level1
        << false;
    QTest::newRow("PazzlMode in a normal game, confirmed")
        << "normal"
        << "pazzl" << QList<int>{Yes, Yes} << QStringList{toPuzzle, restart} << 2 << 2600 << true
        << 1 << level1 << false;
    QTest::newRow("PazzlMode in a normal game, mode change declined")
        << "normal"
        << "pazzl" << QList<int>{No} << QStringList{toPuzzle} << 1 << 0 << false << 75 << ""
        << false;
    QTest::newRow("PazzlMode in a normal game, caution declined")
        << "normal"
        << "pazzl" << QList<int>{Yes, No} << QStringList{toPuzzle, restart} << 1 << 0 << false << 75
        << "" << false;
    QTest::newRow("PazzlMode in puzzle mode: level 1 again, same width")
        << "puzzle"
        << "pazzl" << QList<int>{Yes} << QStringList{restart} << 2 << 0 << true << 1 << level1
        << false;
    QTest::newRow("GameSetting in puzzle mode: narrower, label hidden")
        << "puzzle"
        << "arrange" << QList<int>{} << QStringList{} << 0 << -2600 << false << 2 << "" << true;
    QTest::newRow("GameSetting in a normal game: same width")
        << "normal"
        << "arrange" << QList<int>{} << QStringList{} << 0 << 0 << false << 2 << "" << true;
}

void TestPlay::modeCommandsAskTheirQuestionsAndFitTheWindow()
{
    QFETCH(QString, before);
    QFETCH(QString, command);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, prompts);
    QFETCH(int, modeAfter);
    QFETCH(int, widthChange);
    QFETCH(bool, creates);
    QFETCH(int, puzzleMoves);
    QFETCH(QString, caption);
    QFETCH(bool, settingsShown);

    QVERIFY(buildBoard(m_picture, 5));
    const engine::GameState &g = engine::game();
    {
        MessageScript setUp;
        if (before == QLatin1String("normal")) {
            engine::play_Click();
        } else if (before == QLatin1String("puzzle")) {
            setUp.then(Yes).then(platform::MsgBoxAnswer::Ok);
            engine::pazzl_Click();
            solveByUndoing(5);
            QCOMPARE(int(g.PuzzleMoves), 2);
        }
        QCOMPARE(setUp.unexpected, 0);
    }
    const double width = ui::form1().Width();
    const int creations = m_creations;
    const QList<bool> states = cellStates();

    MessageScript script;
    for (int answer : answers)
        script.then(answer);
    ui::Form1 &main = ui::form1();
    QAction *item = command == QLatin1String("play")    ? main.play
                    : command == QLatin1String("pazzl") ? main.pazzl
                                                        : main.arrange;
    item->setEnabled(true);
    item->trigger();

    QCOMPARE(script.prompts(), prompts);
    QCOMPARE(script.unexpected, 0);
    QCOMPARE(int(g.GameMode), modeAfter);
    QVERIFY2(qAbs(main.Width() - (width + widthChange)) <= 15,
             qPrintable(QStringLiteral("%1 -> %2").arg(width).arg(main.Width())));
    QCOMPARE(m_creations, creations + (creates ? 1 : 0));
    QCOMPARE(int(g.PuzzleMoves), puzzleMoves);
    QCOMPARE(main.Label1->isVisible(), !caption.isEmpty());
    if (!caption.isEmpty())
        QCOMPARE(main.Label1->caption(), caption);
    QCOMPARE(ui::form2().isVisible(), settingsShown);
    if (creates) {
        QCOMPARE(cellStates(), replayedFromSolved(5, moveHistory()));
        QVERIFY(g.BoardActive);
        QVERIFY(allFrames(1));
    } else {
        QCOMPARE(cellStates(), states);
    }
}

void TestPlay::progressBarAdvancesThreeHundredTimesOnTenByTen()
{
    QVERIFY(buildBoard(m_picture, 10));
    QProgressBar *bar = ui::form5().ProgressBar1;
    QList<int> values;
    bool shownThroughout = true;
    connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
        values.append(value);
        shownThroughout = shownThroughout && ui::form5().isVisible();
    });
    MessageScript script;
    engine::play_Click();
    disconnect(bar, nullptr, this, nullptr);

    QCOMPARE(bar->maximum(), 300);
    QList<int> expected;
    for (int step = 1; step <= 300; ++step)
        expected.append(step);
    QCOMPARE(values, expected);
    QVERIFY(shownThroughout);
    QVERIFY(!ui::form5().isVisible());
    QCOMPARE(moveHistory().size(), 300);
    QCOMPARE(cellStates(), replayedFromSolved(10, moveHistory()));
}

void TestPlay::clickDuringCreationChangesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("normal-mode scramble") << "play";
    QTest::newRow("puzzle-mode creation") << "pazzl";
}

void TestPlay::clickDuringCreationChangesNothing()
{
    QFETCH(QString, command);
    QVERIFY(buildBoard(m_picture, 5));
    QSignalSpy delivered(&theBoard(), &board::Board::cellClicked);
    bool busyWhenClicked = false;
    // The creation lets events run after its first click: the player clicks then.
    QTimer::singleShot(0, this, [&] {
        busyWhenClicked = !engine::game().BoardActive && allFrames(1);
        clickCell(0);
        clickCell(12);
        clickCell(24);
    });
    MessageScript script;
    script.then(Yes);
    if (command == QLatin1String("play"))
        engine::play_Click();
    else
        engine::pazzl_Click();

    QCOMPARE(delivered.count(), 3);
    QVERIFY(busyWhenClicked);
    QCOMPARE(cellStates(), replayedFromSolved(5, moveHistory()));
    QCOMPARE(drawnStates(), cellStates());
    QVERIFY(engine::game().BoardActive);
}

void TestPlay::gameSettingDuringCreationOnlyResetsTheMode()
{
    QVERIFY(buildBoard(m_picture, 5));
    bool chosenWhileBusy = false;
    QTimer::singleShot(0, this, [&] {
        chosenWhileBusy = !engine::game().BoardActive;
        ui::form1().arrange->trigger();
    });
    MessageScript script;
    engine::play_Click();

    QVERIFY(chosenWhileBusy);
    QVERIFY(!ui::form2().isVisible());
    QCOMPARE(int(engine::game().GameMode), 0);
    QCOMPARE(int(engine::game().PuzzleMoves), 2);
    // The scramble still ran to its end, and its progress window went away with it.
    QCOMPARE(moveHistory().size(), 75);
    QVERIFY(!ui::form5().isVisible());
    QVERIFY(script.asked.isEmpty());
}

// Mended: the next level used to overflow the 16-bit counters at 32766 and end the
// program; the player now stays on the hardest level.
void TestPlay::levelStaysAtTheTopWhenTheCountersWouldOverflow()
{
    QVERIFY(buildBoard(m_picture, 3));
    engine::GameState &g = engine::game();
    MessageScript script;
    script.then(Yes);
    engine::pazzl_Click();
    g.PuzzleMoves = 32766;
    g.MovesLeft = 1;
    clickCell(moveHistory()[0] - 1);

    QCOMPARE(script.prompts(),
             (QStringList{text(engine::text::RestartPuzzle), text(engine::text::Complete)}));
    QVERIFY(!platform::programEnding());
    QCOMPARE(int(g.PuzzleMoves), 32766);
    QCOMPARE(int(g.MovesLeft), 32766);
    QCOMPARE(moveHistory().size(), 32766);
    QCOMPARE(ui::form1().Label1->caption(), taskText(32766, 32766));
    QVERIFY(g.BoardActive);
}

void TestPlay::gameSettingRepaintsThePreviewEvenIfThePictureWentAway_data()
{
    QTest::addColumn<bool>("deleted");
    QTest::newRow("picture still there: the preview shows it") << false;
    QTest::newRow("picture deleted since: an empty preview") << true;
}

void TestPlay::gameSettingRepaintsThePreviewEvenIfThePictureWentAway()
{
    QFETCH(bool, deleted);
    const QString path = writeTestPicture(m_folder.path(), QStringLiteral("chosen.bmp"));
    QVERIFY(buildBoard(path, 5));
    ui::Form2 &dialog = ui::form2();
    dialog.Picture1->Cls();
    if (deleted)
        QVERIFY(QFile::remove(path));

    MessageScript script;
    ui::form1().arrange->trigger();
    QVERIFY(!platform::programEnding());
    QVERIFY(dialog.isVisible());
    const QImage preview = dialog.Picture1->image();
    const QColor corner = preview.pixelColor(0, 0);
    const QColor far = preview.pixelColor(preview.width() - 1, preview.height() - 1);
    QCOMPARE(corner == far, deleted);
    QCOMPARE(int(engine::game().GameMode), 0);
}

void TestPlay::endGameAnsweredNoLeavesTheGameRunning()
{
    QVERIFY(buildBoard(m_picture, 5));
    MessageScript script;
    engine::play_Click();
    const QList<bool> states = cellStates();
    script.then(No);
    ui::form1().END->trigger();

    QCOMPARE(script.prompts(), QStringList{QStringLiteral("終了しますか？")});
    QCOMPARE(script.asked[0].title, QStringLiteral("終了"));
    QCOMPARE(script.asked[0].style, 4);
    QVERIFY(!platform::programEnding());
    QVERIFY(ui::form1().isVisible());
    QVERIFY(engine::game().BoardActive);
    QCOMPARE(cellStates(), states);
}

void TestPlay::webPageOpensOnlyWhenConfirmed_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<QUrl>>("opened");
    QTest::newRow("answered No: nothing opens") << int(No) << QList<QUrl>{};
    QTest::newRow("answered Yes: the home page opens")
        << int(Yes) << QList<QUrl>{QUrl(QStringLiteral("https://wendrix.example.org/"))};
}

void TestPlay::webPageOpensOnlyWhenConfirmed()
{
    QFETCH(int, answer);
    QFETCH(QList<QUrl>, opened);
    QList<QUrl> addresses;
    platform::setWebOpener([&](const QUrl &address) { addresses.append(address); });
    MessageScript script;
    script.then(answer);
    ui::form1().web->trigger();

    QCOMPARE(script.prompts(),
             QStringList{QStringLiteral("Wendrixのホームページへ行きますが\r\nよろしいですか？")});
    QCOMPARE(script.asked[0].title, QStringLiteral("確認"));
    QCOMPARE(script.asked[0].style, 4);
    QCOMPARE(addresses, opened);
}

void TestPlay::optionDialogOpensWithTheSettingsInForce()
{
    QVERIFY(buildBoard(m_picture, 5));
    ui::Form1 &main = ui::form1();
    main.Option->setEnabled(true);
    main.Option->trigger();
    ui::Form6 &dialog = ui::form6();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.VScroll1->min(), 495);
    QCOMPARE(dialog.VScroll1->max(), 990);
    QCOMPARE(dialog.VScroll1->value(), 495);
    const QList<int> set = {1, 3, 4, 5, 7};
    for (int i = 0; i <= 8; ++i)
        QCOMPARE(dialog.Picture2[i]->backColor(),
                 set.contains(i) ? platform::Red : platform::White);

    // Whatever the player left in the dialog, it reopens with the settings in force.
    dialog.Picture2[0]->setBackColor(platform::Red);
    dialog.VScroll1->setValue(900);
    dialog.hide();
    engine::game().FlipRule(8) = true;
    theBoard().setTemplateCellSize(540, 540);
    main.Option->trigger();
    QCOMPARE(dialog.VScroll1->value(), 540);
    QCOMPARE(dialog.Picture2[0]->backColor(), platform::White);
    QCOMPARE(dialog.Picture2[8]->backColor(), platform::Red);
}

void TestPlay::endingTheProgramLeavesCleanly_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("report");
    // Closed at the fifth of 300 steps: the creation stops there, and nothing runs
    // after it that would activate the board.
    QTest::newRow("main window closed during a 10 x 10 scramble")
        << QByteArray("close-during-creation") << QByteArray("progress 5 active 0 ending 1");
    QTest::newRow("EndGmae answered Yes")
        << QByteArray("end-confirmed") << QByteArray("progress 0 active 0 ending 1");
}

void TestPlay::endingTheProgramLeavesCleanly()
{
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, report);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildModeVariable), QString::fromLatin1(mode));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    const QByteArray output = child.readAllStandardOutput();
    const QByteArray errors = child.readAllStandardError();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, errors.constData());
    QVERIFY2(output.contains(report), output.constData());
}

// From start-up to level 2 as a player goes: the splash hands over on its own timer,
// F1 opens the game setting dialog, a picture is chosen in a folder and confirmed with
// the OK picture, F2 scrambles and the recorded cells solve it, F3 starts the puzzle
// ladder and its first level is solved.
void TestPlay::wholeRunFromStartUpWithKeysAndMouse()
{
    startFreshGame();
    QTRY_VERIFY_WITH_TIMEOUT(ui::form1().isVisible(), 5000);
    ui::Form1 &main = ui::form1();
    auto press = [&main](Qt::Key key) {
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, key);
    };
    MessageScript script;

    press(Qt::Key_F1);
    ui::Form2 &dialog = ui::form2();
    QVERIFY(dialog.isVisible());
    dialog.Dir1->setPath(m_folder.path());
    dialog.File1->clickFile(QStringLiteral("board.bmp"));
    QCOMPARE(dialog.SelectedPath, m_picture);
    QTest::mouseClick(dialog.Image1, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(engine::game().CellCount), 25);

    press(Qt::Key_F2);
    QCOMPARE(int(engine::game().GameMode), 1);
    QCOMPARE(moveHistory().size(), 75);
    script.then(platform::MsgBoxAnswer::Ok);
    solveByUndoing(5);
    QCOMPARE(script.prompts(), QStringList{text(engine::text::Complete)});

    script.then(Yes).then(Yes).then(platform::MsgBoxAnswer::Ok);
    press(Qt::Key_F3);
    QCOMPARE(script.prompts().mid(1),
             (QStringList{text(engine::text::NormalToPuzzle), text(engine::text::RestartPuzzle)}));
    QCOMPARE(main.Label1->caption(), taskText(1, 1));
    QCOMPARE(solveByUndoing(5), 1);
    QCOMPARE(script.prompts().last(), text(engine::text::Complete));
    QCOMPARE(main.Label1->caption(), taskText(2, 2));
    QCOMPARE(script.unexpected, 0);
    QVERIFY(!platform::programEnding());
}

int main(int argc, char *argv[])
{
    const QByteArray childMode = qgetenv(ChildModeVariable);
    if (!childMode.isEmpty())
        return runChild(childMode, argc, argv);
    QApplication app(argc, argv);
    TestPlay test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_play.moc"
