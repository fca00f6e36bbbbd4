#include "document/gamereader.h"

namespace {

bool separatesNames(QChar c)
{
    return c == u',' || c.unicode() <= u' ';
}

constexpr qsizetype GroupSize = 8;

} // namespace

QStringList gameLineNames(const QString &line)
{
    QStringList names;
    names.reserve(GroupSize);
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
            names.append(line.mid(start, i - start));
        start = -1;
    }
    return names;
}

QList<QStringList> gameGroups(const QString &fileText)
{
    QList<QStringList> groups;
    for (const QString &line : fileText.split(u'\n')) {
        const QStringList names = gameLineNames(line);
        if (names.size() >= GroupSize)
            groups.append(names.first(GroupSize));
    }
    return groups;
}
