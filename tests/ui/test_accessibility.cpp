// What a screen reader finds in the windows: the roles and names of their controls, the
// cells and flip-rule boxes following their state, the windows that announce their text,
// and no control that speaks an internal name such as "Label1" or "Form4".

#include <QAccessible>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "accessibilityevents.h"
#include "colors.h"
#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "gamedriver.h"
#include "messagebox.h"
#include "messagescript.h"
#include "playmodes.h"
#include "random.h"

using namespace gamedriver;

namespace {

QList<QWidget *> windows()
{
    return {&ui::form1(), &ui::form2(), &ui::form3(), &ui::form4(), &ui::form5(), &ui::form6()};
}

// "Form2.Image1": a control by its window and name; "Form4": the window.
QWidget *control(const QString &path)
{
    QWidget *window = windows().value(path.mid(4, 1).toInt() - 1);
    const QString name = path.section('.', 1);
    QWidget *found = name.isEmpty() ? window : window->findChild<QWidget *>(name);
    if (auto *bar = qobject_cast<platform::ScrollBar *>(found))
        return bar->bar();
    return found;
}

// Every interface below `root`, depth first.
void collect(QAccessibleInterface *root, QList<QAccessibleInterface *> &all)
{
    all.append(root);
    for (int i = 0; i < root->childCount(); ++i)
        collect(root->child(i), all);
}

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_picture = writePicture(m_folder.path());
    QList<QPair<QObject *, QAccessible::Event>> m_told;

    void startNormalGame()
    {
        QVERIFY(buildBoard(m_picture, 3));
        MessageScript script;
        engine::play_Click();
    }

    // Whether assistive technology was told this about the object.
    bool told(QObject *object, QAccessible::Event type) const
    {
        return m_told.contains({object, type});
    }

private slots:
    void init()
    {
        m_told.clear();
        platform::setAccessibilityObserver([this](const QAccessibleEvent &event) {
            m_told.append({event.object(), event.type()});
        });
        platform::setSeedSource([] { return std::uint64_t(11); });
        startFreshGame();
        QVERIFY(openMainWindow());
    }
    void cleanup()
    {
        platform::setAccessibilityObserver({});
        ui::destroyForms();
    }

