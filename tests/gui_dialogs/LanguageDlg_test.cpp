// The language dialog: the lists it offers, the language and word order it
// opens with in either interface language, the word order following the
// language chosen, and OK switching to a language folder, made and filled
// from the current one when it is missing and the user agrees, or staying
// open when a file cannot be copied.

#include "gui/controls/ImageButton.h"
#include "gui/dialogs/LanguageDlg.h"
#include "gui/platform/AppContext.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WithoutFileOverride.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace talvoren;

namespace fs = std::filesystem;

class LanguageDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CTestFolder> m_program;
    std::unique_ptr<CRecordingMessageSink> m_messages;
    std::unique_ptr<CAppContext> m_context;     // the run from a hard disk
    std::unique_ptr<CAppContext> m_cdContext;   // the run from a CD-ROM
    int m_nReloads = 0;
    QStringList m_questions;    // what the dialog asked before making a folder
    bool m_bAgree = true;       // the answer it gets

    std::string Program() const { return m_program->Path().substr(0, m_program->Path().size() - 1); }
    CLanguageState& Language() { return m_context->Language(); }

    std::unique_ptr<CLanguageDlg> Open(bool onCdRom = false)
    {
        auto dialog = std::make_unique<CLanguageDlg>(onCdRom ? *m_cdContext : *m_context);
        dialog->SetReloadHandler([this]() { ++m_nReloads; });
        dialog->SetConfirmHandler([this](const QString& question) {
            m_questions << question;
            return m_bAgree;
        });
        dialog->show();
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            return nullptr;
        return dialog;
    }

