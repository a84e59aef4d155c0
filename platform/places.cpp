#include "places.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>

namespace platform {
namespace {

// File systems that hold no files of a person's own: views of the kernel, memory for
// programs, containers' layers and read-only software images.
bool pseudoFileSystem(const QByteArray &type)
{
    static const QByteArray pseudo[] = {"autofs",      "binfmt_misc",
                                        "bpf",         "cgroup",
                                        "cgroup2",     "configfs",
                                        "debugfs",     "devpts",
                                        "devtmpfs",    "efivarfs",
                                        "fusectl",     "hugetlbfs",
                                        "mqueue",      "nsfs",
                                        "overlay",     "proc",
                                        "pstore",      "ramfs",
                                        "rpc_pipefs",  "securityfs",
                                        "selinuxfs",   "squashfs",
                                        "sysfs",       "tmpfs",
                                        "tracefs",     "fuse.gvfsd-fuse",
                                        "fuse.portal", "nfsd",
                                        "none"};
    return std::find(std::begin(pseudo), std::end(pseudo), type) != std::end(pseudo);
}

// Whether folder is root or lies inside it, on whole path components.
bool within(const QString &folder, const QString &root)
{
    return folder == root || folder.startsWith(root + QLatin1Char('/'));
}

// Folders of the system: what is mounted there is for programs, not pictures. Removable
// media mounted under /run/media are a person's own.
bool systemFolder(const QString &root)
{
    if (within(root, QStringLiteral("/run/media")))
        return false;
    static const QString system[] = {
        QStringLiteral("/boot"), QStringLiteral("/dev"),  QStringLiteral("/efi"),
        QStringLiteral("/etc"),  QStringLiteral("/proc"), QStringLiteral("/run"),
        QStringLiteral("/snap"), QStringLiteral("/sys"),  QStringLiteral("/tmp"),
        QStringLiteral("/usr"),  QStringLiteral("/var")};
    return std::any_of(std::begin(system), std::end(system),
                       [&root](const QString &folder) { return within(root, folder); });
}

} // namespace

QList<Place> placesToOffer(const QList<MountedVolume> &volumes, const QString &home,
                           const QString &pictures)
{
    QList<Place> places;
    if (!home.isEmpty())
        places.append(
            {home, QStandardPaths::displayName(QStandardPaths::HomeLocation), Place::Kind::Home});
    if (!pictures.isEmpty() && pictures != home)
        places.append({pictures, QStandardPaths::displayName(QStandardPaths::PicturesLocation),
                       Place::Kind::Pictures});

    const QString rootFolder = QDir::rootPath();
    QList<Place> found;
    for (const MountedVolume &volume : volumes) {
        const QString root = QDir::cleanPath(volume.root);
        // The root folder comes last whatever; a volume that holds the home folder is
        // reached as the home folder.
        if (root == rootFolder || pseudoFileSystem(volume.fileSystemType) || systemFolder(root) ||
            (!home.isEmpty() && within(home, root)))
            continue;
        if (std::any_of(found.cbegin(), found.cend(),
                        [&root](const Place &p) { return p.path == root; }))
            continue; // mounted twice over the same folder
        found.append({root, volume.label.isEmpty() ? root : volume.label, Place::Kind::Volume});
    }
    std::sort(found.begin(), found.end(), [](const Place &a, const Place &b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.path < b.path;
    });
    places += found;
    places.append({rootFolder, rootFolder, Place::Kind::Root});
    return places;
}

QList<MountedVolume> mountedVolumes()
{
    QList<MountedVolume> volumes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        volumes.append(
            {volume.rootPath(), volume.fileSystemType(), volume.device(), volume.name()});
    }
    return volumes;
}

} // namespace platform
