#pragma once

// PictureBox: a drawing surface that keeps what is drawn on it in a persistent
// image, repainted whenever the widget needs it. Forms use it for their client area
// and the board for its cells. Lengths are in twips, as the game gives them.
//
// BackColor erases all drawing and fills the box; Cls clears to the back colour;
// PaintPicture stretches a picture into a rectangle; Print writes text at
// CurrentX/CurrentY with the box's font and ForeColor. BorderStyle 1 draws a thin
// one-pixel frame; the inner area (ScaleWidth, ScaleHeight, the image) is then one
// pixel smaller on every side.
//
// Sizes and places are logical pixels; the persistent image holds device pixels, so on
// a dense screen pictures and text keep their full detail (see devicepixels.h).

#include "clicktracker.h"
#include "colors.h"

#include <QImage>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // While true, drawing goes into the persistent image; the game switches it on
    // around background painting. Drawing always persists here, so cells repaint
    // themselves when they are uncovered.
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    bool autoRedraw() const { return m_autoRedraw; }

    void setBackColor(ColorValue value);
    ColorValue backColor() const { return m_backColor; }
    void setForeColor(ColorValue value) { m_foreColor = value; }
    ColorValue foreColor() const { return m_foreColor; }

    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }

    void Cls();
    void PaintPicture(const QImage &picture, double x, double y, double width, double height);
    void Print(const QString &text);
    double TextWidth(const QString &text) const;
    double TextHeight(const QString &text) const;
    double CurrentX = 0;
    double CurrentY = 0;

    // Inner size in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

    // The persistent image, the surface a block copy reads from or writes to (hDC):
    // the device pixels of the inner area where the box lies on its window, carrying
    // the box's device pixel ratio. Call update() after writing to it directly. It
    // always fits the inner area and the ratio, also while the box is hidden: Qt sends
    // a hidden widget no resize events, and Qt 6.4 no event when the ratio changes, so
    // the image follows them whenever it is used. What is drawn on it stays at the top
    // left when the size changes, and is scaled to its place when the ratio does.
    QImage &image()
    {
        fitImageToInnerArea();
        return m_image;
    }
    const QImage &image() const
    {
        fitImageToInnerArea();
        return m_image;
    }

    // The inner area in the box's own pixels: all of it, or inside the frame.
    QRect innerRect() const;
    // Where a rectangle of the inner area (logical pixels, from its top-left corner)
    // lies on image().
    QRect imageRect(const QRect &inner) const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // For a box whose double-click is one click: its second press completes none.
    void dropPendingClick() { m_click.cancel(); }

private:
    void fitImageToInnerArea() const;

    mutable QImage m_image;
    ColorValue m_backColor = WindowBackground;
    ColorValue m_foreColor = WindowText;
    int m_borderStyle = 0;
    bool m_autoRedraw = false;
    ClickTracker m_click;
};

} // namespace platform
