#include "document/filestamp.h"
#include "document/pedgrpfile.h"
#include "document/savefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray ReadBytes = QByteArrayLiteral("# read\r\n\r\na,b,c,d,e,f,g,h\t# One\r\n");
const QByteArray SameSize = QByteArrayLiteral("# READ\r\n\r\na,b,c,d,e,f,g,h\t# One\r\n");

// Gives the file at path the modification time it had before another write.
void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

class TestFileStamp : public QObject
{
    Q_OBJECT

private slots:
    void readStampTellsAnotherProgramsChange_data();
    void readStampTellsAnotherProgramsChange();
    void writtenStampMatchesTheWrittenFile();
};

void TestFileStamp::readStampTellsAnotherProgramsChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("readable");
    QTest::newRow("untouched") << "none" << false << true;
    QTest::newRow("same bytes written again at the same time") << "same" << false << true;
    QTest::newRow("other bytes of the same size at the same time") << "bytes" << true << true;
    QTest::newRow("a line added") << "longer" << true << true;
    QTest::newRow("only the time") << "time" << true << true;
    QTest::newRow("deleted") << "deleted" << true << false;
    QTest::newRow("a folder in its place") << "folder" << true << false;
}

void TestFileStamp::readStampTellsAnotherProgramsChange()
{
    QFETCH(QString, change);
    QFETCH(bool, changed);
    QFETCH(bool, readable);
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("pedgrp.dat"));
    writeFile(path, ReadBytes);
    const ReadResult read = readPedgrpFile(path);
    QVERIFY(read.ok());
    QVERIFY(read.stamp.exists);
    const QDateTime readTime = QFileInfo(path).lastModified();

    QByteArray now = ReadBytes;
    if (change == QLatin1String("same") || change == QLatin1String("bytes")) {
        now = change == QLatin1String("same") ? ReadBytes : SameSize;
        writeFile(path, now);
        setModified(path, readTime);
    } else if (change == QLatin1String("longer")) {
        now = ReadBytes + "# more\r\n";
        writeFile(path, now);
    } else if (change == QLatin1String("time")) {
        setModified(path, readTime.addSecs(-60));
    } else if (change == QLatin1String("deleted")) {
        QVERIFY(QFile::remove(path));
    } else if (change == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    }

    const FileCheck check = checkFile(path, read.stamp);
    QCOMPARE(check.changed, changed);
    QCOMPARE(check.currentBytes.has_value(), readable);
    if (readable)
        QCOMPARE(*check.bytes(), now);
    else
        QCOMPARE(check.bytes(), nullptr);
}

void TestFileStamp::writtenStampMatchesTheWrittenFile()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("pedgrp.dat"));
    writeFile(path, SameSize);
    QCOMPARE(writeFileSafely(path, ReadBytes), QString());
    const FileStamp written = FileStamp::ofWrittenFile(path, ReadBytes);
    QCOMPARE(written, readFileWhole(path).stamp);
    QCOMPARE(checkFile(path, written).changed, false);

    const QDateTime writtenTime = QFileInfo(path).lastModified();
    writeFile(path, SameSize);
    setModified(path, writtenTime);
    QCOMPARE(checkFile(path, written).changed, true);
}

QTEST_GUILESS_MAIN(TestFileStamp)
#include "tst_filestamp.moc"
