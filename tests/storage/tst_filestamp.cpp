#include "storage/filestamp.h"
#include "storage/savefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray ReadBytes = QByteArrayLiteral("# read\r\n\r\na,b,c,d,e,f,g,h\t# One\r\n");
const QByteArray SameSize = QByteArrayLiteral("# READ\r\n\r\na,b,c,d,e,f,g,h\t# One\r\n");

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

// After the read the file is written again with "now" (unless null) and given
// the time of the read moved by "shift" seconds, or it is "gone" or a "folder".
void TestFileStamp::readStampTellsAnotherProgramsChange_data()
{
    QTest::addColumn<QByteArray>("now");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("gone");
    QTest::addColumn<bool>("changed");
    QTest::newRow("untouched") << QByteArray() << 0 << "" << false;
    QTest::newRow("same bytes written again at the same time") << ReadBytes << 0 << "" << false;
    QTest::newRow("other bytes of the same size at the same time") << SameSize << 0 << "" << true;
    QTest::newRow("a line added") << ReadBytes + "# more\r\n" << 0 << "" << true;
    QTest::newRow("only the time") << QByteArray() << -60 << "" << true;
    QTest::newRow("deleted") << QByteArray() << 0 << "deleted" << true;
    QTest::newRow("a folder in its place") << QByteArray() << 0 << "folder" << true;
}

void TestFileStamp::readStampTellsAnotherProgramsChange()
{
    QFETCH(QByteArray, now);
    QFETCH(int, shift);
    QFETCH(QString, gone);
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("pedgrp.dat"));
    writeFile(path, ReadBytes);
    const FileContents read = readFileWhole(path);
    QVERIFY(read.error.isEmpty() && read.stamp.exists);
    const QDateTime readTime = QFileInfo(path).lastModified();

    if (!now.isNull())
        writeFile(path, now);
    setModified(path, readTime.addSecs(shift));
    if (!gone.isEmpty())
        QVERIFY(QFile::remove(path));
    if (gone == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));

    const FileCheck check = checkFile(path, read.stamp);
    QTEST(check.changed, "changed");
    if (gone.isEmpty())
        QCOMPARE(*check.bytes(), now.isNull() ? ReadBytes : now);
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
}

QTEST_GUILESS_MAIN(TestFileStamp)
#include "tst_filestamp.moc"
