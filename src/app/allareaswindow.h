#pragma once

#include "app/companionwindow.h"

class AreaSearch;
class AreaTableModel;
class AreaTableView;
class Editor;
class ProblemListModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;
class Settings;

// The window of all areas: a search field, the table of every area, a line
// counting areas, groups and problems, and on demand the list of the problems
// under the table. Its table is a view of the editor's document.
class AllAreasWindow : public CompanionWindow
{
    Q_OBJECT

public:
    AllAreasWindow(Editor &editor, Settings &settings, const QList<QAction *> &documentActions,
            QWidget *parent);

    // Hands the text of a cell still being edited to the document.
    void commitOpenEdit();
    // Ends the count line with a warning, while it is not empty.
    void showKeepWarning(const QString &warning);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void rememberPlace(const QByteArray &geometry) override;

private:
    void createControls();
    QWidget *createProblemList();
    void selectAreaOf(const QModelIndex &index);
    void selectAreaOfProblem(const QModelIndex &index);
    void showCounts();
    void copySelectedCells();

    Editor &m_editor;
    Settings &m_settings;
    AreaTableModel *m_model = nullptr;
    AreaSearch *m_search = nullptr;
    QLineEdit *m_searchField = nullptr;
    AreaTableView *m_table = nullptr;
    QLabel *m_counts = nullptr;
    QString m_keepWarning;
    QCheckBox *m_onlyProblems = nullptr;
    QPushButton *m_showProblems = nullptr;
    ProblemListModel *m_problems = nullptr;
    QTreeView *m_problemList = nullptr;
};
