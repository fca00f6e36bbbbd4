#include "app/frmmain.h"

#include "app/allareaswindow.h"
#include "app/boxes.h"
#include "app/earlierversions.h"
#include "app/zonemapwindow.h"
#include "bulk/randomize.h"
#include "bulk/scan.h"
#include "bulk/setall.h"
#include "file/filecommands.h"
#include "format/pedcatalogue.h"
#include "help/helpcommands.h"
#include "language/language.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>

namespace {

// The layout is drawn in twips, 15 to a pixel at 96 DPI; Qt scales pixels on
// high-DPI screens.
QRect twips(int left, int top, int width, int height)
{
    auto px = [](int t) { return qRound(t / 15.0); };
    return QRect(px(left), px(top), px(width), px(height));
}

QFont verdana(qreal points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString damagedAreaText(const QString &areaName, const QString &modelList)
{
    return FrmMain::tr("An error occured during processing of this area.") + CrLf + CrLf
            + FrmMain::tr("The original 'pedgrps.dat' is not written correctly, this is the most "
                          "likely cause of this error.")
            + CrLf + CrLf
            + FrmMain::tr("You can either restore the working backup from the file menu or add "
                          "the comma's manually yourself.")
            + CrLf + CrLf + FrmMain::tr("Damaged Area: %1.").arg(areaName) + CrLf + CrLf
            + FrmMain::tr("Damaged Data: '%1'.").arg(modelList);
}

// Undo and Redo name the step they would take, e.g. "&Undo Typing in Ped 3".
QString undoText(const QString &step)
{
    return step.isEmpty() ? FrmMain::tr("&Undo") : FrmMain::tr("&Undo %1").arg(step);
}

QString redoText(const QString &step)
{
    return step.isEmpty() ? FrmMain::tr("&Redo") : FrmMain::tr("&Redo %1").arg(step);
}

// The one local file or folder a drag carries, or nothing.
QString droppedPath(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace

FrmMain::FrmMain(
        Editor &editor, FileCommands &fileCommands, const Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_editor(editor), m_fileCommands(fileCommands), m_platform(platform)
{
    setObjectName(QStringLiteral("frmmain"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    setWindowTitle(tr("Varnel[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnel.png")));
    setAcceptDrops(true);
    createControls();
    createActions();
    createKeepLayoutEntry();
    createMenus();
    followEditor();
}

void FrmMain::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(twips(0, 0, 3750, 2895).size());
    setCentralWidget(client);

    // Screen readers name the frame by its caption, also after it changes.
    m_frameeditor = new QGroupBox(tr("Editor"), client);
    m_frameeditor->setObjectName(QStringLiteral("frameeditor"));
    m_frameeditor->setGeometry(twips(120, 120, 3525, 2655));
    m_frameeditor->setFont(verdana(8.25, true));
    // The caption sits on the frame's top line, so the controls drawn just below
    // that line stay inside the frame.
    m_frameeditor->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));

    const QFont small = verdana(6.75, false);
    auto *label5 = new QLabel(tr("Area List:"), m_frameeditor);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setGeometry(twips(120, 280, 750, 180));
    auto *label1 = new QLabel(tr("Peds In Area:"), m_frameeditor);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(twips(120, 720, 1050, 180));

    m_cmbareas = new AreaList(m_frameeditor);
    m_cmbareas->setObjectName(QStringLiteral("cmbareas"));
    m_cmbareas->installEventFilter(this);
    m_cmbareas->setGeometry(twips(960, 240, 2460, 300));
    m_cmbareas->setAccessibleName(tr("Area List"));
    m_cmbareas->setEnabled(false);
    connect(m_cmbareas, &QComboBox::activated, &m_editor, &Editor::selectArea);

    const QRect slotPlaces[SlotCount] = {
            twips(120, 1080, 1605, 300),
            twips(1800, 1080, 1600, 300),
            twips(120, 1440, 1600, 300),
            twips(1800, 1440, 1600, 300),
            twips(120, 1800, 1600, 300),
            twips(1800, 1800, 1600, 300),
            twips(120, 2160, 1600, 300),
            twips(1800, 2160, 1600, 300),
    };
    for (int slot = 0; slot < SlotCount; ++slot)
        m_cmbped[slot] = createSlotBox(slot, slotPlaces[slot]);

    for (QWidget *widget : {static_cast<QWidget *>(label5), static_cast<QWidget *>(label1),
                 static_cast<QWidget *>(m_cmbareas)})
        widget->setFont(small);
    for (QComboBox *box : m_cmbped)
        box->setFont(small);

    setTabOrder(m_cmbareas, m_cmbped[0]);
    for (int slot = 1; slot < SlotCount; ++slot)
        setTabOrder(m_cmbped[slot - 1], m_cmbped[slot]);
}

SlotBox *FrmMain::createSlotBox(int slot, const QRect &place)
{
    auto *box = new SlotBox(slot, pedCatalogue(), m_frameeditor);
    box->setObjectName(QStringLiteral("cmbped%1").arg(slot));
    box->installEventFilter(this);
    box->setGeometry(place);
    box->setAccessibleName(tr("Ped %1").arg(slot + 1));
    box->setEnabled(false);
    connect(box, &SlotBox::edited, &m_editor, &Editor::editSlot);
    connect(box, &SlotBox::typingEnded, &m_editor, &Editor::endTyping);
    connect(box, &QComboBox::editTextChanged, this, [this, box] { markUnknownModel(box); });
    return box;
}

QAction *FrmMain::createAction(
        const char *name, const QString &caption, const QKeySequence &shortcut, bool enabled)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    return action;
}

void FrmMain::createHistoryActions()
{
    QUndoStack &history = m_editor.history();
    m_mnuundo = createAction(
            "mnuundo", undoText(history.undoText()), QKeySequence(), history.canUndo());
    m_mnuundo->setShortcuts(QKeySequence::Undo);
    connect(m_mnuundo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(&history, &QUndoStack::canUndoChanged, m_mnuundo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, m_mnuundo,
            [this](const QString &step) { m_mnuundo->setText(undoText(step)); });

    m_mnuredo = createAction(
            "mnuredo", redoText(history.redoText()), QKeySequence(), history.canRedo());
    // Both, whatever the desktop's own Redo keys are.
    m_mnuredo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_mnuredo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canRedoChanged, m_mnuredo, &QAction::setEnabled);
    connect(&history, &QUndoStack::redoTextChanged, m_mnuredo,
            [this](const QString &step) { m_mnuredo->setText(redoText(step)); });
}

void FrmMain::createActions()
{
    m_mnuload = createAction("mnuload", tr("Load pedgrp.dat..."), Qt::CTRL | Qt::Key_L, true);
    m_mnusave = createAction("mnusave", tr("Save"), Qt::CTRL | Qt::Key_S, false);
    m_mnusaveas = createAction("mnusaveas", tr("Save As..."), Qt::CTRL | Qt::Key_A, false);
    m_mnurestore = createAction("mnurestore", tr("Restore BackUp"), Qt::CTRL | Qt::Key_B, true);
    m_mnuversions = createAction("mnuversions", tr("Earlier Versions..."), QKeySequence(), true);
    m_mnuclose = createAction("mnuclose", tr("Exit"), Qt::CTRL | Qt::Key_E, true);
    createHistoryActions();
    m_mnuallareas = createAction("mnuallareas", tr("All &Areas"), Qt::CTRL | Qt::Key_T, true);
    m_mnuzonemap = createAction("mnuzonemap", tr("Zone &Map"), Qt::CTRL | Qt::Key_M, true);
    m_mnusetarea
            = createAction("mnusetarea", tr("Set All In Area..."), Qt::CTRL | Qt::Key_D, false);
    m_mnusetliberty = createAction(
            "mnusetliberty", tr("Set All In Liberty City..."), Qt::CTRL | Qt::Key_C, false);
    m_mnurandomarea
            = createAction("mnurandomarea", tr("Randomize In Area"), Qt::CTRL | Qt::Key_R, false);
    m_mnurandom
            = createAction("mnurandom", tr("Randomize In All Areas"), Qt::CTRL | Qt::Key_O, false);
    m_mnuerrorscan = createAction(
            "mnuerrorscan", tr("Scan For Non-Existant Peds"), Qt::CTRL | Qt::Key_P, false);
    m_mnureadme = createAction("mnureadme", tr("Readme File"), Qt::CTRL | Qt::Key_F, true);
    m_mnuinfo = createAction("mnuinfo", tr("Quick Info..."), Qt::CTRL | Qt::Key_Q, true);
    m_mnusite = createAction("mnusite", tr("Author's Site"), Qt::CTRL | Qt::Key_W, true);

    auto on = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    on(m_mnuload, [this] { m_fileCommands.load(); });
    on(m_mnusave, [this] {
        // Ctrl+S in All Areas saves the cell being edited there too.
        if (m_allAreas)
            m_allAreas->commitOpenEdit();
        m_fileCommands.save();
    });
    on(m_mnusaveas, [this] { m_fileCommands.saveAs(); });
    on(m_mnurestore, [this] { m_fileCommands.restoreBackup(); });
    on(m_mnuversions, [this] { showEarlierVersions(); });
    on(m_mnuclose, [this] { close(); });
    on(m_mnuallareas, [this] { showAllAreas(); });
    on(m_mnuzonemap, [this] { showZoneMap(); });
    on(m_mnusetarea, [this] { setAllInAreaCommand(m_editor, *m_platform.dialogs); });
    on(m_mnusetliberty, [this] { setAllInLibertyCityCommand(m_editor, *m_platform.dialogs); });
    on(m_mnurandomarea, [this] { randomizeInAreaCommand(m_editor, *m_platform.random); });
    on(m_mnurandom, [this] { randomizeInAllAreasCommand(m_editor, *m_platform.random); });
    on(m_mnuerrorscan, [this] { scanCommand(m_editor, *m_platform.dialogs); });
    on(m_mnureadme, [this] { readmeCommand(m_platform); });
    on(m_mnuinfo, [this] { quickInfoCommand(m_platform); });
    on(m_mnusite, [this] { authorsSiteCommand(m_platform); });
}

// A choice kept from one run to the next, which the editor follows.
void FrmMain::createKeepLayoutEntry()
{
    m_mnukeeplayout = createAction("mnukeeplayout", tr("Keep File Layout"), QKeySequence(), true);
    m_mnukeeplayout->setCheckable(true);
    m_mnukeeplayout->setChecked(m_platform.settings->keepsFileLayout());
    m_editor.setKeepingLayout(m_mnukeeplayout->isChecked());
    connect(m_mnukeeplayout, &QAction::toggled, this, [this](bool keeping) {
        m_platform.settings->setKeepsFileLayout(keeping);
        m_editor.setKeepingLayout(keeping);
    });
}

void FrmMain::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnufile"));
    file->addAction(m_mnuload);
    file->addAction(m_mnusave);
    file->addAction(m_mnusaveas);
    file->addSeparator();
    file->addAction(m_mnurestore);
    file->addAction(m_mnuversions);
    file->addSeparator();
    file->addAction(m_mnuclose);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuedit"));
    edit->addAction(m_mnuundo);
    edit->addAction(m_mnuredo);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuview"));
    view->addAction(m_mnuallareas);
    view->addAction(m_mnuzonemap);

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuoptions"));
    options->addAction(m_mnusetarea);
    options->addAction(m_mnusetliberty);
    options->addSeparator();
    options->addAction(m_mnurandomarea);
    options->addAction(m_mnurandom);
    options->addSeparator();
    options->addAction(m_mnuerrorscan);
    options->addSeparator();
    options->addAction(m_mnukeeplayout);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    help->addAction(m_mnureadme);
    help->addAction(m_mnuinfo);
    help->addSeparator();
    help->addAction(m_mnusite);

