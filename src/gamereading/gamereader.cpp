#include "gamereading/gamereader.h"

#include "format/slots.h"

namespace {

bool separatesNames(QChar c)
{
    return c == u',' || c.unicode() <= u' ';
}

} // namespace

QList<QStringView> gameLineNameViews(QStringView line)
{
    QList<QStringView> names;
    names.reserve(SlotCount);
    qsizetype start = -1;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        const bool separator = i == line.size() || separatesNames(line.at(i));
        if (!separator) {
            if (start < 0) {
                if (line.at(i) == u'#')
                    break;
                start = i;
            }
            continue;
        }
        if (start >= 0)
            names.append(line.sliced(start, i - start));
        start = -1;
    }
    return names;
}

QStringList gameLineNames(const QString &line)
{
    QStringList names;
    for (const QStringView name : gameLineNameViews(line))
        names.append(name.toString());
    return names;
}

QList<QStringList> gameGroups(const QString &fileText)
{
    QList<QStringList> groups;
    for (const QString &line : fileText.split(u'\n')) {
        const QStringList names = gameLineNames(line);
        if (names.size() >= SlotCount)
            groups.append(names.first(SlotCount));
    }
    return groups;
}
