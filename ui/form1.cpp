#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPalette>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>

#include "form1.h"

#include "background.h"
#include "events.h"
#include "fonts.h"
#include "form2.h"
#include "form3.h"
#include "form6.h"
#include "forms.h"
#include "gameannouncer.h"
#include "gamestate.h"
#include "hint.h"
#include "label.h"
#include "layoutpictures.h"
#include "menubarline.h"
#include "messagebox.h"
#include "movelimit.h"
#include "picturebox.h"
#include "placement.h"
#include "playmodes.h"
#include "scrollbar.h"
#include "twips.h"
#include "web.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace ui {
namespace {

// The client area as laid out, before the first board fits the window to its grid.
constexpr double ClientWidth = 3105;
constexpr double ClientHeight = 2310;

// The board reads the grid side and the display method from the game setting
// dialog, which is created (hidden) the first time the board asks.
class DialogSettings : public board::BoardSettings
{
public:
    int gridSide() override { return form2().gridSide(); }
    bool wholePicture() override { return form2().wholePicture(); }
    void hideSettings() override { form2().hideSettings(); }
};

DialogSettings &dialogSettings()
{
    static DialogSettings settings;
    return settings;
}

QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = {})
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setShortcut(shortcut);
    return item;
}

// The height the main window's layout gives the menu bar at a given window width.
int menuBarHeight(QMenuBar *bar, int width)
{
    const int height = bar->heightForWidth(width);
    return height > 0 ? height : bar->sizeHint().height();
}

// The one local file a drag carries; "" when it carries anything else (several files,
// a web address, text).
QString draggedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

