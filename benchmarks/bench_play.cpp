// Making a normal-mode puzzle on a 10 x 10 board: 300 random clicks, events run after
// every one, the progress window advancing, with the creation animation (the board
// redrawn after each click, unpaced here) and without it. Then the animation as the
// player watches it, paced to a 60 Hz display on 3 x 3, 5 x 5 and 10 x 10 boards: its
// length and the frames in which the board was painted anew. The board and the
// progress window are real and shown.

#include <QApplication>
#include <QCoreApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <set>
#include <vector>

#include "animationpace.h"
#include "board.h"
#include "events.h"
#include "form5.h"
#include "picturebox.h"
#include "gamestate.h"
#include "gamewindows.h"
#include "puzzle.h"
#include "startup.h"

#include "benchsupport.h"

namespace {

constexpr int Runs = 5;

// The game's windows as the creation needs them: the board's drawing and frames, the
// progress window and the event pump; everything else does nothing.
class Windows : public engine::GameWindows
{
public:
    Windows(board::Board &board, board::Form5 &progress) : m_board(board), m_progress(progress) {}

    bool animation = true;

    int MsgBox(const std::string &, int, const std::string &) override { return 1; }
    void ShowSplash() override {}
    void DrawBoard() override { m_board.DrawBoard(); }
    void DrawBackground() override {}
    void backward() override {}
    void SetCellBorders(int borderStyle) override { m_board.setCellBorders(borderStyle); }
    int FirstCellBorderStyle() override { return m_board.firstCellBorderStyle(); }
    bool AnimationOn() override { return animation; }
    void ShowProgress() override { m_progress.show(); }
    void HideProgress() override { m_progress.hide(); }
    void SetProgressMax(double max) override { m_progress.setProgressMax(max); }
    void SetProgressValue(double value) override { m_progress.setProgressValue(value); }
    void DoEvents() override { QCoreApplication::processEvents(); }
    double Clock() override { return platform::steadySeconds(); }
    double FrameSeconds() override { return 1.0 / 60; }
    void DoEventsUntil(double until) override { platform::DoEventsUntil(until); }
    void CreationRunning(bool) override {}
    double MainWidth() override { return 0; }
    void SetMainWidth(double) override {}
    void SetTaskLabelVisible(bool) override {}
    void SetTaskLabelLeft(double) override {}
    void SetTaskLabelCaption(const engine::TaskLabel &) override {}

private:
    board::Board &m_board;
    board::Form5 &m_progress;
};

struct Timing
{
    double mean = 0;
    double worst = 0;
};

Timing timeCreation(Windows &windows, board::Board &board, bool animation)
{
    engine::GameState &g = engine::game();
    windows.animation = animation;
    std::vector<double> runs;
    for (int run = 0; run < Runs; ++run) {
        for (int k = 1; k <= g.CellCount; ++k)
            g.CellState(k) = true;
        g.GameMode = engine::Mode::Normal;
        board.DrawBoard();
        board.setCellBorders(1);
        QCoreApplication::processEvents();
        runs.push_back(bench::timeMs([] { engine::CreatePuzzle(); }));
        board.DrawBoard();
        board.setCellBorders(0);
        QCoreApplication::processEvents();
    }
    Timing timing;
    for (double ms : runs) {
        timing.mean += ms / Runs;
        timing.worst = std::max(timing.worst, ms);
    }
    return timing;
}

// Counts the display frames (1/60 s slots of the steady clock) in which any cell of the
// board was painted.
class FrameCounter : public QObject
{
public:
    std::set<long> frames;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            frames.insert(long(platform::steadySeconds() * 60));
        return QObject::eventFilter(watched, event);
    }
};

struct Watched
{
    double seconds = 0;
    int frames = 0;
};

// One paced creation with the animation on, as a player sees it.
Watched watchCreation(Windows &windows, board::Board &board, bench::Settings &settings, int side)
{
    engine::GameState &g = engine::game();
    settings.side = side;
    if (!board.BuildBoard())
        return {};
    FrameCounter counter;
    for (int i = 0; i < board.cellControls(); ++i)
        board.Picture1(i)->installEventFilter(&counter);
    windows.animation = true;
    g.GameMode = engine::Mode::Normal;
    board.setCellBorders(1);
    QCoreApplication::processEvents();
    counter.frames.clear();
    Watched watched;
    watched.seconds = bench::timeMs([] { engine::CreatePuzzle(); }) / 1000;
    watched.frames = int(counter.frames.size());
    board.setCellBorders(0);
    return watched;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.jpg"));
    QImage picture(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y,
                             qRgb(x * 255 / 1920, y * 255 / 1080, (x / 64 + y / 64) % 2 * 200));
    }
    if (!QImageWriter(path, "jpeg").write(picture))
        return 1;

    bench::HostWindow host;
    bench::Settings settings;
    board::Board board(host, settings);
    board::Form5 progress(&host.window);
    Windows windows(board, progress);
    engine::connectWindows(&windows);
    engine::Main();
    host.window.show();

    engine::GameState &g = engine::game();
    g.ImagePath = path.toStdString();
    settings.side = 10;
    if (!board.BuildBoard())
        return 1;
    QCoreApplication::processEvents();

    std::printf(
        "Normal-mode creation on a %d x %d board: %d random clicks, events run after each;\n"
        "mean and worst of %d runs (platform: %s).\n\n",
        int(g.GridCols), int(g.GridRows), int(g.CellCount) * 3, Runs,
        qPrintable(QGuiApplication::platformName()));
    bool met = true;
    // The cost of the scramble itself, without the animation's pacing.
    engine::setAnimationLength({0, 0});
    for (const bool whole : {true, false}) {
        settings.whole = whole;
        const Timing on = timeCreation(windows, board, true);
        const Timing off = timeCreation(windows, board, false);
        std::printf("%-28s animation on : %8.1f ms (worst %8.1f)   target < 1000 ms\n",
                    whole ? "whole picture" : "per cell", on.mean, on.worst);
        std::printf("%-28s animation off: %8.1f ms (worst %8.1f)   target <   50 ms\n", "",
                    off.mean, off.worst);
        met = met && on.worst < 1000 && off.worst < 50;
    }
    engine::setAnimationLength({});

    std::printf("\nThe animation as the player watches it (paced to 60 Hz, whole picture):\n");
    settings.whole = true;
    for (const int side : {3, 5, 10}) {
        const Watched watched = watchCreation(windows, board, settings, side);
        const int clicks = side * side * 3;
        std::printf("%2d x %-2d %3d clicks: %5.2f s, %3d frames painted   target 1 to 2 s, "
                    "%s\n",
                    side, side, clicks, watched.seconds, watched.frames,
                    clicks <= 120 ? "a frame each click" : "at most 2 s");
        met = met && watched.seconds >= 0.9 && watched.seconds <= 2.1 &&
              watched.frames >= std::min(clicks, 110);
    }
    std::printf("\nTargets: %s\n", met ? "met" : "NOT met");
    engine::connectWindows(nullptr);
    return 0;
}
