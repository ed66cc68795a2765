#include "gui/dialogs/NotesDlg.h"

#include "gui/controls/BusyNotice.h"
#include "gui/controls/EditListCtrl.h"
#include "gui/controls/ImageButton.h"
#include "gui/controls/InPlaceEdit.h"
#include "gui/platform/AppContext.h"
#include "gui/platform/DialogUnits.h"
#include "platform/MessageSink.h"
#include "resources/DialogIds.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QThread>
#include <algorithm>

namespace talvoren
{
CNotesDlg::CNotesDlg(const CAppContext& context, QWidget* parent)
    : QDialog(parent), m_strNotesPath(CNotesFile::NotesPath(context.DataFolders().strUser)),
      m_strShippedNotesPath(context.DataFolders().IsSplit() ? CNotesFile::NotesPath(context.DataFolders().strShipped)
                                                            : std::string())
{
    // Template 138: " Notes", 376 x 188 dialog units.
    const QFont templateFont = DialogTemplateFont();
    setFont(templateFont);
    setWindowTitle(tr(" Notes"));
    setFixedSize(DialogUnitsToPixels(templateFont, 376, 188));

    m_pList = new CEditListCtrl(this);
    m_pList->setObjectName(QStringLiteral("list%1").arg(IDC_NOTES_LIST));
    m_pList->setGeometry(DialogUnitsToPixels(templateFont, 7, 7, 362, 146));
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* remove = new QPushButton(tr("&Delete"), this);
    remove->setObjectName(QStringLiteral("button%1").arg(IDC_NOTES_DELETE));
    remove->setGeometry(DialogUnitsToPixels(templateFont, 187, 158, 50, 23));
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("button%1").arg(IDCANCEL));
    cancel->setGeometry(DialogUnitsToPixels(templateFont, 253, 158, 50, 23));
    auto* save = new QPushButton(tr("&Save"), this);
    save->setObjectName(QStringLiteral("button%1").arg(IDOK));
    save->setGeometry(DialogUnitsToPixels(templateFont, 319, 158, 50, 23));
    save->setDefault(true);

    // Grid lines and whole rows; then the list's own set-up.
    m_pList->setShowGrid(true);
    m_pList->SetUp();

    // Day and month a tenth of the list's width each, the text the rest.
    const int w = m_pList->width() - 3;
    m_pList->setColumnCount(3);
    m_pList->setHorizontalHeaderLabels({tr("Ngày"), tr("Tháng"), tr("Ghi Chú")});
    for (int column = 0; column < 3; ++column)
        m_pList->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pList->setColumnWidth(0, w / 10);
    m_pList->setColumnWidth(1, w / 10);
    m_pList->setColumnWidth(2, w * 8 / 10);
    m_pList->SetColumnKind(0, CEditListCtrl::kDigits);
    m_pList->SetColumnKind(1, CEditListCtrl::kDigits);
    m_pList->SetColumnKind(2, CEditListCtrl::kText);
    m_pList->setFont(context.ListFont());
    // Rows as high as a line of the list font, so that ten rows fit.
    m_pList->verticalHeader()->setMinimumSectionSize(1);
    m_pList->verticalHeader()->setDefaultSectionSize(m_pList->fontMetrics().height() + 3);

    LoadNotes();

    CImageButton* imageCancel = CImageButton::TakeOver(cancel);
    imageCancel->SetIcon(IDI_CANCEL);
    CImageButton* imageSave = CImageButton::TakeOver(save);
    imageSave->SetIcon(IDI_OK);
    CImageButton* imageDelete = CImageButton::TakeOver(remove);
    imageDelete->SetIcon(IDI_DELETE);
    m_pCancel = imageCancel;
    m_pSave = imageSave;
    m_pDelete = imageDelete;
    m_pSave->setEnabled(m_loadError.Empty());

    connect(m_pSave, &QPushButton::clicked, this, &CNotesDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CNotesDlg::reject);
    connect(m_pDelete, &QPushButton::clicked, this, &CNotesDlg::OnDelete);
    connect(m_pList, &CEditListCtrl::BeginLabelEdit, this, &CNotesDlg::OnBeginLabelEdit);
}

