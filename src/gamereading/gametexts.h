#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The texts of a GTA III .gxt file (text/american.gxt), found by key. The file
// is a row of sections, each a 4-character tag, a 32-bit size and its data;
// TKEY holds 12-byte entries {offset into TDAT's data, key of 8 bytes
// NUL-padded} sorted by key, and TDAT the texts, NUL-terminated UTF-16LE.
// Other sections are skipped; a section cut short by the end of the file
// holds what is there.
class GameTexts
{
public:
    explicit GameTexts(const QByteArray &gxt);

    // The text whose key is key, looked up as the game does (a binary search);
    // nothing when no key matches or its text lies outside TDAT.
    std::optional<QString> text(QByteArrayView key) const;

private:
    // Where a section's data lies in the file.
    struct Section
    {
        qsizetype start = -1;
        qsizetype size = 0;
    };
    QByteArrayView data(Section section) const;

    QByteArray m_gxt;
    Section m_keys;
    Section m_texts;
};
