#include "app/frmmain.h"

#include "app/boxes.h"
#include "bulk/randomize.h"
#include "bulk/scan.h"
#include "bulk/setall.h"
#include "document/pedcatalogue.h"
#include "file/filecommands.h"
#include "help/helpcommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>

namespace {

const QString CrLf = QStringLiteral("\r\n");

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
    return QStringLiteral("An error occured during processing of this area.") + CrLf + CrLf
            + QStringLiteral("The original 'pedgrps.dat' is not written correctly, this is the "
                             "most likely cause of this error.")
            + CrLf + CrLf
            + QStringLiteral("You can either restore the working backup from the file menu or "
                             "add the comma's manually yourself.")
            + CrLf + CrLf + QStringLiteral("Damaged Area: ") + areaName + u'.' + CrLf + CrLf
            + QStringLiteral("Damaged Data: '") + modelList + QStringLiteral("'.");
}

QAction *makeAction(QObject *parent, const QString &caption, QKeyCombination shortcut, bool enabled)
{
    auto *action = new QAction(caption, parent);
    action->setShortcut(QKeySequence(shortcut));
    action->setEnabled(enabled);
    return action;
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

FrmMain::FrmMain(const Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    setWindowTitle(ProgramTitle + QStringLiteral("[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnel.png")));
    setAcceptDrops(true);
    createControls();
    createActions();
    createMenus();
    followEditor();
}

QComboBox *FrmMain::cmbareas() const
{
    return m_cmbareas;
}

QComboBox *FrmMain::cmbped(int slot) const
{
    return m_cmbped.at(slot);
}

void FrmMain::createControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(twips(0, 0, 3750, 2895).size());
    setCentralWidget(client);

    // Screen readers name the frame by its caption, also after it changes.
    m_frameeditor = new QGroupBox(QStringLiteral("Editor"), client);
    m_frameeditor->setGeometry(twips(120, 120, 3525, 2655));
    m_frameeditor->setFont(verdana(8.25, true));
    // The caption sits on the frame's top line, so the controls drawn just below
    // that line stay inside the frame.
    m_frameeditor->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));

    const QFont small = verdana(6.75, false);
    m_label5 = new QLabel(QStringLiteral("Area List:"), m_frameeditor);
    m_label5->setGeometry(twips(120, 280, 750, 180));
    m_label1 = new QLabel(QStringLiteral("Peds In Area:"), m_frameeditor);
    m_label1->setGeometry(twips(120, 720, 1050, 180));

    m_cmbareas = new AreaList(m_frameeditor);
    m_cmbareas->setObjectName(QStringLiteral("cmbareas"));
    m_cmbareas->installEventFilter(this);
    m_cmbareas->setGeometry(twips(960, 240, 2460, 300));
    m_cmbareas->setAccessibleName(QStringLiteral("Area List"));
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

    for (QWidget *widget : {static_cast<QWidget *>(m_label5), static_cast<QWidget *>(m_label1),
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
    box->setObjectName(QStringLiteral("cmbped") + QString::number(slot));
    box->installEventFilter(this);
    box->setGeometry(place);
    box->setAccessibleName(QStringLiteral("Ped ") + QString::number(slot + 1));
    box->setEnabled(false);
    connect(box, &SlotBox::edited, &m_editor, &Editor::editSlot);
    connect(box, &SlotBox::typingEnded, &m_editor, &Editor::endTyping);
    connect(box, &QComboBox::editTextChanged, this, [this, box] { markUnknownModel(box); });
    return box;
}

void FrmMain::createActions()
{
    m_menu.mnuload
            = makeAction(this, QStringLiteral("Load pedgrp.dat..."), Qt::CTRL | Qt::Key_L, true);
    m_menu.mnusave = makeAction(this, QStringLiteral("Save"), Qt::CTRL | Qt::Key_S, false);
    m_menu.mnusaveas = makeAction(this, QStringLiteral("Save As..."), Qt::CTRL | Qt::Key_A, false);
    m_menu.mnurestore
            = makeAction(this, QStringLiteral("Restore BackUp"), Qt::CTRL | Qt::Key_B, true);
    m_menu.mnuclose = makeAction(this, QStringLiteral("Exit"), Qt::CTRL | Qt::Key_E, true);
    m_menu.mnuundo = m_editor.history().createUndoAction(this, QStringLiteral("&Undo"));
    m_menu.mnuundo->setShortcuts(QKeySequence::Undo);
    m_menu.mnuredo = m_editor.history().createRedoAction(this, QStringLiteral("&Redo"));
    // Both, whatever the desktop's own Redo keys are.
    m_menu.mnuredo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_menu.mnusetarea
            = makeAction(this, QStringLiteral("Set All In Area..."), Qt::CTRL | Qt::Key_D, false);
    m_menu.mnusetliberty = makeAction(
            this, QStringLiteral("Set All In Liberty City..."), Qt::CTRL | Qt::Key_C, false);
    m_menu.mnurandomarea
            = makeAction(this, QStringLiteral("Randomize In Area"), Qt::CTRL | Qt::Key_R, false);
    m_menu.mnurandom = makeAction(
            this, QStringLiteral("Randomize In All Areas"), Qt::CTRL | Qt::Key_O, false);
    m_menu.mnuerrorscan = makeAction(
            this, QStringLiteral("Scan For Non-Existant Peds"), Qt::CTRL | Qt::Key_P, false);
    m_menu.mnureadme = makeAction(this, QStringLiteral("Readme File"), Qt::CTRL | Qt::Key_F, true);
    m_menu.mnuinfo = makeAction(this, QStringLiteral("Quick Info..."), Qt::CTRL | Qt::Key_Q, true);
    m_menu.mnusite = makeAction(this, QStringLiteral("Author's Site"), Qt::CTRL | Qt::Key_W, true);

    nameMenuEntries();

    auto on = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, command);
    };
    on(m_menu.mnuload, [this] { loadCommand(m_editor, m_platform); });
    on(m_menu.mnusave, [this] { saveCommand(m_editor, m_platform); });
    on(m_menu.mnusaveas, [this] { saveAsCommand(m_editor, m_platform); });
    on(m_menu.mnurestore, [this] { restoreBackupCommand(m_editor, m_platform); });
    on(m_menu.mnuclose, [this] { close(); });
    on(m_menu.mnusetarea, [this] { setAllInAreaCommand(m_editor, *m_platform.dialogs); });
    on(m_menu.mnusetliberty, [this] { setAllInLibertyCityCommand(m_editor, *m_platform.dialogs); });
    on(m_menu.mnurandomarea, [this] { randomizeInAreaCommand(m_editor, *m_platform.random); });
    on(m_menu.mnurandom, [this] { randomizeInAllAreasCommand(m_editor, *m_platform.random); });
    on(m_menu.mnuerrorscan, [this] { scanCommand(m_editor, *m_platform.dialogs); });
    on(m_menu.mnureadme, [this] { readmeCommand(m_platform); });
    on(m_menu.mnuinfo, [this] { quickInfoCommand(m_platform); });
    on(m_menu.mnusite, [this] { authorsSiteCommand(m_platform); });
}

