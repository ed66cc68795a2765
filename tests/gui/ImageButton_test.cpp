// The image button: take-over, icon and caption places, hover rules.

#include "gui/controls/ImageButton.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"

#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>

using namespace talvoren;

class ImageButtonTest : public QObject
{
    Q_OBJECT

private:
    QDialog* m_dialog = nullptr;
    CImageButton* m_button = nullptr;
    QPushButton* m_other = nullptr;

private slots:
    void init()
    {
        m_dialog = new QDialog;
        m_dialog->resize(300, 120);
        auto* ok = new QPushButton(QStringLiteral("&OK"), m_dialog);
        ok->setObjectName(QStringLiteral("button1"));
        ok->setGeometry(20, 20, 120, 40);
        ok->setDefault(true);
        m_other = new QPushButton(QStringLiteral("Other"), m_dialog);
        m_other->setGeometry(160, 20, 120, 40);
        QPointer<QPushButton> old(ok);
        m_button = CImageButton::TakeOver(ok);
        QVERIFY(!old);   // the old button is gone
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
        QTest::mouseMove(m_other, QPoint(7, 7));   // start with the pointer away from the button
        QTRY_VERIFY(m_other->underMouse());
    }

    void cleanup()
    {
        delete m_dialog;
        m_dialog = nullptr;
    }

    void takeOverKeepsPlaceCaptionAndDefault()
    {
        QCOMPARE(m_button->geometry(), QRect(20, 20, 120, 40));
        QCOMPARE(m_button->text(), QStringLiteral("&OK"));
        QCOMPARE(m_button->objectName(), QStringLiteral("button1"));
        QVERIFY(m_button->isDefault());
        QCOMPARE(m_button->parentWidget(), m_dialog);
    }

    void iconAndCaptionPlaces()
    {
        m_button->SetIcon(IDI_OK);
        QCOMPARE(m_button->IconSize(), QSize(32, 32));
        QCOMPARE(m_button->IconRect(QSize(120, 40)), QRect(3, 4, 32, 32));      // 3 from the left, centred
        QCOMPARE(m_button->CaptionRect(QSize(120, 40)), QRect(38, 0, 82, 40));  // right of icon + 3
        m_button->setText(QString());
        QCOMPARE(m_button->IconRect(QSize(120, 40)), QRect(44, 4, 32, 32));     // no caption: centred
        m_button->SetIcon(9999);                                                // no such icon
        QCOMPARE(m_button->IconSize(), QSize(0, 0));
        QCOMPARE(m_button->CaptionRect(QSize(120, 40)), QRect(0, 0, 120, 40));
    }

    void hoverStartsAndEndsWithThePointer()
    {
        QVERIFY(!m_button->IsHovering());
        QTest::mouseMove(m_button, QPoint(60, 20));
        QTRY_VERIFY(m_button->IsHovering());
        QTest::mouseMove(m_other, QPoint(60, 20));
        QTRY_VERIFY(!m_button->IsHovering());
    }

    void pressedAndReleasedInPlaceKeepsTheHoverLook()
    {
        QSignalSpy clicked(m_button, &QPushButton::clicked);
        QTest::mouseMove(m_button, QPoint(60, 20));
        QTRY_VERIFY(m_button->IsHovering());
        QTest::mouseClick(m_button, Qt::LeftButton, Qt::NoModifier, QPoint(60, 20));
        QCOMPARE(clicked.count(), 1);
        QVERIFY(m_button->IsHovering());
    }

    void aDoubleClickCountsTwice()
    {
        QSignalSpy clicked(m_button, &QPushButton::clicked);
        // What the platform delivers for a double click: press, release,
        // press, the double-click event, release.
        const QPoint at(60, 20);
        QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, at, 10);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(at), m_button->mapToGlobal(QPointF(at)),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_button, &doubleClick);
        QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, at, 10);
        QCOMPARE(clicked.count(), 2);
    }

    void aDisabledButtonShowsNoHoverAndPassesTheFocusOn()
    {
        QTest::mouseMove(m_button, QPoint(60, 20));
        QTRY_VERIFY(m_button->IsHovering());
        m_dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(m_dialog))
            QApplication::setActiveWindow(m_dialog);
        m_button->setFocus();
        QTRY_VERIFY(m_button->hasFocus());
        m_button->setEnabled(false);
        QVERIFY(!m_button->IsHovering());
        QVERIFY(!m_button->hasFocus());
        QTest::mouseMove(m_other, QPoint(10, 10));
        QTest::mouseMove(m_button, QPoint(60, 21));
        QTRY_VERIFY(m_button->underMouse());   // the pointer has arrived
        QVERIFY(!m_button->IsHovering());
    }

    void screenshot()
    {
        m_button->SetIcon(IDI_OK);
        m_button->setText(QStringLiteral("Lưu"));
        QTest::mouseMove(m_button, QPoint(60, 20));
        QTRY_VERIFY(m_button->IsHovering());
        QVERIFY(SaveScreenshot(m_dialog, QStringLiteral("image-button-test")));
    }
};

TALVOREN_GUI_TEST_MAIN(ImageButtonTest)
#include "ImageButton_test.moc"
