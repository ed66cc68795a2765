#pragma once
// The internationalise dialog: switches the language folder for the rest of
// the run and chooses the word order of composed titles. It opens on the
// language and word order in force; the word order follows the language
// chosen until the user picks one. A language without a folder gets one
// beside the executable, filled with copies of the files of the current
// language folder, once the user agreed to it.

#include <QDialog>
#include <QString>
#include <functional>
#include <string>

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
namespace talvoren
{
class CAppContext;

class CLanguageDlg : public QDialog
{
    Q_OBJECT

public:
    // OK changes the context's language state and installs into its program
    // folder; from a CD-ROM the dialog offers the short list.
    explicit CLanguageDlg(CAppContext& context, QWidget* parent = nullptr);

    // Called after OK has stored a new folder and flag, before the dialog
    // ends: the frame reloads the language data here.
    void SetReloadHandler(std::function<void()> reload) { m_reload = std::move(reload); }

    // Asked before a language without a folder gets one: the text says that
    // the new folder holds copies of the current language's files; true
    // goes on. Without a handler a message box asks.
    void SetConfirmHandler(std::function<bool(const QString&)> confirm) { m_confirm = std::move(confirm); }

    QComboBox* LanguageList() const { return m_pList; }
    QRadioButton* VietnameseOrder() const { return m_pVietnameseOrder; }
    QRadioButton* EnglishOrder() const { return m_pEnglishOrder; }
    QGroupBox* Frame() const { return m_pFrame; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    // OK: installs and switches to the selected language, reloads the
    // language data and ends with IDOK; a failed copy, or a new folder the
    // user does not want, keeps the dialog open with nothing switched. No
    // selection: nothing happens.
    void accept() override;
    void reject() override;

private:
    // The selected language as the list names it ("German"), whatever the
    // interface language shows.
    std::string SelectedLanguage() const;
    bool ConfirmNewFolder(const std::string& language);

    CAppContext& m_context;
    std::function<void()> m_reload;
    std::function<bool(const QString&)> m_confirm;
    bool m_bOrderChosen = false;   // the user picked a word order: it no longer follows the language
    QComboBox* m_pList = nullptr;
    QRadioButton* m_pVietnameseOrder = nullptr;
    QRadioButton* m_pEnglishOrder = nullptr;
    QGroupBox* m_pFrame = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
};

} // namespace talvoren
