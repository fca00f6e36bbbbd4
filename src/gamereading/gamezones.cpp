#include "gamereading/gamezones.h"

#include "gamefolders/gamepaths.h"
#include "gamereading/mainscript.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

class ZoneTexts
{
    Q_DECLARE_TR_FUNCTIONS(GameZones)
};

// The game's files are read only up to this size.
constexpr qint64 ReadLimit = 16 * 1024 * 1024;

const ZoneBox CityBox{-4000, -4000, -500, 4000, 4000, 500};

GameZone cityZone(const GameTexts &texts)
{
    GameZone city;
    city.label = CityZoneLabel;
    city.name = texts.text(CityZoneLabel.toLatin1()).value_or(CityZoneLabel);
    city.box = CityBox;
    return city;
}

QString nameOf(const ZoneEntry &entry, const GameTexts &texts)
{
    constexpr int InformationZone = 2;
    if (entry.type == InformationZone)
        return entry.label;
    return texts.text(entry.label.toLatin1()).value_or(entry.label);
}

void applyCommand(GameZones &zones, const ZoneGroupCommand &command)
{
    const auto zone = std::find_if(zones.begin(), zones.end(),
            [&](const GameZone &z) { return z.label == command.label; });
    if (zone == zones.end())
        return;
    // CITYZON's day and night are one setting.
    if (zone == zones.begin()) {
        zone->dayGroup = zone->nightGroup = command.group;
        return;
    }
    // A day flag that the script computes may set either.
    if (!command.dayFlag) {
        zone->dayGroup = zone->nightGroup = std::nullopt;
        return;
    }
    (*command.dayFlag != 0 ? zone->dayGroup : zone->nightGroup) = command.group;
}

// A regular file, unless it is larger than the limit.
std::optional<QByteArray> readGameFile(const QFileInfo &info)
{
    if (!info.isFile() || info.size() > ReadLimit)
        return std::nullopt;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The size found bounds the read, also where the file grows meanwhile.
    QByteArray bytes = file.read(info.size());
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// "<name>", "<name> (day)" or "<name> (night)": when a zone's people walk there.
QString zoneWalkText(const QString &name, bool byDay, bool byNight)
{
    if (byDay == byNight)
        return name;
    return byDay ? ZoneTexts::tr("%1 (day)").arg(name) : ZoneTexts::tr("%1 (night)").arg(name);
}

QString zoneTypeText(int type)
{
    switch (type) {
    case 0:
        return ZoneTexts::tr("default zone");
    case 1:
        return ZoneTexts::tr("navigation zone");
    default:
        return ZoneTexts::tr("information zone");
    }
}

QString zoneIslandText(int level)
{
    switch (level) {
    case 0:
        return ZoneTexts::tr("no island");
    case 1:
        return ZoneTexts::tr("Portland");
    case 2:
        return ZoneTexts::tr("Staunton Island");
    case 3:
        return ZoneTexts::tr("Shoreside Vale");
    default:
        return ZoneTexts::tr("level %1").arg(level);
    }
}

QString timedName(const GameZone &zone, int group)
{
    return zoneWalkText(zone.name, zone.dayGroup == group, zone.nightGroup == group);
}

bool usesGroup(const GameZone &zone, int group)
{
    return zone.dayGroup == group || zone.nightGroup == group;
}

// The zones whose group by day or by night a variable sets.
QString setWhileRunning(const GameZones &zones)
{
    QStringList names;
    for (const GameZone &zone : zones) {
        if (!zone.dayGroup || !zone.nightGroup)
            names.append(zoneWalkText(zone.name, !zone.dayGroup, !zone.nightGroup));
    }
    if (names.isEmpty())
        return QString();
    return ZoneTexts::tr("Set while the game runs: %1").arg(names.join(QLatin1String(", ")));
}

} // namespace

GameZones gameZones(QByteArrayView zoneFile, QByteArrayView script, const GameTexts &texts)
{
    const std::optional<QList<ZoneGroupCommand>> commands = zoneGroupCommands(script);
    if (!commands)
        return {};
    GameZones zones{cityZone(texts)};
    for (const ZoneEntry &entry : readZoneFile(zoneFile)) {
        GameZone zone;
        zone.label = entry.label;
        zone.name = nameOf(entry, texts);
        zone.type = entry.type;
        zone.level = entry.level;
        zone.box = entry.box;
        zones.append(zone);
    }
    for (const ZoneGroupCommand &command : *commands)
        applyCommand(zones, command);
    return zones;
}

GameZones readGameZones(const QString &documentPath)
{
    const QFileInfo data(QFileInfo(documentPath).absolutePath());
    if (data.fileName().compare(QLatin1String("data"), Qt::CaseInsensitive) != 0)
        return {};
    const auto readBelow = [](const QString &folder, const QString &file) {
        return readGameFile(QFileInfo(pathBelowInAnyCase(folder, file)));
    };
    const std::optional<QByteArray> zoneFile
            = readBelow(data.filePath(), QStringLiteral("gta3.zon"));
    const std::optional<QByteArray> script = readBelow(data.filePath(), QStringLiteral("main.scm"));
    if (!zoneFile || !script)
        return {};
    const std::optional<QByteArray> gxt
            = readBelow(data.path(), QStringLiteral("text/american.gxt"));
    return gameZones(*zoneFile, *script, GameTexts(gxt.value_or(QByteArray())));
}

QString groupWhereText(const GameZones &zones, int group)
{
    if (zones.isEmpty())
        return QString();
    struct NameUse
    {
        QString name;
        bool byDay;
        bool byNight;
    };
    QList<NameUse> uses;
    for (const GameZone &zone : zones) {
        if (!usesGroup(zone, group))
            continue;
        const auto same = std::find_if(uses.begin(), uses.end(),
                [&](const NameUse &use) { return use.name == zone.name; });
        if (same == uses.end()) {
            uses.append({zone.name, zone.dayGroup == group, zone.nightGroup == group});
            continue;
        }
        same->byDay = same->byDay || zone.dayGroup == group;
        same->byNight = same->byNight || zone.nightGroup == group;
    }
    if (uses.isEmpty())
        return ZoneTexts::tr("no zone uses it");
    QStringList texts;
    for (const NameUse &use : uses)
        texts.append(zoneWalkText(use.name, use.byDay, use.byNight));
    return texts.join(QLatin1String(", "));
}

QString groupWhereDetails(const GameZones &zones, int group)
{
    QStringList lines;
    for (const GameZone &zone : zones) {
        if (usesGroup(zone, group))
            lines.append(ZoneTexts::tr("%1: %2, %3, %4")
                                 .arg(timedName(zone, group), zone.label, zoneTypeText(zone.type),
                                         zoneIslandText(zone.level)));
    }
    if (const QString running = setWhileRunning(zones); !running.isEmpty())
        lines.append(running);
    return lines.join(u'\n');
}
