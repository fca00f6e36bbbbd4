#pragma once

#include "gamereading/gamecheck.h"

#include <QAbstractTableModel>

class AreaTableModel;
class Editor;

// The Game Check's problems, one row each in file order: the line the problem
// is on in the file as last read or written, the area called as the Game
// Check calls it, and the problem. Problems of no line come last. It follows
// the findings of the table of all areas.
class ProblemListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { LineColumn, AreaColumn, ProblemColumn, ColumnCount };

    ProblemListModel(const Editor &editor, const AreaTableModel &areas, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The area the problem of a row is in; 0 for a problem of no line.
    int areaOf(int row) const { return m_findings.value(row).area; }

private:
    void followFindings();
    QString cellText(const GameCheckFinding &finding, int column) const;

    const Editor &m_editor;
    const AreaTableModel &m_areas;
    QList<GameCheckFinding> m_findings;
};
