#include "app/frmmain.h"
#include "support/editortest.h"
#include "support/testfiles.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

QString spokenName(QObject *object)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

// What a screen reader says for each control.
class TestAccessibility : public QObject, protected EditorTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void namesEveryControl();
    void namesTheSlotsAsTheScanCountsThem();
    void frameIsNamedByItsCurrentCaption();
};

void TestAccessibility::init()
{
    QVERIFY(createEditor());
}

void TestAccessibility::cleanup()
{
    destroyEditor();
}

void TestAccessibility::namesEveryControl()
{
    QList<QWidget *> controls{frameeditor()};
    for (QWidget *control : frameeditor()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        controls.append(control);
    QCOMPARE(controls.size(), 1 + 2 + 1 + SlotCount);
    for (QWidget *control : controls)
        QVERIFY2(!spokenName(control).isEmpty(), control->metaObject()->className());

    QCOMPARE(spokenName(cmbareas()), QStringLiteral("Area List"));
    QCOMPARE(spokenName(frameeditor()), QStringLiteral("Editor"));
}

void TestAccessibility::namesTheSlotsAsTheScanCountsThem()
{
    QStringList names;
    for (int slot = 0; slot < SlotCount; ++slot)
        names << spokenName(cmbped(slot));
    QCOMPARE(names,
            QStringList({"Ped 1", "Ped 2", "Ped 3", "Ped 4", "Ped 5", "Ped 6", "Ped 7", "Ped 8"}));
}

void TestAccessibility::frameIsNamedByItsCurrentCaption()
{
    const QByteArray models = "MALE01,MALE01,MALE01,MALE01,MALE01,MALE01,MALE01,MALE01";
    loadGame(areaLine(models, "Downtown") + areaLine(models, "Harbour"));
    QCOMPARE(spokenName(frameeditor()), QStringLiteral("Editor: [Downtown]"));
    m_editor->selectArea(1);
    QCOMPARE(spokenName(frameeditor()), QStringLiteral("Editor: [Harbour]"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
