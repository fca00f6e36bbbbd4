#include "app/allareaswindow.h"
#include "app/commandline.h"
#include "app/earlierversions.h"
#include "format/pedcatalogue.h"
#include "language/language.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <tuple>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const QChar Open(0x27E6);
const QChar Close(0x27E7);

// A text as the program asks a translator for it.
using Message = std::tuple<QString, QString, QString>; // context, source, disambiguation

// Returns every text wrapped in marks and notes what it was asked for.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(
            const char *context, const char *source, const char *disambiguation, int) const override
    {
        if (!source || !*source)
            return QString();
        asked.insert({QString::fromUtf8(context), QString::fromUtf8(source),
                QString::fromUtf8(disambiguation)});
        return Open + QString::fromUtf8(source) + Close;
    }

    mutable std::set<Message> asked;
};

// Whether a text shows nothing but translations and data: the marked parts
// (innermost first, as one may hold another) and the data taken out, no letter
// may be left.
bool isTranslated(QString text, const QStringList &data)
{
    static const QRegularExpression marked(QStringLiteral("\u27E6[^\u27E6\u27E7]*\u27E7"));
    while (text.contains(marked))
        text.remove(marked);
    for (const QString &datum : data)
        text.remove(datum);
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

QStringList modelTexts(const QAbstractItemModel *model)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            texts << cell.data().toString() << cell.data(Qt::ToolTipRole).toString();
        }
    }
    return texts;
}

// Every text a window shows or tells a screen reader, its menus' included.
QStringList windowTexts(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        else if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            texts << frame->title();
        else if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            texts << field->placeholderText();
        else if (const auto *view = qobject_cast<const QAbstractItemView *>(widget))
            texts << modelTexts(view->model());
        else if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
            texts << menu->title();
            for (const QAction *entry : menu->actions())
                texts << entry->text();
        }
    }
    return texts;
}

// The letters of a menu's entries that Alt reaches, and those that more than
// one entry claims.
QStringList clashingMnemonics(const QList<QAction *> &entries)
{
    QStringList seen;
    QStringList clashes;
    for (const QAction *entry : entries) {
        const QString key = QKeySequence::mnemonic(entry->text()).toString();
        if (key.isEmpty())
            continue;
        if (seen.contains(key))
            clashes << entry->text();
        seen << key;
    }
    return clashes;
}

// The forms of the translation the reader stands at, read to its end: one
// text, or one per plural form; none while it is unfinished.
QStringList translationForms(QXmlStreamReader &xml)
{
    const bool finished = !xml.attributes().hasAttribute(QStringLiteral("type"));
    QStringList forms;
    QString text;
    while (!xml.atEnd()
            && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation")) {
        if (xml.isStartElement())
            forms << xml.readElementText();
        else if (xml.isCharacters())
            text += xml.text();
    }
    if (!finished)
        return {};
    return forms.isEmpty() ? QStringList{text} : forms;
}

// Every message of a .ts file: its (context, source, disambiguation) and the
// forms of its translation.
std::map<Message, QStringList> tsMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::map<Message, QStringList> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            message = {context, QString(), QString()};
        else if (xml.name() == u"source")
            std::get<1>(message) = xml.readElementText();
        else if (xml.name() == u"comment")
            std::get<2>(message) = xml.readElementText();
        else if (xml.name() == u"translation")
            messages[message] = translationForms(xml);
    }
    return messages;
}

// The %1, %n and %Ln a text holds, each once.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(L?n|\\d+)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.removeDuplicates();
    found.sort();
    return found;
}

// Qt's own classes, whose texts Qt's translations hold.
bool isQtContext(const QString &context)
{
    return context.size() > 1 && context.at(0) == u'Q' && context.at(1).isUpper();
}

// Fails with what is missing.
void verifyNoneMissing(const QStringList &missing, const char *what)
{
    const QString report
            = QLatin1String(what) + QStringLiteral(":\n  ") + missing.join(QStringLiteral("\n  "));
    QVERIFY2(missing.isEmpty(), qPrintable(report));
}

// A document that makes every kind of box and tooltip: a list of four names
// (damaged), a line the game reads seven names from, a name the game does not
// know, and more groups than the game holds.
QByteArray everyKindOfArea()
{
    QByteArray bytes = "# header\r\n" + areaLine("male01,female01,pimp,cop", "Four")
            + areaLine("male01,female01,pimp,cop,swat,fbi,army,", "Seven");
    for (int area = 1; area <= 32; ++area)
        bytes += areaLine("male01,female01,pimp,cop,swat,fbi,army,medic",
                "Street" + QByteArray::number(area));
    return bytes;
}

} // namespace

