#include "file/pedgrpfile.h"

#include "format/areawriter.h"

#include <QCoreApplication>

ReadResult readPedgrpFile(const QString &path, FileStamp *stamp)
{
    const FileContents file = readFileWhole(path);
    ReadResult failed;
    if (!file.error.isEmpty()) {
        failed.error = file.error;
        return failed;
    }
    if (file.stamp.size == 0) {
        failed.error = QCoreApplication::translate("PedgrpFile", "File does not exist");
        return failed;
    }
    if (stamp)
        *stamp = file.stamp;
    return readAreaTable(file.bytes);
}

QByteArray bytesToKeep(const AreaTable &table, const FileLayout *keptLayout)
{
    return (keptLayout ? composeKeepingLayout(table, *keptLayout) : composeFile(table)).toLatin1();
}
