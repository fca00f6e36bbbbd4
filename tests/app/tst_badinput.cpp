// Hostile files and places, through the real window: each ends in a correct
// load or save, or in a clear error that leaves the open document as it was;
// none may hang. The outcomes are listed in tests/README.md.

#include "app/frmmain.h"
#include "file/filecommands.h"
#include "format/areareader.h"
#include "format/areawriter.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

#include <functional>

#ifndef Q_OS_WIN
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QString LoadFailed = QStringLiteral("An error occured, the error was: ");
const QString SaveFailed = QStringLiteral("An error occured while saving '");
const QByteArray Models = "male01,female01,criminal01,b_man1,st_wom,fatfemale01,p_man1,worker1";

QByteArray hundredAreas()
{
    QByteArray bytes = "# a hundred areas\r\n\r\n";
    for (int area = 1; area <= 100; ++area)
        bytes += areaLine(Models, "Area " + QByteArray::number(area));
    return bytes;
}

QByteArray randomBytes(quint32 seed, qsizetype size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// An area line in the written layout, for names of at most six characters.
QByteArray shortNamesLine(const QByteArrayList &names, const QByteArray &area)
{
    return names.join(",\t\t") + "\t\t# " + area + "\r\n";
}

#ifndef Q_OS_WIN
struct ChildRun
{
    bool finished = false;
    QByteArray output;
};

// Runs work in a forked copy of this process, so that limits set there and a
// hang there cannot touch the test; gives what work returned, or finished
// false when it did not end cleanly within the timeout.
ChildRun runInChild(const std::function<QByteArray()> &work, int timeoutMs)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const QByteArray output = work();
        for (qsizetype done = 0; done < output.size();) {
            const ssize_t written = write(fds[1], output.constData() + done, output.size() - done);
            if (written <= 0)
                _exit(2);
            done += written;
        }
        _exit(0);
    }
    close(fds[1]);
    ChildRun run;
    const QDeadlineTimer deadline(timeoutMs);
    bool ended = false;
    while (!ended) {
        pollfd readable{fds[0], POLLIN, 0};
        if (poll(&readable, 1, int(deadline.remainingTime())) <= 0)
            break;
        char buffer[4096];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0)
            ended = true;
        else
            run.output.append(buffer, got);
    }
    close(fds[0]);
    if (!ended)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    run.finished = ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}
#endif

} // namespace

class TestBadInput : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hostileFileLoadsOrFailsCleanly_data();
    void hostileFileLoadsOrFailsCleanly();
    void lineEndsOfEveryKindReadAlike_data();
    void lineEndsOfEveryKindReadAlike();
    void fiftyMebibytesOfCommentsLoadAndSaveWhole();
    void unreadablePlaceFailsCleanly_data();
    void unreadablePlaceFailsCleanly();
    void namedPipeInThePlaceOfTheFileDoesNotHang();
    void unusualBytesAreWrittenBackUnchanged_data();
    void unusualBytesAreWrittenBackUnchanged();

    void slotsNeverTakeLineBreaksOrHashes_data();
    void slotsNeverTakeLineBreaksOrHashes();
    void saveRefusesAHashReadFromTheFile();
    void typedTextIsSavedAsTypedOrRefused_data();
    void typedTextIsSavedAsTypedOrRefused();
    void saveFailureKeepsFileAndDocument_data();
    void saveFailureKeepsFileAndDocument();
    void saveThroughASymbolicLink_data();
    void saveThroughASymbolicLink();

private:
    QString gameFile() const { return path(QStringLiteral("game/data/pedgrp.dat")); }
    QStringList windowState() const;
    // Loads a good document and edits it, so that a failure has something to spoil.
    void openEditedDocument();
    void verifyLoadFailedAndKeptTheDocument(const QStringList &before, const QString &error);
    void typeIntoSlot(int slot, const QString &text);
};

