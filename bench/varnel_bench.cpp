// Times the window's work against plain Qt doing the same visible work, in
// the same run, and prints the medians and their ratios as one table.
//
// Start-up and memory are measured in child processes of this program (one
// per run), everything else in this process on the offscreen platform.

#include "app/frmmain.h"
#include "app/zonemap.h"
#include "bulk/randomize.h"
#include "bulk/setall.h"
#include "file/filecommands.h"
#include "format/areareader.h"
#include "format/areawriter.h"
#include "format/pedcatalogue.h"
#include "gamereading/gamecheck.h"
#include "gamereading/gamezones.h"
#include "storage/filestamp.h"
#include "storage/keptcopies.h"
#include "support/gamefiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

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
            const QString &text, const QString &title, MessageIcon, MessageButtons buttons) override
    {
        lastMessage = text;
        titles << title;
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
    }
    Answer offer(
            const QString &text, const QString &title, MessageIcon icon, const QString &) override
    {
        return message(text, title, icon, MessageButtons::Ok);
    }
    QString input(const QString &, const QString &, const QString &, Completion) override
    {
        return answer;
    }

    QString answer;
    QString lastMessage;
    // The titles of the boxes shown since the last clear().
    QStringList titles;
};

class BenchSettings : public Settings
{
public:
    QString rememberedGame() const override { return m_game; }
    void setRememberedGame(const QString &game) override { m_game = game; }
    QString language() const override { return QString(); }
    void setLanguage(const QString &) override { }
    QByteArray allAreasGeometry() const override { return m_geometry; }
    void setAllAreasGeometry(const QByteArray &geometry) override { m_geometry = geometry; }
    bool keepsFileLayout() const override { return false; }
    void setKeepsFileLayout(bool) override { }
    QByteArray zoneMapGeometry() const override { return m_mapGeometry; }
    void setZoneMapGeometry(const QByteArray &geometry) override { m_mapGeometry = geometry; }

private:
    QString m_game;
    QByteArray m_geometry;
    QByteArray m_mapGeometry;
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
        auto *frame = new QGroupBox(QStringLiteral("Editor"), client);
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

private:
    std::array<QComboBox *, SlotCount> m_boxes{};
};

// Ends a local event loop once the first paint of any widget has been
// handled. Not QCoreApplication::quit(): that closes every window first.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QEventLoop &loop) : m_loop(loop) { }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return false;
    }

private:
    QEventLoop &m_loop;
    bool m_seen = false;
};

// Shows the window as it is, without fitting it to its contents first.
void showAsIsAndWaitForPaint(const std::function<void()> &show)
{
    QEventLoop loop;
    FirstPaint watch(loop);
    qApp->installEventFilter(&watch);
    show();
    loop.exec();
    qApp->removeEventFilter(&watch);
}

