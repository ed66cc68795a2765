#pragma once
// The configuration dialog: three check boxes for the placement of
// Epiphany, the Ascension and Corpus Christi, read from the settings store
// when the dialog opens and written back on OK. The year engine sees the new
// values at its next fresh computation.

#include "dialogs/ConfigOptions.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace talvoren
{
class CAppContext;

class CConfigDlg : public QDialog
{
    Q_OBJECT

public:
    // Shows its captions in the context's Vietnamese font.
    explicit CConfigDlg(const CAppContext& context, QWidget* parent = nullptr);

    // The check box of a row of the option table (0..2), by control id.
    QCheckBox* CheckBox(int id) const;
    // OK and Cancel: image buttons once the stored values were read, else
    // the plain buttons of the template.
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancel; }

    // OK: writes the three values and ends with IDOK; when the settings
    // store cannot be written, says so and stays open.
    void accept() override;
    // Cancel, Escape, the close box: IDCANCEL, nothing written.
    void reject() override;

private:
    QCheckBox* m_checks[kConfigOptionCount] = {};
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
};

} // namespace talvoren
