#include "app/allareaswindow.h"

#include "app/areatablemodel.h"
#include "app/boxes.h"
#include "editor/editor.h"
#include "format/pedcatalogue.h"
#include "platform/settings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <map>

namespace {

const QSize FirstSize(960, 540);

QString counted(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

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

// Keeps the rows whose area name, any slot or Where holds the searched text, in any case.
class AreaSearch : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void search(const QString &text)
    {
        m_text = text;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
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
};

AllAreasWindow::AllAreasWindow(Editor &editor, Settings &settings,
        const QList<QAction *> &documentActions, QWidget *parent)
    : QWidget(parent, Qt::Window), m_editor(editor), m_settings(settings)
{
    setObjectName(QStringLiteral("frmallareas"));
    setWindowTitle(tr("All Areas - Varnel"));
    // Closing the main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    addActions(documentActions);
    createControls();
    if (!restoreGeometry(m_settings.allAreasGeometry()))
        resize(FirstSize);
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
    m_search = new AreaSearch(this);
    m_search->setSourceModel(m_model);
    connect(m_searchField, &QLineEdit::textChanged, m_search, &AreaSearch::search);

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
    connect(m_model, &AreaTableModel::countsChanged, this, &AllAreasWindow::showCounts);
    showCounts();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_searchField);
    layout->addWidget(m_table);
    layout->addWidget(m_counts);
}

void AllAreasWindow::showInFront()
{
    show();
    raise();
    activateWindow();
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

void AllAreasWindow::showCounts()
{
    const int areas = int(m_editor.table().areas.size());
    m_counts->setText(
            tr("%1, %2, %3")
                    .arg(counted(areas, tr("1 area"), tr("%1 areas")),
                            counted(m_model->groupCount(), tr("1 group the game reads"),
                                    tr("%1 groups the game reads")),
                            counted(m_model->problemCount(), tr("1 problem"), tr("%1 problems"))));
}

// The cells as lines of TAB-separated texts, one line per row, as
// spreadsheets paste them.
void AllAreasWindow::copySelectedCells()
{
    std::map<int, std::map<int, QString>> rows;
    for (const QModelIndex &cell : m_table->selectionModel()->selectedIndexes())
        rows[cell.row()][cell.column()] = cell.data().toString();
    QString text;
    for (const auto &[row, cells] : rows) {
        QStringList texts;
        for (const auto &[column, cellText] : cells)
            texts.append(cellText);
        text += texts.join(u'\t') + u'\n';
    }
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

void AllAreasWindow::hideEvent(QHideEvent *event)
{
    m_settings.setAllAreasGeometry(saveGeometry());
    QWidget::hideEvent(event);
}
