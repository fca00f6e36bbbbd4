// Times the window's work against plain Qt doing the same visible work, in
// the same run, and prints the medians and their ratios as one table.
//
// Start-up and memory are measured in child processes of this program (one
// per run), everything else in this process on the offscreen platform.

#include "app/frmmain.h"
#include "bulk/randomize.h"
#include "bulk/setall.h"
#include "document/pedcatalogue.h"
#include "document/pedgrpfile.h"
#include "file/filecommands.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

constexpr int AreaTotal = 100;

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count();
}

// The highest resident memory of this process so far, in KiB.
qint64 peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

class BenchDialogs : public Dialogs
{
public:
    Answer message(
            const QString &text, const QString &, MessageIcon, MessageButtons buttons) override
    {
        lastMessage = text;
        ++messages;
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
    }
    QString input(const QString &, const QString &, const QString &, Completion) override
    {
        return answer;
    }

    QString answer;
    QString lastMessage;
    int messages = 0;
};

class BenchSettings : public Settings
{
public:
    QString rememberedGame() const override { return m_game; }
    void setRememberedGame(const QString &game) override { m_game = game; }

private:
    QString m_game;
};

struct BenchPlatform
{
    BenchDialogs dialogs;
    QtRandomSource random;
    QtLauncher launcher;
    BenchSettings settings;

    Platform platform()
    {
        return {&dialogs, &random, &launcher, &settings, QString(), userFolders()};
    }
};

// The window's controls and menus in plain Qt: what any program showing the
// same things pays.
class BareWindow : public QMainWindow
{
public:
    BareWindow()
    {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        auto *client = new QWidget(this);
        client->setFixedSize(250, 193);
        setCentralWidget(client);
        m_frame = new QGroupBox(QStringLiteral("Editor"), client);
        QGroupBox *frame = m_frame;
        frame->setGeometry(8, 8, 235, 177);
        QFont bold(QStringLiteral("Verdana"));
        bold.setPointSizeF(8.25);
        bold.setBold(true);
        frame->setFont(bold);
        QFont small(QStringLiteral("Verdana"));
        small.setPointSizeF(6.75);
        auto *areaLabel = new QLabel(QStringLiteral("Area List:"), frame);
        areaLabel->setGeometry(8, 19, 50, 12);
        auto *pedLabel = new QLabel(QStringLiteral("Peds In Area:"), frame);
        pedLabel->setGeometry(8, 48, 70, 12);
        auto *areas = new QComboBox(frame);
        areas->setGeometry(64, 16, 164, 20);
        for (QWidget *widget : {static_cast<QWidget *>(areaLabel), static_cast<QWidget *>(pedLabel),
                     static_cast<QWidget *>(areas)})
            widget->setFont(small);
        for (int slot = 0; slot < SlotCount; ++slot) {
            auto *box = new QComboBox(frame);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->addItems(pedCatalogue());
            box->setGeometry(8 + (slot % 2) * 112, 72 + (slot / 2) * 24, 107, 20);
            box->setFont(small);
            m_boxes[slot] = box;
        }
        const char *menus[][6] = {
                {"&File", "Load pedgrp.dat...", "Save", "Save As...", "Restore BackUp", "Exit"},
                {"&Options", "Set All In Area...", "Set All In Liberty City...",
                        "Randomize In Area", "Randomize In All Areas",
                        "Scan For Non-Existant Peds"},
                {"&Help", "Readme File", "Quick Info...", "Author's Site", nullptr, nullptr},
        };
        for (const auto &entries : menus) {
            QMenu *menu = menuBar()->addMenu(QString::fromLatin1(entries[0]));
            for (int entry = 1; entry < 6 && entries[entry]; ++entry)
                menu->addAction(QString::fromLatin1(entries[entry]))
                        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_A + entry)));
        }
    }

    QComboBox *box(int slot) const { return m_boxes[slot]; }
    QGroupBox *frame() const { return m_frame; }

private:
    QGroupBox *m_frame = nullptr;
    std::array<QComboBox *, SlotCount> m_boxes{};
};

// Ends the event loop once the first paint of any widget has been handled.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_seen = false;
};

void showAndWaitForPaint(QWidget &window)
{
    FirstPaint watch;
    qApp->installEventFilter(&watch);
    window.adjustSize();
    window.show();
    QApplication::exec();
    qApp->removeEventFilter(&watch);
}

QByteArray hundredAreaFile()
{
    QRandomGenerator random(2001);
    const QStringList &names = pedCatalogue();
    QByteArray bytes = "# pedgrp.dat for the benchmark\r\n\r\n";
    for (int area = 1; area <= AreaTotal; ++area) {
        QStringList models;
        for (int slot = 0; slot < SlotCount; ++slot)
            models << names.at(int(random.bounded(qint64(names.size()))));
        bytes += models.join(u',').toLatin1() + "\t\t# Area " + QByteArray::number(area) + "\r\n";
    }
    return bytes;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "varnel_bench: %s\n", qPrintable(what));
    std::exit(1);
}

