#include "gamereading/gamemodels.h"

#include "format/areareader.h"
#include "format/pedcatalogue.h"
#include "gamefolders/gamepaths.h"
#include "gamereading/gamereader.h"
#include "storage/filestamp.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Only A to Z fold: the game compares 8-bit names, and folding more could call
// a name known that the game will not find.
QString foldCase(const QString &name)
{
    if (std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c >= u'A' && c <= u'Z'; }))
        return name;
    QString folded = name;
    for (QChar &c : folded) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return folded;
}

void addFolded(const QStringList &names, QSet<QString> &folded)
{
    for (const QString &name : names)
        folded.insert(foldCase(name));
}

const QSet<QString> &foldedCatalogue()
{
    static const QSet<QString> folded = [] {
        QSet<QString> names;
        addFolded(pedCatalogue(), names);
        return names;
    }();
    return folded;
}

bool isLine(const QString &line, QLatin1String word)
{
    return line.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

// The default.ide in the folder of a pedgrp.dat (both paths on this system),
// its name matched without regard to case; empty when that folder has none.
QString defaultIdeBeside(const QString &pedgrpPath)
{
    const QFileInfo ide(pathBelowInAnyCase(
            QFileInfo(pedgrpPath).absolutePath(), QStringLiteral("default.ide")));
    return ide.isFile() ? ide.filePath() : QString();
}

} // namespace

QStringList idePedNames(const QString &path)
{
    QStringList names;
    bool inPeds = false;
    for (const QString &line : splitLines(readFileWhole(path).bytes)) {
        if (!inPeds) {
            inPeds = isLine(line, QLatin1String("peds"));
            continue;
        }
        if (isLine(line, QLatin1String("end"))) {
            inPeds = false;
            continue;
        }
        // Fields part at commas and blanks like pedgrp.dat names; comment lines give none.
        const QStringList fields = gameLineNames(line);
        if (fields.size() >= 2)
            names.append(fields.at(1));
    }
    return names;
}

GameModels::GameModels() : m_folded(foldedCatalogue()) { }

GameModels::GameModels(const QStringList &moreNames) : GameModels()
{
    addFolded(moreNames, m_folded);
}

GameModels GameModels::beside(const QString &pedgrpPath)
{
    const QString ide = defaultIdeBeside(pedgrpPath);
    return ide.isEmpty() ? GameModels() : GameModels(idePedNames(ide));
}

bool GameModels::knows(QStringView name) const
{
    // Borrows the characters: most names need no folding and no copy.
    return m_folded.contains(foldCase(QString::fromRawData(name.constData(), name.size())));
}

QStringList GameModels::unknownNames(const QString &slotText) const
{
    QStringList unknown;
    for (const QStringView name : gameLineNameViews(slotText)) {
        if (!knows(name))
            unknown.append(name.toString());
    }
    return unknown;
}
