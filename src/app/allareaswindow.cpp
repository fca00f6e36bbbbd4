#include "app/allareaswindow.h"

#include "app/areatablemodel.h"
#include "app/boxes.h"
#include "app/problemlist.h"
#include "editor/editor.h"
#include "format/pedcatalogue.h"
#include "platform/settings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QSize FirstSize(960, 540);

// A slot cell is edited in a slot box: the catalogue in its list, the same
// characters refused, a name the game will not find in red. Its whole text is
// selected, so typing replaces it.
class SlotCellDelegate : public QStyledItemDelegate
{
public:
    SlotCellDelegate(const Editor &editor, QObject *parent)
        : QStyledItemDelegate(parent), m_editor(editor)
    { }

    QWidget *createEditor(
            QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *box = new SlotBox(
                index.column() - AreaTableModel::FirstPedColumn, pedCatalogue(), parent);
        connect(box, &QComboBox::editTextChanged, box, [this, box](const QString &text) {
            box->markUnknownNames(m_editor.models().unknownNames(text));
        });
        return box;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *box = static_cast<SlotBox *>(editor);
        box->showText(index.data(Qt::EditRole).toString());
        box->lineEdit()->selectAll();
    }

    void setModelData(
            QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<SlotBox *>(editor)->currentText());
    }

private:
    const Editor &m_editor;
};

} // namespace

// The table of areas; a command that reads the document can take the text of
// the cell being edited first.
class AreaTableView : public QTableView
{
public:
    using QTableView::QTableView;

    void commitOpenEditor()
    {
        QWidget *editor = indexWidget(currentIndex());
        if (state() != EditingState || !editor)
            return;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
};

// Keeps the rows whose area name, any slot or Where holds the searched text,
// in any case, and when asked only those with a problem.
class AreaSearch : public QSortFilterProxyModel
{
public:
    explicit AreaSearch(AreaTableModel *areas, QObject *parent) : QSortFilterProxyModel(parent)
    {
        setSourceModel(areas);
        // A change can give a row a problem or take its last one away.
        connect(areas, &AreaTableModel::countsChanged, this, [this] {
            if (m_onlyProblems)
                invalidateFilter();
        });
    }

    void search(const QString &text)
    {
        m_text = text;
        invalidateFilter();
    }

    void keepOnlyProblems(bool only)
    {
        m_onlyProblems = only;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        if (m_onlyProblems && !static_cast<AreaTableModel *>(sourceModel())->hasProblem(row))
            return false;
        if (m_text.isEmpty())
            return true;
        for (int column = AreaTableModel::AreaColumn; column < sourceModel()->columnCount();
                ++column) {
            const QString text = sourceModel()->index(row, column, parent).data().toString();
            if (text.contains(m_text, Qt::CaseInsensitive))
                return true;
        }
        return false;
    }

private:
    QString m_text;
    bool m_onlyProblems = false;
};

AllAreasWindow::AllAreasWindow(Editor &editor, Settings &settings,
        const QList<QAction *> &documentActions, QWidget *parent)
    : CompanionWindow(documentActions, parent), m_editor(editor), m_settings(settings)
{
    setObjectName(QStringLiteral("frmallareas"));
    setWindowTitle(tr("All Areas - Varnel"));
    createControls();
    restorePlace(m_settings.allAreasGeometry(), FirstSize);
}

void AllAreasWindow::createControls()
{
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("search"));
    m_searchField->setAccessibleName(tr("Search"));
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->installEventFilter(this);

    m_model = new AreaTableModel(m_editor, this);
    m_search = new AreaSearch(m_model, this);
    connect(m_searchField, &QLineEdit::textChanged, m_search, &AreaSearch::search);

    m_onlyProblems = new QCheckBox(tr("&Only Problems"), this);
    m_onlyProblems->setObjectName(QStringLiteral("onlyproblems"));
    connect(m_onlyProblems, &QCheckBox::toggled, m_search, &AreaSearch::keepOnlyProblems);

    m_table = new AreaTableView(this);
    m_table->setObjectName(QStringLiteral("areatable"));
    m_table->setAccessibleName(tr("All Areas"));
    m_table->setModel(m_search);
    m_table->setItemDelegate(new SlotCellDelegate(m_editor, m_table));
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
            | QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setDefaultSectionSize(88);
    m_table->horizontalHeader()->resizeSection(AreaTableModel::GroupColumn, 60);
    m_table->horizontalHeader()->resizeSection(AreaTableModel::AreaColumn, 160);
    m_table->horizontalHeader()->resizeSection(AreaTableModel::WhereColumn, 320);
    m_table->installEventFilter(this);
    connect(m_table, &QAbstractItemView::activated, this, &AllAreasWindow::selectAreaOf);

    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("counts"));
    m_counts->setWordWrap(true);
    connect(m_model, &AreaTableModel::countsChanged, this, &AllAreasWindow::showCounts);
    showCounts();

    auto *tables = new QSplitter(Qt::Vertical, this);
    tables->setChildrenCollapsible(false);
    tables->addWidget(m_table);
    tables->addWidget(createProblemList());
    tables->setStretchFactor(0, 3);
    tables->setStretchFactor(1, 1);

    auto *countLine = new QHBoxLayout;
    countLine->addWidget(m_counts, 1);
    countLine->addWidget(m_showProblems);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_searchField);
    layout->addWidget(m_onlyProblems);
    layout->addWidget(tables);
    layout->addLayout(countLine);
}

