#pragma once

// The board on the main window: the cell control array Picture1 (element i shows
// cell i + 1), the hidden picture buffer Mask, and the procedures that build and
// draw it. The board reads its settings and fits its window through two small
// interfaces that the windows implement.

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>

#include <vector>

class QWidget;

namespace platform {
class PictureBox;
}

namespace board {

// What the board reads from the game setting dialog.
class BoardSettings
{
public:
    virtual ~BoardSettings() = default;
    virtual int gridSide() = 0;      // the grid-size scroll bar, 3..10
    virtual bool wholePicture() = 0; // true: "全体表示"; false: the per-cell method
    virtual void hideSettings() = 0; // hides the game setting dialog
};

// The main window as the board needs it. Lengths in twips; "outer" sizes are the
// window's Width and Height as the game sets them.
class BoardHost
{
public:
    virtual ~BoardHost() = default;
    virtual QWidget *cellParent() = 0; // the client area the cells live on
    virtual void setOuterHeight(double twips) = 0;
    virtual void setOuterWidth(double twips) = 0;
    virtual double outerWidth() = 0;
    // The window has been fitted to a new board.
    virtual void windowFitted() {}
};

// Where a control that the game places with Left and Top in twips lies on the main
// window's client area, in pixels. The cells and the task label share this mapping, so
// the label keeps its distance from the grid.
QPoint clientPixel(double left, double top);

// The cells of a board in whole pixels: every cell is `pitch` pixels, Picture1(0)'s
// size snapped to whole pixels, so the cells tile edge to edge and Mask, which holds
// one pitch of picture per cell, is exactly as large as the grid. Element i sits at
// origin + block(i) on the client area, and block(i) is also where its piece of the
// picture starts in Mask.
struct CellGrid
{
    int columns = 0; // and as many rows
    QSize pitch;
    QPoint origin; // element 0's top-left corner on the client area

    QSize size() const { return {columns * pitch.width(), columns * pitch.height()}; }
    QPoint block(int index) const
    {
        return {index % columns * pitch.width(), index / columns * pitch.height()};
    }

    // Mask in device pixels, at `ratio` of them per pixel: enough to cover the grid
    // wherever it lies on the window.
    QSize deviceSize(qreal ratio) const;
    // Where block(index) lies in Mask's device pixels when the grid's origin lies at
    // `onSurface` on its window's surface: the block's edges rounded there, counted from
    // the origin's device pixel. These are the very pixels Qt gives the cell, so the
    // cells show Mask edge to edge, without a seam, also where a cell is 49.5 device
    // pixels wide.
    QRect deviceBlock(int index, qreal ratio, const QPoint &onSurface) const;
};

class Board : public QObject
{
    Q_OBJECT

public:
    Board(BoardHost &host, BoardSettings &settings, QObject *parent = nullptr);
    ~Board() override;

    // Builds a fresh board for ImagePath, CellSize and the dialog's grid side: decodes
    // the picture first; when there is no picture or it cannot be decoded, tells the
    // player and changes nothing (returns false). Otherwise hides the dialog, makes
    // N x N cells all the right way, fits the main window, fills Mask and draws.
    bool BuildBoard();

    // Redraws every cell from CellState with the chosen display method.
    void DrawBoard();

    // Picture1(index); element 0 is the template and always exists.
    platform::PictureBox *Picture1(int index) const;
    int cellControls() const { return static_cast<int>(m_cells.size()); }

    void setCellBorders(int borderStyle);
    int firstCellBorderStyle() const;

    // Picture1(0)'s size in twips: the pitch of the cells (the option dialog sets it).
    void setTemplateCellSize(double width, double height);
    double templateCellWidth() const;
    double templateCellHeight() const;

    // The hidden buffer: the picture stretched over N x N cells, in device pixels.
    const QImage &Mask() const { return m_mask; }

    // Where the cells of the last build lie.
    const CellGrid &grid() const { return m_grid; }

signals:
    // A cell was clicked: Picture1_Click(index).
    void cellClicked(int index);
    // Every cell has been drawn anew; a fresh board has been built.
    void drawn();
    void built();

private:
    // Picture1(0)'s Left, Top, Width and Height in twips, as the game set them.
    struct TemplatePlace
    {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
    };

    platform::PictureBox *newCell(int index);
    void placeTemplate(double left, double top);
    void retireCell(platform::PictureBox *cell);
    void fitPicturesToRatio();
    void drawWholePicture();
    void drawPictureInEveryCell();
    const QImage &cellPicture(const QSize &innerSize);

    BoardHost &m_host;
    BoardSettings &m_settings;
    std::vector<platform::PictureBox *> m_cells; // owned by m_host.cellParent()
    TemplatePlace m_template;
    CellGrid m_grid;
    QImage m_mask;
    // The picture as decoded for Mask, transparency and all, which the per-cell method
    // paints over each cell. Both carry the device pixel ratio they were made for.
    QImage m_picture;
    // The complete picture shrunk to a cell's inner area, per inner size in device
    // pixels (with and without frames), made once and reused by every redraw.
    std::vector<QImage> m_cellPictures;
    // Clicks of cells being delivered right now: a cell whose click is on the
    // stack must outlive it.
    int m_clicksInFlight = 0;
};

} // namespace board
