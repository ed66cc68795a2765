#pragma once
// The day dialog: one day like a leaf of a tear-off calendar, in the page
// day.htm, with buttons to close and to move to the next and previous day.
// The dialog computes the years it shows with an engine of its own over the
// shared language data, so that stepping across a year's end never changes
// the year that the main view holds.

#include "base/CivilDate.h"
#include "engine/LiturgicalYear.h"
#include "shell/PageRenderers.h"

#include <QDialog>
#include <QFont>
#include <functional>
#include <string>

namespace talvoren
{
class CAppContext;
class CHtmlViewDlg;
class CImageButton;

class CDayDlg : public QDialog
{
    Q_OBJECT

public:
    using DayPageBuilder = decltype(PAGERENDERERS::dayPage);

    // `languageData` is the main view's and must outlive the dialog; `build`
    // makes the day's fragment; the context's program folder holds Html/day.htm.
    CDayDlg(CLanguageDataLoader& languageData, DayPageBuilder build, const CAppContext& context, QWidget* parent);

    // Builds the fragment of the current date and puts it into "Content".
    void BuildDayPage();

    void OnNext();
    void OnPrev();

    const CIVILDATE& CurrentDate() const { return m_date; }
    void SetCurrentDate(const CIVILDATE& date) { m_date = date; }
    // The day the page opens on (today unless set); a reload of the page
    // returns to today.
    void SetStartDate(const CIVILDATE& date) { m_startDate = date; }
    CHtmlViewDlg* PageView() const { return m_pPage; }
    CImageButton* Button(int id) const;
    const CLiturgicalYear& Year() const { return m_year; }

signals:
    // A day's page has been handed to the page view.
    void DayPageBuilt();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnDocumentComplete();

    CLiturgicalYear m_year;
    DayPageBuilder m_build;
    CHtmlViewDlg* m_pPage = nullptr;
    CImageButton* m_pClose = nullptr;
    CImageButton* m_pNext = nullptr;
    CImageButton* m_pPrev = nullptr;
    CIVILDATE m_date;
    CIVILDATE m_startDate;   // year 0: today
};

} // namespace talvoren
