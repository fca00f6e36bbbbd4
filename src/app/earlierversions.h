#pragma once

#include "storage/versionhistory.h"

#include <QDialog>

#include <optional>

class Dialogs;
class QPushButton;
class QTableWidget;

// Lists every kept version, newest first, for the user to open one.
class EarlierVersionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EarlierVersionsDialog(QList<KeptVersion> versions, QWidget *parent = nullptr);

    // The version selected when the user chose Open.
    std::optional<KeptVersion> chosen() const;

private:
    void fillTable();

    QList<KeptVersion> m_versions;
    QTableWidget *m_table = nullptr;
    QPushButton *m_open = nullptr;
};

// What a version's "What" column says.
QString describeReason(VersionReason reason);

// Tells once, before anything is opened, of the runs that ended with unsaved
// changes; those are kept as versions from then on.
void tellOfEndedRuns(VersionHistory &versions, Dialogs &dialogs);
