#include "app/areatablemodel.h"

#include "app/boxes.h"
#include "editor/editor.h"

#include <QFont>

#include <algorithm>

namespace {

constexpr int ColumnCount = AreaTableModel::WhereColumn + 1;

bool isPedColumn(int column)
{
    return column >= AreaTableModel::FirstPedColumn && column < AreaTableModel::WhereColumn;
}

QString columnTitle(int column)
{
    switch (column) {
    case AreaTableModel::GroupColumn:
        return AreaTableModel::tr("Group");
    case AreaTableModel::AreaColumn:
        return AreaTableModel::tr("Area");
    case AreaTableModel::WhereColumn:
        return AreaTableModel::tr("Where");
    default:
        return AreaTableModel::tr("Ped %1").arg(column - AreaTableModel::FirstPedColumn + 1);
    }
}

bool sameReading(const AreaReading &a, const AreaReading &b)
{
    return a.firstGroup == b.firstGroup && a.groups == b.groups && a.names == b.names;
}

} // namespace

AreaTableModel::AreaTableModel(Editor &editor, QObject *parent)
    : QAbstractTableModel(parent), m_editor(editor), m_markedRow(editor.selectedArea())
{
    countAnew();
    connect(&m_editor, &Editor::areasAboutToBeReplaced, this, &AreaTableModel::beginResetModel);
    connect(&m_editor, &Editor::areasReplaced, this, &AreaTableModel::followLoad);
    connect(&m_editor, &Editor::listsChanged, this, &AreaTableModel::followLists);
    connect(&m_editor, &Editor::areaSelected, this, &AreaTableModel::followSelection);
    connect(&m_editor, &Editor::fileChanged, this, &AreaTableModel::followFile);
    connect(&m_editor, &Editor::zonesChanged, this, &AreaTableModel::followZones);
}

int AreaTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_editor.table().areas.size());
}

int AreaTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AreaTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const int row = index.row();
    if (role == Qt::FontRole) {
        if (row != m_editor.selectedArea())
            return QVariant();
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::AccessibleDescriptionRole)
        return cellDescription(index);
    if (index.column() == GroupColumn)
        return groupData(row, role);
    if (index.column() == AreaColumn) {
        const bool text = role == Qt::DisplayRole || role == Qt::EditRole;
        return text ? calledArea(m_editor.table(), m_editor.areaLines(), row + 1) : QVariant();
    }
    if (index.column() == WhereColumn)
        return whereData(row, role);
    return pedData(row, index.column() - FirstPedColumn, role);
}

QVariant AreaTableModel::groupData(int row, int role) const
{
    const AreaReading &reading = m_readings[row];
    const bool pastTable = reading.firstGroup >= GameGroupCapacity;
    switch (role) {
    case Qt::DisplayRole:
        return reading.firstGroup < 0 ? QVariant() : QVariant(reading.firstGroup);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return pastTable ? QVariant(ErrorColour) : QVariant();
    case Qt::DecorationRole:
        return reading.firstGroup < 0 ? QVariant(ErrorColour) : QVariant();
    case Qt::ToolTipRole:
        if (reading.firstGroup < 0)
            return tr("The game reads %n name(s) here, so this line is no group.", nullptr,
                    reading.names);
        return pastTable ? tr("The game holds %1 groups; this one is written past its table.")
                                   .arg(GameGroupCapacity)
                         : QVariant();
    default:
        return QVariant();
    }
}

// A list that cannot be split shows whole in the first slot.
QVariant AreaTableModel::pedData(int row, int slot, int role) const
{
    const QString &list = m_editor.table().areas[row].areaPeds;
    const SlotPieces pieces = slotPieces(list);
    if (!pieces.isWhole()) {
        if (slot != 0)
            return QVariant();
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return list;
        return role == Qt::ToolTipRole ? tr("This list cannot be split into eight names.")
                                       : QVariant();
    }
    const QStringView text = pieces.pieces[slot];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text.toString();
    case Qt::ForegroundRole:
        return m_editor.models().unknownNames(text.toString()).isEmpty() ? QVariant()
                                                                         : QVariant(ErrorColour);
    case Qt::ToolTipRole: {
        const QStringList unknown = m_editor.models().unknownNames(text.toString());
        return unknown.isEmpty() ? QVariant() : SlotBox::unknownModelTip(unknown.first());
    }
    default:
        return QVariant();
    }
}

// Empty for a line that is no group and without zones.
QVariant AreaTableModel::whereData(int row, int role) const
{
    const int group = m_readings[row].firstGroup;
    if (group < 0)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return groupWhereText(m_editor.zones(), group);
    case Qt::ToolTipRole:
        return groupWhereDetails(m_editor.zones(), group);
    default:
        return QVariant();
    }
}

QString AreaTableModel::cellDescription(const QModelIndex &index) const
{
    return tr("%1 of %2")
            .arg(columnTitle(index.column()),
                    calledArea(m_editor.table(), m_editor.areaLines(), index.row() + 1));
}

QVariant AreaTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return columnTitle(section);
    // The area number, and an arrow at the area the main window shows.
    const QString number = QString::number(section + 1);
    return section == m_editor.selectedArea() ? QStringLiteral("\u25B6 ") + number : number;
}

Qt::ItemFlags AreaTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!isPedColumn(index.column())
            || !slotPieces(m_editor.table().areas[index.row()].areaPeds).isWhole())
        return flags;
    return flags | Qt::ItemIsEditable;
}

bool AreaTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_editor.editAreaSlot(index.row(), index.column() - FirstPedColumn, value.toString());
    return true;
}

void AreaTableModel::followLoad()
{
    countAnew();
    m_markedRow = -1;
    endResetModel();
    emit countsChanged();
}

// A changed list can move the group numbers of every area after it; one range
// of rows covers the areas changed and the numbers moved.
void AreaTableModel::followLists(const QList<int> &areas)
{
    const QList<AreaReading> before = m_readings;
    countAnew();
    if (areas.isEmpty())
        return;
    int first = *std::min_element(areas.begin(), areas.end()) - 1;
    int last = *std::max_element(areas.begin(), areas.end()) - 1;
    for (int row = 0; row < m_readings.size(); ++row) {
        if (!sameReading(before.value(row), m_readings[row])) {
            first = std::min(first, row);
            last = std::max(last, row);
        }
    }
    emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
    emit countsChanged();
}

void AreaTableModel::followSelection(int position)
{
    const int unmarked = m_markedRow;
    m_markedRow = position;
    if (unmarked == position)
        return;
    for (const int row : {unmarked, position}) {
        if (row < 0 || row >= rowCount())
            continue;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::FontRole});
        emit headerDataChanged(Qt::Vertical, row, row);
    }
}

// The lines the areas stand on name the areas without a name, and the layout
// Save keeps decides what the game reads.
void AreaTableModel::followFile()
{
    countAnew();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit countsChanged();
}

// New zones change every Where and may bring problems.
void AreaTableModel::followZones()
{
    countAnew();
    if (rowCount() > 0)
        emit dataChanged(index(0, WhereColumn), index(rowCount() - 1, WhereColumn));
    emit countsChanged();
}

void AreaTableModel::countAnew()
{
    m_readings = m_editor.gameReadings();
    m_groups = 0;
    for (const AreaReading &reading : m_readings)
        m_groups += reading.groups;
    m_findings = m_editor.gameFindings();
}

bool AreaTableModel::hasProblem(int row) const
{
    return std::any_of(m_findings.cbegin(), m_findings.cend(),
            [row](const GameCheckFinding &finding) { return finding.area == row + 1; });
}
