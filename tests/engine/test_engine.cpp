// The rules of the game, driven through a fake of the windows, and the hint's solver.

#include <QTest>

#include "boards.h"
#include "clickalgebra.h"
#include "fakewindows.h"
#include "fliprule.h"
#include "gamestate.h"
#include "hint.h"
#include "playmodes.h"
#include "puzzle.h"
#include "random.h"
#include "startup.h"

#include <bit>
#include <random>
#include <set>

using boards::newBoard;
using boards::setRule;
using engine::game;

namespace {

constexpr int Yes = 6;

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

// The game's own move, as a creation makes it.
void flip(int cell)
{
    game().CurrentCell = cell;
    engine::FlipAround();
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
        QTest::newRow("all, bottom-right corner") << all << 25 << "19 20 24 25";
        QTest::newRow("none") << QStringLiteral(".../.../...") << 13 << "";
        QTest::newRow("only the cell") << QStringLiteral(".../.#./...") << 7 << "7";
        QTest::newRow("diagonals, top edge") << QStringLiteral("#.#/.../#.#") << 3 << "7 9";
    }
    void flipAroundTogglesRuleCellsWithinEdges()
    {
        QFETCH(QString, rule);
        QFETCH(int, cell);
        QFETCH(QString, toggled);

        newBoard(5);
        setRule(rule);
        flip(cell);
        QCOMPARE(reversedCells(), cellSet(toggled));
        flip(cell); // a second flip of the same cell restores the board
        QVERIFY(reversedCells().empty());
    }

