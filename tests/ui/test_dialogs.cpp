// The setting and option dialogs and the About window through their real controls.

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "colors.h"
#include "filelists.h"
#include "gamedriver.h"
#include "label.h"
#include "messagescript.h"
#include "picturebutton.h"
#include "web.h"

using namespace gamedriver;
using platform::MsgBoxAnswer::Yes;

namespace {

// Whether the box shows nothing but the colour.
bool showsOnly(const platform::PictureBox *box, const QColor &colour)
{
    QImage solid(box->image().size(), QImage::Format_RGB32);
    solid.fill(colour);
    return !solid.isNull() && box->image().convertToFormat(QImage::Format_RGB32) == solid;
}

// The lowest row of the widget that holds dark (text) pixels; -1 if none.
int lastDarkRow(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < 128)
                return y;
    return -1;
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

// "GameSetting" opened at the folder; with a file name, that file clicked and OK pressed.
void chooseIn(const QString &folder, const QString &file = {})
{
    ui::form1().arrange_Click();
    ui::form2().Dir1->setPath(folder);
    if (!file.isEmpty()) {
        ui::form2().File1->clickFile(file);
        click(ui::form2().Image1);
    }
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

    MessageScript m_script;
    QTemporaryDir m_folder;
    QString m_red;

private slots:
    void init()
    {
        m_script.install();
        m_script.asked.clear();
        m_script.answers.clear();
        startFreshGame();
        QVERIFY(openMainWindow());
        m_red = writePicture(m_folder.path(), "red.bmp", Qt::red);
    }
    void cleanup()
    {
        ui::destroyForms();
        QVERIFY2(qtwarnings::take().isEmpty(), "Qt warned: see the QWARN lines above");
    }

    // The list ignores letter case; a click previews the picture; moving folder keeps it for
    // OK. Mended: a click on the file already selected did nothing, so after a Cancel the
    // preview could differ from what OK would build.
    void clickedFileIsPreviewedAndKeptForOk()
    {
        const QString sub = m_folder.path() + "/sub";
        QVERIFY(QDir(m_folder.path()).mkpath("sub"));
        const QString blue = writePicture(sub, "IMG_0001.BMP", Qt::blue);
        chooseIn(m_folder.path(), "red.bmp");
        chooseIn(sub);
        ui::Form2 &dialog = ui::form2();
        QSignalSpy clicks(dialog.File1, &platform::FileListBox::Click);
        QCOMPARE(dialog.File1->count(), 1);
        const auto clickFile = [list = dialog.File1] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
        };
        clickFile();
        QVERIFY(clicks.size() == 1 && dialog.SelectedPath == blue);
        click(dialog.Image2);
        ui::form1().arrange_Click(); // the preview shows the picture in use again
        QVERIFY(showsOnly(dialog.Picture1, Qt::red));
        clickFile();
        QVERIFY(clicks.size() == 2 && dialog.SelectedPath == blue);
        QVERIFY(showsOnly(dialog.Picture1, Qt::blue));
        dialog.Dir1->setPath(m_folder.path());
        QVERIFY(dialog.File1->path() == m_folder.path() && dialog.SelectedPath == blue);
        QVERIFY(showsOnly(dialog.Picture1, Qt::blue));
        click(dialog.Image1);
        QCOMPARE(QString::fromStdString(engine::game().ImagePath), blue);
        // One separator in the root folder too.
        QCOMPARE(ui::Form2::joinedPath("/", "a.jpg"), QStringLiteral("/a.jpg"));
    }

    // First opened: 5 a side (Label2 shows the cell count) and no picture. A grid side
    // changed before Cancel builds nothing, but the next build uses it.
    void gridSideChangedBeforeCancelServesTheNextBuild()
    {
        ui::form1().arrange_Click();
        ui::Form2 &dialog = ui::form2();
        QVERIFY(dialog.SelectedPath.isEmpty() &&
                showsOnly(dialog.Picture1, platform::systemColor(5)));
        QCOMPARE(dialog.Label2->caption(), QStringLiteral("25"));
        dialog.VScroll1->setValue(10);
        chooseIn(m_folder.path(), "red.bmp");
        ui::form1().arrange_Click();
        dialog.VScroll1->setValue(3);
        QCOMPARE(dialog.Label2->caption(), QStringLiteral("9"));
        click(dialog.Image2);
        QVERIFY(!dialog.isVisible() && ui::form1().board().cellControls() == 100);
        m_script.then(Yes);
        ui::form1().Option_Click();
        click(ui::form6().Image1);
        QCOMPARE(ui::form1().board().cellControls(), 9);
    }