void showAndWaitForPaint(QWidget &window)
{
    showAsIsAndWaitForPaint([&window] {
        window.adjustSize();
        window.show();
    });
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

// The zones of the benchmark's game: 42 boxes in a grid besides CITYZON.
constexpr int ZoneTotal = 43;
constexpr int ZoneColumns = 7;

QByteArray zoneLabel(int zone)
{
    return "ZONE_" + QByteArray::number(zone).rightJustified(2, '0');
}

QRectF zoneBox(int zone)
{
    const int column = (zone - 1) % ZoneColumns;
    const int row = (zone - 1) / ZoneColumns;
    return QRectF(-1800 + column * 520, -1500 + row * 520, 480, 480);
}

// A 460 KB main.scm: varied commands of the kind the game's script holds,
// with the 86 commands that set the zones' groups spread among them.
QByteArray benchScript()
{
    QRandomGenerator random(460);
    const QByteArray types = QByteArrayLiteral("\x04\x05\x01\x02\x03");
    auto command = [&] {
        QByteArray bytes;
        const int opcode = int(random.bounded(0x400));
        bytes += char(opcode & 0xff);
        bytes += char(opcode >> 8);
        for (int argument = int(random.bounded(4)); argument > 0; --argument) {
            const char type = types[int(random.bounded(types.size()))];
            const int size = type == 0x04 ? 1 : (type == 0x01 ? 4 : 2);
            bytes += type;
            for (int byte = 0; byte < size; ++byte)
                bytes += char(random.bounded(256));
        }
        return bytes;
    };
    ScriptParts parts;
    parts.globals = QByteArray(12000, '\0');
    parts.models = {"CSPLAYER", "COP", "SWAT"};
    QList<QByteArray> settings{setZoneGroup("CITYZON", true, 0), setZoneGroup("CITYZON", false, 0)};
    for (int zone = 1; zone < ZoneTotal; ++zone) {
        settings << setZoneGroup(zoneLabel(zone), true, (2 * zone - 1) % 31)
                 << setZoneGroup(zoneLabel(zone), false, (2 * zone) % 31);
    }
    while (parts.main.size() < 440 * 1000) {
        parts.main += command();
        if (!settings.isEmpty() && parts.main.size() > 4000 * (88 - settings.size()))
            parts.main += settings.takeFirst();
    }
    parts.missions = {QByteArray(), QByteArray()};
    for (QByteArray &mission : parts.missions) {
        while (mission.size() < 10 * 1000)
            mission += command();
    }
    return scriptBytes(parts);
}

// An american.gxt of 8,000 keys, the zones' labels among them.
QByteArray benchTexts()
{
    QMap<QByteArray, QString> texts;
    for (int zone = 1; zone < ZoneTotal; ++zone)
        texts.insert(zoneLabel(zone), QStringLiteral("Zone number %1").arg(zone));
    for (int key = 0; texts.size() < 8000; ++key)
        texts.insert("T" + QByteArray::number(key, 36).toUpper(),
                QStringLiteral("A text of the game, number %1").arg(key));
    return gxtBytes(texts);
}

QByteArray benchZoneFile()
{
    QByteArray file = "zone\r\n";
    for (int zone = 1; zone < ZoneTotal; ++zone) {
        const QRectF box = zoneBox(zone);
        file += zoneLine(zoneLabel(zone), 1,
                {float(box.left()), float(box.top()), -50, float(box.right()), float(box.bottom()),
                        250},
                1 + zone % 3);
    }
    return file + "end\r\n";
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

// The program as main() puts it together.
struct Varnel
{
    explicit Varnel(const Platform &platform)
        : versions(dataFolder.path()),
          files(editor, platform, versions),
          window(editor, files, platform)
    { }

    QAction *action(const char *name) const
    {
        return window.findChild<QAction *>(QLatin1String(name));
    }
    QComboBox *box(const QString &name) const { return window.findChild<QComboBox *>(name); }

    // The versions it keeps go to a folder of their own, not the user's.
    QTemporaryDir dataFolder;
    VersionHistory versions;
    Editor editor;
    FileCommands files;
    FrmMain window;
};

// Loads the game folder; over a modified document the one question shown must
// be whether to drop the changes, which the dialogs answer Yes.
void loadInto(Varnel &varnel, BenchPlatform &platform, const QString &gameFolder)
{
    const QStringList expected = varnel.editor.isModified()
            ? QStringList{QStringLiteral("Really Load?")}
            : QStringList();
    platform.dialogs.answer = gameFolder;
    platform.dialogs.titles.clear();
    varnel.action("mnuload")->trigger();
    if (platform.dialogs.titles != expected || varnel.editor.isModified()
            || varnel.box(QStringLiteral("cmbareas"))->count() != AreaTotal)
        fail(QStringLiteral("load failed: ") + platform.dialogs.lastMessage);
}

// Fails unless the command just run showed no message at all.
void expectNoMessage(BenchPlatform &platform, const QString &command)
{
    if (!platform.dialogs.titles.isEmpty())
        fail(command + QStringLiteral(" showed: ") + platform.dialogs.lastMessage);
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
    Varnel varnel(platform.platform());
    showAndWaitForPaint(varnel.window);
    elapsed = monotonicNs() - startedNs;
    if (mode == QLatin1String("varnel-load")) {
        loadInto(varnel, platform, gameFolder);
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
// and gives the medians in milliseconds. verify, untimed, checks what the
// program's run did.
std::pair<double, double> timePair(
        int runs, const std::function<void()> &prepare, const std::function<void()> &program,
        const std::function<void()> &baseline, const std::function<void()> &verify = [] {})
{
    QList<double> programTimes;
    QList<double> baselineTimes;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        prepare();
        timer.start();
        program();
        programTimes << timer.nsecsElapsed() / 1e6;
        verify();
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

// A bare table of the All Areas table's size: 100 rows of a group number, a
// name and eight texts.
std::unique_ptr<QTableWidget> filledBareTable(const AreaTable &table)
{
    auto bare = std::make_unique<QTableWidget>(int(table.areas.size()), 2 + SlotCount);
    for (int row = 0; row < table.areas.size(); ++row) {
        bare->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
        bare->setItem(row, 1, new QTableWidgetItem(table.areas[row].areaName));
        const PedSlots shown = shownSlotsOf(table.areas[row].areaPeds);
        for (int slot = 0; slot < SlotCount; ++slot)
            bare->setItem(row, 2 + slot, new QTableWidgetItem(shown[slot]));
    }
    return bare;
}

// Opening the window, one cell edit and Randomize In All Areas with the
// window open, each against a bare QTableWidget doing the same visible work.
void addAllAreasRows(QList<Row> &rows, int runs, BenchPlatform &platform, const QString &game,
        const QStringList &randomTexts)
{
    const QSize tableWindowSize(960, 540);
    std::unique_ptr<Varnel> fresh;
    std::unique_ptr<QTableWidget> bare;
    auto prepareFresh = [&] {
        bare.reset();
        fresh = std::make_unique<Varnel>(platform.platform());
        showAndWaitForPaint(fresh->window);
        loadInto(*fresh, platform, game);
        fresh->files.finishReadingZones();
        QCoreApplication::processEvents();
    };
    const auto open = timePair(
            runs, prepareFresh,
            [&] { showAsIsAndWaitForPaint([&] { fresh->action("mnuallareas")->trigger(); }); },
            [&] {
                showAsIsAndWaitForPaint([&] {
                    bare = filledBareTable(fresh->editor.table());
                    bare->resize(tableWindowSize);
                    bare->show();
                });
            },
            [&] {
                if (!fresh->window.findChild<QTableView *>(QStringLiteral("areatable")))
                    fail(QStringLiteral("All Areas did not open"));
            });
    rows << Row{QStringLiteral("Opening All Areas on 100 areas (vs. a bare table of 1,000 texts)"),
            open.first, open.second, QStringLiteral("ms"), 3.0};

    // From here on both tables stay open.
    Varnel &varnel = *fresh;
    auto *table = varnel.window.findChild<QTableView *>(QStringLiteral("areatable"));
    int edit = 0;
    auto nextText = [&] { return randomTexts[edit % randomTexts.size()]; };
    const auto cellEdit = timePair(
            runs, [&] { ++edit; },
            [&] {
                table->model()->setData(table->model()->index(edit % AreaTotal, 4), nextText());
                QCoreApplication::processEvents();
            },
            [&] {
                bare->item(edit % AreaTotal, 4)->setText(nextText());
                QCoreApplication::processEvents();
            },
            [&] {
                expectNoMessage(platform, QStringLiteral("A cell edit"));
                if (varnel.box(QStringLiteral("cmbped2"))->currentText() != nextText())
                    fail(QStringLiteral("the main window did not follow a cell edit"));
            });
    rows << Row{QStringLiteral("One cell edit in All Areas (vs. one bare table item)"),
            cellEdit.first, cellEdit.second, QStringLiteral("ms"), 3.0};

    const auto randomize = timePair(
            runs,
            [&] {
                loadInto(varnel, platform, game);
                varnel.files.finishReadingZones();
                QCoreApplication::processEvents();
                platform.dialogs.titles.clear();
            },
            [&] {
                randomizeInAllAreasCommand(varnel.editor, platform.random);
                QCoreApplication::processEvents();
            },
            [&] {
                for (int text = 0; text < randomTexts.size(); ++text)
                    bare->item(text / SlotCount, 2 + text % SlotCount)->setText(randomTexts[text]);
                QCoreApplication::processEvents();
            },
            [&] { expectNoMessage(platform, QStringLiteral("Randomize In All Areas")); });
    rows << Row{QStringLiteral("Randomize In All Areas with All Areas open (vs. 800 bare items)"),
            randomize.first, randomize.second, QStringLiteral("ms"), 3.0};
}

// 43 outlined rectangles with their names, as any program drawing the zones pays.
class BareZones : public QWidget
{
public:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const qreal scale = std::min(width(), height()) / 4000.0;
        for (int zone = 1; zone < ZoneTotal; ++zone) {
            const QRectF box = zoneBox(zone);
            const QRectF shown(width() / 2 + box.left() * scale,
                    height() / 2 - box.bottom() * scale, box.width() * scale, box.height() * scale);
            painter.drawRect(shown);
            painter.drawText(shown, Qt::AlignCenter, QStringLiteral("Zone number %1").arg(zone));
        }
    }
};

// Reading the zones of the game folder against reading its three files, and
// a paint of the Zone Map against the bare rectangles.
void addZoneRows(QList<Row> &rows, int runs, Varnel &varnel, const QStringList &zoneFiles)
{
    const QString document = QFileInfo(zoneFiles[0]).path() + QStringLiteral("/pedgrp.dat");
    const auto reading = timePair(
            runs, [] {},
            [&] {
                if (readGameZones(document).size() != ZoneTotal)
                    fail(QStringLiteral("the zones were not read"));
            },
            [&] {
                for (const QString &path : zoneFiles) {
                    QFile file(path);
                    if (!file.open(QIODevice::ReadOnly) || file.readAll().isEmpty())
                        fail(QStringLiteral("cannot read ") + path);
                }
            });
    rows << Row{QStringLiteral("Reading the zones: 460 KB script, 43 zones, 8,000 texts (vs. "
                               "QFile::readAll of the three files)"),
            reading.first, reading.second, QStringLiteral("ms"), 3.0};

    varnel.editor.selectArea(5);
    showAsIsAndWaitForPaint([&] { varnel.action("mnuzonemap")->trigger(); });
    auto *map = varnel.window.findChild<ZoneMap *>(QStringLiteral("zonemap"));
    if (!map)
        fail(QStringLiteral("the Zone Map did not open"));
    BareZones bare;
    bare.resize(map->size());
    showAndWaitForPaint(bare);
    bare.resize(map->size());
    const auto paint = timePair(
            runs, [] {}, [&] { map->repaint(); }, [&] { bare.repaint(); });
    rows << Row{QStringLiteral("A paint of the Zone Map with 43 zones (vs. a bare QPainter "
                               "drawing 43 outlined rectangles with names)"),
            paint.first, paint.second, QStringLiteral("ms"), 3.0};
    varnel.window.findChild<QWidget *>(QStringLiteral("frmzonemap"))->close();
}

int runBenchmark(int runs, int childRuns)
{
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("game"));
    const QString gameFile = game + QStringLiteral("/data/pedgrp.dat");
    const QByteArray fileBytes = hundredAreaFile();
    QDir().mkpath(game + QStringLiteral("/data"));
    QDir().mkpath(game + QStringLiteral("/text"));
    const QStringList zoneFiles{game + QStringLiteral("/data/gta3.zon"),
            game + QStringLiteral("/data/main.scm"), game + QStringLiteral("/text/american.gxt")};
    if (!writeBytes(gameFile, fileBytes) || !writeBytes(zoneFiles[0], benchZoneFile())
            || !writeBytes(zoneFiles[1], benchScript()) || !writeBytes(zoneFiles[2], benchTexts()))
        fail(QStringLiteral("cannot write the game folder ") + game);

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
    Varnel varnel(platform.platform());
    showAndWaitForPaint(varnel.window);
    BareWindow bare;
    showAndWaitForPaint(bare);

    const auto load = timePair(
            runs, [] {},
            [&] {
                loadInto(varnel, platform, game);
                QCoreApplication::processEvents();
            },
            [&] {
                if (!readPedgrpFile(gameFile).ok())
                    fail(QStringLiteral("read failed"));
            },
            // The zones are read while the document shows; the baseline runs
            // once they are.
            [&] {
                varnel.files.finishReadingZones();
                if (varnel.editor.zones().size() != ZoneTotal)
                    fail(QStringLiteral("the zones were not read"));
            });
    rows << Row{QStringLiteral("Load of 100 areas (vs. reading and parsing without window)"),
            load.first, load.second, QStringLiteral("ms"), 3.0};

    addZoneRows(rows, runs, varnel, zoneFiles);

    QStringList randomTexts;
    QRandomGenerator random(77);
    for (int text = 0; text < AreaTotal * SlotCount; ++text)
        randomTexts << pedCatalogue().at(int(random.bounded(qint64(pedCatalogue().size()))));
    // The baseline of the bulk commands: what writing each area's new names
    // into the eight boxes would cost, one area after another.
    auto writeBareBoxes = [&bare, &randomTexts] {
        for (int text = 0; text < randomTexts.size(); ++text)
            bare.box(text % SlotCount)->setEditText(randomTexts[text]);
        QCoreApplication::processEvents();
    };
    const QString eightBareTexts = QStringLiteral(" (vs. 800 texts into 8 bare boxes)");
    auto reload = [&] {
        loadInto(varnel, platform, game);
        varnel.files.finishReadingZones();
        for (int slot = 0; slot < SlotCount; ++slot)
            bare.box(slot)->setEditText(QString());
        QCoreApplication::processEvents();
        platform.dialogs.titles.clear();
    };

    const QString pimps = QStringList(SlotCount, QStringLiteral("pimp")).join(u',');
    const auto setAll = timePair(
            runs, reload,
            [&] {
                platform.dialogs.answer = QStringLiteral("pimp");
                setAllInLibertyCityCommand(varnel.editor, platform.dialogs);
                QCoreApplication::processEvents();
            },
            writeBareBoxes,
            [&] {
                expectNoMessage(platform, QStringLiteral("Set All In Liberty City"));
                if (varnel.editor.table().areas.first().areaPeds != pimps
                        || varnel.editor.table().areas.at(AreaTotal - 1).areaPeds != pimps
                        || varnel.box(QStringLiteral("cmbped7"))->currentText()
                                != QLatin1String("pimp"))
                    fail(QStringLiteral("Set All In Liberty City did not set every area"));
            });
    rows << Row{QStringLiteral("Set All In Liberty City") + eightBareTexts, setAll.first,
            setAll.second, QStringLiteral("ms"), 0.5};

    const QString loadedFile = composeFile(readAreaTable(fileBytes).table);
    const auto randomize = timePair(
            runs, reload,
            [&] {
                randomizeInAllAreasCommand(varnel.editor, platform.random);
                QCoreApplication::processEvents();
            },
            writeBareBoxes,
            [&] {
                expectNoMessage(platform, QStringLiteral("Randomize In All Areas"));
                if (composeFile(varnel.editor.table()) == loadedFile)
                    fail(QStringLiteral("Randomize In All Areas changed nothing"));
            });
    rows << Row{QStringLiteral("Randomize In All Areas") + eightBareTexts, randomize.first,
            randomize.second, QStringLiteral("ms"), 0.5};

    const PedSlots firstAreaSlots
            = *splitSlots(readAreaTable(fileBytes).table.areas.first().areaPeds);
    const auto undo = timePair(
            runs,
            [&] {
                reload();
                randomizeInAllAreasCommand(varnel.editor, platform.random);
                QCoreApplication::processEvents();
            },
            [&] {
                varnel.editor.history().undo();
                QCoreApplication::processEvents();
            },
            writeBareBoxes,
            [&] {
                expectNoMessage(platform, QStringLiteral("Undo of Randomize In All Areas"));
                if (composeFile(varnel.editor.table()) != loadedFile || varnel.editor.isModified()
                        || varnel.box(QStringLiteral("cmbped0"))->currentText()
                                != firstAreaSlots[0])
                    fail(QStringLiteral("Undo did not bring back and show the loaded lists"));
            });
    rows << Row{QStringLiteral("Undo of Randomize In All Areas") + eightBareTexts, undo.first,
            undo.second, QStringLiteral("ms"), 0.5};

    // Save writes even when nothing changed. The first Save of the run keeps the
    // loaded file as its .bak and as an earlier version, the second keeps the
    // first one's bytes; the timed runs come after them, as every later Save of
    // a run that writes the same document does: the history holds the bytes it
    // replaces already. The game holds fewer groups than 100, so each Save asks
    // the Game Check question, answered Yes; any other box, such as the
    // question about a file changed by another program, fails the run.
    platform.dialogs.answer = QStringLiteral("pimp");
    setAllInLibertyCityCommand(varnel.editor, platform.dialogs);
    const QString plainFile = dir.filePath(QStringLiteral("plain.dat"));
    const QByteArray savedBytes = composeFile(varnel.editor.table()).toLatin1();
    auto save = [&] {
        platform.dialogs.titles.clear();
        varnel.action("mnusave")->trigger();
    };
    auto expectSaved = [&] {
        if (platform.dialogs.titles != QStringList{gameCheckTitle(), QStringLiteral("Saved")})
            fail(QStringLiteral("Save showed '%1', the last: %2")
                            .arg(platform.dialogs.titles.join(QStringLiteral("', '")),
                                    platform.dialogs.lastMessage));
    };
    save();
    expectSaved();
    if (!QFileInfo::exists(KeptCopies::copyPath(gameFile)))
        fail(QStringLiteral("the first Save kept no copy"));
    save();
    expectSaved();
    const auto saveTimes = timePair(
            runs, [] {}, save,
            [&] {
                if (!writeBytes(plainFile, savedBytes))
                    fail(QStringLiteral("cannot write ") + plainFile);
            },
            expectSaved);
    if (readFileWhole(gameFile).bytes != savedBytes
            || readFileWhole(KeptCopies::copyPath(gameFile)).bytes != fileBytes)
        fail(QStringLiteral("Save did not write the document or rewrote the kept copy"));
    rows << Row{QStringLiteral("Save of 100 areas (vs. the same bytes with QSaveFile)"),
            saveTimes.first, saveTimes.second, QStringLiteral("ms"), 2.0};

    // The first Save of a run keeps what it replaces twice, as the .bak (a
    // second name of the old file where the file system allows) and as an
    // earlier version. Each timed run starts a new Varnel on the game file as it
    // was before any Save.
    std::unique_ptr<Varnel> fresh;
    const auto firstSaveTimes = timePair(
            runs,
            [&] {
                fresh.reset();
                QFile::remove(KeptCopies::copyPath(gameFile));
                if (!writeBytes(gameFile, fileBytes))
                    fail(QStringLiteral("cannot write ") + gameFile);
                fresh = std::make_unique<Varnel>(platform.platform());
                loadInto(*fresh, platform, game);
                fresh->files.finishReadingZones();
            },
            [&] { fresh->action("mnusave")->trigger(); },
            [&] {
                if (!writeBytes(plainFile, savedBytes))
                    fail(QStringLiteral("cannot write ") + plainFile);
            },
            [&] {
                expectSaved();
                if (readFileWhole(KeptCopies::copyPath(gameFile)).bytes != fileBytes
                        || fresh->versions.versions().size() != 1)
                    fail(QStringLiteral("the first Save kept no copy or no version"));
            });
    fresh.reset();
    rows << Row{QStringLiteral("First Save of a run, with its .bak and version (vs. the same "
                               "bytes with QSaveFile)"),
            firstSaveTimes.first, firstSaveTimes.second, QStringLiteral("ms"), 2.5};

    addAllAreasRows(rows, runs, platform, game, randomTexts);

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
