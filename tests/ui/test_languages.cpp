// The game in English, in Japanese and with no language set, through its real windows:
// the start-up choice of language, a sample of texts from every window, message and
// accessible name, the standard buttons of the message boxes, and, in English, no
// Japanese anywhere the player can read or hear it.

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
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

using Texts = QMap<QString, QString>;

const QStringList English = {QStringLiteral("en-US"), QStringLiteral("en-Latn-US"),
                             QStringLiteral("en")};
const QStringList Japanese = {QStringLiteral("ja-JP"), QStringLiteral("ja-Jpan-JP"),
                              QStringLiteral("ja")};
const QStringList NoLocale = {QStringLiteral("C")};

bool isJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

QString heardName(QObject *object)
{
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(object);
    return heard ? heard->text(QAccessible::Name) : QString();
}

// Everything a window shows or says about itself and its controls, menus included.
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
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            texts << menu->title();
            for (const QAction *action : menu->actions())
                texts << action->text();
        }
    }
    return texts;
}

// The first line of the version history's items.
QString firstHistoryItem()
{
    const QStringList lines = ui::form3().Label2->caption().split(QStringLiteral("\r\n"));
    return lines.value(3);
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_picture = writePicture(m_folder.path());

private slots:
    void cleanupTestCase() { i18n::installTranslators(NoLocale); }

    void firstLanguageDecides_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("English") << English << "en";
        QTest::newRow("British English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("Japanese") << Japanese << "ja";
        QTest::newRow("Japanese before English") << QStringList{"ja", "en"} << "ja";
        QTest::newRow("C, C.UTF-8 and POSIX") << NoLocale << "ja";
        QTest::newRow("nothing") << QStringList() << "ja";
        QTest::newRow("German, no catalogue") << QStringList{"de-DE", "de"} << "en";
        QTest::newRow("French before Japanese") << QStringList{"fr", "ja"} << "en";
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
        QTest::addColumn<Texts>("expected");
        // The original's texts exactly as they always were; the added ones in Japanese.
        const Texts japanese = {
            {"File menu item", "GameSetting"},
            {"quit menu item", "EndGmae"},
            {"setting dialog title", "GameSetting"},
            {"per-cell option", "マス表示 重たい画像は不可"},
            {"animation tooltip", "問題作成時のｱﾆﾒｰｼｮﾝ効果を有効にします"},
            {"cell size label", "画像のマスの大きさ （デフォルト=495）"},
            {"history", " * 画像表示処理高速化"},
            {"progress", "問題作成中"},
            {"no picture", "読み込む画像を設定して下さい。"},
            {"no picture title", "読み込みエラー"},
            {"refusal", "画像を読み込めませんでした。"},
            {"refusal reason", "ファイルが空です。"},
            {"task", "1手以内で完成せよ。\r\n残り1"},
            {"next task", "2手以内で完成せよ。\r\n残り2"},
            {"given up", "2手以内で完成せよ。\r\n残り0\r\nPAZZL終了"},
            {"solved", "This puzzle complete!!"},
            {"failed", "This puzzle failed!!\r\nTry again?"},
            {"quit", "終了しますか？"},
            {"cell name", "1行1列 表"},
            {"flip rule box name", "反転規則 1行1列"},
            {"board name", "盤面"},
            {"folder list name", "フォルダー"},
        };
        const Texts english = {
            {"File menu item", "Game Settings…"},
            {"quit menu item", "Quit"},
            {"setting dialog title", "Game Settings"},
            {"per-cell option", "Per cell (slow)"},
            {"animation tooltip", "Shows the cells turning while a puzzle is made"},
            {"cell size label", "Cell size\r\n(default 495)"},
            {"history", " * Faster picture display"},
            {"progress", "Scrambling…"},
            {"no picture", "Please choose a picture first."},
            {"no picture title", "Cannot Load Picture"},
            {"refusal", "The picture could not be loaded."},
            {"refusal reason", "The file is empty."},
            {"task", "Solve it in 1 move\r\n1 move left"},
            {"next task", "Solve it in 2 moves\r\n2 moves left"},
            {"given up", "Solve it in 2 moves\r\n0 moves left\r\nPuzzle over"},
            {"solved", "Puzzle solved!"},
            {"failed", "Out of moves!\r\nTry this puzzle again?"},
            {"quit", "Quit Tovik2?"},
            {"cell name", "Row 1, column 1, right way"},
            {"flip rule box name", "Flip rule, row 1, column 1"},
            {"board name", "Board"},
            {"folder list name", "Folder"},
        };
        QTest::newRow("English") << English << english;
        QTest::newRow("Japanese") << Japanese << japanese;
        QTest::newRow("no locale") << NoLocale << japanese;
    }

    // One game through every window: a board without a picture, a refused file, a board,
    // a puzzle level solved and the next one given up, the quit question, the options and
    // the About window.
    void windowsSpeakTheLanguage()
    {
        QFETCH(QStringList, languages);
        QFETCH(Texts, expected);
        i18n::installTranslators(languages);
        startFreshGame();
        QVERIFY(openMainWindow());
        ui::form2().Check1->setChecked(false);
        Texts seen;
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
        seen["next task"] = ui::form1().Label1->caption();
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
        seen["history"] = firstHistoryItem();
        seen["progress"] = ui::form5().Label1->caption();
        seen["board name"] = heardName(ui::form1().client());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(it.key() + ": " + seen.value(it.key()), it.key() + ": " + it.value());

        if (languages != English)
            return;
        QStringList heard;
        for (const platform::MessageBoxRequest &request : script.asked)
            heard << request.prompt << request.title;
        for (QWidget *window : {static_cast<QWidget *>(&ui::form1()), (QWidget *)&ui::form2(),
                                (QWidget *)&ui::form3(), (QWidget *)&ui::form4(),
                                (QWidget *)&ui::form5(), (QWidget *)&ui::form6()})
            heard << readableTexts(window);
        for (int i = 0; i < engine::game().CellCount; ++i)
            heard << heardName(ui::form1().board().Picture1(i));
        heard.removeIf([](const QString &text) { return !isJapanese(text); });
        QVERIFY2(heard.isEmpty(), qPrintable(heard.join(u'\n')));
    }

    void standardButtonsSpeakTheLanguage_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("English") << English
                                 << QStringList{"&Yes", "&No", "Cancel", "&Try Again", "&Continue"};
        const QStringList japanese = {"はい(&Y)", "いいえ(&N)", "キャンセル", "再試行(&T)",
                                      "続行(&C)"};
        QTest::newRow("Japanese") << Japanese << japanese;
        QTest::newRow("no locale") << NoLocale << japanese;
    }

    // The real boxes of a Yes/No question and of Cancel, Try Again, Continue.
    void standardButtonsSpeakTheLanguage()
    {
        QFETCH(QStringList, languages);
        QFETCH(QStringList, buttons);
        i18n::installTranslators(languages);
        platform::setMessageBoxResponder({});
        QStringList seen;
        QTimer boxWatch;
        boxWatch.callOnTimeout([&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QList<QAbstractButton *> shown = box->buttons();
            std::sort(shown.begin(), shown.end(),
                      [](QAbstractButton *a, QAbstractButton *b) { return a->x() < b->x(); });
            for (QAbstractButton *button : shown)
                seen << button->text();
            (box->button(QMessageBox::No) ? box->button(QMessageBox::No)
                                          : box->button(QMessageBox::Cancel))
                ->click();
        });
        boxWatch.start(0);
        QCOMPARE(platform::MsgBox("?", platform::MsgBoxStyle::YesNo, "Yes/No"),
                 platform::MsgBoxAnswer::No);
        QCOMPARE(platform::MsgBox("?", platform::MsgBoxStyle::CancelTryContinue, "Cancel"),
                 platform::MsgBoxAnswer::Cancel);
        seen.sort();
        buttons.sort();
        QCOMPARE(seen, buttons);
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
