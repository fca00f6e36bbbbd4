#include "gamefolders/keyvalues.h"

#include <QTest>

namespace {

// Every value as "key/key/...=value", in file order; a block without keys as
// "key/key{}".
void flatten(const KeyValues &block, const QString &prefix, QStringList &lines)
{
    for (const KeyValues &entry : block.children) {
        const QString path = prefix + entry.key;
        if (!entry.isBlock)
            lines.append(path + u'=' + entry.value);
        else if (entry.children.isEmpty())
            lines.append(path + QLatin1String("{}"));
        else
            flatten(entry, path + u'/', lines);
    }
}

// What a text that is not well formed gives.
const QStringList Refused{QStringLiteral("(refused)")};

QStringList flattened(const std::optional<KeyValues> &top)
{
    if (!top)
        return Refused;
    QStringList lines;
    flatten(*top, QString(), lines);
    return lines;
}

} // namespace

class TestKeyValues : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatSteamWritesRefusingBrokenText_data();
    void readsWhatSteamWritesRefusingBrokenText();
    void findsKeysWhateverTheirCase();
};

void TestKeyValues::readsWhatSteamWritesRefusingBrokenText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("blocks in a block")
            << "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\"/s\"\n"
               "\t\t\"apps\"\n\t\t{\n\t\t\t\"12100\"\t\"1\"\n\t\t}\n\t}\n}\n"
            << QStringList{"libraryfolders/0/path=/s", "libraryfolders/0/apps/12100=1"};
    QTest::newRow("escaped backslashes and quotes")
            << R"("a" { "path" "C:\\Program Files (x86)\\Steam" "say" "\"hi\"\tthere" })"
            << QStringList{"a/path=C:\\Program Files (x86)\\Steam", "a/say=\"hi\"\tthere"};
    QTest::newRow("unknown escape kept") << R"("path" "D:\Games")" << QStringList{"path=D:\\Games"};
    QTest::newRow("bare keys and values")
            << "AppState { appid 12100 installdir Game }"
            << QStringList{"AppState/appid=12100", "AppState/installdir=Game"};
    QTest::newRow("comments") << "// written by Steam\n\"a\" // the key\n{ \"b\" \"c\" } // end"
                              << QStringList{"a/b=c"};
    QTest::newRow("slashes inside a quoted value are no comment")
            << R"("url" "http://example.org//x")" << QStringList{"url=http://example.org//x"};
    QTest::newRow("conditions skipped")
            << R"("a" "1" [$WIN32] "b" { "c" "2" } [!$X360])" << QStringList{"a=1", "b/c=2"};
    QTest::newRow("byte order mark and CR LF")
            << QString(QChar::ByteOrderMark) + QStringLiteral("\"a\"\r\n{\r\n\"b\" \"c\"\r\n}\r\n")
            << QStringList{"a/b=c"};
    QTest::newRow("several keys at the top")
            << R"("a" "1" "b" {} "c" "")" << QStringList{"a=1", "b{}", "c="};
    QTest::newRow("empty text") << "" << QStringList();
    QTest::newRow("braces glued to words") << "a{b c}d e" << QStringList{"a/b=c", "d=e"};
    QTest::newRow("open quote") << R"("a" "b)" << Refused;
    QTest::newRow("backslash at the end") << R"("a" "b\)" << Refused;
    QTest::newRow("missing closing brace") << R"("a" { "b" "c")" << Refused;
    QTest::newRow("closing brace too many") << R"("a" { "b" "c" } })" << Refused;
    QTest::newRow("key without value at the end") << R"("a")" << Refused;
    QTest::newRow("block where a key belongs") << R"({ "a" "b" })" << Refused;
    QTest::newRow("nested deeper than any Steam file")
            << QString(QStringLiteral("\"a\" {")).repeated(40) + QString(u'}').repeated(40)
            << Refused;
}

void TestKeyValues::readsWhatSteamWritesRefusingBrokenText()
{
    QFETCH(QString, text);
    QTEST(flattened(parseKeyValues(text)), "values");
}

void TestKeyValues::findsKeysWhateverTheirCase()
{
    const auto parsed = parseKeyValues(
            u"\"AppState\" { \"InstallDir\" \"Game\" \"installdir\" \"Other\" \"apps\" {} }");
    QVERIFY(parsed);
    const KeyValues *state = parsed->child(u"appstate");
    QVERIFY(state);
    QCOMPARE(state->childValue(u"installdir"), QStringLiteral("Game"));
    QCOMPARE(state->childValue(u"apps"), QString());
    QCOMPARE(state->childValue(u"missing"), QString());
    QVERIFY(!parsed->child(u"installdir"));
}

QTEST_APPLESS_MAIN(TestKeyValues)
#include "tst_keyvalues.moc"
