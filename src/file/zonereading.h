#pragma once

#include "gamereading/gamezones.h"

#include <QObject>
#include <QThreadPool>

#include <future>

class Editor;

// Reads the zones of the open document's game folder away from the window's
// thread, so that a Load shows its document first, and hands them to the
// editor once read. A read made stale by a later one is dropped.
class ZoneReading : public QObject
{
public:
    explicit ZoneReading(Editor &editor);
    // Waits for a read still running.
    ~ZoneReading() override;

    // Reads the zones of the game folder of the file at documentPath, the
    // document the editor has just opened.
    void start(const QString &documentPath);
    // Hands the zones of the last read to the editor now, waiting for the read
    // if it still runs; nothing when they have been handed already.
    void finish();

private:
    Editor &m_editor;
    std::shared_future<GameZones> m_read;
    int m_reads = 0;
    bool m_handed = true;
    // Last, so that it is gone, and its thread ended, before the rest.
    QThreadPool m_pool;
};
