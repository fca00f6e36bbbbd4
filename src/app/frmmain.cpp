#include "app/frmmain.h"

#include "app/filecommands.h"
#include "bulk/randomize.h"
#include "bulk/scan.h"
#include "bulk/setall.h"
#include "document/gamepaths.h"
#include "document/pedcatalogue.h"
#include "document/pedgrpfile.h"
#include "help/helpcommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

const QString AppTitle = QStringLiteral("Varnel");
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

} // namespace

FrmMain::FrmMain(const Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(QStringLiteral(":/icons/varnel.png")));
    createControls();
    createActions();
    createMenus();
    fillSlotLists();
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

    m_cmbareas = new QComboBox(m_frameeditor);
    m_cmbareas->setGeometry(twips(960, 240, 2460, 300));
    m_cmbareas->setAccessibleName(QStringLiteral("Area List"));
    m_cmbareas->setEnabled(false);
    connect(m_cmbareas, &QComboBox::activated, this, &FrmMain::showArea);

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
    for (int slot = 0; slot < SlotCount; ++slot) {
        auto *box = new QComboBox(m_frameeditor);
        box->setEditable(true);
        // Typed text is stored as typed: no new list items, no completion that
        // changes case or adds letters.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->completer()->setCaseSensitivity(Qt::CaseSensitive);
        box->completer()->setCompletionMode(QCompleter::PopupCompletion);
        box->setGeometry(slotPlaces[slot]);
        box->setAccessibleName(QStringLiteral("Ped ") + QString::number(slot + 1));
        box->setEnabled(false);
        connect(box, &QComboBox::editTextChanged, this, &FrmMain::slotChanged);
        m_cmbped[slot] = box;
    }

    for (QWidget *widget : {static_cast<QWidget *>(m_label5), static_cast<QWidget *>(m_label1),
                 static_cast<QWidget *>(m_cmbareas)})
        widget->setFont(small);
    for (QComboBox *box : m_cmbped)
        box->setFont(small);

    setTabOrder(m_cmbareas, m_cmbped[0]);
    for (int slot = 1; slot < SlotCount; ++slot)
        setTabOrder(m_cmbped[slot - 1], m_cmbped[slot]);
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

    connect(m_menu.mnuload, &QAction::triggered, this, &FrmMain::loadCommand);
    connect(m_menu.mnusave, &QAction::triggered, this, [this] { saveCommand(*this); });
    connect(m_menu.mnusaveas, &QAction::triggered, this, [this] { saveAsCommand(*this); });
    connect(m_menu.mnurestore, &QAction::triggered, this, [this] { restoreBackupCommand(*this); });
    connect(m_menu.mnuclose, &QAction::triggered, this, &FrmMain::exitCommand);
    connect(m_menu.mnusetarea, &QAction::triggered, this, [this] { setAllInAreaCommand(*this); });
    connect(m_menu.mnusetliberty, &QAction::triggered, this,
            [this] { setAllInLibertyCityCommand(*this); });
    connect(m_menu.mnurandomarea, &QAction::triggered, this,
            [this] { randomizeInAreaCommand(*this); });
    connect(m_menu.mnurandom, &QAction::triggered, this,
            [this] { randomizeInAllAreasCommand(*this); });
    connect(m_menu.mnuerrorscan, &QAction::triggered, this, [this] { scanCommand(*this); });
    connect(m_menu.mnureadme, &QAction::triggered, this, [this] { readmeCommand(*this); });
    connect(m_menu.mnuinfo, &QAction::triggered, this, [this] { quickInfoCommand(*this); });
    connect(m_menu.mnusite, &QAction::triggered, this, [this] { authorsSiteCommand(*this); });
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

