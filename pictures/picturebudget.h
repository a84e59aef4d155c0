#pragma once

// How much memory decoding a picture will take, decided from its header alone, and
// the budget a single load must stay within whatever the file claims.

#include <QSize>

#include "pictureheader.h"

namespace pictures {

// The most a load may raise the program's peak memory by.
constexpr qint64 PictureLoadBudgetBytes = qint64(256) << 20;
// What decoders need besides the images counted below: libraries, tables, row buffers.
constexpr qint64 DecoderWorkingBytes = qint64(16) << 20;

struct DecodePlan
{
    QSize decoded;        // the image the decoder builds before any scaling
    QSize result;         // the picture handed back
    qint64 peakBytes = 0; // the most held at once, the decoder's working memory aside
    bool fits() const { return peakBytes + DecoderWorkingBytes <= PictureLoadBudgetBytes; }
};

// The plan for decoding the picture to target (its own size when target is not valid).
// The one place that decides sizes: a JPEG is decoded at the smallest M/8 of its size
// that still covers the target, every other format at full size and then scaled.
DecodePlan planDecode(const PictureHeader &header, const QSize &target);

} // namespace pictures
