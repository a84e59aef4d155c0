// The game setting dialog, the option dialog and the About window, driven through their
// real controls from a freshly started game; message boxes are answered by a script.

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "colors.h"
#include "filelists.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "gamedriver.h"
#include "label.h"
#include "messagescript.h"
#include "web.h"

using namespace gamedriver;
using platform::MsgBoxAnswer::Yes;

using Route = std::function<void()>;
Q_DECLARE_METATYPE(Route)

namespace {

// Whether the box shows nothing but the colour.
bool showsOnly(const platform::PictureBox *box, const QColor &colour)
{
    QImage solid(box->image().size(), QImage::Format_RGB32);
    solid.fill(colour);
    return !solid.isNull() && box->image().convertToFormat(QImage::Format_RGB32) == solid;
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

// A file of the game setting dialog's list clicked with the mouse.
void clickFile(const QString &name)
{
    platform::FileListBox *list = ui::form2().File1;
    const QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// What the window system sends a window whose close box the player presses.
void pressCloseBox(QWidget *window)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    qApp->notify(window, &close); // sendEvent would make it the program's own
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
    void cleanup() { ui::destroyForms(); }

    void gameSettingOpensWithItsFirstState()
    {
        ui::form1().arrange_Click();
        ui::Form2 &dialog = ui::form2();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.VScroll1->value(), 5);
        QCOMPARE(dialog.Label2->caption(), QStringLiteral("25"));
        QVERIFY(dialog.Option4->isChecked() && dialog.Check1->isChecked());
        QCOMPARE(dialog.Option4->text(), QStringLiteral("全体表示"));
        QVERIFY(dialog.SelectedPath.isEmpty());
        QVERIFY(showsOnly(dialog.Picture1, platform::systemColor(5)));
    }

    void gridSideGivesTheCellCount()
    {
        ui::form2().VScroll1->setValue(3);
        QCOMPARE(ui::form2().Label2->caption(), QStringLiteral("9"));
        ui::form2().VScroll1->setValue(10);
        QCOMPARE(ui::form2().Label2->caption(), QStringLiteral("100"));
    }

    void selectedPathHasOneSeparatorInTheRootAndInASubFolder()
    {
        QCOMPARE(ui::Form2::joinedPath("/", "a.jpg"), QStringLiteral("/a.jpg"));
        QCOMPARE(ui::Form2::joinedPath("/pics", "a.jpg"), QStringLiteral("/pics/a.jpg"));
    }

    // The file list ignores letter case; the preview stretches the picture over the box;
    // moving folder without a click keeps the file and its preview for OK.
    void clickedFileIsPreviewedAndKeptWhenMovingFolder()
    {
        QVERIFY(QDir(m_folder.path()).mkpath("sub"));
        const QString blue = writePicture(m_folder.path() + "/sub", "IMG_0001.BMP", Qt::blue);
        chooseIn(m_folder.path() + "/sub");
        ui::Form2 &dialog = ui::form2();
        QCOMPARE(dialog.File1->count(), 1);
        dialog.File1->clickFile("IMG_0001.BMP");
        QCOMPARE(dialog.SelectedPath, blue);
        QVERIFY(showsOnly(dialog.Picture1, Qt::blue));
        dialog.Dir1->setPath(m_folder.path());
        QCOMPARE(dialog.File1->path(), m_folder.path());
        QCOMPARE(dialog.SelectedPath, blue);
        QVERIFY(showsOnly(dialog.Picture1, Qt::blue));
        click(dialog.Image1);
        QCOMPARE(QString::fromStdString(engine::game().ImagePath), blue);
        QCOMPARE(ui::form1().board().cellControls(), 25);
    }

    // Mended: a click on the file already selected did nothing, so after a Cancel the
    // preview could show another picture than the one OK would build.
    void clickOnTheSelectedFileShowsItAgain()
    {
        const QString blue = writePicture(m_folder.path(), "blue.bmp", Qt::blue);
        chooseIn(m_folder.path(), "red.bmp");
        ui::form1().arrange_Click();
        ui::Form2 &dialog = ui::form2();
        QSignalSpy clicks(dialog.File1, &platform::FileListBox::Click);
        clickFile("blue.bmp");
        QCOMPARE(clicks.size(), 1);
        click(dialog.Image2);
        ui::form1().arrange_Click(); // the preview shows the picture in use again
        QVERIFY(showsOnly(dialog.Picture1, Qt::red));
        dialog.SelectedPath.clear();
        clickFile("blue.bmp");
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(dialog.SelectedPath, blue);
        QVERIFY(showsOnly(dialog.Picture1, Qt::blue));
    }

    void cancelAfterMovingTheScrollBarBuildsNothingButTheNextBuildUsesIt()
    {
        chooseIn(m_folder.path(), "red.bmp");
        ui::form1().arrange_Click();
        ui::form2().VScroll1->setValue(3);
        click(ui::form2().Image2);
        QVERIFY(!ui::form2().isVisible());
        QCOMPARE(ui::form1().board().cellControls(), 25);
        m_script.then(Yes);
        ui::form1().Option_Click();
        click(ui::form6().Image1);
        QCOMPARE(ui::form1().board().cellControls(), 9);
    }

    // Mended: a file in the list that is no picture after all ended the program; now the
    // player is told which file, and the previous choice and its preview stay.
    void damagedFileIsNamedAndThePreviousPictureKept()
    {
        QFile note(m_folder.path() + "/note.jpg");
        QVERIFY(note.open(QIODevice::WriteOnly) && note.write("not a photograph") > 0);
        note.close();
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

    // Rules as rows top to bottom, '#' a cell that flips; fewer than two are refused.
    void optionOkChecksTheRule_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("default plus") << ".#./###/.#." << true;
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
        for (int i = 0; i < 9; ++i) {
            if ((ui::form6().Picture2[i]->backColor() == platform::Red) != (rule[i] == '#'))
                click(ui::form6().Picture2[i]);
        }
        m_script.then(Yes);
        click(ui::form6().Image1);
        QCOMPARE(m_script.prompts().value(0), QStringLiteral("初期化されますがよろしいですか？"));
        QCOMPARE(m_script.prompts().value(1),
                 accepted ? QString() : QStringLiteral("反転する場所を設定して下さい。"));
        QString stored;
        for (int set : entries(engine::game().FlipRule))
            stored += set ? '#' : '.';
        QCOMPARE(stored, accepted ? rule : QStringLiteral(".#.###.#."));
        QCOMPARE(engine::game().CellState(1), accepted);
        QCOMPARE(ui::form6().isVisible(), !accepted);
        QCOMPARE(int(engine::game().GameMode), accepted ? 1 : 0);
    }

    // Three arrow steps of 15 from 495; the dialog reopens with the settings in force.
    void cellSizeOf540IsStoredAndMakesCells540TwipsWide()
    {
        chooseIn(m_folder.path(), "red.bmp");
        ui::form1().Option_Click();
        ui::Form6 &dialog = ui::form6();
        for (int step = 0; step < 3; ++step)
            dialog.VScroll1->bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dialog.Picture1->size(), QSize(36, 36));
        m_script.then(Yes);
        click(dialog.Image1);
        QCOMPARE(engine::game().CellSize, std::string("540"));
        for (int i = 0; i < 25; ++i)
            QCOMPARE(ui::form1().board().Picture1(i)->size(), QSize(36, 36));
        dialog.VScroll1->setValue(900);
        ui::form1().Option_Click();
        QCOMPARE(dialog.VScroll1->value(), 540);
        QCOMPARE(dialog.Picture2[0]->backColor(), platform::ColorValue(16777215));
        QCOMPARE(dialog.Picture2[4]->backColor(), platform::ColorValue(255));
    }