void FrmMain::fillSlotLists()
{
    for (QComboBox *box : m_cmbped) {
        // A combo box selects the first item added; that is not a choice of the user.
        const QSignalBlocker blocker(box);
        box->addItems(pedCatalogue());
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
}

int FrmMain::selectedArea() const
{
    return m_cmbareas->currentIndex();
}

void FrmMain::selectArea(int position)
{
    {
        const QSignalBlocker blocker(m_cmbareas);
        m_cmbareas->setCurrentIndex(position);
    }
    showArea(position);
}

void FrmMain::setSlotText(int slot, const QString &text)
{
    m_cmbped.at(slot)->setEditText(text);
}

void FrmMain::showArea(int position)
{
    const QString name = m_cmbareas->itemText(position);
    m_frameeditor->setTitle(QStringLiteral("Editor: [") + name + u']');
    const int area = position + 1;
    if (area < 1 || area > AreaCapacity)
        return;
    const QString list = m_table.areaPeds(area);
    if (const auto pieces = splitSlots(list)) {
        showSlots(QStringList(pieces->begin(), pieces->end()));
        return;
    }
    dialogs().message(damagedAreaText(name, list), QStringLiteral("Error"), MessageIcon::Warning,
            MessageButtons::Ok);
    showSlots(list.split(u','));
}

void FrmMain::showSlots(const QStringList &names)
{
    const QScopedValueRollback showing(m_showingArea, true);
    for (int slot = 0; slot < SlotCount; ++slot)
        m_cmbped[slot]->setEditText(slot < names.size() ? names[slot] : QString());
}

void FrmMain::slotChanged()
{
    if (m_showingArea)
        return;
    const int area = selectedArea() + 1;
    if (area >= 1 && area <= AreaCapacity) {
        PedSlots pieces;
        for (int slot = 0; slot < SlotCount; ++slot)
            pieces[slot] = m_cmbped[slot]->currentText();
        m_table.setAreaPeds(area, joinSlots(pieces));
    }
    m_table.modified = true;
}

void FrmMain::loadCommand()
{
    const QString typed
            = dialogs().input(QStringLiteral("Enter the location of your GTA 3 Directory:"),
                    QStringLiteral("Enter Directory"), DefaultGameDirectory, Completion::Paths);
    if (typed.isEmpty())
        return;
    const QString gameDirectory = withSeparator(typed);
    // The file is read whole into a table of its own: the open document stays
    // as it is until the read has succeeded.
    ReadResult read = readPedgrpFile(resolvePath(gameFilePath(gameDirectory)));
    if (!read.ok()) {
        dialogs().message(QStringLiteral("An error occured, the error was: ") + read.error + u'.',
                AppTitle, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    read.table.gameDirectory = gameDirectory;
    adoptDocument(std::move(read.table));
    enableEditing();
}

void FrmMain::adoptDocument(AreaTable table)
{
    m_table = std::move(table);
    m_hasDocument = true;
    {
        const QSignalBlocker blocker(m_cmbareas);
        m_cmbareas->clear();
        for (int area = 1; area <= m_table.areaCount(); ++area)
            m_cmbareas->addItem(m_table.areaName(area));
        m_cmbareas->setCurrentIndex(-1);
    }
    if (m_cmbareas->count() > 0) {
        selectArea(0);
    } else {
        m_frameeditor->setTitle(QStringLiteral("Editor"));
        showSlots({});
    }
}

void FrmMain::enableEditing()
{
    m_cmbareas->setEnabled(true);
    for (QComboBox *box : m_cmbped)
        box->setEnabled(true);
    for (QAction *action :
            {m_menu.mnusave, m_menu.mnusaveas, m_menu.mnurandom, m_menu.mnurandomarea,
                    m_menu.mnuerrorscan, m_menu.mnusetarea, m_menu.mnusetliberty})
        action->setEnabled(true);
}

bool FrmMain::mayQuit()
{
    if (!m_table.modified)
        return true;
    return dialogs().message(QStringLiteral("Unsaved changes have been made. Really Quit?"),
                   QStringLiteral("Really Quit?"), MessageIcon::Warning, MessageButtons::YesNo)
            == Answer::Yes;
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (mayQuit())
        event->accept();
    else
        event->ignore();
}

void FrmMain::exitCommand()
{
    close();
}