// Every text in pseudo-translation, and the main window in every language.
class TestTranslations : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void mainWindowFitsEveryLanguage_data();
    void mainWindowFitsEveryLanguage();
    void germanMenusAndButtonsOnARealWindow();
    void everyShownTextIsTranslated_data();
    void everyShownTextIsTranslated();
    // Runs after the one before: it checks what that one was asked for.
    void everyTextAskedForIsInEveryTsFile();
    void translationsKeepPlaceholdersAndMnemonics_data() { mainWindowFitsEveryLanguage_data(); }
    void translationsKeepPlaceholdersAndMnemonics();

private:
    QList<QRect> controlPlaces() const;
    QStringList data() const;
    QStringList shownTexts() const;

    void atStart() { }
    void loadSaveAndQuit();
    void saveAsAndRestore();
    void optionsAndHelp();
    void allAreasAndEarlierVersions();
    void languageBox() { child<QMenu>(QStringLiteral("mnulanguage"))->actions()[2]->trigger(); }
    void zonesAndProblems();
    void keptLayoutAndNotes();
    void browseButtons();
    void endedRunAndFailingKeeps();

    QList<QRect> m_englishPlaces;
    PseudoTranslator m_pseudo;
    // Texts a scenario saw that are gone by its end.
    QStringList m_passingTexts;
};

using Scenario = void (TestTranslations::*)();
Q_DECLARE_METATYPE(Scenario)

void TestTranslations::initTestCase()
{
    QVERIFY(createEditor());
    m_englishPlaces = controlPlaces();
    destroyEditor();
}

void TestTranslations::cleanup()
{
    QCoreApplication::removeTranslator(&m_pseudo);
    m_passingTexts.clear();
    destroyEditor();
}

// The frame and everything in it.
QList<QRect> TestTranslations::controlPlaces() const
{
    QList<QRect> places{frameeditor()->geometry()};
    for (const QWidget *control :
            frameeditor()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        places << control->geometry();
    return places;
}

void TestTranslations::mainWindowFitsEveryLanguage_data()
{
    QTest::addColumn<QString>("code");
    for (const Language &language : languages())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

void TestTranslations::mainWindowFitsEveryLanguage()
{
    QFETCH(QString, code);
    const Translations translations(code);
    QVERIFY(QFile::exists(QStringLiteral(":/i18n/varnel_%1.qm").arg(code)));
    QVERIFY(createEditor());
    const QMenuBar *bar = m_window->menuBar();
    QCOMPARE(bar->actions().at(1)->text() == QLatin1String("&Edit"), code == English);

    QStringList cut;
    for (QAction *title : bar->actions()) {
        if (!bar->rect().contains(bar->actionGeometry(title)))
            cut << title->text();
    }
    for (const QLabel *label : frameeditor()->findChildren<QLabel *>()) {
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            cut << label->text();
    }
    // The caption stands 8 pixels in from the frame's left edge.
    if (frameeditor()->fontMetrics().horizontalAdvance(frameeditor()->title()) + 2 * 8
            > frameeditor()->width())
        cut << frameeditor()->title();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));

    // English titles need less than 250 pixels.
    QCOMPARE(m_window->centralWidget()->size(), QSize(qMax(250, bar->sizeHint().width()), 193));
    QCOMPARE(controlPlaces(), m_englishPlaces);

    QStringList clashes = clashingMnemonics(bar->actions());
    for (const QMenu *menu : m_window->findChildren<QMenu *>())
        clashes << clashingMnemonics(menu->actions());
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral(", "))));
}

