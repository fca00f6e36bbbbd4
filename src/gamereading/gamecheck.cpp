#include "gamereading/gamecheck.h"

#include "format/areawriter.h"
#include "gamereading/gamereader.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("GameCheck", text);
}

constexpr int MaxShownFindings = 10;

using Names = QList<QStringView>;

// The names of each line the game sees in an area's written line, leaving out
// lines that give none. The written line adds only TABs and "# name" to the
// model list, and the game reads neither as names, so the list alone gives the
// same names. More than one line only when the list holds a line break.
QList<Names> namedLines(QStringView modelList)
{
    QList<Names> lines;
    if (!modelList.contains(u'\n')) {
        if (Names names = gameLineNameViews(modelList); !names.isEmpty())
            lines.append(std::move(names));
        return lines;
    }
    for (const QStringView line : modelList.split(u'\n')) {
        Names names = gameLineNameViews(line);
        if (!names.isEmpty())
            lines.append(std::move(names));
    }
    return lines;
}

QString joined(const Names &names)
{
    QString text;
    for (const QStringView name : names) {
        if (!text.isEmpty())
            text += QLatin1String(", ");
        text += name;
    }
    return text;
}

QString areaLabel(const AreaTable &table, int area)
{
    return tr("%1 (area %2): ").arg(table.areas[area - 1].areaName, QString::number(area));
}

QString countFinding(const Names &names)
{
    const QString count = names.size() == 1 ? tr("1 name") : tr("%1 names").arg(names.size());
    const QString seen = tr("the game sees %1 (%2)").arg(count, joined(names));
    if (names.size() > SlotCount)
        return seen + tr(" and ignores those after the eighth.");
    return seen + tr(", so no group; every later group moves up one.");
}

// What is wrong with how the game reads one area's line; empty when nothing is.
QString lineFinding(const QList<Names> &lines)
{
    if (lines.isEmpty())
        return tr("the game sees no names, so no group; every later group moves up one.");
    if (lines.size() > 1)
        return tr("a line break in its list makes the game see %1 lines.").arg(lines.size());
    if (lines.first().size() != SlotCount)
        return countFinding(lines.first());
    return QString();
}

// The names the game looks up: all of a short line, the first eight of a long one.
Names namesNotFound(const QList<Names> &lines, const GameModels &models)
{
    Names unknown;
    for (const Names &names : lines) {
        for (const QStringView name : names.first(qMin(names.size(), qsizetype(SlotCount)))) {
            if (!models.knows(name) && !unknown.contains(name))
                unknown.append(name);
        }
    }
    return unknown;
}

// Whether the game reads the area's written line in two or more pieces. Only a
// line near the limit is composed to tell: the layout adds at most two TABs per
// slot and "# " to the list and the name.
bool readInPieces(const AreaTable &table, int area)
{
    constexpr qsizetype MostAdded = 2 * SlotCount + 2;
    const Area &written = table.areas[area - 1];
    if (written.areaPeds.size() + written.areaName.size() + MostAdded <= GameLineLimit)
        return false;
    // The file of this area alone: an empty line, then its line, each with CR LF.
    return composeFile({QString(), {written}}).size() - 2 * CrLf.size() > GameLineLimit;
}

int groupCount(const QList<Names> &lines)
{
    int groups = 0;
    for (const Names &names : lines)
        groups += names.size() >= SlotCount ? 1 : 0;
    return groups;
}

QString tooManyGroups(const AreaTable &table, int groups, int firstAreaPast)
{
    return tr("%1 groups, but the game holds %2: the groups from %3 (area %4) on "
              "write past its table.")
            .arg(QString::number(groups), QString::number(GameGroupCapacity),
                    table.areas[firstAreaPast - 1].areaName, QString::number(firstAreaPast));
}

bool pastGroups(const std::optional<int> &group, int groups)
{
    return group && *group >= groups;
}

// A zone whose group the file does not give gets empty slots: the game fills
// them with model 0, the player's own.
QStringList zoneFindings(const GameZones &zones, int groups)
{
    QStringList findings;
    const QString count = QString::number(groups);
    for (const GameZone &zone : zones) {
        const bool day = pastGroups(zone.dayGroup, groups);
        const bool night = pastGroups(zone.nightGroup, groups);
        if (day && night && zone.dayGroup == zone.nightGroup) {
            findings.append(QCoreApplication::translate("GameCheck",
                    "%1 uses group %2 by day and night, but the game reads only %3 groups from "
                    "this file.")
                                    .arg(zone.name, QString::number(*zone.dayGroup), count));
            continue;
        }
        if (day)
            findings.append(QCoreApplication::translate("GameCheck",
                    "%1 uses group %2 by day, but the game reads only %3 groups from this file.")
                                    .arg(zone.name, QString::number(*zone.dayGroup), count));
        if (night)
            findings.append(QCoreApplication::translate("GameCheck",
                    "%1 uses group %2 by night, but the game reads only %3 groups from this "
                    "file.")
                                    .arg(zone.name, QString::number(*zone.nightGroup), count));
    }
    return findings;
}

} // namespace

QStringList gameCheckFindings(
        const AreaTable &table, const GameModels &models, const GameZones &zones)
{
    QStringList findings;
    int groups = 0;
    int firstAreaPast = 0;
    for (const int area : writtenAreas(table)) {
        const QList<Names> lines = namedLines(table.areas[area - 1].areaPeds);
        groups += groupCount(lines);
        if (groups > GameGroupCapacity && firstAreaPast == 0)
            firstAreaPast = area;
        if (readInPieces(table, area))
            findings.append(areaLabel(table, area)
                    + tr("the game reads only the first 1,022 characters of this line; the "
                         "rest becomes a line of its own."));
        if (const QString wrong = lineFinding(lines); !wrong.isEmpty())
            findings.append(areaLabel(table, area) + wrong);
        if (const Names unknown = namesNotFound(lines, models); !unknown.isEmpty())
            findings.append(areaLabel(table, area) + tr("the game will not find ") + joined(unknown)
                    + u'.');
    }
    if (groups > GameGroupCapacity)
        findings.prepend(tooManyGroups(table, groups, firstAreaPast));
    return findings + zoneFindings(zones, groups);
}

QList<AreaReading> gameAreaReadings(const AreaTable &table)
{
    QList<AreaReading> readings(table.areas.size());
    int groups = 0;
    for (const int area : writtenAreas(table)) {
        const QList<Names> lines = namedLines(table.areas[area - 1].areaPeds);
        AreaReading &reading = readings[area - 1];
        reading.groups = groupCount(lines);
        reading.firstGroup = reading.groups > 0 ? groups : -1;
        for (const Names &names : lines)
            reading.names += names.size();
        groups += reading.groups;
    }
    return readings;
}

QString gameCheckQuestion(const QStringList &findings)
{
    QString text = tr("Problems the game will have with this file:") + CrLf + CrLf;
    text += findings.first(qMin(findings.size(), qsizetype(MaxShownFindings))).join(CrLf);
    if (findings.size() > MaxShownFindings)
        text += CrLf + tr("... and %1 more").arg(findings.size() - MaxShownFindings);
    return text + CrLf + CrLf + tr("Save anyway?");
}
