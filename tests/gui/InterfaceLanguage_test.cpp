// The program's own texts follow the language folder in use. One scan of
// the main window (menus, actions with their tooltips and status tips,
// toolbar, status bar), of every dialog and of a message box with the
// standard buttons: with the Vietnamese folder no text is still its English
// source (proper names and symbols aside); with the English folder no text
// holds a Vietnamese letter. Screenshots of the main window and its File
// menu in both languages, and the running frame switching language.

#include "gui/dialogs/ConfigDlg.h"
#include "gui/dialogs/LanguageDlg.h"
#include "gui/dialogs/NotesDlg.h"
#include "gui/dialogs/SelectDateDlg.h"
#include "gui/pages/DayDlg.h"
#include "gui/platform/AppContext.h"
#include "gui/shell/AboutDlg.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/PromptDlg.h"
#include "gui/shell/TalvorenView.h"
#include "resources/EncodedCaptions.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <memory>

using namespace talvoren;

namespace
{
using TEXTS = QMap<QString, QString>;   // where a text shows -> the text

// Texts that stay as they are in every language.
bool IsProperNameOrSymbol(const QString& text)
{
    static const QStringList names = {QStringLiteral("Talvoren"), QStringLiteral("Cantrel"), QStringLiteral("CAP"),
                                      QStringLiteral("NUM"), QStringLiteral("SCRL"),
                                      QStringLiteral("Sorvane Network"), QStringLiteral("Sorvane Calendar 4.0")};
    return names.contains(text.trimmed()) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

bool IsEnglishSource(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return false;   // the Vietnamese captions are sources of their own
    return !IsProperNameOrSymbol(text);
}

bool HasVietnameseLetter(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > 0x7F && c.isLetter())
            return true;
    return false;
}

void Add(TEXTS& texts, const QString& where, const QString& text)
{
    if (!text.isEmpty())
        texts.insert(where, text);
}

// The window title, the items of a menu and the texts of every control of
// `root`.
void AddWidgetTexts(TEXTS& texts, const QString& name, QWidget* root)
{
    Add(texts, name + QStringLiteral("/title"), root->windowTitle());
    const QList<QAction*> actions = root->actions();   // the items of a menu
    for (int item = 0; item < actions.size(); ++item)
        Add(texts, QStringLiteral("%1/action%2").arg(name).arg(item), actions[item]->text());
    int i = 0;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const QString where = QStringLiteral("%1/%2.%3/").arg(name).arg(i++).arg(widget->metaObject()->className());
        Add(texts, where + QStringLiteral("toolTip"), widget->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            Add(texts, where + QStringLiteral("text"), button->text());
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            Add(texts, where + QStringLiteral("title"), frame->title());
        else if (auto* label = qobject_cast<QLabel*>(widget))
            Add(texts, where + QStringLiteral("text"), label->text());
        else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column)
                if (table->horizontalHeaderItem(column))
                    Add(texts, where + QString::number(column), table->horizontalHeaderItem(column)->text());
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < list->count(); ++item)
                Add(texts, where + QString::number(item), list->itemText(item));
        }
    }
}

void AddFrameTexts(TEXTS& texts, CMainFrame& frame)
{
    const QList<QAction*> menus = frame.menuBar()->actions();
    for (int i = 0; i < menus.size(); ++i)
        Add(texts, QStringLiteral("menu/%1").arg(i), menus[i]->text());
    for (QAction* action : frame.findChildren<QAction*>()) {
        const QString where = QStringLiteral("action%1/").arg(action->data().toInt());
        Add(texts, where + QStringLiteral("text"), action->text());
        Add(texts, where + QStringLiteral("toolTip"), action->toolTip());
        Add(texts, where + QStringLiteral("statusTip"), action->statusTip());
    }
    for (QToolBar* bar : frame.findChildren<QToolBar*>())
        Add(texts, bar->objectName(), bar->windowTitle());
    Add(texts, QStringLiteral("status"), frame.statusBar()->currentMessage());
}
}

class InterfaceLanguageTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestFolder> m_folder;   // private settings, home and runtime folders
    std::unique_ptr<CRecordingMessageSink> m_messages;

    static std::string ProgramFolder() { return TALVOREN_PROGRAM_DIR; }

    // Every text of the frame and the dialogs with the language folder
    // `folder`, translated or as the sources read; the screenshots are
    // taken when `screenshot` is given. Empty when a screenshot failed or
    // the scan found too few texts to mean anything.
    static TEXTS CollectTexts(const std::string& folder, bool translated, const QString& screenshot = QString())
    {
        CLanguageState language;
        language.strFolder = ProgramFolder() + "/" + folder;
        CAppContext context(ProgramFolder(), language, false);
        if (translated && !context.ApplyInterfaceLanguage())
            return TEXTS();
        TEXTS texts;
        CMainFrame frame(context);
        frame.resize(1280, 860);
        frame.show();
        if (!screenshot.isEmpty()) {
            // No screenshot, no texts: the test fails.
            if (!QTest::qWaitForWindowExposed(&frame) ||
                !QTest::qWaitFor([&frame]() { return frame.ActiveView()->HasDocument(); }, 30000))
                return TEXTS();
            QTest::qWait(500);
            if (!SaveScreenshot(&frame, QStringLiteral("main-window-") + screenshot))
                return TEXTS();
            QMenu* file = frame.menuBar()->actions().value(0)->menu();
            file->popup(frame.mapToGlobal(QPoint(0, frame.menuBar()->height())));
            if (!QTest::qWaitForWindowExposed(file) ||
                !SaveScreenshot(file, QStringLiteral("main-window-file-menu-") + screenshot))
                return TEXTS();
            file->close();
        }
        AddFrameTexts(texts, frame);

        // Each dialog's texts, and how it looks with them.
        const auto scan = [&texts, &screenshot](QDialog& dialog, const QString& name) {
            AddWidgetTexts(texts, name, &dialog);
            if (!screenshot.isEmpty()) {
                dialog.show();
                const bool shown = QTest::qWaitForWindowExposed(&dialog);
                if (!shown || !SaveScreenshot(&dialog, name + QLatin1Char('-') + screenshot))
                    texts.clear();
                dialog.hide();
            }
        };
        CConfigDlg config(context, &frame);
        scan(config, QStringLiteral("config"));
        CLanguageDlg languages(context, &frame);
        scan(languages, QStringLiteral("language"));
        CSelectDateDlg select(context, &frame);
        scan(select, QStringLiteral("select"));
        CNotesDlg notes(context, &frame);
        scan(notes, QStringLiteral("notes"));
        // The context menus of the edit boxes.
        const std::unique_ptr<QMenu> yearMenu(select.YearBox()->createStandardContextMenu());
        AddWidgetTexts(texts, QStringLiteral("year-menu"), yearMenu.get());
        QPlainTextEdit noteEdit;
        noteEdit.setPlainText(QStringLiteral("x"));
        const std::unique_ptr<QMenu> noteMenu(noteEdit.createStandardContextMenu());
        AddWidgetTexts(texts, QStringLiteral("note-menu"), noteMenu.get());
        // The About box and the day dialog host pages: their buttons are
        // scanned without waiting for a page to show.
        CAboutDlg about(ProgramFolder(), &frame);
        AddWidgetTexts(texts, QStringLiteral("about"), &about);
        CPromptDlg prompt(kInsertCdPrompt, IDI_WAIT, &context.VietnameseFont(), &frame);
        scan(prompt, QStringLiteral("cd"));
        CTalvorenView* view = frame.ActiveView();
        CDayDlg day(view->LanguageData(), view->Renderers().dayPage, context, &frame);
        AddWidgetTexts(texts, QStringLiteral("day"), &day);
        QMessageBox box(QMessageBox::Question, QStringLiteral("Talvoren"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No |
                            QMessageBox::Save | QMessageBox::Close | QMessageBox::Apply,
                        &frame);
        for (QAbstractButton* button : box.buttons())
            Add(texts, QStringLiteral("box/%1").arg(box.standardButton(button)), button->text());
        return texts.size() > 100 ? texts : TEXTS();
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(QStringLiteral(TALVOREN_PROGRAM_DIR "/Html/Calendar.htm")))
            QSKIP("the program folder has no Html/Calendar.htm yet");
        m_folder = std::make_unique<CGuiTestFolder>();
        m_messages = std::make_unique<CRecordingMessageSink>();
    }

    void noTextLeftInTheOtherLanguage_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("vietnamese");
        QTest::newRow("Vietnam") << QStringLiteral("Vietnam/") << true;
        QTest::newRow("English") << QStringLiteral("English/") << false;
    }

    void noTextLeftInTheOtherLanguage()
    {
        QFETCH(QString, folder);
        QFETCH(bool, vietnamese);
        const TEXTS sources = CollectTexts(folder.toStdString(), false);
        const TEXTS shown =
            CollectTexts(folder.toStdString(), true, vietnamese ? QStringLiteral("vi") : QStringLiteral("en"));
        QVERIFY(!sources.isEmpty());
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.keys(), sources.keys());
        QStringList left;
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            const bool untranslated = vietnamese ? it.value() == sources.value(it.key()) && IsEnglishSource(it.value())
                                                 : HasVietnameseLetter(it.value());
            if (untranslated)
                left << it.key() + QStringLiteral(": ") + it.value();
        }
        QCOMPARE(left, QStringList());
    }

    // A switch of the language folder changes the texts of the running
    // frame, without a restart.
    void theFrameFollowsALanguageSwitch()
    {
        CLanguageState language;
        language.strFolder = ProgramFolder() + "/Vietnam/";
        CAppContext context(ProgramFolder(), language, false);
        QVERIFY(context.ApplyInterfaceLanguage());
        CMainFrame frame(context);
        QCOMPARE(frame.menuBar()->actions().value(0)->text(), QStringLiteral("&Tập tin"));
        context.Language().strFolder = ProgramFolder() + "/English/";
        frame.ReloadLanguageData();
        QTRY_COMPARE(frame.menuBar()->actions().value(0)->text(), QStringLiteral("&File"));
        QCOMPARE(frame.Action(ID_MONTH)->toolTip(), QStringLiteral("Liturgical Calendar for this month"));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
    }

    void cleanupTestCase()
    {
        m_messages.reset();
        m_folder.reset();
    }
};

TALVOREN_GUI_TEST_MAIN(InterfaceLanguageTest)
#include "InterfaceLanguage_test.moc"
