#include "gui/controls/EditListCtrl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace talvoren
{
CEditListCtrl::CEditListCtrl(QWidget* parent) : QTableWidget(parent)
{
}

bool CEditListCtrl::SetUp()
{
    // A report of rows: no row headings, no editing of the list's own.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);   // a column may be made as narrow as the user likes
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);

    // Scrolling with the bars first takes the keyboard focus to the list,
    // which ends any open editor (its text is stored), then scrolls.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this](int) {
            if (!hasFocus())
                setFocus(Qt::OtherFocusReason);
        });
    }
    return true;
}

void CEditListCtrl::SetColumnKind(int column, int kind, const QString* textA, const QString* textB)
{
    if (column < 0 || column >= kMaxDescribedColumns)
        return;
    COLUMNDESCRIPTOR& descriptor = m_columns[column];
    descriptor.nKind = kind;
    if (textA)
        descriptor.strTextA = *textA;
    if (kind == kCycle) {
        QString& values = descriptor.strTextA;
        if (!values.endsWith(QLatin1Char('|')))
            values += QLatin1Char('|');
        values += values.left(values.indexOf(QLatin1Char('|'))) + QLatin1Char('|');
    }
    if (textB)
        descriptor.strTextB = *textB;
}

int CEditListCtrl::GetColumnKind(int column) const
{
    return column >= 0 && column < kMaxDescribedColumns ? m_columns[column].nKind : kText;
}

QString CEditListCtrl::GetColumnTextA(int column) const
{
    return column >= 0 && column < kMaxDescribedColumns ? m_columns[column].strTextA : QString();
}

QString CEditListCtrl::GetColumnTextB(int column) const
{
    return column >= 0 && column < kMaxDescribedColumns ? m_columns[column].strTextB : QString();
}

int CEditListCtrl::FocusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString CEditListCtrl::CellText(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CEditListCtrl::SetCellText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

void CEditListCtrl::ColumnIntoView(int position)
{
    if (position < 0 || position >= columnCount())
        return;
    const int column = horizontalHeader()->logicalIndex(position);
    const int x = horizontalHeader()->sectionPosition(column);   // widths of the columns before it
    const int w = columnWidth(column);
    const int left = -horizontalOffset();
    if (x + left < 0 || viewport()->width() < x + w + left)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x + left);
}

void CEditListCtrl::RedrawFocusedRow()
{
    viewport()->update();
}

void CEditListCtrl::ActOnCell(int row, int column)
{
    switch (GetColumnKind(column)) {
    case kText:
    case kDigits:
        emit BeginLabelEdit(row, column, CellText(row, column));
        break;
    case kNotify:
        emit NotifyCell(row, column);
        break;
    case kCycle: {
        const QString& values = m_columns[column].strTextA;
        const QString key = CellText(row, column) + QLatin1Char('|');
        const int found = values.indexOf(key);
        if (found < 0)
            break;
        const int start = found + key.size();
        const int end = values.indexOf(QLatin1Char('|'), start);
        if (end >= 0)
            SetCellText(row, column, values.mid(start, end - start));
        break;
    }
    case kToggle: {
        const COLUMNDESCRIPTOR& descriptor = m_columns[column];
        const bool isA = CellText(row, column).compare(descriptor.strTextA, Qt::CaseInsensitive) == 0;
        SetCellText(row, column, isA ? descriptor.strTextB : descriptor.strTextA);
        break;
    }
    default:
        break;
    }
}

void CEditListCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const int column = columnAt(point.x());
    const int row = rowAt(point.y());

    const int oldColumn = m_nCurrentColumn;
    m_nCurrentColumn = column >= 0 ? horizontalHeader()->visualIndex(column) : -1;
    ColumnIntoView(m_nCurrentColumn);
    const bool hadFocus = row >= 0 && FocusedRow() == row;

    QTableWidget::mousePressEvent(event);
    viewport()->update();

    // A second click on the current cell of the focused row acts on it.
    if (hadFocus && m_nCurrentColumn != -1 && m_nCurrentColumn == oldColumn)
        ActOnCell(row, column);
}

void CEditListCtrl::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        if (m_nCurrentColumn - 1 >= -1) {
            --m_nCurrentColumn;
            ColumnIntoView(m_nCurrentColumn);
            RedrawFocusedRow();
        }
        event->accept();
        return;
    case Qt::Key_Right:
        if (m_nCurrentColumn + 1 <= columnCount() - 1) {
            ++m_nCurrentColumn;
            ColumnIntoView(m_nCurrentColumn);
            RedrawFocusedRow();
        }
        event->accept();
        return;
    case Qt::Key_F2:
        if (m_nCurrentColumn != -1 && FocusedRow() != -1) {
            const int row = FocusedRow();
            const int column = horizontalHeader()->logicalIndex(m_nCurrentColumn);
            emit BeginLabelEdit(row, column, CellText(row, column));
        }
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
}

void CEditListCtrl::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
    QTableWidget::wheelEvent(event);
}

bool CEditListCtrl::EditCell(QWidget* editor, int row, int column)
{
    if (!editor || row < 0 || row >= rowCount())
        return false;
    // The row into view (partly visible is enough), vertically only.
    const int viewHeight = viewport()->height();
    int top = rowViewportPosition(row);
    const int height = rowHeight(row);
    if (top + height <= 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + top);
    else if (top >= viewHeight)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + top + height - viewHeight);
    top = rowViewportPosition(row);

    if (column < 0 || column >= columnCount() || columnWidth(column) <= 4)
        return false;
    const int x = horizontalHeader()->sectionPosition(column);
    const int w = columnWidth(column);
    int left = -horizontalOffset();
    const int clientWidth = viewport()->width();
    if (x + left < 0 || clientWidth < w + left + x) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + x + left);
        left = -horizontalOffset();
    }
    const int editorLeft = left + x + 4;
    const int editorRight = std::min(left + x + w + 1, clientWidth);
    editor->setGeometry(editorLeft, top, editorRight - editorLeft, height);
    return true;
}

QRect CEditListCtrl::SunkenCellRect() const
{
    const int row = FocusedRow();
    if (m_nCurrentColumn < 0 || row < 0)
        return QRect();
    const int column = horizontalHeader()->logicalIndex(m_nCurrentColumn);
    if (column < 0)
        return QRect();
    return visualRect(model()->index(row, column));
}

void CEditListCtrl::paintEvent(QPaintEvent* event)
{
    QTableWidget::paintEvent(event);

    // The current cell of the focused row, drawn again as a sunken box.
    QRect cell = SunkenCellRect();
    if (cell.isEmpty())
        return;
    const int row = FocusedRow();
    const int column = horizontalHeader()->logicalIndex(m_nCurrentColumn);
    QPainter painter(viewport());
    const QPalette& colours = palette();
    painter.fillRect(cell, colours.color(QPalette::Button));

    const int blank = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const QRect textArea = cell.adjusted(2 * blank, 0, -2 * blank, 0);
    painter.setPen(colours.color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(CellText(row, column), Qt::ElideRight, textArea.width()));

    // Outer frame: shadow at top and left, face at bottom and right; inner
    // frame: dark shadow at top and left, highlight at bottom and right.
    auto frame = [&painter](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    frame(cell, colours.color(QPalette::Dark), colours.color(QPalette::Button));
    cell.adjust(1, 1, -1, -1);
    frame(cell, colours.color(QPalette::Shadow), colours.color(QPalette::Light));
}

} // namespace talvoren

#include "moc_EditListCtrl.cpp"
