// Every hostile picture of the corpus, tried at every place the game loads a picture:
// the preview of the game setting dialog (the file listed, then swapped for the hostile
// one before the click), the board build in both display methods, the preview
// repainted by "GameSetting", and "backgland.gif" in the four windows that paint it.
// Each must end in a message naming the file (or, for the background, the built-in
// picture), never a hang or a crash, and leave the game as it was. A FIFO proves "no
// hang" by the test finishing at all. The bombs' loads are measured in a child process
// against the memory budget.

#include <QAction>
#include <QBuffer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "badpictures.h"
#include "background.h"
#include "benchsupport.h"
#include "board.h"
#include "events.h"
#include "filelists.h"
#include "form1.h"
#include "form2.h"
#include "forms.h"
#include "gamestate.h"
#include "picture.h"
#include "picturebox.h"
#include "scrollbar.h"
#include "seedpictures.h"
#include "startup.h"
#include "ui/messagescript.h"

using engine::game;

namespace {

struct BoardSnapshot
{
    int cellCount;
    int gridCols;
    int controls;
    std::vector<bool> states;
    QSize window;
    QImage mask;
    std::string imagePath;
    bool active;

    static BoardSnapshot take()
    {
        board::Board &board = ui::form1().board();
        BoardSnapshot s{
            game().CellCount,   game().GridCols, board.cellControls(), {},
            ui::form1().size(), board.Mask(),    game().ImagePath,     game().BoardActive};
        for (int i = 1; i <= game().CellCount; ++i)
            s.states.push_back(game().CellState(i));
        return s;
    }
    bool operator==(const BoardSnapshot &) const = default;
};

} // namespace

class CorpusTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    const QList<BadPicture> m_corpus = badpictures::all();
    QString m_good;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // Clears a path of whatever an earlier row left there, a folder included.
    static void clear(const QString &at)
    {
        const QFileInfo info(at);
        if (info.isDir() && !info.isSymLink())
            QDir(at).removeRecursively();
        else
            QFile::remove(at);
    }

    // Makes the row's hostile file at a path where a good picture may lie now.
    static void makeAt(const BadPicture &bad, const QString &at)
    {
        clear(at);
        QVERIFY2(bad.make(at), qPrintable(at));
    }

    static bool namesFile(const MessageScript &script, const QString &file)
    {
        for (const auto &request : script.asked) {
            if (request.prompt.contains(file) && request.style == 48)
                return true;
        }
        return false;
    }

    static bool reportedAnError(const MessageScript &script)
    {
        for (const auto &request : script.asked) {
            if (request.style == 16)
                return true;
        }
        return false;
    }

    void addCorpusRows(bool onlyMeasured = false)
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < m_corpus.size(); ++i) {
            if (!onlyMeasured || m_corpus[i].budgetMb > 0)
                QTest::newRow(qPrintable(m_corpus[i].description)) << i;
        }
    }

    void chooseGoodPicture(const QString &name)
    {
        ui::Form2 &dialog = ui::form2();
        dialog.Dir1->setPath(m_folder.path());
        dialog.File1->clickFile(name);
        QCOMPARE(dialog.SelectedPath, path(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_good = path(QStringLiteral("good.jpg"));
        QVERIFY(QImage(QStringLiteral(":/pictures/sample.jpg")).save(m_good));
    }

    void init()
    {
        ui::destroyForms();
        engine::resetGame();
        platform::resetProgramEnding();
        engine::Main();
        ui::form1().show();
    }

    void cleanupTestCase() { ui::destroyForms(); }

    // The checks that refuse hostile files must still take every picture the game
    // ships and every format and variant it reads, told by content: all are named .bmp.
    void wholePicturesStillLoad_data()
    {
        QTest::addColumn<QByteArray>("content");
        for (const char *name :
             {"backgland.gif", "ok.gif", "cancel.gif", "title.gif", "sample.jpg", "tovik2.ico"}) {
            QFile resource(QStringLiteral(":/pictures/") + QLatin1String(name));
            QVERIFY(resource.open(QIODevice::ReadOnly));
            QTest::newRow(name) << resource.readAll();
        }
        for (const seeds::SeedPicture &seed : seeds::seedPictures())
            QTest::newRow(qPrintable(seed.name)) << seed.bytes;
    }
    void wholePicturesStillLoad()
    {
        QFETCH(QByteArray, content);
        const QString copy = path(QStringLiteral("copy.bmp"));
        QVERIFY(badpictures::bytes(content)(copy));
        for (const QSize &size : {QSize(), QSize(33, 20)}) {
            const platform::LoadedPicture picture = platform::LoadPicture(copy, size);
            QVERIFY2(picture.ok(), qPrintable(picture.reason));
            QCOMPARE(picture.image.size(), size.isValid() ? size : picture.originalSize);
        }
    }

    void loaderGivesTheReason_data() { addCorpusRows(); }
    void loaderGivesTheReason()
    {
        QFETCH(int, row);
        const BadPicture &bad = m_corpus[row];
        const QString at = path(bad.name);
        makeAt(bad, at);
        for (const QSize &size : {QSize(), QSize(660, 660)}) {
            const platform::LoadedPicture picture = platform::LoadPicture(at, size);
            QVERIFY(picture.image.isNull());
            QVERIFY2(picture.reason.contains(bad.reason), qPrintable(picture.reason));
        }
    }

    // The file was listed as a picture, then something else took its place.
    void previewRefusesTheFileAndKeepsThePreviousChoice_data() { addCorpusRows(); }
    void previewRefusesTheFileAndKeepsThePreviousChoice()
    {
        QFETCH(int, row);
        MessageScript script;
        const QString chosen = path(QStringLiteral("chosen.jpg"));
        clear(chosen);
        QVERIFY(QFile::copy(m_good, chosen));
        chooseGoodPicture(QStringLiteral("good.jpg"));
        ui::Form2 &dialog = ui::form2();
        const QImage preview = dialog.Picture1->image().copy();
        makeAt(m_corpus[row], chosen);

        dialog.File1->clickFile(QStringLiteral("chosen.jpg"));

        QVERIFY2(namesFile(script, QStringLiteral("chosen.jpg")),
                 qPrintable(script.prompts().join(QLatin1Char('|'))));
        QVERIFY(!reportedAnError(script));
        QVERIFY(!platform::programEnding());
        QCOMPARE(dialog.SelectedPath, m_good);
        QCOMPARE(dialog.Picture1->image(), preview);
    }

    void buildRefusesTheFileAndKeepsTheBoard_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("wholePicture");
        for (int i = 0; i < m_corpus.size(); ++i) {
            const QByteArray name = m_corpus[i].description.toUtf8();
            QTest::addRow("%s, whole picture", name.constData()) << i << true;
            QTest::addRow("%s, per cell", name.constData()) << i << false;
        }
    }
    void buildRefusesTheFileAndKeepsTheBoard()
    {
        QFETCH(int, row);
        QFETCH(bool, wholePicture);
        const BadPicture &bad = m_corpus[row];
        MessageScript script;
        chooseGoodPicture(QStringLiteral("good.jpg"));
        ui::form2().VScroll1->setValue(4);
        ui::form2().Image1_Click();
        QCOMPARE(int(game().CellCount), 16);
        (wholePicture ? ui::form2().Option4 : ui::form2().Option5)->setChecked(true);
        const BoardSnapshot before = BoardSnapshot::take();
        makeAt(bad, path(bad.name));

        // The file went bad after it was chosen: OK must not build from it.
        ui::form2().SelectedPath = path(bad.name);
        ui::form2().VScroll1->setValue(6);
        ui::form2().Image1_Click();

        QVERIFY2(namesFile(script, bad.name), qPrintable(script.prompts().join(QLatin1Char('|'))));
        QVERIFY(!reportedAnError(script));
        QVERIFY(BoardSnapshot::take() == before);
        ui::form1().board().DrawBoard(); // the old board still draws from its own picture
    }

    void gameSettingWithABadPictureInUseShowsTheDialog_data() { addCorpusRows(); }
    void gameSettingWithABadPictureInUseShowsTheDialog()
    {
        QFETCH(int, row);
        MessageScript script;
        const QString inUse = path(QStringLiteral("in-use.jpg"));
        clear(inUse);
        QVERIFY(QFile::copy(m_good, inUse));
        chooseGoodPicture(QStringLiteral("in-use.jpg"));
        ui::form2().Image1_Click();
        QCOMPARE(game().ImagePath, inUse.toStdString());

        makeAt(m_corpus[row], inUse);
        ui::form1().arrange_Click();

        QVERIFY(!reportedAnError(script));
        QVERIFY(!platform::programEnding());
        QVERIFY(ui::form2().isVisible());
        QCOMPARE(int(game().CellCount), 25); // the board stays as it was
    }

    void badBackgroundFallsBackToTheBuiltInPicture_data() { addCorpusRows(); }
    void badBackgroundFallsBackToTheBuiltInPicture()
    {
        QFETCH(int, row);
        QTemporaryDir here;
        makeAt(m_corpus[row], here.filePath(QStringLiteral("backgland.gif")));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        MessageScript script;

        const QImage picture = board::backgroundPicture(QSize(400, 300));
        ui::destroyForms();
        engine::Main();
        ui::form1().show(); // its load paints the background and the title
        ui::form2();        // the dialogs paint it when they are created
        ui::form1().Option_Click();
        ui::form1().about_Click();
        QDir::setCurrent(previous);

        QCOMPARE(picture, platform::LoadPicture(QStringLiteral(":/pictures/backgland.gif")).image);
        QVERIFY(script.asked.isEmpty());
        QVERIFY(!platform::programEnding());
    }

    // A large "backgland.gif" is held no larger than the largest area it was painted
    // over, and decoded afresh only for a larger one.
    void backgroundIsKeptNoLargerThanItIsPainted()
    {
        QTemporaryDir here;
        QVERIFY(bench::testPicture(3000, 2000)
                    .save(here.filePath(QStringLiteral("backgland.gif")), "png"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        const QImage small = board::backgroundPicture(QSize(300, 200));
        const QImage smaller = board::backgroundPicture(QSize(100, 250));
        const QImage large = board::backgroundPicture(QSize(800, 600));
        QDir::setCurrent(previous);
        QCOMPARE(small.size(), QSize(300, 200));
        QCOMPARE(smaller.size(), QSize(300, 250));
        QCOMPARE(large.size(), QSize(800, 600));
    }

    // Each load, in a process of its own, at the picture's own size and at the board's.
    void bombsStayWithinTheMemoryBudget_data() { addCorpusRows(true); }
    void bombsStayWithinTheMemoryBudget()
    {
        QFETCH(int, row);
        const BadPicture &bad = m_corpus[row];
        const QString at = path(bad.name);
        makeAt(bad, at);
        for (const QSize &size : {QSize(0, 0), QSize(660, 660)}) {
            const bench::Figures figures =
                bench::runCase({at, QString::number(size.width()), QString::number(size.height())});
            QVERIFY(!figures.isEmpty());
            QCOMPARE(figures.value(QStringLiteral("loaded")), 0.0);
            QVERIFY2(figures.value(QStringLiteral("peak_mb")) <= bad.budgetMb,
                     qPrintable(QString::number(figures.value(QStringLiteral("peak_mb")))));
        }
    }
};

// Started again as "--case PATH WIDTH HEIGHT", the program measures one load and
// reports its figures to the test that started it.
int main(int argc, char **argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--case") == 0) {
        QCoreApplication app(argc, argv);
        const QSize size(atoi(argv[3]), atoi(argv[4]));
        bench::report(bench::measurePictureLoad(QString::fromLocal8Bit(argv[2]), size));
        return 0;
    }
    QApplication app(argc, argv);
    CorpusTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_corpus.moc"
