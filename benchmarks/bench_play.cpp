// Making a normal-mode puzzle on a 10 x 10 board: 300 random clicks, events run after
// every one, the progress window advancing, with the creation animation (the board
// redrawn after each click) and without it. The board and the progress window are
// real and shown.

#include <QApplication>
#include <QCoreApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include "board.h"
#include "form5.h"
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
    std::printf("\nTargets: %s\n", met ? "met" : "NOT met");
    engine::connectWindows(nullptr);
    return 0;
}
