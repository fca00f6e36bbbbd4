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

bool sameFindings(const QList<GameCheckFinding> &a, const QList<GameCheckFinding> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
            [](const GameCheckFinding &x, const GameCheckFinding &y) {
                return x.area == y.area && x.text() == y.text();
            });
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

// An edit that leaves the problems as they were keeps the list's current row;
// the lines they stand on may have moved all the same.
void ProblemListModel::followFindings()
{
    QList<GameCheckFinding> findings = m_areas.findings();
    std::stable_sort(findings.begin(), findings.end(),
            [](const GameCheckFinding &a, const GameCheckFinding &b) {
                return fileOrder(a) < fileOrder(b);
            });
    if (!sameFindings(findings, m_findings)) {
        beginResetModel();
        m_findings = std::move(findings);
        endResetModel();
    } else if (!m_findings.isEmpty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    }
}
