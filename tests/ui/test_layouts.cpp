// The six windows against the layout tables (in twips, 15 to a pixel), their fonts and menus.

#include <QAction>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>

#include "gamedriver.h"
#include "label.h"

using namespace gamedriver;

namespace {

QRect twips(int l, int t, int w, int h)
{
    return QRect(qRound(l / 15.0), qRound(t / 15.0), qRound(w / 15.0), qRound(h / 15.0));
}

// "Form6.Picture2(4)": a control by its window and name; "Form6": the window's client area.
QWidget *control(const QString &path)
{
    const QList<QWidget *> areas = {ui::form1().client(), &ui::form2(), &ui::form3(),
                                    &ui::form4(),         &ui::form5(), &ui::form6()};
    QWidget *area = areas.value(path.section('.', 0, 0).mid(4).toInt() - 1);
    const QString name = path.section('.', 1);
    if (name.isEmpty())
        return area;
    if (path.startsWith("Form5")) // its controls have no names
        return name == "Label1" ? static_cast<QWidget *>(ui::form5().Label1)
                                : ui::form5().ProgressBar1;
    return area->findChild<QWidget *>(name);
}

// A window's title ("" without a title bar); a control's text.
QString textOf(const QWidget *widget)
{
    const QWidget *window = widget->window();
    if (widget == window || widget == ui::form1().client())
        return window->windowFlags() & Qt::FramelessWindowHint ? "" : window->windowTitle();
    return widget->property("text").toString();
}

} // namespace

class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void init() { startFreshGame(); }
    void cleanup()
    {
        ui::destroyForms();
        QVERIFY2(qtwarnings::take().isEmpty(), "Qt warned: see the QWARN lines above");
    }

    // A window's row gives its client area; the rows: sizes worked out, a splash without title.
    void windowsAndControlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("Form1") << twips(0, 0, 3105, 2310) << "Tovik2";
        QTest::newRow("Form1.Label1") << twips(1600, 120, 2415, 1455) << "Label1"; // as the cells
        QTest::newRow("Form4") << twips(0, 0, 4680, 2805) << "";
        // 15 twips more for the progress window's one-pixel border.
        QTest::newRow("Form5") << twips(0, 0, 2880, 1050) << "";
        QTest::newRow("Form5.Label1") << twips(255, 135, 2295, 375) << "問題作成中";
        QTest::newRow("Form5.ProgressBar1") << twips(135, 615, 2535, 375) << "0%";
        QTest::newRow("Form6.Picture2(4)") << twips(3240, 840, 495, 495) << "";
    }
    void windowsAndControlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QVERIFY(openMainWindow());
        const QWidget *widget = control(QTest::currentDataTag());
        QVERIFY(widget);
        const bool window = !QString(QTest::currentDataTag()).contains('.');
        QCOMPARE(window ? QRect(QPoint(), widget->size()) : widget->geometry(), geometry);
        QCOMPARE(textOf(widget), text);
    }

    // Points at 96 dots an inch (ＭＳ ゴシック 11.25 bold, ＭＳ 明朝 9, ＭＳ 明朝 9 bold,
    // ＭＳ Ｐゴシック 14.25), in faces that write Japanese.
    void fontsWriteJapaneseAtTheLaidOutSize()
    {
        QStringList shown;
        for (const char *name : {"Form1.Label1", "Form2.Option5", "Form3.Label1", "Form5.Label1"}) {
            const QFontInfo info(control(name)->font());
            QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Japanese),
                     name);
            shown << QString::number(info.pixelSize()) + (info.bold() ? " bold" : "");
        }
        QCOMPARE(shown, (QStringList{"15 bold", "12", "12 bold", "19"}));
    }

    // Each menu's title, then its items as "caption shortcut state", "-" a separator.
    void menusHoldTheirItemsShortcutsAndStates()
    {
        QStringList shown;
        for (QAction *menu : ui::form1().menuBar()->actions()) {
            shown << menu->text() + ":";
            for (QAction *item : menu->menu()->actions()) {
                const QString state = item->isEnabled() ? " on" : " off";
                const QString entry = item->text() + ' ' + item->shortcut().toString() + state;
                shown << (item->isSeparator() ? "-" : entry.simplified());
            }
        }
        QCOMPARE(shown,
                 (QStringList{"File:", "GameSetting F1 on", "NormalMode F2 off", "PazzlMode F3 off",
                              "-", "EndGmae F4 on", "Tools:", "Option off", "Hint F5 off",
                              "Board state F6 on", "Help:", "Web page on", "About... on"}));
    }
};

QTEST_MAIN(TestLayouts)
#include "test_layouts.moc"
