// The adapter between the game and Qt: checked integers and arrays, random numbers,
// colours, twips, fonts, message boxes, the end of the program, picture loading, block
// copies and the controls the windows are built from.

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImageWriter>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "blockcopy.h"
#include "boundedarray.h"
#include "colors.h"
#include "events.h"
#include "filelists.h"
#include "fonts.h"
#include "integer.h"
#include "label.h"
#include "messagebox.h"
#include "picture.h"
#include "picturebox.h"
#include "random.h"
#include "runtimeerror.h"
#include "scrollbar.h"
#include "twips.h"
#include "web.h"

#include <functional>
#include <new>
#include <stdexcept>

using namespace platform;

namespace {

enum class Operation { Add, Subtract, Multiply };

// A one-pixel GIF whose only colour is transparent; the size bytes are patched to
// make headers that lie.
QByteArray tinyTransparentGif(quint16 width = 1, quint16 height = 1)
{
    QByteArray gif("GIF89a"
                   "\x01\x00\x01\x00\x80\x00\x00"             // screen 1 x 1, two colours
                   "\xff\xff\xff\x00\x00\x00"                 // white, black
                   "\x21\xf9\x04\x01\x00\x00\x00\x00"         // colour 0 is transparent
                   "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00" // the image, 1 x 1
                   "\x02\x02\x44\x01\x00\x3b",
                   43);
    for (int at : {6, 32}) { // the screen's size, then the image's
        gif[at] = char(width & 0xFF);
        gif[at + 1] = char(width >> 8);
        gif[at + 2] = char(height & 0xFF);
        gif[at + 3] = char(height >> 8);
    }
    return gif;
}

// Left half red, right half blue, so a stretched decode can be told apart from a
// cropped or mirrored one.
QImage twoColourImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 180 && qBlue(pixel) < 80;
}
bool isBluish(QRgb pixel)
{
    return qBlue(pixel) > 180 && qRed(pixel) < 80;
}

// Counts the pixels of an image that are not the given colour.
int pixelsOtherThan(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) | 0xFF000000u) != (colour | 0xFF000000u);
    }
    return count;
}

// Presses a button of the next message box that opens, once it is up, and notes
// what the box showed.
struct ShownBox
{
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

void answerNextBox(ShownBox &shown, const std::function<void(QMessageBox *)> &press)
{
    QTimer::singleShot(10, qApp, [&shown, press] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            answerNextBox(shown, press);
            return;
        }
        shown.text = box->text();
        shown.title = box->windowTitle();
        shown.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            shown.buttons.append(button->text());
        press(box);
    });
}

QStringList itemTexts(const QListWidget &list, int from = 0)
{
    QStringList texts;
    for (int i = from; i < list.count(); ++i)
        texts.append(list.item(i)->text().trimmed());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void integerArithmeticIsCheckedToSixteenBits_data();
    void integerArithmeticIsCheckedToSixteenBits();
    void boundedArrayRejectsIndexOutsideBounds_data();
    void boundedArrayRejectsIndexOutsideBounds();
    void redimDiscardsOldContents();
    void rndStaysInsideZeroToOneAndSpreads();
    void sameSeedRepeatsTheSequence();

    void colorValuesDecode_data();
    void colorValuesDecode();
    void systemColorsComeFromThePalette();
    void setBackColorFillsTheWidget();
    void toPixelsRoundsToNearest_data();
    void toPixelsRoundsToNearest();
    void twipsGeometryPlacesControl();

    void layoutFontsMapToInstalledFamilies_data();
    void layoutFontsMapToInstalledFamilies();
    void unknownFaceFallsBackToApplicationFont();

    void msgBoxAsksResponderWithExactRequest();
    void msgBoxAnswersFromRealDialog_data();
    void msgBoxAnswersFromRealDialog();
    void displayTextBreaksLinesOnNewline();
    void webAddressGoesToInstalledOpener();

    void doEventsRunsPendingEventsThenThrowsOnceEnding();
    void endProgramHidesWindows();
    void guardedReportsErrorThenEnds_data();
    void guardedReportsErrorThenEnds();
    void guardedRunsNothingOnceEnding();
    void guardedStopsQuietlyOnProgramEnding();

    void loadPictureDecodesByContentAtRequestedSize_data();
    void loadPictureDecodesByContentAtRequestedSize();
    void loadPictureRefusesBrokenFiles_data();
    void loadPictureRefusesBrokenFiles();
    void loadPictureKeepsGifTransparency();
    void loadPictureAcceptsJpegWithDataAfterTheEnd();

    void bitBltCopiesClippedBlock_data();
    void bitBltCopiesClippedBlock();
    void bitBltWithinOneImageHandlesOverlap();

    void backColorErasesDrawing();
    void clsClearsAndReturnsToTopLeft();
    void paintPictureFillsItsRectangle();
    void borderShrinksInnerAreaByOnePixelEachSide();
    void resizeKeepsDrawingAtTopLeft();
    void printWritesTextAndMovesToNextLine();
    void pictureBoxClicksOnLeftReleaseInside();
    void labelKeepsCaptionExactly();

    void scrollBarStartsAtDefaults();
    void invertedScrollBarPutsMaxAtTheBottom();
    void scrollBarEmitsChangeOncePerChange();
    void scrollBarRangeChangeClampsValue_data();
    void scrollBarRangeChangeClampsValue();
    void scrollBarDragEmitsChangeOnceAtRelease();

    void fileListMatchesPatternWhateverTheCase();
    void fileListClickAndKeyboardSelectEmitClick();
    void dirListMovesIntoAndOutOfFolders();
    void dirListRefusesMissingFolderAndStaysPut();
    void dirListOpensFolderOnEnter();
    void driveListOffersRootAndFindsDriveOfPath();
};

void TestPlatform::init()
{
    resetProgramEnding();
    setMessageBoxResponder({});
}

void TestPlatform::cleanup()
{
    resetProgramEnding();
    setMessageBoxResponder({});
    setSeedSource({});
    setWebOpener({});
}

// --- Integer and BoundedArray --------------------------------------------------