    // Each Yes/No question of the game, reached through the real windows; the questions
    // on the way are answered Yes.
    void yesNoQuestionsWaitForYesOrNo_data()
    {
        QTest::addColumn<QString>("question");
        QTest::addColumn<Route>("route");
        const QString folder = m_folder.path();
        const auto choose = [folder] { chooseIn(folder, "red.bmp"); };
        const auto trigger = [](QAction *ui::Form1::*item) { (ui::form1().*item)->trigger(); };
        QTest::newRow("EndGmae") << "終了しますか？" << Route([=] { trigger(&ui::Form1::END); });
        QTest::newRow("Web page") << "Wendrixのホームページへ行きますが\nよろしいですか？"
                                  << Route([=] { trigger(&ui::Form1::web); });
        QTest::newRow("Option's OK") << "初期化されますがよろしいですか？" << Route([=] {
            choose();
            trigger(&ui::Form1::Option);
            click(ui::form6().Image1);
        });
        QTest::newRow("PazzlMode") << "パズルを最初からはじめますが\nよろしいですか?" << Route([=] {
            choose();
            trigger(&ui::Form1::pazzl);
        });
        QTest::newRow("PazzlMode in normal mode")
            << "ノーマルモードを終了して\nパズルモードにしますか？" << Route([=] {
                   choose();
                   trigger(&ui::Form1::play);
                   trigger(&ui::Form1::pazzl);
               });
        QTest::newRow("NormalMode in puzzle mode")
            << "パズルモードを終了して\nノーマルモードにしますか？" << Route([=] {
                   choose();
                   trigger(&ui::Form1::pazzl);
                   trigger(&ui::Form1::play);
               });
        QTest::newRow("the one move of level 1 spent on another cell")
            << "This puzzle failed!!\nTry again?" << Route([=] {
                   choose();
                   trigger(&ui::Form1::pazzl);
                   clickCell(engine::game().MoveHistory(1) % 25);
               });
    }