void FrmMain::nameMenuEntries()
{
    const std::pair<QAction *, const char *> names[] = {{m_menu.mnuload, "mnuload"},
            {m_menu.mnusave, "mnusave"}, {m_menu.mnusaveas, "mnusaveas"},
            {m_menu.mnurestore, "mnurestore"}, {m_menu.mnuclose, "mnuclose"},
            {m_menu.mnuundo, "mnuundo"}, {m_menu.mnuredo, "mnuredo"},
            {m_menu.mnusetarea, "mnusetarea"}, {m_menu.mnusetliberty, "mnusetliberty"},
            {m_menu.mnurandomarea, "mnurandomarea"}, {m_menu.mnurandom, "mnurandom"},
            {m_menu.mnuerrorscan, "mnuerrorscan"}, {m_menu.mnureadme, "mnureadme"},
            {m_menu.mnuinfo, "mnuinfo"}, {m_menu.mnusite, "mnusite"}};
    for (const auto &[action, name] : names)
        action->setObjectName(QLatin1String(name));
}

void FrmMain::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(m_menu.mnuload);
    file->addAction(m_menu.mnusave);
    file->addAction(m_menu.mnusaveas);
    file->addSeparator();
    file->addAction(m_menu.mnurestore);
    file->addSeparator();
    file->addAction(m_menu.mnuclose);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(m_menu.mnuundo);
    edit->addAction(m_menu.mnuredo);

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(m_menu.mnusetarea);
    options->addAction(m_menu.mnusetliberty);
    options->addSeparator();
    options->addAction(m_menu.mnurandomarea);
    options->addAction(m_menu.mnurandom);
    options->addSeparator();
    options->addAction(m_menu.mnuerrorscan);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(m_menu.mnureadme);
    help->addAction(m_menu.mnuinfo);
    help->addSeparator();
    help->addAction(m_menu.mnusite);
}

void FrmMain::followEditor()
{
    connect(&m_editor, &Editor::areasReplaced, this, &FrmMain::replaceAreaList);
    connect(&m_editor, &Editor::areaSelected, this, &FrmMain::showSelection);
    connect(&m_editor, &Editor::damagedArea, this, &FrmMain::warnDamagedArea);
    connect(&m_editor, &Editor::slotsShown, this, &FrmMain::showSlots);
    connect(&m_editor, &Editor::documentOpened, this, &FrmMain::enableEditing);
    connect(&m_editor, &Editor::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_editor, &Editor::saveAvailableChanged, m_menu.mnusave, &QAction::setEnabled);
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
    m_frameeditor->setTitle(
            position < 0 ? QStringLiteral("Editor") : QStringLiteral("Editor: [") + name + u']');
}

void FrmMain::warnDamagedArea(const QString &name, const QString &modelList)
{
    m_platform.dialogs->message(damagedAreaText(name, modelList), QStringLiteral("Error"),
            MessageIcon::Warning, MessageButtons::Ok);
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
    box->markUnknownNames(m_editor.file().models.unknownNames(box->currentText()));
}

void FrmMain::enableEditing()
{
    m_cmbareas->setEnabled(true);
    for (SlotBox *box : m_cmbped) {
        // The game folder's own models may differ from the last one's.
        markUnknownModel(box);
        box->setEnabled(true);
    }
    for (QAction *action : {m_menu.mnusaveas, m_menu.mnurandom, m_menu.mnurandomarea,
                 m_menu.mnuerrorscan, m_menu.mnusetarea, m_menu.mnusetliberty})
        action->setEnabled(true);
}

bool FrmMain::mayQuit()
{
    if (!m_editor.isModified())
        return true;
    return m_platform.dialogs->message(
                   QStringLiteral("Unsaved changes have been made. Really Quit?"),
                   QStringLiteral("Really Quit?"), MessageIcon::Warning, MessageButtons::YesNo)
            == Answer::Yes;
}

// The keys of the menus belong to their entries, also where the focus is in a
// box whose text field has a use of its own for them (Ctrl+A, Ctrl+C, Ctrl+E).
bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
            && isMenuShortcut(static_cast<QKeyEvent *>(event))) {
        // Left unaccepted, an override lets the shortcut through; a key press
        // of a disabled entry goes nowhere.
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
            this, [this, path] { openPathCommand(m_editor, m_platform, path); },
            Qt::QueuedConnection);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (mayQuit())
        event->accept();
    else
        event->ignore();
}
