// The notes dialog with its editable list: loading into at least ten rows,
// editing cells in place with the mouse and the keys, deleting rows, saving
// the complete rows (into the user's folder for an installed program), and
// saves that fail without losing anything.

#include "gui/controls/BusyNoticeWnd.h"
#include "gui/controls/EditListCtrl.h"
#include "gui/controls/InPlaceEdit.h"
#include "gui/dialogs/NotesDlg.h"
#include "gui/platform/AppContext.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui_dialogs/TypeText.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <filesystem>
#include <memory>

using namespace talvoren;

namespace fs = std::filesystem;

class NotesDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CTestFolder> m_program;
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CAppContext> m_context;
    std::unique_ptr<CNotesDlg> m_dialog;
    const std::vector<std::string> m_threeNotes = {"2\t9\tX", "15\t8\tĐức Mẹ Lên Trời", "24\t12\tnote #1"};

    std::string NotesFile() const { return "Vietnam/uNote.txt"; }
    CEditListCtrl* List() const { return m_dialog->List(); }
    QString Cell(int row, int column) const { return List()->CellText(row, column); }

    void Open()
    {
        m_dialog.reset();
        m_context = std::make_unique<CAppContext>(m_program->Path(), CLanguageState(), false);
        m_dialog = std::make_unique<CNotesDlg>(*m_context);
        m_dialog->SetNoticeDuration(50);
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    void Click(int row, int column)
    {
        const QPoint centre = List()->visualRect(List()->model()->index(row, column)).center();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, centre);
    }
    // Two clicks on a cell: the editor opens on it.
    CInPlaceEdit* Edit(int row, int column)
    {
        Click(row, column);
        Click(row, column);
        CInPlaceEdit* editor = m_dialog->CurrentEditor();
        return editor && editor->Row() == row && editor->Column() == column ? editor : nullptr;
    }
    void WaitEditorGone()
    {
        QTRY_VERIFY(m_dialog->CurrentEditor() == nullptr);
        QTRY_VERIFY(List()->findChildren<CInPlaceEdit*>().isEmpty());
    }

