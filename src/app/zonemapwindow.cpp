#include "app/zonemapwindow.h"

#include "app/zonemap.h"
#include "editor/editor.h"
#include "platform/settings.h"

#include <QAction>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QSize FirstSize(760, 560);

} // namespace

ZoneMapWindow::ZoneMapWindow(Editor &editor, Settings &settings,
        const QList<QAction *> &documentActions, QWidget *parent)
    : CompanionWindow(documentActions, parent), m_editor(editor), m_settings(settings)
{
    setObjectName(QStringLiteral("frmzonemap"));
    setWindowTitle(tr("Zone Map - Varnel"));

    m_map = new ZoneMap(this);
    m_map->setObjectName(QStringLiteral("zonemap"));
    m_map->setAccessibleName(tr("Zone Map"));
    connect(m_map, &ZoneMap::groupChosen, this, &ZoneMapWindow::selectAreaOfGroup);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setWordWrap(true);
    m_caption->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_map, 1);
    layout->addWidget(m_caption);

    connect(&m_editor, &Editor::documentOpened, this, &ZoneMapWindow::followDocument);
    connect(&m_editor, &Editor::zonesChanged, this, &ZoneMapWindow::followZones);
    connect(&m_editor, &Editor::listsChanged, this, &ZoneMapWindow::followGroups);
    // The layout Save keeps decides how the game reads the lines.
    connect(&m_editor, &Editor::fileChanged, this, &ZoneMapWindow::followGroups);
    connect(&m_editor, &Editor::areaSelected, this, &ZoneMapWindow::showCaption);
    if (m_editor.hasDocument())
        followDocument();
    else
        m_map->showNoDocument();
    showCaption();

    restorePlace(m_settings.zoneMapGeometry(), FirstSize);
}

void ZoneMapWindow::followDocument()
{
    followGroups();
    followZones();
}

void ZoneMapWindow::followZones()
{
    if (m_editor.zonesRead())
        m_map->showZones(m_editor.zones());
    else
        m_map->showReading();
    showCaption();
}

// An edit may move the group numbers of every area after it.
void ZoneMapWindow::followGroups()
{
    m_readings = m_editor.gameReadings();
    QStringList areaOfGroup;
    for (int area = 0; area < m_readings.size(); ++area) {
        for (int group = 0; group < m_readings[area].groups; ++group)
            areaOfGroup.append(calledArea(m_editor.table(), m_editor.areaLines(), area + 1));
    }
    m_map->setGroupAreas(areaOfGroup);
    showCaption();
}

void ZoneMapWindow::showCaption()
{
    const int area = m_editor.selectedArea();
    QString caption;
    if (area >= 0 && area < m_readings.size() && !m_editor.zones().isEmpty()) {
        const QString name = calledArea(m_editor.table(), m_editor.areaLines(), area + 1);
        const int group = m_readings[area].firstGroup;
        caption = group < 0 ? tr("%1: the game makes no group of this line").arg(name)
                            : tr("%1, group %2: %3")
                                      .arg(name, QString::number(group),
                                              groupWhereText(m_editor.zones(), group));
    }
    m_map->setShownGroup(area >= 0 && area < m_readings.size() ? m_readings[area].firstGroup : -1);
    m_caption->setText(caption);
    m_map->setAccessibleDescription(caption.isEmpty() ? shownMessage() : caption);
}

// What the map says in the place of zones; empty when it shows them.
QString ZoneMapWindow::shownMessage() const
{
    if (!m_editor.hasDocument())
        return ZoneMap::noDocumentText();
    return m_editor.zonesRead() && m_editor.zones().isEmpty() ? ZoneMap::noZonesText() : QString();
}

void ZoneMapWindow::selectAreaOfGroup(int group)
{
    for (int area = 0; area < m_readings.size(); ++area) {
        const AreaReading &reading = m_readings[area];
        if (reading.firstGroup >= 0 && group >= reading.firstGroup
                && group < reading.firstGroup + reading.groups) {
            m_editor.selectArea(area);
            return;
        }
    }
}

void ZoneMapWindow::rememberPlace(const QByteArray &geometry)
{
    m_settings.setZoneMapGeometry(geometry);
}
