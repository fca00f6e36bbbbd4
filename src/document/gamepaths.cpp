#include "document/gamepaths.h"

#include "document/winepaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || (QDir::separator() == u'/' && c == u'/');
}

QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The entry of folder whose name equals name but for case, or name itself.
QString matchingEntry(const QString &folder, const QString &name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

// Each folder and the file below root, taken as they are where they exist and
// else matched without regard to case.
QString resolvedBelow(const QString &root, const QString &path)
{
    QString resolved = root;
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QString next = joined(resolved, part);
        if (part != QLatin1String(".") && part != QLatin1String("..") && !QFileInfo::exists(next))
            next = joined(resolved, matchingEntry(resolved, part));
        resolved = next;
    }
    return resolved;
}

// The first of the places the path may lie that exists; else the first whose
// folder exists, so that a new file can be written there; else the first.
QString resolvedInWine(const WineLocation &wine)
{
    QStringList candidates;
    for (const QString &below : wine.pathsBelowDrive)
        candidates.append(resolvedBelow(wine.driveFolder, below));
    for (const QString &candidate : std::as_const(candidates)) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    for (const QString &candidate : std::as_const(candidates)) {
        if (QFileInfo(candidate).dir().exists())
            return candidate;
    }
    return candidates.first();
}

} // namespace

QString withSeparator(const QString &typedDirectory)
{
    if (!typedDirectory.isEmpty() && isSeparator(typedDirectory.back()))
        return typedDirectory;
    return typedDirectory + QDir::separator();
}

QString gameFilePath(const QString &gameDirectory)
{
    const QChar separator = gameDirectory.isEmpty() ? QDir::separator() : gameDirectory.back();
    return gameDirectory + QLatin1String("data") + separator + QLatin1String("pedgrp.dat");
}

QString resolvePath(const QString &typedPath)
{
#ifdef Q_OS_WIN
    return typedPath;
#else
    QString path = typedPath;
    path.replace(u'\\', u'/');
    if (const auto wine = wineLocation(path))
        return resolvedInWine(*wine);
    return resolvedBelow(path.startsWith(u'/') ? QStringLiteral("/") : QString(), path);
#endif
}