// Run by ctest's translations_realwindow_de on a virtual X server with
// LANGUAGE=de: the language comes from the system, Qt's texts from its own
// translations, and the question is a real message box.
void TestTranslations::germanMenusAndButtonsOnARealWindow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("Runs on an X server (ctest: translations_realwindow_de)");
    const Translations translations(runLanguage(QString(), QString()));
    QVERIFY(createEditor());
    m_window->hide();
    QtDialogs boxes;
    const Platform platform{&boxes, &m_fake->random, &m_fake->launcher, &m_fake->settings,
            m_fake->shippedFilesFolder, m_fake->folders};
    FrmMain window(*m_editor, *m_files, platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    loadGame(threeAreas());
    window.findChild<QComboBox *>(QStringLiteral("cmbped0"))->setEditText(QStringLiteral("pimp"));
    QStringList titles;
    for (const QAction *title : window.menuBar()->actions())
        titles << title->text();
    QCOMPARE(titles, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Optionen", "&Hilfe"}));

    QStringList question;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        QDir().mkpath(QStringLiteral(VARNEL_ARTIFACTS));
        box->screen()->grabWindow(0).save(QStringLiteral(VARNEL_ARTIFACTS "/question_de.png"));
        question << box->windowTitle() << box->text() << box->button(QMessageBox::Yes)->text()
                 << box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    answer.start(50);
    window.close();
    QCOMPARE(question,
            (QStringList{"Wirklich beenden?",
                    "Es gibt ungespeicherte Änderungen. Wirklich beenden?", "&Ja", "&Nein"}));
    QVERIFY(window.isVisible());
}

void TestTranslations::everyShownTextIsTranslated_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::newRow("main window and menus") << &TestTranslations::atStart;
    QTest::newRow("load, save, quit") << &TestTranslations::loadSaveAndQuit;
    QTest::newRow("save as, restore backup") << &TestTranslations::saveAsAndRestore;
    QTest::newRow("options and help") << &TestTranslations::optionsAndHelp;
    QTest::newRow("all areas, earlier versions") << &TestTranslations::allAreasAndEarlierVersions;
    QTest::newRow("language") << &TestTranslations::languageBox;
    QTest::newRow("zone map, problems") << &TestTranslations::zonesAndProblems;
    QTest::newRow("kept layout, what was not kept") << &TestTranslations::keptLayoutAndNotes;
    QTest::newRow("browse buttons") << &TestTranslations::browseButtons;
    QTest::newRow("ended run, failing keeps") << &TestTranslations::endedRunAndFailingKeeps;
}

void TestTranslations::everyShownTextIsTranslated()
{
    QFETCH(Scenario, scenario);
    QCoreApplication::installTranslator(&m_pseudo);
    QVERIFY(createEditor());
    (this->*scenario)();

    const QStringList data = this->data();
    QStringList untranslated;
    for (const QString &text : shownTexts()) {
        if (!isTranslated(text, data))
            untranslated << text;
    }
    untranslated.removeDuplicates();
    verifyNoneMissing(untranslated, "not through tr()");
}

void TestTranslations::everyTextAskedForIsInEveryTsFile()
{
    QVERIFY(!m_pseudo.asked.empty());
    const QDir folder(QStringLiteral(VARNEL_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("varnel_*.ts")});
    QCOMPARE(files.size(), languages().size());
    std::map<Message, QStringList> lacking;
    for (const QString &file : files) {
        // English holds plural forms only.
        if (file == QLatin1String("varnel_en.ts"))
            continue;
        const std::map<Message, QStringList> messages = tsMessages(folder.filePath(file));
        for (const Message &message : m_pseudo.asked) {
            if (!isQtContext(std::get<0>(message)) && !messages.count(message))
                lacking[message] << file;
        }
    }
    QStringList missing;
    for (const auto &[message, lackingFiles] : lacking)
        missing << std::get<0>(message) + QStringLiteral(" \"") + std::get<1>(message)
                        + QStringLiteral("\" (") + lackingFiles.join(QStringLiteral(", ")) + u')';
    verifyNoneMissing(missing, "not in the .ts files");
}

