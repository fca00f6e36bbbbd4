#include "gamereading/gamecheck.h"

#include "format/areawriter.h"
#include "gamereading/gamereader.h"

#include <QCoreApplication>

namespace {

// The context of the Game Check's texts.
class GameCheck
{
    Q_DECLARE_TR_FUNCTIONS(GameCheck)
};

constexpr int MaxShownFindings = 10;

using Names = QList<QStringView>;

// A line of the written file as the game reads it, up to an LF, that holds
// the lines of written areas: its text and those areas, in order.
struct GameLine
{
    QString text;
    QList<int> areas;
};

// In the TAB layout each written area has a line of its own.
QList<GameLine> composedGameLines(const AreaTable &table)
{
    QList<GameLine> lines;
    for (const int area : writtenAreas(table))
        lines.append({composeAreaLine(table.areas[area - 1]), {area}});
    return lines;
}

// The stretches between two LFs that hold area lines, with the lines of the
// changed areas composed anew. A stretch is more than one line only where a
// lone CR ends a line, which the game does not take for a line end.
QList<GameLine> keptGameLines(const AreaTable &table, const FileLayout &layout)
{
    QList<GameLine> lines;
    const char *bytes = layout.bytes.constData();
    const QList<AreaLineSpan> &spans = layout.areaLines;
    GameLine line;
    qsizetype copied = 0;
    for (int area = 1; area <= spans.size(); ++area) {
        const AreaLineSpan &span = spans[area - 1];
        const bool opens = area == 1 || spans[area - 2].stretchStart != span.stretchStart;
        if (opens)
            copied = span.stretchStart;
        line.text += QLatin1String(bytes + copied, span.start - copied);
        line.text += keptLayoutLine(layout, table, area);
        copied = span.start + span.length;
        if (!table.areas[area - 1].areaPeds.isEmpty())
            line.areas.append(area);
        const bool closes = area == spans.size() || spans[area].stretchStart != span.stretchStart;
        if (!closes)
            continue;
        line.text += QLatin1String(bytes + copied, span.stretchEnd - copied);
        if (!line.areas.isEmpty())
            lines.append(std::move(line));
        line = GameLine();
    }
    return lines;
}

QList<GameLine> gameLinesOf(const AreaTable &table, const FileLayout *keptLayout)
{
    return keptLayout ? keptGameLines(table, *keptLayout) : composedGameLines(table);
}

// The names of each line the game sees in a line of the file, leaving out
// lines that give none. More than one line only when a model list holds a
// line break.
QList<Names> namedLines(QStringView text)
{
    QList<Names> lines;
    if (!text.contains(u'\n')) {
        if (Names names = gameLineNameViews(text); !names.isEmpty())
            lines.append(std::move(names));
        return lines;
    }
    for (const QStringView line : text.split(u'\n')) {
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

QString countFinding(const Names &names)
{
    const int count = int(names.size());
    if (count > SlotCount)
        return GameCheck::tr(
                "the game sees %n name(s) (%1) and ignores those after the eighth.", nullptr, count)
                .arg(joined(names));
    return GameCheck::tr("the game sees %n name(s) (%1), so no group; every later group moves up "
                         "one.",
            nullptr, count)
            .arg(joined(names));
}

// What is wrong with how the game reads one area's line; empty when nothing is.
QString lineFinding(const QList<Names> &lines)
{
    if (lines.isEmpty())
        return GameCheck::tr(
                "the game sees no names, so no group; every later group moves up one.");
    if (lines.size() > 1)
        return GameCheck::tr("a line break in its list makes the game see %n line(s).", nullptr,
                int(lines.size()));
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

int groupCount(const QList<Names> &lines)
{
    int groups = 0;
    for (const Names &names : lines)
        groups += names.size() >= SlotCount ? 1 : 0;
    return groups;
}

QString tooManyGroups(
        const AreaTable &table, const QList<int> &areaLines, int groups, int firstAreaPast)
{
    return GameCheck::tr("%n group(s), but the game holds %1: the groups from %2 (area %3) on "
                         "write past its table.",
            nullptr, groups)
            .arg(QString::number(GameGroupCapacity), calledArea(table, areaLines, firstAreaPast),
                    QString::number(firstAreaPast));
}

// What is wrong with how the game reads a line of the file, told of the first
// area in it; the other areas in it are part of that area's line for the game.
class LineChecker
{
    Q_DECLARE_TR_FUNCTIONS(GameCheck)

public:
    LineChecker(const AreaTable &table, const GameModels &models, const QList<int> &areaLines,
            const FileLayout *keptLayout, QList<GameCheckFinding> &findings)
        : m_table(table),
          m_models(models),
          m_areaLines(areaLines),
          m_keptLayout(keptLayout),
          m_findings(findings)
    { }

    void check(const GameLine &line, const QList<Names> &names)
    {
        const int first = line.areas.first();
        for (const int area : line.areas) {
            reportJoinedLine(area);
            if (area != first)
                continue;
            if (line.text.size() > GameLineLimit)
                add(area,
                        tr("the game reads only the first 1,022 characters of this line; the "
                           "rest becomes a line of its own."));
            if (const QString wrong = lineFinding(names); !wrong.isEmpty())
                add(area, wrong);
            if (const Names unknown = namesNotFound(names, m_models); !unknown.isEmpty())
                add(area, tr("the game will not find %1.").arg(joined(unknown)));
        }
    }

private:
    void reportJoinedLine(int area)
    {
        const int joinedTo = m_keptLayout ? m_keptLayout->areaLines[area - 1].joinedToLine : 0;
        if (joinedTo != 0)
            add(area,
                    tr("the game takes a lone CR for no line end, so it reads this line as part "
                       "of line %1.")
                            .arg(joinedTo));
    }

    void add(int area, const QString &problem)
    {
        m_findings.append({area, true, calledArea(m_table, m_areaLines, area), problem});
    }

    const AreaTable &m_table;
    const GameModels &m_models;
    const QList<int> &m_areaLines;
    const FileLayout *m_keptLayout;
    QList<GameCheckFinding> &m_findings;
};

bool pastGroups(const std::optional<int> &group, int groups)
{
    return group && *group >= groups;
}

// A zone whose group the file does not give gets empty slots: the game fills
// them with model 0, the player's own.
QList<GameCheckFinding> zoneFindings(const GameZones &zones, int groups)
{
    QList<GameCheckFinding> findings;
    for (const GameZone &zone : zones) {
        const bool day = pastGroups(zone.dayGroup, groups);
        const bool night = pastGroups(zone.nightGroup, groups);
        if (day && night && zone.dayGroup == zone.nightGroup) {
            findings.append({0, false, QString(),
                    GameCheck::tr("%1 uses group %2 by day and night, but the game reads only %n "
                                  "group(s) from this file.",
                            nullptr, groups)
                            .arg(zone.name, QString::number(*zone.dayGroup))});
            continue;
        }
        if (day)
            findings.append({0, false, QString(),
                    GameCheck::tr("%1 uses group %2 by day, but the game reads only %n group(s) "
                                  "from this file.",
                            nullptr, groups)
                            .arg(zone.name, QString::number(*zone.dayGroup))});
        if (night)
            findings.append({0, false, QString(),
                    GameCheck::tr("%1 uses group %2 by night, but the game reads only %n "
                                  "group(s) from this file.",
                            nullptr, groups)
                            .arg(zone.name, QString::number(*zone.nightGroup))});
    }
    return findings;
}

} // namespace

QList<GameCheckFinding> gameCheck(const AreaTable &table, const GameModels &models,
        const QList<int> &areaLines, const FileLayout *keptLayout, const GameZones &zones)
{
    QList<GameCheckFinding> findings;
    LineChecker checker(table, models, areaLines, keptLayout, findings);
    int groups = 0;
    int firstAreaPast = 0;
    for (const GameLine &line : gameLinesOf(table, keptLayout)) {
        const QList<Names> names = namedLines(line.text);
        groups += groupCount(names);
        if (groups > GameGroupCapacity && firstAreaPast == 0)
            firstAreaPast = line.areas.first();
        checker.check(line, names);
    }
    if (groups > GameGroupCapacity)
        findings.prepend({firstAreaPast, false, QString(),
                tooManyGroups(table, areaLines, groups, firstAreaPast)});
    return findings + zoneFindings(zones, groups);
}

QStringList gameCheckFindings(const AreaTable &table, const GameModels &models,
        const QList<int> &areaLines, const FileLayout *keptLayout, const GameZones &zones)
{
    QStringList texts;
    for (const GameCheckFinding &finding : gameCheck(table, models, areaLines, keptLayout, zones))
        texts.append(finding.text());
    return texts;
}

QString calledArea(const AreaTable &table, const QList<int> &areaLines, int area)
{
    const QString &name = table.areas[area - 1].areaName;
    const int line = areaLines.value(area - 1);
    return name.isEmpty() && line > 0 ? GameCheck::tr("line %1").arg(line) : name;
}

QList<AreaReading> gameAreaReadings(const AreaTable &table, const FileLayout *keptLayout)
{
    QList<AreaReading> readings(table.areas.size());
    int groups = 0;
    for (const GameLine &line : gameLinesOf(table, keptLayout)) {
        const QList<Names> names = namedLines(line.text);
        AreaReading &reading = readings[line.areas.first() - 1];
        reading.groups = groupCount(names);
        reading.firstGroup = reading.groups > 0 ? groups : -1;
        for (const Names &lineNames : names)
            reading.names += lineNames.size();
        groups += reading.groups;
    }
    return readings;
}

QString gameCheckQuestion(const QStringList &findings)
{
    QString text = GameCheck::tr("Problems the game will have with this file:") + CrLf + CrLf;
    text += findings.first(qMin(findings.size(), qsizetype(MaxShownFindings))).join(CrLf);
    if (findings.size() > MaxShownFindings)
        text += CrLf
                + GameCheck::tr(
                        "... and %n more", nullptr, int(findings.size()) - MaxShownFindings);
    return text + CrLf + CrLf + GameCheck::tr("Save anyway?");
}

QString gameCheckTitle()
{
    return GameCheck::tr("Game Check");
}

QString GameCheckFinding::text() const
{
    if (!namesArea)
        return problem;
    return GameCheck::tr("%1 (area %2): %3").arg(areaCalled, QString::number(area), problem);
}
