#include "gamereading/gametexts.h"

#include <algorithm>

namespace {

constexpr qsizetype SectionHeaderSize = 8;
constexpr qsizetype KeyEntrySize = 12;
constexpr qsizetype KeySize = 8;

quint32 uint32At(QByteArrayView bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// A key of an entry, up to its first NUL.
QByteArrayView keyOf(QByteArrayView entry)
{
    const QByteArrayView key = entry.sliced(4, KeySize);
    const qsizetype nul = key.indexOf('\0');
    return nul < 0 ? key : key.first(nul);
}

// Compares as the game's strcmp of the two keys does: byte by byte, unsigned.
int compareKeys(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QString textAt(QByteArrayView texts, qsizetype at)
{
    QString text;
    text.reserve(32);
    for (; at + 1 < texts.size(); at += 2) {
        const char16_t unit = char16_t(static_cast<unsigned char>(texts[at])
                | (static_cast<unsigned char>(texts[at + 1]) << 8));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

GameTexts::GameTexts(const QByteArray &gxt) : m_gxt(gxt)
{
    const QByteArrayView bytes(m_gxt);
    qsizetype at = 0;
    while (bytes.size() - at >= SectionHeaderSize) {
        const QByteArrayView tag = bytes.sliced(at, 4);
        const qsizetype start = at + SectionHeaderSize;
        const auto size = qsizetype(
                std::min<quint64>(uint32At(bytes, at + 4), quint64(bytes.size() - start)));
        if (tag == "TKEY" && m_keys.start < 0)
            m_keys = {start, size - size % KeyEntrySize};
        else if (tag == "TDAT" && m_texts.start < 0)
            m_texts = {start, size};
        at = start + size;
    }
}

QByteArrayView GameTexts::data(Section section) const
{
    return section.start < 0 ? QByteArrayView()
                             : QByteArrayView(m_gxt).sliced(section.start, section.size);
}

std::optional<QString> GameTexts::text(QByteArrayView key) const
{
    const QByteArrayView keys = data(m_keys);
    const QByteArrayView texts = data(m_texts);
    qsizetype low = 0;
    qsizetype high = keys.size() / KeyEntrySize - 1;
    while (low <= high) {
        const qsizetype middle = low + (high - low) / 2;
        const QByteArrayView entry = keys.sliced(middle * KeyEntrySize, KeyEntrySize);
        const int order = compareKeys(keyOf(entry), key);
        if (order < 0) {
            low = middle + 1;
        } else if (order > 0) {
            high = middle - 1;
        } else {
            const quint32 offset = uint32At(entry, 0);
            if (offset >= quint64(texts.size()))
                return std::nullopt;
            return textAt(texts, offset);
        }
    }
    return std::nullopt;
}