// A menu command runs as an event handler: a run-time error in it is reported and
// ends the program instead of escaping into Qt.
void onTriggered(QAction *item, QObject *context, std::function<void()> handler)
{
    QObject::connect(item, &QAction::triggered, context,
                     [handler = std::move(handler)] { platform::guarded(handler); });
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tovik2"));
    setWindowIcon(platform::layoutIcon(QStringLiteral(":/pictures/tovik2.ico")));
    // No maximise button: the board decides the window's size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_client = new platform::PictureBox(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setBackColor(platform::ScrollBarColor);
    m_client->setFont(platform::layoutFont(QStringLiteral("ＭＳ 明朝"), 9));
    setCentralWidget(m_client);
    setAcceptDrops(true);

    QMenu *file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("file"));
    arrange = addItem(file, "arrange", tr("GameSetting"), QKeySequence(Qt::Key_F1));
    play = addItem(file, "play", tr("NormalMode"), QKeySequence(Qt::Key_F2));
    pazzl = addItem(file, "pazzl", tr("PazzlMode"), QKeySequence(Qt::Key_F3));
    file->addSeparator()->setObjectName(QStringLiteral("senn"));
    END = addItem(file, "END", tr("EndGmae"), QKeySequence(Qt::Key_F4));
    QMenu *tools = menuBar()->addMenu(tr("Tools"));
    tools->setObjectName(QStringLiteral("tools"));
    Option = addItem(tools, "Option", tr("Option"));
    hint = addItem(tools, "hint", tr("Hint"), QKeySequence(Qt::Key_F5));
    boardState = addItem(tools, "boardState", tr("Board state"), QKeySequence(Qt::Key_F6));
    QMenu *help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("help"));
    web = addItem(help, "web", tr("Web page"));
    about = addItem(help, "about", tr("About..."));
    new platform::MenuBarLine(menuBar());
    // F10 puts the keyboard in the menu bar, as Alt does.
    auto *f10 = new QAction(this);
    f10->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(f10);
    connect(f10, &QAction::triggered, this, &Form1::openMenuBar);
    // Playing and the options need a board: the game setting dialog's OK enables them.
    play->setEnabled(false);
    pazzl->setEnabled(false);
    Option->setEnabled(false);
    // A hint is offered while a game outside puzzle mode takes clicks; the item follows
    // the game whenever a handler has run, and before the menu opens.
    hint->setEnabled(false);
    const auto offerHint = [this] { hint->setEnabled(engine::HintAvailable()); };
    connect(&platform::handlerEvents(), &platform::HandlerEvents::settled, this, offerHint);
    connect(tools, &QMenu::aboutToShow, this, offerHint);

    onTriggered(arrange, this, [this] { arrange_Click(); });
    onTriggered(play, this, [] { engine::play_Click(); });
    onTriggered(pazzl, this, [] { engine::pazzl_Click(); });
    onTriggered(END, this, [this] { END_Click(); });
    onTriggered(Option, this, [this] { Option_Click(); });
    onTriggered(web, this, [this] { web_Click(); });
    onTriggered(about, this, [this] { about_Click(); });
    onTriggered(hint, this, [this] { hint_Click(); });
    onTriggered(boardState, this, [this] { boardState_Click(); });

    // The layout also holds a second progress bar and a second hidden picture box
    // with no behaviour attached; the progress window and Mask do their work, so
    // neither is created.
    m_board = new board::Board(*this, dialogSettings(), this);
    // The cursor hears of a cell's click before the game handles it.
    m_cursor = new board::BoardCursor(*m_board, m_client);
    m_client->setAccessibleName(tr("Board"));
    // The announcer too.
    m_announcer = new GameAnnouncer(m_client, *m_board);
    connect(m_board, &board::Board::cellClicked, this,
            [](int index) { platform::guarded([index] { engine::Picture1_Click(index); }); });

    // Placed like the cells, so it keeps the layout's distance from the grid.
    Label1 = new platform::Label(m_client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(QRect(board::clientPixel(1560, 120),
                              QSize(platform::toPixels(2415), platform::toPixels(1455))));
    Label1->setCaption(QStringLiteral("Label1"));
    Label1->setFont(platform::layoutFont(QStringLiteral("ＭＳ ゴシック"), 11.25, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(white);
    Label1->setAutoFillBackground(true);
    Label1->hide();

    const int clientWidth = platform::toPixels(ClientWidth);
    setFixedSize(clientWidth,
                 platform::toPixels(ClientHeight) + menuBarHeight(menuBar(), clientWidth));
}

Form1::~Form1()
{
    // The board goes before the client surface its cells sit on, so it never refers
    // to cells that are already destroyed.
    delete m_board;
    m_board = nullptr;
}

QWidget *Form1::cellParent()
{
    return m_client;
}

// The game's Width and Height are the window's outer size in twips: here the size of
// the QMainWindow itself, menu bar and client together, times 15 twips per pixel.
// The window manager's frame is not part of it; the game never sees it.
double Form1::Width() const
{
    return platform::toTwips(width());
}

double Form1::Height() const
{
    return platform::toTwips(height());
}

// The player cannot resize the window: the board fits it to the grid. The window is
// kept at least as wide as its whole menu bar, and as high as Qt's layout needs, so a
// smaller request comes back larger and Width() or Height() then reports the size the
// window really has. It keeps its place unless the new size would take it over the
// edge of the screen; then it moves just far enough to be wholly on the screen.
void Form1::setWidth(double twips)
{
    const int narrowest = std::max(minimumSizeHint().width(), menuBar()->sizeHint().width());
    setFixedWidth(std::max(platform::toPixels(twips), narrowest));
    if (isVisible())
        platform::keepOnScreen(*this);
}

void Form1::setHeight(double twips)
{
    setFixedHeight(std::max(platform::toPixels(twips), minimumSizeHint().height()));
    if (isVisible())
        platform::keepOnScreen(*this);
}

// A new board changes the window's size; the background is stretched over the new
// client area so no bare strip shows below or beside the cells. The title stays
// away until puzzle mode paints it into its strip.
void Form1::windowFitted()
{
    if (m_loaded)
        board::DrawBackground(*m_client);
}

void Form1::backward()
{
    board::DrawBackground(*m_client);
    m_client->setAutoRedraw(true);
    m_client->setFont(platform::layoutFont(QStringLiteral("Times New Roman"), 24, true, true));
    m_client->setForeColor(0x777777);

    const QString title = QStringLiteral("TOVIK2");
    const double w = m_client->TextWidth(title);
    const double h = m_client->TextHeight(title);
    const double px = platform::TwipsPerPixelX;
    const double py = platform::TwipsPerPixelY;
    const double scaleWidth = m_client->ScaleWidth();
    const double scaleHeight = m_client->ScaleHeight();
    // In puzzle mode the title sits in the bottom-right corner, in the strip beside
    // the board; otherwise it is centred. The blue text lies 4 pixels up and left of
    // its grey shadow.
    const bool corner = engine::game().GameMode == engine::Mode::Puzzle;
    if (corner) {
        m_client->CurrentX = scaleWidth - w;
        m_client->CurrentY = scaleHeight - h;
    } else {
        m_client->CurrentX = (scaleWidth - w) / 2 + 4 * px;
        m_client->CurrentY = (scaleHeight - h) / 2 + 4 * py;
    }
    m_client->Print(title);

    m_client->setForeColor(0xFF0000);
    if (corner) {
        m_client->CurrentX = scaleWidth - w - 4 * px;
        m_client->CurrentY = scaleHeight - h - 4 * py;
    } else {
        m_client->CurrentX = (scaleWidth - w) / 2;
        m_client->CurrentY = (scaleHeight - h) / 2;
    }
    m_client->Print(title);
    m_client->setAutoRedraw(false);
    m_client->update();
}

void Form1::arrange_Click()
{
    leaveModeForSettings();
    // While a creation or replay runs the dialog stays shut, but the mode is reset.
    if (engine::BoardTakesCommands()) {
        form2().show();
        form2().raise();
    }
    const engine::GameState &g = engine::game();
    if (!g.ImagePath.empty()) {
        // The picture may have been deleted or damaged since it was chosen: the
        // dialog then opens with an empty preview instead of ending the program.
        Form2 &dialog = form2();
        if (!dialog.showPreview(QString::fromStdString(g.ImagePath)))
            dialog.Picture1->Cls();
    }
}

// Puzzle mode's strip and task label go; no mode is running afterwards.
void Form1::leaveModeForSettings()
{
    engine::GameState &g = engine::game();
    if (g.GameMode == engine::Mode::Puzzle) {
        setWidth(Width() - engine::PuzzleStripWidth);
        Label1->hide();
    }
    g.PuzzleMoves = 2;
    g.GameMode = engine::Mode::None;
}

// The file is checked before anything changes, so a refused picture leaves the mode,
// the board and the dialog as they were. The dialog is not shown on the way: its OK
// would hide it again at once.
void Form1::openPicture(const QString &path)
{
    if (!engine::BoardTakesCommands() || !form2().acceptsPicture(path))
        return;
    leaveModeForSettings();
    form2().chooseAndConfirm(path);
}

void Form1::unlockModeCommands()
{
    play->setEnabled(true);
    pazzl->setEnabled(true);
    Option->setEnabled(true);
}

void Form1::usePicture(const QString &path)
{
    engine::GameState &g = engine::game();
    const std::string previous = g.ImagePath;
    g.ImagePath = path.toStdString();
    if (!board().BuildBoard())
        g.ImagePath = previous;
}

void Form1::useCellSize(int twips)
{
    board().setTemplateCellSize(twips, twips);
}

// Without a picture the build names what is missing; the settings stay stored.
void Form1::rebuildForNewSettings()
{
    if (engine::game().BoardActive || board().Picture1(0)->borderStyle() == 0)
        board().BuildBoard();
}

void Form1::openPictureLater(const QString &path)
{
    QTimer::singleShot(0, this,
                       [this, path] { platform::guarded([this, path] { openPicture(path); }); });
}

void Form1::END_Click()
{
    engine::GameState &g = engine::game();
    g.MsgAnswer = platform::MsgBox(tr("終了しますか？"), platform::MsgBoxStyle::YesNo, tr("終了"));
    if (g.MsgAnswer == platform::MsgBoxAnswer::Yes)
        close(); // Form_Unload ends the program
}

void Form1::Option_Click()
{
    Form6 &dialog = form6();
    dialog.show();
    dialog.raise();
    dialog.VScroll1->setMax(990);
    dialog.VScroll1->setMin(495);
    dialog.VScroll1->setValue(qRound(board().templateCellWidth()));
    const engine::GameState &g = engine::game();
    for (int i = 0; i <= 8; ++i)
        dialog.Picture2[i]->setBackColor(g.FlipRule(i) ? platform::Red : platform::White);
}

void Form1::web_Click()
{
    engine::GameState &g = engine::game();
    g.MsgAnswer = platform::MsgBox(tr("Wendrixのホームページへ行きますが\r\nよろしいですか？"),
                                   platform::MsgBoxStyle::YesNo, tr("確認"));
    if (g.MsgAnswer == platform::MsgBoxAnswer::Yes)
        platform::openWebAddress(QUrl(QStringLiteral("https://wendrix.example.org/")));
}

void Form1::about_Click()
{
    Form3 &window = form3();
    window.show();
    window.raise();
    window.activateWindow();
}

// Points the keyboard cursor, highlighted, at a cell of a shortest solution, the one
// nearest to where the cursor is. It clicks nothing: Space then flips that cell.
void Form1::hint_Click()
{
    const std::optional<int> cell = engine::HintCell(m_cursor->position() + 1);
    if (!cell)
        return;
    m_cursor->showAt(*cell - 1, true);
    m_client->setFocus(Qt::OtherFocusReason);
    m_announcer->sayHint(*cell - 1);
}

void Form1::boardState_Click()
{
    m_announcer->sayBoardState();
}

// F10 does what Alt does: the menu bar takes the keyboard with File highlighted, the
// arrow keys walk File, Tools and Help, and Down or Return opens the highlighted menu.
// Qt enters this mode only on an Alt press and release, so F10 hands it one. Opening a
// menu with setActiveAction instead leaves the focus on the board: each step to the next
// menu hands it back there for a moment, and a screen reader follows it. Where the style
// has no Alt navigation, F10 opens the File menu.
void Form1::openMenuBar()
{
    QMenuBar *bar = menuBar();
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(focus, &override);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &release);
    if (!bar->activeAction() && !bar->actions().isEmpty())
        bar->setActiveAction(bar->actions().first());
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    // Centred with its frame, as far as the window system has told us about it.
    if (const QScreen *where = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
        platform::keepOnScreen(*this);
    }
    platform::guarded([this] { Form_Load(); });
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

// One file can be dropped whenever the board takes commands.
void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!draggedFile(event->mimeData()).isEmpty() && engine::BoardTakesCommands())
        event->acceptProposedAction();
}

// The file manager waits until the drop is taken; the picture opens afterwards, so a
// message about it does not hold the file manager up.
void Form1::dropEvent(QDropEvent *event)
{
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty() || !engine::BoardTakesCommands())
        return;
    event->acceptProposedAction();
    openPictureLater(path);
}

void Form1::Form_Load()
{
    backward();
}

// Whatever asked the main window to close, the program ends with it: every window
// goes and no handler runs after this one.
void Form1::Form_Unload()
{
    platform::endProgram(0);
}

} // namespace ui
