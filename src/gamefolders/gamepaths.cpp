#include "gamefolders/gamepaths.h"

#include "gamefolders/winepaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// "\" and "/" both separate folders in a typed path: Windows takes either,
// and elsewhere a typed "\" stands for "/".
bool isTypedSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

qsizetype lastSeparatorBefore(const QString &path, qsizetype end)
{
    for (qsizetype i = end - 1; i >= 0; --i) {
        if (isTypedSeparator(path[i]))
            return i;
    }
    return -1;
}

QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

enum class Entry { Folder, FolderOrFile };

bool isWanted(const QFileInfo &info, Entry wanted)
{
    return wanted == Entry::Folder ? info.isDir() : info.exists();
}

// The entry of folder whose name equals name but for case, or name itself.
// Names are compared as they are: a name filter would take "[GOG]" for a
// pattern.
QString matchingEntry(const QString &folder, const QString &name, Entry wanted)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries = dir.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0
                && isWanted(QFileInfo(joined(folder, entry)), wanted))
            return entry;
    }
    return name;
}

#ifndef Q_OS_WIN
// Each folder and the file below root, taken as they are where they exist and
// else matched without regard to case. Every part but the last must be a
// folder, and the last one too when the path ends in a separator.
QString resolvedBelow(const QString &root, const QString &path)
{
    QString resolved = root;
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString next = joined(resolved, part);
        const Entry wanted
                = i + 1 < parts.size() || path.endsWith(u'/') ? Entry::Folder : Entry::FolderOrFile;
        if (part != QLatin1String(".") && part != QLatin1String("..")
                && !isWanted(QFileInfo(next), wanted))
            next = joined(resolved, matchingEntry(resolved, part, wanted));
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

bool startsAtHome(const QString &path)
{
    return path == u'~' || path.startsWith(QLatin1String("~/"));
}

QString withHomeExpanded(const QString &path, const QString &home)
{
    return startsAtHome(path) ? home + path.mid(1) : path;
}

#endif

// data/pedgrp.dat below an existing folder, found as Load finds it below a
// typed one.
QString gameFileBelow(const QString &folder)
{
#ifdef Q_OS_WIN
    return folder + QLatin1String("data\\pedgrp.dat");
#else
    return resolvedBelow(folder, QStringLiteral("data/pedgrp.dat"));
#endif
}

} // namespace

bool endsInSeparator(const QString &typedPath)
{
    return !typedPath.isEmpty() && isTypedSeparator(typedPath.back());
}

QString withSeparator(const QString &typedDirectory)
{
    if (endsInSeparator(typedDirectory))
        return typedDirectory;
    const qsizetype last = lastSeparatorBefore(typedDirectory, typedDirectory.size());
    return typedDirectory + (last < 0 ? QDir::separator() : typedDirectory[last]);
}

QString gameFilePath(const QString &gameDirectory)
{
    const QChar separator = gameDirectory.isEmpty() ? QDir::separator() : gameDirectory.back();
    return gameDirectory + QLatin1String("data") + separator + QLatin1String("pedgrp.dat");
}

QString resolvePath(const QString &typedPath, const UserFolders &folders)
{
#ifdef Q_OS_WIN
    // The system finds the path as Windows programs have always found it.
    Q_UNUSED(folders);
    return typedPath;
#else
    QString path = typedPath;
    path.replace(u'\\', u'/');
    path = withHomeExpanded(path, folders.home);
    if (const auto wine = wineLocation(path, folders.winePrefix))
        return resolvedInWine(*wine);
    return resolvedBelow(path.startsWith(u'/') ? QStringLiteral("/") : QString(), path);
#endif
}

QString pathBelowInAnyCase(const QString &folder, const QString &relativePath)
{
#ifdef Q_OS_WIN
    return joined(folder, relativePath);
#else
    return resolvedBelow(folder, relativePath);
#endif
}

QString spelledAsOnDisk(const QString &absolutePath)
{
#ifdef Q_OS_WIN
    // From the drive's root; a network share's path stays as it is.
    if (absolutePath.size() < 3 || absolutePath[1] != u':')
        return absolutePath;
    QString spelled = absolutePath.left(2) + u'/';
    for (const QString &name : absolutePath.mid(3).split(u'/', Qt::SkipEmptyParts))
        spelled = joined(spelled, matchingEntry(spelled, name, Entry::FolderOrFile));
    return spelled;
#else
    return absolutePath;
#endif
}

GameFileLocation gameFileIn(const QString &typedFolder, const UserFolders &folders)
{
    const QString gameDirectory = withSeparator(typedFolder);
    const QString shownPath = gameFilePath(gameDirectory);
    return {resolvePath(shownPath, folders), shownPath, false, gameDirectory};
}

GameFileLocation locateGameFile(const QString &typed, const UserFolders &folders)
{
    if (!endsInSeparator(typed)) {
        const QString path = resolvePath(typed, folders);
        const QFileInfo info(path);
        if (info.exists() && !info.isDir())
            return {path, typed, true, gameFolderAboveData(typed).value_or(QString())};
    }
    return gameFileIn(typed, folders);
}

QString absoluteTypedPath(const QString &typedPath)
{
#ifdef Q_OS_WIN
    return QDir::isRelativePath(typedPath)
            ? QDir::toNativeSeparators(QDir::current().absoluteFilePath(typedPath))
            : typedPath;
#else
    QString path = typedPath;
    path.replace(u'\\', u'/');
    if (path.startsWith(u'/') || startsAtHome(path) || startsWithDrive(path))
        return typedPath;
    return QDir::currentPath() + u'/' + typedPath;
#endif
}

GameFileLocation locateGivenPath(const QString &givenPath, const UserFolders &folders)
{
    const QFileInfo given(givenPath);
    if (!given.exists())
        return locateGameFile(absoluteTypedPath(givenPath), folders);
    const QString path = QDir::toNativeSeparators(given.absoluteFilePath());
    if (!given.isDir())
        return {path, path, true, gameFolderAboveData(path).value_or(QString())};
    const QString folder = path.endsWith(QDir::separator()) ? path : path + QDir::separator();
    return {gameFileBelow(folder), gameFilePath(folder), false, folder};
}

std::optional<QString> gameFolderAboveData(const QString &typedFile)
{
    qsizetype folderEnd = lastSeparatorBefore(typedFile, typedFile.size());
    while (folderEnd > 0 && isTypedSeparator(typedFile[folderEnd - 1]))
        --folderEnd;
    const qsizetype folderStart = lastSeparatorBefore(typedFile, folderEnd) + 1;
    if (folderStart <= 0
            || typedFile.mid(folderStart, folderEnd - folderStart)
                            .compare(QLatin1String("data"), Qt::CaseInsensitive)
                    != 0)
        return std::nullopt;
    return typedFile.left(folderStart);
}
