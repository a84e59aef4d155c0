// Every hostile picture at every place the game loads one: a message naming file and reason
// (or the built-in background), the game as it was; bombs measured in a child process.

#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "badpictures.h"
#include "background.h"
#include "benchsupport.h"
#include "filelists.h"
#include "picture.h"
#include "seedpictures.h"
#include "ui/gamedriver.h"
#include "ui/messagescript.h"

using engine::game;

namespace {

// What a refused picture must leave as it was.
auto boardState()
{
    const board::Board &board = ui::form1().board();
    return std::tuple{gamedriver::entries(game().CellState),
                      int(game().GridCols),
                      board.cellControls(),
                      ui::form1().size(),
                      board.Mask(),
                      game().ImagePath,
                      game().BoardActive};
}

} // namespace

class CorpusTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    const QList<BadPicture> m_corpus = badpictures::all();
    QString m_good;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // Makes a file at a path, clearing whatever an earlier row left there, a folder included.
    static bool makeAt(const std::function<bool(const QString &)> &make, const QString &at)
    {
        const QFileInfo info(at);
        if (info.isDir() && !info.isSymLink())
            QDir(at).removeRecursively();
        else
            QFile::remove(at);
        return make(at);
    }

    // The player was warned with the file's name and the loader's reason.
    static bool warnedOf(const MessageScript &script, const QString &file, const QString &reason)
    {
        return std::any_of(script.asked.begin(), script.asked.end(), [&](const auto &request) {
            return request.style == 48 && request.prompt.contains(file) &&
                   request.prompt.contains(reason);
        });
    }

    // A row per hostile file (only those measured, if asked), and per place where given.
    void addCorpusRows(bool onlyMeasured, const QStringList &places = {QString()})
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("place");
        for (int i = 0; i < m_corpus.size(); ++i) {
            for (const QString &place : places) {
                if (!onlyMeasured || m_corpus[i].budgetMb > 0)
                    QTest::addRow("%s%s%s", qPrintable(m_corpus[i].description),
                                  place.isEmpty() ? "" : ", ", qPrintable(place))
                        << i << place;
            }
        }
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
        gamedriver::startFreshGame();
        ui::form1().show();
    }

    void cleanupTestCase() { ui::destroyForms(); }

    // Every picture the game ships and every variant it reads still loads, told by content.
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
            const pictures::LoadedPicture picture = pictures::LoadPicture(copy, size);
            QVERIFY2(picture.ok(), qPrintable(picture.reason));
            QCOMPARE(picture.image.size(), size.isValid() ? size : picture.originalSize);
        }
    }

    // A good picture builds a 4 x 4 board; then the hostile file replaces the one listed
    // (the preview's click), the one chosen (OK's build) or the one in use ("GameSetting").
    void everyPlaceRefusesTheFileAndKeepsTheGame_data()
    {
        addCorpusRows(false, {"preview", "whole picture", "per cell", "game setting"});
    }
    void everyPlaceRefusesTheFileAndKeepsTheGame()
    {
        QFETCH(int, row);
        QFETCH(QString, place);
        const BadPicture &bad = m_corpus[row];
        const bool inUse = place == "game setting";
        const QString at = path(bad.name);
        QVERIFY(makeAt([this](const QString &to) { return QFile::copy(m_good, to); }, at));
        MessageScript script;
        ui::Form2 &dialog = ui::form2();
        dialog.Dir1->setPath(m_folder.path());
        dialog.File1->clickFile(inUse ? bad.name : QStringLiteral("good.jpg"));
        dialog.VScroll1->setValue(4);
        dialog.Image1_Click();
        QCOMPARE(QString::fromStdString(game().ImagePath), inUse ? at : m_good);
        (place == "per cell" ? dialog.Option5 : dialog.Option4)->setChecked(true);
        const QImage preview = dialog.Picture1->image().copy();
        const auto before = boardState();
        QVERIFY(makeAt(bad.make, at));

        if (place == "preview") {
            dialog.File1->clickFile(bad.name);
        } else if (inUse) {
            ui::form1().arrange_Click();
        } else { // the file went bad after it was chosen: OK must not build from it
            dialog.SelectedPath = at;
            dialog.VScroll1->setValue(6);
            dialog.Image1_Click();
        }

        QVERIFY(!platform::programEnding());
        QVERIFY(boardState() == before);
        ui::form1().board().DrawBoard(); // the old board still draws from its own picture
        // The preview of the picture in use stays empty, without a word.
        QVERIFY2(inUse ? dialog.isVisible() && script.asked.isEmpty()
                       : warnedOf(script, bad.name, bad.reason),
                 qPrintable(script.prompts().join(QLatin1Char('|'))));
        if (place == "preview") {
            QCOMPARE(dialog.SelectedPath, m_good);
            QCOMPARE(dialog.Picture1->image(), preview);
        }
    }

    void badBackgroundFallsBackToTheBuiltInPicture_data() { addCorpusRows(false); }
    void badBackgroundFallsBackToTheBuiltInPicture()
    {
        QFETCH(int, row);
        QTemporaryDir here;
        QVERIFY(makeAt(m_corpus[row].make, here.filePath(QStringLiteral("backgland.gif"))));
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

        QCOMPARE(picture, pictures::LoadPicture(QStringLiteral(":/pictures/backgland.gif")).image);
        QVERIFY(script.asked.isEmpty());
        QVERIFY(!platform::programEnding());
    }

    // Each load, in a process of its own, at the picture's own size and at the board's.
    void bombsStayWithinTheMemoryBudget_data() { addCorpusRows(true); }
    void bombsStayWithinTheMemoryBudget()
    {
        QFETCH(int, row);
        const BadPicture &bad = m_corpus[row];
        const QString at = path(bad.name);
        QVERIFY(makeAt(bad.make, at));
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

// Started again as "--case PATH WIDTH HEIGHT", the program measures one load for the test.
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
