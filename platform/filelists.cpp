#include "filelists.h"

#include "messagebox.h"
#include "places.h"
#include "runtimeerror.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QStyle>

#include <algorithm>

namespace platform {
namespace {

constexpr int PathRole = Qt::UserRole;

bool lessIgnoringCase(const QString &a, const QString &b)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

QString absoluteCleanPath(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

// Whether folder lies inside root (or is root), on whole path components.
bool holds(const QString &root, const QString &folder)
{
    if (root == QLatin1String("/") || folder == root)
        return true;
    return folder.startsWith(root + QLatin1Char('/'));
}

bool canList(const QFileInfo &info)
{
    return info.exists() && info.isDir() && info.isReadable() && info.isExecutable();
}

// The desktop's icon for a place where its theme has one; otherwise the style's, which
// for a drive is a single picture of 16 pixels: doubled pixel for pixel, it stays sharp
// on a screen of two device pixels a pixel instead of being blurred.
QIcon placeIcon(Place::Kind kind, const QStyle &style)
{
    const char *themeName = kind == Place::Kind::Home       ? "user-home"
                            : kind == Place::Kind::Pictures ? "folder-pictures"
                                                            : "drive-harddisk";
    if (QIcon::hasThemeIcon(QLatin1String(themeName)))
        return QIcon::fromTheme(QLatin1String(themeName));
    QIcon icon = style.standardIcon(kind == Place::Kind::Home       ? QStyle::SP_DirHomeIcon
                                    : kind == Place::Kind::Pictures ? QStyle::SP_DirIcon
                                                                    : QStyle::SP_DriveHDIcon);
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.size() == 1) {
        const QPixmap single = icon.pixmap(sizes.front());
        icon.addPixmap(
            single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return icon;
}

} // namespace

// --- DriveListBox ---------------------------------------------------------------

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QString chosen = itemData(index, PathRole).toString();
        if (index < 0 || chosen == m_drive)
            return;
        m_drive = chosen;
        emit Change();
    });
    // Like the directory list, the drive list starts where the program was started.
    setDrive(QDir::currentPath());
}

QString DriveListBox::drive() const
{
    return m_drive;
}

void DriveListBox::setDrive(const QString &path)
{
    const QString folder = absoluteCleanPath(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i, PathRole).toString();
        if (holds(root, folder) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0)
        setCurrentIndex(best); // emits Change through currentIndexChanged when it moved
}

void DriveListBox::refresh()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QList<Place> places =
        placesToOffer(mountedVolumes(), QDir::homePath(),
                      QFileInfo(pictures).isDir() ? absoluteCleanPath(pictures) : QString());

    const QString previous = m_drive;
    {
        const QSignalBlocker blocker(this);
        clear();
        for (const Place &place : places)
            addItem(placeIcon(place.kind, *style()), place.name, place.path);
        int index = findData(previous, PathRole);
        if (index < 0)
            index = findData(QStringLiteral("/"), PathRole);
        setCurrentIndex(index < 0 && count() > 0 ? 0 : index);
    }
    m_drive = itemData(currentIndex(), PathRole).toString();
    // A volume that went away leaves the list on another one.
    if (!previous.isEmpty() && m_drive != previous)
        emit Change();
}

// --- DirListBox -----------------------------------------------------------------

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent), m_path(QDir::currentPath())
{
    m_path = absoluteCleanPath(m_path);
    fill();
    connect(this, &QListWidget::itemActivated, this, &DirListBox::openItem);
}

void DirListBox::setPath(const QString &path)
{
    const QString folder = absoluteCleanPath(path);
    if (!canList(QFileInfo(folder)))
        throw RuntimeError(ErrorNumber::FileNotFound, folder.toStdString());
    if (folder == m_path)
        return;
    m_path = folder;
    fill();
    emit Change();
}

// The current folder's ancestors from the root down, each indented one step more,
// the current folder highlighted, then its subfolders.
void DirListBox::fill()
{
    clear();
    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString indentStep = QStringLiteral("  ");
    int depth = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(openIcon, indentStep.repeated(depth) + name, this);
        item->setData(Qt::AccessibleTextRole, name); // a screen reader reads no indentation
        item->setData(PathRole, folder);
        item->setToolTip(folder);
        current = item;
        ++depth;
    }

    QFileInfoList subfolders =
        QDir(m_path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(subfolders.begin(), subfolders.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return lessIgnoringCase(a.fileName(), b.fileName());
    });
    for (const QFileInfo &subfolder : subfolders) {
        auto *item = new QListWidgetItem(closedIcon,
                                         indentStep.repeated(depth) + subfolder.fileName(), this);
        item->setData(Qt::AccessibleTextRole, subfolder.fileName());
        item->setData(PathRole, absoluteCleanPath(subfolder.absoluteFilePath()));
        item->setToolTip(item->data(PathRole).toString());
    }

    setCurrentItem(current);
    scrollToItem(current);
}

void DirListBox::openItem(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString folder = item->data(PathRole).toString();
    try {
        setPath(folder);
    } catch (const RuntimeError &) {
        // The player chose a folder that cannot be opened; the list stays as it was.
        MsgBox(tr("フォルダーを開けません。") + QStringLiteral("\r\n") + folder,
               MsgBoxStyle::Exclamation, window()->windowTitle());
    }
}

// --- FileListBox ----------------------------------------------------------------

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent), m_pattern(QStringLiteral("*.*")), m_path(QDir::currentPath())
{
    m_path = absoluteCleanPath(m_path);
    setSelectionMode(QAbstractItemView::SingleSelection);
    fill();
    // A file chosen with the mouse or the arrow keys is a click on it.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_updating || fileName().isEmpty())
            return;
        m_clickedBySelection = true;
        emit Click();
    });
}

// A press on the file that is already selected changes no selection, yet it is a click
// on that file all the same: the dialog shows it again.
void FileListBox::mousePressEvent(QMouseEvent *event)
{
    m_clickedBySelection = false;
    QListWidget::mousePressEvent(event);
    const QListWidgetItem *pressed = itemAt(event->position().toPoint());
    if (!m_clickedBySelection && event->button() == Qt::LeftButton && pressed &&
        pressed == currentItem() && !fileName().isEmpty())
        emit Click();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    fill();
}

void FileListBox::setPath(const QString &path)
{
    m_path = absoluteCleanPath(path);
    fill();
}

QString FileListBox::fileName() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileListBox::clickFile(const QString &name)
{
    const QList<QListWidgetItem *> found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    m_updating = true;
    setCurrentItem(found.first());
    m_updating = false;
    scrollToItem(found.first());
    emit Click();
}

void FileListBox::fill()
{
    m_updating = true;
    clear();
    QStringList filters;
    for (const QString &part : m_pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wildcard = part.trimmed();
        // "*.*" has always meant every file, with or without a dot in its name.
        if (!wildcard.isEmpty())
            filters.append(wildcard == QLatin1String("*.*") ? QStringLiteral("*") : wildcard);
    }
    if (filters.isEmpty())
        filters.append(QStringLiteral("*"));

    // Name filters match whatever the letter case, so "*.jpg" finds IMG_0001.JPG.
    QStringList names = QDir(m_path).entryList(filters, QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    addItems(names);
    m_updating = false;
}

} // namespace platform