void loadInto(FrmMain &window, BenchPlatform &platform, const QString &gameFolder)
{
    platform.dialogs.answer = gameFolder;
    platform.dialogs.messages = 0;
    window.menu().mnuload->trigger();
    if (platform.dialogs.messages != 0 || window.cmbareas()->count() != AreaTotal)
        fail(QStringLiteral("load failed: ") + platform.dialogs.lastMessage);
}

// One child run: prints nanoseconds from startedNs to the first painted window,
// and the peak memory in KiB once its work is done.
int runChild(const QString &mode, qint64 startedNs, const QString &gameFolder)
{
    qint64 elapsed = 0;
    if (mode == QLatin1String("bare")) {
        BareWindow window;
        showAndWaitForPaint(window);
        elapsed = monotonicNs() - startedNs;
        std::printf("%lld %lld\n", elapsed, peakMemoryKb());
        return 0;
    }
    BenchPlatform platform;
    FrmMain window(platform.platform());
    showAndWaitForPaint(window);
    elapsed = monotonicNs() - startedNs;
    if (mode == QLatin1String("varnel-load")) {
        loadInto(window, platform, gameFolder);
        QCoreApplication::processEvents();
    }
    std::printf("%lld %lld\n", elapsed, peakMemoryKb());
    return 0;
}

struct ChildResult
{
    double milliseconds = 0;
    double mebibytes = 0;
};

ChildResult runChildProcess(const QString &mode, const QString &gameFolder)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--child"), mode, QString::number(started), gameFolder});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        fail(QStringLiteral("child run '%1' failed").arg(mode));
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        fail(QStringLiteral("child run '%1' printed nothing").arg(mode));
    return {fields[0].toLongLong() / 1e6, fields[1].toLongLong() / 1024.0};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Row
{
    QString what;
    double program;
    double baseline;
    QString unit;
    double goal;
};

// Runs both closures runs times, alternating so that drift hits both alike,
// and gives the medians in milliseconds.
std::pair<double, double> timePair(int runs, const std::function<void()> &prepare,
        const std::function<void()> &program, const std::function<void()> &baseline)
{
    QList<double> programTimes;
    QList<double> baselineTimes;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        prepare();
        timer.start();
        program();
        programTimes << timer.nsecsElapsed() / 1e6;
        timer.start();
        baseline();
        baselineTimes << timer.nsecsElapsed() / 1e6;
    }
    return {median(programTimes), median(baselineTimes)};
}

void printTable(const QList<Row> &rows, int runs, int childRuns)
{
    std::printf("Medians of %d runs (start-up and memory: %d child processes each)\n\n", runs,
            childRuns);
    std::printf("| Measure | Varnel | Baseline | Ratio | Goal |\n");
    std::printf("| --- | ---: | ---: | ---: | ---: |\n");
    for (const Row &row : rows) {
        const double ratio = row.program / row.baseline;
        std::printf("| %s | %.3g %s | %.3g %s | %.2fx | %.1fx%s |\n", qPrintable(row.what),
                row.program, qPrintable(row.unit), row.baseline, qPrintable(row.unit), ratio,
                row.goal, ratio <= row.goal ? "" : " (missed)");
    }
}

