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

#include <algorithm>
#include <cmath>
#include <bit>
#include <optional>
#include <random>

using boards::newBoard;
using boards::setRule;
using engine::game;

namespace {

constexpr int Yes = 6;

// The reversed cells, lowest first: "1 2 6".
QString reversedCells()
{
    QStringList cells;
    for (int i = 1; i <= game().CellCount; ++i) {
        if (!game().CellState(i))
            cells << QString::number(i);
    }
    return cells.join(QLatin1Char(' '));
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
    std::optional<FakeWindows> fake;

    QString logged() const { return QString::fromStdString(fake->calls); }

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
        engine::connectWindows(&fake.emplace());
        platform::setSeedSource({});
    }

    void flipAroundTogglesRuleCellsWithinEdges_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("toggled");

        const QString all = QStringLiteral("###/###/###");
        QTest::newRow("plus, top-left corner") << QStringLiteral(".#./###/.#.") << 1 << "1 2 6";
        QTest::newRow("all, left edge: nothing wraps") << all << 6 << "1 2 6 7 11 12";
        QTest::newRow("all, right edge: nothing wraps") << all << 10 << "4 5 9 10 14 15";
        QTest::newRow("all, bottom-right corner") << all << 25 << "19 20 24 25";
        QTest::newRow("diagonals, top edge") << QStringLiteral("#.#/.../#.#") << 3 << "7 9";
        QTest::newRow("lopsided: up and left, not mirrored")
            << QStringLiteral("##./#../...") << 13 << "7 8 12";
    }
    void flipAroundTogglesRuleCellsWithinEdges()
    {
        QFETCH(QString, rule);
        QFETCH(int, cell);
        QFETCH(QString, toggled);

        newBoard(5);
        setRule(rule);
        flip(cell);
        QCOMPARE(reversedCells(), toggled);
        flip(cell); // a second flip of the same cell restores the board
        QVERIFY(reversedCells().isEmpty());
    }

    void randomCellStaysOnTheBoard()
    {
        QCOMPARE(int(engine::RandomCell(25, 0.0)), 1);
        QCOMPARE(int(engine::RandomCell(25, 0.04)), 2); // on a boundary
        // The largest float below 1 still names the last of 100 cells.
        QCOMPARE(int(engine::RandomCell(100, double(1.0f - 1.0f / 16777216.0f))), 100);
    }

    // Normal mode: CellCount x 3 clicks, animated a frame each within one to two seconds;
    // puzzle mode: PuzzleMoves clicks, not drawn. Mended: when "GameSetting" resets GameMode
    // and PuzzleMoves meanwhile, the creation still makes its clicks and hides its window.
    void creationClicksAsItsModeSays_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("animation");
        QTest::addColumn<bool>("modeChanged"); // by a command while events run
        QTest::addColumn<QString>("calls");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("framesShown");
        const int normal = engine::Mode::Normal;
        const auto each = [](const char *calls, int n) { return QString(calls).repeated(n); };
        QTest::newRow("3 x 3 animated: 27 clicks stretched to a second")
            << 3 << normal << true << false << 'S' + each("DE", 27) + 'H' << 1.0 << 27;
        QTest::newRow("5 x 5 animated: 75 clicks, a frame each")
            << 5 << normal << true << false << 'S' + each("DE", 75) + 'H' << 1.25 << 75;
        QTest::newRow("10 x 10 animated: 300 clicks in two seconds")
            << 10 << normal << true << false << 'S' + each("DE", 300) + 'H' << 2.0 << 120;
        QTest::newRow("normal, still")
            << 5 << normal << false << false << 'S' + each("E", 75) + 'H' << 0.0 << 0;
        QTest::newRow("normal, mode changed meanwhile")
            << 5 << normal << true << true << "SD" + each("E", 75) + 'H' << 1.25 / 75 << 1;
        QTest::newRow("puzzle, level 2")
            << 5 << int(engine::Mode::Puzzle) << true << false << "EE" << 0.0 << 0;
    }
    void creationClicksAsItsModeSays()
    {
        QFETCH(int, side);
        QFETCH(int, mode);
        QFETCH(bool, animation);
        QFETCH(bool, modeChanged);
        QFETCH(QString, calls);
        QFETCH(double, seconds);
        QFETCH(int, framesShown);
        startWithBoard(side);
        // The clicks of this seed leave the board scrambled, so it is not made again.
        platform::setSeedSource([] { return 1; });
        game().GameMode = mode;
        game().PuzzleMoves = 2;
        fake->animation = animation;
        fake->now = 100; // the clock need not start at zero
        if (modeChanged) {
            fake->onEvents = [] {
                game().GameMode = engine::Mode::None;
                game().PuzzleMoves = 2;
            };
        }

        engine::CreatePuzzle();

        QCOMPARE(logged(), calls);
        QCOMPARE(fake->now - 100, seconds);
        std::vector<long> frames;
        for (const double t : fake->drawnAt)
            frames.push_back(long(std::floor((t - 100) / fake->frameSeconds + 1e-6)));
        frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
        QCOMPARE(int(frames.size()), framesShown);
        // One recorded click a run of events; clicked again, they give the picture back.
        const auto &history = game().MoveHistory;
        QCOMPARE(int(history.upper()), int(std::ranges::count(fake->calls, 'E')));
        for (int i = 1; i <= history.upper(); ++i)
            flip(history(i));
        QVERIFY(reversedCells().isEmpty());
    }

    // Clicks that cancel out are made again, recorded so that a replay gives the same board.
    void solvedCreationIsMadeAgain_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("moves");
        // Two clicks on one cell cancel.
        QTest::newRow("puzzle level 2") << int(engine::Mode::Puzzle) << ".#./###/.#." << 2;
        // Clicks on the top row or left column change nothing; the rest must pair up.
        QTest::newRow("normal 3 x 3, up-left rule")
            << int(engine::Mode::Normal) << "#../.../..." << 27;
    }
    void solvedCreationIsMadeAgain()
    {
        QFETCH(int, mode);
        QFETCH(QString, rule);
        QFETCH(int, moves);
        startWithBoard(3);
        setRule(rule);
        fake->animation = false;

        // The first seed whose first clicks give the solved picture back.
        std::uint64_t seed = 0;
        for (std::uint64_t candidate = 1; candidate < 100000 && seed == 0; ++candidate) {
            platform::setSeedSource([candidate] { return candidate; });
            platform::Randomize();
            for (int i = 0; i < moves; ++i)
                flip(engine::RandomCell(9, platform::Rnd()));
            if (reversedCells().isEmpty())
                seed = candidate;
            newBoard(3);
        }
        QVERIFY(seed != 0);

        platform::setSeedSource([seed] { return seed; });
        game().GameMode = mode;
        game().PuzzleMoves = moves;
        engine::CreatePuzzle();

        const QString scrambled = reversedCells();
        QVERIFY2(!scrambled.isEmpty(), qPrintable(QStringLiteral("seed %1").arg(seed)));
        QVERIFY(std::ranges::count(fake->calls, 'E') >= 2 * moves); // made twice at least
        QCOMPARE(int(game().MoveHistory.upper()), moves);
        newBoard(3);
        engine::ReplayPuzzle();
        QCOMPARE(reversedCells(), scrambled);
    }

    // The click that completes the picture draws the board after its message, not before.
    void boardIsRedrawnOnlyAfterTheMessageIsAnswered()
    {
        newBoard(3);
        setRule(".../.#./...");
        game().GameMode = engine::Mode::Normal;
        game().BoardActive = true;
        game().CellState(5) = false;
        engine::Picture1_Click(4); // the centre cell
        QCOMPARE(logged(), QStringLiteral("MD"));
    }

    // Without a picture (a warning each) or while a creation runs, neither mode command
    // creates a game nor does a click; PazzlMode repaints the title all the same.
    void modeCommandsCreateNothing_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("calls"); // the warnings, PazzlMode's two questions, its title
        QTest::newRow("no picture") << false << false << "MMMMT";
        QTest::newRow("busy board") << true << true << "MMT";
    }
    void modeCommandsCreateNothing()
    {
        QFETCH(bool, picture);
        QFETCH(bool, busy);
        QFETCH(QString, calls);
        startWithBoard(5);
        if (!picture)
            game().ImagePath.clear();
        game().GameMode = engine::Mode::Normal;
        fake->cellBorders = busy ? 1 : 0;
        fake->answer = Yes;

        engine::play_Click();
        engine::pazzl_Click();
        engine::Picture1_Click(12);

        QCOMPARE(logged(), calls);
        const std::tuple<std::string, int, std::string> warning{"読み込む画像を設定して下さい。",
                                                                48, "読み込みエラー"};
        QVERIFY(picture || (fake->asked[0] == warning && fake->asked[3] == warning));
        QVERIFY(game().GameMode == engine::Mode::Normal && !game().BoardActive);
    }

    // Rules with the dimension of their null space on sides 3 to 10, from a separate solver.
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
        };
        for (const auto &rule : rules) {
            for (int side = 3; side <= 10; ++side) {
                QTest::addRow("%s, %d x %d", rule.name, side, side)
                    << QString::fromLatin1(rule.pattern) << side << rule.dimension[side - 3];
            }
        }
    }
    // Scrambles are solved in no more clicks than undoing them; up to 4 x 4 brute force
    // gives the fewest for each board, and none for a board no set reaches.
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
            engine::CellBits clickedOddly;
            for (int i = 0; i <= scramble * cells; ++i) {
                const int cell = std::uniform_int_distribution<int>(1, cells)(random);
                flip(cell);
                clickedOddly.flip(cell - 1);
            }
            const auto solution = engine::ShortestSolution();
            QVERIFY(solution && solution->size() <= clickedOddly.count());
            for (const int cell : *solution)
                flip(cell);
            QVERIFY(reversedCells().isEmpty());
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
            QVERIFY(reversedCells().isEmpty() || !solution);
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
    void hintIsTheSolutionsCellNearestTheCursor_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("reversed");
        QTest::addColumn<int>("hint"); // from the centre cell
        const QString only = QStringLiteral(".../.#./...");
        QTest::newRow("by arrow steps, not diagonally") << only << "7 18" << 18;
        QTest::newRow("equally near: the lower cell") << only << "8 12 14 18" << 8;
        QTest::newRow("solved") << only << "" << 0;
        QTest::newRow("unsolvable") << QStringLiteral(".../.../...") << "7" << 0;
    }
    void hintIsTheSolutionsCellNearestTheCursor()
    {
        QFETCH(QString, rule);
        QFETCH(QString, reversed);
        QFETCH(int, hint);
        newBoard(5);
        setRule(rule);
        for (const QString &cell : reversed.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            game().CellState(cell.toInt()) = false;
        game().GameMode = engine::Mode::Normal;
        game().BoardActive = true;
        QCOMPARE(engine::HintCell(13).value_or(0), hint);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "test_engine.moc"