void TestPlatform::integerArithmeticIsCheckedToSixteenBits_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("expected");

    QTest::newRow("sum reaching the top") << 32766 << Operation::Add << 1 << false << 32767;
    QTest::newRow("sum past the top") << 32767 << Operation::Add << 1 << true << 0;
    QTest::newRow("difference reaching the bottom")
        << -32767 << Operation::Subtract << 1 << false << -32768;
    QTest::newRow("difference past the bottom") << -32768 << Operation::Subtract << 1 << true << 0;
    QTest::newRow("product 181 * 181 fits") << 181 << Operation::Multiply << 181 << false << 32761;
    QTest::newRow("product 200 * 200") << 200 << Operation::Multiply << 200 << true << 0;
    QTest::newRow("product -200 * 200") << -200 << Operation::Multiply << 200 << true << 0;
}

void TestPlatform::integerArithmeticIsCheckedToSixteenBits()
{
    QFETCH(int, a);
    QFETCH(Operation, operation);
    QFETCH(int, b);
    QFETCH(bool, overflows);
    QFETCH(int, expected);

    const auto compute = [&] {
        const Integer x(a), y(b);
        switch (operation) {
        case Operation::Add:
            return x + y;
        case Operation::Subtract:
            return x - y;
        case Operation::Multiply:
            return x * y;
        }
        return Integer();
    };
    if (!overflows) {
        QCOMPARE(compute().value(), expected);
        return;
    }
    try {
        compute();
        QFAIL("no overflow raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), ErrorNumber::Overflow);
        QCOMPARE(static_cast<int>(error.number()), 6);
        QVERIFY(QString::fromStdString(error.report()).contains(QLatin1String("'6'")));
    }
}

void TestPlatform::boundedArrayRejectsIndexOutsideBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("valid");

    QTest::newRow("below the lower bound") << 0 << false;
    QTest::newRow("lower bound") << 1 << true;
    QTest::newRow("upper bound") << 25 << true;
    QTest::newRow("past the upper bound") << 26 << false;
    QTest::newRow("far below") << -32768 << false;
}

void TestPlatform::boundedArrayRejectsIndexOutsideBounds()
{
    QFETCH(int, index);
    QFETCH(bool, valid);

    BoundedArray<int> cells(1, 25);
    if (valid) {
        cells(index) = 5;
        QCOMPARE(cells(index), 5);
        return;
    }
    try {
        cells(index) = 5;
        QFAIL("no subscript error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(static_cast<int>(error.number()), 9);
    }
}

void TestPlatform::redimDiscardsOldContents()
{
    BoundedArray<int> cells(1, 9);
    cells(3) = 7;
    cells.redim(1, 25);
    QCOMPARE(cells.size(), 25);
    QCOMPARE(cells(3), 0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, cells.redim(5, 4));
}

void TestPlatform::rndStaysInsideZeroToOneAndSpreads()
{
    Randomize();
    constexpr int Draws = 200000;
    int buckets[10] = {};
    double sum = 0;
    for (int i = 0; i < Draws; ++i) {
        const float r = Rnd();
        QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(double(r), 'g', 10)));
        ++buckets[static_cast<int>(r * 10)];
        sum += r;
    }
    QVERIFY(qAbs(sum / Draws - 0.5) < 0.01);
    for (int count : buckets)
        QVERIFY2(count > Draws / 10 * 9 / 10, "a tenth of the range is hardly drawn");
}

void TestPlatform::sameSeedRepeatsTheSequence()
{
    const auto drawTen = [] {
        QList<float> values;
        for (int i = 0; i < 10; ++i)
            values.append(Rnd());
        return values;
    };
    setSeedSource([] { return std::uint64_t(42); });
    Randomize();
    const QList<float> first = drawTen();
    Randomize();
    QCOMPARE(drawTen(), first);

    setSeedSource([] { return std::uint64_t(43); });
    Randomize();
    QVERIFY(drawTen() != first);
}

// --- Colours and twips ---------------------------------------------------------

void TestPlatform::colorValuesDecode_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("255 is red") << 255u << QColor(255, 0, 0);
    QTest::newRow("0xFF00 is green") << 0xFF00u << QColor(0, 255, 0);
    QTest::newRow("0xFF0000 is blue") << 0xFF0000u << QColor(0, 0, 255);
    QTest::newRow("0x777777 is grey") << 0x777777u << QColor(0x77, 0x77, 0x77);
    QTest::newRow("0x804020 mixes bytes") << 0x804020u << QColor(0x20, 0x40, 0x80);
    QTest::newRow("white") << uint(White) << QColor(255, 255, 255);
    QTest::newRow("black") << 0u << QColor(0, 0, 0);
}

void TestPlatform::colorValuesDecode()
{
    QFETCH(uint, value);
    QFETCH(QColor, expected);
    QCOMPARE(toQColor(value), expected);
}

void TestPlatform::systemColorsComeFromThePalette()
{
    const QPalette palette = QApplication::palette();
    QCOMPARE(toQColor(ButtonFace), palette.color(QPalette::Button));
    QCOMPARE(toQColor(WindowBackground), palette.color(QPalette::Base));
    QCOMPARE(toQColor(WindowText), palette.color(QPalette::Text));
    // The scroll-bar colour is a grey of its own, darker than the button face.
    const QColor track = toQColor(ScrollBarColor);
    QVERIFY(track.lightness() < palette.color(QPalette::Button).lightness());
    QCOMPARE(track.red(), track.blue());
}

void TestPlatform::setBackColorFillsTheWidget()
{
    QWidget widget;
    widget.resize(20, 20);
    setBackColor(&widget, Red);
    setForeColor(&widget, 0xFF0000);
    QVERIFY(widget.autoFillBackground());
    QCOMPARE(widget.grab().toImage().pixelColor(10, 10), QColor(255, 0, 0));
    QCOMPARE(widget.palette().color(widget.foregroundRole()), QColor(0, 0, 255));
}

