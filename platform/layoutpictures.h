#pragma once

// The pictures of the layouts (the game icon, the OK and Cancel spheres, the splash
// picture, the background) come in two densities: the file the layout names, for a
// screen of one device pixel per pixel, and beside it "name@2x.png", with twice the
// pixels each way, for denser screens.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace platform {

// The file of a picture's dense version: ":/pictures/ok.gif" gives ":/pictures/ok@2x.png".
QString denseVersion(const QString &path);

// The picture for a device pixel ratio: the file itself at a ratio of 1, its dense
// version, with a device pixel ratio of 2, above it (or the file itself when there is no
// dense version).
QPixmap layoutPixmap(const QString &path, qreal ratio);

// Both versions in one icon, from which Qt takes the one that suits the screen.
QIcon layoutIcon(const QString &path);

} // namespace platform
