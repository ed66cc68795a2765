#pragma once
// The notes dialog: every note of the notes file as a row (day, month, text)
// of an editable list, at least ten rows. Cells are edited in place, rows
// deleted, blank rows filled; Save writes the rows that are not empty back
// to the notes file, with the lines it keeps but does not show (see
// CNotesFile), and replaces the file in one step. A notes file that cannot
// be read is named in a message when the dialog opens, and Save is refused,
// so that it is never replaced by what was typed; a row whose date does not
// exist is refused with a message naming the row.

#include "dialogs/NotesFile.h"

#include <QDialog>
#include <string>
#include <vector>

class QPushButton;

namespace talvoren
{
class CAppContext;
class CBusyNoticeWnd;
class CEditListCtrl;
class CInPlaceEdit;

class CNotesDlg : public QDialog
{
    Q_OBJECT

public:
    // Edits "<program folder>/Vietnam/uNote.txt" in the context's list font.
    explicit CNotesDlg(const CAppContext& context, QWidget* parent = nullptr);

    CEditListCtrl* List() const { return m_pList; }
    CInPlaceEdit* CurrentEditor() const { return m_pEditor; }
    QPushButton* SaveButton() const { return m_pSave; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* DeleteButton() const { return m_pDelete; }

    // The rows of the list, in order.
    std::vector<NOTEROW> Rows() const;

    // How long the confirmation stays on screen after a save (1000 ms).
    void SetNoticeDuration(int milliseconds) { m_nNoticeMs = milliseconds; }

    // Save: writes the rows and ends with IDOK after the one-second
    // confirmation. When the notes cannot be written (the file could not be
    // read, a row's date does not exist, the disk refuses), says why and
    // stays open with the rows as they are; the notes file is left untouched.
    void accept() override;
    void reject() override;
    // Removes the selected rows.
    void OnDelete();

signals:
    // The save confirmation is on screen (for watching it).
    void SaveNoticeShown(CBusyNoticeWnd* notice);

private:
    void OnBeginLabelEdit(int row, int column, const QString& text);
    void OnEndLabelEdit(int row, int column, const QString& text, bool cancelled);
    void LoadNotes();

    std::string m_strNotesPath;
    std::string m_strShippedNotesPath;          // read while the user has no notes file; "" for none
    MESSAGETEXT m_loadError;                    // why the file could not be read; empty when it was
    std::vector<std::string> m_leadingLines;    // the file's lines before its first note
    CEditListCtrl* m_pList = nullptr;
    CInPlaceEdit* m_pEditor = nullptr;
    QPushButton* m_pSave = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pDelete = nullptr;
    int m_nNoticeMs = 1000;
};

} // namespace talvoren