void TestPlatform::toPixelsRoundsToNearest_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("just under half a pixel") << 7.4 << 0;
    QTest::newRow("half a pixel rounds up") << 7.5 << 1;
    QTest::newRow("one pixel") << 15.0 << 1;
    QTest::newRow("one and a half pixels") << 22.5 << 2;
    QTest::newRow("default cell 495") << 495.0 << 33;
    QTest::newRow("largest cell 990") << 990.0 << 66;
    QTest::newRow("puzzle strip 2600") << 2600.0 << 173;
    QTest::newRow("negative half rounds away from zero") << -7.5 << -1;
    QTest::newRow("absurd length is pinned") << 1e300 << int(QWIDGETSIZE_MAX);
}

void TestPlatform::toPixelsRoundsToNearest()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(toPixels(twips), pixels);
}

void TestPlatform::twipsGeometryPlacesControl()
{
    QCOMPARE(twipsToPixels(120, 2760, 2490, 255), QRect(8, 184, 166, 17));
    QCOMPARE(toTwips(33), 495.0);

    QWidget parent;
    QWidget child(&parent);
    setTwipsGeometry(&child, 1560, 120, 2415, 1455);
    QCOMPARE(child.geometry(), QRect(104, 8, 161, 97));
    setTwipsGeometry(&child, 0, 0, -300, 150);
    QCOMPARE(child.size(), QSize(0, 10));
}

// --- Fonts ---------------------------------------------------------------------

void TestPlatform::layoutFontsMapToInstalledFamilies_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QChar>("glyph");

    const QChar question(0x554F); // 問
    QTest::newRow("MS Mincho 9 pt")
        << QStringLiteral("ＭＳ 明朝") << 9.0 << "IPAMincho" << 12 << question;
    QTest::newRow("MS Gothic 11.25 pt")
        << QStringLiteral("ＭＳ ゴシック") << 11.25 << "IPAGothic" << 15 << QChar(0x5B8C); // 完
    QTest::newRow("MS PGothic 14.25 pt")
        << QStringLiteral("ＭＳ Ｐゴシック") << 14.25 << "IPAPGothic" << 19 << QChar(0xFF8F); // ﾏ
    QTest::newRow("Times New Roman 24 pt")
        << QStringLiteral("Times New Roman") << 24.0 << "Liberation Serif" << 32 << QChar('T');
}

void TestPlatform::layoutFontsMapToInstalledFamilies()
{
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(QChar, glyph);

    QCOMPARE(installedFamily(face), family);
    QVERIFY(QFontDatabase::families().contains(family));
    const QFont font = layoutFont(face, points, true);
    QCOMPARE(font.pixelSize(), pixelSize);
    QVERIFY(font.bold());
    QCOMPARE(QFontInfo(font).family(), family);
    QVERIFY(QFontMetrics(font).inFont(glyph));
}

void TestPlatform::unknownFaceFallsBackToApplicationFont()
{
    QCOMPARE(installedFamily(QStringLiteral("No Such Face 123")), QApplication::font().family());
    const QFont font = layoutFont(QStringLiteral("No Such Face 123"), 9, false, true);
    QVERIFY(font.italic());
    QCOMPARE(font.pixelSize(), 12);
}

// --- Message boxes, web, events ------------------------------------------------

void TestPlatform::msgBoxAsksResponderWithExactRequest()
{
    QList<MessageBoxRequest> asked;
    setMessageBoxResponder([&asked](const MessageBoxRequest &request) {
        asked.append(request);
        return MsgBoxAnswer::No;
    });
    const QString prompt = QStringLiteral("失敗しました。\r\nもう一度挑戦しますか？");
    QCOMPARE(MsgBox(prompt, MsgBoxStyle::YesNo, QStringLiteral("Tovik2")), MsgBoxAnswer::No);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().prompt, prompt);
    QCOMPARE(asked.first().style, 4);
    QCOMPARE(asked.first().title, QStringLiteral("Tovik2"));
}

void TestPlatform::msgBoxAnswersFromRealDialog_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("press"); // a button's text, or "escape"
    QTest::addColumn<int>("answer");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<int>("buttonCount");

    QTest::newRow("OK") << 0 << "OK" << 1 << QMessageBox::NoIcon << 1;
    QTest::newRow("Yes") << 4 << "&Yes" << 6 << QMessageBox::NoIcon << 2;
    QTest::newRow("No") << 4 << "&No" << 7 << QMessageBox::NoIcon << 2;
    QTest::newRow("escape from Yes/No is No") << 4 << "escape" << 7 << QMessageBox::NoIcon << 2;
    QTest::newRow("warning OK") << 48 << "OK" << 1 << QMessageBox::Warning << 1;
    QTest::newRow("critical OK") << 16 << "OK" << 1 << QMessageBox::Critical << 1;
    QTest::newRow("Cancel") << 6 << "Cancel" << 2 << QMessageBox::NoIcon << 3;
    QTest::newRow("Try Again") << 6 << "&Try Again" << 10 << QMessageBox::NoIcon << 3;
    QTest::newRow("Continue") << 6 << "&Continue" << 11 << QMessageBox::NoIcon << 3;
}

void TestPlatform::msgBoxAnswersFromRealDialog()
{
    QFETCH(int, style);
    QFETCH(QString, press);
    QFETCH(int, answer);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(int, buttonCount);

    ShownBox shown;
    bool pressed = false;
    answerNextBox(shown, [&](QMessageBox *box) {
        if (press == QLatin1String("escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
            pressed = true;
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == press) {
                button->click();
                pressed = true;
                return;
            }
        }
        box->reject(); // no such button: end the box so the test fails instead of hanging
    });
    const int result = MsgBox(QStringLiteral("一行目\r\n二行目"), style, QStringLiteral("確認"));
    QVERIFY2(pressed, qPrintable(shown.buttons.join(QLatin1Char(','))));
    QCOMPARE(result, answer);
    QCOMPARE(shown.text, QStringLiteral("一行目\n二行目"));
    QCOMPARE(shown.title, QStringLiteral("確認"));
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.buttons.size(), buttonCount);
}

