// Building the board (the cells on the main window, the window fitted to them and the
// picture buffer Mask) and drawing the cells in the two display methods.
//
// Where a cell sits on screen. The game places cells with Left and Top in twips,
// relative to the main window, and sizes the window through its outer Width. Here the
// outer Width is the width of the Qt client area the cells live on. The window frame
// the game was laid out for put the client area 40 twips to the right of the origin
// the cells are measured from, which is why the game sets element 0's Left to
// (W - X) / 2 - 40. So a control with the game's Left L and Top T is drawn at client
// pixel x = toPixels(L + 40), y = toPixels(T).
//
// The cells themselves are whole pixels: a cell size that is no multiple of 15 twips
// (500 is 33.3 pixels) is snapped to the nearest pixel, and that snapped size is the
// pitch of the grid, in the window and in Mask alike, so the cells meet without a seam
// at every size. The grid can then be a few pixels narrower than the window, which is
// sized from the cell size in twips; it is centred in it, as it is in a window that
// comes out wider than asked for.
//
// On a dense screen Mask and the cells' pictures are decoded and copied in device pixels,
// so the cells show the picture's own detail. A cell 33 pixels wide is 49.5 device pixels
// at a ratio of 1.5: Qt gives each cell the device pixels between its edges rounded on
// the window, 49 or 50 of them, and each copies exactly those pixels of Mask, so the
// cells still meet without a seam or a repeated column.

#include "board.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QString>

#include "blockcopy.h"
#include "colors.h"
#include "devicepixels.h"
#include "fonts.h"
#include "gamestate.h"
#include "gametext.h"
#include "messagebox.h"
#include "messages.h"
#include "picture.h"
#include "picturebox.h"
#include "picturerefusal.h"
#include "runtimeerror.h"
#include "twips.h"

namespace board {
namespace {

using platform::PictureBox;

// The client area's offset from the origin of the cells' Left (see the top).
constexpr double ClientOffsetX = 40;

// What the window needs beyond the cells' height; the narrowest window (three cells of
// at most 630 twips) needs more room for its menu bar.
constexpr double HeightAllowance = 680;
constexpr double NarrowHeightAllowance = 950;
constexpr double NarrowCellSize = 630;

// Picture1(0) as laid out: 0, 480, 495 x 495.
constexpr double TemplateLeft = 0;
constexpr double TemplateTop = 480;
constexpr double TemplateSide = 495;

const char *const CellFont = "ＭＳ Ｐゴシック";
constexpr double CellFontPoints = 9;

double cellSizeTwips()
{
    return QString::fromStdString(engine::game().CellSize).toDouble();
}

QString loadFailurePrompt(const QString &path, const QString &reason)
{
    return pictures::refusalPrompt(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()),
                                   reason);
}

// Mask as the cells copy from it: the picture stretched over the whole buffer of `size`
// device pixels, and where the picture is transparent, Mask's own back colour (system
// colour 5).
QImage maskFrom(const QImage &picture, const QSize &size, qreal ratio)
{
    QImage mask;
    // Cells of no size (the option dialog confirmed before it was ever set up) have
    // nothing to show, and there is nothing to paint on.
    if (size.isEmpty()) {
        mask = QImage();
    } else if (picture.size() == size && !picture.hasAlphaChannel()) {
        mask = picture.convertToFormat(QImage::Format_RGB32);
    } else {
        mask = QImage(size, QImage::Format_RGB32);
        mask.fill(platform::systemColor(5));
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(mask.rect()), picture, QRectF(picture.rect()));
    }
    mask.setDevicePixelRatio(ratio);
    return mask;
}

// Counts a cell's click while it is being delivered.
class InFlight
{
public:
    explicit InFlight(int &count) : m_count(count) { ++m_count; }
    ~InFlight() { --m_count; }
    InFlight(const InFlight &) = delete;
    InFlight &operator=(const InFlight &) = delete;

private:
    int &m_count;
};

} // namespace

QPoint clientPixel(double left, double top)
{
    return {platform::toPixels(left + ClientOffsetX), platform::toPixels(top)};
}

QSize CellGrid::deviceSize(qreal ratio) const
{
    return platform::deviceSizeCovering(size(), ratio);
}

QRect CellGrid::deviceBlock(int index, qreal ratio, const QPoint &onSurface) const
{
    return platform::deviceRect(QRect(onSurface + block(index), pitch), ratio)
        .translated(-platform::devicePoint(onSurface, ratio));
}

