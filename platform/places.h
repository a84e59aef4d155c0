#pragma once

// The places the game setting dialog's drive list offers: the places a person knows
// pictures to be in, not the raw mount table. First the home folder and the desktop's
// Pictures folder, named as the desktop names them; then the mounted volumes that hold
// files (removable media included), named by their label where they have one; then the
// root folder. Pseudo and system file systems (/proc, /sys, /dev/shm, /run, snaps,
// bind-mounted files) are left out.

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// One line of the mount table.
struct MountedVolume
{
    QString root;              // where it is mounted
    QByteArray fileSystemType; // "ext4", "vfat", "tmpfs", "proc", ...
    QByteArray device;         // "/dev/sdb1", "server:/share", "tmpfs", ...
    QString label;             // "" when it has none
};

struct Place
{
    QString path;
    QString name; // what the list shows
    enum class Kind { Home, Pictures, Volume, Root } kind;
};

// The folders a volume may be mounted on that are there for the system, not for files
// of a person's own, are judged here, and so are the file systems that hold no files.
QList<Place> placesToOffer(const QList<MountedVolume> &volumes, const QString &home,
                           const QString &pictures);

// The mount table of this computer: mounted folders only (a bind-mounted file is left
// out), with their labels.
QList<MountedVolume> mountedVolumes();

} // namespace platform
