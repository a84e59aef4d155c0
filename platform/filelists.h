#pragma once

// The drive, directory and file lists of the game setting dialog, on this desktop:
// the drive list offers the places where pictures are kept (see places.h), the
// directory list the current folder with its ancestors and subfolders, the file list
// the files matching a pattern such as "*.bmp;*.ico;*.gif;*.jpg", whatever the letter
// case of the names.

#include <QComboBox>
#include <QListWidget>

namespace platform {

class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    // The folder of the chosen place ("/home/ann", "/media/ann/CAMERA" or "/").
    QString drive() const;
    // Chooses the place nearest above the path; emits Change when that is another one.
    void setDrive(const QString &path);
    // Reads the places and the mounted volumes again.
    void refresh();

signals:
    void Change();

private:
    QString m_drive;
};

class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Moves to a folder; throws RuntimeError(FileNotFound) when it cannot be read.
    // Emits Change when the folder is another one.
    void setPath(const QString &path);

signals:
    void Change();

private:
    void fill();
    void openItem(QListWidgetItem *item);

    QString m_path;
};

class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }
    void setPath(const QString &path);
    QString path() const { return m_path; }
    // The name of the selected file, "" when none.
    QString fileName() const;
    // Selects a file by name, as a click would, and emits Click.
    void clickFile(const QString &name);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void fill();

    QString m_pattern;
    QString m_path;
    bool m_updating = false;           // the list is changed by the program, not the player
    bool m_clickedBySelection = false; // the selection changed under the press
};

} // namespace platform
