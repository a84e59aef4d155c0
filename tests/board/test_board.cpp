// The board: building the cells and fitting the window to them, the picture buffer, and
// drawing the cells in both display methods. Pixels are checked on the cells as they
// render: the pictures used name their own coordinates or have four plain quadrants,
// so a cell shows where its pixels came from.

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <vector>

#include "board.h"
#include "colors.h"
#include "gamestate.h"
#include "messages.h"
#include "picturebox.h"
#include "twips.h"

#include "boardfakes.h"
#include "gifwriter.h"
#include "testpictures.h"
#include "testsuites.h"

using board::Board;
using platform::PictureBox;
using testpictures::Broken;

Q_DECLARE_METATYPE(testpictures::Broken)

namespace {

// The main window, the game setting dialog and the board, in the order the board
// needs them to live.
struct Rig
{
    FakeHost host;
    FakeSettings settings;
    Board board{host, settings};
};

// As the option dialog does: the stored cell size and the template's size together.
void setCellSize(Rig &rig, double twips)
{
    engine::game().CellSize = QString::number(twips).toStdString();
    rig.board.setTemplateCellSize(twips, twips);
}

QImage rendered(PictureBox *cell)
{
    return cell->grab().toImage();
}

QRgb buttonFace()
{
    return platform::systemColor(15).rgb();
}
QRgb scrollBar()
{
    return platform::systemColor(0).rgb();
}

bool near(QRgb actual, QColor expected)
{
    const int tolerance = 8;
    return std::abs(qRed(actual) - expected.red()) <= tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

// Everything a refused build must leave as it was.
struct BoardSnapshot
{
    int controls = 0;
    std::vector<bool> states;
    int cols = 0;
    int rows = 0;
    int count = 0;
    bool active = false;
    double width = 0;
    double height = 0;
    QImage mask;
    std::vector<QRect> geometry;
    std::vector<bool> visible;
    std::vector<int> borders;
    std::vector<QImage> pixels;
};

BoardSnapshot snapshot(Rig &rig)
{
    const engine::GameState &g = engine::game();
    BoardSnapshot s;
    s.controls = rig.board.cellControls();
    for (int k = g.CellState.lower(); k <= g.CellState.upper(); ++k)
        s.states.push_back(g.CellState(k));
    s.cols = g.GridCols;
    s.rows = g.GridRows;
    s.count = g.CellCount;
    s.active = g.BoardActive;
    s.width = rig.host.width;
    s.height = rig.host.height;
    s.mask = rig.board.Mask();
    for (int i = 0; i < rig.board.cellControls(); ++i) {
        PictureBox *cell = rig.board.Picture1(i);
        s.geometry.push_back(cell->geometry());
        s.visible.push_back(!cell->isHidden());
        s.borders.push_back(cell->borderStyle());
        s.pixels.push_back(cell->image());
    }
    return s;
}

void compareSnapshots(const BoardSnapshot &after, const BoardSnapshot &before)
{
    QCOMPARE(after.controls, before.controls);
    QCOMPARE(after.states, before.states);
    QCOMPARE(after.cols, before.cols);
    QCOMPARE(after.rows, before.rows);
    QCOMPARE(after.count, before.count);
    QCOMPARE(after.active, before.active);
    QCOMPARE(after.width, before.width);
    QCOMPARE(after.height, before.height);
    QCOMPARE(after.mask, before.mask);
    QCOMPARE(after.geometry, before.geometry);
    QCOMPARE(after.visible, before.visible);
    QCOMPARE(after.borders, before.borders);
    QVERIFY(after.pixels == before.pixels);
}

} // namespace

class BoardTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString picture(const QImage &image, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        if (!testpictures::save(image, path))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A square picture as large as Mask will be, so that Mask holds it pixel for pixel.
    QString coordinatePicture(int side, double cellSize)
    {
        const int pixels = side * platform::toPixels(cellSize);
        return picture(testpictures::coordinatePicture(pixels, pixels),
                       QStringLiteral("coordinates-%1.bmp").arg(pixels));
    }

    bool build(Rig &rig, int side, double cellSize, const QString &path)
    {
        rig.settings.side = side;
        setCellSize(rig, cellSize);
        engine::game().ImagePath = path.toStdString();
        return rig.board.BuildBoard();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        engine::resetGame();
        engine::game().CellSize = "495";
    }

    void templateCellIsLaidOutHiddenAndBorderless()
    {
        Rig rig;
        QCOMPARE(rig.board.cellControls(), 1);
        PictureBox *first = rig.board.Picture1(0);
        QVERIFY(first->isHidden());
        QCOMPARE(first->borderStyle(), 0);
        QCOMPARE(rig.board.firstCellBorderStyle(), 0);
        QCOMPARE(rig.board.cellLeft(0), 0.0);
        QCOMPARE(rig.board.cellTop(0), 480.0);
        QCOMPARE(rig.board.templateCellWidth(), 495.0);
        QCOMPARE(rig.board.templateCellHeight(), 495.0);
        QCOMPARE(first->size(), QSize(33, 33));
        QCOMPARE(first->backColor(), platform::WindowBackground);
        QCOMPARE(first->foreColor(), platform::WindowText);
        QCOMPARE(first->parentWidget(), &rig.host.client);
    }

    void drawingBeforeAnyBoardDrawsNothing()
    {
        Rig rig;
        const QImage before = rig.board.Picture1(0)->image();
        rig.board.DrawBoard();
        rig.settings.whole = false;
        rig.board.DrawBoard();
        QCOMPARE(rig.board.Picture1(0)->image(), before);
        QVERIFY(rig.board.Picture1(0)->isHidden());
    }

    void windowFitsTheGrid_data()
    {
        QTest::addColumn<double>("cellSize");
        QTest::addColumn<int>("side");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("width");
        QTest::newRow("three of 630 count as narrow") << 630.0 << 3 << 2840.0 << 1890.0;
        QTest::newRow("three of 631 do not") << 631.0 << 3 << 2573.0 << 1893.0;
        QTest::newRow("four of 495") << 495.0 << 4 << 2660.0 << 1980.0;
        QTest::newRow("default five of 495") << 495.0 << 5 << 3155.0 << 2475.0;
        QTest::newRow("three of 495") << 495.0 << 3 << 2435.0 << 1485.0;
        QTest::newRow("ten of 990") << 990.0 << 10 << 10580.0 << 9900.0;
    }

    // Cells are laid out row by row from element 0 with no gap, and a window exactly as
    // wide as the grid shows every cell whole, edge to edge.
    void windowFitsTheGrid()
    {
        QFETCH(double, cellSize);
        QFETCH(int, side);
        QFETCH(double, height);
        QFETCH(double, width);
        Rig rig;
        QVERIFY(build(rig, side, cellSize, coordinatePicture(side, cellSize)));
        QCOMPARE(rig.host.height, height);
        QCOMPARE(rig.host.width, width);
        QCOMPARE(rig.board.cellControls(), side * side);
        QCOMPARE(rig.board.cellLeft(0), -40.0);
        QCOMPARE(rig.board.cellTop(0), 0.0);

        const int clientWidth = rig.host.client.width();
        int leftmost = clientWidth;
        int rightmost = 0;
        for (int i = 0; i < side * side; ++i) {
            QCOMPARE(rig.board.cellLeft(i), -40.0 + (i % side) * cellSize);
            QCOMPARE(rig.board.cellTop(i), (i / side) * cellSize);
            const QRect cell = rig.board.Picture1(i)->geometry();
            QCOMPARE(cell.size(),
                     QSize(platform::toPixels(cellSize), platform::toPixels(cellSize)));
            QVERIFY(!rig.board.Picture1(i)->isHidden());
            leftmost = std::min(leftmost, cell.left());
            rightmost = std::max(rightmost, cell.left() + cell.width());
            if (i % side != 0)
                QCOMPARE(cell.left(), rig.board.Picture1(i - 1)->geometry().right() + 1);
        }
        QCOMPARE(leftmost, 0);
        QCOMPARE(rightmost, clientWidth);
    }

    void defaultBoardPutsCellSevenOneCellRightAndDown()
    {
        Rig rig;
        QVERIFY(build(rig, 5, 495, coordinatePicture(5, 495)));
        QCOMPARE(rig.host.width, 2475.0);
        QCOMPARE(rig.host.height, 3155.0);
        QCOMPARE(rig.board.cellLeft(6), rig.board.cellLeft(0) + 495);
        QCOMPARE(rig.board.cellTop(6), 495.0);
        QCOMPARE(rig.board.Picture1(6)->pos(), QPoint(33, 33));
    }

    // The window manager may keep the window wider than the grid; the grid is then
    // centred in it.
    void widerWindowCentresTheGrid()
    {
        Rig rig;
        rig.host.minimumWidth = 4000;
        QVERIFY(build(rig, 3, 495, coordinatePicture(3, 495)));
        QCOMPARE(rig.host.width, 4000.0);
        QCOMPARE(rig.board.cellLeft(0), (4000 - 1485) / 2.0 - 40);
        for (int i = 1; i < 9; ++i)
            QCOMPARE(rig.board.cellLeft(i), rig.board.cellLeft(0) + (i % 3) * 495);
        const int leftGap = rig.board.Picture1(0)->geometry().left();
        const int rightGap =
            rig.host.client.width() - (rig.board.Picture1(2)->geometry().right() + 1);
        QVERIFY2(std::abs(leftGap - rightGap) <= 1,
                 qPrintable(QStringLiteral("left %1 px, right %2 px").arg(leftGap).arg(rightGap)));
    }

    // The pitch is the template's size, which the option dialog keeps equal to CellSize.
    void cellsTakeTheTemplateSize()
    {
        Rig rig;
        rig.settings.side = 3;
        engine::game().CellSize = "495";
        rig.board.setTemplateCellSize(600, 600);
        engine::game().ImagePath = coordinatePicture(3, 495).toStdString();
        QVERIFY(rig.board.BuildBoard());
        QCOMPARE(rig.board.cellLeft(4), rig.board.cellLeft(0) + 600);
        QCOMPARE(rig.board.cellTop(4), 600.0);
        QCOMPARE(rig.board.Picture1(8)->size(), QSize(40, 40));
    }

    void buildStartsAFreshIdleBoard()
    {
        Rig rig;
        QVERIFY(build(rig, 4, 495, coordinatePicture(4, 495)));
        engine::GameState &g = engine::game();
        g.CellState(3) = false;
        g.BoardActive = true;
        rig.board.setCellBorders(1);
        QCOMPARE(rig.board.firstCellBorderStyle(), 1);

        rig.settings.side = 5;
        QVERIFY(rig.board.BuildBoard());
        QCOMPARE(int(g.GridCols), 5);
        QCOMPARE(int(g.GridRows), 5);
        QCOMPARE(int(g.CellCount), 25);
        QCOMPARE(g.CellState.lower(), 1);
        QCOMPARE(g.CellState.upper(), 25);
        for (int k = 1; k <= 25; ++k)
            QVERIFY(g.CellState(k));
        QVERIFY(!g.BoardActive);
        QCOMPARE(rig.settings.hides, 2);
        for (int i = 0; i < 25; ++i) {
            QCOMPARE(rig.board.Picture1(i)->borderStyle(), 0);
            QVERIFY(!rig.board.Picture1(i)->isHidden());
        }
    }

    void rebuildFromTenToThreeKeepsNineCells()
    {
        Rig rig;
        QVERIFY(build(rig, 10, 495, coordinatePicture(10, 495)));
        QCOMPARE(rig.board.cellControls(), 100);
        const QPointer<PictureBox> old = rig.board.Picture1(50);

        QVERIFY(build(rig, 3, 495, coordinatePicture(3, 495)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rig.board.cellControls(), 9);
        QCOMPARE(engine::game().CellState.size(), 9);
        QCOMPARE(engine::game().CellState.lower(), 1);
        for (int k = 1; k <= 9; ++k)
            QVERIFY(engine::game().CellState(k));
        QVERIFY(old.isNull());
        QCOMPARE(rig.host.client.findChildren<PictureBox *>().size(), 9);
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, rig.board.Picture1(9));
    }

    // A build can run from a cell's own click (a command taken while events run): the
    // clicked cell must survive until its click has been delivered, then go.
    void rebuildFromACellClickOutlivesTheClick()
    {
        Rig rig;
        rig.host.client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.host.client));
        QVERIFY(build(rig, 10, 495, coordinatePicture(10, 495)));
        const QString small = coordinatePicture(3, 495);
        const QPointer<PictureBox> clicked = rig.board.Picture1(50);
        bool survivedTheBuild = false;
        connect(&rig.board, &Board::cellClicked, this, [&](int index) {
            if (index != 50)
                return;
            rig.settings.side = 3;
            engine::game().ImagePath = small.toStdString();
            QVERIFY(rig.board.BuildBoard());
            survivedTheBuild = !clicked.isNull() && clicked->isHidden();
        });
        QTest::mouseClick(clicked.data(), Qt::LeftButton);
        QVERIFY(survivedTheBuild);
        QCOMPARE(rig.board.cellControls(), 9);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(clicked.isNull());
        QCOMPARE(rig.host.client.findChildren<PictureBox *>().size(), 9);
    }

    void cellClickNamesItsElement_data()
    {
        QTest::addColumn<int>("element");
        QTest::newRow("first cell") << 0;
        QTest::newRow("second row") << 7;
        QTest::newRow("last cell") << 24;
    }

    void cellClickNamesItsElement()
    {
        QFETCH(int, element);
        Rig rig;
        rig.host.client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.host.client));
        QVERIFY(build(rig, 5, 495, coordinatePicture(5, 495)));
        QSignalSpy clicks(&rig.board, &Board::cellClicked);
        QTest::mouseClick(rig.board.Picture1(element), Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.front().front().toInt(), element);
    }

    void maskHoldsThePictureStretchedOverTheGrid_data()
    {
        QTest::addColumn<double>("cellSize");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("maskSide");
        QTest::newRow("three of 495") << 495.0 << 3 << 99;
        QTest::newRow("four of 500 in whole pixels") << 500.0 << 4 << 132;
        QTest::newRow("three of 631") << 631.0 << 3 << 126;
        QTest::newRow("ten of 990") << 990.0 << 10 << 660;
    }

    // The aspect ratio is not kept: a wide picture's quadrants meet in the middle of
    // the square buffer.
    void maskHoldsThePictureStretchedOverTheGrid()
    {
        QFETCH(double, cellSize);
        QFETCH(int, side);
        QFETCH(int, maskSide);
        Rig rig;
        const QString wide =
            picture(testpictures::quadrantPicture(300, 100), QStringLiteral("wide.bmp"));
        QVERIFY(build(rig, side, cellSize, wide));
        const QImage &mask = rig.board.Mask();
        QCOMPARE(mask.size(), QSize(maskSide, maskSide));
        const int q = maskSide / 4;
        QVERIFY(near(mask.pixel(q, q), Qt::red));
        QVERIFY(near(mask.pixel(3 * q, q), Qt::green));
        QVERIFY(near(mask.pixel(q, 3 * q), Qt::blue));
        QVERIFY(near(mask.pixel(3 * q, 3 * q), Qt::yellow));
    }

    void transparentPartsShowTheBufferColour()
    {
        Rig rig;
        QImage image = testpictures::plainPicture(99, 99, Qt::red);
        for (int y = 0; y < 99; ++y) {
            for (int x = 50; x < 99; ++x)
                image.setPixel(x, y, qRgb(0, 255, 0));
        }
        const QString path = m_dir.filePath(QStringLiteral("half-transparent.gif"));
        QVERIFY(gifwriter::write(path, image, qRgb(0, 255, 0)));
        QVERIFY(build(rig, 3, 495, path));
        QCOMPARE(rig.board.Mask().pixel(10, 10), QColor(Qt::red).rgb());
        QCOMPARE(rig.board.Mask().pixel(80, 10), platform::systemColor(5).rgb());
    }

    void wholePictureCopiesTheRoundedBlock_data()
    {
        QTest::addColumn<double>("cellSize");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("element");
        QTest::addColumn<QPoint>("source");
        QTest::newRow("495, column 2 row 1") << 495.0 << 3 << 5 << QPoint(66, 33);
        QTest::newRow("500, column 0") << 500.0 << 4 << 0 << QPoint(0, 0);
        QTest::newRow("500, column 1") << 500.0 << 4 << 1 << QPoint(33, 0);
        QTest::newRow("500, column 2") << 500.0 << 4 << 2 << QPoint(67, 0);
        QTest::newRow("500, column 3") << 500.0 << 4 << 3 << QPoint(100, 0);
        QTest::newRow("500, row 3") << 500.0 << 4 << 12 << QPoint(0, 100);
        QTest::newRow("508, column 3: block of 34") << 508.0 << 4 << 3 << QPoint(102, 0);
        QTest::newRow("508, row 2") << 508.0 << 4 << 8 << QPoint(0, 68);
        QTest::newRow("631, column 1 row 2") << 631.0 << 3 << 7 << QPoint(42, 84);
        QTest::newRow("990, last of ten") << 990.0 << 10 << 99 << QPoint(594, 594);
    }

    // The block is w = round(CellSize / 15) pixels a side from (round(c x column),
    // round(c x row)); what lies beyond Mask stays the cell's back colour.
    void wholePictureCopiesTheRoundedBlock()
    {
        QFETCH(double, cellSize);
        QFETCH(int, side);
        QFETCH(int, element);
        QFETCH(QPoint, source);
        Rig rig;
        QVERIFY(build(rig, side, cellSize, coordinatePicture(side, cellSize)));
        PictureBox *cell = rig.board.Picture1(element);
        QCOMPARE(testpictures::coordinateOf(rendered(cell).pixel(0, 0)), source);

        const int w = int(std::lround(cellSize / 15));
        const QImage &image = cell->image();
        const QSize mask = rig.board.Mask().size();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPoint from = source + QPoint(x, y);
                const bool copied =
                    x < w && y < w && from.x() < mask.width() && from.y() < mask.height();
                if (copied)
                    QCOMPARE(testpictures::coordinateOf(image.pixel(x, y)), from);
                else
                    QCOMPARE(image.pixel(x, y), scrollBar());
            }
        }
    }

    void countersStartEachRowAfterTheLastColumn_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("cell 1") << 1 << 0 << 0;
        QTest::newRow("cell 2: column advances") << 2 << 1 << 0;
        QTest::newRow("cell 3: column advances") << 3 << 2 << 0;
        QTest::newRow("cell 4: next row after cell 3") << 4 << 0 << 1;
        QTest::newRow("cell 5: column advances") << 5 << 1 << 1;
        QTest::newRow("cell 6: column advances") << 6 << 2 << 1;
        QTest::newRow("cell 7: next row after cell 6") << 7 << 0 << 2;
        QTest::newRow("cell 8") << 8 << 1 << 2;
        QTest::newRow("cell 9") << 9 << 2 << 2;
    }

    void countersStartEachRowAfterTheLastColumn()
    {
        QFETCH(int, cell);
        QFETCH(int, column);
        QFETCH(int, row);
        Rig rig;
        QVERIFY(build(rig, 3, 495, coordinatePicture(3, 495)));
        const QImage image = rendered(rig.board.Picture1(cell - 1));
        QCOMPARE(testpictures::coordinateOf(image.pixel(0, 0)), QPoint(33 * column, 33 * row));
        QCOMPARE(testpictures::coordinateOf(image.pixel(32, 32)),
                 QPoint(33 * column + 32, 33 * row + 32));
    }

    void reversedCellsShowButtonFace_data()
    {
        QTest::addColumn<bool>("whole");
        QTest::newRow("whole picture") << true;
        QTest::newRow("per cell") << false;
    }

    // A reversed cell loses its picture at once; turned back, it shows it again.
    void reversedCellsShowButtonFace()
    {
        QFETCH(bool, whole);
        Rig rig;
        rig.settings.whole = whole;
        const QString quadrants =
            picture(testpictures::quadrantPicture(120, 120), QStringLiteral("q.bmp"));
        QVERIFY(build(rig, 3, 495, quadrants));
        engine::GameState &g = engine::game();
        g.CellState(2) = false;
        g.CellState(5) = false;
        rig.board.DrawBoard();
        for (int element : {1, 4}) {
            const QImage image = rendered(rig.board.Picture1(element));
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    QCOMPARE(image.pixel(x, y), buttonFace());
            }
        }
        for (int element : {0, 2, 3, 5, 6, 7, 8})
            QVERIFY(rendered(rig.board.Picture1(element)).pixel(16, 16) != buttonFace());

        g.CellState(2) = true;
        rig.board.DrawBoard();
        // Cell 2 holds the block right of cell 1 in the whole picture: red, then green
        // beyond the middle of the picture.
        QVERIFY(near(rendered(rig.board.Picture1(1)).pixel(4, 4), Qt::red));
        QVERIFY(
            near(rendered(rig.board.Picture1(1)).pixel(28, 28), whole ? Qt::green : Qt::yellow));
    }

    void perCellShowsTheWholePictureInEveryCell_data()
    {
        QTest::addColumn<int>("borderStyle");
        QTest::newRow("frames off") << 0;
        QTest::newRow("frames on during a game") << 1;
    }

    // Every right-way cell shows the four quadrants, shrunk to the cell's inner area.
    void perCellShowsTheWholePictureInEveryCell()
    {
        QFETCH(int, borderStyle);
        Rig rig;
        rig.settings.whole = false;
        const QString quadrants =
            picture(testpictures::quadrantPicture(200, 160), QStringLiteral("q.jpg"));
        QVERIFY(build(rig, 3, 495, quadrants));
        rig.board.setCellBorders(borderStyle);
        rig.board.DrawBoard();
        const int inner = 33 - 2 * borderStyle;
        for (int element = 0; element < 9; ++element) {
            PictureBox *cell = rig.board.Picture1(element);
            QCOMPARE(cell->image().size(), QSize(inner, inner));
            const QImage image = rendered(cell);
            const int a = borderStyle + inner / 4;
            const int b = borderStyle + inner * 3 / 4;
            QVERIFY(near(image.pixel(a, a), Qt::red));
            QVERIFY(near(image.pixel(b, a), Qt::green));
            QVERIFY(near(image.pixel(a, b), Qt::blue));
            QVERIFY(near(image.pixel(b, b), Qt::yellow));
            // The picture reaches the inner area's edges.
            QVERIFY(near(image.pixel(borderStyle, borderStyle), Qt::red));
            QVERIFY(
                near(image.pixel(borderStyle + inner - 1, borderStyle + inner - 1), Qt::yellow));
        }
    }

    // During a game the cells have frames: the block starts at the top left of the inner
    // area and what does not fit is cut off.
    void framedCellsShowTheBlockInsideTheFrame()
    {
        Rig rig;
        QVERIFY(build(rig, 3, 495, coordinatePicture(3, 495)));
        rig.board.setCellBorders(1);
        rig.board.DrawBoard();
        PictureBox *cell = rig.board.Picture1(4);
        QCOMPARE(cell->size(), QSize(33, 33));
        QCOMPARE(cell->image().size(), QSize(31, 31));
        const QImage image = rendered(cell);
        QCOMPARE(testpictures::coordinateOf(image.pixel(1, 1)), QPoint(33, 33));
        QCOMPARE(testpictures::coordinateOf(image.pixel(31, 31)), QPoint(63, 63));
        QCOMPARE(rig.board.firstCellBorderStyle(), 1);
    }

    // Mended: the per-cell method decoded the file on every redraw and failed once the
    // file was gone. It now draws from what the build decoded.
    void perCellDrawsAfterThePictureFileIsGone()
    {
        Rig rig;
        MessageRecorder messages;
        rig.settings.whole = false;
        const QString path =
            picture(testpictures::quadrantPicture(90, 90), QStringLiteral("gone-soon.gif"));
        QVERIFY(build(rig, 4, 495, path));
        QVERIFY(QFile::remove(path));
        engine::game().CellState(6) = false;
        rig.board.DrawBoard();
        const QImage image = rendered(rig.board.Picture1(0));
        QVERIFY(near(image.pixel(8, 8), Qt::red));
        QVERIFY(near(image.pixel(24, 24), Qt::yellow));
        QCOMPARE(rendered(rig.board.Picture1(5)).pixel(16, 16), buttonFace());
        QVERIFY(messages.asked.isEmpty());
    }

    void noPictureChosenAsksForOne()
    {
        Rig rig;
        MessageRecorder messages;
        engine::game().ImagePath.clear();
        engine::game().MsgAnswer = 0;
        const BoardSnapshot before = snapshot(rig);
        QVERIFY(!rig.board.BuildBoard());
        QCOMPARE(messages.asked.size(), 1);
        QCOMPARE(messages.asked.front().prompt, QString::fromUtf8(engine::text::NoPicture));
        QCOMPARE(messages.asked.front().style, 0);
        QCOMPARE(messages.asked.front().title, QString::fromUtf8(engine::text::LoadErrorTitle));
        QCOMPARE(int(engine::game().MsgAnswer), platform::MsgBoxAnswer::Ok);
        QCOMPARE(rig.settings.hides, 0);
        compareSnapshots(snapshot(rig), before);
    }

    void unreadablePictureLeavesTheBoardAsItWas_data()
    {
        QTest::addColumn<Broken>("kind");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing file") << Broken::Missing << QStringLiteral("gone.bmp");
        QTest::newRow("zero bytes") << Broken::ZeroBytes << QStringLiteral("empty.bmp");
        QTest::newRow("text named .jpg") << Broken::TextNamedJpeg << QStringLiteral("notes.jpg");
        QTest::newRow("truncated JPEG") << Broken::TruncatedJpeg << QStringLiteral("half.jpg");
        QTest::newRow("GIF claiming 65535 x 65535")
            << Broken::GifClaimingHugeSize << QStringLiteral("huge.gif");
    }

    // Mended: such a picture ended the program with a half-built board. Now it is
    // decoded before anything changes; the player is told which file and why.
    void unreadablePictureLeavesTheBoardAsItWas()
    {
        QFETCH(Broken, kind);
        QFETCH(QString, fileName);
        Rig rig;
        QVERIFY(build(rig, 4, 495, coordinatePicture(4, 495)));
        engine::GameState &g = engine::game();
        g.CellState(3) = false;
        rig.board.setCellBorders(1);
        rig.board.DrawBoard();
        g.BoardActive = true;
        const BoardSnapshot before = snapshot(rig);
        const int hides = rig.settings.hides;

        const QString path = m_dir.filePath(fileName);
        testpictures::writeBroken(kind, path);
        rig.settings.side = 6;
        g.ImagePath = path.toStdString();
        MessageRecorder messages;
        QVERIFY(!rig.board.BuildBoard());

        compareSnapshots(snapshot(rig), before);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(rig.settings.hides, hides);
        QCOMPARE(messages.asked.size(), 1);
        const platform::MessageBoxRequest &message = messages.asked.front();
        QVERIFY2(message.prompt.contains(fileName), qPrintable(message.prompt));
        QVERIFY2(message.prompt.split(QStringLiteral("\r\n")).size() >= 3,
                 qPrintable(message.prompt));
        QCOMPARE(message.style, 48);
        QCOMPARE(message.title, QString::fromUtf8(engine::text::LoadErrorTitle));
    }

    void unreadablePictureOnTheFirstBuildBuildsNothing()
    {
        Rig rig;
        MessageRecorder messages;
        const QString path = m_dir.filePath(QStringLiteral("first.jpg"));
        testpictures::writeBroken(Broken::TextNamedJpeg, path);
        QVERIFY(!build(rig, 5, 495, path));
        QCOMPARE(rig.board.cellControls(), 1);
        QVERIFY(rig.board.Picture1(0)->isHidden());
        QCOMPARE(int(engine::game().CellCount), 0);
        QVERIFY(engine::game().CellState.empty());
        QVERIFY(rig.board.Mask().isNull());
        QCOMPARE(rig.host.width, 0.0);
        QCOMPARE(messages.asked.size(), 1);
        rig.board.DrawBoard(); // still nothing to draw
    }
};

// The three suites of this executable.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        BoardTest boardTest;
        status |= QTest::qExec(&boardTest, argc, argv);
    }
    status |= runBackgroundTests(argc, argv);
    status |= runForm5Tests(argc, argv);
    return status;
}

#include "test_board.moc"
