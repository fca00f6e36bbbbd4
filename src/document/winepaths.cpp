#include "document/winepaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

bool startsWithDrive(const QString &path)
{
    return path.size() >= 2 && path[0].isLetter() && path[0].unicode() < 128 && path[1] == u':'
            && (path.size() == 2 || isSeparator(path[2]));
}

QString winePrefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + QLatin1String("/.wine") : prefix;
}

// Wine keeps a link per drive in dosdevices; c: and z: have fixed places
// should the links be missing.
QString driveFolder(QChar letter)
{
    const QString prefix = winePrefix();
    const QString device = prefix + QLatin1String("/dosdevices/") + letter + u':';
    if (QFileInfo::exists(device))
        return device;
    if (letter == u'c')
        return prefix + QLatin1String("/drive_c");
    if (letter == u'z')
        return QStringLiteral("/");
    return device;
}

// 32-bit programs in a 64-bit prefix are installed in "Program Files (x86)".
QStringList alternativesBelowDrive(QChar letter, const QString &below)
{
    const QStringList folders = QString(below).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts);
    if (letter != u'c' || folders.size() < 2
            || folders.first().compare(QLatin1String("program files"), Qt::CaseInsensitive) != 0)
        return {below};
    QStringList x86 = folders;
    x86.first() = QStringLiteral("Program Files (x86)");
    return {below, x86.join(u'/')};
}

} // namespace

std::optional<WineLocation> wineLocation(const QString &typedPath)
{
    if (!startsWithDrive(typedPath))
        return std::nullopt;
    const QChar letter = typedPath[0].toLower();
    const QString below = typedPath.mid(2);
    return WineLocation{driveFolder(letter), alternativesBelowDrive(letter, below)};
}
