#include "gamefolders/gamedetect.h"

#include "gamefolders/keyvalues.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const QString GameAppId = QStringLiteral("12100");

QStringList steamFolders(const QString &home)
{
    return {home + QLatin1String("/.steam/steam"), home + QLatin1String("/.local/share/Steam"),
            home + QLatin1String("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
}

// Newer Steam writes "0" { "path" "/..." }, older Steam "1" "/...".
QStringList listedLibraries(const QString &steamFolder)
{
    const auto vdf
            = readKeyValuesFile(steamFolder + QLatin1String("/steamapps/libraryfolders.vdf"));
    const KeyValues *top = vdf ? vdf->child(u"libraryfolders") : nullptr;
    if (!top || !top->isBlock)
        return {};
    QStringList libraries;
    for (const KeyValues &entry : top->children) {
        bool numbered = false;
        entry.key.toUInt(&numbered);
        if (!numbered)
            continue;
        const QString path = entry.isBlock ? entry.childValue(u"path") : entry.value;
        if (QDir::isAbsolutePath(path))
            libraries.append(QDir::cleanPath(path));
    }
    return libraries;
}

// Steam's own folder is a library even when its list is lost or damaged.
QStringList steamLibraries(const QString &home)
{
    QStringList libraries;
    QStringList seen;
    for (const QString &steamFolder : steamFolders(home)) {
        for (const QString &library : QStringList{steamFolder} + listedLibraries(steamFolder)) {
            const QString canonical = QFileInfo(library).canonicalFilePath();
            if (!canonical.isEmpty() && !seen.contains(canonical)) {
                seen.append(canonical);
                libraries.append(library);
            }
        }
    }
    return libraries;
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
            && !name.contains(u'/') && !name.contains(u'\\');
}

bool holdsTheGame(const QString &gameFolder, const UserFolders &folders)
{
    return QFileInfo(gameFileIn(gameFolder, folders).path).isFile();
}

std::optional<QString> gameInLibrary(const QString &library, const UserFolders &folders)
{
    const auto manifest = readKeyValuesFile(
            library + QLatin1String("/steamapps/appmanifest_") + GameAppId + QLatin1String(".acf"));
    const KeyValues *state = manifest ? manifest->child(u"AppState") : nullptr;
    if (!state || !state->isBlock)
        return std::nullopt;
    const QString installDir = state->childValue(u"installdir");
    if (!isPlainName(installDir))
        return std::nullopt;
    const QString gameFolder = library + QLatin1String("/steamapps/common/") + installDir;
    if (!holdsTheGame(gameFolder, folders))
        return std::nullopt;
    return withSeparator(gameFolder);
}

} // namespace

DetectedGame detectGame(const UserFolders &folders)
{
    for (const QString &library : steamLibraries(folders.home)) {
        if (const auto game = gameInLibrary(library, folders))
            return {*game, GameSource::Steam};
    }
    if (holdsTheGame(DefaultGameDirectory, folders))
        return {DefaultGameDirectory, GameSource::Wine};
    return {DefaultGameDirectory, GameSource::None};
}