private slots:
    void init()
    {
        m_program = std::make_unique<CTestFolder>();
        fs::create_directory(m_program->File("Vietnam"));
        m_program->WriteUtf16(NotesFile(), m_threeNotes);
        m_messages = std::make_unique<CRecordingMessageSink>();
    }
    void cleanup()
    {
        m_dialog.reset();
        m_messages.reset();
        m_program.reset();
    }

    void layoutColumnsAndRows()
    {
        Open();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral(" Notes"));
        QCOMPARE(List()->columnCount(), 3);
        QCOMPARE(List()->horizontalHeaderItem(0)->text(), QStringLiteral("Ngày"));
        QCOMPARE(List()->horizontalHeaderItem(1)->text(), QStringLiteral("Tháng"));
        QCOMPARE(List()->horizontalHeaderItem(2)->text(), QStringLiteral("Ghi Chú"));
        const int w = List()->width() - 3;
        QCOMPARE(List()->columnWidth(0), w / 10);
        QCOMPARE(List()->columnWidth(1), w / 10);
        QCOMPARE(List()->columnWidth(2), w * 8 / 10);
        QCOMPARE(List()->GetColumnKind(0), int(CEditListCtrl::kDigits));
        QCOMPARE(List()->GetColumnKind(1), int(CEditListCtrl::kDigits));
        QCOMPARE(List()->GetColumnKind(2), int(CEditListCtrl::kText));
        // Ten rows fit, so the three columns fill the list without scrolling
        // it sideways when the text column becomes current.
        QVERIFY(List()->verticalScrollBar()->maximum() == 0);
        Click(0, 2);
        QCOMPARE(List()->horizontalScrollBar()->value(), 0);

        // Three notes, then seven empty rows.
        QCOMPARE(List()->rowCount(), 10);
        QCOMPARE(Cell(1, 0), QStringLiteral("15"));
        QCOMPARE(Cell(1, 1), QStringLiteral("8"));
        QCOMPARE(Cell(1, 2), QStringLiteral("Đức Mẹ Lên Trời"));
        QCOMPARE(Cell(2, 2), QStringLiteral("note #1"));
        for (int row = 3; row < 10; ++row)
            for (int column = 0; column < 3; ++column)
                QVERIFY(Cell(row, column).isEmpty());

        const struct { int id; const char* text; int icon; } buttons[] = {
            {IDOK, "&Save", IDI_OK}, {IDCANCEL, "&Cancel", IDI_CANCEL}, {3, "&Delete", IDI_DELETE}};
        for (const auto& button : buttons) {
            auto* found = m_dialog->findChild<QPushButton*>(QStringLiteral("button%1").arg(button.id));
            QVERIFY(found);
            QCOMPARE(found->text(), QString::fromUtf8(button.text));
        }
        QVERIFY(m_dialog->SaveButton()->isDefault());
    }

    void aMissingFileOpensWithTenEmptyRows()
    {
        m_program->Remove(NotesFile());
        Open();
        QCOMPARE(List()->rowCount(), 10);
        QVERIFY(Cell(0, 0).isEmpty());
        QVERIFY(m_messages->Messages().empty());
    }

    void threeNotesSaveAsTheSameThreeLines()
    {
        const std::string original = m_program->ReadBytes(NotesFile());
        Open();
        QSignalSpy notices(m_dialog.get(), &CNotesDlg::SaveNoticeShown);
        QStringList shown;
        connect(m_dialog.get(), &CNotesDlg::SaveNoticeShown, this, [&shown](CBusyNoticeWnd* notice) {
            if (notice && notice->isVisible())
                shown = notice->Lines();
        });
        QTest::mouseClick(m_dialog->SaveButton(), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(IDOK));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_program->ReadBytes(NotesFile()), original);
        QCOMPARE(std::distance(fs::directory_iterator(m_program->File("Vietnam")), {}), 1);   // no temporary file
        QCOMPARE(notices.count(), 1);
        QCOMPARE(shown, QStringList{QStringLiteral("Các ghi chú đã được lưu trữ thành công")});
    }

    // An installed program: the shipped notes show while the user has none,
    // and Save writes them into the user's folder, the shipped file untouched.
    void anInstalledProgramSavesIntoTheUsersFolder()
    {
        const std::string shipped = m_program->ReadBytes(NotesFile());
        m_context = std::make_unique<CAppContext>(DATAFOLDERS{m_program->Path(), m_program->File("user")},
                                                  CLanguageState(), false);
        m_dialog = std::make_unique<CNotesDlg>(*m_context);
        m_dialog->SetNoticeDuration(50);
        m_dialog->show();
        QCOMPARE(Cell(1, 2), QStringLiteral("Đức Mẹ Lên Trời"));
        QTest::mouseClick(m_dialog->SaveButton(), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(IDOK));
        QCOMPARE(m_program->ReadBytes("user/" + NotesFile()), shipped);
        QCOMPARE(m_program->ReadBytes(NotesFile()), shipped);
    }

    void theConfirmationStaysForOneSecond()
    {
        Open();
        m_dialog->SetNoticeDuration(1000);
        QElapsedTimer clock;
        clock.start();
        m_dialog->accept();
        QVERIFY(clock.elapsed() >= 1000);
        QCOMPARE(m_dialog->result(), int(IDOK));
        QVERIFY(QApplication::topLevelWidgets().size() >= 1);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<CBusyNoticeWnd*>(window) || !window->isVisible());
    }

    void deletingAllRowsSavesAnEmptyFile()
    {
        Open();
        List()->selectAll();
        QTest::mouseClick(m_dialog->DeleteButton(), Qt::LeftButton);
        QCOMPARE(List()->rowCount(), 0);   // not filled up again
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(IDOK));
        QCOMPARE(fs::file_size(m_program->File(NotesFile())), 0u);
    }

    void deleteRemovesTheSelectedRowsOnly()
    {
        Open();
        QTest::mouseClick(m_dialog->DeleteButton(), Qt::LeftButton);   // nothing selected: nothing happens
        QCOMPARE(List()->rowCount(), 10);
        Click(0, 2);
        const QPoint third = List()->visualRect(List()->model()->index(2, 2)).center();
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::ControlModifier, third);
        QTest::mouseClick(m_dialog->DeleteButton(), Qt::LeftButton);
        QCOMPARE(List()->rowCount(), 8);
        QCOMPARE(Cell(0, 2), QStringLiteral("Đức Mẹ Lên Trời"));
        m_dialog->accept();
        QCOMPARE(m_program->ReadBytes(NotesFile()), CTestFolder::EncodeUtf16("15\t8\tĐức Mẹ Lên Trời\r\n"));
    }

    void enterStoresAnEditAndEscapeCancelsIt()
    {
        Open();
        CInPlaceEdit* editor = Edit(0, 2);
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QStringLiteral("edit103"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("X"));
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("X"));   // all selected
        QVERIFY(editor->hasFocus());
        QVERIFY(editor->geometry().intersects(List()->visualRect(List()->model()->index(0, 2))));
        TypeText(editor, QStringLiteral("Lễ Thánh Giuse"));
        QTest::keyClick(editor, Qt::Key_Return);
        WaitEditorGone();
        QCOMPARE(Cell(0, 2), QStringLiteral("Lễ Thánh Giuse"));
        QVERIFY(m_dialog->isVisible());   // Enter in the box does not press Save
        QVERIFY(List()->hasFocus());

        editor = Edit(1, 2);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("thrown away"));
        QTest::keyClick(editor, Qt::Key_Escape);
        WaitEditorGone();
        QCOMPARE(Cell(1, 2), QStringLiteral("Đức Mẹ Lên Trời"));
        QVERIFY(m_dialog->isVisible());   // Escape in the box does not cancel the dialog
    }

    void aClickElsewhereStoresTheEdit()
    {
        Open();
        CInPlaceEdit* editor = Edit(3, 0);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("12"));
        Click(5, 1);
        WaitEditorGone();
        QCOMPARE(Cell(3, 0), QStringLiteral("12"));
        QCOMPARE(List()->FocusedRow(), 5);
    }

    void digitsColumnsRefuseLetters()
    {
        Open();
        CInPlaceEdit* editor = Edit(3, 1);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("1a/2bệ-"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("1/2-"));
        QApplication::clipboard()->setText(QStringLiteral("3x4"));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->toPlainText(), QStringLiteral("1/2-34"));
        QTest::keyClick(editor, Qt::Key_Enter);
        WaitEditorGone();
        QCOMPARE(Cell(3, 1), QStringLiteral("1/2-34"));

        // The text column takes letters.
        editor = Edit(3, 2);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("abc 12"));
        QTest::keyClick(editor, Qt::Key_Return);
        WaitEditorGone();
        QCOMPARE(Cell(3, 2), QStringLiteral("abc 12"));
    }

    void f2EditsTheCurrentCell()
    {
        Open();
        Click(4, 1);
        QVERIFY(m_dialog->CurrentEditor() == nullptr);
        QTest::keyClick(List(), Qt::Key_F2);
        QVERIFY(m_dialog->CurrentEditor());
        QCOMPARE(m_dialog->CurrentEditor()->Row(), 4);
        QCOMPARE(m_dialog->CurrentEditor()->Column(), 1);
        QTest::keyClick(m_dialog->CurrentEditor(), Qt::Key_Escape);
        WaitEditorGone();
    }

    void scrollingClosesTheEditorAndStoresItsText()
    {
        std::vector<std::string> many;
        for (int day = 1; day <= 20; ++day)
            many.push_back(std::to_string(day) + "\t1\tday " + std::to_string(day));
        m_program->WriteUtf16(NotesFile(), many);
        Open();
        QVERIFY(List()->verticalScrollBar()->maximum() > 0);
        CInPlaceEdit* editor = Edit(1, 2);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("scrolled"));
        List()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        WaitEditorGone();
        QCOMPARE(Cell(1, 2), QStringLiteral("scrolled"));
        QVERIFY(List()->verticalScrollBar()->value() > 0);
    }

    void enterInTheListSavesAndEscapeCancels()
    {
        Open();
        Click(0, 0);
        QTest::keyClick(List(), Qt::Key_Escape);
        QCOMPARE(m_dialog->result(), int(IDCANCEL));
        QVERIFY(!m_dialog->isVisible());

        m_program->WriteUtf16(NotesFile(), {"1\t1\tone"});
        Open();
        List()->setFocus();
        m_dialog->List()->SetCellText(0, 2, QStringLiteral("changed"));
        QTest::keyClick(List(), Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(IDOK));
        QCOMPARE(m_program->ReadBytes(NotesFile()), CTestFolder::EncodeUtf16("1\t1\tchanged\r\n"));
    }

    void cancelWritesNothing()
    {
        const std::string original = m_program->ReadBytes(NotesFile());
        Open();
        List()->SetCellText(0, 2, QStringLiteral("changed"));
        QTest::mouseClick(m_dialog->CancelButton(), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(IDCANCEL));
        QCOMPARE(m_program->ReadBytes(NotesFile()), original);
    }

    void saveWithTheBoxStillOpenKeepsItsText()
    {
        Open();
        CInPlaceEdit* editor = Edit(4, 0);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("7"));
        editor = Edit(4, 1);   // the click beside the box stored it
        QVERIFY(editor);
        QCOMPARE(Cell(4, 0), QStringLiteral("7"));
        TypeText(editor, QStringLiteral("10"));
        editor = Edit(4, 2);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("typed, not yet stored"));
        // Save pressed without the focus leaving the box, as its mnemonic Alt+S does.
        QCOMPARE(m_dialog->SaveButton()->shortcut(), QKeySequence(QStringLiteral("Alt+S")));
        m_dialog->SaveButton()->click();
        QCOMPARE(m_dialog->result(), int(IDOK));
        const std::string saved = m_program->ReadBytes(NotesFile());
        QVERIFY(saved.find(CTestFolder::EncodeUtf16("7\t10\ttyped, not yet stored\r\n")) != std::string::npos);
    }

    // Line ends in a cell become blanks; a tab stays in the text, which is
    // the rest of the line. A row with a day but no month is refused with a
    // message naming the row, never dropped while Save says it succeeded.
    void tabsAndLineEndsInACellStayOnOneLine()
    {
        m_program->WriteUtf16(NotesFile(), {});
        Open();
        List()->SetCellText(0, 0, QStringLiteral(" 5 "));
        List()->SetCellText(0, 1, QStringLiteral("6"));
        CInPlaceEdit* editor = Edit(0, 2);
        QVERIFY(editor);
        QApplication::clipboard()->setText(QStringLiteral("pasted\ttext\r\nover two lines"));
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        WaitEditorGone();
        List()->SetCellText(1, 0, QStringLiteral("7"));   // no month
        List()->SetCellText(1, 2, QStringLiteral("incomplete"));
        m_dialog->accept();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_messages->Messages().size(), std::size_t(1));
        QVERIFY2(m_messages->Messages()[0].find("Row 2: the day and the month are both needed.") != std::string::npos,
                 m_messages->Messages()[0].c_str());
        QCOMPARE(m_program->ReadBytes(NotesFile()), std::string());

        List()->SetCellText(1, 1, QStringLiteral("8"));
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(IDOK));
        QCOMPARE(m_program->ReadBytes(NotesFile()),
                 CTestFolder::EncodeUtf16("5\t6\tpasted\ttext over two lines\r\n7\t8\tincomplete\r\n"));
    }

    // Dates that exist in no year are refused with a message naming the row.
    void impossibleDatesAreRefused()
    {
        const std::string original = m_program->ReadBytes(NotesFile());
        Open();
        const struct { const char* day; const char* month; const char* message; } cases[] = {
            {"31", "2", "Row 4: month 2 has no day 31."},
            {"31", "4", "Row 4: month 4 has no day 31."},
            {"35", "1", "Row 4: there is no day 35"},
            {"1", "13", "Row 4: there is no month 13"},
        };
        for (const auto& test : cases) {
            m_messages->Clear();
            List()->SetCellText(3, 0, QString::fromUtf8(test.day));
            List()->SetCellText(3, 1, QString::fromUtf8(test.month));
            List()->SetCellText(3, 2, QStringLiteral("x"));
            m_dialog->accept();
            QVERIFY(m_dialog->isVisible());
            QCOMPARE(m_messages->Messages().size(), std::size_t(1));
            QVERIFY2(m_messages->Messages()[0].find(test.message) != std::string::npos, m_messages->Messages()[0].c_str());
            QCOMPARE(m_program->ReadBytes(NotesFile()), original);
        }
    }

    // A notes file that cannot be read opens the dialog with a message that
    // names it; Save is refused, so the file is never replaced.
    void anUnreadableFileIsNamedAndNeverReplaced()
    {
        const std::string utf8 = "2\t9\tQuốc khánh\r\n";
        m_program->WriteBytes(NotesFile(), utf8);
        Open();
        QCOMPARE(m_messages->Messages().size(), std::size_t(1));
        const std::string message = m_messages->Messages()[0];
        QVERIFY2(message.find(m_program->File(NotesFile())) != std::string::npos, message.c_str());
        QVERIFY2(message.find("UTF-8") != std::string::npos, message.c_str());
        QVERIFY(!m_dialog->SaveButton()->isEnabled());
        List()->SetCellText(0, 0, QStringLiteral("1"));
        List()->SetCellText(0, 1, QStringLiteral("1"));
        List()->SetCellText(0, 2, QStringLiteral("typed"));
        m_dialog->accept();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_messages->Messages().size(), std::size_t(2));
        QCOMPARE(m_program->ReadBytes(NotesFile()), utf8);
    }

    // The lines the list does not show (a continuation line, a comment) are
    // saved after their row, and go when their row is deleted.
    void keptLinesTravelWithTheirRow()
    {
        m_program->WriteUtf16(NotesFile(), {"# my notes", "2\t9\tX", "continued", "# about X", "3\t9\tY", "and Y"});
        const std::string original = m_program->ReadBytes(NotesFile());
        Open();
        QCOMPARE(Cell(1, 2), QStringLiteral("Y"));
        m_dialog->accept();
        QCOMPARE(m_dialog->result(), int(IDOK));
        QCOMPARE(m_program->ReadBytes(NotesFile()), original);

        Open();
        Click(0, 2);
        QTest::mouseClick(m_dialog->DeleteButton(), Qt::LeftButton);
        m_dialog->accept();
        QCOMPARE(m_program->ReadBytes(NotesFile()), CTestFolder::EncodeUtf16("# my notes\r\n3\t9\tY\r\nand Y\r\n"));
    }

    // The save fails (the notes folder is replaced by a file while the
    // dialog is open): the dialog says why and stays open with the rows, the
    // notes are as they were, and a second try after the cause is gone
    // succeeds.
    void aFailedSaveKeepsTheDialogAndTheNotes()
    {
        const std::string original = m_program->ReadBytes(NotesFile());
        Open();
        fs::rename(m_program->File("Vietnam"), m_program->File("Vietnam.away"));
        m_program->WriteBytes("Vietnam", "a file in the folder's place");
        List()->SetCellText(3, 0, QStringLiteral("1"));
        List()->SetCellText(3, 1, QStringLiteral("5"));
        List()->SetCellText(3, 2, QStringLiteral("kept in the list"));
        QTest::mouseClick(m_dialog->SaveButton(), Qt::LeftButton);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), 0);
        QCOMPARE(m_messages->Messages().size(), std::size_t(1));
        const std::string message = m_messages->Messages()[0];
        QVERIFY2(message.find(m_program->File(NotesFile())) != std::string::npos, message.c_str());
        QVERIFY2(message.find("Not a directory") != std::string::npos, message.c_str());
        QVERIFY(m_messages->Icons()[0] == MessageIcon::Stop);
        QCOMPARE(m_program->ReadBytes("Vietnam.away/uNote.txt"), original);
        QCOMPARE(Cell(3, 2), QStringLiteral("kept in the list"));

        m_program->Remove("Vietnam");
        fs::rename(m_program->File("Vietnam.away"), m_program->File("Vietnam"));
        QTest::mouseClick(m_dialog->SaveButton(), Qt::LeftButton);
        QCOMPARE(m_dialog->result(), int(IDOK));
        QVERIFY(m_program->ReadBytes(NotesFile()).find(CTestFolder::EncodeUtf16("1\t5\tkept in the list\r\n")) !=
                std::string::npos);
    }

    void aFolderThatCannotHoldTheNotesIsReported()
    {
        fs::remove_all(m_program->File("Vietnam"));
        m_program->WriteBytes("Vietnam", "a file where the folder should be");
        Open();
        QCOMPARE(List()->rowCount(), 10);
        List()->SetCellText(0, 0, QStringLiteral("1"));
        List()->SetCellText(0, 1, QStringLiteral("1"));
        List()->SetCellText(0, 2, QStringLiteral("new"));
        m_dialog->accept();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_messages->Messages().size(), std::size_t(2));   // when it opened, and at Save
        QVERIFY(m_messages->Messages()[1].find("a part of its path is not a folder") != std::string::npos);
        QCOMPARE(m_program->ReadBytes("Vietnam"), std::string("a file where the folder should be"));
    }

    void screenshot()
    {
        Open();
        Click(1, 1);
        CInPlaceEdit* editor = Edit(1, 2);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("Lễ Đức Mẹ Hồn Xác Lên Trời"));
        QVERIFY(SaveScreenshot(m_dialog.get(), QStringLiteral("notes-dialog")));
        QTest::keyClick(editor, Qt::Key_Escape);
        WaitEditorGone();
        Click(2, 1);
        QVERIFY(SaveScreenshot(m_dialog.get(), QStringLiteral("notes-dialog-current-cell")));
        editor = Edit(3, 0);
        QVERIFY(editor);
        TypeText(editor, QStringLiteral("31"));
        QVERIFY(SaveScreenshot(m_dialog.get(), QStringLiteral("notes-dialog-day-editor")));
    }
};

TALVOREN_GUI_TEST_MAIN(NotesDlgTest)
#include "NotesDlg_test.moc"