void TestPlatform::displayTextBreaksLinesOnNewline()
{
    QCOMPARE(displayText(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
    QCOMPARE(displayText(QStringLiteral("手以内で完成せよ。")),
             QStringLiteral("手以内で完成せよ。"));
}

void TestPlatform::webAddressGoesToInstalledOpener()
{
    QList<QUrl> opened;
    setWebOpener([&opened](const QUrl &url) { opened.append(url); });
    openWebAddress(QUrl(QStringLiteral("http://example.com/tovik2/")));
    QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("http://example.com/tovik2/"))});
}

void TestPlatform::doEventsRunsPendingEventsThenThrowsOnceEnding()
{
    bool ran = false;
    QTimer::singleShot(0, qApp, [&ran] { ran = true; });
    DoEvents();
    QVERIFY(ran);
    QVERIFY(!programEnding());

    endProgram(0);
    QVERIFY(programEnding());
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, DoEvents());

    // An ending that comes while events run stops the loop right there.
    resetProgramEnding();
    QTimer::singleShot(0, qApp, [] { endProgram(0); });
    QVERIFY_THROWS_EXCEPTION(ProgramEnding, DoEvents());
}

void TestPlatform::endProgramHidesWindows()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    endProgram(3);
    QVERIFY(window.isHidden());
}

void TestPlatform::guardedReportsErrorThenEnds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("reportParts");

    QTest::newRow("overflow") << 0 << QStringList{"'6'", "Overflow"};
    QTest::newRow("subscript") << 1 << QStringList{"'9'", "Subscript out of range"};
    QTest::newRow("out of memory") << 2 << QStringList{"'7'", "Out of memory"};
    QTest::newRow("other exception") << 3 << QStringList{"decoder gave up"};
}

void TestPlatform::guardedReportsErrorThenEnds()
{
    QFETCH(int, kind);
    QFETCH(QStringList, reportParts);

    QList<MessageBoxRequest> asked;
    bool endingWhileShown = false;
    setMessageBoxResponder([&](const MessageBoxRequest &request) {
        asked.append(request);
        endingWhileShown = programEnding();
        return MsgBoxAnswer::Ok;
    });
    guarded([kind] {
        switch (kind) {
        case 0:
            throw RuntimeError(ErrorNumber::Overflow);
        case 1:
            throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
        case 2:
            throw std::bad_alloc();
        default:
            throw std::runtime_error("decoder gave up");
        }
    });
    QCOMPARE(asked.size(), 1);
    for (const QString &part : reportParts)
        QVERIFY2(asked.first().prompt.contains(part), qPrintable(asked.first().prompt));
    QCOMPARE(asked.first().style, MsgBoxStyle::Critical);
    QCOMPARE(asked.first().title, QStringLiteral("Tovik2"));
    // No other handler may run behind the report.
    QVERIFY(endingWhileShown);
    QVERIFY(programEnding());
}

void TestPlatform::guardedRunsNothingOnceEnding()
{
    int runs = 0;
    guarded([&runs] { ++runs; });
    QCOMPARE(runs, 1);
    endProgram(0);
    guarded([&runs] { ++runs; });
    QCOMPARE(runs, 1);
}

void TestPlatform::guardedStopsQuietlyOnProgramEnding()
{
    int asked = 0;
    setMessageBoxResponder([&asked](const MessageBoxRequest &) {
        ++asked;
        return MsgBoxAnswer::Ok;
    });
    bool finished = false;
    guarded([&finished] {
        endProgram(0);
        DoEvents();
        finished = true;
    });
    QVERIFY(!finished);
    QCOMPARE(asked, 0);
}

// --- Pictures ------------------------------------------------------------------

void TestPlatform::loadPictureDecodesByContentAtRequestedSize_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("BMP natural size") << "bmp"
                                      << "p.bmp" << QSize() << QSize(64, 48);
    QTest::newRow("BMP stretched") << "bmp"
                                   << "p.bmp" << QSize(30, 90) << QSize(30, 90);
    QTest::newRow("JPEG reduced") << "jpeg"
                                  << "p.jpg" << QSize(16, 12) << QSize(16, 12);
    QTest::newRow("progressive JPEG") << "jpeg-progressive"
                                      << "q.jpg" << QSize(33, 33) << QSize(33, 33);
    QTest::newRow("PNG named .jpg") << "png"
                                    << "really-png.jpg" << QSize(20, 10) << QSize(20, 10);
    QTest::newRow("icon") << "ico"
                          << "p.ico" << QSize(32, 32) << QSize(32, 32);
}

void TestPlatform::loadPictureDecodesByContentAtRequestedSize()
{
    QFETCH(QString, format);
    QFETCH(QString, fileName);
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);

    QTemporaryDir dir;
    const bool progressive = format.endsWith(QLatin1String("-progressive"));
    const QByteArray writerFormat = format.section(QLatin1Char('-'), 0, 0).toLatin1();
    const QString path = dir.filePath(fileName);
    writeFile(path, encoded(twoColourImage(64, 48), writerFormat.constData(), progressive));

    const LoadedPicture picture = LoadPicture(path, requested);
    QVERIFY2(picture.ok(), qPrintable(picture.reason));
    QVERIFY(picture.reason.isEmpty());
    QCOMPARE(picture.image.size(), expected);
    QVERIFY(picture.image.format() == QImage::Format_RGB32 ||
            picture.image.format() == QImage::Format_ARGB32_Premultiplied);
    QVERIFY(isReddish(picture.image.pixel(0, expected.height() / 2)));
    QVERIFY(isBluish(picture.image.pixel(expected.width() - 1, expected.height() / 2)));
}

