#pragma once
// The edit box that the parent of a CEditListCtrl lays over a cell to edit
// it. It takes the focus when it is made; Enter stores the text, Escape
// cancels, and losing the focus in any other way (a click elsewhere, Tab,
// scrolling the list) stores it too: the box then reports the result once
// with EndLabelEdit and the parent sets the cell and deletes the box.

#include <QPlainTextEdit>
#include <QString>

namespace talvoren
{
class CEditListCtrl;

class CInPlaceEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    // An editor for (row, column) holding `text`; `kind` is the column's kind
    // (CEditListCtrl::kDigits refuses letters). It is made a child of the
    // list's viewport at the list's corner, 1 x 1 pixels, with the list's
    // font; it shows itself, takes the focus, sizes itself to its text and
    // selects all of it.
    CInPlaceEdit(int row, int column, const QString& text, int kind, CEditListCtrl* list);

    int Row() const { return m_nRow; }
    int Column() const { return m_nColumn; }
    bool IsCancelled() const { return m_bCancelled; }
    const QString& InitialText() const { return m_strInitialText; }

    // Grows the box to its text with the list's font: as wide as the wrapped
    // text needs (up to the list's right edge less 2 pixels) and as high as
    // it needs (up to the list's bottom less 2 pixels, then with a vertical
    // scroll bar). It never shrinks.
    void SizeToText();

    // True for a character that a digits column refuses: a letter, or a
    // number character other than the digits 0-9.
    static bool IsRefusedInDigits(QChar ch);

signals:
    // The result, sent once when the box loses the focus: the text, or
    // `cancelled` (and an empty text) after Escape.
    void EndLabelEdit(int row, int column, const QString& text, bool cancelled);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void GiveFocusBack();
    QString WithoutRefused(const QString& text) const;

    CEditListCtrl* m_pList;
    int m_nRow;
    int m_nColumn;
    QString m_strInitialText;
    int m_nKind;
    bool m_bCancelled = false;
    bool m_bEnded = false;
};

} // namespace talvoren
