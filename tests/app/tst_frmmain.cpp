#include "app/frmmain.h"
#include "format/pedcatalogue.h"
#include "support/editortest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class TestFrmMain : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hasItsCaptionAndFrame();
    void menusHoldEveryEntryInOrder();
    void onlyLoadRestoreExitAllAreasAndHelpWorkAtStart();
    void disabledShortcutsDoNothing();
    void slotBoxesListTheCatalogueAndShowNothing();
    void controlsStandWhereTheyAreDrawn();
    void languageIsChosenForTheNextStart();
    void tabGoesFromTheAreaListThroughTheSlots();
    void savesAScreenshot();
};

void TestFrmMain::init()
{
    QVERIFY(createEditor());
}

void TestFrmMain::cleanup()
{
    destroyEditor();
}

void TestFrmMain::hasItsCaptionAndFrame()
{
    QCOMPARE(m_window->windowHandle()->title(), QStringLiteral("Varnel"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(frameeditor()->title(), QStringLiteral("Editor"));
    QVERIFY(frameeditor()->font().bold());
    QVERIFY(!cmbareas()->isEditable());
    QCOMPARE(cmbareas()->count(), 0);
    QCOMPARE(cmbareas()->currentIndex(), -1);
    QStringList labels;
    for (const QLabel *label : frameeditor()->findChildren<QLabel *>())
        labels << label->text();
    labels.sort();
    QCOMPARE(labels, (QStringList{"Area List:", "Peds In Area:"}));
}

void TestFrmMain::menusHoldEveryEntryInOrder()
{
    // Caption and shortcut of every entry, "-" for a separator.
    const QList<QPair<QString, QStringList>> expected{
            {"&File",
                    {"Load pedgrp.dat...|Ctrl+L", "Save|Ctrl+S", "Save As...|Ctrl+A", "-",
                            "Restore BackUp|Ctrl+B", "Earlier Versions...|", "-", "Exit|Ctrl+E"}},
            {"&Edit", {"&Undo|Ctrl+Z", "&Redo|Ctrl+Y"}},
            {"&View", {"All &Areas|Ctrl+T", "Zone &Map|Ctrl+M", "-", "&Language|"}},
            {"&Options",
                    {"Set All In Area...|Ctrl+D", "Set All In Liberty City...|Ctrl+C", "-",
                            "Randomize In Area|Ctrl+R", "Randomize In All Areas|Ctrl+O", "-",
                            "Scan For Non-Existant Peds|Ctrl+P", "-", "Keep File Layout|"}},
            {"&Help", {"Readme File|Ctrl+F", "Quick Info...|Ctrl+Q", "-", "Author's Site|Ctrl+W"}},
    };
    const QList<QAction *> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (int m = 0; m < menus.size(); ++m) {
        QCOMPARE(menus[m]->text(), expected[m].first);
        QStringList entries;
        for (const QAction *entry : menus[m]->menu()->actions()) {
            entries << (entry->isSeparator() ? QStringLiteral("-")
                                             : entry->text() + u'|' + entry->shortcut().toString());
        }
        QCOMPARE(entries, expected[m].second);
    }
}

void TestFrmMain::onlyLoadRestoreExitAllAreasAndHelpWorkAtStart()
{
    for (QAction *on : {action("mnuload"), action("mnurestore"), action("mnuversions"),
                 action("mnuclose"), action("mnuallareas"), action("mnuzonemap"),
                 action("mnukeeplayout"), action("mnureadme"), action("mnuinfo"),
                 action("mnusite")})
        QVERIFY2(on->isEnabled(), qPrintable(on->text()));
    for (QAction *off :
            {action("mnusave"), action("mnusaveas"), action("mnusetarea"), action("mnusetliberty"),
                    action("mnurandomarea"), action("mnurandom"), action("mnuerrorscan")})
        QVERIFY2(!off->isEnabled(), qPrintable(off->text()));
    QVERIFY(!cmbareas()->isEnabled());
    for (int slot = 0; slot < SlotCount; ++slot)
        QVERIFY(!cmbped(slot)->isEnabled());
}

void TestFrmMain::disabledShortcutsDoNothing()
{
    for (const char key : {'S', 'A', 'D', 'C', 'R', 'O', 'P'})
        QTest::keyClick(m_window.get(), key, Qt::ControlModifier);
    QVERIFY(m_fake->dialogs.inputs.isEmpty());
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QCOMPARE(m_fake->random.draws, 0);

    // An enabled entry does answer its shortcut: Load asks for the folder.
    QTest::keyClick(m_window.get(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(m_fake->dialogs.inputs.size(), 1);
}

void TestFrmMain::slotBoxesListTheCatalogueAndShowNothing()
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QComboBox *box = cmbped(slot);
        QVERIFY(box->isEditable());
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, pedCatalogue());
        QCOMPARE(box->currentText(), QString());
    }
    QVERIFY(!m_editor->isModified());
    QVERIFY(m_editor->table().areas.isEmpty());
}

void TestFrmMain::controlsStandWhereTheyAreDrawn()
{
    QCOMPARE(m_window->centralWidget()->size(), QSize(250, 193));
    QCOMPARE(frameeditor()->geometry(), QRect(8, 8, 235, 177));
    QCOMPARE(cmbareas()->geometry(), QRect(64, 16, 164, 20));
    QCOMPARE(cmbped(0)->geometry(), QRect(8, 72, 107, 20));
    QCOMPARE(cmbped(1)->geometry(), QRect(120, 72, 107, 20));
    QCOMPARE(cmbped(6)->geometry(), QRect(8, 144, 107, 20));
    QCOMPARE(cmbped(7)->geometry(), QRect(120, 144, 107, 20));

    // The layout does not follow the window's size.
    const QRect before = cmbped(7)->geometry();
    m_window->resize(m_window->width() + 100, m_window->height() + 100);
    QCOMPARE(cmbped(7)->geometry(), before);
}

void TestFrmMain::languageIsChosenForTheNextStart()
{
    const auto entries = [](const FrmMain &window) {
        QStringList names;
        for (const QAction *entry : window.findChild<QMenu *>("mnulanguage")->actions())
            names << entry->text() + (entry->isChecked() ? "*" : "");
        return names;
    };
    QCOMPARE(entries(*m_window),
            (QStringList{"System Language*", "English", "Deutsch", "Français", "Italiano",
                    "Español", "Русский", "Polski", "Português (Brasil)"}));

    QMenu *menu = child<QMenu>("mnulanguage");
    menu->actions().at(2)->trigger();
    menu->actions().at(2)->trigger();
    QCOMPARE(m_fake->settings.languageCode, QStringLiteral("de"));
    const ShownMessage told{"Varnel will use the new language the next time it starts.", "Language",
            MessageIcon::Information, MessageButtons::Ok};
    QCOMPARE(m_fake->dialogs.messages, QList{told});
    QCOMPARE(entries(*m_window).at(2), QStringLiteral("Deutsch*"));

    // The next start checks the remembered entry; one no longer spoken is the system's.
    m_fake->settings.languageCode = QStringLiteral("pt_BR");
    QCOMPARE(entries(FrmMain(*m_editor, *m_files, m_fake->platform())).last(),
            QStringLiteral("Português (Brasil)*"));
    m_fake->settings.languageCode = QStringLiteral("xx");
    QCOMPARE(entries(FrmMain(*m_editor, *m_files, m_fake->platform())).first(),
            QStringLiteral("System Language*"));
}

void TestFrmMain::tabGoesFromTheAreaListThroughTheSlots()
{
    QWidget *expected = cmbareas();
    for (int slot = 0; slot < SlotCount; ++slot) {
        QWidget *next = expected->nextInFocusChain();
        while (next->focusProxy() || next->parentWidget() == cmbped(slot))
            next = next->nextInFocusChain();
        QVERIFY(next == cmbped(slot) || next->parentWidget() == cmbped(slot));
        expected = cmbped(slot);
    }
}

void TestFrmMain::savesAScreenshot()
{
    QDir().mkpath(QStringLiteral(VARNEL_ARTIFACTS));
    const QString path = QStringLiteral(VARNEL_ARTIFACTS "/frmmain.png");
    QVERIFY(m_window->grab().save(path));
    qInfo("Screenshot of the window: %s", qPrintable(path));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
