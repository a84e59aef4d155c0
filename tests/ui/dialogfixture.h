#pragma once

// Helpers for the dialog tests: a folder of pictures to choose from, layout lengths
// converted the way the layout tables are read (15 twips a pixel), 3 x 3 flip rules
// written as strings such as "#.#/.#./#.#", and checks on a preview's pixels.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <array>
#include <cmath>
#include <cstdlib>

namespace dialogtest {

// A layout rectangle in twips as the pixels it must occupy.
inline QRect pixelsOf(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return QRect(px(left), px(top), px(width), px(height));
}

// A rule pattern: rows top to bottom separated by '/', '#' a cell that flips.
inline std::array<bool, 9> rulePattern(const QString &rows)
{
    std::array<bool, 9> rule{};
    const QString cells = QString(rows).remove(QLatin1Char('/'));
    for (int i = 0; i < 9 && i < cells.size(); ++i)
        rule[static_cast<std::size_t>(i)] = cells.at(i) == QLatin1Char('#');
    return rule;
}

// A rule written back as rows, for readable comparisons.
inline QString ruleText(const std::array<bool, 9> &rule)
{
    QString rows;
    for (std::size_t i = 0; i < rule.size(); ++i) {
        if (i > 0 && i % 3 == 0)
            rows += QLatin1Char('/');
        rows += QLatin1Char(rule[i] ? '#' : '.');
    }
    return rows;
}

// Whether every pixel of the image is the colour, within a tolerance for lossy files.
inline bool isUniformly(const QImage &image, const QColor &colour, int tolerance = 0)
{
    if (image.isNull())
        return false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) > tolerance ||
                std::abs(pixel.green() - colour.green()) > tolerance ||
                std::abs(pixel.blue() - colour.blue()) > tolerance)
                return false;
        }
    }
    return true;
}

// A temporary folder with solid-colour pictures and files that only look like them.
class PictureFolder
{
public:
    PictureFolder() = default;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }

    // Creates (if need be) a sub folder and returns its full path.
    QString folder(const QString &name) const
    {
        QDir(m_dir.path()).mkpath(name);
        return m_dir.path() + QLatin1Char('/') + name;
    }

    // A solid picture in the folder (relative path); returns its full path.
    QString picture(const QString &relativePath, const QColor &colour,
                    const QSize &size = QSize(60, 40)) const
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
        QDir().mkpath(QFileInfo(path).path());
        image.save(path);
        return path;
    }

    // A file with a picture's extension that holds plain text.
    QString damaged(const QString &relativePath) const
    {
        const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("This is a note, not a photograph.\n");
        return path;
    }

    // A JPEG cut off half way through its data.
    QString cutShortJpeg(const QString &relativePath) const
    {
        const QString path = picture(relativePath, QColor(30, 160, 60), QSize(80, 80));
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            file.resize(file.size() / 2);
        return path;
    }

    // A file with a picture's name and nothing in it.
    QString empty(const QString &relativePath) const
    {
        const QString path = m_dir.path() + QLatin1Char('/') + relativePath;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.close();
        return path;
    }

private:
    QTemporaryDir m_dir;
};

// The controls of `wanted` in the order Tab visits them, starting from the first one.
// A control is reached through the widget that takes its focus (a scroll bar through
// its inner bar).
inline QList<QWidget *> tabVisits(const QList<QWidget *> &wanted)
{
    QList<QWidget *> targets;
    for (QWidget *w : wanted)
        targets.append(w->focusProxy() ? w->focusProxy() : w);
    QList<QWidget *> visits;
    if (targets.isEmpty())
        return visits;
    QWidget *at = targets.first();
    do {
        const qsizetype found = targets.indexOf(at);
        if (found >= 0 && !visits.contains(wanted.at(found)))
            visits.append(wanted.at(found));
        at = at->nextInFocusChain();
    } while (at && at != targets.first());
    return visits;
}

} // namespace dialogtest
