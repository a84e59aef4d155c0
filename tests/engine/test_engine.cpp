// The rules of the game, driven through a fake of the windows.

#include <QTest>

#include "fakewindows.h"
#include "fliprule.h"
#include "gamestate.h"
#include "playmodes.h"
#include "puzzle.h"
#include "random.h"
#include "startup.h"

#include <set>

using engine::game;
using platform::ErrorNumber;
using platform::RuntimeError;

namespace {

constexpr int Yes = 6;

// A solved N x N board as the board construction leaves it.
void newBoard(int n)
{
    auto &g = game();
    g.GridCols = n;
    g.GridRows = n;
    g.CellCount = n * n;
    g.CellState.redim(1, n * n);
    for (int i = 1; i <= n * n; ++i)
        g.CellState(i) = true;
    g.BoardActive = false;
}

// A 3 x 3 rule written row by row, "#" for a cell the click flips: ".#./###/.#.".
void setRule(const char *pattern)
{
    int entry = 0;
    for (const char *c = pattern; *c; ++c) {
        if (*c == '/')
            continue;
        game().FlipRule(entry++) = (*c == '#');
    }
}

std::set<int> reversedCells()
{
    std::set<int> cells;
    for (int i = 1; i <= game().CellCount; ++i) {
        if (!game().CellState(i))
            cells.insert(i);
    }
    return cells;
}

std::set<int> cellSet(const QString &list)
{
    std::set<int> cells;
    for (const QString &item : list.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        cells.insert(item.toInt());
    return cells;
}

bool solved()
{
    return reversedCells().empty();
}

std::vector<bool> snapshot()
{
    std::vector<bool> cells;
    for (int i = 1; i <= game().CellCount; ++i)
        cells.push_back(game().CellState(i));
    return cells;
}

void clickCell(int cell)
{
    engine::Picture1_Click(cell - 1);
}

} // namespace

class EngineTest : public QObject
{
    Q_OBJECT

private:
    FakeWindows *fake = nullptr;

    // A fresh game after start-up, with a board of the given side and a picture.
    void startWithBoard(int n)
    {
        engine::Main();
        newBoard(n);
        game().ImagePath = "/pictures/a.jpg";
    }

private slots:
    void init()
    {
        engine::resetGame();
        fake = new FakeWindows;
        engine::connectWindows(fake);
        platform::setSeedSource({});
    }
    void cleanup()
    {
        engine::connectWindows(nullptr);
        delete fake;
        fake = nullptr;
    }

    void mainSetsDefaultsAndShowsSplash()
    {
        engine::Main();
        for (int i = 0; i <= 8; ++i)
            QCOMPARE(game().FlipRule(i), i == 1 || i == 3 || i == 4 || i == 5 || i == 7);
        QCOMPARE(game().CellSize, std::string("495"));
        QCOMPARE(fake->splashShown, 1);
        QCOMPARE(int(game().GameMode), 0);
        QCOMPARE(int(game().CellCount), 0);
        QVERIFY(game().CellState.empty());
        QVERIFY(game().ImagePath.empty());
    }

    void flipAroundTogglesRuleCellsWithinEdges_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("toggled");

