#pragma once

// Opening a picture file so that nothing can hang the game: the file is opened
// without blocking, and only what turns out to be a regular file is read. A FIFO
// would block the open (and every read) until some other program writes to it; a
// device never ends. The type is told by the very descriptor that was opened, so
// nothing can be swapped in between.

#include "picturerefusal.h"

#include <optional>

class QFile;

namespace pictures {

// Opens path for reading into file, which must not be open yet. Built-in pictures
// (":/...") open as they are. Returns why the file cannot be read, or nothing.
std::optional<Refusal> openPictureFile(const QString &path, QFile &file);

} // namespace pictures
