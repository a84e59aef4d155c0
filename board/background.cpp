// The shared background picture. A "backgland.gif" in the current directory wins, so
// a player can put their own beside the game; otherwise the copy built into the program
// serves. A decoded picture is kept only as large as the largest window it has been
// painted over (a huge file is never held at full size for the whole run), and a file
// is decoded again when its path, size or modification time change, so a file that
// appears, changes or goes away is noticed on the next call.

#include "background.h"

#include <QDateTime>
#include <QFileInfo>
#include <QString>

#include "layoutpictures.h"
#include "picture.h"
#include "picturebox.h"

namespace board {
namespace {

const QString &fileName()
{
    static const QString name = QStringLiteral("backgland.gif");
    return name;
}

// One background source as last decoded.
class KeptPicture
{
public:
    // The picture for an area of paintedSize; decoded again only when the area is
    // larger than any before and the picture was kept smaller than its own size.
    const QImage &forArea(const QString &path, const QSize &paintedSize)
    {
        const bool covered = paintedSize.boundedTo(m_largestArea) == paintedSize;
        if (m_decoded && (covered || m_whole))
            return m_picture.image;
        m_largestArea = m_largestArea.expandedTo(paintedSize);
        m_picture = pictures::LoadPicture(path, m_largestArea, pictures::Scaling::ShrinkOnly);
        m_decoded = true;
        m_whole = !m_picture.ok() || m_picture.image.size() == m_picture.originalSize;
        return m_picture.image;
    }

    // Forgets the picture when the file it came from is no longer the same.
    void follow(const QFileInfo &file)
    {
        if (m_path == file.absoluteFilePath() && m_bytes == file.size() &&
            m_modified == file.lastModified())
            return;
        *this = KeptPicture();
        m_path = file.absoluteFilePath();
        m_bytes = file.size();
        m_modified = file.lastModified();
    }

private:
    QString m_path;
    qint64 m_bytes = -1;
    QDateTime m_modified;
    pictures::LoadedPicture m_picture;
    QSize m_largestArea{0, 0};
    bool m_decoded = false;
    bool m_whole = false; // at its own size (or failed): no larger area needs a new decode
};

QImage currentDirectoryPicture(const QSize &paintedSize)
{
    static KeptPicture kept;
    const QFileInfo file(fileName());
    if (!file.exists() && !file.isSymLink())
        return {};
    kept.follow(file);
    return kept.forArea(fileName(), paintedSize);
}

} // namespace

QImage backgroundPicture(const QSize &paintedSize, qreal ratio)
{
    if (paintedSize.isEmpty())
        return {};
    const QImage local = currentDirectoryPicture(paintedSize);
    if (!local.isNull())
        return local;
    const QString builtInFile = QStringLiteral(":/pictures/backgland.gif");
    if (ratio > 1) {
        static KeptPicture dense;
        return dense.forArea(platform::denseVersion(builtInFile), paintedSize);
    }
    static KeptPicture builtIn;
    return builtIn.forArea(builtInFile, paintedSize);
}

void DrawBackground(platform::PictureBox &surface)
{
    surface.setAutoRedraw(true);
    const double width = surface.ScaleWidth();
    const double height = surface.ScaleHeight();
    const QImage picture = backgroundPicture(surface.image().size(), surface.devicePixelRatioF());
    if (picture.isNull())
        surface.Cls();
    else
        surface.PaintPicture(picture, 0, 0, width, height);
    surface.setAutoRedraw(false);
}

} // namespace board
