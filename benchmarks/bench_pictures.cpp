// Loading pictures: two real photographs that must load (a 50-megapixel baseline JPEG
// and a 24-megapixel progressive one), and every hostile file of the test corpus, as
// the chosen picture and as "backgland.gif". Each load runs in a child process of its
// own (this program started again with --case), so its peak memory is its own.
//
//   bench_pictures            generates the files, runs every case, prints the tables
//   bench_pictures --case load <picture> <width> <height>
//   bench_pictures --case background <folder holding backgland.gif>

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cstdio>

#include "background.h"
#include "picturebudget.h"

#include "badpictures.h"
#include "benchsupport.h"

namespace {

// The board's Mask at its largest: 10 cells of 990 twips.
const QSize BoardSize(660, 660);
// A main window of that board, as the background is painted over it.
const QSize WindowSize(660, 700);

int backgroundCase(const QString &folder)
{
    QDir::setCurrent(folder);
    const long residentBefore = bench::residentKb();
    const bool peakReset = bench::resetPeak();
    QImage picture;
    bench::Figures figures;
    figures[QStringLiteral("ms")] =
        bench::timeMs([&] { picture = board::backgroundPicture(WindowSize); });
    figures[QStringLiteral("peak_mb")] = double(bench::peakResidentKb() - residentBefore) / 1024.0;
    figures[QStringLiteral("peak_reset")] = peakReset ? 1 : 0;
    // What stays for the rest of the run.
    figures[QStringLiteral("kept_mb")] = double(bench::residentKb() - residentBefore) / 1024.0;
    figures[QStringLiteral("loaded")] = picture.isNull() ? 0 : 1;
    bench::report(figures);
    return 0;
}

int runCase(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString kind = QString::fromLocal8Bit(argv[2]);
    if (kind == QLatin1String("background"))
        return backgroundCase(QString::fromLocal8Bit(argv[3]));
    if (argc < 6)
        return 2;
    const QSize size(atoi(argv[4]), atoi(argv[5]));
    bench::report(bench::measurePictureLoad(QString::fromLocal8Bit(argv[3]), size));
    return 0;
}

void printRow(const char *label, const bench::Figures &figures)
{
    if (figures.isEmpty()) {
        std::printf("%-48s %10s\n", label, "FAILED");
        return;
    }
    std::printf("%-48s %9.1f ms %9.1f MB %-8s", label, figures.value(QStringLiteral("ms")),
                figures.value(QStringLiteral("peak_mb")),
                figures.value(QStringLiteral("loaded")) > 0 ? "loaded" : "refused");
    if (figures.contains(QStringLiteral("kept_mb")))
        std::printf(" kept %.1f MB", figures.value(QStringLiteral("kept_mb")));
    std::printf("\n");
}

bool writeJpeg(const QString &path, const QSize &size, bool progressive)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(bench::testPicture(size.width(), size.height()));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--case") == 0)
        return runCase(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    std::printf("Generating pictures...\n");
    std::fflush(stdout);
    const QString baseline = dir.filePath(QStringLiteral("photo-50mp.jpg"));
    const QString progressive = dir.filePath(QStringLiteral("photo-24mp-progressive.jpg"));
    if (!writeJpeg(baseline, QSize(8660, 5774), false) ||
        !writeJpeg(progressive, QSize(6000, 4000), true))
        return 1;

    std::printf("\nLoadPicture at the board's largest size (%d x %d); peak: growth of the peak\n"
                "resident memory during the load; budget %lld MB.\n\n",
                BoardSize.width(), BoardSize.height(), platform::PictureLoadBudgetBytes >> 20);
    const auto load = [](const QString &path, const QSize &size) {
        return bench::runCase({QStringLiteral("load"), path, QString::number(size.width()),
                               QString::number(size.height())});
    };
    printRow("8660 x 5774 baseline JPEG (50 MP)", load(baseline, BoardSize));
    printRow("6000 x 4000 progressive JPEG (24 MP)", load(progressive, BoardSize));
    printRow("6000 x 4000 progressive JPEG, 330 x 330", load(progressive, QSize(330, 330)));

    std::printf("\nHostile files, as the chosen picture and as \"backgland.gif\" (painted over\n"
                "%d x %d; kept: what stays resident for the run).\n\n",
                WindowSize.width(), WindowSize.height());
    for (const BadPicture &bad : badpictures::all()) {
        const QString folder = dir.filePath(bad.name + QStringLiteral(".d"));
        QDir().mkpath(folder);
        const QString path = QDir(folder).filePath(bad.name);
        const QString background = QDir(folder).filePath(QStringLiteral("backgland.gif"));
        if (!bad.make(path) || !bad.make(background)) {
            std::printf("%-48s cannot be made here\n", qPrintable(bad.description));
            continue;
        }
        const QByteArray label = bad.description.toUtf8();
        printRow(label.constData(), load(path, BoardSize));
        printRow("  as backgland.gif", bench::runCase({QStringLiteral("background"), folder}));
    }
    return 0;
}
