// The background picture: a "backgland.gif" in the current directory wins over the copy
// built into the program, a broken one falls back to that copy, and drawing stretches
// the picture over the whole inner area of a window's surface.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "background.h"
#include "picture.h"
#include "picturebox.h"

#include "gifwriter.h"
#include "testpictures.h"
#include "testsuites.h"

using testpictures::Broken;

Q_DECLARE_METATYPE(testpictures::Broken)

namespace {

QImage builtIn()
{
    return platform::LoadPicture(QStringLiteral(":/pictures/backgland.gif")).image;
}

// Writes a plain picture as the current directory's background, with a modification
// time of its own so a rewrite within the same second is still a new file.
void writeBackground(QColor colour, QSize size, int secondsAhead)
{
    const QString name = QStringLiteral("backgland.gif");
    QVERIFY(
        gifwriter::write(name, testpictures::plainPicture(size.width(), size.height(), colour)));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(secondsAhead),
                             QFileDevice::FileModificationTime));
}

} // namespace

class BackgroundTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_startDirectory;

private slots:
    void initTestCase()
    {
        m_startDirectory = QDir::currentPath();
        QVERIFY(!builtIn().isNull());
    }

    // Each case runs in a directory of its own.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void cleanup()
    {
        QDir::setCurrent(m_startDirectory);
        m_dir.reset();
    }

    void withoutAFileTheBuiltInPictureServes()
    {
        const QImage picture = board::backgroundPicture();
        QVERIFY(!picture.isNull());
        QCOMPARE(picture, builtIn());
    }

    void aFileInTheCurrentDirectoryWins()
    {
        writeBackground(Qt::magenta, QSize(8, 6), 0);
        const QImage picture = board::backgroundPicture();
        QCOMPARE(picture.size(), QSize(8, 6));
        QCOMPARE(picture.pixel(4, 3), QColor(Qt::magenta).rgb());
    }

    // The decoded file is kept, but a change to it, or its removal, is seen at once.
    void aChangedOrRemovedFileIsNoticed()
    {
        writeBackground(Qt::red, QSize(4, 4), 0);
        QCOMPARE(board::backgroundPicture().pixel(1, 1), QColor(Qt::red).rgb());
        writeBackground(Qt::blue, QSize(4, 4), 10);
        QCOMPARE(board::backgroundPicture().pixel(1, 1), QColor(Qt::blue).rgb());
        QVERIFY(QFile::remove(QStringLiteral("backgland.gif")));
        QCOMPARE(board::backgroundPicture(), builtIn());
        writeBackground(Qt::green, QSize(5, 5), 20);
        QCOMPARE(board::backgroundPicture().size(), QSize(5, 5));
    }

    void aBrokenFileFallsBackToTheBuiltInPicture_data()
    {
        QTest::addColumn<Broken>("kind");
        QTest::newRow("zero bytes") << Broken::ZeroBytes;
        QTest::newRow("text") << Broken::TextNamedJpeg;
        QTest::newRow("truncated JPEG under the GIF's name") << Broken::TruncatedJpeg;
        QTest::newRow("GIF claiming 65535 x 65535") << Broken::GifClaimingHugeSize;
    }

    // Mended: a missing or unreadable background ended the program.
    void aBrokenFileFallsBackToTheBuiltInPicture()
    {
        QFETCH(Broken, kind);
        testpictures::writeBroken(kind, QStringLiteral("backgland.gif"));
        QVERIFY(QFile::exists(QStringLiteral("backgland.gif")));
        QCOMPARE(board::backgroundPicture(), builtIn());
    }

    // Stretched over the whole inner area, aspect ratio not kept; it stays as the
    // persistent background while later drawing does not switch AutoRedraw on.
    void drawingStretchesThePictureOverTheSurface()
    {
        QImage twoColours(2, 1, QImage::Format_RGB32);
        twoColours.setPixel(0, 0, qRgb(255, 0, 0));
        twoColours.setPixel(1, 0, qRgb(0, 0, 255));
        QVERIFY(gifwriter::write(QStringLiteral("backgland.gif"), twoColours));
        platform::PictureBox surface;
        surface.resize(120, 40);
        board::DrawBackground(surface);
        QVERIFY(!surface.autoRedraw());
        const QImage &image = surface.image();
        QCOMPARE(image.size(), QSize(120, 40));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(20, 39), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(100, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(119, 39), qRgb(0, 0, 255));
    }

    void drawingWithoutAFileUsesTheBuiltInPicture()
    {
        platform::PictureBox surface;
        surface.resize(60, 30);
        surface.setBackColor(platform::Red);
        board::DrawBackground(surface);
        platform::PictureBox expected;
        expected.resize(60, 30);
        expected.PaintPicture(builtIn(), 0, 0, expected.ScaleWidth(), expected.ScaleHeight());
        QCOMPARE(surface.image(), expected.image());
    }
};

int runBackgroundTests(int argc, char **argv)
{
    BackgroundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_background.moc"
