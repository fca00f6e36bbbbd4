#include "support/gamefiles.h"

#include <algorithm>

namespace {

QByteArray littleEndian(qint64 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xff);
    return bytes;
}

// A header block: a jump to target over it, one byte, then its data.
QByteArray jumpBlock(qint64 target, const QByteArray &data)
{
    return QByteArray("\x02\x00\x01", 3) + littleEndian(target, 4) + '\0' + data;
}

} // namespace

QByteArray scriptBytes(const ScriptParts &parts)
{
    const qint64 modelsAt = 8 + parts.globals.size();
    const qint64 missionsAt = modelsAt + 12 + 24 * parts.models.size();
    const qint64 codeAt = missionsAt + 20 + 4 * parts.missions.size();
    const qint64 mainSize = codeAt + parts.main.size();
    QByteArray models = littleEndian(parts.models.size(), 4);
    for (const QByteArray &model : parts.models)
        models += model.leftJustified(24, '\0', true);
    QByteArray offsets;
    qint64 largest = 0;
    qint64 at = mainSize;
    for (const QByteArray &mission : parts.missions) {
        offsets += littleEndian(at, 4);
        at += mission.size();
        largest = std::max(largest, qint64(mission.size()));
    }
    QByteArray script = jumpBlock(modelsAt, parts.globals) + jumpBlock(missionsAt, models)
            + jumpBlock(codeAt,
                    littleEndian(mainSize, 4) + littleEndian(largest, 4)
                            + littleEndian(parts.missions.size(), 2) + littleEndian(0, 2) + offsets)
            + parts.main;
    for (const QByteArray &mission : parts.missions)
        script += mission;
    return script;
}

QByteArray int8Value(int value)
{
    return '\x04' + littleEndian(value, 1);
}

QByteArray int16Value(int value)
{
    return '\x05' + littleEndian(value, 2);
}

QByteArray int32Value(int value)
{
    return '\x01' + littleEndian(value, 4);
}

QByteArray globalVariable(int index)
{
    return '\x02' + littleEndian(index, 2);
}

QByteArray setZoneGroup(const QByteArray &label, const QByteArray &dayFlag, const QByteArray &group)
{
    return "\x24\x03" + label.leftJustified(8, '\0', true) + dayFlag + group;
}

QByteArray setZoneGroup(const QByteArray &label, bool byDay, int group)
{
    return setZoneGroup(label, int8Value(byDay ? 1 : 0), int8Value(group));
}

QByteArray gxtBytes(const QMap<QByteArray, QString> &texts)
{
    QByteArray keys;
    QByteArray data;
    for (auto text = texts.begin(); text != texts.end(); ++text) {
        keys += littleEndian(data.size(), 4) + text.key().leftJustified(8, '\0', true);
        for (const QChar c : text.value())
            data += littleEndian(c.unicode(), 2);
        data += QByteArray(2, '\0');
    }
    return "TKEY" + littleEndian(keys.size(), 4) + keys + "TDAT" + littleEndian(data.size(), 4)
            + data;
}

QByteArray zoneLine(const QByteArray &label, int type, const QList<float> &corners, int level)
{
    QByteArray line = label + ", " + QByteArray::number(type);
    for (const float corner : corners)
        line += ", " + QByteArray::number(corner, 'f', 1);
    return line + ", " + QByteArray::number(level) + "\r\n";
}