Board::Board(BoardHost &host, BoardSettings &settings, QObject *parent)
    : QObject(parent), m_host(host), m_settings(settings)
{
    PictureBox *first = newCell(0);
    first->setBackColor(platform::WindowBackground);
    first->setForeColor(platform::WindowText);
    first->setFont(platform::layoutFont(QString::fromUtf8(CellFont), CellFontPoints));
    first->setBorderStyle(0);
    m_cells.push_back(first);
    m_template.width = TemplateSide;
    m_template.height = TemplateSide;
    placeTemplate(TemplateLeft, TemplateTop);
    first->hide();
}

// The cells belong to the host's client area, which destroys them with itself.
Board::~Board() = default;

bool Board::BuildBoard()
{
    engine::GameState &g = engine::game();
    const QString loadErrorTitle = platform::gameText(engine::text::LoadErrorTitle);
    if (g.ImagePath.empty()) {
        g.MsgAnswer = platform::MsgBox(platform::gameText(engine::text::NoPicture),
                                       platform::MsgBoxStyle::OkOnly, loadErrorTitle);
        return false;
    }

    // Decode before anything changes: a picture that cannot be read leaves the
    // board, the window and the game state exactly as they were. Mask is N cells of
    // whole pixels a side, so the picture is decoded straight to that size in device
    // pixels.
    CellGrid grid;
    grid.columns = m_settings.gridSide();
    grid.pitch = QSize(platform::toPixels(m_template.width), platform::toPixels(m_template.height));
    const qreal ratio = m_host.cellParent()->devicePixelRatioF();
    const QString path = QString::fromStdString(g.ImagePath);
    pictures::LoadedPicture picture = pictures::LoadPicture(path, grid.deviceSize(ratio));
    if (!picture.ok()) {
        g.MsgAnswer = platform::MsgBox(loadFailurePrompt(path, picture.reason),
                                       platform::MsgBoxStyle::Exclamation, loadErrorTitle);
        return false;
    }
    picture.image.setDevicePixelRatio(ratio);
    QImage mask = maskFrom(picture.image, grid.deviceSize(ratio), ratio);

    m_settings.hideSettings();

    while (m_cells.size() > 1) {
        retireCell(m_cells.back());
        m_cells.pop_back();
    }

    g.GridCols = grid.columns;
    g.GridRows = grid.columns;
    g.CellCount = g.GridRows * g.GridCols;
    g.BoardActive = false;
    g.CellState.redim(1, g.CellCount);

    const double cellSize = cellSizeTwips();
    const double allowance =
        (cellSize > NarrowCellSize || g.GridRows != 3) ? HeightAllowance : NarrowHeightAllowance;
    PictureBox *first = m_cells.front();
    first->hide();
    m_host.setOuterHeight(static_cast<float>(cellSize * int(g.GridRows) + allowance));
    m_host.setOuterWidth(static_cast<float>(cellSize * int(g.GridCols)));
    m_host.windowFitted();

    const double gridWidth = platform::toTwips(grid.size().width());
    placeTemplate((m_host.outerWidth() - gridWidth) / 2 - ClientOffsetX, 0);
    grid.origin = first->pos();
    m_grid = grid;
    first->setBorderStyle(0);
    first->show();
    g.CellState(1) = true;

    for (int i = 1; i < g.CellCount; ++i) {
        PictureBox *cell = newCell(i);
        cell->setBackColor(first->backColor());
        cell->setForeColor(first->foreColor());
        cell->setFont(first->font());
        m_cells.push_back(cell);
        g.CellState(i + 1) = true;
        cell->setGeometry(QRect(grid.origin + grid.block(i), grid.pitch));
        cell->setBorderStyle(0);
        cell->show();
    }

    m_mask = std::move(mask);
    m_picture = std::move(picture.image);
    m_cellPictures.clear();
    DrawBoard();
    emit built();
    return true;
}

void Board::DrawBoard()
{
    fitPicturesToRatio();
    if (m_settings.wholePicture())
        drawWholePicture();
    else
        drawPictureInEveryCell();
    emit drawn();
}

