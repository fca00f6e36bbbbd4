#include "app/frmmain.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// The menus' keys, pressed as a user does wherever the focus is in the window.
class TestShortcuts : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuKeysRunTheirEntryWhereverTheFocusIs_data();
    void menuKeysRunTheirEntryWhereverTheFocusIs();
    void theSlotTextKeepsItsOtherKeys();

private:
    // Gives the control the focus, as a click would.
    bool focus(const char *control);
};

void TestShortcuts::init()
{
    QVERIFY(createEditor());
    // Without a window manager nothing else makes the window active.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    loadGame(threeAreas());
    // A step to undo and one to redo: the first draws are not all zeros.
    m_fake->random.numbers = QList<float>(SlotCount, 0.5f);
    auto *randomize = m_window->findChild<QAction *>(QStringLiteral("mnurandomarea"));
    randomize->trigger();
    randomize->trigger();
    m_window->findChild<QAction *>(QStringLiteral("mnuundo"))->trigger();
}

void TestShortcuts::cleanup()
{
    destroyEditor();
}

bool TestShortcuts::focus(const char *control)
{
    if (QLatin1String(control) == QLatin1String("areatable")) {
        m_window->findChild<QAction *>(QStringLiteral("mnuallareas"))->trigger();
        auto *allAreas = m_window->findChild<QWidget *>(QStringLiteral("frmallareas"));
        if (!QTest::qWaitFor([allAreas] { return QApplication::activeWindow() == allAreas; }))
            return false;
    }
    auto *widget = m_window->findChild<QWidget *>(QLatin1String(control));
    widget->setFocus(Qt::MouseFocusReason);
    return QApplication::focusWidget() == widget;
}

void TestShortcuts::menuKeysRunTheirEntryWhereverTheFocusIs_data()
{
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    const QList<std::pair<const char *, const char *>> keys{{"Ctrl+L", "mnuload"},
            {"Ctrl+S", "mnusave"}, {"Ctrl+A", "mnusaveas"}, {"Ctrl+B", "mnurestore"},
            {"Ctrl+E", "mnuclose"}, {"Ctrl+Z", "mnuundo"}, {"Ctrl+Y", "mnuredo"},
            {"Ctrl+Shift+Z", "mnuredo"}, {"Ctrl+D", "mnusetarea"}, {"Ctrl+C", "mnusetliberty"},
            {"Ctrl+T", "mnuallareas"}, {"Ctrl+R", "mnurandomarea"}, {"Ctrl+O", "mnurandom"},
            {"Ctrl+P", "mnuerrorscan"}, {"Ctrl+F", "mnureadme"}, {"Ctrl+Q", "mnuinfo"},
            {"Ctrl+W", "mnusite"}};
    for (const QByteArray control : {"cmbped2", "cmbareas"}) {
        for (const auto &[sequence, entry] : keys)
            QTest::addRow("%s in %s", sequence, control.constData())
                    << control << QString::fromLatin1(sequence) << QString::fromLatin1(entry);
    }
    // The All Areas window has the document's keys.
    const QList<std::pair<const char *, const char *>> documentKeys{{"Ctrl+Z", "mnuundo"},
            {"Ctrl+Y", "mnuredo"}, {"Ctrl+Shift+Z", "mnuredo"}, {"Ctrl+S", "mnusave"}};
    for (const auto &[sequence, entry] : documentKeys)
        QTest::addRow("%s in All Areas", sequence)
                << QByteArray("areatable") << QString::fromLatin1(sequence)
                << QString::fromLatin1(entry);
}

void TestShortcuts::menuKeysRunTheirEntryWhereverTheFocusIs()
{
    QFETCH(QByteArray, control);
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    QSignalSpy ran(m_window->findChild<QAction *>(entry), &QAction::triggered);
    QVERIFY(focus(control));

    QTest::keySequence(QApplication::focusWidget(), QKeySequence(keys));

    QCOMPARE(ran.size(), 1);
}

void TestShortcuts::theSlotTextKeepsItsOtherKeys()
{
    QVERIFY(focus("cmbped0"));
    QWidget *field = QApplication::focusWidget();
    auto *text = m_window->findChild<QComboBox *>(QStringLiteral("cmbped0"))->lineEdit();
    text->selectAll();
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(text->text(), QString());
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, QStringLiteral("x"));
    QCOMPARE(text->text(), QStringLiteral("xmale01"));
}

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
