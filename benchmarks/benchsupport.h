#pragma once

// What both benchmarks share: a plain window that hosts a board, the game setting
// dialog's three settings, the process's memory figures and a stopwatch.

#include <QElapsedTimer>
#include <QImage>
#include <QMap>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <vector>

#include "board.h"
#include "twips.h"

namespace bench {

// A top-level window standing in for the main window: its client area is the outer
// width wide and the outer height less the game's allowance for title and menu high.
class HostWindow : public board::BoardHost
{
public:
    HostWindow() { window.resize(200, 200); }
    QWidget *cellParent() override { return &window; }
    void setOuterHeight(double twips) override
    {
        window.resize(window.width(), std::max(1, platform::toPixels(twips - 680)));
    }
    void setOuterWidth(double twips) override
    {
        m_width = twips;
        window.resize(std::max(1, platform::toPixels(twips)), window.height());
    }
    double outerWidth() override { return m_width; }

    QWidget window;

private:
    double m_width = 0;
};

class Settings : public board::BoardSettings
{
public:
    int gridSide() override { return side; }
    bool wholePicture() override { return whole; }
    void hideSettings() override {}

    int side = 10;
    bool whole = true;
};

// Resident and peak resident memory of this process in KiB, from /proc/self/status.
long residentKb();
long peakResidentKb();
// Makes the peak start again from what is resident now (Linux 4.0 and later); false
// when the kernel does not offer it.
bool resetPeak();

// Figures of one case, by name.
using Figures = QMap<QString, double>;

// Prints the figures as one "RESULT name=value ..." line, for the parent process.
void report(const Figures &figures);

// Runs this program again as "--case" followed by the arguments, so that the case's
// peak memory is its own; the figures it reported, empty when it failed.
Figures runCase(const QStringList &arguments);

// Smooth gradients with noise on top, so that neither the JPEG nor the GIF encoder
// finds an easy picture.
QImage testPicture(int width, int height);

// Loads a picture as the game does, after loading every decoder once, and reports the
// milliseconds, the peak memory growth in MB ("peak_mb") and whether it loaded.
Figures measurePictureLoad(const QString &path, const QSize &size);

// Milliseconds of a call.
template <typename F> double timeMs(F &&call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
