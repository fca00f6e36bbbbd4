#pragma once

#include <QObject>
#include <QTimer>

class Dialogs;
class Editor;
class VersionHistory;
struct DocumentFile;

// Keeps the modified document, as Save would write it, in the run's entry of
// the version history at most two seconds after a change, and removes the
// entry once the document is no longer modified. When a keep fails, the user
// is warned: the first time in the run, and again after a keep has worked.
class EditingKeeper : public QObject
{
    Q_OBJECT

public:
    EditingKeeper(const Editor &editor, const DocumentFile &file, VersionHistory &versions,
            Dialogs &dialogs);

    static constexpr int DelayMs = 2000;

    // What the user is warned of while the unsaved document cannot be kept;
    // empty while it is kept or there is nothing unsaved.
    const QString &warning() const { return m_warning; }

signals:
    void warningChanged(const QString &warning);

private:
    void startKeepTimer();
    void keepOrDrop(bool modified);
    void keep();
    void showFailure(const QString &failure);
    void warnIfDue();

    const Editor &m_editor;
    const DocumentFile &m_file;
    VersionHistory &m_versions;
    Dialogs &m_dialogs;
    QTimer m_timer;
    QString m_warning;
    bool m_warned = false;
};