// The main window has moved to a screen of another density since the build: Mask and
// the cells' pictures are made again at the new ratio from the picture as it was
// decoded, which may since have changed or gone.
void Board::fitPicturesToRatio()
{
    const qreal ratio = m_host.cellParent()->devicePixelRatioF();
    if (m_mask.isNull() || m_mask.devicePixelRatio() == ratio)
        return;
    m_picture.setDevicePixelRatio(ratio);
    m_mask = maskFrom(m_picture, m_grid.deviceSize(ratio), ratio);
    m_cellPictures.clear();
}

// Each right-way cell shows its own block of Mask, one pitch square at the cell's place
// in the grid.
void Board::drawWholePicture()
{
    const engine::GameState &g = engine::game();
    const qreal ratio = m_mask.devicePixelRatio();
    const QPoint onSurface = platform::surfacePosition(*m_host.cellParent(), m_grid.origin);
    for (int k = 1; k <= g.CellCount; ++k) {
        PictureBox *cell = Picture1(k - 1);
        if (g.CellState(k)) {
            cell->Cls();
            cell->setBackColor(platform::ScrollBarColor);
            const QRect block = m_grid.deviceBlock(k - 1, ratio, onSurface);
            platform::BitBlt(cell->image(), 0, 0, block.width(), block.height(), m_mask, block.x(),
                             block.y());
            cell->update();
        } else {
            cell->setBackColor(platform::ButtonFace);
        }
    }
}

// Each right-way cell is cleared to its back colour and shows the complete picture
// shrunk to its inner area; where the picture is transparent the back colour shows.
void Board::drawPictureInEveryCell()
{
    const engine::GameState &g = engine::game();
    for (int k = 1; k <= g.CellCount; ++k) {
        PictureBox *cell = Picture1(k - 1);
        if (g.CellState(k)) {
            cell->Cls();
            cell->setBackColor(platform::ScrollBarColor);
            cell->PaintPicture(cellPicture(cell->image().size()), 0, 0, cell->ScaleWidth(),
                               cell->ScaleHeight());
        } else {
            cell->setBackColor(platform::ButtonFace);
        }
    }
}

const QImage &Board::cellPicture(const QSize &innerSize)
{
    for (const QImage &picture : m_cellPictures) {
        if (picture.size() == innerSize)
            return picture;
    }
    if (m_picture.isNull() || innerSize.isEmpty()) {
        static const QImage none;
        return none;
    }
    QImage shrunk = m_picture.scaled(innerSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_cellPictures.push_back(shrunk.convertToFormat(
        shrunk.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
    return m_cellPictures.back();
}

PictureBox *Board::Picture1(int index) const
{
    if (index < 0 || index >= cellControls())
        throw platform::RuntimeError(platform::ErrorNumber::SubscriptOutOfRange);
    return m_cells[static_cast<std::size_t>(index)];
}

void Board::setCellBorders(int borderStyle)
{
    for (PictureBox *cell : m_cells)
        cell->setBorderStyle(borderStyle);
}

int Board::firstCellBorderStyle() const
{
    return m_cells.front()->borderStyle();
}

void Board::setTemplateCellSize(double width, double height)
{
    m_template.width = width;
    m_template.height = height;
    placeTemplate(m_template.left, m_template.top);
}

double Board::templateCellWidth() const
{
    return m_template.width;
}

double Board::templateCellHeight() const
{
    return m_template.height;
}

PictureBox *Board::newCell(int index)
{
    auto *cell = new PictureBox(m_host.cellParent());
    cell->hide();
    connect(cell, &PictureBox::clicked, this, [this, index] {
        InFlight inFlight(m_clicksInFlight);
        emit cellClicked(index);
    });
    return cell;
}

void Board::placeTemplate(double left, double top)
{
    m_template.left = left;
    m_template.top = top;
    m_cells.front()->setGeometry(
        QRect(clientPixel(left, top),
              QSize(platform::toPixels(m_template.width), platform::toPixels(m_template.height))));
}

// A build can run inside the click handler of one of the old cells (a command run
// while the creation loop lets events through): that cell must not be destroyed under
// its own event handler. It is then only cut off from the game and hidden, and Qt
// destroys it once the event has been delivered.
void Board::retireCell(PictureBox *cell)
{
    disconnect(cell, nullptr, this, nullptr);
    if (m_clicksInFlight > 0) {
        cell->hide();
        cell->deleteLater();
    } else {
        delete cell;
    }
}

} // namespace board
