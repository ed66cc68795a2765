#include "gui/pages/DayDlg.h"

#include "gui/controls/BusyNotice.h"
#include "gui/controls/ImageButton.h"
#include "gui/pages/HtmlViewDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "gui/resources/InterfaceText.h"
#include "platform/MessageSink.h"
#include "platform/SystemPaths.h"
#include "resources/EncodedCaptions.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

namespace talvoren
{
CDayDlg::CDayDlg(CLanguageDataLoader& languageData, DayPageBuilder build, const CAppContext& context,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint), m_year(languageData), m_build(std::move(build))
{
    // Template 134: no caption bar, 250 x 309 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setFixedSize(DialogUnitsToPixels(templateFont, 250, 309));

    struct BUTTON { int id; const char* text; int x; };
    const BUTTON buttons[] = {{IDOK, QT_TR_NOOP("&Close"), 100}, {IDC_NEXT, QT_TR_NOOP("&Next"), 165},
                              {IDC_PREV, QT_TR_NOOP("&Prev"), 35}};
    QPushButton* made[3] = {};
    for (int i = 0; i < 3; ++i) {
        made[i] = new QPushButton(tr(buttons[i].text), this);
        made[i]->setObjectName(QStringLiteral("button%1").arg(buttons[i].id));
        made[i]->setGeometry(DialogUnitsToPixels(templateFont, buttons[i].x, 286, 50, 20));
        made[i]->setAutoDefault(false);
    }
    made[0]->setDefault(true);
    auto* placeholder = new QFrame(this);
    placeholder->setObjectName(QStringLiteral("control%1").arg(IDC_PLACEHOLDER));
    placeholder->setGeometry(DialogUnitsToPixels(templateFont, 2, 1, 246, 283));

    const std::string path = JoinPath(context.ProgramFolder(), "Html/day.htm");
    if (!PathExists(path)) {
        ShowFileNotFound(path);   // the dialog stays, with its buttons and no page
        m_pClose = CImageButton::TakeOver(made[0]);
        m_pNext = CImageButton::TakeOver(made[1]);
        m_pPrev = CImageButton::TakeOver(made[2]);
    } else {
        m_pPage = CreateHtmlViewDlg(this, placeholder->geometry(), QString::fromStdString(path),
                                    [&languageData]() { return languageData.Current(); });
        connect(m_pPage, &CHtmlViewDlg::DocumentComplete, this, &CDayDlg::OnDocumentComplete);

        const struct { QPushButton* button; CImageButton** target; int icon; const char16_t* caption; } looks[] = {
            {made[0], &m_pClose, IDI_CANCEL, kDayCloseCaption},
            {made[1], &m_pNext, IDI_NEXT, kDayNextCaption},
            {made[2], &m_pPrev, IDI_PREV, kDayPrevCaption},
        };
        for (const auto& look : looks) {
            CImageButton* button = CImageButton::TakeOver(look.button);
            button->SetIcon(look.icon);
            button->setFont(context.VietnameseFont());
            button->setText(CaptionText(look.caption));
            *look.target = button;
        }
    }
    connect(m_pClose, &QPushButton::clicked, this, [this]() { done(IDOK); });
    connect(m_pNext, &QPushButton::clicked, this, &CDayDlg::OnNext);
    connect(m_pPrev, &QPushButton::clicked, this, &CDayDlg::OnPrev);
}

CImageButton* CDayDlg::Button(int id) const
{
    switch (id) {
    case IDOK: return m_pClose;
    case IDC_NEXT: return m_pNext;
    case IDC_PREV: return m_pPrev;
    default: return nullptr;
    }
}

void CDayDlg::OnDocumentComplete()
{
    // The first page is the start date's (today's unless one was set); the
    // page after a reload is today's.
    m_date = m_startDate.nYear != 0 ? m_startDate : TodayLocal();
    m_startDate = CIVILDATE();
    BuildDayPage();
}

void CDayDlg::OnNext()
{
    m_date = AddDays(m_date, 1);
    BuildDayPage();
}

void CDayDlg::OnPrev()
{
    m_date = AddDays(m_date, -1);
    BuildDayPage();
}

void CDayDlg::BuildDayPage()
{
    if (!m_pPage || !m_build || m_date.nYear == 0)
        return;   // no page to receive the fragment
    std::string html;
    {
        CBusyNotice notice(QCoreApplication::translate(kStringTableContext, kWaitText), IDI_WAIT);
        m_year.ComputeYear(m_date.nYear);
        html = m_build(m_year.Table(), m_year.Titles(), m_date);
    }
    m_pPage->SetElementHtml(QStringLiteral("Content"), QString::fromStdString(html));
    emit DayPageBuilt();
}

void CDayDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape carries the command id of Next: it moves to the next day and
    // never closes the dialog. Right and Page Down move a day on, Left and
    // Page Up a day back.
    if (event->modifiers() == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Right:
        case Qt::Key_PageDown:
            OnNext();
            return;
        case Qt::Key_Left:
        case Qt::Key_PageUp:
            OnPrev();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace talvoren

#include "moc_DayDlg.cpp"
