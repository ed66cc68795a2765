// The select-date dialog: today's choices, the year box and its arrows, the
// two ways to end it and what each hands over, and the captions and fonts.

#include "gui/controls/ImageButton.h"
#include "gui/dialogs/SelectDateDlg.h"
#include "gui/platform/AppContext.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>

using namespace talvoren;

class SelectDateDlgTest : public QObject
{
    Q_OBJECT

private:
    CAppContext m_context{"", CLanguageState(), false};

    std::unique_ptr<CSelectDateDlg> Open(const CIVILDATE& today)
    {
        auto dialog = std::make_unique<CSelectDateDlg>(m_context, today, nullptr);
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            return nullptr;
        return dialog;
    }

private slots:
    // Opened on 28 December: from day 28 of December, to day 4 of January,
    // the year of 28 December; show days at once hands those over.
    void the28DecemberExample()
    {
        auto dialog = Open({2002, 12, 28});
        QVERIFY(dialog);
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("2002"));
        QCOMPARE(dialog->FromDayList()->currentText(), QStringLiteral(" 28 "));
        QCOMPARE(dialog->FromMonthList()->currentText(), QStringLiteral("Tháng Mười Hai"));
        QCOMPARE(dialog->MonthList()->currentText(), QStringLiteral("Tháng Mười Hai"));
        QCOMPARE(dialog->ToDayList()->currentText(), QStringLiteral(" 4 "));
        QCOMPARE(dialog->ToMonthList()->currentText(), QStringLiteral("Tháng Giêng"));
        QVERIFY(dialog->MonthCalendarButton()->isChecked());
        QVERIFY(!dialog->TabularButton()->isChecked());

