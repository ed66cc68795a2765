// The editable list on its own: the current cell under the mouse and the
// arrow keys, the column kinds, the sunken current cell and the placing of an
// editor over a cell.

#include "gui/controls/EditListCtrl.h"
#include "tests/gui/GuiTestSupport.h"

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <memory>

using namespace talvoren;

class EditListCtrlTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CEditListCtrl> m_list;

    QPoint Centre(int row, int column) const
    {
        return m_list->visualRect(m_list->model()->index(row, column)).center();
    }
    void Click(int row, int column, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, Centre(row, column));
    }
    void Key(int key) { QTest::keyClick(m_list.get(), static_cast<Qt::Key>(key)); }

private slots:
    void init()
    {
        m_list = std::make_unique<CEditListCtrl>();
        QVERIFY(m_list->SetUp());
        m_list->setColumnCount(3);
        m_list->setRowCount(12);
        const int widths[] = {60, 60, 240};
        for (int column = 0; column < 3; ++column)
            m_list->setColumnWidth(column, widths[column]);
        for (int row = 0; row < 12; ++row)
            for (int column = 0; column < 3; ++column)
                m_list->SetCellText(row, column, QStringLiteral("r%1c%2").arg(row).arg(column));
        m_list->resize(420, 200);
        m_list->show();
        m_list->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_list.get()));
    }
    void cleanup() { m_list.reset(); }

    void firstClickMakesACellCurrentTheSecondEditsIt()
    {
        QSignalSpy edits(m_list.get(), &CEditListCtrl::BeginLabelEdit);
        QCOMPARE(m_list->CurrentColumn(), -1);
        Click(2, 1);
        QCOMPARE(m_list->CurrentColumn(), 1);
        QCOMPARE(m_list->FocusedRow(), 2);
        QVERIFY(m_list->selectionModel()->isRowSelected(2, QModelIndex()));
        QCOMPARE(edits.count(), 0);

        Click(2, 1);
        QCOMPARE(edits.count(), 1);
        QCOMPARE(edits[0][0].toInt(), 2);
        QCOMPARE(edits[0][1].toInt(), 1);
        QCOMPARE(edits[0][2].toString(), QStringLiteral("r2c1"));

        // Another column of the same row only moves the current column.
        Click(2, 2);
        QCOMPARE(edits.count(), 1);
        QCOMPARE(m_list->CurrentColumn(), 2);
        Click(2, 2);
        QCOMPARE(edits.count(), 2);

        // The current column on another row: that row was not focused yet.
        Click(5, 2);
        QCOMPARE(edits.count(), 2);
        QCOMPARE(m_list->FocusedRow(), 5);
    }

    void aClickBelowTheLastRowEditsNothing()
    {
        m_list->setRowCount(2);
        QSignalSpy edits(m_list.get(), &CEditListCtrl::BeginLabelEdit);
        const QPoint below(Centre(1, 2).x(), m_list->viewport()->height() - 5);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(edits.count(), 0);
    }

    void leftAndRightStopAtTheirLimits()
    {
        Click(0, 0);
        QCOMPARE(m_list->CurrentColumn(), 0);
        QVERIFY(!m_list->SunkenCellRect().isEmpty());
        Key(Qt::Key_Left);
        QCOMPARE(m_list->CurrentColumn(), -1);   // cleared, not wrapped
        QVERIFY(m_list->SunkenCellRect().isEmpty());
        Key(Qt::Key_Left);
        QCOMPARE(m_list->CurrentColumn(), -1);
        QCOMPARE(m_list->FocusedRow(), 0);       // the key moved nothing else
        Key(Qt::Key_Right);
        QCOMPARE(m_list->CurrentColumn(), 0);
        for (int i = 0; i < 5; ++i)
            Key(Qt::Key_Right);
        QCOMPARE(m_list->CurrentColumn(), 2);    // stays on the last column
        Key(Qt::Key_Down);                       // other keys move the focused row
        QCOMPARE(m_list->FocusedRow(), 1);
        QCOMPARE(m_list->CurrentColumn(), 2);
    }

    void f2EditsTheCurrentCellOfTheFocusedRow()
    {
        QSignalSpy edits(m_list.get(), &CEditListCtrl::BeginLabelEdit);
        Click(3, 0);
        Key(Qt::Key_Left);   // no current column: F2 does nothing
        Key(Qt::Key_F2);
        QCOMPARE(edits.count(), 0);
        Key(Qt::Key_Right);
        Key(Qt::Key_Right);
        Key(Qt::Key_F2);
        QCOMPARE(edits.count(), 1);
        QCOMPARE(edits[0][0].toInt(), 3);
        QCOMPARE(edits[0][1].toInt(), 1);
        QCOMPARE(edits[0][2].toString(), QStringLiteral("r3c1"));
    }

    // The current column is a place in the header's order: with the text
    // column dragged to the front, it is place 0 and F2 edits column 2.
    void theCurrentColumnFollowsTheHeaderOrder()
    {
        m_list->horizontalHeader()->moveSection(2, 0);
        QSignalSpy edits(m_list.get(), &CEditListCtrl::BeginLabelEdit);
        Click(1, 2);
        QCOMPARE(m_list->CurrentColumn(), 0);
        Key(Qt::Key_Right);
        QCOMPARE(m_list->CurrentColumn(), 1);   // place 1: column 0
        Key(Qt::Key_F2);
        QCOMPARE(edits.count(), 1);
        QCOMPARE(edits[0][1].toInt(), 0);
        Key(Qt::Key_Left);
        Key(Qt::Key_F2);
        QCOMPARE(edits.count(), 2);
        QCOMPARE(edits[1][1].toInt(), 2);
        QCOMPARE(edits[1][2].toString(), QStringLiteral("r1c2"));
    }

    void columnKinds()
    {
        // Cycle: the first value is appended again, so the last wraps to it.
        const QString values = QStringLiteral("a|b|c");
        m_list->SetColumnKind(1, CEditListCtrl::kCycle, &values);
        QCOMPARE(m_list->GetColumnTextA(1), QStringLiteral("a|b|c|a|"));
        const QString ended = QStringLiteral("x|y|");
        m_list->SetColumnKind(0, CEditListCtrl::kCycle, &ended);
        QCOMPARE(m_list->GetColumnTextA(0), QStringLiteral("x|y|x|"));

        m_list->SetCellText(4, 1, QStringLiteral("a"));
        Click(4, 1);
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            Click(4, 1);
            seen << m_list->CellText(4, 1);
        }
        QCOMPARE(seen, (QStringList{"b", "c", "a"}));
        m_list->SetCellText(4, 1, QStringLiteral("zz"));   // not in the list: left as it is
        Click(4, 1);
        QCOMPARE(m_list->CellText(4, 1), QStringLiteral("zz"));

        // Toggle: text A, or text B when the cell reads text A in any case.
        const QString yes = QStringLiteral("Yes"), no = QStringLiteral("No");
        m_list->SetColumnKind(2, CEditListCtrl::kToggle, &yes, &no);
        m_list->SetCellText(6, 2, QStringLiteral("yes"));
        Click(6, 2);
        Click(6, 2);
        QCOMPARE(m_list->CellText(6, 2), QStringLiteral("No"));
        Click(6, 2);
        QCOMPARE(m_list->CellText(6, 2), QStringLiteral("Yes"));
        m_list->SetCellText(6, 2, QStringLiteral("other"));
        Click(6, 2);
        QCOMPARE(m_list->CellText(6, 2), QStringLiteral("Yes"));

        // Notify: the parent is told the row and the column.
        m_list->SetColumnKind(0, CEditListCtrl::kNotify);
        QSignalSpy notices(m_list.get(), &CEditListCtrl::NotifyCell);
        QSignalSpy edits(m_list.get(), &CEditListCtrl::BeginLabelEdit);
        Click(7, 0);
        Click(7, 0);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices[0][0].toInt(), 7);
        QCOMPARE(notices[0][1].toInt(), 0);
        QCOMPARE(edits.count(), 0);
    }

    void theCurrentCellIsDrawnSunken()
    {
        Click(1, 2);
        const QRect cell = m_list->SunkenCellRect();
        QVERIFY(!cell.isEmpty());
        QTRY_VERIFY(!m_list->viewport()->grab().isNull());
        const QImage image = m_list->viewport()->grab().toImage();
        const QPalette& colours = m_list->palette();
        // Shadow at the outer top and left, dark shadow just inside them,
        // highlight at the inner bottom and right, button face inside.
        QCOMPARE(image.pixel(cell.left(), cell.top() + 5), colours.color(QPalette::Dark).rgb());
        QCOMPARE(image.pixel(cell.left() + 5, cell.top()), colours.color(QPalette::Dark).rgb());
        QCOMPARE(image.pixel(cell.left() + 1, cell.top() + 5), colours.color(QPalette::Shadow).rgb());
        QCOMPARE(image.pixel(cell.right() - 1, cell.top() + 5), colours.color(QPalette::Light).rgb());
        QCOMPARE(image.pixel(cell.left() + 5, cell.bottom() - 1), colours.color(QPalette::Light).rgb());
        QCOMPARE(image.pixel(cell.right() - 2, cell.top() + 3), colours.color(QPalette::Button).rgb());
        // The same cell of another row is not sunken.
        const QRect other = m_list->visualRect(m_list->model()->index(4, 2));
        QVERIFY(image.pixel(other.left() + 1, other.top() + 5) != colours.color(QPalette::Shadow).rgb());
    }

    void anEditorIsPlacedOverItsCell()
    {
        QWidget editor(m_list->viewport());
        QVERIFY(m_list->EditCell(&editor, 2, 1));
        const QRect cell = m_list->visualRect(m_list->model()->index(2, 1));
        QCOMPARE(editor.geometry().left(), 60 + 4);
        QCOMPARE(editor.geometry().left() + editor.geometry().width(), 60 + 60 + 1);
        QCOMPARE(editor.geometry().top(), cell.top());
        QCOMPARE(editor.geometry().height(), m_list->rowHeight(2));

        // The right edge stops at the list's client width.
        QVERIFY(m_list->EditCell(&editor, 2, 2));
        QCOMPARE(editor.geometry().left(), 120 + 4);
        QCOMPARE(editor.geometry().left() + editor.geometry().width(),
                 std::min(120 + 240 + 1, m_list->viewport()->width()));

        QVERIFY(!m_list->EditCell(&editor, 12, 0));   // no such row
        QVERIFY(!m_list->EditCell(&editor, 2, 3));    // no such column
        m_list->setColumnWidth(0, 4);
        QVERIFY(!m_list->EditCell(&editor, 2, 0));    // too narrow
    }

    void editingScrollsTheCellIntoView()
    {
        m_list->resize(200, 120);   // neither the text column nor the last rows fit
        QWidget editor(m_list->viewport());
        QVERIFY(m_list->EditCell(&editor, 11, 2));
        QCOMPARE(m_list->horizontalScrollBar()->value(), 120);   // the column's left edge at the list's left
        QCOMPARE(editor.geometry().left(), 4);
        QVERIFY(editor.geometry().top() < m_list->viewport()->height());
        QVERIFY(editor.geometry().bottom() > 0);

        // A column cut off at the left is scrolled back into view.
        QVERIFY(m_list->EditCell(&editor, 11, 0));
        QCOMPARE(m_list->horizontalScrollBar()->value(), 0);
    }
};

TALVOREN_GUI_TEST_MAIN(EditListCtrlTest)
#include "EditListCtrl_test.moc"
