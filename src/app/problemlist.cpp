#include "app/problemlist.h"

#include "app/areatablemodel.h"
#include "editor/editor.h"

#include <algorithm>
#include <limits>

namespace {

// Areas are numbered in file order; a problem of no line goes after them all.
int fileOrder(const GameCheckFinding &finding)
{
    return finding.area == 0 ? std::numeric_limits<int>::max() : finding.area;
}

} // namespace

ProblemListModel::ProblemListModel(
        const Editor &editor, const AreaTableModel &areas, QObject *parent)
    : QAbstractTableModel(parent), m_editor(editor), m_areas(areas)
{
    connect(&m_areas, &AreaTableModel::countsChanged, this, &ProblemListModel::followFindings);
    followFindings();
}

int ProblemListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_findings.size());
}

int ProblemListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProblemListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const GameCheckFinding &finding = m_findings[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return cellText(finding, index.column());
    case Qt::ToolTipRole:
        return index.column() == ProblemColumn ? finding.problem : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == LineColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                            : QVariant();
    default:
        return QVariant();
    }
}

QString ProblemListModel::cellText(const GameCheckFinding &finding, int column) const
{
    if (column == ProblemColumn)
        return finding.problem;
    if (finding.area == 0)
        return QString();
    if (column == AreaColumn)
        return calledArea(m_editor.table(), m_editor.areaLines(), finding.area);
    const int line = m_editor.areaLines().value(finding.area - 1);
    return line > 0 ? QString::number(line) : QString();
}

QVariant ProblemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    switch (section) {
    case LineColumn:
        return tr("Line");
    case AreaColumn:
        return tr("Area");
    default:
        return tr("Problem");
    }
}

void ProblemListModel::followFindings()
{
    beginResetModel();
    m_findings = m_areas.findings();
    std::stable_sort(m_findings.begin(), m_findings.end(),
            [](const GameCheckFinding &a, const GameCheckFinding &b) {
                return fileOrder(a) < fileOrder(b);
            });
    endResetModel();
}