// Each form of a translation shows what its source shows: the same
// placeholders, and a mnemonic where the source has one.
void TestTranslations::translationsKeepPlaceholdersAndMnemonics()
{
    QFETCH(QString, code);
    QStringList wrong;
    for (const auto &[message, forms] :
            tsMessages(QStringLiteral(VARNEL_SOURCE_DIR "/translations/varnel_%1.ts").arg(code))) {
        const QString &source = std::get<1>(message);
        for (const QString &form : forms) {
            if (form.isEmpty() || placeholders(form) != placeholders(source)
                    || QKeySequence::mnemonic(form).isEmpty()
                            != QKeySequence::mnemonic(source).isEmpty())
                wrong << source + QStringLiteral(" -> ") + form;
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

// What the texts may show untranslated, longest first so that a path goes
// before the names in it.
QStringList TestTranslations::data() const
{
    QStringList data = pedCatalogue();
    data << QStringLiteral("nobody1") << QStringLiteral("Varnel") << QStringLiteral("pedgrp.dat")
         << QStringLiteral("varnel") << QStringLiteral("-h, --help")
         << QStringLiteral("-v, --version") << QStringLiteral("--language")
         << QStringLiteral("http://www.varnel.example");
    for (const QString &path : {path(QStringLiteral("game/data/pedgrp.dat")),
                 m_fake->shippedFilesFolder + QStringLiteral("/readme.txt"), m_dir->path()})
        data << path << QDir::toNativeSeparators(path);
    for (const Area &area : m_editor->table().areas)
        data << area.areaName << area.areaPeds.split(u',');
    for (const GameZone &zone : m_editor->zones())
        data << zone.name << zone.label;
    for (const Language &language : languages())
        data << language.code << language.name;
    for (const KeptVersion &version : m_versions->versions())
        data << QLocale().toString(version.when.toLocalTime(), QLocale::ShortFormat);
    std::sort(data.begin(), data.end(),
            [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return data;
}

QStringList TestTranslations::shownTexts() const
{
    QStringList texts = m_passingTexts;
    for (const ShownMessage &message : m_fake->dialogs.messages)
        texts << message.text << message.title << message.offered;
    for (const AskedInput &input : m_fake->dialogs.inputs)
        texts << input.prompt << input.title;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            texts << windowTexts(window);
    }
    return texts;
}

// Load's question and failure, a damaged area, Scan's report of it, Undo and
// Redo of a typed and a chosen slot, Save's questions, Exit's question, and
// the command line's texts.
void TestTranslations::loadSaveAndQuit()
{
    m_fake->dialogs.passedQuestions.clear();
    const QString game = loadGame(everyKindOfArea());
    action("mnuerrorscan")->trigger();
    cmbped(1)->setCurrentIndex(3);
    m_fake->dialogs.inputAnswers << path(QStringLiteral("nowhere"));
    action("mnuload")->trigger();
    writeFile(game + QStringLiteral("/data/pedgrp.dat"), "# changed\r\n");
    action("mnusave")->trigger();
    QTest::keyClicks(cmbped(0)->lineEdit(), QStringLiteral("x"));
    cmbped(1)->setCurrentIndex(4);
    action("mnuundo")->trigger();
    m_fake->dialogs.messageAnswers << Answer::No;
    m_window->close();
    for (const QStringList &arguments :
            {QStringList{"varnel", "--help"}, QStringList{"varnel", "--bogus"},
                    QStringList{"varnel", "a", "b"}, QStringList{"varnel", "--language", "xx"}})
        m_passingTexts << parseCommandLine(arguments).message;
}

// Save As's prompt, its question and failure, a character the file cannot
// hold, Restore BackUp's prompt, success and failure.
void TestTranslations::saveAsAndRestore()
{
    const QString game = loadGame(threeAreas());
    m_fake->dialogs.inputAnswers << game + QStringLiteral("/data/pedgrp.dat")
                                 << path(QStringLiteral("folder/"));
    action("mnusaveas")->trigger();
    action("mnusaveas")->trigger();
    cmbped(0)->setEditText(QStringLiteral("\u20AC"));
    action("mnusave")->trigger();
    writeFile(m_fake->shippedFilesFolder + QStringLiteral("/backup.file"), threeAreas());
    m_fake->dialogs.inputAnswers << game << path(QStringLiteral("nowhere"));
    action("mnurestore")->trigger();
    action("mnurestore")->trigger();
}

// Scan's other reports, Set All's prompts and failure, Randomize, and Help
// with nothing to open things.
void TestTranslations::optionsAndHelp()
{
    loadGame(threeAreas());
    action("mnuerrorscan")->trigger();
    m_fake->dialogs.inputAnswers << QStringLiteral("nobody1") << QStringLiteral("pimp");
    action("mnusetarea")->trigger();
    action("mnusetliberty")->trigger();
    action("mnurandomarea")->trigger();
    action("mnuerrorscan")->trigger();
    m_fake->launcher.succeed = false;
    for (const char *help : {"mnureadme", "mnuinfo", "mnusite"})
        action(help)->trigger();
}

// A name the game does not know, All Areas with every tooltip, and a version
// in Earlier Versions.
void TestTranslations::allAreasAndEarlierVersions()
{
    loadGame(everyKindOfArea());
    m_editor->selectArea(2);
    cmbped(0)->setEditText(QStringLiteral("nobody1"));
    action("mnusave")->trigger();
    action("mnuallareas")->trigger();
    action("mnuversions")->trigger();
}

// The Zone Map of a game with zones, its caption for a line of no group and
// its tooltip; All Areas' problems, only those; the Game Check of a zone
// whose group the file does not give.
void TestTranslations::zonesAndProblems()
{
    const QString game = makeGameFolder(path(QStringLiteral("game")), fourAreasWithOneShort());
    writeSmallZoneGame(game);
    loadFolder(game);
    action("mnuzonemap")->trigger();
    m_editor->selectArea(2);
    auto *map = child<QWidget>(QStringLiteral("zonemap"));
    const QPoint alpha(map->width() * 3 / 10, map->height() / 2);
    QHelpEvent help(QEvent::ToolTip, alpha, map->mapToGlobal(alpha));
    QApplication::sendEvent(map, &help);
    m_passingTexts << QToolTip::text();
    action("mnuallareas")->trigger();
    m_passingTexts << windowTexts(child<QWidget>(QStringLiteral("frmallareas")));
    child<QPushButton>(QStringLiteral("problems"))->click();
    child<QCheckBox>(QStringLiteral("onlyproblems"))->click();
    m_fake->dialogs.passedQuestions.clear();
    action("mnusave")->trigger();
}

// Keep File Layout: a line joined to the one before by a lone CR, a line too
// long for the game, a .bak that cannot be replaced; without it, a '#' the
// TAB layout cannot write; Restore BackUp over a file too large to keep.
void TestTranslations::keptLayoutAndNotes()
{
    const QByteArray eight = "male01,female01,pimp,cop,swat,fbi,army,medic";
    const QString game = loadGame("# header\r\n" + eight + "#Stuck\t# Joined\r" + eight + "\t# Long"
            + QByteArray(1100, ' ') + "\r\n");
    action("mnukeeplayout")->trigger();
    const QString bak = game + QStringLiteral("/data/pedgrp.dat.bak");
    writeFile(bak, "# by hand\r\n");
    QVERIFY(QFile::setPermissions(bak, QFile::ReadOwner | QFile::ReadUser));
    m_fake->dialogs.passedQuestions.clear();
    action("mnusave")->trigger();
    action("mnukeeplayout")->trigger();
    action("mnusave")->trigger();
    writeFile(game + QStringLiteral("/data/pedgrp.dat"),
            QByteArray(KeptCopies::MaxKeptSize + 1, '#'));
    writeFile(m_fake->shippedFilesFolder + QStringLiteral("/backup.file"), threeAreas());
    m_fake->dialogs.inputAnswers << game;
    action("mnurestore")->trigger();
}

// The Browse button of a path prompt and the file types of its file dialog.
void TestTranslations::browseButtons()
{
    QtDialogs dialogs;
    QTimer::singleShot(0, this, [this] {
        QWidget *prompt = QApplication::activeModalWidget();
        auto *browse = prompt->findChild<QPushButton *>(QStringLiteral("browse"));
        m_passingTexts << browse->text();
        QTimer::singleShot(0, this, [this] {
            auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            m_passingTexts << files->nameFilters();
            files->reject();
        });
        browse->click();
        prompt->close();
    });
    dialogs.input(QString(), QString(), QString(), Completion::PedgrpFile);
}

// The notice of a run that ended with unsaved changes, what it kept opened and
// in Earlier Versions, a keep of the document that fails while it is edited,
// and Load of a file that is no regular file.
void TestTranslations::endedRunAndFailingKeeps()
{
#ifndef Q_OS_WIN
    const QString file = path(QStringLiteral("game/data/pedgrp.dat"));
    const pid_t run = fork();
    if (run == 0) {
        // Ends without letting its entry go.
        VersionHistory ended(m_dataDir->path());
        ended.keepWhileEditing(file, file, "# unsaved\r\n");
        _exit(0);
    }
    QCOMPARE(waitpid(run, nullptr, 0), run);
    m_fake->dialogs.messageAnswers << Answer::Offered;
    m_window->start(*m_versions, QString());
    action("mnuversions")->trigger();
    auto *versions = child<QWidget>(QStringLiteral("frmversions"));
    m_passingTexts << windowTexts(versions);
    versions->close();
    const QString fifo = path(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    m_fake->dialogs.inputAnswers << fifo;
    action("mnuload")->trigger();
#endif
    m_fake->dialogs.inputAnswers << makeGameFolder(path(QStringLiteral("game")), threeAreas());
    action("mnuload")->trigger();
    action("mnuallareas")->trigger();
    const QString editing = m_dataDir->filePath(QStringLiteral("editing"));
    QVERIFY(QDir(editing).removeRecursively());
    writeFile(editing, "not a folder");
    const qsizetype shown = m_fake->dialogs.messages.size();
    cmbped(0)->setEditText(QStringLiteral("pimp"));
    m_editor->endTyping();
    QTRY_VERIFY_WITH_TIMEOUT(
            m_fake->dialogs.messages.size() > shown, EditingKeeper::DelayMs + 1000);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
