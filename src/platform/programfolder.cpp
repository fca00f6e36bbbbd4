#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// Set by the build to where installation puts the files, seen from the
// executable's folder.
#ifndef VARNEL_SHIPPED_FILES_FROM_PROGRAM
#define VARNEL_SHIPPED_FILES_FROM_PROGRAM "../share/varnel"
#endif

namespace {

bool holdsShippedFiles(const QString &folder)
{
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("readme.txt")))
            || QFileInfo::exists(dir.filePath(QStringLiteral("backup.file")));
}

} // namespace

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString shippedFilesFolder(const QString &programFolder)
{
    if (holdsShippedFiles(programFolder))
        return programFolder;
    const QString installed = QDir::cleanPath(
            programFolder + u'/' + QLatin1String(VARNEL_SHIPPED_FILES_FROM_PROGRAM));
    return holdsShippedFiles(installed) ? installed : programFolder;
}