// All that a user sees of the document and all that Save would write.
QStringList TestBadInput::windowState() const
{
    QStringList state{composeFile(m_editor->table()), m_files->documentFile().gameDirectory,
            QString::number(m_editor->isModified()), QString::number(m_editor->selectedArea()),
            frameeditor()->title(), QString::number(action("mnusave")->isEnabled())};
    for (int position = 0; position < cmbareas()->count(); ++position)
        state << cmbareas()->itemText(position);
    for (int slot = 0; slot < SlotCount; ++slot)
        state << cmbped(slot)->currentText();
    return state;
}

void TestBadInput::init()
{
    QVERIFY(createEditor());
}

void TestBadInput::cleanup()
{
    destroyEditor();
}

void TestBadInput::openEditedDocument()
{
    writeFile(path(QStringLiteral("good/data/pedgrp.dat")), threeAreas());
    loadFolder(path(QStringLiteral("good")));
    m_editor->selectArea(1);
    cmbped(2)->setEditText(QStringLiteral("pimp"));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

void TestBadInput::verifyLoadFailedAndKeptTheDocument(
        const QStringList &before, const QString &error)
{
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    const ShownMessage &shown = m_fake->dialogs.messages.first();
    QVERIFY2(shown.text.startsWith(LoadFailed + error), qPrintable(shown.text.left(200)));
    QCOMPARE(shown.title, QStringLiteral("Varnel"));
    QCOMPARE(windowState(), before);
}

void TestBadInput::typeIntoSlot(int slot, const QString &text)
{
    QLineEdit *edit = cmbped(slot)->lineEdit();
    edit->selectAll();
    edit->insert(text);
}

void TestBadInput::hostileFileLoadsOrFailsCleanly_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The start of the failure's description, or empty when the file loads.
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("names");

    const QByteArray mebibyte(1 << 20, 'x');
    QTest::newRow("random bytes") << randomBytes(7, 64 * 1024) << "Index out of range"
                                  << QStringList();
    QTest::newRow("random bytes without hashes") << randomBytes(11, 64 * 1024).replace('#', '-')
                                                 << "Index out of range" << QStringList();
    QTest::newRow("NUL bytes inside lines")
            << QByteArrayLiteral("#c\0mment\r\na,\0,c,d,e,f,g,h\t# Na\0me\r\n\0\r\n") << QString()
            << QStringList{QString::fromLatin1("Na\0me", 5)};
    QTest::newRow("1 MiB line without hash")
            << mebibyte + "\r\n" + threeAreas() << "Overflow" << QStringList();
    QTest::newRow("1 MiB comment line") << "#" + mebibyte + "\r\n" + threeAreas() << QString()
                                        << QStringList{"Downtown", "Harbour", "Letters"};
    QTest::newRow("1 MiB area name") << Models + "\t# " + mebibyte + "\r\n"
                                     << QString() << QStringList{QString::fromLatin1(mebibyte)};
    QTest::newRow("1 MiB model list") << mebibyte + "\t# Far\r\n"
                                      << "Overflow" << QStringList();
    QTest::newRow("1 MiB of TABs")
            << "male01," + QByteArray(1 << 20, '\t') + Models.mid(7) + "\t# Tabs\r\n"
            << QString() << QStringList{"Tabs"};
}

void TestBadInput::hostileFileLoadsOrFailsCleanly()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFETCH(QStringList, names);
    openEditedDocument();
    const QStringList before = windowState();
    writeFile(gameFile(), bytes);

    loadFolder(path(QStringLiteral("game")));

    if (!error.isEmpty()) {
        verifyLoadFailedAndKeptTheDocument(before, error);
        return;
    }
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QStringList listed;
    for (int position = 0; position < cmbareas()->count(); ++position)
        listed << cmbareas()->itemText(position);
    QCOMPARE(listed, names);
    QCOMPARE(composeFile(m_editor->table()), composeFile(readAreaTable(bytes).table));
    QVERIFY(!m_editor->isModified());
}