int runBenchmark(int runs, int childRuns)
{
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game"));
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    const QByteArray fileBytes = hundredAreaFile();
    QDir().mkpath(game + QStringLiteral("/data"));
    if (!writeBytes(gameFile, fileBytes))
        fail(QStringLiteral("cannot write ") + gameFile);

    QList<Row> rows;

    QList<double> startProgram, startBare, memoryProgram, memoryBare;
    for (int run = 0; run < childRuns; ++run) {
        // Which child goes first changes with each run: neither gains from a warm cache alone.
        ChildResult bare, program;
        if (run % 2) {
            program = runChildProcess(QStringLiteral("varnel-load"), game);
            bare = runChildProcess(QStringLiteral("bare"), game);
        } else {
            bare = runChildProcess(QStringLiteral("bare"), game);
            program = runChildProcess(QStringLiteral("varnel-load"), game);
        }
        startBare << bare.milliseconds;
        memoryBare << bare.mebibytes;
        startProgram << program.milliseconds;
        memoryProgram << program.mebibytes;
    }
    rows << Row{QStringLiteral("Start-up to the first painted window (vs. bare Qt window)"),
            median(startProgram), median(startBare), QStringLiteral("ms"), 1.2};

    BenchPlatform platform;
    FrmMain window(platform.platform());
    showAndWaitForPaint(window);
    BareWindow bare;
    showAndWaitForPaint(bare);

    const auto load = timePair(
            runs, [] {},
            [&] {
                loadInto(window, platform, game);
                QCoreApplication::processEvents();
            },
            [&] {
                if (!readPedgrpFile(gameFile).ok())
                    fail(QStringLiteral("read failed"));
            });
    rows << Row{QStringLiteral("Load of 100 areas (vs. reading and parsing without window)"),
            load.first, load.second, QStringLiteral("ms"), 3.0};

    QStringList randomTexts;
    QRandomGenerator random(77);
    for (int text = 0; text < AreaTotal * SlotCount; ++text)
        randomTexts << pedCatalogue().at(int(random.bounded(qint64(pedCatalogue().size()))));
    auto writeBareBoxes = [&bare](const QStringList &texts) {
        for (int text = 0; text < texts.size(); ++text)
            bare.box(text % SlotCount)->setEditText(texts[text]);
        QCoreApplication::processEvents();
    };
    // The same visible work as a bulk command that shows each area before it
    // writes it: the caption, the area's names, then the new names.
    QStringList loadedTexts;
    const ReadResult loaded = readTable(fileBytes);
    for (int area = 1; area <= AreaTotal; ++area)
        loadedTexts << loaded.table.areaPeds(area).split(u',');
    auto showAndWriteBareBoxes = [&](const QStringList &texts) {
        for (int area = 0; area < AreaTotal; ++area) {
            bare.frame()->setTitle(QStringLiteral("Editor: [Area %1]").arg(area + 1));
            for (int slot = 0; slot < SlotCount; ++slot)
                bare.box(slot)->setEditText(loadedTexts[area * SlotCount + slot]);
            for (int slot = 0; slot < SlotCount; ++slot)
                bare.box(slot)->setEditText(texts[area * SlotCount + slot]);
        }
        QCoreApplication::processEvents();
    };
    auto reload = [&] {
        loadInto(window, platform, game);
        for (int slot = 0; slot < SlotCount; ++slot)
            bare.box(slot)->setEditText(QString());
        QCoreApplication::processEvents();
    };

    const auto randomize = timePair(
            runs, reload,
            [&] {
                randomizeInAllAreasCommand(window.editor(), platform.random);
                QCoreApplication::processEvents();
            },
            [&] { writeBareBoxes(randomTexts); });
    rows << Row{QStringLiteral("Randomize In All Areas (vs. 800 texts into 8 bare boxes)"),
            randomize.first, randomize.second, QStringLiteral("ms"), 2.0};
    const auto randomizeShown = timePair(
            runs, reload,
            [&] {
                randomizeInAllAreasCommand(window.editor(), platform.random);
                QCoreApplication::processEvents();
            },
            [&] { showAndWriteBareBoxes(randomTexts); });
    rows << Row{QStringLiteral("Randomize In All Areas (vs. bare boxes showing each area first)"),
            randomizeShown.first, randomizeShown.second, QStringLiteral("ms"), 2.0};

    const QStringList sameTexts(AreaTotal * SlotCount, QStringLiteral("pimp"));
    const auto setAll = timePair(
            runs, reload,
            [&] {
                platform.dialogs.answer = QStringLiteral("pimp");
                setAllInLibertyCityCommand(window.editor(), platform.dialogs);
                QCoreApplication::processEvents();
            },
            [&] { writeBareBoxes(sameTexts); });
    if (window.editor().table().areaPeds(AreaTotal)
            != QStringList(SlotCount, QStringLiteral("pimp")).join(u','))
        fail(QStringLiteral("Set All In Liberty City did not set every area"));
    rows << Row{QStringLiteral("Set All In Liberty City (vs. 800 texts into 8 bare boxes)"),
            setAll.first, setAll.second, QStringLiteral("ms"), 2.0};
    const auto setAllShown = timePair(
            runs, reload,
            [&] {
                platform.dialogs.answer = QStringLiteral("pimp");
                setAllInLibertyCityCommand(window.editor(), platform.dialogs);
                QCoreApplication::processEvents();
            },
            [&] { showAndWriteBareBoxes(sameTexts); });
    rows << Row{QStringLiteral("Set All In Liberty City (vs. bare boxes showing each area first)"),
            setAllShown.first, setAllShown.second, QStringLiteral("ms"), 2.0};

    const QString plainFile = dir.filePath(QStringLiteral("plain.dat"));
    const QByteArray savedBytes = window.editor().table().composeFile().toLatin1();
    const auto save = timePair(
            runs, [] {},
            [&] {
                platform.dialogs.messages = 0;
                window.menu().mnusave->trigger();
                if (platform.dialogs.lastMessage.startsWith(QStringLiteral("An error")))
                    fail(platform.dialogs.lastMessage);
            },
            [&] {
                if (!writeBytes(plainFile, savedBytes))
                    fail(QStringLiteral("cannot write ") + plainFile);
            });
    rows << Row{QStringLiteral("Save of 100 areas (vs. the same bytes with QSaveFile)"), save.first,
            save.second, QStringLiteral("ms"), 1.5};

    rows << Row{QStringLiteral("Peak memory after a Load (vs. bare Qt window)"),
            median(memoryProgram), median(memoryBare), QStringLiteral("MiB"), 1.2};

    printTable(rows, runs, childRuns);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong(),
                QString::fromLocal8Bit(argv[4]));
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 21;
    const int childRuns = argc > 2 ? QByteArray(argv[2]).toInt() : 11;
    if (runs < 1 || childRuns < 1)
        fail(QStringLiteral("usage: varnel_bench [runs] [child runs]"));
    return runBenchmark(runs, childRuns);
}
