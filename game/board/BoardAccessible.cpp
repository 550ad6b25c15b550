#include "BoardAccessible.h"

#include "BoardView.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

namespace {

int IndexOf(Cell cell, int n)
{
    return cell.Row * n + cell.Column;
}

// One cell of the board. It holds no state of its own: every question is answered from the
// board's reading at that moment.
class BoardCellAccessible : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface {
public:
    BoardCellAccessible(BoardView* board, Cell cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return board_ && board_->Reading().Contains(cell_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override
    {
        return isValid() && kind == QAccessible::Name ? board_->Reading().Name(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect local = board_->Shown().CellRect(cell_);
        return QRect(board_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const BoardReading reading = board_->Reading();
        const CellReading cell = reading.At(cell_);
        state.focusable = true;
        state.focused = cell.Focused;
        state.selectable = reading.Mode() == GameMode::TileSwap;
        state.selected = cell.Selected;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && board_->Reading().At(cell_).Selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.Column; }
    int rowIndex() const override { return cell_.Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            board_->PressCell(cell_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<BoardView> board_;
    Cell cell_;
};

// The board itself: a table whose children are its cells, row by row. Cells are made when first
// asked for and kept until the board changes its size or mode, as the toolkit's own tables do.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardAccessible() override { ForgetCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && Board()->accessibleName().isEmpty())
            return BoardView::tr("Puzzle board");
        if (kind == QAccessible::Description && Board()->accessibleDescription().isEmpty())
            return Board()->Reading().Description();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return N() * N(); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < childCount() ? cellAt(index / N(), index % N()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        QAccessibleInterface* cell = const_cast<QAccessibleInterface*>(child);
        if (child == nullptr || child->role() != QAccessible::Cell || !cell->tableCellInterface()
            || child->parent() != this)
            return -1;
        return cell->tableCellInterface()->rowIndex() * N() + cell->tableCellInterface()->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = Board()->mapFromGlobal(QPoint(x, y));
        const ShownBoard shown = Board()->Shown();
        const auto cell = CellAtPixel(at.x(), at.y(), shown.Width, shown.Height, N());
        return cell ? cellAt(cell->Row, cell->Column) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto focus = Board()->Reading().Focus();
        return focus ? cellAt(focus->Row, focus->Column) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= N() || column >= N())
            return nullptr;
        const int key = IndexOf({column, row}, Position::MaxN);
        const auto known = cells_.find(key);
        if (known != cells_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* cell = new BoardCellAccessible(Board(), {column, row});
        cells_[key] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }
    int selectedCellCount() const override { return Board()->Reading().Selection() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const auto selected = Board()->Reading().Selection();
        return selected ? QList<QAccessibleInterface*>{cellAt(selected->Row, selected->Column)}
                        : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int column) const override { return BoardView::tr("Column %1").arg(column + 1); }
    QString rowDescription(int row) const override { return BoardView::tr("Row %1").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return N(); }
    int rowCount() const override { return N(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Tiles are picked up by pressing them, not whole rows or columns.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { ForgetCells(); }

private:
    BoardView* Board() const { return static_cast<BoardView*>(widget()); }
    int N() const { return Board()->Reading().N(); }

    void ForgetCells()
    {
        for (const auto& [key, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable std::map<int, QAccessible::Id> cells_;
};

QAccessibleInterface* BoardAccessibleFactory(const QString&, QObject* object)
{
    if (auto* board = qobject_cast<BoardView*>(object))
        return new BoardAccessible(board);
    return nullptr;
}

void TellAboutCell(int n, Cell cell, QAccessibleEvent&& event)
{
    event.setChild(IndexOf(cell, n));
    QAccessible::updateAccessibility(&event);
}

} // namespace

void InstallBoardAccessibility()
{
    static const bool installed = (QAccessible::installFactory(BoardAccessibleFactory), true);
    Q_UNUSED(installed);
}

void TellBoardChanges(BoardView& board, const ReadingChanges& changes)
{
    if (!QAccessible::isActive())
        return;
    const int n = board.Reading().N();
    if (changes.Reshaped) {
        QAccessibleTableModelChangeEvent reset(&board, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        QAccessibleEvent described(&board, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    for (const Cell& cell : changes.Renamed)
        TellAboutCell(n, cell, QAccessibleEvent(&board, QAccessible::NameChanged));
    // The state change is the toolkit's own word for it; the desktop's bridge of this toolkit
    // version passes on only the selection events as the cell's selected state.
    QAccessible::State picked;
    picked.selected = true;
    for (const Cell& cell : changes.Reselected) {
        TellAboutCell(n, cell, QAccessibleStateChangeEvent(&board, picked));
        const bool selected = board.Reading().At(cell).Selected;
        TellAboutCell(n, cell, QAccessibleEvent(&board, selected ? QAccessible::SelectionAdd
                                                                 : QAccessible::SelectionRemove));
    }
    if (changes.FocusMovedTo)
        TellAboutCell(n, *changes.FocusMovedTo, QAccessibleEvent(&board, QAccessible::Focus));
}
