#pragma once

// Why a picture is refused, in the game's own words and in the language the game
// speaks. Every reason the player can be given is one of these; the words for all of
// them are in picturerefusal.cpp, never the image library's or the system's.

#include <QSize>
#include <QString>

namespace pictures {

enum class Refusal {
    NotFound,           // no such file
    LinkLoop,           // a symbolic link that leads back to itself
    NotAllowed,         // the user may not read it
    CannotOpen,         // any other reason the system gives for not opening it
    Folder,             // a folder
    NotRegularFile,     // a FIFO, a device, a socket
    NotPictureName,     // a name the file list would not show (names: the patterns)
    Empty,              // zero bytes
    FileTooLarge,       // more bytes than any picture the game accepts (megabytes)
    UnknownFormat,      // not one of the five formats the game reads
    Damaged,            // a header that makes no sense
    CutOff,             // the file ends inside the picture
    TooLittleData,      // less data than the size in the header needs (size)
    AbsurdSize,         // a size in the header no picture has (size)
    ImpossibleBitCount, // a number of bits per pixel no picture of its format has (bits)
    TooLargeToDecode,   // decoding would need more memory than allowed (size, megabytes)
    CannotRead,         // reading the file failed
    Undecodable,        // the decoder gave up on the data
    OutOfMemory,        // no memory left to hold the decoded picture
    Unreadable,         // not a picture the game can read, for no reason more precise
};

// What some reasons name: the picture's size, memory or file size in megabytes, or
// the file names the game reads.
struct RefusalDetails
{
    QSize size;
    qint64 megabytes = 0;
    QString names;
    int bitsPerPixel = 0;
};

QString refusalText(Refusal reason, const RefusalDetails &details = RefusalDetails());
inline QString refusalText(Refusal reason, const QSize &size, qint64 megabytes = 0)
{
    return refusalText(reason, RefusalDetails{size, megabytes, QString()});
}

// The message that names a picture the game could not load: a heading, the file's path
// and, when there is one, the reason, on lines of their own.
QString refusalPrompt(const QString &path, const QString &reason);

} // namespace pictures
