#include "gamereading/gamereader.h"

#include "format/gameblank.h"
#include "format/slots.h"

namespace {

bool separatesNames(QChar c)
{
    return c == u',' || isGameBlank(c) || (c.unicode() >= 0x80 && c.unicode() <= 0xff);
}

// The pieces the game reads a line (without its line end) in: the whole line
// when it fits, else 1,023 characters at a time until the rest does.
QList<QStringView> readPieces(QStringView line)
{
    QList<QStringView> pieces;
    while (line.size() > GameLineLimit) {
        pieces.append(line.first(GameLineLimit + 1));
        line = line.sliced(GameLineLimit + 1);
    }
    pieces.append(line);
    return pieces;
}

} // namespace

QList<QStringView> gameLineNameViews(QStringView line)
{
    // The game's C string ends at the first NUL.
    if (const qsizetype nul = line.indexOf(QChar(0)); nul >= 0)
        line = line.first(nul);
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
    for (const QStringView line : QStringView(fileText).split(u'\n')) {
        // The text-mode read makes CR LF one LF.
        const QStringView text = line.endsWith(u'\r') ? line.chopped(1) : line;
        for (const QStringView piece : readPieces(text)) {
            const QList<QStringView> names = gameLineNameViews(piece);
            if (names.size() >= SlotCount) {
                QStringList group;
                for (const QStringView name : names.first(SlotCount))
                    group.append(name.toString());
                groups.append(group);
            }
        }
    }
    return groups;
}