        QTest::mouseClick(dialog->ShowDaysButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(IDOK));
        const DATESELECTION& choice = dialog->Selection();
        QCOMPARE(choice.nMode, 1);
        QCOMPARE(choice.nYear, 2002);
        QCOMPARE(choice.nMonth, 12);
        QCOMPARE(choice.nFromDay, 28);
        QCOMPARE(choice.nToMonth, 1);
        QCOMPARE(choice.nToDay, 4);
        QCOMPARE(choice.nTabular, 0);
    }

    void theListsAndCaptions()
    {
        auto dialog = Open({2003, 3, 15});
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Select "));
        QCOMPARE(dialog->FromDayList()->count(), 31);
        QCOMPARE(dialog->ToDayList()->itemText(0), QStringLiteral(" 1 "));
        QCOMPARE(dialog->ToDayList()->itemText(30), QStringLiteral(" 31 "));
        const QStringList months = {"Tháng Giêng", "Tháng Hai", "Tháng Ba",  "Tháng Tư",   "Tháng Năm",
                                    "Tháng Sáu",   "Tháng Bảy", "Tháng Tám", "Tháng Chín", "Tháng Mười",
                                    "Tháng Mười Một", "Tháng Mười Hai"};
        for (QComboBox* list : {dialog->MonthList(), dialog->FromMonthList(), dialog->ToMonthList()}) {
            QStringList shown;
            for (int i = 0; i < list->count(); ++i)
                shown << list->itemText(i);
            QCOMPARE(shown, months);
        }
        QCOMPARE(dialog->MonthList()->currentIndex(), 2);
        QCOMPARE(dialog->ToDayList()->currentText(), QStringLiteral(" 22 "));

        const struct { const char* name; const char* text; } captions[] = {
            {"frame1014", " Lựa Chọn "}, {"radio1010", "Lịch Sổ"},       {"radio1011", "Lịch Treo Tường"},
            {"label1007", " Năm "},      {"frame1008", " Chọn Tháng "},  {"frame1009", " Chọn Ngày "},
            {"button1", " Chọn Tháng "}, {"button1015", " Chọn Ngày "}, {"button2", " Ngưng "},
        };
        const QString vietnameseFamily = m_context.VietnameseFont().family();
        for (const auto& caption : captions) {
            QWidget* widget = dialog->findChild<QWidget*>(QString::fromLatin1(caption.name));
            QVERIFY2(widget, caption.name);
            QString text;
            if (auto* frame = qobject_cast<QGroupBox*>(widget))
                text = frame->title();
            else if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text();
            QCOMPARE(text, QString::fromUtf8(caption.text));
            QCOMPARE(widget->font().family(), vietnameseFamily);
        }
        // The year box and the day lists keep the dialog's font.
        QCOMPARE(dialog->YearBox()->font(), dialog->font());
        QCOMPARE(dialog->FromDayList()->font(), dialog->font());
        QVERIFY(qobject_cast<CImageButton*>(dialog->ShowDaysButton()));
        QVERIFY(qobject_cast<CImageButton*>(dialog->OkButton()));
        QVERIFY(dialog->OkButton()->isDefault());
        QVERIFY(SaveScreenshot(dialog.get(), QStringLiteral("select-date-dialog")));
    }

    void theArrowsMoveTheYearByOne()
    {
        auto dialog = Open({2003, 3, 15});
        QVERIFY(dialog);
        dialog->YearBox()->setText(QStringLiteral("2002"));
        for (int press = 0; press < 3; ++press)
            QTest::mouseClick(dialog->UpArrow(), Qt::LeftButton);
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("2005"));
        dialog->YearBox()->clear();
        QTest::keyClicks(dialog->YearBox(), QStringLiteral("19"));
        QTest::mouseClick(dialog->DownArrow(), Qt::LeftButton);
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("18"));
        dialog->YearBox()->setText(QStringLiteral("0"));
        QTest::mouseClick(dialog->DownArrow(), Qt::LeftButton);   // no limit
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("-1"));
    }

    void theYearBoxTakesDigitsOnly()
    {
        auto dialog = Open({2003, 3, 15});
        QVERIFY(dialog);
        dialog->YearBox()->clear();
        QTest::keyClicks(dialog->YearBox(), QStringLiteral("2a0-0x4 "));
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("2004"));
    }

    // OK takes the month list and ignores the days frame.
    void okHandsOverTheMonth()
    {
        auto dialog = Open({2003, 3, 15});
        QVERIFY(dialog);
        dialog->MonthList()->setCurrentIndex(4);
        dialog->FromMonthList()->setCurrentIndex(9);
        QTest::mouseClick(dialog->TabularButton(), Qt::LeftButton);
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(IDOK));
        QCOMPARE(dialog->Selection().nMode, 0);
        QCOMPARE(dialog->Selection().nMonth, 5);
        QCOMPARE(dialog->Selection().nYear, 2003);
        QCOMPARE(dialog->Selection().nTabular, 1);
    }

    // Refused with a message that names the fault; the dialog stays open.
    void refusesImpossibleDatesAndYears_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("showDays");
        QTest::addColumn<int>("fromDay");    // list indexes: day - 1, month - 1
        QTest::addColumn<int>("fromMonth");
        QTest::addColumn<QString>("message");   // "" = accepted
        QTest::newRow("year 12000") << "12000" << false << 0 << 0 << "1583 to 9999";
        QTest::newRow("year 1582") << "1582" << true << 0 << 0 << "1583 to 9999";
        QTest::newRow("empty year") << "" << false << 0 << 0 << "1583 to 9999";
        QTest::newRow("31 February") << "2026" << true << 30 << 1 << "31/2/2026 does not exist";
        QTest::newRow("29 February 2024") << "2024" << true << 28 << 1 << "";
        QTest::newRow("1583") << "1583" << false << 0 << 0 << "";
    }

    void refusesImpossibleDatesAndYears()
    {
        QFETCH(QString, year);
        QFETCH(bool, showDays);
        QFETCH(int, fromDay);
        QFETCH(int, fromMonth);
        QFETCH(QString, message);
        CRecordingMessageSink messages;
        auto dialog = Open({2026, 3, 15});
        QVERIFY(dialog);
        dialog->YearBox()->setText(year);
        dialog->FromDayList()->setCurrentIndex(fromDay);
        dialog->FromMonthList()->setCurrentIndex(fromMonth);
        dialog->ToMonthList()->setCurrentIndex(11);
        QTest::mouseClick(showDays ? dialog->ShowDaysButton() : dialog->OkButton(), Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(messages.Messages().empty());
            QCOMPARE(dialog->result(), int(IDOK));
            return;
        }
        QCOMPARE(messages.Messages().size(), std::size_t(1));
        QVERIFY2(QString::fromStdString(messages.Messages()[0]).contains(message), messages.Messages()[0].c_str());
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->SpanNote()->text().contains(QStringLiteral("both included")));
    }

    // Opened on the page on display: its month, year and kind.
    void opensOnThePageShown()
    {
        auto dialog = Open({2026, 12, 8});
        QVERIFY(dialog);
        dialog->OpenOn(2031, 2, true);
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("2031"));
        QCOMPARE(dialog->MonthList()->currentIndex(), 1);
        QCOMPARE(dialog->ToDayList()->currentText(), QStringLiteral(" 28 "));
        QVERIFY(dialog->TabularButton()->isChecked());
    }

    // Show days ignores the month list.
    void showDaysIgnoresTheMonthList()
    {
        auto dialog = Open({2003, 3, 15});
        QVERIFY(dialog);
        dialog->MonthList()->setCurrentIndex(11);
        dialog->FromDayList()->setCurrentIndex(30);
        dialog->ToMonthList()->setCurrentIndex(1);
        QTest::mouseClick(dialog->ShowDaysButton(), Qt::LeftButton);
        const DATESELECTION& choice = dialog->Selection();
        QCOMPARE(choice.nMode, 1);
        QCOMPARE(choice.nMonth, 3);
        QCOMPARE(choice.nFromDay, 31);
        QCOMPARE(choice.nToMonth, 2);
        QCOMPARE(choice.nToDay, 22);
        QCOMPARE(choice.nYear, 2003);
    }

    void cancelEndsWithCancel()
    {
        auto dialog = Open({2003, 3, 15});
        QVERIFY(dialog);
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(IDCANCEL));
        auto escaped = Open({2003, 3, 15});
        QVERIFY(escaped);
        QTest::keyClick(escaped.get(), Qt::Key_Escape);
        QCOMPARE(escaped->result(), int(IDCANCEL));
    }
};

TALVOREN_GUI_TEST_MAIN(SelectDateDlgTest)
#include "SelectDateDlg_test.moc"
