// Thousands of random steps over the real windows, nested while a creation lets events run;
// after each the game's invariants hold, with no error box and no Qt warning. The seed is
// printed; TOVIK2_SOAK_SEED replays it, TOVIK2_SOAK_STEPS sets the number of steps.

#include <QAction>
#include <QCheckBox>
#include <QMap>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "filelists.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "gamewindowsadapter.h"
#include "label.h"
#include "messagebox.h"
#include "movelimit.h"
#include "qtwarnings.h"
#include "random.h"
#include "ui/gamedriver.h"
#include "web.h"

#include <cstdio>
#include <functional>
#include <random>

using engine::game;

class Soak : public QObject
{
    Q_OBJECT

    std::mt19937 m_random;
    QTemporaryDir m_pictures;
    QTimer m_interleave;
    int m_nestedBudget = 0;
    int m_step = 0;
    int m_restarts = 0;
    QStringList m_errors;
    QString m_lastAction;
    QMap<QString, int> m_questions; // how often each message came up: what the run reached

    static int environmentNumber(const char *name, int fallback)
    {
        return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
    }
    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_random)); }
    bool chance(int percent) { return below(100) < percent; }

    void startWorld()
    {
        gamedriver::startFreshGame();
        ui::form1().show();
        ui::form1().board().DrawBoard();
        ui::form2().Dir1->setPath(m_pictures.path());
    }

    // A random answer among those the box offers; an error report (critical box) fails.
    int answer(const platform::MessageBoxRequest &request)
    {
        ++m_questions[request.prompt.section(QLatin1Char('\r'), 0, 0)];
        if (request.style == 16)
            m_errors
                << QStringLiteral("step %1 (%2): %3").arg(m_step).arg(m_lastAction, request.prompt);
        using namespace platform::MsgBoxAnswer;
        if (request.style == platform::MsgBoxStyle::YesNo)
            return chance(request.prompt == QStringLiteral("終了しますか？") ? 10 : 60) ? Yes : No;
        if (request.style == platform::MsgBoxStyle::CancelTryContinue)
            return std::array{Cancel, TryAgain, Continue}[below(3)];
        return Ok;
    }

    // One random step: each kind of step comes up as often as its weight says.
    void randomAction()
    {
        struct Step
        {
            int weight;
            const char *name;
            std::function<void()> run;
        };
        ui::Form1 &form1 = ui::form1();
        const Step steps[] = {
            {7, "cell click",
             [this] {
                 QWidget *cell =
                     ui::form1().board().Picture1(below(std::max<int>(1, game().CellCount)));
                 if (cell->isVisible())
                     QTest::mouseClick(cell, Qt::LeftButton);
             }},
            // Right after a creation this solves it, so the run reaches the later levels.
            {2, "solve by the recorded clicks",
             [] {
                 gamedriver::undoRecordedClicks(
                     [] { return game().BoardActive && !platform::programEnding(); });
             }},
            // Cursor moves, Space and Return on the board.
            {3, "board keys",
             [this] {
                 const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                         Qt::Key_Down, Qt::Key_Space, Qt::Key_Return};
                 for (int n = 1 + below(4); n > 0 && !platform::programEnding(); --n)
                     QTest::keyClick(ui::form1().client(), keys[below(6)]);
             }},
            // Return or Escape in one of the dialogs, shown or not.
            {1, "dialog key",
             [this] {
                 QWidget *dialog =
                     std::array<QWidget *, 3>{&ui::form2(), &ui::form3(), &ui::form6()}[below(3)];
                 QTest::keyClick(dialog, chance(50) ? Qt::Key_Return : Qt::Key_Escape);
             }},
            // F1 to F5 (F4 is "EndGmae"), by the key or by the menu item.
            {5, "F1 to F5",
             [&] {
                 QAction *items[] = {form1.arrange, form1.play, form1.pazzl, nullptr, form1.hint};
                 const int f = below(5);
                 m_lastAction = QStringLiteral("F%1").arg(f + 1);
                 if (items[f] && chance(50))
                     return items[f]->trigger();
                 form1.activateWindow(); // the key reaches the main window's shortcuts
                 QApplication::setActiveWindow(&form1);
                 QTest::keyClick(&form1, Qt::Key(Qt::Key_F1 + f));
             }},
            {1, "Option", [&] { form1.Option->trigger(); }},
            {1, "About",
             [&] {
                 form1.about->trigger();
                 if (chance(30))
                     ui::form3().VScroll1->setValue(-50 * below(91));
                 if (chance(30))
                     ui::form3().close();
             }},
            {1, "Web page", [&] { form1.web->trigger(); }},
            {1, "grid side", [this] { ui::form2().VScroll1->setValue(3 + below(8)); }},
            {1, "display method",
             [this] {
                 (chance(50) ? ui::form2().Option4 : ui::form2().Option5)->setChecked(true);
                 ui::form2().Check1->setChecked(chance(50));
             }},
            {1, "file click",
             [this] {
                 platform::FileListBox *files = ui::form2().File1;
                 if (files->count() > 0)
                     files->clickFile(files->item(below(files->count()))->text());
             }},
            {1, "GameSetting OK", [] { ui::form2().Image1_Click(); }},
            {1, "GameSetting Cancel",
             [this] { chance(50) ? ui::form2().Image2_Click() : void(ui::form2().close()); }},
            {1, "cell size", [this] { ui::form6().VScroll1->setValue(495 + 15 * below(34)); }},
            {1, "rule box", [this] { ui::form6().Picture2_Click(below(9)); }},
            {1, "Option OK", [] { ui::form6().Image1_Click(); }},
            {1, "Option Cancel",
             [this] { chance(50) ? ui::form6().Image2_Click() : void(ui::form6().close()); }},
            {1, "events", [] { QCoreApplication::processEvents(); }},
        };
        std::vector<int> weights;
        for (const Step &step : steps)
            weights.push_back(step.weight);
        const Step &step =
            steps[std::discrete_distribution<int>(weights.begin(), weights.end())(m_random)];
        m_lastAction = QLatin1String(step.name);
        step.run();
    }

    // The invariants that hold whenever no handler is running.
    void checkInvariants()
    {
        const auto &g = game();
        const QString where = QStringLiteral("step %1 after %2").arg(m_step).arg(m_lastAction);
        auto check = [&](bool ok, const char *what) {
            if (!ok)
                m_errors << where + QStringLiteral(": ") + QLatin1String(what);
        };
        for (const QString &warning : qtwarnings::take())
            m_errors << where + QStringLiteral(": Qt warned: ") + warning;
        check(g.CellState.size() == g.CellCount, "CellState has CellCount entries");
        check(g.CellCount == 0 || g.CellState.lower() == 1, "CellState starts at 1");
        check(g.GridCols == g.GridRows, "the grid is square");
        check(g.CellCount == g.GridCols * g.GridRows, "CellCount is GridRows x GridCols");
        check(ui::form1().board().cellControls() == std::max<int>(1, g.CellCount),
              "one cell control per cell");
        check(ui::form1().board().firstCellBorderStyle() == 0 || g.BoardActive,
              "an idle board is frameless or active");
        check(g.MovesLeft >= 0, "MovesLeft never below 0");
        check(g.ImagePath.empty() == (g.CellCount == 0),
              "a board is built exactly when ImagePath is set");
        if (g.GameMode == engine::Mode::Puzzle && g.BoardActive) {
            check(ui::form1().Label1->caption() == ui::taskCaption(engine::CurrentTask()),
                  "the task label shows PuzzleMoves and MovesLeft");
            check(g.MovesLeft >= 1 && g.MovesLeft <= g.PuzzleMoves, "MovesLeft within the limit");
        }
        check(!ui::form5().isVisible(), "the progress window is gone after its creation");
        const board::BoardCursor &cursor = ui::form1().boardCursor();
        check(!cursor.isShown() || (g.BoardActive && cursor.position() < g.CellCount),
              "the keyboard cursor shows only on the board of a running game");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_pictures.isValid());
        qtwarnings::install();
        // Pictures of every kind the dialog lists, and one that only claims to be a JPEG.
        for (const char *name : {"photo.jpg", "IMG_0001.JPG", "drawing.bmp"})
            QVERIFY(!gamedriver::writePicture(m_pictures.path(), name, Qt::darkGreen).isEmpty());
        QFile fake(m_pictures.filePath(QStringLiteral("broken.jpg")));
        QVERIFY(fake.open(QIODevice::WriteOnly) && fake.write("not a picture at all") > 0);

        const int seed =
            environmentNumber("TOVIK2_SOAK_SEED", QDateTime::currentMSecsSinceEpoch() % 1000000);
        std::printf("soak seed %d (set TOVIK2_SOAK_SEED=%d to replay)\n", seed, seed);
        m_random.seed(unsigned(seed));
        // The game's own scrambles draw from the same seed, so a run replays exactly.
        platform::setSeedSource([this] { return std::uint64_t(m_random()); });
        platform::setWebOpener([](const QUrl &) {});
        platform::setMessageBoxResponder(
            [this](const platform::MessageBoxRequest &r) { return answer(r); });

        // While a handler lets events run, this timer fires more random steps.
        m_interleave.setInterval(0);
        connect(&m_interleave, &QTimer::timeout, this, [this] {
            if (m_nestedBudget <= 0 || platform::programEnding())
                return;
            --m_nestedBudget;
            randomAction();
        });
    }

    void cleanupTestCase()
    {
        platform::setMessageBoxResponder({});
        platform::setWebOpener({});
        platform::setSeedSource({});
        ui::destroyForms();
    }

    void randomStepsKeepTheGameConsistent()
    {
        const int steps = environmentNumber("TOVIK2_SOAK_STEPS", 3000);
        startWorld();
        qtwarnings::take();
        for (m_step = 1; m_step <= steps && m_errors.isEmpty(); ++m_step) {
            m_nestedBudget = chance(30) ? below(6) : 0;
            m_interleave.start();
            randomAction();
            m_interleave.stop();
            if (platform::programEnding()) {
                // "EndGmae" answered Yes: every window is gone; start a new run.
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (window->isVisible())
                        m_errors << QStringLiteral("step %1: %2 still shown after the end")
                                        .arg(QString::number(m_step), window->windowTitle());
                ++m_restarts;
                startWorld();
                continue;
            }
            checkInvariants();
        }
        std::printf("%d steps, %d restarts\n", m_step - 1, m_restarts);
        for (auto it = m_questions.cbegin(); it != m_questions.cend(); ++it)
            std::printf("%6d x %s\n", it.value(), qPrintable(it.key()));
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(Soak)
#include "test_soak.moc"
