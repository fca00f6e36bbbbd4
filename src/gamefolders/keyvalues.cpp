#include "gamefolders/keyvalues.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Deeper nesting than this is not a Steam file, and would cost stack.
constexpr int MaxDepth = 32;
constexpr qint64 MaxFileSize = 1 << 20;

struct Token
{
    enum Kind { Text, Open, Close, End, Broken };
    Kind kind;
    QString text;
};

class Tokenizer
{
public:
    explicit Tokenizer(QStringView text) : m_text(text) { }

    Token next()
    {
        for (;;) {
            skipBlanksAndComments();
            if (m_pos >= m_text.size())
                return {Token::End, {}};
            const QChar c = m_text[m_pos];
            if (c == u'{' || c == u'}') {
                ++m_pos;
                return {c == u'{' ? Token::Open : Token::Close, {}};
            }
            if (c == u'"')
                return quoted();
            const QString word = bare();
            if (!isCondition(word))
                return {Token::Text, word};
        }
    }

private:
    static bool isCondition(const QString &word)
    {
        return word.startsWith(u'[') && word.endsWith(u']');
    }

    void skipBlanksAndComments()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c.isSpace() || c == QChar::ByteOrderMark) {
                ++m_pos;
            } else if (m_text.mid(m_pos).startsWith(u"//")) {
                while (m_pos < m_text.size() && m_text[m_pos] != u'\n')
                    ++m_pos;
            } else {
                return;
            }
        }
    }

    Token quoted()
    {
        QString text;
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            const QChar c = m_text[m_pos];
            if (c == u'"') {
                ++m_pos;
                return {Token::Text, text};
            }
            if (c == u'\\' && m_pos + 1 < m_text.size()) {
                text += escaped(m_text[++m_pos]);
            } else {
                text += c;
            }
        }
        return {Token::Broken, {}};
    }

    // An unknown escape stays as it was written, as in a Windows path.
    static QString escaped(QChar c)
    {
        switch (c.unicode()) {
        case u'\\':
        case u'"':
            return c;
        case u'n':
            return QStringLiteral("\n");
        case u't':
            return QStringLiteral("\t");
        default:
            return QString(u'\\') + c;
        }
    }

    QString bare()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c.isSpace() || c == u'{' || c == u'}' || c == u'"')
                break;
            ++m_pos;
        }
        return m_text.mid(start, m_pos - start).toString();
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Reads keys into block until the token that ends it: "}" inside a block, the
// end of the text at the top.
bool readBlock(Tokenizer &tokens, KeyValues &block, int depth)
{
    const Token::Kind end = depth == 0 ? Token::End : Token::Close;
    for (;;) {
        Token key = tokens.next();
        if (key.kind == end)
            return true;
        if (key.kind != Token::Text)
            return false;
        KeyValues entry;
        entry.key = std::move(key.text);
        Token value = tokens.next();
        if (value.kind == Token::Text) {
            entry.value = std::move(value.text);
        } else if (value.kind == Token::Open && depth < MaxDepth) {
            entry.isBlock = true;
            if (!readBlock(tokens, entry, depth + 1))
                return false;
        } else {
            return false;
        }
        block.children.append(std::move(entry));
    }
}

} // namespace

const KeyValues *KeyValues::child(QStringView name) const
{
    for (const KeyValues &entry : children) {
        if (name.compare(entry.key, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

QString KeyValues::childValue(QStringView name) const
{
    const KeyValues *entry = child(name);
    return entry && !entry->isBlock ? entry->value : QString();
}

std::optional<KeyValues> parseKeyValues(QStringView text)
{
    Tokenizer tokens(text);
    KeyValues top;
    top.isBlock = true;
    if (!readBlock(tokens, top, 0))
        return std::nullopt;
    return top;
}

std::optional<KeyValues> readKeyValuesFile(const QString &path)
{
    // A pipe would keep the read waiting.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    return parseKeyValues(QString::fromUtf8(file.read(MaxFileSize)));
}
