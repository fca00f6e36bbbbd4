#include "app/earlierversions.h"

#include "editor/editor.h"
#include "file/pedgrpfile.h"
#include "format/areareader.h"
#include "format/crlf.h"
#include "platform/dialogs.h"
#include "storage/filestamp.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QTableWidget *listTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the next control instead of walking its cells.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    return table;
}

// An area as one side has it: its list, after its name where the other side
// names it otherwise.
QString sideOf(const Area *area, const Area *other)
{
    if (!area)
        return QString();
    if (!other || other->areaName == area->areaName)
        return area->areaPeds;
    return EarlierVersionsDialog::tr("%1: %2").arg(area->areaName, area->areaPeds);
}

// The areas, by number, whose list or name differs: each as its name, the
// version's side and the document's.
QList<QStringList> differingAreas(const AreaTable &version, const AreaTable &document)
{
    QList<QStringList> rows;
    const qsizetype count = std::max(version.areas.size(), document.areas.size());
    for (qsizetype i = 0; i < count; ++i) {
        const Area *kept = i < version.areas.size() ? &version.areas.at(i) : nullptr;
        const Area *open = i < document.areas.size() ? &document.areas.at(i) : nullptr;
        if (kept && open && *kept == *open)
            continue;
        rows.append({(open ? open : kept)->areaName, sideOf(kept, open), sideOf(open, kept)});
    }
    return rows;
}

// The newest version of each file the runs edited, newest first.
QList<KeptVersion> newestOfEach(const QList<KeptVersion> &versions, const QList<EndedRun> &runs)
{
    QStringList files;
    for (const EndedRun &run : runs)
        files.append(fileIdentity(run.file));
    QList<KeptVersion> newest;
    for (const KeptVersion &version : versions) {
        if (files.removeAll(fileIdentity(version.file)) > 0)
            newest.append(version);
    }
    return newest;
}

} // namespace

QString describeReason(VersionReason reason)
{
    switch (reason) {
    case VersionReason::ReplacedBySave:
        return EarlierVersionsDialog::tr("Replaced by Save");
    case VersionReason::ReplacedBySaveAs:
        return EarlierVersionsDialog::tr("Replaced by Save As");
    case VersionReason::ReplacedByRestoreBackup:
        return EarlierVersionsDialog::tr("Replaced by Restore BackUp");
    case VersionReason::ReplacedByBakCopy:
        return EarlierVersionsDialog::tr("Replaced by the .bak copy");
    case VersionReason::LetGoByExit:
        return EarlierVersionsDialog::tr("Unsaved, let go by Exit");
    case VersionReason::LetGoByLoad:
        return EarlierVersionsDialog::tr("Unsaved, let go by Load");
    case VersionReason::KeptWhileEditing:
        return EarlierVersionsDialog::tr("Unsaved, kept while editing");
    }
    return QString();
}

EarlierVersionsDialog::EarlierVersionsDialog(QList<KeptVersion> versions, const Editor &editor,
        const DocumentFile &file, QWidget *parent)
    : QDialog(parent), m_versions(std::move(versions)), m_editor(editor), m_file(file)
{
    setObjectName(QStringLiteral("frmversions"));
    setWindowTitle(tr("Earlier Versions"));

    m_table = listTable(this, QStringLiteral("lstversions"));
    m_table->setAccessibleName(tr("Earlier Versions"));
    m_table->horizontalHeader()->setStretchLastSection(false);

    // The note and the differences take turns in one place under the list.
    m_previewPlace = new QStackedWidget(this);
    m_note = new QLabel(m_previewPlace);
    m_note->setObjectName(QStringLiteral("previewnote"));
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_preview = listTable(m_previewPlace, QStringLiteral("preview"));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setColumnCount(3);
    m_preview->setHorizontalHeaderLabels({tr("Area"), tr("This Version"), tr("Open Document")});
    m_preview->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_preview->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_preview->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_previewPlace->addWidget(m_note);
    m_previewPlace->addWidget(m_preview);

    auto *buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    m_open->setObjectName(QStringLiteral("cmdopen"));
    m_open->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdcancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        m_open->setEnabled(chosen().has_value());
        showPreview();
    });
    connect(m_table, &QTableWidget::doubleClicked, this, &QDialog::accept);
    // All Areas may still change the document while this is open.
    connect(&m_editor, &Editor::documentChanged, this, &EarlierVersionsDialog::showPreview);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_previewPlace, 2);
    layout->addWidget(buttons);
    fillTable();
    resize(720, 480);
}