// The list of problems, shown while its button is down.
QWidget *AllAreasWindow::createProblemList()
{
    m_problems = new ProblemListModel(m_editor, *m_model, this);
    m_problemList = new QTreeView(this);
    m_problemList->setObjectName(QStringLiteral("problemlist"));
    m_problemList->setAccessibleName(tr("Problems"));
    m_problemList->setModel(m_problems);
    m_problemList->setRootIsDecorated(false);
    m_problemList->setUniformRowHeights(true);
    m_problemList->setAllColumnsShowFocus(true);
    m_problemList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problemList->header()->resizeSection(ProblemListModel::LineColumn, 60);
    m_problemList->header()->resizeSection(ProblemListModel::AreaColumn, 160);
    m_problemList->hide();
    connect(m_problemList, &QAbstractItemView::activated, this,
            &AllAreasWindow::selectAreaOfProblem);

    m_showProblems = new QPushButton(tr("&Problems"), this);
    m_showProblems->setObjectName(QStringLiteral("problems"));
    m_showProblems->setCheckable(true);
    connect(m_showProblems, &QPushButton::toggled, m_problemList, &QWidget::setVisible);
    return m_problemList;
}

void AllAreasWindow::commitOpenEdit()
{
    m_table->commitOpenEditor();
}

// Enter or a double click on an area's group or name selects it in the main window.
void AllAreasWindow::selectAreaOf(const QModelIndex &index)
{
    if (index.column() == AreaTableModel::GroupColumn
            || index.column() == AreaTableModel::AreaColumn)
        m_editor.selectArea(m_search->mapToSource(index).row());
}

void AllAreasWindow::showKeepWarning(const QString &warning)
{
    m_keepWarning = warning;
    showCounts();
}

// Enter or a double click on a problem selects its area's row, which the
// search then shows, and the area in the main window.
void AllAreasWindow::selectAreaOfProblem(const QModelIndex &index)
{
    const int area = m_problems->areaOf(index.row());
    if (area == 0)
        return;
    const QModelIndex row = m_model->index(area - 1, AreaTableModel::AreaColumn);
    if (!m_search->mapFromSource(row).isValid())
        m_searchField->clear();
    const QModelIndex shown = m_search->mapFromSource(row);
    m_table->selectRow(shown.row());
    m_table->scrollTo(shown);
    m_editor.selectArea(area - 1);
}

void AllAreasWindow::showCounts()
{
    const int areas = int(m_editor.table().areas.size());
    const QString counts
            = tr("%1, %2, %3")
                      .arg(tr("%n area(s)", nullptr, areas),
                              tr("%n group(s) the game reads", nullptr, m_model->groupCount()),
                              tr("%n problem(s)", nullptr, m_model->problemCount()));
    m_counts->setText(m_keepWarning.isEmpty() ? counts : tr("%1. %2").arg(counts, m_keepWarning));
}

// The selection's bounding rectangle as lines of TAB-separated texts, one
// line per row, as spreadsheets paste them; a cell not selected is empty.
void AllAreasWindow::copySelectedCells()
{
    const QModelIndexList cells = m_table->selectionModel()->selectedIndexes();
    QRect bounds;
    for (const QModelIndex &cell : cells)
        bounds |= QRect(cell.column(), cell.row(), 1, 1);
    QList<QStringList> rows(bounds.height(), QStringList(bounds.width(), QString()));
    for (const QModelIndex &cell : cells)
        rows[cell.row() - bounds.top()][cell.column() - bounds.left()] = cell.data().toString();
    QString text;
    for (const QStringList &row : rows)
        text += row.join(u'\t') + u'\n';
    QApplication::clipboard()->setText(text);
}

bool AllAreasWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_table && key->matches(QKeySequence::Copy)) {
        copySelectedCells();
        return true;
    }
    if (watched == m_searchField && key->key() == Qt::Key_Escape) {
        m_searchField->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AllAreasWindow::rememberPlace(const QByteArray &geometry)
{
    m_settings.setAllAreasGeometry(geometry);
}
