#pragma once

// What a picture file says about itself before a single pixel is decoded: its format,
// told by its content and never by its name, the size of the image the decoder will
// build, and what else the decoder will hold in memory meanwhile. Reading it walks the
// file's structure with bounded reads, to the end for the formats whose decoder would
// take a cut-off file for a whole one.

#include <QSize>
#include <QtGlobal>

class QIODevice;

namespace pictures {

// The formats the game decodes; every other content is Unknown, whatever its name.
enum class PictureFormat { Unknown, Bmp, Ico, Gif, Jpeg, Png };

// Qt's name of the format's decoder: "bmp", "ico", "gif", "jpeg" or "png".
const char *decoderName(PictureFormat format);

struct PictureHeader
{
    enum class Flaw {
        None,
        Unreadable,    // the header does not say what a decoder needs (no size, no such coding)
        CutOff,        // the data stops before the picture's end
        TooLittleData, // the data cannot hold the picture the header claims
        BadBitCount,   // bits per pixel that no picture of the format has
    };

    PictureFormat format = PictureFormat::Unknown;
    Flaw flaw = Flaw::None;
    QSize size;                       // of the image the decoder builds at full scale
    int bitsPerPixel = 32;            // of that image: 1, 8, 32 or 64
    bool plainRgb32 = false;          // that image is opaque 32-bit pixels, scaled as it is
    bool scalesWhileDecoding = false; // decoded straight at M/8 of its size (JPEG)
    bool scalesAfterDecoding = false; // Qt scales it wrongly: decoded whole, then scaled
    int fileBitsPerPixel = 0;         // as the header gives them (BMP), for the refusal
    qint64 wholeImageBytes = 0;       // held for the whole picture whatever the output size
    qint64 extraBytes = 0;            // copies of data and metadata the decoder keeps
};

// Reads the header of the picture on device, which is open and random access; the
// device's position is left anywhere.
PictureHeader readPictureHeader(QIODevice &device);

} // namespace pictures
