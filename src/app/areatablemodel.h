#pragma once

#include "gamereading/gamecheck.h"

#include <QAbstractTableModel>

class Editor;

// Every area of the editor's document, one row each in file order: the number
// the game gives its group, its name, its eight slots and where the game's
// zones use its group. It reads the table from the editor and hands edits to
// it; it keeps only what the game makes of the table, counted anew whenever a
// list, the file's lines or the zones change.
class AreaTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        GroupColumn,
        AreaColumn,
        FirstPedColumn,
        WhereColumn = FirstPedColumn + SlotCount
    };

    explicit AreaTableModel(Editor &editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The groups the game makes of the written file.
    int groupCount() const { return m_groups; }
    // The findings of the Game Check.
    int problemCount() const { return int(m_findings.size()); }
    const QList<GameCheckFinding> &findings() const { return m_findings; }
    // Whether a finding of the Game Check is about the row's area.
    bool hasProblem(int row) const;

signals:
    void countsChanged();

private:
    void followLoad();
    void followLists(const QList<int> &areas);
    void followSelection(int position);
    void followFile();
    void followZones();
    void countAnew();
    QVariant groupData(int row, int role) const;
    QVariant pedData(int row, int slot, int role) const;
    QVariant whereData(int row, int role) const;
    QString cellDescription(const QModelIndex &index) const;

    Editor &m_editor;
    QList<AreaReading> m_readings;
    QList<GameCheckFinding> m_findings;
    int m_groups = 0;
    int m_markedRow = -1;
};
