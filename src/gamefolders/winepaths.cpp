#include "gamefolders/winepaths.h"

#include <QFileInfo>

namespace {

bool isWindowsSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

bool startsWithDrive(const QString &path)
{
    return path.size() >= 2 && path[0].isLetter() && path[0].unicode() < 128 && path[1] == u':'
            && (path.size() == 2 || isWindowsSeparator(path[2]));
}

// Wine keeps a link per drive in dosdevices, and uses it even where it points
// nowhere; c: and z: have fixed places only should the link be missing.
QString driveFolder(QChar letter, const QString &prefix)
{
    const QString device = prefix + QLatin1String("/dosdevices/") + letter + u':';
    const QFileInfo link(device);
    if (link.exists() || link.isSymLink())
        return device;
    if (letter == u'c')
        return prefix + QLatin1String("/drive_c");
    if (letter == u'z')
        return QStringLiteral("/");
    return device;
}

// The folders below the drive with "." dropped and ".." taking away the
// folder before it, but never the drive itself.
QStringList foldersBelowDrive(const QString &below)
{
    QStringList folders;
    for (const QString &part :
            QString(below).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!folders.isEmpty())
                folders.removeLast();
        } else if (part != QLatin1String(".")) {
            folders.append(part);
        }
    }
    return folders;
}

// 32-bit programs in a 64-bit prefix are installed in "Program Files (x86)".
QList<QStringList> alternativesBelowDrive(QChar letter, const QStringList &folders)
{
    if (letter != u'c' || folders.size() < 2
            || folders.first().compare(QLatin1String("program files"), Qt::CaseInsensitive) != 0)
        return {folders};
    QStringList x86 = folders;
    x86.first() = QStringLiteral("Program Files (x86)");
    return {folders, x86};
}

} // namespace

std::optional<WineLocation> wineLocation(const QString &typedPath, const QString &winePrefix)
{
    if (!startsWithDrive(typedPath))
        return std::nullopt;
    const QChar letter = typedPath[0].toLower();
    const QString below = typedPath.mid(2);
    const bool endsInSeparator = !below.isEmpty() && isWindowsSeparator(below.back());
    WineLocation location{driveFolder(letter, winePrefix), {}};
    for (const QStringList &folders : alternativesBelowDrive(letter, foldersBelowDrive(below))) {
        const QString path = folders.join(u'/');
        location.pathsBelowDrive.append(endsInSeparator && !path.isEmpty() ? path + u'/' : path);
    }
    return location;
}