private slots:
    void init()
    {
        m_program = std::make_unique<CTestFolder>();
        // The program's own Vietnamese data, and a file of a one-letter name.
        QVERIFY(CopyFolder(QStringLiteral(TALVOREN_PROGRAM_DIR "/Vietnam"),
                           QString::fromStdString(m_program->File("Vietnam"))));
        m_program->WriteBytes("Vietnam/x.txt", "skipped");
        CopyFolder(QStringLiteral(TALVOREN_PROGRAM_DIR "/translations"),
                   QString::fromStdString(m_program->File("translations")));
        CLanguageState language;
        language.strFolder = m_program->File("Vietnam/");
        language.nSyntax = 1;
        m_context = std::make_unique<CAppContext>(Program(), language, false);
        m_cdContext = std::make_unique<CAppContext>(Program(), language, true);
        m_nReloads = 0;
        m_questions.clear();
        m_bAgree = true;
        m_messages = std::make_unique<CRecordingMessageSink>();
    }
    void cleanup()
    {
        m_messages.reset();
        m_program.reset();
    }

    // The dialog opens on the language and word order in force, its texts in
    // the interface language of the folder.
    void opensOnTheLanguageInForce()
    {
        fs::create_directory(m_program->File("English"));
        const struct
        {
            const char* folder;
            int syntax;
            const char* language;
            bool vietnameseOrder;
            const char* title;
            const char* frame;
        } rows[] = {
            {"Vietnam/", 1, "Tiếng Việt", true, " Chọn ngôn ngữ", " Chọn Ngôn Ngữ "},
            {"Vietnam/", 0, "Tiếng Việt", false, " Chọn ngôn ngữ", " Chọn Ngôn Ngữ "},
            {"English/", 0, "English", false, " Internationalise", " Choose a Language "},
            {"English/", 1, "English", true, " Internationalise", " Choose a Language "},
        };
        for (const auto& row : rows) {
            Language().strFolder = m_program->File(row.folder);
            Language().nSyntax = row.syntax;
            QVERIFY(m_context->ApplyInterfaceLanguage());
            auto dialog = Open();
            QVERIFY(dialog);
            QCOMPARE(dialog->LanguageList()->currentText(), QString::fromUtf8(row.language));
            QCOMPARE(dialog->VietnameseOrder()->isChecked(), row.vietnameseOrder);
            QCOMPARE(dialog->EnglishOrder()->isChecked(), !row.vietnameseOrder);
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8(row.title));
            QCOMPARE(dialog->Frame()->title(), QString::fromUtf8(row.frame));
            const QString folder = QString::fromLatin1(row.folder).chopped(1);
            QVERIFY(SaveScreenshot(dialog.get(), QStringLiteral("language-dialog-%1-%2").arg(folder).arg(row.syntax)));
        }
        auto full = Open();
        QVERIFY(full);
        QCOMPARE(full->LanguageList()->count(), 21);
        auto onCd = Open(true);
        QVERIFY(onCd);
        QCOMPARE(onCd->LanguageList()->count(), 3);
        QCOMPARE(onCd->LanguageList()->itemText(2), QStringLiteral("Vietnamese"));
    }

    // The word order goes with the language chosen until the user picks one.
    void wordOrderFollowsTheLanguage()
    {
        auto dialog = Open();
        QVERIFY(dialog);
        QComboBox* list = dialog->LanguageList();
        list->setCurrentIndex(list->findText(QStringLiteral("German")));
        QVERIFY(dialog->EnglishOrder()->isChecked());
        list->setCurrentIndex(list->findText(QStringLiteral("Vietnamese")));
        QVERIFY(dialog->VietnameseOrder()->isChecked());
        QTest::mouseClick(dialog->EnglishOrder(), Qt::LeftButton);
        list->setCurrentIndex(list->findText(QStringLiteral("French")));
        list->setCurrentIndex(list->findText(QStringLiteral("Vietnamese")));
        QVERIFY(dialog->EnglishOrder()->isChecked());
    }

    // OK at once keeps the language in force. A language without a folder
    // asks first: no keeps the dialog open with nothing made; yes makes the
    // folder from the current one and switches to it.
    void aLanguageWithoutFolderAsksFirst()
    {
        auto same = Open();
        QVERIFY(same);
        QTest::mouseClick(same->OkButton(), Qt::LeftButton);
        QCOMPARE(same->result(), int(IDOK));
        QCOMPARE(Language().strFolder, m_program->File("Vietnam/"));
        QCOMPARE(Language().nSyntax, 1);
        QVERIFY(m_questions.isEmpty());

        auto dialog = Open();
        QVERIFY(dialog);
        dialog->LanguageList()->setCurrentIndex(0);   // English, which has no folder
        m_bAgree = false;
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(m_questions.size(), 1);
        QVERIFY(m_questions[0].contains(QString::fromStdString(m_program->File("English/"))));
        QVERIFY(m_questions[0].contains(QStringLiteral("(Vietnam)")));
        QVERIFY(dialog->isVisible());
        QVERIFY(!fs::exists(m_program->File("English")));

        m_bAgree = true;
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(IDOK));
        QCOMPARE(Language().strFolder, m_program->File("English/"));
        QCOMPARE(Language().nSyntax, 0);
        QCOMPARE(m_nReloads, 2);
        for (const char* name : {"utitles.txt", "ufeast.txt", "uNote.txt", "uLectionaryA.txt"})
            QCOMPARE(m_program->ReadBytes(std::string("English/") + name),
                     m_program->ReadBytes(std::string("Vietnam/") + name));
        QVERIFY(!fs::exists(m_program->File("English/x.txt")));
        QVERIFY(m_messages->Messages().empty());
    }

    void vietnameseUsesTheVietnamFolder()
    {
        Language().strFolder = m_program->File("English/");   // as after a switch to English
        fs::create_directory(m_program->File("English"));
        auto dialog = Open();
        QVERIFY(dialog);
        dialog->LanguageList()->setCurrentIndex(dialog->LanguageList()->findText(QStringLiteral("Vietnamese")));
        QTest::mouseClick(dialog->VietnameseOrder(), Qt::LeftButton);
        QVERIFY(dialog->VietnameseOrder()->isChecked());
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(IDOK));
        QCOMPARE(Language().strFolder, m_program->File("Vietnam/"));
        QCOMPARE(Language().nSyntax, 1);
        QVERIFY(!fs::exists(m_program->File("Vietnamese")));
        QVERIFY(fs::is_empty(m_program->File("English")));
    }

    // A file of the current language folder cannot be read: the dialog says
    // so and stays open, nothing is switched or reloaded, and no folder is
    // left half-filled.
    void aFileThatCannotBeCopiedKeepsTheDialogOpen()
    {
        QCOMPARE(::chmod(m_program->File("Vietnam/utitles.txt").c_str(), 0), 0);
        auto dialog = Open();
        QVERIFY(dialog);
        dialog->LanguageList()->setCurrentIndex(1);   // German
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active())
                QSKIP("file permissions cannot be made to count here");
            QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        }
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), 0);
        QCOMPARE(Language().strFolder, m_program->File("Vietnam/"));
        QCOMPARE(Language().nSyntax, 1);
        QCOMPARE(m_nReloads, 0);
        QCOMPARE(m_messages->Messages().size(), std::size_t(2));
        QCOMPARE(m_messages->Messages()[0], "Access to " + m_program->File("Vietnam/utitles.txt") + " was denied.");
        QVERIFY(m_messages->Messages()[1].find("Cannot copy " + m_program->File("Vietnam/utitles.txt")) == 0);
        QVERIFY(!fs::exists(m_program->File("German")));
        QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(IDCANCEL));
    }

    void cancelChangesNothing()
    {
        auto dialog = Open();
        QVERIFY(dialog);
        dialog->LanguageList()->setCurrentIndex(1);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(IDCANCEL));
        QCOMPARE(Language().strFolder, m_program->File("Vietnam/"));
        QCOMPARE(Language().nSyntax, 1);
        QVERIFY(!fs::exists(m_program->File("German")));
        QCOMPARE(m_nReloads, 0);
    }
};

TALVOREN_GUI_TEST_MAIN(LanguageDlgTest)
#include "LanguageDlg_test.moc"
