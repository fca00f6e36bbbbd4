#include "support/testfiles.h"

#include "support/gamefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString openError(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return QString();
    // Messages end in a full stop of their own.
    QString error = file.errorString();
    if (error.endsWith(u'.'))
        error.chop(1);
    return error;
}

QString makeGameFolder(const QString &root, const QByteArray &bytes)
{
    const QString folder = root + QStringLiteral("/game");
    writeFile(folder + QStringLiteral("/data/pedgrp.dat"), bytes);
    return folder;
}

QByteArray areaLine(const QByteArray &models, const QByteArray &name)
{
    return models + "\t# " + name + "\r\n";
}

QByteArray threeAreas(const QByteArray &lineEnd)
{
    return "# header" + lineEnd
            + "male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1\t# Downtown"
            + lineEnd
            + "st_man,st_wom,fan_man1,fan_man2,fan_wom,stud_man,stud_wom,shopper1\t# Harbour"
            + lineEnd + "a,b,c,d,e,f,g,h\t# Letters" + lineEnd;
}

QByteArray fourAreasWithOneShort()
{
    const QByteArray eight = "pimp,pimp,pimp,pimp,pimp,pimp,pimp,pimp";
    return "# header\r\n" + areaLine(eight, "First") + areaLine(eight, "Second")
            + areaLine("pimp,pimp,pimp,pimp,pimp,pimp,pimp,", "Short") + areaLine(eight, "Third");
}

void writeSmallZoneGame(const QString &gameFolder)
{
    writeFile(gameFolder + QStringLiteral("/data/gta3.zon"),
            "zone\r\n" + zoneLine("ALPHA", 1, {0, 0, 0, 100, 100, 10}, 1)
                    + zoneLine("BETA", 1, {100, 0, 0, 200, 100, 10}, 2)
                    + zoneLine("GAMMA", 2, {180, 90, 0, 200, 100, 10}, 2) + "end\r\n");
    ScriptParts script;
    script.main = setZoneGroup("ALPHA", true, 1) + setZoneGroup("ALPHA", false, 2)
            + setZoneGroup("BETA", true, 0) + setZoneGroup("BETA", false, 1)
            + setZoneGroup("GAMMA", true, 5);
    writeFile(gameFolder + QStringLiteral("/data/main.scm"), scriptBytes(script));
    writeFile(gameFolder + QStringLiteral("/text/american.gxt"),
            gxtBytes({{"ALPHA", QStringLiteral("Alpha Park")},
                    {"BETA", QStringLiteral("Beta Docks")},
                    {"CITYZON", QStringLiteral("Liberty City")},
                    {"GAMMA", QStringLiteral("Gamma")}}));
}