void TestPlatform::loadPictureRefusesBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // "<missing>" for no file, "<folder>" for one
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("reasonPart");

    // Noise makes the pixel data the larger part of the file.
    QImage noise(200, 150, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) * 5 % 256));
    }
    const QByteArray jpeg = encoded(noise, "jpeg");
    const QByteArray progressive = encoded(noise, "jpeg", true);
    QTest::newRow("missing file") << QByteArray("<missing>") << "gone.bmp"
                                  << "見つかりません";
    QTest::newRow("folder") << QByteArray("<folder>") << "pics.jpg"
                            << "フォルダー";
    QTest::newRow("zero bytes") << QByteArray() << "empty.gif"
                                << "空";
    QTest::newRow("text named .bmp") << QByteArray("hello, this is no picture\n") << "text.bmp"
                                     << "読み込めません";
    QTest::newRow("JPEG cut in its header") << jpeg.left(100) << "cut.jpg"
                                            << "";
    QTest::newRow("JPEG cut in its pixels") << jpeg.left(jpeg.size() * 3 / 4) << "cut.jpg"
                                            << "途中";
    QTest::newRow("progressive JPEG cut") << progressive.left(progressive.size() / 2) << "p.jpg"
                                          << "途中";
    QTest::newRow("GIF claiming 65535 x 65535") << tinyTransparentGif(65535, 65535) << "huge.gif"
                                                << "65535 × 65535";
    QTest::newRow("GIF claiming 0 x 0") << tinyTransparentGif(0, 0) << "none.gif"
                                        << "";
    QTest::newRow("GIF larger than the area limit")
        << tinyTransparentGif(20000, 20000) << "area.gif"
        << "20000 × 20000";
    QTest::newRow("GIF wider than the side limit") << tinyTransparentGif(30001, 2) << "wide.gif"
                                                   << "30001";
}

void TestPlatform::loadPictureRefusesBrokenFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, fileName);
    QFETCH(QString, reasonPart);

    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    if (content == "<folder>")
        QVERIFY(QDir(dir.path()).mkdir(fileName));
    else if (content != "<missing>")
        writeFile(path, content);

    for (const QSize &size : {QSize(), QSize(33, 33)}) {
        const LoadedPicture picture = LoadPicture(path, size);
        QVERIFY(!picture.ok());
        QVERIFY(picture.image.isNull());
        QVERIFY(!picture.reason.isEmpty());
        QVERIFY2(picture.reason.contains(reasonPart), qPrintable(picture.reason));
    }
}

void TestPlatform::loadPictureKeepsGifTransparency()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clear.gif"));
    writeFile(path, tinyTransparentGif());
    const LoadedPicture picture = LoadPicture(path);
    QVERIFY2(picture.ok(), qPrintable(picture.reason));
    QCOMPARE(picture.image.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(qAlpha(picture.image.pixel(0, 0)), 0);

    // Painted over a back colour, the transparent pixel lets it show.
    PictureBox box;
    box.resize(4, 4);
    box.setBackColor(Red);
    box.PaintPicture(picture.image, 0, 0, 60, 60);
    QCOMPARE(box.image().pixel(2, 2), qRgb(255, 0, 0));
}

void TestPlatform::loadPictureAcceptsJpegWithDataAfterTheEnd()
{
    // Phones append whole videos after the end of a photograph; it is still a photograph.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("motion.jpg"));
    writeFile(path, encoded(twoColourImage(64, 48), "jpeg") + QByteArray(5000, '\x42'));
    const LoadedPicture picture = LoadPicture(path, QSize(10, 10));
    QVERIFY2(picture.ok(), qPrintable(picture.reason));
    QCOMPARE(picture.image.format(), QImage::Format_RGB32);
}

// --- Block copies --------------------------------------------------------------

void TestPlatform::bitBltCopiesClippedBlock_data()
{
    QTest::addColumn<QRect>("block"); // destination x, y and the size
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QImage::Format>("destinationFormat");

    const auto rgb = QImage::Format_RGB32;
    QTest::newRow("inside both") << QRect(2, 3, 4, 5) << QPoint(1, 1) << rgb;
    QTest::newRow("whole image") << QRect(0, 0, 10, 10) << QPoint(0, 0) << rgb;
    QTest::newRow("past the destination's right and bottom")
        << QRect(7, 8, 6, 6) << QPoint(0, 0) << rgb;
    QTest::newRow("past the source's right and bottom") << QRect(0, 0, 6, 6) << QPoint(7, 8) << rgb;
    QTest::newRow("negative destination") << QRect(-3, -2, 6, 6) << QPoint(1, 1) << rgb;
    QTest::newRow("negative source") << QRect(1, 1, 6, 6) << QPoint(-4, -1) << rgb;
    QTest::newRow("entirely outside") << QRect(20, 0, 5, 5) << QPoint(0, 0) << rgb;
    QTest::newRow("zero width") << QRect(1, 1, 0, 5) << QPoint(0, 0) << rgb;
    QTest::newRow("into a premultiplied image")
        << QRect(2, 2, 5, 5) << QPoint(3, 3) << QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("into a 16-bit image")
        << QRect(2, 2, 5, 5) << QPoint(3, 3) << QImage::Format_RGB16;
}

void TestPlatform::bitBltCopiesClippedBlock()
{
    QFETCH(QRect, block);
    QFETCH(QPoint, from);
    QFETCH(QImage::Format, destinationFormat);

    QImage source(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x)
            source.setPixel(x, y, qRgb(x * 24, y * 24, 200));
    }
    QImage destination(10, 10, destinationFormat);
    destination.fill(Qt::white);

    BitBlt(destination, block.x(), block.y(), block.width(), block.height(), source, from.x(),
           from.y());

    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QPoint at = QPoint(x, y) - block.topLeft() + from;
            const bool copied = block.contains(x, y) && source.rect().contains(at);
            const QColor expected = copied ? source.pixelColor(at) : QColor(Qt::white);
            QCOMPARE(destination.pixelColor(x, y).convertTo(QColor::Rgb).rgb() & 0xF8F8F8u,
                     expected.rgb() & 0xF8F8F8u);
        }
    }
}

void TestPlatform::bitBltWithinOneImageHandlesOverlap()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int y = 0; y < 4; ++y)
        image.setPixel(0, y, qRgb(y * 60, 0, 0));
    BitBlt(image, 0, 1, 1, 3, image, 0, 0); // every row one down
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(0, 1), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(0, 2), qRgb(60, 0, 0));
    QCOMPARE(image.pixel(0, 3), qRgb(120, 0, 0));
}

// --- PictureBox and Label ------------------------------------------------------