    void randomCellStaysOnTheBoard_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("cell");
        QTest::newRow("r = 0") << 25 << 0.0 << 1;
        QTest::newRow("on a boundary") << 25 << 0.04 << 2;
        QTest::newRow("largest float below 1, 100 cells")
            << 100 << double(1.0f - 1.0f / 16777216.0f) << 100;
    }
    void randomCellStaysOnTheBoard()
    {
        QFETCH(int, count);
        QFETCH(double, r);
        QFETCH(int, cell);
        QCOMPARE(int(engine::RandomCell(count, r)), cell);
    }

    // Normal mode: CellCount x 3 clicks under the progress window, the board redrawn after
    // each one while the animation is on. Puzzle mode: PuzzleMoves clicks, neither.
    // Mended: "GameSetting" chosen while the scramble runs sets GameMode to 0 and
    // PuzzleMoves anew; the creation still makes the clicks it started with, and the
    // window it showed still goes away at its end.
    void creationClicksAsItsModeSays_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("modeChanged"); // by a command while events run
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("draws");
        const int normal = engine::Mode::Normal;
        QTest::newRow("normal, animated") << normal << true << false << 75 << 75;
        QTest::newRow("normal, still") << normal << false << false << 75 << 0;
        QTest::newRow("normal, mode changed meanwhile") << normal << true << true << 75 << 1;
        QTest::newRow("puzzle, level 2") << int(engine::Mode::Puzzle) << true << false << 2 << 0;
    }
    void creationClicksAsItsModeSays()
    {
        QFETCH(int, mode);
        QFETCH(bool, animation);
        QFETCH(bool, modeChanged);
        QFETCH(int, clicks);
        QFETCH(int, draws);
        startWithBoard(5);
        game().GameMode = mode;
        game().PuzzleMoves = 2;
        fake->animation = animation;
        if (modeChanged) {
            fake->onEvents = [] {
                game().GameMode = engine::Mode::None;
                game().PuzzleMoves = 2;
            };
        }

        engine::CreatePuzzle();

        const auto &history = game().MoveHistory;
        QCOMPARE(history.upper(), clicks);
        QCOMPARE(fake->eventRuns, clicks);
        QCOMPARE(fake->boardDraws, draws);
        QCOMPARE(fake->progressShown, mode == engine::Mode::Normal ? 1 : 0);
        QVERIFY(!fake->progressVisible);
        // The recorded clicks made the board: clicking them again gives the picture back.
        for (int i = 1; i <= clicks; ++i)
            flip(history(i));
        QVERIFY(reversedCells().empty());
    }

    // The click that completes the picture draws the board after its message, not before.
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
        engine::Picture1_Click(4); // the centre cell
        QCOMPARE(drawsWhenAsked, 0);
        QCOMPARE(fake->boardDraws, 1);
    }

    // Without a picture (a warning each) or while a creation runs, neither mode command
    // creates a game, and a click does nothing; PazzlMode repaints the title all the same.
    void modeCommandsCreateNothing_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("messages"); // PazzlMode's two questions, and the warnings
        QTest::newRow("no picture") << false << false << 4;
        QTest::newRow("busy board") << true << true << 2;
    }
    void modeCommandsCreateNothing()
    {
        QFETCH(bool, picture);
        QFETCH(bool, busy);
        QFETCH(int, messages);
        startWithBoard(5);
        if (!picture)
            game().ImagePath.clear();
        game().GameMode = engine::Mode::Normal;
        fake->cellBorders = busy ? 1 : 0;
        fake->answers = {Yes, Yes, Yes};

        engine::play_Click();
        engine::pazzl_Click();
        engine::Picture1_Click(12);

        QCOMPARE(int(fake->asked.size()), messages);
        if (!picture) {
            QCOMPARE(fake->asked[0].prompt, std::string("読み込む画像を設定して下さい。"));
            QCOMPARE(fake->asked[0].title, std::string("読み込みエラー"));
            QCOMPARE(fake->asked[0].style, 48);
            QCOMPARE(fake->asked[3].prompt, fake->asked[0].prompt);
        }
        QVERIFY(reversedCells().empty());
        QCOMPARE(fake->boardDraws, 0);
        QCOMPARE(fake->eventRuns, 0);
        QCOMPARE(fake->titleDraws, 1);
        QCOMPARE(int(game().GameMode), 1);
        QVERIFY(!game().BoardActive);
    }

    // Rules by name, with the dimension of their null space (the independent sets of
    // clicks that change nothing) on sides 3 to 10, as a separate solver found them.
    void solverFindsTheFewestClicks_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("dimension");
        const struct
        {
            const char *name, *pattern;
            int dimension[8];
        } rules[] = {
            {"cross", ".#./###/.#.", {0, 4, 2, 0, 0, 0, 8, 0}},
            {"all nine", "###/###/###", {0, 0, 9, 0, 0, 15, 0, 0}},
            {"X", "#.#/.#./#.#", {0, 4, 4, 0, 0, 2, 8, 0}},
            {"centre and right", ".../.##/...", {0, 0, 0, 0, 0, 0, 0, 0}},
            {"four corners", "#.#/.../#.#", {5, 0, 9, 0, 13, 0, 17, 0}},
            {"nothing", ".../.../...", {9, 16, 25, 36, 49, 64, 81, 100}},
        };
        for (const auto &rule : rules) {
            for (int side = 3; side <= 10; ++side) {
                QTest::addRow("%s, %d x %d", rule.name, side, side)
                    << QString::fromLatin1(rule.pattern) << side << rule.dimension[side - 3];
            }
        }
    }
    // Boards scrambled by the game's own clicks are solved in no more clicks than the
    // scramble undone would take. Up to 4 x 4, brute force over every set of clicks gives
    // the fewest for each board, and none for a board no set reaches.
    void solverFindsTheFewestClicks()
    {
        QFETCH(QString, rule);
        QFETCH(int, side);
        QFETCH(int, dimension);
        newBoard(side);
        setRule(rule);
        const int cells = side * side;
        QCOMPARE(engine::NullSpaceDimension(), dimension);

        std::mt19937 random(side);
        for (int scramble = 0; scramble < 4; ++scramble) {
            std::set<int> clickedOddly;
            for (int i = 0; i <= scramble * cells; ++i) {
                const int cell = std::uniform_int_distribution<int>(1, cells)(random);
                flip(cell);
                if (!clickedOddly.erase(cell))
                    clickedOddly.insert(cell);
            }
            const auto solution = engine::ShortestSolution();
            QVERIFY(solution && solution->size() <= clickedOddly.size());
            for (const int cell : *solution)
                flip(cell);
            QVERIFY(reversedCells().empty());
        }
        if (side > 4)
            return;

        std::vector<std::uint64_t> toggles(cells);
        for (int cell = 1; cell <= cells; ++cell) {
            for (const int toggled : engine::CellsFlippedBy(cell))
                toggles[cell - 1] |= std::uint64_t(1) << (toggled - 1);
        }
        std::vector<int> fewest(std::size_t(1) << cells, -1);
        fewest[0] = 0;
        std::uint64_t reached = 0;
        for (std::uint64_t set = 1; set < fewest.size(); ++set) { // in Gray-code order
            reached ^= toggles[std::countr_zero(set)];
            const int clicks = std::popcount(set ^ (set >> 1));
            if (fewest[reached] < 0 || clicks < fewest[reached])
                fewest[reached] = clicks;
        }
        const std::uint64_t every = cells == 9 ? 1 : 211; // all of 3 x 3, 311 of 4 x 4
        for (std::uint64_t board = 0; board < fewest.size(); board += every) {
            for (int cell = 1; cell <= cells; ++cell)
                game().CellState(cell) = !(board >> (cell - 1) & 1);
            const auto solution = engine::ShortestSolution();
            QCOMPARE(solution ? int(solution->size()) : -1, fewest[board]);
            for (const int cell : solution.value_or(std::vector<int>{}))
                flip(cell);
            QVERIFY(reversedCells().empty() || !solution);
        }
    }

    // Beyond twenty silent click sets the search is local: here one of fifty such sets
    // turns ten clicks into one.
    void largeNullSpacesStillLoseNeedlessClicks()
    {
        std::vector<engine::CellBits> toggles(engine::MaxCells);
        engine::CellBits firstTen;
        for (int cell = 0; cell < 10; ++cell)
            firstTen.set(cell);
        for (int click = 0; click < 50; ++click)
            toggles[click].set(click);
        toggles[50] = firstTen; // clicks 52 to 100 toggle nothing
        const auto solutions = engine::solveClicks(toggles, firstTen);
        QCOMPARE(solutions->nullSpace.size(), std::size_t(50));
        QCOMPARE(engine::fewestClicks(*solutions), engine::CellBits().set(50));
    }

    // Under the cell-only rule the solution is the reversed cells themselves. Hint 0: none.
    // That F5 does nothing in puzzle mode or without a game is tried on the real windows.
    void hintIsTheSolutionsCellNearestTheCursor_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("reversed");
        QTest::addColumn<int>("hint"); // from the centre cell
        const QString only = QStringLiteral(".../.#./...");
        QTest::newRow("by arrow steps, not diagonally") << only << "7 18" << 18;
        QTest::newRow("equally near: the lower cell") << only << "8 12 14 18" << 8;
        QTest::newRow("solved") << only << "" << 0;
        QTest::newRow("unsolvable") << ".../.../..."
                                    << "7" << 0;
    }
    void hintIsTheSolutionsCellNearestTheCursor()
    {
        QFETCH(QString, rule);
        QFETCH(QString, reversed);
        QFETCH(int, hint);
        newBoard(5);
        setRule(rule);
        for (const int cell : cellSet(reversed))
            game().CellState(cell) = false;
        game().GameMode = engine::Mode::Normal;
        game().BoardActive = true;
        QCOMPARE(engine::HintCell(13).value_or(0), hint);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "test_engine.moc"
