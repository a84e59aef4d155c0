#include "layoutpictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

QString denseVersion(const QString &path)
{
    const QFileInfo file(path);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("@2x.png");
}

// QImageReader gives a picture whose name ends in "@2x" its device pixel ratio of 2; a
// QPixmap loaded from the plain name never looks for it.
QPixmap layoutPixmap(const QString &path, qreal ratio)
{
    if (ratio > 1) {
        const QImage dense = QImageReader(denseVersion(path)).read();
        if (!dense.isNull())
            return QPixmap::fromImage(dense);
    }
    return QPixmap(path);
}

QIcon layoutIcon(const QString &path)
{
    QIcon icon;
    icon.addFile(path);
    icon.addFile(denseVersion(path));
    return icon;
}

} // namespace platform