void TestPlatform::backColorErasesDrawing()
{
    PictureBox box;
    box.resize(50, 40);
    QImage red(5, 5, QImage::Format_RGB32);
    red.fill(Qt::red);
    box.PaintPicture(red, 0, 0, box.ScaleWidth(), box.ScaleHeight());
    QCOMPARE(pixelsOtherThan(box.image(), qRgb(255, 0, 0)), 0);

    box.setBackColor(0xFF0000);
    QCOMPARE(box.backColor(), ColorValue(0xFF0000));
    QCOMPARE(box.image().size(), QSize(50, 40));
    QCOMPARE(pixelsOtherThan(box.image(), qRgb(0, 0, 255)), 0);
}

void TestPlatform::clsClearsAndReturnsToTopLeft()
{
    PictureBox box;
    box.resize(60, 40);
    box.setBackColor(White);
    box.setForeColor(0);
    box.CurrentX = 150;
    box.Print(QStringLiteral("Tovik"));
    QVERIFY(pixelsOtherThan(box.image(), qRgb(255, 255, 255)) > 0);
    box.Cls();
    QCOMPARE(pixelsOtherThan(box.image(), qRgb(255, 255, 255)), 0);
    QCOMPARE(box.CurrentX, 0.0);
    QCOMPARE(box.CurrentY, 0.0);
}

void TestPlatform::paintPictureFillsItsRectangle()
{
    PictureBox box;
    box.resize(40, 40);
    box.setBackColor(White);
    QImage red(3, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    box.PaintPicture(red, 150, 150, 300, 150); // pixels 10..29 x 10..19

    const QImage &image = box.image();
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 10 && y < 20;
            QCOMPARE(image.pixel(x, y), inside ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
        }
    }

    // A negative width mirrors into the rectangle to the left.
    QImage halves = twoColourImage(4, 2);
    box.PaintPicture(halves, 600, 0, -600, 150);
    QVERIFY(isBluish(box.image().pixel(0, 5)));
    QVERIFY(isReddish(box.image().pixel(39, 5)));
}

void TestPlatform::borderShrinksInnerAreaByOnePixelEachSide()
{
    PictureBox box;
    box.resize(33, 33);
    QCOMPARE(box.ScaleWidth(), 495.0);
    QCOMPARE(box.ScaleHeight(), 495.0);

    box.setBackColor(White);
    box.setBorderStyle(1);
    QCOMPARE(box.borderStyle(), 1);
    QCOMPARE(box.ScaleWidth(), 465.0);
    QCOMPARE(box.ScaleHeight(), 465.0);
    QCOMPARE(box.image().size(), QSize(31, 31));

    const QImage shown = box.grab().toImage();
    QVERIFY(shown.pixel(0, 0) != qRgb(255, 255, 255));
    QVERIFY(shown.pixel(32, 16) != qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(1, 1), qRgb(255, 255, 255));

    box.setBorderStyle(0);
    QCOMPARE(box.ScaleWidth(), 495.0);
    QCOMPARE(box.grab().toImage().pixel(0, 0), qRgb(255, 255, 255));
}

void TestPlatform::resizeKeepsDrawingAtTopLeft()
{
    PictureBox box;
    box.resize(10, 10);
    box.setBackColor(White);
    QImage red(1, 1, QImage::Format_RGB32);
    red.fill(Qt::red);
    box.PaintPicture(red, 0, 0, 150, 150);
    box.resize(20, 15);
    QCOMPARE(box.image().size(), QSize(20, 15));
    QCOMPARE(box.image().pixel(9, 9), qRgb(255, 0, 0));
    QCOMPARE(box.image().pixel(15, 12), qRgb(255, 255, 255));
    QCOMPARE(box.ScaleWidth(), 300.0);
}

void TestPlatform::printWritesTextAndMovesToNextLine()
{
    PictureBox box;
    box.resize(200, 100);
    box.setFont(layoutFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    box.setBackColor(White);
    box.setForeColor(Red);

    const double lineHeight = box.TextHeight(QStringLiteral("完成"));
    QCOMPARE(lineHeight, toTwips(QFontMetrics(box.font()).lineSpacing()));
    QCOMPARE(box.TextHeight(QStringLiteral("一\r\n二")), 2 * lineHeight);
    QVERIFY(box.TextWidth(QStringLiteral("完成完成")) > box.TextWidth(QStringLiteral("完成")));

    box.CurrentX = 300;
    box.CurrentY = 150;
    box.Print(QStringLiteral("完成"));
    QCOMPARE(box.CurrentX, 0.0);
    QCOMPARE(box.CurrentY, 150 + lineHeight);

    // The text sits right of and below (20, 10) px, within one line.
    const QImage &image = box.image();
    const int bottom = 10 + int(lineHeight / 15);
    int inside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            QVERIFY2(x >= 20 && y >= 10 && y <= bottom,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            ++inside;
        }
    }
    QVERIFY(inside > 10);
}

void TestPlatform::pictureBoxClicksOnLeftReleaseInside()
{
    PictureBox box;
    box.resize(33, 33);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy clicks(&box, &PictureBox::clicked);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.size(), 1);
    // Pressed inside, let go outside: no click.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(clicks.size(), 1);
}

void TestPlatform::labelKeepsCaptionExactly()
{
    Label label;
    const QString caption = QStringLiteral("残り 3 手\r\n3手以内で完成せよ。<b>");
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.text(), QStringLiteral("残り 3 手\n3手以内で完成せよ。<b>"));
    QCOMPARE(label.textFormat(), Qt::PlainText);

    label.resize(100, 40);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicks(&label, &Label::clicked);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks.size(), 1);
}

// --- ScrollBar -----------------------------------------------------------------

void TestPlatform::scrollBarStartsAtDefaults()
{
    ScrollBar bar;
    QCOMPARE(bar.min(), 0);
    QCOMPARE(bar.max(), 32767);
    QCOMPARE(bar.value(), 0);
    QCOMPARE(bar.smallChange(), 1);
    QCOMPARE(bar.largeChange(), 1);
    QCOMPARE(bar.bar()->orientation(), Qt::Vertical);
    bar.resize(17, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.bar()->geometry(), bar.rect());
}

