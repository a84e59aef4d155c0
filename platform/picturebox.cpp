#include "picturebox.h"

#include "blockcopy.h"
#include "devicepixels.h"
#include "messagebox.h"
#include "twips.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace platform {
namespace {

// The surface is always opaque: every pixel is the back colour or something drawn.
constexpr QImage::Format SurfaceFormat = QImage::Format_RGB32;

QStringList printedLines(const QString &text)
{
    return displayText(text).split(QLatin1Char('\n'));
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    // paintEvent covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImageToInnerArea();
}

void PictureBox::setBackColor(ColorValue value)
{
    m_backColor = value;
    image().fill(toQColor(value));
    update();
}

void PictureBox::setBorderStyle(int style)
{
    const int normalized = style == 0 ? 0 : 1;
    if (normalized == m_borderStyle)
        return;
    m_borderStyle = normalized;
    fitImageToInnerArea();
    update();
}

void PictureBox::Cls()
{
    image().fill(toQColor(m_backColor));
    CurrentX = 0;
    CurrentY = 0;
    update();
}

void PictureBox::PaintPicture(const QImage &picture, double x, double y, double width,
                              double height)
{
    if (picture.isNull() || image().isNull())
        return;
    // The edges are rounded rather than the sizes, so pictures painted side by side
    // meet without a gap. A negative width or height mirrors the picture into the
    // rectangle that extends to the left of or above (x, y).
    const int x1 = toPixels(x);
    const int y1 = toPixels(y);
    const int x2 = toPixels(x + width);
    const int y2 = toPixels(y + height);
    const QRect area(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    const QRect target = imageRect(area);
    if (area.isEmpty() || target.isEmpty())
        return;
    // Into the image's own pixels: a picture decoded at the size of its place there is
    // copied pixel for pixel.
    QPainter painter(&m_image);
    switchToDevicePixels(painter);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage drawn =
        width < 0 || height < 0 ? picture.mirrored(width < 0, height < 0) : picture;
    painter.drawImage(QRectF(target), drawn, QRectF(drawn.rect()));
    update();
}

void PictureBox::Print(const QString &text)
{
    const QFontMetrics metrics(font());
    const QStringList lines = printedLines(text);
    if (!image().isNull()) {
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(toQColor(m_foreColor));
        double top = CurrentY;
        for (const QString &line : lines) {
            // CurrentX/CurrentY name the top-left corner of the text cell.
            painter.drawText(
                QPointF(CurrentX / TwipsPerPixelX, top / TwipsPerPixelY + metrics.ascent()), line);
            top += toTwips(metrics.lineSpacing());
        }
        update();
    }
    CurrentX = 0;
    CurrentY += toTwips(metrics.lineSpacing() * static_cast<int>(lines.size()));
}

double PictureBox::TextWidth(const QString &text) const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString &line : printedLines(text))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return toTwips(widest);
}

double PictureBox::TextHeight(const QString &text) const
{
    const QFontMetrics metrics(font());
    return toTwips(metrics.lineSpacing() * static_cast<int>(printedLines(text).size()));
}

double PictureBox::ScaleWidth() const
{
    return toTwips(innerRect().width());
}

double PictureBox::ScaleHeight() const
{
    return toTwips(innerRect().height());
}

// In device pixels, so the image shows unscaled. The frame is what lies between the
// box's rounded edges and its inner area's. The image was made for where the box lies
// on its window; where it is painted elsewhere (a grab of the box alone) and rounds to
// a pixel more, that pixel shows the back colour.
void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QTransform toDevice = switchToDevicePixels(painter);
    const QRect inner = deviceRect(toDevice, innerRect());
    if (m_borderStyle == 1)
        painter.fillRect(deviceRect(toDevice, rect()), palette().color(QPalette::Shadow));
    const QImage &picture = image();
    const QRect covered = QRect(inner.topLeft(), picture.size()) & inner;
    if (covered != inner)
        painter.fillRect(inner, toQColor(m_backColor));
    if (!covered.isEmpty())
        painter.drawImage(covered, picture, covered.translated(-inner.topLeft()));
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    fitImageToInnerArea();
    QWidget::resizeEvent(event);
}

void PictureBox::showEvent(QShowEvent *event)
{
    fitImageToInnerArea();
    QWidget::showEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (!m_click.takePress(event))
        QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const std::optional<bool> click = m_click.takeRelease(event, rect());
    if (!click)
        QWidget::mouseReleaseEvent(event);
    else if (*click)
        emit clicked();
}

QRect PictureBox::innerRect() const
{
    const int frame = m_borderStyle == 1 ? 1 : 0;
    return QRect(frame, frame, std::max(0, width() - 2 * frame), std::max(0, height() - 2 * frame));
}

// The inner area's edges rounded on the window's surface, counted from its top-left
// corner's device pixel: the very pixels Qt lets the box paint there.
QRect PictureBox::imageRect(const QRect &inner) const
{
    const qreal ratio = devicePixelRatioF();
    const QPoint origin = surfacePosition(*this, innerRect().topLeft());
    return deviceRect(inner.translated(origin), ratio).translated(-devicePoint(origin, ratio));
}

void PictureBox::fitImageToInnerArea() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = imageRect(QRect(QPoint(), innerRect().size())).size();
    if (m_image.size() == size && m_image.devicePixelRatio() == ratio)
        return;
    if (size.isEmpty()) {
        m_image = QImage();
        return;
    }
    // The new area shows the back colour. At the same ratio what was drawn stays at the
    // top left pixel for pixel; at another it is scaled to the same logical place.
    QImage fitted(size, SurfaceFormat);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(toQColor(m_backColor));
    if (!m_image.isNull() && m_image.devicePixelRatio() == ratio) {
        BitBlt(fitted, 0, 0, m_image.width(), m_image.height(), m_image, 0, 0);
    } else if (!m_image.isNull()) {
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(), m_image.deviceIndependentSize()), m_image);
    }
    m_image = fitted;
}

} // namespace platform
