#pragma once
// The select-date dialog: a whole month of a year (OK), or a span of days
// within a year (show days), shown as the month calendar or the tabular
// calendar page. It only collects the choice; the view computes the year and
// shows the page.

#include "dialogs/SelectDateChoice.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace talvoren
{
class CAppContext;

class CSelectDateDlg : public QDialog
{
    Q_OBJECT

public:
    // Opens on today's local date; captions in the context's Vietnamese font.
    explicit CSelectDateDlg(const CAppContext& context, QWidget* parent = nullptr);
    // Opens on `today` (for a caller that knows the date).
    CSelectDateDlg(const CAppContext& context, const CIVILDATE& today, QWidget* parent);

    // Opens on the page on display: `month` of `year` in the month lists,
    // the wall calendar checked when `tabular`.
    void OpenOn(int year, int month, bool tabular);

    // The choice, valid after the dialog ended with IDOK.
    const DATESELECTION& Selection() const { return m_selection; }

    QLineEdit* YearBox() const { return m_pYear; }
    QToolButton* UpArrow() const { return m_pUp; }
    QToolButton* DownArrow() const { return m_pDown; }
    QComboBox* MonthList() const { return m_pMonth; }
    QComboBox* FromDayList() const { return m_pFromDay; }
    QComboBox* FromMonthList() const { return m_pFromMonth; }
    QComboBox* ToDayList() const { return m_pToDay; }
    QComboBox* ToMonthList() const { return m_pToMonth; }
    QRadioButton* MonthCalendarButton() const { return m_pMonthCalendar; }
    QRadioButton* TabularButton() const { return m_pTabular; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* ShowDaysButton() const { return m_pShowDays; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QLabel* SpanNote() const { return m_pSpanNote; }

    // One press of the year arrows: the control proposes -1 for the up arrow
    // and +1 for the down arrow; the year box takes its value minus that.
    void OnYearArrow(int proposedChange);
    // OK (show the month) and show days. A year outside 1583..9999 or a day
    // its month does not have is refused with a message naming the fault;
    // the dialog then stays open.
    void accept() override;
    void OnShowDays();
    void reject() override;

private:
    void Build(const CIVILDATE& today, const QFont& vietnamese);
    // Shows why `selection` is refused and returns false, or returns true.
    bool Accepts(const DATESELECTION& selection);

    DATESELECTION m_selection;
    QLineEdit* m_pYear = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    QComboBox* m_pMonth = nullptr;
    QComboBox* m_pFromDay = nullptr;
    QComboBox* m_pFromMonth = nullptr;
    QComboBox* m_pToDay = nullptr;
    QComboBox* m_pToMonth = nullptr;
    QRadioButton* m_pMonthCalendar = nullptr;
    QRadioButton* m_pTabular = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pShowDays = nullptr;
    QPushButton* m_pCancel = nullptr;
    QLabel* m_pSpanNote = nullptr;
};

} // namespace talvoren