void TestPlatform::invertedScrollBarPutsMaxAtTheBottom()
{
    ScrollBar bar;
    bar.setMin(0);
    bar.setMax(-4500);
    bar.setValue(-4500);
    QCOMPARE(bar.value(), -4500);
    QCOMPARE(bar.bar()->value(), bar.bar()->maximum());
    bar.setValue(0);
    QCOMPARE(bar.bar()->value(), bar.bar()->minimum());

    // One step down goes toward Max.
    bar.setSmallChange(100);
    bar.bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar.value(), -100);
    bar.setValue(5000);
    QCOMPARE(bar.value(), 0);
    bar.setValue(-9000);
    QCOMPARE(bar.value(), -4500);
}

void TestPlatform::scrollBarEmitsChangeOncePerChange()
{
    ScrollBar bar;
    bar.setMin(3);
    bar.setMax(10);
    QSignalSpy changes(&bar, &ScrollBar::Change);
    bar.setValue(5);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().at(0).toInt(), 5);
    bar.setValue(5);
    QCOMPARE(changes.size(), 1);

    bar.bar()->setFocus();
    QTest::keyClick(bar.bar(), Qt::Key_Down);
    QCOMPARE(changes.size(), 2);
    QCOMPARE(bar.value(), 6);
    QCOMPARE(changes.last().at(0).toInt(), 6);

    bar.setLargeChange(3);
    QTest::keyClick(bar.bar(), Qt::Key_PageDown);
    QTest::keyClick(bar.bar(), Qt::Key_PageDown);
    QCOMPARE(bar.value(), 10);
    QCOMPARE(changes.size(), 4);
    QCOMPARE(changes.last().at(0).toInt(), 10);
}

void TestPlatform::scrollBarRangeChangeClampsValue_data()
{
    QTest::addColumn<int>("startMin");
    QTest::addColumn<int>("startMax");
    QTest::addColumn<int>("startValue");
    QTest::addColumn<int>("newMin");
    QTest::addColumn<int>("newMax");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("changes");

    QTest::newRow("max drops below the value") << 3 << 10 << 10 << 3 << 5 << 5 << 1;
    QTest::newRow("min rises above the value") << 3 << 10 << 4 << 6 << 10 << 6 << 1;
    QTest::newRow("range still holds the value") << 3 << 10 << 7 << 0 << 20 << 7 << 0;
    QTest::newRow("inverted range shrinks") << 0 << -4500 << -4500 << 0 << -1000 << -1000 << 1;
    QTest::newRow("turned upside down past the value") << 3 << 10 << 7 << 20 << 0 << 10 << 1;
    QTest::newRow("turned upside down, value outside") << 0 << 10 << 5 << 0 << -10 << 0 << 1;
}

void TestPlatform::scrollBarRangeChangeClampsValue()
{
    QFETCH(int, startMin);
    QFETCH(int, startMax);
    QFETCH(int, startValue);
    QFETCH(int, newMin);
    QFETCH(int, newMax);
    QFETCH(int, value);
    QFETCH(int, changes);

    ScrollBar bar;
    bar.setMin(startMin);
    bar.setMax(startMax);
    bar.setValue(startValue);
    QCOMPARE(bar.value(), startValue);
    QSignalSpy spy(&bar, &ScrollBar::Change);
    bar.setMin(newMin);
    bar.setMax(newMax);
    QCOMPARE(bar.value(), value);
    QCOMPARE(spy.size(), changes);
    if (changes > 0)
        QCOMPARE(spy.last().at(0).toInt(), value);
    // The thumb stands where the game value says, top = Min.
    const double fraction = double(value - newMin) / (newMax - newMin);
    const double internal = double(bar.bar()->value() - bar.bar()->minimum()) /
                            (bar.bar()->maximum() - bar.bar()->minimum());
    QCOMPARE(internal, fraction);
}

void TestPlatform::scrollBarDragEmitsChangeOnceAtRelease()
{
    ScrollBar bar;
    bar.setMin(3);
    bar.setMax(10);
    QSignalSpy changes(&bar, &ScrollBar::Change);
    bar.bar()->setSliderDown(true);
    bar.bar()->setSliderPosition(6);
    bar.bar()->setSliderPosition(8);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(bar.value(), 3);
    bar.bar()->setSliderDown(false);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.last().at(0).toInt(), 8);
    QCOMPARE(bar.value(), 8);
}

// --- Drive, directory and file lists -------------------------------------------

void TestPlatform::fileListMatchesPatternWhateverTheCase()
{
    QTemporaryDir dir;
    for (const char *name :
         {"a.bmp", "IMG_0001.JPG", "b.Gif", "c.txt", "d.ico", "e.jpeg", ".f.jpg"})
        writeFile(dir.filePath(QString::fromLatin1(name)), "x");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.jpg")));

    FileListBox files;
    files.setPattern(QStringLiteral("*.bmp;*.ico;*.gif;*.jpg"));
    files.setPath(dir.path());
    QCOMPARE(files.path(), QDir::cleanPath(dir.path()));
    QCOMPARE(itemTexts(files), (QStringList{"a.bmp", "b.Gif", "d.ico", "IMG_0001.JPG"}));
    QCOMPARE(files.fileName(), QString());

    files.setPattern(QStringLiteral("*.*"));
    QCOMPARE(itemTexts(files),
             (QStringList{"a.bmp", "b.Gif", "c.txt", "d.ico", "e.jpeg", "IMG_0001.JPG"}));
}

