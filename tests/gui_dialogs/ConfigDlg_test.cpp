// The configuration dialog: the three stored values as check boxes with
// their Vietnamese captions, OK writing all three, Cancel writing nothing,
// and a settings store that cannot be reached.

#include "gui/controls/ImageButton.h"
#include "gui/dialogs/ConfigDlg.h"
#include "gui/platform/AppContext.h"
#include "platform/SettingsKey.h"
#include "resources/ResourceIds.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <memory>

using namespace talvoren;

class ConfigDlgTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CTestFolder> m_config;
    std::unique_ptr<CScopedConfigFolder> m_scoped;
    CRecordingMessageSink m_messages;
    CAppContext m_context{"", CLanguageState(), false};

    static std::uint32_t Stored(const char* name)
    {
        CSettingsKey key;
        std::uint32_t value = 12345;
        if (key.OpenForReading(SettingsRoot::LocalMachine) == CSettingsKey::kSuccess)
            key.ReadDword(name, &value);
        return value;
    }
    static void Store(const char* name, std::uint32_t value)
    {
        CSettingsKey key;
        QCOMPARE(key.Open(SettingsRoot::LocalMachine), CSettingsKey::kSuccess);
        key.WriteDword(name, value);
    }
    static void Open(CConfigDlg& dialog)
    {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

private slots:
    void initTestCase() { CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0"); }
    void init()
    {
        m_config = std::make_unique<CTestFolder>();
        m_scoped = std::make_unique<CScopedConfigFolder>(m_config->Path());
        m_messages.Clear();
    }
    void cleanup()
    {
        m_scoped.reset();
        m_config.reset();
    }

    // Nothing stored: the boxes show the days in force (the Ascension and
    // Corpus Christi on Sunday), and OK stores them.
    void aFreshStoreShowsTheDaysInForceAndOkStoresThem()
    {
        CConfigDlg dialog(m_context);
        Open(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Configuration "));
        const struct { int id; const char* caption; } rows[] = {
            {1012, "Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng"},
            {1013, "Mừng Lễ Thăng Thiên vào ngày Chúa Nhật"},
            {1014, "Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật"},
        };
        int previousTop = -1;
        for (const auto& row : rows) {
            QCheckBox* box = dialog.CheckBox(row.id);
            QVERIFY(box);
            QCOMPARE(box->text(), QString::fromUtf8(row.caption));
            QCOMPARE(box->isChecked(), row.id != 1012);
            QVERIFY(box->y() > previousTop);   // in the table's order, top to bottom
            previousTop = box->y();
        }
        QVERIFY(qobject_cast<CImageButton*>(dialog.OkButton()));
        QVERIFY(qobject_cast<CImageButton*>(dialog.CancelButton()));
        QVERIFY(!qobject_cast<CImageButton*>(dialog.OkButton())->IconSize().isEmpty());
        QVERIFY(dialog.OkButton()->isDefault());
        QCOMPARE(Stored("Epiphany"), 12345u);   // not written by opening

        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(IDOK));
        QCOMPARE(Stored("Epiphany"), 0u);
        QCOMPARE(Stored("Ascension"), 1u);
        QCOMPARE(Stored("CorpusChristi"), 1u);
    }

    void storedValuesShowAndOkWritesTheChecks()
    {
        Store("Epiphany", 1);
        Store("Ascension", 0);
        Store("CorpusChristi", 7);   // any non-zero number counts as 1
        CConfigDlg dialog(m_context);
        Open(dialog);
        QVERIFY(dialog.CheckBox(1012)->isChecked());
        QVERIFY(!dialog.CheckBox(1013)->isChecked());
        QVERIFY(dialog.CheckBox(1014)->isChecked());
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("config-dialog")));

        QTest::mouseClick(dialog.CheckBox(1013), Qt::LeftButton);
        QTest::mouseClick(dialog.CheckBox(1012), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Return);   // the default button: OK
        QCOMPARE(dialog.result(), int(IDOK));
        QCOMPARE(Stored("Epiphany"), 0u);
        QCOMPARE(Stored("Ascension"), 1u);
        QCOMPARE(Stored("CorpusChristi"), 1u);
    }

    void cancelWritesNothing()
    {
        Store("Ascension", 0);
        CConfigDlg dialog(m_context);
        Open(dialog);
        QTest::mouseClick(dialog.CheckBox(1012), Qt::LeftButton);
        QTest::mouseClick(dialog.CheckBox(1013), Qt::LeftButton);
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(IDCANCEL));
        QCOMPARE(Stored("Ascension"), 0u);
        QCOMPARE(Stored("Epiphany"), 12345u);

        CConfigDlg again(m_context);
        Open(again);
        QTest::mouseClick(again.CheckBox(1014), Qt::LeftButton);
        QTest::keyClick(&again, Qt::Key_Escape);
        QCOMPARE(again.result(), int(IDCANCEL));
        QCOMPARE(Stored("CorpusChristi"), 12345u);
    }

    // The store cannot be reached: the boxes keep "Check1" and show the days
    // in force, the buttons their plain look; OK says so and the dialog
    // stays open.
    void anUnreachableStoreIsReportedOnOk()
    {
        m_config->WriteBytes("file", "not a folder");
        CScopedConfigFolder unreachable(m_config->File("file/config"));
        CConfigDlg dialog(m_context);
        Open(dialog);
        for (int id : {1012, 1013, 1014}) {
            QCOMPARE(dialog.CheckBox(id)->text(), QStringLiteral("Check1"));
            QCOMPARE(dialog.CheckBox(id)->isChecked(), id != 1012);
        }
        QVERIFY(!qobject_cast<CImageButton*>(dialog.OkButton()));
        QTest::mouseClick(dialog.CheckBox(1013), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(m_messages.Messages().size(), std::size_t(1));
        const std::string message = m_messages.Messages()[0];
        QVERIFY2(message.find(m_config->File("file/config/settings.ini")) != std::string::npos, message.c_str());
        QVERIFY(m_messages.Icons()[0] == MessageIcon::Stop);
        QVERIFY(SaveScreenshot(&dialog, QStringLiteral("config-dialog-no-store")));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(IDCANCEL));
    }
};

TALVOREN_GUI_TEST_MAIN(ConfigDlgTest)
#include "ConfigDlg_test.moc"
