#include "app/earlierversions.h"

#include "format/crlf.h"
#include "platform/dialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
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

EarlierVersionsDialog::EarlierVersionsDialog(QList<KeptVersion> versions, QWidget *parent)
    : QDialog(parent), m_versions(std::move(versions))
{
    setObjectName(QStringLiteral("frmversions"));
    setWindowTitle(tr("Earlier Versions"));

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("lstversions"));
    m_table->setAccessibleName(tr("Earlier Versions"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list for the buttons instead of walking its cells.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(false);

    auto *buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    m_open->setObjectName(QStringLiteral("cmdopen"));
    m_open->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdcancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_open->setEnabled(chosen().has_value()); });
    connect(m_table, &QTableWidget::doubleClicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    fillTable();
    resize(720, 360);
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

std::optional<KeptVersion> EarlierVersionsDialog::chosen() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_versions.at(rows.first().row());
}

void tellOfEndedRuns(VersionHistory &versions, Dialogs &dialogs)
{
    const QStringList files = versions.recoverEndedRuns();
    if (files.isEmpty())
        return;
    QStringList lines;
    for (const QString &file : files)
        lines << EarlierVersionsDialog::tr("Varnel ended with unsaved changes to '%1'. They are "
                                           "kept in File > Earlier Versions.")
                         .arg(file);
    dialogs.message(lines.join(CrLf), ProgramTitle, MessageIcon::Information, MessageButtons::Ok);
}
