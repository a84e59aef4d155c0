// The game in English, in Japanese and with no language set, through its real windows: a
// sample of every window's texts and the message boxes' buttons, and no Japanese in English.

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "filelists.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "gamedriver.h"
#include "label.h"
#include "language.h"
#include "messagescript.h"
#include "playmodes.h"
#include "rulebox.h"

using namespace gamedriver;

namespace {

const QStringList English = {"en-US", "en-Latn-US", "en"};
const QStringList Japanese = {"ja-JP", "ja-Jpan-JP", "ja"};
const QStringList NoLocale = {"C"};

// What the player reads or hears: its Japanese text (the original's as ever), its English.
const char *const Samples[][3] = {
    {"File menu item", "GameSetting", "Game Settings…"},
    {"quit menu item", "EndGmae", "Quit"},
    {"setting dialog title", "GameSetting", "Game Settings"},
    {"per-cell option", "マス表示 重たい画像は不可", "Per cell (slow)"},
    {"animation tooltip", "問題作成時のｱﾆﾒｰｼｮﾝ効果を有効にします",
     "Shows the cells turning while a puzzle is made"},
    {"cell size label", "画像のマスの大きさ （デフォルト=495）", "Cell size\r\n(default 495)"},
    {"history", " * 画像表示処理高速化", " * Faster picture display"},
    {"progress", "問題作成中", "Scrambling…"},
    {"no picture", "読み込む画像を設定して下さい。", "Please choose a picture first."},
    {"no picture title", "読み込みエラー", "Cannot Load Picture"},
    {"refusal", "画像を読み込めませんでした。", "The picture could not be loaded."},
    {"refusal reason", "ファイルが空です。", "The file is empty."},
    {"task", "1手以内で完成せよ。\r\n残り1", "Solve it in 1 move\r\n1 move left"},
    {"given up", "2手以内で完成せよ。\r\n残り0\r\nPAZZL終了",
     "Solve it in 2 moves\r\n0 moves left\r\nPuzzle over"},
    {"solved", "This puzzle complete!!", "Puzzle solved!"},
    {"failed", "This puzzle failed!!\r\nTry again?", "Out of moves!\r\nTry this puzzle again?"},
    {"quit", "終了しますか？", "Quit Tovik2?"},
    {"cell name", "1行1列 表", "Row 1, column 1, right way"},
    {"flip rule box name", "反転規則 1行1列", "Flip rule, row 1, column 1"},
    {"board name", "盤面", "Board"},
    {"folder list name", "フォルダー", "Folder"},
    {"Yes/No buttons", "いいえ(&N) はい(&Y)", "&No &Yes"},
    {"other buttons", "キャンセル 再試行(&T) 続行(&C)", "&Continue &Try Again Cancel"},
};

QString heardName(QObject *object)
{
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(object);
    return heard ? heard->text(QAccessible::Name) : QString();
}

// The buttons of a real box of the style, in sorted order.
QString standardButtons(int style)
{
    QStringList seen;
    QTimer boxWatch; // until the box shows
    boxWatch.callOnTimeout([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        for (QAbstractButton *button : box->buttons())
            seen << button->text();
        box->button(box->button(QMessageBox::No) ? QMessageBox::No : QMessageBox::Cancel)->click();
    });
    boxWatch.start(0);
    platform::MsgBox("?", style, "?");
    seen.sort();
    return seen.join(' ');
}

// Everything a window shows or says about itself and its controls, cells and menus included.
QStringList readableTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName() << heardName(widget);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            texts << frame->title();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        for (const QAction *action : widget->actions()) // menus and their items
            texts << action->text();
    }
    return texts;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_picture = writePicture(m_folder.path());