    void controlsHaveTheirRoleAndName_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("Form1.client") << int(QAccessible::Client) << "Board";
        QTest::newRow("Form1.Label1") << int(QAccessible::StaticText) << "";
        QTest::newRow("Form2.Image1") << int(QAccessible::Button) << "設定を有効にします";
        QTest::newRow("Form2.Image2") << int(QAccessible::Button) << "設定を取りやめます";
        QTest::newRow("Form2.VScroll1") << int(QAccessible::ScrollBar) << "マス数";
        QTest::newRow("Form2.Picture1") << int(QAccessible::Client) << "現在設定されている画像";
        QTest::newRow("Form2.Option5")
            << int(QAccessible::RadioButton) << "マス表示 重たい画像は不可";
        QTest::newRow("Form3.Image2") << int(QAccessible::Button) << "OK";
        QTest::newRow("Form4") << int(QAccessible::Notification) << "Tovik2";
        QTest::newRow("Form5") << int(QAccessible::Notification) << "問題作成中";
        QTest::newRow("Form6.Picture2(4)")
            << int(QAccessible::CheckBox) << "Flip rule, row 2, column 2";
        QTest::newRow("Form6.VScroll1")
            << int(QAccessible::ScrollBar) << "画像のマスの大きさ （デフォルト=495）";
        QTest::newRow("Form6.Frame2") << int(QAccessible::Grouping) << "反転規則変更";
    }
    void controlsHaveTheirRoleAndName()
    {
        QFETCH(int, role);
        QFETCH(QString, name);
        QAccessibleInterface *shown = interfaceOf(control(QTest::currentDataTag()));
        QVERIFY(shown);
        QCOMPARE(int(shown->role()), role);
        QCOMPARE(shown->text(QAccessible::Name), name);
    }

    // Over every window with a game running: each control a player can reach has a name,
    // and none is named after a control's internal name.
    void noControlIsNamedAfterItsInternalName()
    {
        startNormalGame();
        QSet<QString> internal;
        QList<QAccessibleInterface *> all;
        for (QWidget *window : windows()) {
            window->show();
            for (const QWidget *widget : window->findChildren<QWidget *>())
                internal << widget->objectName();
            internal << window->objectName();
            collect(interfaceOf(window), all);
        }
        internal.remove(QString());
        const QSet<QAccessible::Role> unnamedAllowed = {QAccessible::Client, QAccessible::Pane,
                                                        QAccessible::Grouping, QAccessible::MenuBar,
                                                        QAccessible::Separator};
        for (QAccessibleInterface *shown : all) {
            const QString name = shown->text(QAccessible::Name);
            const QString where = QStringLiteral("%1 \"%2\"").arg(shown->role()).arg(name);
            QVERIFY2(!internal.contains(name), qPrintable(where));
            if (!shown->state().invisible && !unnamedAllowed.contains(shown->role()))
                QVERIFY2(!name.isEmpty(), qPrintable(where));
        }
        QVERIFY(all.size() > 60);
    }

    // A cell is a button named by its place and side; its name and checked state follow a
    // flip, the reader is told so, and the keyboard cursor gives it the focus.
    void cellFollowsItsFlips()
    {
        startNormalGame();
        board::Board &board = ui::form1().board();
        QAccessibleInterface *centre = interfaceOf(board.Picture1(4));
        QCOMPARE(centre->role(), QAccessible::Button);
        const auto side = [](int k) {
            return engine::game().CellState(k) ? "right way" : "reversed";
        };
        QCOMPARE(centre->text(QAccessible::Name), QStringLiteral("Row 2, column 2, ") + side(5));
        const bool before = centre->state().checked;
        QCOMPARE(before, engine::game().CellState(5));
        m_told.clear();
        centre->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(centre->state().checked, !before);
        QCOMPARE(centre->text(QAccessible::Name), QStringLiteral("Row 2, column 2, ") + side(5));
        for (int index : {1, 3, 4, 5, 7}) {
            QVERIFY(told(board.Picture1(index), QAccessible::StateChanged));
            QVERIFY(told(board.Picture1(index), QAccessible::NameChanged));
        }
        QVERIFY(!told(board.Picture1(0), QAccessible::NameChanged));

        ui::form1().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui::form1()));
        QTest::keyClick(ui::form1().client(), Qt::Key_Down);
        QVERIFY(interfaceOf(board.Picture1(0))->state().focused);
        QVERIFY(told(board.Picture1(0), QAccessible::Focus));
    }

    void ruleBoxIsACheckBoxOfItsColour()
    {
        ui::form1().Option_Click();
        ui::RuleBox *corner = ui::form6().Picture2[0];
        QAccessibleInterface *box = interfaceOf(corner);
        QVERIFY(!box->state().checked && box->state().checkable);
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(corner->backColor(), platform::Red);
        QVERIFY(box->state().checked && told(corner, QAccessible::StateChanged));
    }

    // The splash and the progress window are read out as they appear; a message box is
    // an alert whose text is the prompt.
    void windowsAnnounceTheirTexts()
    {
        QVERIFY(told(&ui::form4(), QAccessible::Alert));
        startNormalGame();
        QVERIFY(told(&ui::form5(), QAccessible::Alert));
        QString alert;
        QTimer::singleShot(0, this, [&alert] {
            QWidget *box = QApplication::activeModalWidget();
            QAccessibleInterface *shown = interfaceOf(box);
            alert = QString::number(shown->role()) + ' ' + shown->text(QAccessible::Name) + ' ' +
                    shown->text(QAccessible::Value);
            static_cast<QMessageBox *>(box)->done(0);
        });
        platform::MsgBox("終了しますか？", platform::MsgBoxStyle::YesNo, "終了");
        QCOMPARE(alert, QString::number(QAccessible::AlertMessage) + " 終了 終了しますか？");
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
