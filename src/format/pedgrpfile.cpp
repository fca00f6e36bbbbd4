#include "format/pedgrpfile.h"

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(bytes.constData() + start, i - start));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString::fromLatin1(bytes.constData() + start, size - start));
    return lines;
}

ReadResult readTable(const QByteArray &bytes)
{
    const QByteArrayView byteOrderMark("\xef\xbb\xbf");
    const QByteArray text = bytes.startsWith(byteOrderMark)
            ? QByteArray::fromRawData(
                    bytes.constData() + byteOrderMark.size(), bytes.size() - byteOrderMark.size())
            : bytes;
    ReadResult result;
    int areaCounter = 0;
    for (const QString &line : splitLines(text)) {
        if (!result.table.takeLine(line, areaCounter, &result.error))
            break;
    }
    return result;
}

ReadResult readPedgrpFile(const QString &path)
{
    const FileContents file = readFileWhole(path);
    ReadResult failed;
    if (!file.error.isEmpty()) {
        failed.error = file.error;
        return failed;
    }
    if (file.stamp.size == 0) {
        failed.error = QStringLiteral("File does not exist");
        return failed;
    }
    ReadResult result = readTable(file.bytes);
    result.stamp = file.stamp;
    return result;
}

std::optional<QByteArray> encodeLatin1(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return std::nullopt;
    }
    return text.toLatin1();
}
