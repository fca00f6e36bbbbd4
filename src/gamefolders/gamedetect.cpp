#include "gamefolders/gamedetect.h"

#include "gamefolders/keyvalues.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString GameAppId = QStringLiteral("12100");

// The 32-bit game's installer writes to "Program Files (x86)" on 64-bit Windows.
// In a Wine prefix the lookup of DefaultGameDirectory already tries it.
const QString X86GameDirectory
        = QStringLiteral("c:\\program files (x86)\\rockstar games\\gtaiii\\");

#ifdef Q_OS_WIN
// Steam notes its folder for the user in the registry. Read without QSettings,
// which would create the key where Steam is not installed.
QStringList steamFolders(const QString &)
{
    wchar_t folder[MAX_PATH + 1];
    DWORD size = sizeof folder;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Valve\\Steam", L"SteamPath", RRF_RT_REG_SZ,
                nullptr, folder, &size)
            != ERROR_SUCCESS)
        return {};
    return {QDir::cleanPath(QString::fromWCharArray(folder))};
}
#else
QStringList steamFolders(const QString &home)
{
    return {home + QLatin1String("/.steam/steam"), home + QLatin1String("/.local/share/Steam"),
            home + QLatin1String("/.var/app/com.valvesoftware.Steam/.local/share/Steam")};
}
#endif

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
    return withSeparator(QDir::toNativeSeparators(gameFolder));
}

} // namespace

DetectedGame detectGame(const UserFolders &folders)
{
    for (const QString &library : steamLibraries(folders.home)) {
        if (const auto game = gameInLibrary(library, folders))
            return {*game, GameSource::Steam};
    }
    for (const QString &installed : {DefaultGameDirectory, X86GameDirectory}) {
        if (holdsTheGame(installed, folders))
            return {installed, GameSource::Wine};
    }
    return {DefaultGameDirectory, GameSource::None};
}