void TestBadInput::lineEndsOfEveryKindReadAlike_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF only") << QByteArray("\n");
    QTest::newRow("CR only") << QByteArray("\r");
    QTest::newRow("LF CR") << QByteArray("\n\r");
}

void TestBadInput::lineEndsOfEveryKindReadAlike()
{
    QFETCH(QByteArray, lineEnd);
    writeFile(gameFile(), threeAreas(lineEnd));
    loadFolder(path(QStringLiteral("game")));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 3);
    QCOMPARE(composeFile(m_editor->table()), composeFile(readAreaTable(threeAreas()).table));

    m_files->save();
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().title, QStringLiteral("Saved"));
    const QByteArray written = readFile(gameFile());
    QCOMPARE(written.count("\r\n"), 5);
    QCOMPARE(written.count('\r'), 5);
    QCOMPARE(written.count('\n'), 5);
}

void TestBadInput::fiftyMebibytesOfCommentsLoadAndSaveWhole()
{
    const qsizetype size = 50 * 1024 * 1024;
    const QByteArray line = "# a comment line of sixty-four bytes, padded to its size......\r\n";
    QCOMPARE(line.size(), 64);
    {
        QDir().mkpath(QFileInfo(gameFile()).path());
        QFile file(gameFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block = line.repeated(16 * 1024);
        for (qsizetype done = 0; done < size; done += block.size())
            QCOMPARE(file.write(block), block.size());
    }
    QCOMPARE(QFileInfo(gameFile()).size(), size);

    loadFolder(path(QStringLiteral("game")));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 0);
    QCOMPARE(m_editor->table().headerText.size(), size);

    m_files->save();
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().title, QStringLiteral("Saved"));
    const QByteArray written = readFile(gameFile());
    QCOMPARE(written.size(), size + 2);
    QVERIFY(written.startsWith(line) && written.endsWith(line + "\r\n"));
}

void TestBadInput::unreadablePlaceFailsCleanly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    // An empty error is the system's own description.
    QTest::newRow("directory where pedgrp.dat should be") << "directory" << QString();
#ifndef Q_OS_WIN
    // QFile::link makes shortcut files on Windows, which the file system does not follow.
    QTest::newRow("symbolic link to itself") << "file loop"
                                             << "Too many levels of symbolic links";
    QTest::newRow("symbolic link loop of two") << "two loop"
                                               << "Too many levels of symbolic links";
    QTest::newRow("data folder a link to itself") << "folder loop"
                                                  << "Too many levels of symbolic links";
    QTest::newRow("link to a device") << "device"
                                      << "Not a regular file";
#endif
}

void TestBadInput::unreadablePlaceFailsCleanly()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    openEditedDocument();
    const QStringList before = windowState();
    const QString data = path(QStringLiteral("game/data"));
    QVERIFY(QDir().mkpath(
            kind == QLatin1String("folder loop") ? path(QStringLiteral("game")) : data));
    if (kind == QLatin1String("directory"))
        QVERIFY(QDir().mkpath(gameFile()));
    else if (kind == QLatin1String("file loop"))
        QVERIFY(QFile::link(gameFile(), gameFile()));
    else if (kind == QLatin1String("two loop"))
        QVERIFY(QFile::link(data + QStringLiteral("/other.dat"), gameFile())
                && QFile::link(gameFile(), data + QStringLiteral("/other.dat")));
    else if (kind == QLatin1String("folder loop"))
        QVERIFY(QFile::link(data, data));
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), gameFile()));

    loadFolder(path(QStringLiteral("game")));
    verifyLoadFailedAndKeptTheDocument(before, error.isEmpty() ? openError(gameFile()) : error);
}

void TestBadInput::namedPipeInThePlaceOfTheFileDoesNotHang()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no named pipes in folders");
#else
    openEditedDocument();
    QVERIFY(QDir().mkpath(path(QStringLiteral("game/data"))));
    QCOMPARE(mkfifo(QFile::encodeName(gameFile()).constData(), 0600), 0);

    const ChildRun run = runInChild(
            [this] {
                loadFolder(path(QStringLiteral("game")));
                QByteArray shown;
                for (const ShownMessage &message : std::as_const(m_fake->dialogs.messages))
                    shown += message.text.toUtf8() + '\n';
                return shown;
            },
            5000);
    QVERIFY(run.finished);
    QVERIFY2(run.output.startsWith(LoadFailed.toUtf8()), run.output.constData());
