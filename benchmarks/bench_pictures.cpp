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
    bench::measurePictureLoad(QString(), QSize()); // loads every decoder once
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

bench::Figures loadCase(const QString &path, const QSize &size)
{
    return bench::runCase({QStringLiteral("load"), path, QString::number(size.width()),
                           QString::number(size.height())});
}

// The two photographs a player may well choose, written in a folder of their own.
void measurePhotographs(const QDir &dir)
{
    std::printf("LoadPicture at the board's largest size (%d x %d); peak: growth of the peak\n"
                "resident memory during the load; budget %lld MB.\n\n",
                BoardSize.width(), BoardSize.height(), pictures::PictureLoadBudgetBytes >> 20);
    struct Photograph
    {
        const char *label;
        QSize size;
        bool progressive;
    };
    for (const Photograph &photo :
         {Photograph{"8660 x 5774 baseline JPEG (50 MP)", {8660, 5774}, false},
          Photograph{"6000 x 4000 progressive JPEG (24 MP)", {6000, 4000}, true}}) {
        const QString path = dir.filePath(QString::fromLatin1(photo.label).left(11) + ".jpg");
        QImageWriter writer(path, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(photo.progressive);
        if (!writer.write(bench::testPicture(photo.size.width(), photo.size.height()))) {
            std::printf("%-48s cannot be written here\n", photo.label);
            continue;
        }
        printRow(photo.label, loadCase(path, BoardSize));
    }
}

// Every hostile file of the corpus, and a large picture that is no harm at all.
void measureHostileFiles(const QDir &dir)
{
    std::printf("\nHostile files, as the chosen picture and as \"backgland.gif\" (painted over\n"
                "%d x %d; kept: what stays resident for the run).\n\n",
                WindowSize.width(), WindowSize.height());
    QList<BadPicture> files = badpictures::all();
    files.append({"large.gif", "a 3000 x 2000 picture (no harm at all)", QString(),
                  [](const QString &p) { return bench::testPicture(3000, 2000).save(p, "png"); }});
    for (const BadPicture &bad : files) {
        const QString folder = dir.filePath(bad.name + QStringLiteral(".d"));
        dir.mkpath(folder);
        const QString path = QDir(folder).filePath(bad.name);
        if (!bad.make(path) || !bad.make(QDir(folder).filePath(QStringLiteral("backgland.gif")))) {
            std::printf("%-48s cannot be made here\n", qPrintable(bad.description));
            continue;
        }
        printRow(bad.description.toUtf8().constData(), loadCase(path, BoardSize));
        printRow("  as backgland.gif", bench::runCase({QStringLiteral("background"), folder}));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--case") == 0)
        return runCase(argc, argv);
    QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    if (dir.isValid()) {
        measurePhotographs(QDir(dir.path()));
        measureHostileFiles(QDir(dir.path()));
    }
    return dir.isValid() ? 0 : 1;
}
