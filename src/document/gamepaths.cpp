#include "document/gamepaths.h"

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
    const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
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
    QString resolved = path.startsWith(u'/') ? QStringLiteral("/") : QString();
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        QString next = joined(resolved, part);
        if (part != QLatin1String(".") && part != QLatin1String("..")
            && !QFileInfo::exists(next))
            next = joined(resolved, matchingEntry(resolved, part));
        resolved = next;
    }
    return resolved;
#endif
}
