// Every broken picture of the corpus, tried at every place the game loads a picture:
// the preview of the game setting dialog, the board build in both display methods,
// the preview repainted by "GameSetting", and the background "backgland.gif". Each
// must end in a clear message (or, for the background, the built-in picture), never
// a crash, and leave the game as it was.

#include <QAction>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "badpictures.h"
#include "background.h"
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
    QList<BadPicture> m_corpus;
    QString m_good;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // A running game on a 4 x 4 board of a good picture.
    void startWithGoodBoard()
    {
        ui::form2().Dir1->setPath(m_folder.path());
        ui::form2().File1->clickFile(QStringLiteral("good.jpg"));
        QCOMPARE(ui::form2().SelectedPath, m_good);
        ui::form2().VScroll1->setValue(4);
        ui::form2().Image1_Click();
        QCOMPARE(int(game().CellCount), 16);
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

    void addCorpusRows()
    {
        QTest::addColumn<QString>("name");
        for (const BadPicture &picture : m_corpus)
            QTest::newRow(qPrintable(picture.description)) << picture.name;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_corpus = badpictures::write(QDir(m_folder.path()));
        QCOMPARE(m_corpus.size(), 7);
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

    // The checks that refuse cut-off files must still take every picture the game ships.
    void wholePicturesStillLoad_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"backgland.gif", "ok.gif", "cancel.gif", "title.gif", "sample.jpg", "tovik2.ico"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void wholePicturesStillLoad()
    {
        QFETCH(QString, name);
        const QString copy = path(QStringLiteral("copy-") + name);
        QFile::remove(copy);
        QVERIFY(QFile::copy(QStringLiteral(":/pictures/") + name, copy));
        const platform::LoadedPicture picture = platform::LoadPicture(copy);
        QVERIFY2(picture.ok(), qPrintable(picture.reason));
    }

    void previewRefusesTheFileAndKeepsThePreviousChoice_data() { addCorpusRows(); }
    void previewRefusesTheFileAndKeepsThePreviousChoice()
    {
        QFETCH(QString, name);
        MessageScript script;
        ui::Form2 &dialog = ui::form2();
        dialog.Dir1->setPath(m_folder.path());
        dialog.File1->clickFile(QStringLiteral("good.jpg"));
        const QImage preview = dialog.Picture1->image().copy();

        dialog.File1->clickFile(name);

        QVERIFY2(namesFile(script, name), qPrintable(script.prompts().join(QLatin1Char('|'))));
        QVERIFY(!reportedAnError(script));
        QVERIFY(!platform::programEnding());
        QCOMPARE(dialog.SelectedPath, m_good);
        QCOMPARE(dialog.Picture1->image(), preview);
    }

    void buildRefusesTheFileAndKeepsTheBoard_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("wholePicture");
        for (const BadPicture &picture : m_corpus) {
            QTest::addRow("%s, whole picture", qPrintable(picture.description))
                << picture.name << true;
            QTest::addRow("%s, per cell", qPrintable(picture.description)) << picture.name << false;
        }
    }
    void buildRefusesTheFileAndKeepsTheBoard()
    {
        QFETCH(QString, name);
        QFETCH(bool, wholePicture);
        MessageScript script;
        startWithGoodBoard();
        (wholePicture ? ui::form2().Option4 : ui::form2().Option5)->setChecked(true);
        const BoardSnapshot before = BoardSnapshot::take();

        // The file went bad after it was chosen: OK must not build from it.
        ui::form2().SelectedPath = path(name);
        ui::form2().VScroll1->setValue(6);
        ui::form2().Image1_Click();

        QVERIFY2(namesFile(script, name), qPrintable(script.prompts().join(QLatin1Char('|'))));
        QVERIFY(!reportedAnError(script));
        QVERIFY(BoardSnapshot::take() == before);
        ui::form1().board().DrawBoard(); // the old board still draws from its own picture
    }

    void gameSettingWithABadPictureInUseShowsTheDialog_data() { addCorpusRows(); }
    void gameSettingWithABadPictureInUseShowsTheDialog()
    {
        QFETCH(QString, name);
        MessageScript script;
        const QString inUse = path(QStringLiteral("in-use.jpg"));
        QFile::remove(inUse);
        QVERIFY(QFile::copy(m_good, inUse));
        ui::form2().Dir1->setPath(m_folder.path());
        ui::form2().File1->clickFile(QStringLiteral("in-use.jpg"));
        ui::form2().Image1_Click();
        QCOMPARE(game().ImagePath, inUse.toStdString());

        QFile::remove(inUse);
        QVERIFY(QFile::copy(path(name), inUse));
        ui::form1().arrange_Click();

        QVERIFY(!reportedAnError(script));
        QVERIFY(!platform::programEnding());
        QVERIFY(ui::form2().isVisible());
        QCOMPARE(int(game().CellCount), 25); // the board stays as it was
    }

    void badBackgroundFallsBackToTheBuiltInPicture_data() { addCorpusRows(); }
    void badBackgroundFallsBackToTheBuiltInPicture()
    {
        QFETCH(QString, name);
        QTemporaryDir here;
        QVERIFY(QFile::copy(path(name), here.filePath(QStringLiteral("backgland.gif"))));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        MessageScript script;

        const QImage picture = board::backgroundPicture();
        ui::destroyForms();
        engine::Main();
        ui::form1().show(); // its load paints the background and the title
        ui::form2();        // the dialogs paint it when they are created
        ui::form1().Option_Click();
        ui::form1().about_Click();
        QDir::setCurrent(previous);

        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QImage(QStringLiteral(":/pictures/backgland.gif")).size());
        QVERIFY(script.asked.isEmpty());
        QVERIFY(!platform::programEnding());
    }
};

QTEST_MAIN(CorpusTest)
#include "test_corpus.moc"