    createLanguageMenu(view);
    fitMenuTitles();
}

// The language takes effect at the next start, when every text is made in it.
void FrmMain::createLanguageMenu(QMenu *view)
{
    view->addSeparator();
    QMenu *menu = view->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("mnulanguage"));
    auto *entries = new QActionGroup(menu);
    const QString remembered = m_platform.settings->language();
    const QString chosen = isLanguage(remembered) ? remembered : QString();
    auto addEntry = [&](const QString &code, const QString &name) {
        QAction *entry = entries->addAction(name);
        entry->setCheckable(true);
        entry->setChecked(code == chosen);
        menu->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    };
    addEntry(QString(), tr("System Language"));
    for (const Language &language : languages())
        addEntry(language.code, language.name);
}

void FrmMain::chooseLanguage(const QString &code)
{
    if (code == m_platform.settings->language())
        return;
    m_platform.settings->setLanguage(code);
    m_platform.dialogs->message(tr("Varnel will use the new language the next time it starts."),
            tr("Language"), MessageIcon::Information, MessageButtons::Ok);
}

// Translated menu titles may need more room than the window has in English:
// it widens to show them whole, and its controls keep their places.
void FrmMain::fitMenuTitles()
{
    QWidget *client = centralWidget();
    client->setFixedWidth(qMax(client->width(), menuBar()->sizeHint().width()));
}