    // Mended: Escape answered No, which on "This puzzle failed!!" gave the run up by
    // accident. Escape and the close box now leave a Yes/No question open.
    void yesNoQuestionsWaitForYesOrNo()
    {
        QFETCH(QString, question);
        QFETCH(Route, route);
        platform::setMessageBoxResponder({}); // the real boxes
        platform::setWebOpener([](const QUrl &) {});
        QStringList seen;
        QTimer boxWatch;
        boxWatch.callOnTimeout([&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QAbstractButton *yes = box->button(QMessageBox::Yes);
            QAbstractButton *no = box->button(QMessageBox::No);
            if (!yes || !no) { // not a question: fail rather than hang
                seen << "unexpected: " + box->text();
                box->buttons().value(0)->click();
            } else if (box->text() != question) {
                yes->click();
            } else {
                QWidget *focused = box->focusWidget() ? box->focusWidget() : box;
                QTest::keyClick(focused, Qt::Key_Escape);
                seen << QString("after Escape: %1").arg(box->isVisible() ? "open" : "closed");
                pressCloseBox(box);
                seen
                    << QString("after the close box: %1").arg(box->isVisible() ? "open" : "closed");
                no->click();
            }
        });
        boxWatch.start(0);
        route();
        platform::setWebOpener({});
        QCOMPARE(seen, QStringList({"after Escape: open", "after the close box: open"}));
        QCOMPARE(int(engine::game().MsgAnswer), int(platform::MsgBoxAnswer::No));
        QVERIFY(!platform::programEnding() && ui::form1().isVisible());
    }

    // Mended: the second line of the cell size's caption was cut off at its foot.
    void cellSizeCaptionShowsBothLines()
    {
        platform::Label *label = ui::form6().Label1;
        const int shown = ui::form6().VScroll1->y() - label->y(); // the scroll bar lies below
        label->resize(label->width(), 3 * label->height());       // room for whatever would spill
        const QImage image = label->grab().toImage();
        int lastInkRow = -1;
        for (int p = 0; p < image.width() * image.height(); ++p) {
            if (image.pixelColor(p % image.width(), p / image.width()).lightness() < 128)
                lastInkRow = p / image.width();
        }
        QVERIFY2(lastInkRow >= label->fontInfo().pixelSize() && lastInkRow < shown,
                 qPrintable(QString::number(lastInkRow)));
    }

    // The game sets its icon for the whole program, yet only the windows whose layout
    // gives them the icon carry it.
    void onlyTheWindowsLaidOutWithTheIconCarryIt()
    {
        QApplication::setWindowIcon(QIcon(":/pictures/tovik2.ico"));
        QList<bool> carried;
        for (QWidget *window : QList<QWidget *>{&ui::form1(), &ui::form2(), &ui::form3(),
                                                &ui::form4(), &ui::form5(), &ui::form6()})
            carried << !window->windowIcon().pixmap(32).isNull();
        QApplication::setWindowIcon(QIcon());
        QCOMPARE(carried, (QList<bool>{true, false, true, false, false, true}));
    }

    void aboutShowsTheTitleVersionAndTheHistory()
    {
        const QStringList title = ui::Form3::titleText().split("\r\n");
        QCOMPARE(title.value(0), QStringLiteral("TOVIK2 var3.0."));
        QVERIFY(title.size() == 2 && !title[1].trimmed().isEmpty());
        QCOMPARE(
            ui::Form3::historyText(),
            QStringLiteral("Version history\r\n\r\n Tovik2 2.9\r\n * 画像表示処理高速化\r\n"
                           " * フォーム自動調整機能調整\r\n * モードを変更時に起こるバグ修正\r\n"
                           " * 反転規則変更をOptionに追加\r\n\r\n Tovik2 2.5\r\n"
                           " * 画像読み込み時のバグ修正\r\n * フォーム自動調整機能追加\r\n"
                           " * 読み込める画像の種類追加\r\n * 進行状況バー追加\r\n\r\n"
                           " Tovik2 2.0\r\n * 問題作成時のメモリー占領を修正\r\n"
                           " * マスの幅を設定できるようにする。\r\n * プログラムを簡略化\r\n\r\n"
                           " Tovik2 1.5\r\n * 画像の自動拡大縮小機能追加\r\n"
                           " * 難易度の設定を追加\r\n\r\n Tovik2 1.2\r\n"
                           " * 画像読み込み機能作成\r\n * ボタン選択時のバグ修正\r\n\r\n"
                           " Tovik2 1.0\r\n * プログラムの基本動作作成"));
        ui::form1().about_Click();
        QCOMPARE(ui::form3().Label1->caption(), ui::Form3::titleText());
        QCOMPARE(ui::form3().Label2->caption(), ui::Form3::historyText());
        // Mended: at the face's own line spacing the last versions fell below the label's
        // end, where no scroll position showed them.
        const QImage label = ui::form3().Label2->grab().toImage();
        int lastTextRow = -1;
        for (int y = 0; y < label.height(); ++y) {
            for (int x = 0; x < label.width(); ++x)
                lastTextRow = label.pixelColor(x, y).lightness() < 128 ? y : lastTextRow;
        }
        const int shown = ui::form3().Label2->parentWidget()->height(); // inside the frame
        QVERIFY2(lastTextRow >= 300 && lastTextRow < 300 + shown,
                 qPrintable(QString::number(lastTextRow)));
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
        QCOMPARE(&ui::form3() == about.data(), !closeBox);
        QCOMPARE(ui::form3().VScroll1->value(), closeBox ? 0 : -4500);
        QCOMPARE(ui::form3().Label2->y(), closeBox ? 0 : -300);
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
