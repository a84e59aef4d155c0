// The progress window: its layout, the bar as the puzzle creation drives it, and its
// place in the middle of the screen.

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

#include "colors.h"
#include "form5.h"
#include "label.h"
#include "twips.h"

#include "testsuites.h"

namespace {

// A control's place in twips inside the one-pixel frame.
QRect inClient(double left, double top, double width, double height)
{
    return platform::twipsToPixels(left, top, width, height).translated(1, 1);
}

} // namespace

class Form5Test : public QObject
{
    Q_OBJECT

private slots:
    void layoutIsAFramedGreyBoxWithoutTitleBar()
    {
        board::Form5 form;
        QVERIFY(form.isWindow());
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.windowTitle().isEmpty());
        QCOMPARE(form.borderStyle(), 1);
        // 2850 x 1020 twips of client area inside the frame, and not resizable.
        QCOMPARE(form.size(), QSize(190 + 2, 68 + 2));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.image().size(), QSize(190, 68));
        QCOMPARE(form.image().pixel(5, 5), qRgb(128, 128, 128));

        QCOMPARE(form.Label1->caption(), QStringLiteral("問題作成中"));
        QCOMPARE(form.Label1->geometry(), inClient(240, 120, 2295, 375));
        QVERIFY(form.Label1->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(form.Label1->palette().color(form.Label1->backgroundRole()), QColor(Qt::white));
        QVERIFY(form.Label1->autoFillBackground());

        QCOMPARE(form.ProgressBar1->geometry(), inClient(120, 600, 2535, 375));
        QCOMPARE(form.ProgressBar1->minimum(), 0);
        QCOMPARE(form.ProgressBar1->maximum(), 100);
        QVERIFY(!form.ProgressBar1->isTextVisible());
    }

    void barFollowsMaxAndValue_data()
    {
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("shownMax");
        QTest::addColumn<int>("shownValue");
        QTest::newRow("normal mode on ten by ten, half way") << 300.0 << 150.0 << 300 << 150;
        QTest::newRow("last move") << 300.0 << 300.0 << 300 << 300;
        QTest::newRow("Single values round to the nearest") << 27.4 << 26.6 << 27 << 27;
        QTest::newRow("a value beyond Max shows a full bar") << 9.0 << 12.0 << 9 << 9;
    }

    void barFollowsMaxAndValue()
    {
        QFETCH(double, max);
        QFETCH(double, value);
        QFETCH(int, shownMax);
        QFETCH(int, shownValue);
        board::Form5 form;
        form.setProgressMax(max);
        form.setProgressValue(value);
        QCOMPARE(form.ProgressBar1->maximum(), shownMax);
        QCOMPARE(form.ProgressBar1->value(), shownValue);
    }

    void windowIsCentredOnTheScreenWhenShown()
    {
        board::Form5 form;
        form.move(0, 0);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint centre = form.screen()->availableGeometry().center();
        const QPoint offset = form.frameGeometry().center() - centre;
        QVERIFY2(
            offset.manhattanLength() <= 2,
            qPrintable(QStringLiteral("%1, %2 off the centre").arg(offset.x()).arg(offset.y())));
        form.hide();
        QVERIFY(form.isHidden());
    }
};

int runForm5Tests(int argc, char **argv)
{
    Form5Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_form5.moc"
