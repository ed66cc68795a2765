#include "gui/dialogs/SelectDateDlg.h"

#include "gui/controls/ImageButton.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "platform/MessageSink.h"
#include "platform/VietnameseFontText.h"
#include "gui/resources/InterfaceText.h"
#include "resources/DialogCaptions.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QValidator>

namespace talvoren
{
namespace
{
// The year box takes digits only. A minus sign that the arrows put in front
// of the year (below year 0) may stay while the digits are edited.
class CYearValidator : public QValidator
{
public:
    explicit CYearValidator(QLineEdit* box) : QValidator(box), m_pBox(box) {}

    State validate(QString& input, int&) const override
    {
        QString digits = input;
        if (digits.startsWith(QLatin1Char('-')) && m_pBox->text().startsWith(QLatin1Char('-')))
            digits.remove(0, 1);
        return IsDigitsOnly(digits.toStdString()) ? Acceptable : Invalid;
    }

private:
    QLineEdit* m_pBox;
};
}

CSelectDateDlg::CSelectDateDlg(const CAppContext& context, QWidget* parent) : QDialog(parent)
{
    Build(TodayLocal(), context.VietnameseFont());
}

CSelectDateDlg::CSelectDateDlg(const CAppContext& context, const CIVILDATE& today, QWidget* parent)
    : QDialog(parent)
{
    Build(today, context.VietnameseFont());
}

void CSelectDateDlg::Build(const CIVILDATE& today, const QFont& vietnamese)
{
    // Template 131: " Select ", 250 x 150 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setWindowTitle(tr(" Select "));
    // Below the template's 150 units: one line that says how a span ends.
    setFixedSize(DialogUnitsToPixels(templateFont, 250, 162));
    auto place = [&templateFont](QWidget* widget, const QString& name, int x, int y, int w, int h) {
        widget->setObjectName(name);
        widget->setGeometry(DialogUnitsToPixels(templateFont, x, y, w, h));
    };

    auto* kindFrame = new QGroupBox(this);
    place(kindFrame, QStringLiteral("frame%1").arg(IDC_SELECT_KINDFRAME), 7, 6, 236, 33);
    m_pMonthCalendar = new QRadioButton(this);
    place(m_pMonthCalendar, QStringLiteral("radio%1").arg(IDC_SELECT_MONTHCALENDAR), 16, 19, 41, 10);
    m_pTabular = new QRadioButton(this);
    place(m_pTabular, QStringLiteral("radio%1").arg(IDC_SELECT_TABULAR), 104, 19, 54, 10);
    auto* yearLabel = new QLabel(this);
    place(yearLabel, QStringLiteral("label%1").arg(IDC_SELECT_YEARLABEL), 14, 43, 27, 10);
    auto* monthFrame = new QGroupBox(this);
    place(monthFrame, QStringLiteral("frame%1").arg(IDC_SELECT_MONTHFRAME), 52, 43, 191, 41);
    m_pYear = new QLineEdit(this);
    place(m_pYear, QStringLiteral("edit%1").arg(IDC_SELECT_YEAR), 14, 60, 23, 12);
    m_pYear->setValidator(new CYearValidator(m_pYear));

    // The year arrows: an up-down control without a buddy, two arrow buttons.
    auto* arrows = new QWidget(this);
    place(arrows, QStringLiteral("updown%1").arg(IDC_SELECT_ARROWS), 38, 59, 10, 14);
    const QSize half(arrows->width(), arrows->height() / 2);
    m_pUp = new QToolButton(arrows);
    m_pUp->setArrowType(Qt::UpArrow);
    m_pUp->setGeometry(QRect(QPoint(0, 0), half));
    m_pDown = new QToolButton(arrows);
    m_pDown->setArrowType(Qt::DownArrow);
    m_pDown->setGeometry(QRect(QPoint(0, half.height()), QSize(half.width(), arrows->height() - half.height())));
    for (QToolButton* arrow : {m_pUp, m_pDown}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_pUp, &QToolButton::clicked, this, [this]() { OnYearArrow(-1); });
    connect(m_pDown, &QToolButton::clicked, this, [this]() { OnYearArrow(+1); });

    m_pMonth = new QComboBox(this);
    place(m_pMonth, QStringLiteral("combo%1").arg(IDC_SELECT_MONTH), 58, 60, 116, 14);
    auto* daysFrame = new QGroupBox(this);
    place(daysFrame, QStringLiteral("frame%1").arg(IDC_SELECT_DAYSFRAME), 7, 87, 236, 56);
    m_pFromDay = new QComboBox(this);
    place(m_pFromDay, QStringLiteral("combo%1").arg(IDC_SELECT_FROMDAY), 14, 100, 27, 14);
    m_pFromMonth = new QComboBox(this);
    place(m_pFromMonth, QStringLiteral("combo%1").arg(IDC_SELECT_FROMMONTH), 58, 100, 116, 14);
    m_pToDay = new QComboBox(this);
    place(m_pToDay, QStringLiteral("combo%1").arg(IDC_SELECT_TODAY), 14, 121, 27, 14);
    m_pToMonth = new QComboBox(this);
    place(m_pToMonth, QStringLiteral("combo%1").arg(IDC_SELECT_TOMONTH), 58, 121, 116, 14);

    auto* ok = new QPushButton(StandardButtonText("OK"), this);
    place(ok, QStringLiteral("button%1").arg(IDOK), 182, 59, 55, 19);
    ok->setDefault(true);
    auto* showDays = new QPushButton(QStringLiteral("Button1"), this);
    place(showDays, QStringLiteral("button%1").arg(IDC_SELECT_SHOWDAYS), 182, 109, 55, 19);
    auto* cancel = new QPushButton(StandardButtonText("Cancel"), this);
    place(cancel, QStringLiteral("button%1").arg(IDCANCEL), 182, 13, 55, 19);
    m_pSpanNote = new QLabel(tr("A span shows every day from the first to the last, both included."), this);
    place(m_pSpanNote, QStringLiteral("spanNote"), 9, 146, 236, 11);
    // The frames stay behind the controls they surround.
    for (QGroupBox* frame : {kindFrame, monthFrame, daysFrame})
        frame->lower();

    // Today's choices.
    const SELECTDATEDEFAULTS defaults = SelectDateDefaults(today);
    m_pYear->setText(QString::number(defaults.nYear));
    for (int day = 1; day <= 31; ++day) {
        const QString text = QStringLiteral(" %1 ").arg(day);
        m_pFromDay->addItem(text);
        m_pToDay->addItem(text);
    }
    m_pFromDay->setCurrentIndex(defaults.nFromDay - 1);
    for (QComboBox* list : {m_pFromMonth, m_pMonth, m_pToMonth})
        list->setFont(vietnamese);
    for (int i = 0; kMonthCaptions[i]; ++i)
        for (QComboBox* list : {m_pFromMonth, m_pToMonth, m_pMonth})
            list->addItem(CaptionText(kMonthCaptions[i]));
    m_pFromMonth->setCurrentIndex(defaults.nMonth - 1);
    m_pMonth->setCurrentIndex(defaults.nMonth - 1);
    m_pToDay->setCurrentIndex(defaults.nToDay - 1);
    m_pToMonth->setCurrentIndex(defaults.nToMonth - 1);

    const struct { QWidget* widget; const char16_t* caption; } captions[] = {
        {yearLabel, kYearLabelCaption},        {monthFrame, kChooseMonthCaption},
        {daysFrame, kChooseDaysCaption},       {kindFrame, kKindFrameCaption},
        {showDays, kChooseDaysCaption},        {m_pMonthCalendar, kMonthCalendarCaption},
        {m_pTabular, kTabularCaption},         {ok, kChooseMonthCaption},
        {cancel, kSelectCancelCaption},
    };
    for (const auto& caption : captions) {
        caption.widget->setFont(vietnamese);
        const QString text = CaptionText(caption.caption);
        if (auto* frame = qobject_cast<QGroupBox*>(caption.widget))
            frame->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(caption.widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(caption.widget))
            button->setText(text);
    }
    m_pMonthCalendar->setChecked(true);
    for (QWidget* control : {static_cast<QWidget*>(yearLabel), static_cast<QWidget*>(m_pMonthCalendar),
                             static_cast<QWidget*>(m_pTabular)})
        WidenToCaption(control);

    CImageButton* imageOk = CImageButton::TakeOver(ok);
    imageOk->SetIcon(IDI_OK);
    CImageButton* imageCancel = CImageButton::TakeOver(cancel);
    imageCancel->SetIcon(IDI_CANCEL);
    CImageButton* imageShowDays = CImageButton::TakeOver(showDays);
    imageShowDays->SetIcon(IDI_SHOWDAYS);
    m_pOk = imageOk;
    m_pCancel = imageCancel;
    m_pShowDays = imageShowDays;
    connect(m_pOk, &QPushButton::clicked, this, &CSelectDateDlg::accept);
    connect(m_pShowDays, &QPushButton::clicked, this, &CSelectDateDlg::OnShowDays);
    connect(m_pCancel, &QPushButton::clicked, this, &CSelectDateDlg::reject);
}

void CSelectDateDlg::OnYearArrow(int proposedChange)
{
    m_pYear->setText(QString::fromStdString(StepYearText(m_pYear->text().toStdString(), proposedChange)));
}

void CSelectDateDlg::OpenOn(int year, int month, bool tabular)
{
    if (year < 1 || month < 1 || month > 12)
        return;
    m_pYear->setText(QString::number(year));
    m_pMonth->setCurrentIndex(month - 1);
    m_pFromMonth->setCurrentIndex(month - 1);
    m_pFromDay->setCurrentIndex(0);
    m_pToMonth->setCurrentIndex(month - 1);
    m_pToDay->setCurrentIndex(DaysInMonth(year, month) - 1);
    (tabular ? m_pTabular : m_pMonthCalendar)->setChecked(true);
}

bool CSelectDateDlg::Accepts(const DATESELECTION& selection)
{
    QString text;
    switch (CheckDateSelection(selection)) {
    case DateSelectionProblem::None:
        return true;
    case DateSelectionProblem::YearOutOfRange:
        text = tr("The calendar covers the years 1583 to 9999. Please choose a year in that range.");
        break;
    case DateSelectionProblem::ImpossibleFromDay:
        text = tr("%1/%2/%3 does not exist: that month has only %4 days.")
                   .arg(selection.nFromDay).arg(selection.nMonth).arg(selection.nYear)
                   .arg(DaysInMonth(selection.nYear, selection.nMonth));
        break;
    case DateSelectionProblem::ImpossibleToDay:
        text = tr("%1/%2/%3 does not exist: that month has only %4 days.")
                   .arg(selection.nToDay).arg(selection.nToMonth).arg(selection.nYear)
                   .arg(DaysInMonth(selection.nYear, selection.nToMonth));
        break;
    }
    ShowMessage(text.toStdString(), MessageIcon::Stop);
    return false;
}

void CSelectDateDlg::accept()
{
    const DATESELECTION selection = MonthSelection(m_pMonth->currentIndex(), m_pYear->text().toStdString(),
                                                   m_pTabular->isChecked() ? 1 : 0);
    if (!Accepts(selection))
        return;
    m_selection = selection;
    done(IDOK);
}

void CSelectDateDlg::OnShowDays()
{
    const DATESELECTION selection = DaysSelection(m_pFromMonth->currentIndex(), m_pFromDay->currentIndex(),
                                                  m_pToMonth->currentIndex(), m_pToDay->currentIndex(),
                                                  m_pYear->text().toStdString(), m_pTabular->isChecked() ? 1 : 0);
    if (!Accepts(selection))
        return;
    m_selection = selection;
    done(IDOK);
}

void CSelectDateDlg::reject()
{
    done(IDCANCEL);
}

} // namespace talvoren

#include "moc_SelectDateDlg.cpp"