void EarlierVersionsDialog::fillTable()
{
    m_table->setColumnCount(4);
    m_table->setHorizontalHeaderLabels({tr("When"), tr("File"), tr("What"), tr("Size")});
    m_table->setRowCount(int(m_versions.size()));
    const QLocale locale;
    for (int row = 0; row < m_versions.size(); ++row) {
        const KeptVersion &version = m_versions.at(row);
        m_table->setItem(
                row, 0, cell(locale.toString(version.when.toLocalTime(), QLocale::ShortFormat)));
        m_table->setItem(row, 1, cell(version.shownPath));
        m_table->setItem(row, 2, cell(describeReason(version.reason)));
        m_table->setItem(row, 3, cell(QString::number(version.size), Qt::AlignRight));
    }
    m_table->resizeColumnsToContents();
    m_open->setEnabled(false);
    if (!m_versions.isEmpty())
        m_table->selectRow(0);
}

void EarlierVersionsDialog::select(const KeptVersion &version)
{
    for (int row = 0; row < m_versions.size(); ++row) {
        if (m_versions.at(row).entryPath == version.entryPath)
            m_table->selectRow(row);
    }
}

void EarlierVersionsDialog::showPreview()
{
    const std::optional<KeptVersion> version = chosen();
    if (!version)
        showNote(QString());
    else if (!m_editor.hasDocument() || fileIdentity(version->file) != fileIdentity(m_file.path))
        showNote(tr("No open document of this file to compare with."));
    else
        showDifferences(*version);
}

void EarlierVersionsDialog::showDifferences(const KeptVersion &version)
{
    const ReadResult kept = readPedgrpFile(version.entryPath);
    if (!kept.ok()) {
        showNote(tr("This version cannot be read: %1.").arg(kept.error));
        return;
    }
    // The document as Save would write it, as a version holds it.
    const AreaTable document = readAreaTable(bytesToKeep(m_editor.table())).table;
    const QList<QStringList> rows = differingAreas(kept.table, document);
    if (rows.isEmpty()) {
        showNote(tr("Same as the open document."));
        return;
    }
    m_preview->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 3; ++column) {
            // A list too long for its half of the table is read in full here.
            QTableWidgetItem *item = cell(rows.at(row).at(column));
            item->setToolTip(item->text());
            m_preview->setItem(row, column, item);
        }
    }
    m_previewPlace->setCurrentWidget(m_preview);
}

void EarlierVersionsDialog::showNote(const QString &note)
{
    m_note->setText(note);
    m_preview->setRowCount(0);
    m_previewPlace->setCurrentWidget(m_note);
}

std::optional<KeptVersion> EarlierVersionsDialog::chosen() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_versions.at(rows.first().row());
}

QList<KeptVersion> tellOfEndedRuns(VersionHistory &versions, Dialogs &dialogs)
{
    const QList<EndedRun> runs = versions.recoverEndedRuns();
    if (runs.isEmpty())
        return {};
    QStringList lines;
    for (const EndedRun &run : runs)
        lines << EarlierVersionsDialog::tr("Varnel ended with unsaved changes to '%1'. They are "
                                           "kept in File > Earlier Versions.")
                         .arg(run.shownPath);
    if (dialogs.offer(lines.join(CrLf), ProgramTitle, MessageIcon::Information,
                EarlierVersionsDialog::tr("&Open It"))
            != Answer::Offered)
        return {};
    return newestOfEach(versions.versions(), runs);
}