void FrmMain::followEditor()
{
    connect(&m_editor, &Editor::areasReplaced, this, &FrmMain::replaceAreaList);
    connect(&m_editor, &Editor::areaSelected, this, &FrmMain::showSelection);
    connect(&m_editor, &Editor::damagedArea, this, &FrmMain::warnDamagedArea);
    connect(&m_editor, &Editor::slotsShown, this, &FrmMain::showSlots);
    connect(&m_editor, &Editor::documentOpened, this, &FrmMain::enableEditing);
    connect(&m_editor, &Editor::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_editor, &Editor::saveAvailableChanged, m_mnusave, &QAction::setEnabled);
}

void FrmMain::replaceAreaList(const QStringList &names)
{
    const QSignalBlocker blocker(m_cmbareas);
    m_cmbareas->clear();
    m_cmbareas->addItems(names);
    m_cmbareas->setCurrentIndex(-1);
}

void FrmMain::showSelection(int position, const QString &name)
{
    {
        const QSignalBlocker blocker(m_cmbareas);
        m_cmbareas->setCurrentIndex(position);
    }
    m_frameeditor->setTitle(position < 0 ? tr("Editor") : tr("Editor: [%1]").arg(name));
}

void FrmMain::warnDamagedArea(const QString &name, const QString &modelList)
{
    m_platform.dialogs->message(damagedAreaText(name, modelList), tr("Error"), MessageIcon::Warning,
            MessageButtons::Ok);
}

