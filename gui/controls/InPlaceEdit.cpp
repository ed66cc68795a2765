#include "gui/controls/InPlaceEdit.h"

#include "gui/controls/EditListCtrl.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <algorithm>

namespace talvoren
{
CInPlaceEdit::CInPlaceEdit(int row, int column, const QString& text, int kind, CEditListCtrl* list)
    : QPlainTextEdit(list->viewport()), m_pList(list), m_nRow(row), m_nColumn(column), m_strInitialText(text),
      m_nKind(kind)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    document()->setDocumentMargin(1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);   // Tab leaves the box, as in a dialog
    setGeometry(0, 0, 1, 1);

    setFont(list->font());
    setPlainText(text);
    show();
    setFocus(Qt::OtherFocusReason);
    SizeToText();
    selectAll();
    ensureCursorVisible();
    connect(this, &QPlainTextEdit::textChanged, this, &CInPlaceEdit::SizeToText);
}

bool CInPlaceEdit::IsRefusedInDigits(QChar ch)
{
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        return false;
    return ch.isLetterOrNumber();
}

QString CInPlaceEdit::WithoutRefused(const QString& text) const
{
    if (m_nKind != CEditListCtrl::kDigits)
        return text;
    QString kept;
    for (QChar ch : text)
        if (!IsRefusedInDigits(ch))
            kept += ch;
    return kept;
}

void CInPlaceEdit::SizeToText()
{
    const QWidget* client = m_pList->viewport();
    const QFontMetrics metrics(m_pList->font());
    const QString text = toPlainText().isEmpty() ? QStringLiteral(" ") : toPlainText();
    auto heightFor = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), Qt::TextWordWrap | Qt::TextExpandTabs,
                                    text)
            .height();
    };
    const QRect box = geometry();
    const int ownHeight = heightFor(box.width());
    const int wideWidth = client->width() - box.left();
    const int wideHeight = heightFor(wideWidth);
    const bool ownFits = ownHeight < wideHeight;
    const int neededWidth = (ownFits ? box.width() : wideWidth) + 5;
    const int neededHeight = (ownFits ? ownHeight : wideHeight) + 5;

    QRect sized = box;
    if (box.width() < neededWidth)
        sized.setWidth(std::min(box.left() + neededWidth, client->width() - 2) - box.left());
    if (box.height() < neededHeight) {
        int bottom = box.top() + neededHeight;
        if (bottom > client->height() - 2) {
            bottom = client->height() - 2;
            setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }
        sized.setHeight(bottom - box.top());
    }
    if (sized.size() != box.size() && sized.width() > 0 && sized.height() > 0)
        setGeometry(sized);
}

void CInPlaceEdit::GiveFocusBack()
{
    m_pList->setFocus(Qt::OtherFocusReason);
    // In a window that is not active the focus moves without a focus-out
    // event; the edit ends all the same.
    if (!m_bEnded) {
        m_bEnded = true;
        emit EndLabelEdit(m_nRow, m_nColumn, m_bCancelled ? QString() : toPlainText(), m_bCancelled);
    }
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        GiveFocusBack();
        return;
    case Qt::Key_Escape:
        event->accept();
        m_bCancelled = true;
        GiveFocusBack();
        return;
    default:
        break;
    }
    if (m_nKind == CEditListCtrl::kDigits && !(event->modifiers() & Qt::ControlModifier)) {
        for (QChar ch : event->text()) {
            if (IsRefusedInDigits(ch)) {
                event->accept();   // a letter in a digits column is dropped
                return;
            }
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || m_bEnded)
        return;   // the box's own context menu does not end the edit
    m_bEnded = true;
    emit EndLabelEdit(m_nRow, m_nColumn, m_bCancelled ? QString() : toPlainText(), m_bCancelled);
}

void CInPlaceEdit::insertFromMimeData(const QMimeData* source)
{
    if (m_nKind != CEditListCtrl::kDigits || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData digits;
    digits.setText(WithoutRefused(source->text()));
    QPlainTextEdit::insertFromMimeData(&digits);
}

} // namespace talvoren

#include "moc_InPlaceEdit.cpp"
