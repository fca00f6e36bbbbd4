#include "app/windowplacement.h"

#include <QTest>

// Where a window opens beside the main window, on a screen's available area
// of 1280 x 1000 pixels unless a row says otherwise.
class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void opensBesideTheMainWindowWithinTheArea_data();
    void opensBesideTheMainWindowWithinTheArea();
};

void TestWindowPlacement::opensBesideTheMainWindowWithinTheArea_data()
{
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<Side>("preferred");
    QTest::addColumn<QPoint>("place");

    const QRect screen(0, 0, 1280, 1000);
    const QSize small(600, 400);
    const QSize wide(960, 540);
    QTest::newRow("fits on the preferred right")
            << QRect(100, 100, 260, 220) << small << screen << Side::Right << QPoint(360, 100);
    QTest::newRow("fits on the preferred left")
            << QRect(700, 100, 260, 220) << small << screen << Side::Left << QPoint(100, 100);
    QTest::newRow("fits only on the other side")
            << QRect(900, 100, 260, 220) << small << screen << Side::Right << QPoint(300, 100);
    QTest::newRow("fits on neither, more room on the right")
            << QRect(400, 100, 260, 220) << wide << screen << Side::Left << QPoint(320, 100);
    QTest::newRow("main window low on the screen")
            << QRect(100, 700, 260, 220) << small << screen << Side::Right << QPoint(360, 600);
    QTest::newRow("larger than the area") << QRect(100, 100, 260, 220) << QSize(1400, 1100)
                                          << screen << Side::Right << QPoint(0, 0);
    QTest::newRow("second screen under a panel")
            << QRect(1300, 20, 260, 220) << small << QRect(1280, 30, 1920, 1050) << Side::Left
            << QPoint(1560, 30);
}

void TestWindowPlacement::opensBesideTheMainWindowWithinTheArea()
{
    QFETCH(QRect, mainFrame);
    QFETCH(QSize, frameSize);
    QFETCH(QRect, available);
    QFETCH(Side, preferred);
    QFETCH(QPoint, place);
    QCOMPARE(besideMainWindow(mainFrame, frameSize, available, preferred), place);
}

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
