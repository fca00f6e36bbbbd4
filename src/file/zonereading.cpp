#include "file/zonereading.h"

#include "editor/editor.h"

#include <memory>

ZoneReading::ZoneReading(Editor &editor) : m_editor(editor)
{
    m_pool.setMaxThreadCount(1);
}

ZoneReading::~ZoneReading()
{
    m_pool.waitForDone();
}

void ZoneReading::start(const QString &documentPath)
{
    auto read = std::make_shared<std::packaged_task<GameZones()>>(
            [documentPath] { return readGameZones(documentPath); });
    m_read = read->get_future().share();
    m_handed = false;
    const int number = ++m_reads;
    m_pool.start([this, read, number] {
        (*read)();
        QMetaObject::invokeMethod(
                this,
                [this, number] {
                    if (number == m_reads)
                        finish();
                },
                Qt::QueuedConnection);
    });
}

void ZoneReading::finish()
{
    if (m_handed)
        return;
    // The whole task, so that its thread is idle once this returns.
    m_pool.waitForDone();
    m_handed = true;
    m_editor.setZones(m_read.get());
}
