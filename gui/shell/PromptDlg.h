#pragma once
// The insert-CD prompt: one large button that carries the prompt text (OK:
// the disc is in) and a Cancel button.

#include <QDialog>
#include <QFont>
#include <string>

namespace talvoren
{
class CImageButton;

class CPromptDlg : public QDialog
{
    Q_OBJECT

public:
    // `text` is stored in the Vietnamese font encoding; `font` may be null.
    CPromptDlg(const std::u16string& text, int iconId, const QFont* font, QWidget* parent);

    CImageButton* OkButton() const { return m_pOk; }
    CImageButton* CancelButton() const { return m_pCancel; }

private:
    CImageButton* m_pOk = nullptr;
    CImageButton* m_pCancel = nullptr;
    std::u16string m_strText;
    int m_nIconId;
    const QFont* m_pFont;
};

} // namespace talvoren