#endif
}

void TestBadInput::unusualBytesAreWrittenBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bytes above 127") << "# caf\xe9 \xff\r\n\r\n"
                    + shortNamesLine({"m\xe4le", "\xff", "c", "d", "e", "f", "g", "\x80"},
                            "\x80\x9f\xa0 Stra\xdf"
                            "e");
    QTest::newRow("NUL bytes inside lines") << QByteArrayLiteral("# \0\r\n\r\n")
                    + shortNamesLine({"a", QByteArrayLiteral("\0"), "c", "d", "e", "f", "g", "h"},
                            QByteArrayLiteral("Na\0me"));
    QTest::newRow("control characters") << "# \x01\x1b[0m\r\n\r\n"
                    + shortNamesLine({"a", "b", "c", "d", "e", "f", "g", "\x7f"}, "\x08\x0c");
}

void TestBadInput::unusualBytesAreWrittenBackUnchanged()
{
    QFETCH(QByteArray, bytes);
    writeFile(gameFile(), bytes);
    loadFolder(path(QStringLiteral("game")));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(cmbareas()->count(), 1);

    m_files->save();
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().title, QStringLiteral("Saved"));
    QCOMPARE(readFile(gameFile()), bytes);
}

void TestBadInput::slotsNeverTakeLineBreaksOrHashes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::newRow("pasted with a line break") << "pimp\r\n" << true;
    QTest::newRow("typed hash") << "#pimp" << false;
    QTest::newRow("hash inside, pasted") << "pi#mp" << true;
}

void TestBadInput::slotsNeverTakeLineBreaksOrHashes()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    loadGame(threeAreas());
    QComboBox *box = cmbped(1);
    box->lineEdit()->clear();
    if (pasted) {
        QGuiApplication::clipboard()->setText(typed);
        box->lineEdit()->paste();
    } else {
        box->setFocus();
        QTest::keyClicks(box, typed);
    }

    QCOMPARE(box->currentText(), QStringLiteral("pimp"));
    QCOMPARE(
            m_editor->table().areas.at(1 - 1).areaPeds.section(u',', 1, 1), QStringLiteral("pimp"));
}

// The file may hold a "#" inside a list; the written line would lose names.
void TestBadInput::saveRefusesAHashReadFromTheFile()
{
    const QByteArray bytes = "a,b,c,d,e,f,g,h#\t# Stuck\r\n";
    loadGame(bytes);
    cmbped(0)->setEditText(QStringLiteral("pimp"));

    m_files->save();

    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QVERIFY2(m_fake->dialogs.messages.first().text.contains(
                     QStringLiteral("Area 'Stuck' holds the character '#'")),
            qPrintable(m_fake->dialogs.messages.first().text));
    QCOMPARE(readFile(gameFile()), bytes);
    QVERIFY(m_editor->isModified());
}

