#pragma once

// Form1, the main window "Tovik2": the menu, the board of cells on the client
// surface, the task label of puzzle mode and the title painted on the background.

#include "board.h"
#include "boardcursor.h"

#include <QMainWindow>

class QAction;

namespace platform {
class Label;
class PictureBox;
} // namespace platform

namespace ui {

class GameAnnouncer;

class Form1 : public QMainWindow, public board::BoardHost
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The client surface below the menu: persistent background, cells, Label1.
    platform::PictureBox *client() const { return m_client; }
    board::Board &board() const { return *m_board; }
    // The keyboard cursor on the board.
    board::BoardCursor &boardCursor() const { return *m_cursor; }
    // What a screen reader hears of the game.
    GameAnnouncer &announcer() const { return *m_announcer; }
    platform::Label *Label1;

    // Menu items, named as the game names them.
    QAction *arrange;    // "GameSetting", F1
    QAction *play;       // "NormalMode", F2
    QAction *pazzl;      // "PazzlMode", F3
    QAction *END;        // "EndGmae", F4
    QAction *Option;     // "Option"
    QAction *hint;       // "Hint", F5
    QAction *boardState; // "Board state", F6: has a screen reader read out the board's state
    QAction *web;        // "Web page"
    QAction *about;      // "About..."

    // Outer size in twips, as the game sets and reads it.
    double Width() const;
    double Height() const;
    void setWidth(double twips);
    void setHeight(double twips);

    // Paints the background, then the title "TOVIK2" with its shadow.
    void backward();

    // Opens a picture from outside the game, dropped on this window or named on the
    // command line: what "GameSetting", a click on the file in the dialog and OK do.
    // Refused with nothing changed while a creation runs, as OK is, and for a file the
    // dialog would refuse. openPictureLater runs it once the current handler is done.
    void openPicture(const QString &path);
    void openPictureLater(const QString &path);

    // What the game setting dialog's OK asks of the main window: open the mode commands
    // and the option dialog, then build the board for the picture at path. A build that
    // is refused (no picture, or one that cannot be decoded any more) leaves the picture
    // in use as it was.
    void unlockModeCommands();
    void usePicture(const QString &path);
    // What the option dialog's OK asks of it: cells of a new size, then a board rebuilt
    // for the stored settings while a game runs or the board is idle.
    void useCellSize(int twips);
    void rebuildForNewSettings();

    // Handlers of the menu commands.
    void arrange_Click();
    void END_Click();
    void Option_Click();
    void web_Click();
    void about_Click();
    void hint_Click();
    void boardState_Click();

    // board::BoardHost
    QWidget *cellParent() override;
    void setOuterHeight(double twips) override { setHeight(twips); }
    void setOuterWidth(double twips) override { setWidth(twips); }
    double outerWidth() override { return Width(); }
    void windowFitted() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Form_Load();
    // The part of "GameSetting" that leaves the current mode.
    void leaveModeForSettings();
    void Form_Unload();
    // F10: the menu bar takes the keyboard, as after Alt.
    void openMenuBar();

    platform::PictureBox *m_client;
    board::Board *m_board;
    board::BoardCursor *m_cursor;
    GameAnnouncer *m_announcer;
    bool m_loaded = false;
};

} // namespace ui
