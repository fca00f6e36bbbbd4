#include "gamereading/mainscript.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char SetZoneGroup[] = {0x24, 0x03};
constexpr qsizetype LabelSize = 8;
constexpr qsizetype ModelNameSize = 24;

// The start of a header block: a jump (opcode 0x0002) over the block, its
// target a 32-bit number (type 0x01), then one byte.
constexpr qsizetype JumpSize = 8;

struct CodeRange
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

qint64 littleEndian(QByteArrayView bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    const quint64 sign = quint64(1) << (8 * size - 1);
    return qint64(value ^ sign) - qint64(sign);
}

qint64 int32At(QByteArrayView bytes, qsizetype at)
{
    return littleEndian(bytes, at, 4);
}

bool fits(QByteArrayView bytes, qint64 at, qint64 size)
{
    return at >= 0 && size >= 0 && at <= bytes.size() && size <= bytes.size() - at;
}

bool isBlockStart(QByteArrayView bytes, qint64 at)
{
    return fits(bytes, at, JumpSize) && bytes[at] == 0x02 && bytes[at + 1] == 0x00
            && bytes[at + 2] == 0x01;
}

CodeRange clipped(qint64 begin, qint64 end, qint64 headerEnd, qint64 fileSize)
{
    const qint64 from = std::clamp(begin, headerEnd, fileSize);
    return {qsizetype(from), qsizetype(std::clamp(end, from, fileSize))};
}

// The code of the script: the main part after the header blocks, then each
// mission from its offset to the next one's (the last to the end of the file).
std::optional<QList<CodeRange>> codeRanges(QByteArrayView script)
{
    if (!isBlockStart(script, 0))
        return std::nullopt;
    const qint64 models = int32At(script, 3);
    if (models < JumpSize || !isBlockStart(script, models) || !fits(script, models, JumpSize + 4))
        return std::nullopt;
    const qint64 modelCount = int32At(script, models + JumpSize);
    const qint64 modelsEnd = models + JumpSize + 4 + modelCount * ModelNameSize;
    const qint64 missions = int32At(script, models + 3);
    if (modelCount < 0 || modelCount > script.size() || missions < modelsEnd
            || !isBlockStart(script, missions) || !fits(script, missions, JumpSize + 12))
        return std::nullopt;
    const qint64 code = int32At(script, missions + 3);
    const qint64 mainSize = int32At(script, missions + JumpSize);
    const qint64 missionCount = littleEndian(script, missions + JumpSize + 8, 2);
    const qint64 offsets = missions + JumpSize + 12;
    if (missionCount < 0 || !fits(script, offsets, 4 * missionCount))
        return std::nullopt;
    const qint64 headerEnd = offsets + 4 * missionCount;
    const qint64 size = script.size();
    QList<CodeRange> ranges{clipped(code, mainSize, headerEnd, size)};
    for (qint64 mission = 0; mission < missionCount; ++mission) {
        const qint64 next
                = mission + 1 < missionCount ? int32At(script, offsets + 4 * (mission + 1)) : size;
        ranges.append(clipped(int32At(script, offsets + 4 * mission), next, headerEnd, size));
    }
    return ranges;
}

bool isLabelCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The label in 8 raw bytes: 1 to 7 of A-Z, 0-9 and _, then a NUL.
std::optional<QString> labelAt(QByteArrayView code, qsizetype at)
{
    qsizetype length = 0;
    while (length < LabelSize - 1 && isLabelCharacter(code[at + length]))
        ++length;
    if (length == 0 || code[at + length] != 0)
        return std::nullopt;
    return QString::fromLatin1(code.sliced(at, length));
}

struct TypedValue
{
    bool valid = false;
    std::optional<int> number;
    qsizetype end = 0;
};

// A typed argument: a number of 8, 16 or 32 bits, or a global or local
// variable (a 16-bit index).
TypedValue typedValueAt(QByteArrayView code, qsizetype at)
{
    if (at >= code.size())
        return {};
    int size = 0;
    bool variable = false;
    switch (code[at]) {
    case 0x04:
        size = 1;
        break;
    case 0x05:
        size = 2;
        break;
    case 0x01:
        size = 4;
        break;
    case 0x02:
    case 0x03:
        size = 2;
        variable = true;
        break;
    default:
        return {};
    }
    if (!fits(code, at + 1, size))
        return {};
    const qsizetype end = at + 1 + size;
    if (variable)
        return {true, std::nullopt, end};
    return {true, int(littleEndian(code, at + 1, size)), end};
}

// The command that starts at at, when its label and two values are valid and
// it ends within code.
std::optional<std::pair<ZoneGroupCommand, qsizetype>> commandAt(QByteArrayView code, qsizetype at)
{
    const qsizetype labelStart = at + sizeof(SetZoneGroup);
    if (!fits(code, labelStart, LabelSize))
        return std::nullopt;
    const std::optional<QString> label = labelAt(code, labelStart);
    if (!label)
        return std::nullopt;
    const TypedValue day = typedValueAt(code, labelStart + LabelSize);
    if (!day.valid)
        return std::nullopt;
    const TypedValue group = typedValueAt(code, day.end);
    if (!group.valid)
        return std::nullopt;
    return std::make_pair(ZoneGroupCommand{*label, day.number, group.number}, group.end);
}

void findCommands(QByteArrayView code, QList<ZoneGroupCommand> &commands)
{
    qsizetype at = 0;
    while (at + qsizetype(sizeof(SetZoneGroup)) <= code.size()) {
        const void *found = std::memchr(code.data() + at, SetZoneGroup[0], code.size() - at - 1);
        if (!found)
            return;
        at = static_cast<const char *>(found) - code.data();
        if (code[at + 1] == SetZoneGroup[1]) {
            if (const auto command = commandAt(code, at)) {
                commands.append(command->first);
                at = command->second;
                continue;
            }
        }
        ++at;
    }
}

} // namespace

std::optional<QList<ZoneGroupCommand>> zoneGroupCommands(QByteArrayView script)
{
    const std::optional<QList<CodeRange>> ranges = codeRanges(script);
    if (!ranges)
        return std::nullopt;
    QList<ZoneGroupCommand> commands;
    for (const CodeRange &range : *ranges)
        findCommands(script.sliced(range.begin, range.end - range.begin), commands);
    return commands;
}
