// The Qt adapter: checked numbers, run-time errors, message boxes, BitBlt, lists.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "blockcopy.h"
#include "boundedarray.h"
#include "events.h"
#include "filelists.h"
#include "integer.h"
#include "menubarline.h"
#include "messagebox.h"
#include "placement.h"
#include "places.h"
#include "scrollbar.h"

#include <new>

using namespace platform;

namespace {

using Operation = int (*)(int, int);
const Operation add = [](int a, int b) { return int(Integer(a) + Integer(b)); };
const Operation multiply = [](int a, int b) { return int(Integer(a) * Integer(b)); };
const Operation store = [](int at, int v) { return BoundedArray<int>(1, 25)(at) = v; };
const Operation exhaust = [](int, int) -> int { throw std::bad_alloc(); };
const Operation giveUp = [](int, int) -> int { throw std::runtime_error("decoder gave up"); };

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        resetProgramEnding();
        setMessageBoxResponder({});
    }

    void errorsAreNamedThenTheProgramEnds_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("outcome"); // the result, or the message box's prompt
        const QString overflow = "Run-time error '6':\n\nOverflow";
        const QString subscript = "Run-time error '9':\n\nSubscript out of range";
        QTest::newRow("sum reaching the top") << add << 32766 << 1 << "32767";
        QTest::newRow("sum past the top") << add << 32767 << 1 << overflow;
        QTest::newRow("sum past the bottom") << add << -32768 << -1 << overflow;
        QTest::newRow("product 181 x 181 fits") << multiply << 181 << 181 << "32761";
        QTest::newRow("product -200 x 200") << multiply << -200 << 200 << overflow;
        QTest::newRow("upper bound") << store << 25 << 7 << "7";
        QTest::newRow("below the lower bound") << store << 0 << 5 << subscript;
        QTest::newRow("past the upper bound") << store << 26 << 5 << subscript;
        QTest::newRow("no memory") << exhaust << 0 << 0 << "Run-time error '7':\n\nOut of memory";
        QTest::newRow("another exception") << giveUp << 0 << 0 << "decoder gave up";
    }

    // Mended: an unexpected error ended the program without a word; now a box names it
    // while no other handler may run.
    void errorsAreNamedThenTheProgramEnds()
    {
        QFETCH(Operation, operation);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, outcome);
        QString seen;
        setMessageBoxResponder([&](const MessageBoxRequest &request) {
            const bool report = request.style == MsgBoxStyle::Critical && programEnding();
            seen = report ? request.prompt : QStringLiteral("a box while handlers may run");
            return MsgBoxAnswer::Ok;
        });
        guarded([&] { seen = QString::number(operation(a, b)); });
        QCOMPARE(seen, outcome);
        QCOMPARE(programEnding(), !outcome.front().isDigit());
    }

    void msgBoxShowsItsStyleAndAnswersWithThePressedButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("shown"); // the icon, then the buttons by role
        // Yes and No, the game's questions, are tried on the real boxes in test_dialogs.
        QTest::newRow("warning") << 48 << "OK" << 1 << QStringList{"Warning", "OK"};
        const QStringList cancelTryContinue{"NoIcon", "&Continue", "Cancel", "&Try Again"};
        QTest::newRow("Continue") << 6 << "&Continue" << 11 << cancelTryContinue;
        QTest::newRow("Escape on OK: OK") << 0 << "Escape" << 1 << QStringList{"NoIcon", "OK"};
        QTest::newRow("Escape with Cancel: Cancel") << 6 << "Escape" << 2 << cancelTryContinue;
    }

    void msgBoxShowsItsStyleAndAnswersWithThePressedButton()
    {
        QFETCH(int, style);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(QStringList, shown);
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << box->text() << box->windowTitle()
                     << QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon());
                for (QAbstractButton *button : box->buttons()) {
                    seen << button->text();
                    if (button->text() == press)
                        button->click();
                }
                if (press == "Escape")
                    QTest::keyClick(box, Qt::Key_Escape);
                if (box->isVisible())
                    box->reject(); // no such button: fail rather than hang
            }
        });
        QCOMPARE(MsgBox(QStringLiteral("一行目\r\n二行目"), style, QStringLiteral("確認")), answer);
        QCOMPARE(seen, QStringList({"一行目\n二行目", "確認"}) + shown);
    }

    // A mount table of a desktop, a container and a laptop with a camera card and a USB stick:
    // home and Pictures by the desktop's names, volumes that hold files by label or folder,
    // then the root; no kernel views, memory file systems, system folders or software images.
    void placesAreThoseAPersonKnows()
    {
        const QList<MountedVolume> mounts = {
            {"/", "ext4", "/dev/sda2", ""},
            {"/proc", "proc", "proc", ""},
            {"/mnt/ram", "tmpfs", "tmpfs", ""},        // memory, outside the system's folders
            {"/run/secrets", "ext4", "/dev/sda2", ""}, // bind-mounted into a container
            {"/boot/efi", "vfat", "/dev/sda1", "EFI"},
            {"/snap/core22/1380", "squashfs", "/dev/loop3", ""},
            {"/var/lib/docker", "ext4", "/dev/sda2", ""},
            {"/home", "ext4", "/dev/sda3", "home"}, // holds the home folder
            {"/media/ann/CAMERA", "vfat", "/dev/sdb1", "CAMERA"},
            {"/run/media/ann/USB", "exfat", "/dev/sdc1", "USB"},
            {"/mnt/data", "ext4", "/dev/sdd1", ""},
            {"/mnt/data", "ext4", "/dev/sdd1", ""}, // mounted twice
            {"/mnt/share", "nfs", "server:/share", ""},
        };
        QStringList offered;
        for (const Place &place : placesToOffer(mounts, "/home/ann", "/home/ann/Pictures"))
            offered << place.name + " = " + place.path;
        const QString home = QStandardPaths::displayName(QStandardPaths::HomeLocation);
        const QString pictures = QStandardPaths::displayName(QStandardPaths::PicturesLocation);
        QCOMPARE(offered,
                 QStringList({home + " = /home/ann", pictures + " = /home/ann/Pictures",
                              "/mnt/data = /mnt/data", "/mnt/share = /mnt/share",
                              "CAMERA = /media/ann/CAMERA", "USB = /run/media/ann/USB", "/ = /"}));
        // No home (a system account) and Pictures no folder of its own: the volumes stay.
        QCOMPARE(placesToOffer(mounts, "", "").size(), 6);
    }

    // The line under the menu bar runs unbroken across the boundaries between its items,
    // also at 1.5 device pixels a pixel (ctest runs this once more so).
    void menuBarLineIsUnbroken()
    {
        QMenuBar bar;
        for (const char *title : {"File", "Tools", "Help"})
            bar.addMenu(QString::fromLatin1(title));
        new MenuBarLine(&bar);
        bar.resize(300, bar.sizeHint().height());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const QImage shown = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // The line: the bottom-most row unlike the bar (maybe a device pixel above the last).
        const QRgb window = shown.pixel(shown.width() - 5, shown.height() / 2);
        int row = shown.height() - 1;
        while (row > 0 && shown.pixel(shown.width() - 5, row) == window)
            --row;
        const QRgb line = shown.pixel(shown.width() - 5, row);
        QVERIFY(line != window);
        for (int x = 0; x < shown.width() - 1; ++x)
            QVERIFY2(shown.pixel(x, row) == line, qPrintable(QStringLiteral("gap at %1").arg(x)));
    }

    // Each place's icon has a picture made for two device pixels a pixel, not a blurred one.
    void placeIconsAreSharpAtTwice()
    {
        DriveListBox drives;
        QVERIFY(drives.count() >= 2); // the root folder and the home folder at least
        for (int i = 0; i < drives.count(); ++i)
            QCOMPARE(drives.itemIcon(i).pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    }

    void bitBltCopiesTheClippedBlock_data()
    {
        QTest::addColumn<QRect>("block"); // destination x, y and the size
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QRect>("copied"); // what lands, in the destination
        using R = QRect;
        QTest::newRow("off the destination") << R(7, 8, 6, 6) << QPoint(0, 0) << R(7, 8, 3, 2);
        QTest::newRow("off the source") << R(0, 0, 6, 6) << QPoint(7, 8) << R(0, 0, 3, 2);
        QTest::newRow("negative destination") << R(-3, -2, 6, 6) << QPoint(1, 1) << R(0, 0, 3, 4);
        QTest::newRow("negative source") << R(1, 1, 6, 6) << QPoint(-4, -1) << R(5, 2, 2, 5);
        QTest::newRow("entirely outside") << R(20, 0, 5, 5) << QPoint(0, 0) << R();
    }

    // The source's pixels name their own place.
    void bitBltCopiesTheClippedBlock()
    {
        QFETCH(QRect, block);
        QFETCH(QPoint, from);
        QFETCH(QRect, copied);
        QImage source(10, 10, QImage::Format_RGB32), destination(10, 10, QImage::Format_RGB32);
        for (int i = 0; i < 100; ++i)
            source.setPixel(i % 10, i / 10, qRgb(i % 10, i / 10, 200));
        destination.fill(Qt::white);
        BitBlt(destination, block.x(), block.y(), block.width(), block.height(), source, from.x(),
               from.y());
        for (int i = 0; i < 100; ++i) {
            const int x = i % 10, y = i / 10;
            const QPoint at = QPoint(x, y) - block.topLeft() + from;
            QCOMPARE(destination.pixel(x, y),
                     copied.contains(x, y) ? qRgb(at.x(), at.y(), 200) : qRgb(255, 255, 255));
        }
    }

    // A screen area of 1366 x 728 below a 40-pixel panel, and where a window's frame goes.
    void windowIsMovedTheLeastDistanceOntoTheScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("inside, touching every edge") << QRect(0, 40, 1366, 728) << QPoint(0, 40);
        QTest::newRow("across the right") << QRect(1000, 100, 500, 400) << QPoint(866, 100);
        QTest::newRow("across the bottom") << QRect(300, 500, 200, 705) << QPoint(300, 63);
        QTest::newRow("across the left") << QRect(-30, 100, 500, 400) << QPoint(0, 100);
        QTest::newRow("across the top, under the panel") << QRect(9, 10, 50, 50) << QPoint(9, 40);
        QTest::newRow("larger: the top-left corner") << QRect(-9, 500, 1500, 900) << QPoint(0, 40);
    }
    void windowIsMovedTheLeastDistanceOntoTheScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, placed);
        QCOMPARE(placedInside(frame, QRect(0, 40, 1366, 728)), placed);
    }

    // Max may lie below Min (0 at the top, -4500 at the bottom); a range that shrinks past
    // the value takes it along, still at the bottom, and says so.
    void scrollBarWithMaxBelowMinPutsMaxAtTheBottom()
    {
        ScrollBar bar;
        bar.setMax(-4500);
        QSignalSpy changes(&bar, &ScrollBar::Change);
        bar.setValue(-4500);
        bar.setMax(-1000);
        QCOMPARE(bar.value(), -1000);
        QCOMPARE(bar.bar()->value(), bar.bar()->maximum());
        QCOMPARE(changes.size(), 2); // -4500, -1000
    }

    void fileListMatchesPatternWhateverTheCase()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.bmp", "IMG_0001.JPG", "b.Gif", "c.txt", "e.jpeg", ".f.jpg"})
            QVERIFY(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));
        FileListBox files;
        files.setPattern(QStringLiteral("*.bmp;*.ico;*.gif;*.jpg"));
        files.setPath(dir.path());
        QStringList listed;
        for (int i = 0; i < files.count(); ++i)
            listed.append(files.item(i)->text().trimmed());
        QCOMPARE(listed, (QStringList{"a.bmp", "b.Gif", "IMG_0001.JPG"}));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
