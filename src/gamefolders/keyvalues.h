#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// One key of Valve's KeyValues text, the format of Steam's .vdf and .acf
// files: either a text value or a block of further keys.
struct KeyValues
{
    QString key;
    QString value;
    QList<KeyValues> children;
    bool isBlock = false;

    // The first child named name, compared without regard to case as Steam
    // does, or nullptr.
    const KeyValues *child(QStringView name) const;
    // The value of that child when it is a text, else the empty text.
    QString childValue(QStringView name) const;
};

// The keys at the top of text, as the children of one block without a name.
// Keys and values may be quoted (with \\, \", \n and \t inside) or bare;
// "//" starts a comment and "[$WIN32]"-like conditions are skipped. Anything
// else that is not well formed, such as a missing brace or an open quote,
// gives nothing.
std::optional<KeyValues> parseKeyValues(QStringView text);

// The file at path read as UTF-8 and parsed; nothing when it cannot be read,
// is larger than Steam's small files ever are, or is not well formed.
std::optional<KeyValues> readKeyValuesFile(const QString &path);
