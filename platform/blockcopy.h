#pragma once

// BitBlt with SRCCOPY: copies a block of pixels from one surface to another,
// clipped to both.

class QImage;

namespace platform {

void BitBlt(QImage &destination, int x, int y, int width, int height, const QImage &source,
            int sourceX, int sourceY);

} // namespace platform