void FrmMain::showSlots(const PedSlots &texts)
{
    for (int slot = 0; slot < SlotCount; ++slot)
        m_cmbped[slot]->showText(texts[slot]);
}

// The game leaves a slot whose name it does not find on the player's model,
// and crashes when it spawns it.
void FrmMain::markUnknownModel(SlotBox *box)
{
    box->markUnknownNames(m_editor.models().unknownNames(box->currentText()));
}

void FrmMain::enableEditing()
{
    m_cmbareas->setEnabled(true);
    for (SlotBox *box : m_cmbped) {
        // The game folder's own models may differ from the last one's.
        markUnknownModel(box);
        box->setEnabled(true);
    }
    for (QAction *action : {m_mnusaveas, m_mnurandom, m_mnurandomarea, m_mnuerrorscan, m_mnusetarea,
                 m_mnusetliberty})
        action->setEnabled(true);
}

void FrmMain::start(VersionHistory &versions, const QString &givenPath)
{
    const QList<KeptVersion> chosen = tellOfEndedRuns(versions, *m_platform.dialogs);
    if (chosen.size() == 1)
        m_fileCommands.openVersion(chosen.first());
    else if (!chosen.isEmpty())
        showEarlierVersions(&chosen.first());
    else if (!givenPath.isEmpty())
        m_fileCommands.openPath(givenPath);
}

