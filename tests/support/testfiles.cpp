#include "support/testfiles.h"

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