void CNotesDlg::LoadNotes()
{
    NOTESTEXT notes;
    const NOTESLOAD load = CNotesFile::Load(m_strNotesPath, notes, m_strShippedNotesPath);   // none: empty rows, no message
    m_loadError = load.error;
    if (!load.bLoaded)
        ShowMessage(m_loadError, MessageIcon::Stop);
    m_leadingLines = notes.leading;
    std::vector<NOTEROW>& rows = notes.rows;
    CNotesFile::PadRows(rows);
    m_pList->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const NOTEROW& note = rows[static_cast<std::size_t>(row)];
        m_pList->SetCellText(row, 0, QString::fromStdString(note.strDay));
        m_pList->SetCellText(row, 1, QString::fromStdString(note.strMonth));
        m_pList->SetCellText(row, 2, QString::fromStdString(note.strText));
        // The lines the list does not show travel with their row.
        QStringList following;
        for (const std::string& line : note.following)
            following << QString::fromStdString(line);
        if (QTableWidgetItem* day = m_pList->item(row, 0))
            day->setData(Qt::UserRole, following);
    }
}

std::vector<NOTEROW> CNotesDlg::Rows() const
{
    std::vector<NOTEROW> rows;
    for (int row = 0; row < m_pList->rowCount(); ++row) {
        NOTEROW note{m_pList->CellText(row, 0).toStdString(), m_pList->CellText(row, 1).toStdString(),
                     m_pList->CellText(row, 2).toStdString()};
        if (const QTableWidgetItem* day = m_pList->item(row, 0))
            for (const QString& line : day->data(Qt::UserRole).toStringList())
                note.following.push_back(line.toStdString());
        rows.push_back(std::move(note));
    }
    return rows;
}

void CNotesDlg::OnBeginLabelEdit(int row, int column, const QString& text)
{
    // Making the box takes the focus, which ends any other open box first.
    auto* editor = new CInPlaceEdit(row, column, text, m_pList->GetColumnKind(column), m_pList);
    editor->setObjectName(QStringLiteral("edit%1").arg(IDC_NOTES_EDITOR));
    m_pEditor = editor;
    connect(editor, &CInPlaceEdit::EndLabelEdit, this, &CNotesDlg::OnEndLabelEdit);
    m_pList->EditCell(editor, row, column);
    editor->SizeToText();
}

void CNotesDlg::OnEndLabelEdit(int row, int column, const QString& text, bool cancelled)
{
    auto* editor = qobject_cast<CInPlaceEdit*>(sender());
    if (!cancelled)
        m_pList->SetCellText(row, column, text);
    if (editor == m_pEditor)
        m_pEditor = nullptr;
    if (editor) {
        editor->hide();
        editor->deleteLater();
    }
}

void CNotesDlg::OnDelete()
{
    for (;;) {
        const QModelIndexList selected = m_pList->selectionModel()->selectedRows();
        if (selected.isEmpty())
            break;
        int first = selected.front().row();
        for (const QModelIndex& index : selected)
            first = std::min(first, index.row());
        m_pList->removeRow(first);
    }
}

void CNotesDlg::accept()
{
    // A box still open (Save reached by its mnemonic) stores its text first.
    if (m_pEditor)
        m_pList->setFocus(Qt::OtherFocusReason);
    if (m_pEditor) {
        CInPlaceEdit* editor = m_pEditor;
        m_pEditor = nullptr;
        if (!editor->IsCancelled())
            m_pList->SetCellText(editor->Row(), editor->Column(), editor->toPlainText());
        disconnect(editor, nullptr, this, nullptr);
        editor->hide();
        editor->deleteLater();
    }

    if (!m_loadError.Empty()) {
        ShowMessage(m_loadError, MessageIcon::Stop);
        return;   // the unread file is never replaced
    }
    MESSAGETEXT error;
    if (!CNotesFile::Save(m_strNotesPath, NOTESTEXT{m_leadingLines, Rows()}, &error)) {
        ShowMessage(error, MessageIcon::Stop);
        return;   // the rows stay for another try or Cancel
    }
    {
        CBusyNotice notice(QCoreApplication::translate(kStringTableContext, kNotesSavedText), IDI_WAIT, false);
        emit SaveNoticeShown(notice.Window());
        QThread::msleep(static_cast<unsigned long>(m_nNoticeMs));
    }
    done(IDOK);
}

void CNotesDlg::reject()
{
    done(IDCANCEL);
}

} // namespace talvoren

#include "moc_NotesDlg.cpp"