void TestPlatform::fileListClickAndKeyboardSelectEmitClick()
{
    QTemporaryDir dir;
    for (const char *name : {"a.bmp", "b.gif", "c.jpg"})
        writeFile(dir.filePath(QString::fromLatin1(name)), "x");
    FileListBox files;
    files.setPattern(QStringLiteral("*.bmp;*.ico;*.gif;*.jpg"));
    files.setPath(dir.path());
    files.resize(150, 100);
    files.show();
    QVERIFY(QTest::qWaitForWindowExposed(&files));
    QSignalSpy clicks(&files, &FileListBox::Click);

    files.clickFile(QStringLiteral("b.gif"));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(files.fileName(), QStringLiteral("b.gif"));

    QTest::keyClick(&files, Qt::Key_Down);
    QCOMPARE(files.fileName(), QStringLiteral("c.jpg"));
    QCOMPARE(clicks.size(), 2);
    QTest::keyClick(&files, Qt::Key_Down); // already the last file: nothing new chosen
    QCOMPARE(clicks.size(), 2);

    const QRect first = files.visualItemRect(files.item(0));
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(files.fileName(), QStringLiteral("a.bmp"));
    QCOMPARE(clicks.size(), 3);

    files.clickFile(QStringLiteral("missing.jpg"));
    QCOMPARE(clicks.size(), 3);

    // Another folder lists anew with nothing chosen, and says nothing about it.
    QTemporaryDir other;
    files.setPath(other.path());
    QCOMPARE(files.count(), 0);
    QCOMPARE(files.fileName(), QString());
    QCOMPARE(clicks.size(), 3);
}

void TestPlatform::dirListMovesIntoAndOutOfFolders()
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    for (const char *name : {"Beta", "alpha", ".hidden", "gamma/deeper"})
        QVERIFY(QDir(root).mkpath(QString::fromLatin1(name)));
    writeFile(root + QStringLiteral("/file.jpg"), "x");

    DirListBox folders;
    QSignalSpy changes(&folders, &DirListBox::Change);
    folders.setPath(root);
    QCOMPARE(folders.path(), root);
    QCOMPARE(changes.size(), 1);

    // Ancestors from "/" down to the folder, then its subfolders.
    const int depth = root.count(QLatin1Char('/')) + 1;
    QCOMPARE(folders.count(), depth + 3);
    QCOMPARE(folders.item(0)->text().trimmed(), QStringLiteral("/"));
    QCOMPARE(folders.item(depth - 1)->text().trimmed(), QFileInfo(root).fileName());
    QCOMPARE(folders.currentRow(), depth - 1);
    QVERIFY(folders.currentItem()->isSelected());
    QCOMPARE(itemTexts(folders, depth), (QStringList{"alpha", "Beta", "gamma"}));
    // Each level is indented further than the one above.
    QVERIFY(folders.item(depth)->text().indexOf(QLatin1Char('a')) >
            folders.item(depth - 1)->text().indexOf(QFileInfo(root).fileName()));

    folders.setPath(root + QStringLiteral("/gamma"));
    QCOMPARE(folders.path(), root + QStringLiteral("/gamma"));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(itemTexts(folders, depth + 1), QStringList{"deeper"});

    folders.setPath(root + QStringLiteral("/gamma/.."));
    QCOMPARE(folders.path(), root);
    QCOMPARE(changes.size(), 3);
    folders.setPath(root);
    QCOMPARE(changes.size(), 3);
}

void TestPlatform::dirListRefusesMissingFolderAndStaysPut()
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    writeFile(root + QStringLiteral("/plain.txt"), "x");
    DirListBox folders;
    folders.setPath(root);
    const QStringList before = itemTexts(folders);
    QSignalSpy changes(&folders, &DirListBox::Change);

    for (const QString &bad :
         {root + QStringLiteral("/missing"), root + QStringLiteral("/plain.txt")}) {
        try {
            folders.setPath(bad);
            QFAIL(qPrintable(bad + QStringLiteral(" accepted")));
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), ErrorNumber::FileNotFound);
            QVERIFY(QString::fromStdString(error.what()).contains(bad));
        }
        QCOMPARE(folders.path(), root);
        QCOMPARE(itemTexts(folders), before);
    }
    QCOMPARE(changes.size(), 0);
}

void TestPlatform::dirListOpensFolderOnEnter()
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    QVERIFY(QDir(root).mkdir(QStringLiteral("pics")));
    DirListBox folders;
    folders.setPath(root);
    folders.resize(200, 300);
    folders.show();
    QVERIFY(QTest::qWaitForWindowExposed(&folders));
    QSignalSpy changes(&folders, &DirListBox::Change);

    folders.setCurrentRow(folders.count() - 1);
    QTest::keyClick(&folders, Qt::Key_Return);
    QCOMPARE(folders.path(), root + QStringLiteral("/pics"));
    QCOMPARE(changes.size(), 1);

    // Double-clicking the parent goes back up.
    const int parentRow = root.count(QLatin1Char('/'));
    QCOMPARE(folders.item(parentRow)->text().trimmed(), QFileInfo(root).fileName());
    const QRect parentRect = folders.visualItemRect(folders.item(parentRow));
    // A double click is a press and release followed by the double-click event.
    QTest::mouseClick(folders.viewport(), Qt::LeftButton, {}, parentRect.center());
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, parentRect.center(),
                            folders.viewport()->mapToGlobal(parentRect.center()), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(folders.viewport(), &doubleClick);
    QCOMPARE(folders.path(), root);
    QCOMPARE(changes.size(), 2);
}

void TestPlatform::driveListOffersRootAndFindsDriveOfPath()
{
    DriveListBox drives;
    QVERIFY(drives.findData(QStringLiteral("/")) >= 0);
    QVERIFY(drives.itemText(drives.findData(QStringLiteral("/"))).startsWith(QLatin1Char('/')));
    QSignalSpy changes(&drives, &DriveListBox::Change);

    drives.setDrive(QStringLiteral("/"));
    const QString start = drives.drive();
    QCOMPARE(start, QStringLiteral("/"));
    drives.setDrive(QStringLiteral("/"));
    QCOMPARE(changes.size(), 0);

    // A folder belongs to the volume with the longest root that holds it.
    for (int i = 0; i < drives.count(); ++i) {
        const QString root = drives.itemData(i).toString();
        const QString before = drives.drive();
        const int changesBefore = changes.size();
        drives.setDrive(root + QStringLiteral("/tovik2-no-such-folder"));
        QCOMPARE(drives.drive(), root);
        QCOMPARE(drives.currentIndex(), i);
        QCOMPARE(changes.size(), changesBefore + (root != before ? 1 : 0));
    }
}

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
