#include "file/zonereading.h"

#include "editor/editor.h"

#include <memory>

namespace {

// Time enough for the window to paint the document just opened.
constexpr int ShowingTimeMs = 20;

} // namespace

ZoneReading::ZoneReading(Editor &editor) : m_editor(editor)
{
    m_pool.setMaxThreadCount(1);
    m_shown.setSingleShot(true);
    m_shown.setInterval(ShowingTimeMs);
    connect(&m_shown, &QTimer::timeout, this, &ZoneReading::readOnThread);
}

ZoneReading::~ZoneReading()
{
    m_pool.waitForDone();
}

void ZoneReading::start(const QString &documentPath)
{
    m_documentPath = documentPath;
    ++m_reads;
    m_onThread = false;
    m_handed = false;
    m_shown.start();
}

void ZoneReading::readOnThread()
{
    auto read = std::make_shared<std::promise<GameZones>>();
    m_read = read->get_future().share();
    m_onThread = true;
    const int number = m_reads;
    m_pool.start([this, read, number, path = m_documentPath] {
        GameZones zones = readGameZones(path);
        // Posted first: once the zones are there, the thread touches nothing of this.
        QMetaObject::invokeMethod(
                this,
                [this, number] {
                    if (number == m_reads)
                        finish();
                },
                Qt::QueuedConnection);
        read->set_value(std::move(zones));
    });
}

void ZoneReading::finish()
{
    if (m_handed)
        return;
    m_handed = true;
    if (m_onThread) {
        m_editor.setZones(m_read.get());
        return;
    }
    m_shown.stop();
    m_editor.setZones(readGameZones(m_documentPath));
}
