#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The game's zone files as the tests and the benchmark build them.

// A compiled main.scm: the three header blocks (the globals, the model names,
// the main size and the missions' offsets), then the main part's code and each
// mission's code.
struct ScriptParts
{
    QByteArray globals = QByteArray(16, '\0');
    QList<QByteArray> models{"CSPLAYER"};
    QByteArray main;
    QList<QByteArray> missions;
};
QByteArray scriptBytes(const ScriptParts &parts);

// Typed arguments of a command.
QByteArray int8Value(int value);
QByteArray int16Value(int value);
QByteArray int32Value(int value);
QByteArray globalVariable(int index);

// Opcode 0x0324: label as its 8 raw bytes (padded with NULs when shorter),
// then the day flag and the group, each typed.
QByteArray setZoneGroup(
        const QByteArray &label, const QByteArray &dayFlag, const QByteArray &group);
// The same with the day flag and the group as 8-bit numbers.
QByteArray setZoneGroup(const QByteArray &label, bool byDay, int group);

// An american.gxt of a TKEY and a TDAT section, keys sorted as the game wants them.
QByteArray gxtBytes(const QMap<QByteArray, QString> &texts);

// A zone line of gta3.zon.
QByteArray zoneLine(const QByteArray &label, int type, const QList<float> &corners, int level);
