#pragma once

#include "gamereading/gamezones.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <future>

class Editor;

// Reads the zones of the open document's game folder and hands them to the
// editor once read. The read starts a moment after the document opens, when
// the window has shown it, and runs on a thread of its own: a Load shows its
// document as fast as without zones, and a slow disk never stops the window.
// A read made stale by a later one is dropped.
class ZoneReading : public QObject
{
public:
    explicit ZoneReading(Editor &editor);
    // Waits for a read still running.
    ~ZoneReading() override;

    // Reads the zones of the game folder of the file at documentPath, the
    // document the editor has just opened.
    void start(const QString &documentPath);
    // Hands the zones of the last read to the editor now, reading them or
    // waiting for the read as needed; nothing when they have been handed already.
    void finish();

private:
    void readOnThread();

    Editor &m_editor;
    QString m_documentPath;
    QTimer m_shown;
    std::shared_future<GameZones> m_read;
    int m_reads = 0;
    bool m_onThread = false;
    bool m_handed = true;
    QThreadPool m_pool;
};
