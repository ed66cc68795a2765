// The busy notice: its sizing rules, its lines, its window and its painting.

#include "gui/controls/BusyNotice.h"
#include "gui/controls/BusyNoticeWnd.h"
#include "gui/resources/IconResources.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"

#include <QFontMetrics>
#include <QImage>

using namespace talvoren;

namespace
{
// The columns of `image` that hold text (dark pixels), as [first, last].
QPair<int, int> InkColumns(const QImage& image, int fromX)
{
    int first = -1;
    int last = -1;
    for (int x = fromX; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 100) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}
}

class BusyNoticeTest : public QObject
{
    Q_OBJECT

private slots:
    void sizingRules_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QSize>("size");
        QTest::newRow("one line") << 200 << 16 << 3 << 7 << 1 << QSize(200 + 42 + 45, 22 * 3);
        QTest::newRow("two lines: four bands") << 300 << 19 << 3 << 8 << 2 << QSize(300 + 48 + 45, 25 * 4);
        QTest::newRow("the floor 2L + 40") << 10 << 5 << 2 << 1 << 1 << QSize(10 + 6 + 45, 44);
        QTest::newRow("no leading") << 0 << 0 << 0 << 0 << 1 << QSize(45, 40);
    }

    void sizingRules()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, l);
        QFETCH(int, a);
        QFETCH(int, lines);
        QFETCH(QSize, size);
        QCOMPARE(CBusyNoticeWnd::NoticeSize(w, h, l, a, lines), size);
    }

    void theLongestLineIsTheFirstOfEqualOnes()
    {
        QCOMPARE(CBusyNoticeWnd::LongestLine({"ab", "abc", "xyz", "a"}), 1);
        QCOMPARE(CBusyNoticeWnd::LongestLine({"only"}), 0);
        QCOMPARE(CBusyNoticeWnd::LongestLine({"", ""}), 0);
    }

    void aTwoLineNoticeIsFourBandsHighAndSizedToTheLongerLine()
    {
        const QString longer = QStringLiteral("Xin chờ cho chút xíu, chương trình đang tính toán");
        CBusyNotice notice(QStringLiteral("Một\n") + longer, LoadIconPixmap(IDI_WAIT));
        CBusyNoticeWnd* window = notice.Window();
        QCOMPARE(window->Lines(), (QStringList{"Một", longer}));
        const QFontMetrics metrics(window->NoticeFont());
        const int cell = metrics.ascent() + metrics.descent();
        const int leading = qMax(0, cell - window->NoticeFont().pixelSize());
        QCOMPARE(window->size(), QSize(metrics.horizontalAdvance(longer) + 6 * metrics.averageCharWidth() + 45,
                                       qMax((cell + 2 * leading) * 4, 2 * leading + 40)));
        QVERIFY(cell <= 16);   // "Verdana" 16: a cell of 16 pixels
        QCOMPARE(window->windowTitle(), QStringLiteral("Talvoren"));
        QVERIFY(window->isVisible());
        QVERIFY(window->windowHandle()->isExposed());   // on screen before the work starts
        QVERIFY(!window->isEnabled());
        QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void theWindowGoesWithItsOwner()
    {
        QPointer<CBusyNoticeWnd> window;
        {
            CBusyNotice notice(QStringLiteral("x"), QPixmap());
            window = notice.Window();
            QVERIFY(window);
        }
        QVERIFY(!window);
    }

    void textIsCentredAcrossTheWidthWithoutAnIcon()
    {
        CBusyNotice plain(QStringLiteral("Các ghi chú đã được lưu trữ thành công"), QPixmap());
        const QImage image = plain.Window()->grab().toImage();
        const QPair<int, int> ink = InkColumns(image, 0);
        QVERIFY(ink.first > 0);
        const int middle = (ink.first + ink.second) / 2;
        QVERIFY2(qAbs(middle - image.width() / 2) <= 3, qPrintable(QString::number(middle)));

        CBusyNotice withIcon(QStringLiteral("Các ghi chú đã được lưu trữ thành công"), LoadIconPixmap(IDI_WAIT));
        const QImage iconImage = withIcon.Window()->grab().toImage();
        const QPair<int, int> text = InkColumns(iconImage, 45);   // right of the icon's column
        const int textMiddle = (text.first + text.second) / 2;
        QVERIFY2(qAbs(textMiddle - (45 + iconImage.width()) / 2) <= 3, qPrintable(QString::number(textMiddle)));
        QVERIFY(QTest::qWaitForWindowExposed(withIcon.Window()));
        QVERIFY(SaveScreenshot(withIcon.Window(), QStringLiteral("busy-notice-test")));
    }
};

TALVOREN_GUI_TEST_MAIN(BusyNoticeTest)
#include "BusyNotice_test.moc"
