#include "gamereading/gamemodels.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

class TestGameModels : public QObject
{
    Q_OBJECT

private slots:
    void findsUnknownNamesInASlotText_data();
    void findsUnknownNamesInASlotText();
    void readsPedNamesOfDefaultIde_data();
    void readsPedNamesOfDefaultIde();
    void modelsBesidePedgrpAddTheGamesOwnPeds();

private:
    QTemporaryDir m_dir;
};

void TestGameModels::findsUnknownNamesInASlotText_data()
{
    QTest::addColumn<QString>("slotText");
    QTest::addColumn<QStringList>("unknown");
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("blanks around a catalogue name in capitals") << " MALE01\t" << QStringList();
    QTest::newRow("a further name in other case") << "NEWPED" << QStringList();
    QTest::newRow("only A to Z fold")
            << QString::fromLatin1("\xC9PED") << QStringList{QString::fromLatin1("\xC9PED")};
    QTest::newRow("two names in one slot") << "a male01 b" << QStringList{"a", "b"};
    QTest::newRow("a name after a # is not read") << "zz #yy" << QStringList{"zz"};
}

void TestGameModels::findsUnknownNamesInASlotText()
{
    QFETCH(QString, slotText);
    const GameModels models({QStringLiteral("newped"), QString::fromLatin1("\xE9ped")});
    QTEST(models.unknownNames(slotText), "unknown");
}

void TestGameModels::readsPedNamesOfDefaultIde_data()
{
    QTest::addColumn<QByteArray>("ide");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("peds section") << QByteArray("peds\r\n1, cop, generic, COP, STAT_COP, man, 0\r\n"
                                                "7,\tmale01,\tgeneric,\tCIVMALE\r\nend\r\n")
                                  << QStringList{"cop", "male01"};
    QTest::newRow("other sections, also between peds sections, are not peds")
            << QByteArray("objs\n100, lamppost, generic, 1, 50, 0\nend\npeds\n1, a, x\nend\n"
                          "cars\n90, landstal, landstal, car\nend\npeds\n2, b, x\nend\n")
            << QStringList{"a", "b"};
    QTest::newRow("section words in any case, with blanks")
            << QByteArray("  PEDS \n30, newped, generic\n End\t\n") << QStringList{"newped"};
    QTest::newRow("comments, blank lines and a lone id skipped")
            << QByteArray("peds\n# 29, old, generic\n\n   \n31\n#32, old2\n30 newped generic\nend")
            << QStringList{"newped"};
    QTest::newRow("no end reads to the last line")
            << QByteArray("peds\n1, a, x\n2, b, x") << QStringList{"a", "b"};
    QTest::newRow("missing file") << QByteArray() << QStringList();
}

void TestGameModels::readsPedNamesOfDefaultIde()
{
    QFETCH(QByteArray, ide);
    const QString path
            = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + "/default.ide");
    if (!ide.isNull())
        writeFile(path, ide);
    QTEST(idePedNames(path), "names");
}

void TestGameModels::modelsBesidePedgrpAddTheGamesOwnPeds()
{
    const QString game = makeGameFolder(m_dir.filePath(QStringLiteral("modded")), "x");
    writeFile(game + QStringLiteral("/data/DEFAULT.IDE"), "peds\r\n30, NewPed, generic\r\nend\r\n");
    const GameModels models = GameModels::beside(game + QStringLiteral("/data/pedgrp.dat"));
    QCOMPARE(models.unknownNames(QStringLiteral("newped MALE01 generic")), QStringList{"generic"});
}

QTEST_GUILESS_MAIN(TestGameModels)
#include "tst_gamemodels.moc"
