#include "benchsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QBuffer>
#include <QProcess>

#include <cstdio>

#include "picture.h"
#include "seedpictures.h"

namespace bench {
namespace {

long statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').front().toLong();
    }
    return -1;
}

} // namespace

long residentKb()
{
    return statusKb("VmRSS");
}

long peakResidentKb()
{
    return statusKb("VmHWM");
}

bool resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

QImage testPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    quint32 noise = 12345u;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 27) - 16;
            line[x] =
                qRgb(qBound(0, x * 255 / width + n, 255), qBound(0, y * 255 / height - n, 255),
                     qBound(0, ((x / 40 + y / 40) % 2) * 120 + 60 + n, 255));
        }
    }
    return picture;
}

Figures measurePictureLoad(const QString &path, const QSize &size)
{
    for (seeds::SeedPicture &seed : seeds::seedPictures()) {
        QBuffer file(&seed.bytes);
        file.open(QIODevice::ReadOnly);
        pictures::DecodePicture(file, size);
    }
    const long residentBefore = residentKb();
    const bool peakReset = resetPeak();
    pictures::LoadedPicture picture;
    Figures figures;
    figures[QStringLiteral("ms")] = timeMs([&] { picture = pictures::LoadPicture(path, size); });
    figures[QStringLiteral("peak_mb")] = double(peakResidentKb() - residentBefore) / 1024.0;
    figures[QStringLiteral("peak_reset")] = peakReset ? 1 : 0;
    figures[QStringLiteral("loaded")] = picture.ok() ? 1 : 0;
    return figures;
}

void report(const Figures &figures)
{
    QByteArray line("RESULT");
    for (auto it = figures.begin(); it != figures.end(); ++it)
        line += ' ' + it.key().toUtf8() + '=' + QByteArray::number(it.value(), 'f', 4);
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

Figures runCase(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--case")} + arguments);
    Figures figures;
    if (!child.waitForFinished(300000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::fprintf(stderr, "case %s failed (exit %d)\n", qPrintable(arguments.join(' ')),
                     child.exitCode());
        return figures;
    }
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("RESULT"))
            continue;
        for (const QByteArray &pair : line.mid(6).trimmed().split(' ')) {
            const qsizetype at = pair.indexOf('=');
            if (at > 0)
                figures[QString::fromUtf8(pair.left(at))] = pair.mid(at + 1).toDouble();
        }
    }
    return figures;
}

} // namespace bench