        const QString plus = QStringLiteral(".#./###/.#.");
        const QString all = QStringLiteral("###/###/###");
        QTest::newRow("plus, top-left corner") << plus << 1 << "1 2 6";
        QTest::newRow("plus, top-right corner does not wrap") << plus << 5 << "4 5 10";
        QTest::newRow("plus, centre") << plus << 13 << "8 12 13 14 18";
        QTest::newRow("plus, bottom-left corner does not wrap") << plus << 21 << "16 21 22";
        QTest::newRow("plus, bottom-right corner") << plus << 25 << "20 24 25";
        QTest::newRow("all, centre") << all << 13 << "7 8 9 12 13 14 17 18 19";
        QTest::newRow("all, left edge") << all << 6 << "1 2 6 7 11 12";
        QTest::newRow("all, right edge") << all << 10 << "4 5 9 10 14 15";
        QTest::newRow("all, top-left corner") << all << 1 << "1 2 6 7";
        QTest::newRow("all, bottom-right corner") << all << 25 << "19 20 24 25";
        QTest::newRow("none") << QStringLiteral(".../.../...") << 13 << "";
        QTest::newRow("only the cell") << QStringLiteral(".../.#./...") << 7 << "7";
        QTest::newRow("diagonals, top edge") << QStringLiteral("#.#/.../#.#") << 3 << "7 9";
        QTest::newRow("diagonals, left column") << QStringLiteral("#.#/.../#.#") << 11 << "7 17";
    }
    void flipAroundTogglesRuleCellsWithinEdges()
    {
        QFETCH(QString, rule);
        QFETCH(int, cell);
        QFETCH(QString, toggled);

        newBoard(5);
        setRule(rule.toLatin1().constData());
        game().CurrentCell = cell;
        engine::FlipAround();
        QCOMPARE(reversedCells(), cellSet(toggled));

        // A second flip of the same cell restores the board.
        engine::FlipAround();
        QVERIFY(solved());
    }