    // Mended: a file in the list that is no picture after all ended the program; now the
    // player is told which file, and the previous choice and its preview stay.
    void damagedFileIsNamedAndThePreviousPictureKept()
    {
        const QString note = m_folder.path() + "/note.jpg";
        QVERIFY(QFile(note).open(QIODevice::WriteOnly) && QFile::resize(note, 100));
        chooseIn(m_folder.path());
        ui::form2().File1->clickFile("red.bmp");
        ui::form2().File1->clickFile("note.jpg");
        QCOMPARE(m_script.asked.size(), 1);
        QVERIFY(m_script.asked[0].prompt.contains("note.jpg"));
        QCOMPARE(m_script.asked[0].title, QStringLiteral("読み込みエラー"));
        QCOMPARE(ui::form2().SelectedPath, m_red);
        QVERIFY(showsOnly(ui::form2().Picture1, Qt::red));
        QVERIFY(!platform::programEnding());
    }

    // Mended: "GameSetting" repaints the preview from the picture in use, and ended the
    // program when that picture had been deleted; now the preview stays empty.
    void gameSettingWithTheDeletedPictureInUseShowsAnEmptyPreview()
    {
        chooseIn(m_folder.path(), "red.bmp");
        QVERIFY(QFile::remove(m_red));
        ui::form1().arrange_Click();
        QVERIFY(ui::form2().isVisible());
        QVERIFY(showsOnly(ui::form2().Picture1, platform::systemColor(5)));
        QVERIFY(m_script.asked.isEmpty() && !platform::programEnding());
    }

