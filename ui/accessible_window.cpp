// What the window tells a screen reader: the cards' grid as a table of cards, each named by what it shows,
// the attempt counter as a status, the players' rows, and an announcer that says what a turn came to.
#include "accessible_window.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <utility>

#include "card_cell.h"
#include "card_grid.h"
#include "qt_text.h"
#include "spoken_text.h"
#include "window_layout.h"

namespace pairfinder {

namespace {

constexpr char StatusProperty[] = "pairfinderStatus";

CardGrid* GridOf(const CardCell* cell) {
    return qobject_cast<CardGrid*>(cell->parentWidget());
}

// The grid: its children are the cells of the board in play in position order, and nothing else it holds; it has
// the board's rows and columns.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(CardGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    // Its description tells a reader which keys play it.
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Words(CardsSpoken);
        if (kind == QAccessible::Description) return Words(layout::KeysHelp);
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return Grid()->Board().Cards(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return QAccessible::queryAccessibleInterface(Grid()->Cell(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        const int p = Grid()->PositionOf(qobject_cast<const CardCell*>(child->object()));
        return p < childCount() ? p : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return Grid()->hasFocus() ? child(Grid()->Current()) : nullptr;
    }

    // The table: the board's rows and columns, a card in each cell; nothing is selected, nothing has a header.
    int rowCount() const override { return Grid()->Board().Rows; }
    int columnCount() const override { return Grid()->Board().Columns; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        return child(row * columnCount() + column);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CardGrid* Grid() const { return static_cast<CardGrid*>(widget()); }
};

// A card: a button named by its place and what it shows, which Enter, Space or the press action turns; a cell of
// the grid's table at its row and column.
class CellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CellAccessible(CardCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        const CardGrid* grid = GridOf(Cell());
        const int p = grid ? grid->PositionOf(Cell()) : -1;
        if (p < 0) return {};
        return QtText(layout::CardSpoken(grid->Board(), p, Cell()->View(), Cell()->Face().Singular));
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const CardGrid* grid = GridOf(Cell());
        // The keyboard stays on a removed card's cell, which is disabled; it can still be focused.
        state.focusable = true;
        state.focused = grid && grid->IsFocusedCell(grid->PositionOf(Cell()));
        return state;
    }
    QStringList actionNames() const override {
        return Cell()->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) Cell()->Press();
    }

    int rowIndex() const override { return Place().Row; }
    int columnIndex() const override { return Place().Column; }
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override {
        const CardGrid* grid = GridOf(Cell());
        return grid ? QAccessible::queryAccessibleInterface(const_cast<CardGrid*>(grid)) : nullptr;
    }

private:
    CardCell* Cell() const { return static_cast<CardCell*>(widget()); }
    layout::Cell Place() const {
        const CardGrid* grid = GridOf(Cell());
        const int p = grid ? grid->PositionOf(Cell()) : -1;
        return p < 0 ? layout::Cell{-1, -1} : layout::CellAt(grid->Board(), p);
    }
};

// The attempt counter's panel as one status: its labels' texts in order, read as one.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::StatusBar) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        QStringList texts;
        for (const QLabel* label : widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            texts << label->text();
        return texts.join(QLatin1Char(' '));
    }
    // The labels are read as part of the status, not once more on their own.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

// A player's row of the players' panel, read as one line by the name it was given, its labels not again on their own.
class SeatRowAccessible : public QAccessibleWidget {
public:
    explicit SeatRowAccessible(QWidget* row) : QAccessibleWidget(row, QAccessible::StaticText) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

// A notification named by what was said last, so that a reader that asks hears it again; how a reader is told
// of something new is Tell's choice.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Announcer*>(widget())->Said() : QString();
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("pairfinder::CardGrid"))
        return new GridAccessible(static_cast<CardGrid*>(object));
    if (className == QLatin1String("pairfinder::CardCell"))
        return new CellAccessible(static_cast<CardCell*>(object));
    if (className == QLatin1String("pairfinder::SeatRow"))
        return new SeatRowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("pairfinder::Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    if (className == QLatin1String("QFrame") && object->property(StatusProperty).toBool())
        return new StatusAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// The one place that knows how an announcement reaches a reader on each platform. Debian's Qt 6.4 has no
// announcement event, and its two bridges turn different events into speech: each platform is sent only the
// one its bridge speaks, so that nothing is said twice.
void Tell(Announcer& announcer) {
#ifdef Q_OS_WIN
    // The UI Automation bridge drops a name change (but a combo box's) and a shown object; a string value
    // change it raises as a notification, which NVDA and Narrator speak wherever the focus is.
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(&announcer, announcer.Said());
    QAccessible::updateAccessibility(&event);
#else
    // AT-SPI: Orca speaks a notification as it comes into view, by the name it has then.
    NotifyReader(announcer, QAccessible::NameChanged);
    NotifyReader(announcer, QAccessible::ObjectShow);
#endif
}

}  // namespace

void NotifyReader(QObject& object, QAccessible::Event type) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&object, type);
    QAccessible::updateAccessibility(&event);
}

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    static_cast<void>(installed);
}

void MarkAsStatus(QWidget& panel) {
    panel.setProperty(StatusProperty, true);
}

void StatusChanged(QWidget& panel) {
    NotifyReader(panel, QAccessible::NameChanged);
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    hide();
}

void Announcer::Announce(const QString& text) {
    Announced = text;
    Tell(*this);
}

}  // namespace pairfinder