void TestBadInput::typedTextIsSavedAsTypedOrRefused_data()
{
    QTest::addColumn<QString>("typed");
    // What the saved area line holds before its name; empty when Save refuses.
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("listAfterReload");
    QTest::addColumn<QString>("refused");

    const QByteArray rest
            = "st_wom,\t\tfan_man1,\tfan_man2,\tfan_wom,\tstud_man,\tstud_wom,\tshopper1\t";
    const QString restList = "st_wom,fan_man1,fan_man2,fan_wom,stud_man,stud_wom,shopper1";
    // A typed comma separates names: the area holds nine, the last two share
    // the eighth field, as a list of nine read from a file does.
    QTest::newRow("comma")
            << "pimp,cas_man"
            << QByteArray(
                       "pimp,\t\tcas_man,\tst_wom,\t\tfan_man1,\tfan_man2,\tfan_wom,\tstud_man,\t"
                       "stud_wom,shopper1\t")
            << "pimp,cas_man," + restList << QString();
    // Blanks are written as typed; reading takes blanks between two names as
    // a comma, as the game does, and drops the others.
    QTest::newRow("blanks") << " b man "
                            << " b man ,\t" + rest << "b,man," + restList << QString();
    QTest::newRow("Latin-1 letter")
            << "m\u00e4le"
            << "m\xe4le,\t\t" + rest << "m\u00e4le," + restList << QString();
    QTest::newRow("Euro sign") << "\u20ac" << QByteArray() << QString() << "\u20ac";
    QTest::newRow("Cyrillic") << "\u0436\u0435\u043d\u0430" << QByteArray() << QString()
                              << "\u0436";
    QTest::newRow("outside 16 bits") << "p\U0001F6B6" << QByteArray() << QString() << "\U0001F6B6";
}

void TestBadInput::typedTextIsSavedAsTypedOrRefused()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    QFETCH(QString, listAfterReload);
    QFETCH(QString, refused);
    writeFile(gameFile(), threeAreas());
    loadFolder(path(QStringLiteral("game")));
    m_editor->selectArea(1);
    typeIntoSlot(0, typed);
    QCOMPARE(m_editor->table().areas.at(2 - 1).areaPeds.section(u',', 0, typed.count(u',')), typed);
    const QStringList before = windowState();

    m_files->save();

    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    const ShownMessage &shown = m_fake->dialogs.messages.first();
    if (!refused.isEmpty()) {
        // Nothing is written and nothing forgotten; the message names the character.
        QVERIFY2(shown.text.startsWith(SaveFailed), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(
                         QStringLiteral("Area 'Harbour' holds the character '") + refused + u'\''),
                qPrintable(shown.text));
        QCOMPARE(shown.icon, MessageIcon::Warning);
        QCOMPARE(readFile(gameFile()), threeAreas());
        QCOMPARE(windowState(), before);
        return;
    }
    QCOMPARE(shown.title, QStringLiteral("Saved"));
    const QByteArray saved = readFile(gameFile());
    QVERIFY2(saved.contains("\r\n" + written + "# Harbour\r\n"), saved.constData());

    loadFolder(path(QStringLiteral("game")));
    QCOMPARE(m_editor->table().areas.at(2 - 1).areaPeds, listAfterReload);
}

void TestBadInput::saveFailureKeepsFileAndDocument_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
#ifndef Q_OS_WIN
    // The old file is kept as an earlier version first, as large as it.
    QTest::newRow("full disk") << "full disk"
                               << "the old file could not be kept as an earlier version (File "
                                  "too large)";
    QTest::newRow("full disk, copy and version kept before") << "full disk, copy kept"
                                                             << "File too large";
#endif
    QTest::newRow("folder in the place of the target") << "folder"
                                                       << "";
    QTest::newRow("missing folder") << "missing"
                                    << "";
}

void TestBadInput::saveFailureKeepsFileAndDocument()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    writeFile(gameFile(), hundredAreas());
    loadFolder(path(QStringLiteral("game")));
    m_editor->selectArea(99);
    const bool copyKept = kind.endsWith(QLatin1String("copy kept"));
    if (copyKept) {
        // The second Save keeps the first one's bytes as a version, so that
        // the failing Save finds them kept already.
        m_files->save();
        m_files->save();
        forgetDialogs();
    }
    const QByteArray oldBytes = readFile(gameFile());
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    const QStringList before = windowState();
    const QString data = path(QStringLiteral("game/data"));

    QStringList shown;
