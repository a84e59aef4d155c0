// Writes the seed pictures into a folder, one file each, for the fuzzer's corpus:
//   write_seeds FOLDER

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "seedpictures.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    for (const seeds::SeedPicture &seed : seeds::seedPictures()) {
        QFile file(folder.filePath(seed.name));
        if (seed.bytes.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(seed.bytes) != seed.bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