    void flipAroundOutsideTheBoardIsASubscriptError()
    {
        newBoard(3);
        setRule(".../.#./...");
        game().CurrentCell = 10;
        try {
            engine::FlipAround();
            QFAIL("a cell beyond the board must not be flipped");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::SubscriptOutOfRange);
        }
    }

    void randomCellStaysOnTheBoard_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("cell");
        QTest::newRow("r = 0") << 25 << 0.0 << 1;
        QTest::newRow("just below a boundary") << 25 << 0.0399 << 1;
        QTest::newRow("on a boundary") << 25 << 0.04 << 2;
        QTest::newRow("largest float below 1, 100 cells")
            << 100 << double(1.0f - 1.0f / 16777216.0f) << 100;
        QTest::newRow("largest float below 1, 9 cells")
            << 9 << double(1.0f - 1.0f / 16777216.0f) << 9;
    }
    void randomCellStaysOnTheBoard()
    {
        QFETCH(int, count);
        QFETCH(double, r);
        QFETCH(int, cell);
        QCOMPARE(int(engine::RandomCell(count, r)), cell);
    }

    void normalCreationMakesThreeClicksPerCellWithProgress()
    {
        startWithBoard(5);
        game().GameMode = engine::Mode::Normal;
        fake->animation = true;
        bool visibleDuringCreation = true;
        fake->onEvents = [&] {
            visibleDuringCreation = visibleDuringCreation && fake->progressVisible;
        };

        engine::CreatePuzzle();

        QCOMPARE(int(game().PuzzleMoves), 75);
        QCOMPARE(game().MoveHistory.lower(), 1);
        QCOMPARE(game().MoveHistory.upper(), 75);
        for (int i = 1; i <= 75; ++i) {
            QVERIFY(game().MoveHistory(i) >= 1);
            QVERIFY(game().MoveHistory(i) <= 25);
        }
        QCOMPARE(fake->progressMax, 75.0);
        QCOMPARE(int(fake->progressValues.size()), 75);
        QCOMPARE(fake->progressValues.back(), 75.0);
        QCOMPARE(fake->eventRuns, 75);
        QCOMPARE(fake->boardDraws, 75); // the animation redraws after every click
        QVERIFY(visibleDuringCreation);
        QVERIFY(!fake->progressVisible);
    }

    void puzzleCreationNeitherShowsProgressNorAnimates()
    {
        startWithBoard(5);
        game().GameMode = engine::Mode::Puzzle;
        game().PuzzleMoves = 1;
        fake->animation = true;

        engine::CreatePuzzle();

        QCOMPARE(fake->progressShown, 0);
        QCOMPARE(fake->boardDraws, 0);
        QCOMPARE(fake->progressMax, 1.0);
        QCOMPARE(fake->eventRuns, 1);
        // One flip of the plus rule toggles its cell and its neighbours.
        const int cell = game().MoveHistory(1);
        game().CurrentCell = cell;
        engine::FlipAround();
        QVERIFY(solved());
    }

    void replayOnTheSolvedPictureRecreatesThePuzzle()
    {
        startWithBoard(6);
        setRule("#.#/.#./#.#");
        game().GameMode = engine::Mode::Normal;
        engine::CreatePuzzle();
        const auto created = snapshot();

        newBoard(6);
        fake->progressValues.clear();
        engine::ReplayPuzzle();
        QCOMPARE(snapshot(), created);
        QCOMPARE(int(fake->progressValues.size()), 108);
    }

    void everyCreationSeedsAnew()
    {
        std::uint64_t nextSeed = 1;
        platform::setSeedSource([&] { return nextSeed++; });
        startWithBoard(10);
        game().GameMode = engine::Mode::Normal;
        engine::CreatePuzzle();
        const auto first = game().MoveHistory;
        engine::CreatePuzzle();
        QVERIFY(!(game().MoveHistory == first));

        nextSeed = 1;
        engine::CreatePuzzle();
        QVERIFY(game().MoveHistory == first); // the same seed gives the same puzzle
    }

    void progressWindowDoesNotOutliveItsCreationWhenTheModeChanges()
    {
        // "GameSetting" chosen while the scramble runs sets GameMode to 0; the window
        // the creation showed must still go away at its end.
        startWithBoard(5);
        game().GameMode = engine::Mode::Normal;
        fake->onEvents = [] {
            game().GameMode = engine::Mode::None;
            game().PuzzleMoves = 2;
        };
        engine::CreatePuzzle();
        QVERIFY(!fake->progressVisible);
        QCOMPARE(int(game().MoveHistory.size()), 75);
    }

    void boardIsRedrawnOnlyAfterTheMessageIsAnswered()
    {
        startWithBoard(3);
        setRule(".../.#./...");
        game().GameMode = engine::Mode::Normal;
        game().BoardActive = true;
        fake->cellBorders = 1;
        game().CellState(5) = false;
        int drawsWhenAsked = -1;
        fake->onMessage = [&] { drawsWhenAsked = fake->boardDraws; };
        clickCell(5);
        QCOMPARE(drawsWhenAsked, 0);
        QCOMPARE(fake->boardDraws, 1);
    }

    void modeCommandsWithoutAPictureWarn()
    {
        engine::Main();
        newBoard(5);
        engine::play_Click();
        QCOMPARE(int(fake->asked.size()), 1);
        QCOMPARE(fake->asked[0].prompt, std::string("読み込む画像を設定して下さい。"));
        QCOMPARE(fake->asked[0].title, std::string("読み込みエラー"));
        QCOMPARE(fake->asked[0].style, 48);
        QCOMPARE(int(game().GameMode), 1);
        QVERIFY(!game().BoardActive);

        fake->asked.clear();
        fake->answers = {Yes, Yes};
        engine::pazzl_Click();
        QCOMPARE(int(fake->asked.size()), 3);
        QCOMPARE(fake->asked[2].prompt, std::string("読み込む画像を設定して下さい。"));
        QCOMPARE(fake->titleDraws, 1); // the title is repainted all the same
        QCOMPARE(int(game().GameMode), 1);
    }

    void busyBoardRefusesModeCommandsAndClicks()
    {
        startWithBoard(5);
        game().GameMode = engine::Mode::Normal;
        game().BoardActive = false;
        fake->cellBorders = 1; // a creation is running
        const auto before = snapshot();

        engine::play_Click();
        fake->answers = {Yes, Yes};
        engine::pazzl_Click();
        clickCell(13);

        QCOMPARE(snapshot(), before);
        QCOMPARE(fake->boardDraws, 0);
        QCOMPARE(fake->eventRuns, 0);
        QCOMPARE(fake->titleDraws, 1);
        QVERIFY(!engine::BoardTakesCommands());
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "test_engine.moc"