// Open loads the chosen version once the list is closed, asking first as Load does.
void FrmMain::showEarlierVersions(const KeptVersion *selected)
{
    auto *dialog = new EarlierVersionsDialog(
            m_fileCommands.versions().versions(), m_editor, m_fileCommands.documentFile(), this);
    if (selected)
        dialog->select(*selected);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (const std::optional<KeptVersion> version = dialog->chosen())
            m_fileCommands.openVersion(*version);
    });
    dialog->open();
}

void FrmMain::showAllAreas()
{
    if (!m_allAreas) {
        m_allAreas = new AllAreasWindow(
                m_editor, *m_platform.settings, {m_mnuundo, m_mnuredo, m_mnusave}, this);
        const EditingKeeper &keeper = m_fileCommands.editingKeeper();
        m_allAreas->showKeepWarning(keeper.warning());
        connect(&keeper, &EditingKeeper::warningChanged, m_allAreas,
                &AllAreasWindow::showKeepWarning);
    }
    m_allAreas->showInFront(Side::Right);
}

void FrmMain::showZoneMap()
{
    if (!m_zoneMap)
        m_zoneMap = new ZoneMapWindow(
                m_editor, *m_platform.settings, {m_mnuundo, m_mnuredo, m_mnusave}, this);
    // The side All Areas does not take: it prefers the right.
    const bool allAreasLeft = m_allAreas && m_allAreas->isVisible()
            && m_allAreas->frameGeometry().center().x() < frameGeometry().center().x();
    m_zoneMap->showInFront(allAreasLeft ? Side::Right : Side::Left);
}

bool FrmMain::mayQuit()
{
    if (!m_editor.isModified())
        return true;
    return m_platform.dialogs->message(tr("Unsaved changes have been made. Really Quit?"),
                   tr("Really Quit?"), MessageIcon::Warning, MessageButtons::YesNo)
            == Answer::Yes;
}

// The keys of the menus belong to their entries, also where the focus is in a
// box whose text field has a use of its own for them (Ctrl+A, Ctrl+C, Ctrl+E).
// This rests on how Qt offers a key to the shortcuts: it first sends the focus
// widget a ShortcutOverride event for it, unaccepted, which goes on to each
// parent up to the window until one accepts it. Accepted, the key is delivered
// as a key press and no shortcut runs; a text field accepts the keys it edits
// with. Left unaccepted, an enabled shortcut of the key runs and no key press
// is delivered; where there is none (the entry is disabled), the key press goes
// to the focus widget and on to its parents while they leave it unaccepted.
bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
            && isMenuShortcut(static_cast<QKeyEvent *>(event))) {
        // Taken from the box, unaccepted: the override lets the shortcut run,
        // and the key press of a disabled entry passes the window's parts,
        // which have no use for it.
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FrmMain::isMenuShortcut(const QKeyEvent *key) const
{
    const QKeySequence pressed(key->keyCombination());
    for (const QAction *menu : menuBar()->actions()) {
        for (const QAction *entry : menu->menu()->actions()) {
            if (entry->shortcuts().contains(pressed))
                return true;
        }
    }
    return false;
}

void FrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FrmMain::dropEvent(QDropEvent *event)
{
    const QString path = droppedPath(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Loading may ask about unsaved changes: not while the program the user
    // dragged from waits for the drop to end.
    QMetaObject::invokeMethod(
            this, [this, path] { m_fileCommands.openPath(path); }, Qt::QueuedConnection);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // The question counts the text of a cell still being edited in All Areas.
    if (m_allAreas)
        m_allAreas->commitOpenEdit();
    if (!mayQuit()) {
        event->ignore();
        return;
    }
    m_fileCommands.letGo(VersionReason::LetGoByExit);
    if (m_allAreas)
        m_allAreas->close();
    if (m_zoneMap)
        m_zoneMap->close();
    event->accept();
}
