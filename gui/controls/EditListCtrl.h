#pragma once
// A small grid editor over a list of rows and columns: the user moves a
// current cell with the mouse and the arrow keys, sees it drawn as a sunken
// box, and edits it in place. The first click on a cell makes it current, a
// second click on it (or F2) acts on it according to its column's kind. For
// the editing kinds the list edits nothing itself: it asks its parent
// (BeginLabelEdit), which lays a CInPlaceEdit over the cell (EditCell).

#include <QString>
#include <QTableWidget>

namespace talvoren
{
class CEditListCtrl : public QTableWidget
{
    Q_OBJECT

public:
    // What a second click on a cell of a column does.
    enum ColumnKind : int {
        kToggle = -1,   // the cell becomes text A, or text B when it already reads text A
        kText = 0,      // the parent edits the cell; any character
        kDigits = 1,    // as text, but the edit box refuses letters
        kNotify = 2,    // NotifyCell(row, column) to the parent
        kCycle = 3,     // the cell takes the next value of text A ("x|y|z|")
    };
    static constexpr int kMaxDescribedColumns = 10;

    explicit CEditListCtrl(QWidget* parent = nullptr);

    // Makes the list a report of rows: whole rows selected, columns that can
    // be dragged to another place, no editing of its own. Returns true.
    bool SetUp();

    // Sets the kind of `column` (0..9), with text A and text B when given.
    // For a cycle, text A is a list of values each followed by "|"; the
    // first value is appended again so that the last one wraps to it.
    void SetColumnKind(int column, int kind, const QString* textA = nullptr, const QString* textB = nullptr);
    int GetColumnKind(int column) const;
    QString GetColumnTextA(int column) const;
    QString GetColumnTextB(int column) const;

    // Places `editor` (a child of the viewport) over the cell (row, column),
    // scrolling the row and the column into view. Fails when the row does not
    // exist, the column does not exist or is 4 pixels wide or less.
    bool EditCell(QWidget* editor, int row, int column);

    // The display position of the current cell's column; -1 for none.
    int CurrentColumn() const { return m_nCurrentColumn; }
    // The row that has the focus; -1 for none.
    int FocusedRow() const;

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

    // Where the current cell is drawn sunken (empty when there is none).
    QRect SunkenCellRect() const;

signals:
    // A second click or F2 on a cell of a text or digits column: the parent
    // is to edit the cell whose text is `text`.
    void BeginLabelEdit(int row, int column, const QString& text);
    // A second click on a cell of a notify column.
    void NotifyCell(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct COLUMNDESCRIPTOR
    {
        int nKind = kText;
        QString strTextA;
        QString strTextB;
    };

    void ColumnIntoView(int position);
    void ActOnCell(int row, int column);
    void RedrawFocusedRow();

    int m_nCurrentColumn = -1;
    COLUMNDESCRIPTOR m_columns[kMaxDescribedColumns];
};

} // namespace talvoren