private slots:
    void cleanupTestCase() { i18n::installTranslators(NoLocale); }

    // English, Japanese and the C locale alone are tried on the windows below.
    void firstLanguageDecides_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("British English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("Japanese before English") << QStringList{"ja", "en"} << "ja";
        QTest::newRow("nothing") << QStringList() << "ja";
        QTest::newRow("German before Japanese, no catalogue") << QStringList{"de-DE", "ja"} << "en";
    }
    void firstLanguageDecides()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, spoken);
        QCOMPARE(i18n::gameLanguage(languages), spoken);
    }

    void windowsSpeakTheLanguage_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<int>("column"); // of the samples
        QTest::newRow("English") << English << 2;
        QTest::newRow("Japanese") << Japanese << 1;
        QTest::newRow("no locale") << NoLocale << 1;
    }
    // One game through every window: no picture, a refused file, a level solved, one given
    // up, the quit question, the options, About, and the real boxes' buttons.
    void windowsSpeakTheLanguage()
    {
        QFETCH(QStringList, languages);
        QFETCH(int, column);
        i18n::installTranslators(languages);
        startFreshGame();
        QVERIFY(openMainWindow());
        ui::form2().Check1->setChecked(false);
        QMap<QString, QString> seen;
        MessageScript script;

        QVERIFY(!ui::form1().board().BuildBoard()); // no picture chosen yet
        const QString empty = m_folder.filePath(QStringLiteral("empty.png"));
        QFile(empty).open(QIODevice::WriteOnly);
        QVERIFY(!ui::form2().acceptsPicture(empty));
        QVERIFY(buildBoard(m_picture, 3));
        seen["cell name"] = heardName(ui::form1().board().Picture1(0));
        script.then(platform::MsgBoxAnswer::Yes); // start puzzle mode from its first level
        engine::pazzl_Click();
        seen["task"] = ui::form1().Label1->caption();
        clickCell(engine::game().MoveHistory(1) - 1); // solved: the next level starts
        // Two cells off the record cannot solve it, and use up both moves.
        QList<int> wrong = {1, 2, 3, 4};
        wrong.removeIf([](int cell) { return entries(engine::game().MoveHistory).contains(cell); });
        script.then(platform::MsgBoxAnswer::No); // out of moves: give the level up
        clickCell(wrong[0] - 1);
        clickCell(wrong[1] - 1);
        seen["given up"] = ui::form1().Label1->caption();
        ui::form1().END_Click();
        ui::form1().Option_Click();
        ui::form1().about_Click();
        ui::form5(); // the progress window, as the next creation would show it

        QCOMPARE(script.asked.size(), 6);
        seen["no picture"] = script.asked[0].prompt;
        seen["no picture title"] = script.asked[0].title;
        const QStringList refusal = script.asked[1].prompt.split(QStringLiteral("\r\n"));
        seen["refusal"] = refusal.first();
        seen["refusal reason"] = refusal.last();
        seen["solved"] = script.asked[3].prompt;
        seen["failed"] = script.asked[4].prompt;
        seen["quit"] = script.asked[5].prompt;
        seen["File menu item"] = ui::form1().arrange->text();
        seen["quit menu item"] = ui::form1().END->text();
        seen["setting dialog title"] = ui::form2().windowTitle();
        seen["per-cell option"] = ui::form2().Option5->text();
        seen["animation tooltip"] = ui::form2().Check1->toolTip();
        seen["folder list name"] = heardName(ui::form2().Dir1);
        seen["cell size label"] = ui::form6().Label1->caption();
        seen["flip rule box name"] = heardName(ui::form6().Picture2[0]);
        seen["history"] = ui::form3().Label2->caption().split("\r\n").value(3); // first item
        seen["progress"] = ui::form5().Label1->caption();
        seen["board name"] = heardName(ui::form1().client());
        platform::setMessageBoxResponder({}); // the real boxes and their standard buttons
        seen["Yes/No buttons"] = standardButtons(platform::MsgBoxStyle::YesNo);
        seen["other buttons"] = standardButtons(platform::MsgBoxStyle::CancelTryContinue);
        for (const auto &sample : Samples)
            QCOMPARE(sample[0] + (": " + seen.value(sample[0])),
                     sample[0] + (": " + QString::fromUtf8(sample[column])));

        if (languages != English)
            return;
        QStringList heard;
        for (const platform::MessageBoxRequest &request : script.asked)
            heard << request.prompt << request.title;
        for (QWidget *window : QList<QWidget *>{&ui::form1(), &ui::form2(), &ui::form3(),
                                                &ui::form4(), &ui::form5(), &ui::form6()})
            heard << readableTexts(window);
        static const QRegularExpression japanese("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}"
                                                 "\\x{ff00}-\\x{ffef}]");
        heard.removeIf([](const QString &text) { return !text.contains(japanese); });
        QVERIFY2(heard.isEmpty(), qPrintable(heard.join(u'\n')));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