#ifndef Q_OS_WIN
    if (kind.startsWith(QLatin1String("full disk"))) {
        // The file may grow to half the document only: the write fails part-way.
        const ChildRun run = runInChild(
                [this, &oldBytes] {
                    signal(SIGXFSZ, SIG_IGN);
                    const rlim_t limit = rlim_t(oldBytes.size() / 2);
                    const rlimit fileSize{limit, limit};
                    setrlimit(RLIMIT_FSIZE, &fileSize);
                    m_files->save();
                    QStringList texts;
                    for (const ShownMessage &message : std::as_const(m_fake->dialogs.messages))
                        texts << message.text;
                    texts << windowState().join(u'\x1f');
                    return texts.join(u'\x1e').toUtf8();
                },
                30000);
        QVERIFY(run.finished);
        shown = QString::fromUtf8(run.output).split(u'\x1e');
        QCOMPARE(shown.takeLast(), before.join(u'\x1f'));
    } else
#endif
    {
        if (kind == QLatin1String("folder")) {
            QVERIFY(QFile::remove(gameFile()));
            QVERIFY(QDir().mkpath(gameFile()));
        } else {
            QVERIFY(QDir(data).removeRecursively());
        }
        m_files->save();
        QCOMPARE(m_fake->dialogs.messages.takeFirst(), changedOnDisk(gameFile()));
        for (const ShownMessage &message : std::as_const(m_fake->dialogs.messages))
            shown << message.text;
        QCOMPARE(windowState(), before);
    }

    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(
                     SaveFailed + gameFile() + QStringLiteral("', the error was: ") + error),
            qPrintable(shown.first()));
    if (kind.startsWith(QLatin1String("full disk")))
        QCOMPARE(readFile(gameFile()), oldBytes);
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(gameFile()).isDir());
    if (kind == QLatin1String("missing"))
        QVERIFY(!QFileInfo::exists(data));
    // No half-written temporary file is left beside the target.
    const QStringList left
            = copyKept ? QStringList{"pedgrp.dat", "pedgrp.dat.bak"} : QStringList{"pedgrp.dat"};
    if (QFileInfo::exists(data))
        QCOMPARE(
                QDir(data).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), left);
}

void TestBadInput::saveThroughASymbolicLink_data()
{
    QTest::addColumn<QString>("linkTarget");
    QTest::addColumn<bool>("staysALink");
    // The link stays a link and the file it names gets the new content.
    QTest::newRow("link to a file") << "../../real/pedgrp.dat" << true;
    // The file the link names is created.
    QTest::newRow("dangling link") << "../../real/new.dat" << true;
    // A loop names no file: it is replaced by the saved file.
    QTest::newRow("link to itself") << "pedgrp.dat" << false;
}

void TestBadInput::saveThroughASymbolicLink()
{
#ifdef Q_OS_WIN
    QSKIP("QFile::link makes shortcut files on Windows, which the file system does not follow");
#endif
    QFETCH(QString, linkTarget);
    QFETCH(bool, staysALink);
    writeFile(path(QStringLiteral("real/pedgrp.dat")), threeAreas());
    QVERIFY(QDir().mkpath(path(QStringLiteral("game/data"))));
    QVERIFY(QFile::link(QStringLiteral("../../real/pedgrp.dat"), gameFile()));
    loadFolder(path(QStringLiteral("game")));
    QCOMPARE(cmbareas()->count(), 3);
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    const QByteArray expected = composeFile(m_editor->table()).toLatin1();
    QVERIFY(QFile::remove(gameFile()));
    QVERIFY(QFile::link(linkTarget, gameFile()));

    m_files->save();

    // Pointed elsewhere, the link names another file than the one read.
    if (linkTarget != QLatin1String("../../real/pedgrp.dat"))
        QCOMPARE(m_fake->dialogs.messages.takeFirst(), changedOnDisk(gameFile()));
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages.first().title, QStringLiteral("Saved"));
    QVERIFY(!m_editor->isModified());
    QCOMPARE(QFileInfo(gameFile()).isSymLink(), staysALink);
    QCOMPARE(readFile(gameFile()), expected);
    if (staysALink)
        QCOMPARE(readFile(path(QStringLiteral("game/data/")) + linkTarget), expected);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