    // Rules row by row, '#' a cell that flips; fewer than two are refused. The cell size goes
    // three steps of 15 from 495; the next "Option" shows what is in force.
    void optionOkChecksTheRule_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("centre only") << ".../.#./..." << false;
        QTest::newRow("any two") << "#../.../..#" << true;
        QTest::newRow("all nine") << "###/###/###" << true;
        QTest::newRow("all white") << ".../.../..." << false;
    }
    void optionOkChecksTheRule()
    {
        QFETCH(QString, rule);
        QFETCH(bool, accepted);
        rule.remove('/');
        chooseIn(m_folder.path(), "red.bmp");
        engine::game().CellState(1) = false; // a rebuild turns it the right way again
        ui::form1().Option_Click();
        ui::Form6 &dialog = ui::form6();
        for (int i = 0; i < 9; ++i) {
            if ((dialog.Picture2[i]->backColor() == platform::Red) != (rule[i] == '#'))
                click(dialog.Picture2[i]);
        }
        for (int step = 0; step < 3; ++step)
            dialog.VScroll1->bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dialog.Picture1->size(), QSize(36, 36));
        m_script.then(Yes);
        click(dialog.Image1);
        // The question before is tried with the other Yes/No questions.
        QCOMPARE(m_script.prompts().mid(1),
                 accepted ? QStringList() : QStringList{"反転する場所を設定して下さい。"});
        QString stored;
        for (int set : entries(engine::game().FlipRule))
            stored += set ? '#' : '.';
        QCOMPARE(stored, accepted ? rule : QStringLiteral(".#.###.#."));
        QCOMPARE(engine::game().CellState(1), accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(int(engine::game().GameMode), accepted ? 1 : 0);
        QCOMPARE(engine::game().CellSize, accepted ? "540" : "495");
        QCOMPARE(ui::form1().board().Picture1(24)->width(), accepted ? 36 : 33);
        dialog.VScroll1->setValue(900);
        ui::form1().Option_Click();
        QCOMPARE(dialog.VScroll1->value(), accepted ? 540 : 495);
        QCOMPARE(dialog.Picture2[4]->backColor(),
                 platform::ColorValue(stored[4] == '#' ? 255 : 16777215));
    }

    // A Yes/No question of each place that asks one, reached by the commands of the row's
    // name (menu items, the option dialog's OK, a wrong cell); questions on the way: Yes.
    void yesNoQuestionsWaitForYesOrNo_data()
    {
        QTest::addColumn<QString>("question");
        QTest::newRow("END") << "終了しますか？";
        QTest::newRow("web") << "Wendrixのホームページへ行きますが\nよろしいですか？";
        QTest::newRow("Option, OK") << "初期化されますがよろしいですか？";
        QTest::newRow("pazzl") << "パズルを最初からはじめますが\nよろしいですか?";
        QTest::newRow("pazzl, cell") << "This puzzle failed!!\nTry again?";
    }

    // Mended: Escape answered No, which on "This puzzle failed!!" gave the run up by accident.
    // Escape and the close box now leave the question open, and it shows no close box.
    void yesNoQuestionsWaitForYesOrNo()
    {
        QFETCH(QString, question);
        chooseIn(m_folder.path(), "red.bmp");
        platform::setMessageBoxResponder({}); // the real boxes
        platform::setWebOpener([](const QUrl &) {});
        QStringList seen;
        QTimer boxWatch;
        boxWatch.callOnTimeout([&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            if (box->text() != question) { // on the way: Yes (or OK, a failure, not to hang)
                QAbstractButton *yes = box->button(QMessageBox::Yes);
                return (yes ? yes : box->buttons().value(0))->click();
            }
            seen << (box->windowFlags().testFlag(Qt::WindowCloseButtonHint) ? "close box"
                                                                            : "no close box");
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
            seen << (box->isVisible() ? "open" : "closed");
            QCloseEvent close; // as the window system sends it for the close box
            QSpontaneKeyEvent::setSpontaneous(&close);
            qApp->notify(box, &close); // sendEvent would make it the program's own
            seen << (box->isVisible() ? "open" : "closed");
            box->button(QMessageBox::No)->click();
        });
        boxWatch.start(0);
        for (const QString &step : QString(QTest::currentDataTag()).split(", ")) {
            if (step == "OK")
                click(ui::form6().Image1);
            else if (step == "cell")
                clickCell(engine::game().MoveHistory(1) % 25);
            else
                ui::form1().findChild<QAction *>(step)->trigger();
        }
        QCOMPARE(seen, QStringList({"no close box", "open", "open"}));
        QCOMPARE(int(engine::game().MsgAnswer), int(platform::MsgBoxAnswer::No));
    }

    // Mended: the second line of the cell size's caption was cut off at its foot.
    void cellSizeCaptionShowsBothLines()
    {
        platform::Label *label = ui::form6().Label1;
        label->resize(label->width(), 3 * label->height()); // room for whatever would spill
        const int lastRow = lastDarkRow(label);
        QVERIFY(lastRow >= label->fontInfo().pixelSize());         // two lines
        QVERIFY(lastRow < ui::form6().VScroll1->y() - label->y()); // above the scroll bar
    }

    // The program's icon is everyone's, yet only the windows laid out with it carry it.
    void onlyTheWindowsLaidOutWithTheIconCarryIt()
    {
        QApplication::setWindowIcon(QIcon(":/pictures/tovik2.ico"));
        QList<bool> carried;
        for (QWidget *window : allWindows())
            carried << !window->windowIcon().pixmap(32).isNull();
        QApplication::setWindowIcon(QIcon());
        QCOMPARE(carried, (QList<bool>{true, false, true, false, false, true}));
    }

    // Mended: at the face's own line spacing the last versions fell below the label's
    // end, where no scroll position showed them.
    void aboutHistoryEndsWhereTheScrollReaches()
    {
        ui::form1().about_Click();
        const int lastRow = lastDarkRow(ui::form3().Label2);
        const int shown = ui::form3().Label2->parentWidget()->height(); // inside the frame
        QVERIFY2(lastRow >= 300 && lastRow < 300 + shown, qPrintable(QString::number(lastRow)));
    }

    void aboutClosed_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("by OK: hidden, scrolled as it was") << false;
        QTest::newRow("by its close box: destroyed, back at the top") << true;
    }
    void aboutClosed()
    {
        QFETCH(bool, closeBox);
        ui::form1().about_Click();
        QPointer<ui::Form3> about = &ui::form3();
        about->VScroll1->setValue(-4500);
        if (closeBox)
            about->close();
        else
            click(about->Image2);
        QVERIFY(!about->isVisible());
        QCOMPARE(ui::form3Exists(), !closeBox);
        QTRY_COMPARE(about.isNull(), closeBox);
        ui::form1().about_Click();
        QVERIFY(ui::form3().isVisible());
        QCOMPARE(ui::form3().VScroll1->value(), closeBox ? 0 : -4500);
        QCOMPARE(ui::form3().Label2->y(), closeBox ? 0 : -300);
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
