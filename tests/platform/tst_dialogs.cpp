#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The real Qt boxes, looked at while they are open and then closed.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void pathPromptsShowAWholeGamePath();
    void questionsDefaultToTheirSafeAnswer_data();
    void questionsDefaultToTheirSafeAnswer();

private:
    // Runs look on the modal box as soon as it is open, then closes it.
    static void whileOpen(const std::function<void(QWidget *)> &look);
};

void TestDialogs::whileOpen(const std::function<void(QWidget *)> &look)
{
    QTimer::singleShot(0, qApp, [look] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        look(box);
        box->close();
    });
}

void TestDialogs::pathPromptsShowAWholeGamePath()
{
    QtDialogs dialogs;
    int shownCharacters = 0;
    whileOpen([&](QWidget *box) {
        const auto *field = box->findChild<QLineEdit *>();
        shownCharacters = field->width() / field->fontMetrics().averageCharWidth();
    });
    dialogs.input(QStringLiteral("Where?"), QStringLiteral("Load"), QString(), Completion::Paths);
    QVERIFY2(shownCharacters >= 60, qPrintable(QString::number(shownCharacters)));
}

void TestDialogs::questionsDefaultToTheirSafeAnswer_data()
{
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::newRow("quit question") << MessageButtons::YesNo << int(QMessageBox::Yes);
    QTest::newRow("question that risks a file")
            << MessageButtons::YesNoDefaultNo << int(QMessageBox::No);
}

void TestDialogs::questionsDefaultToTheirSafeAnswer()
{
    QFETCH(MessageButtons, buttons);
    QFETCH(int, defaultButton);
    QtDialogs dialogs;
    int shownDefault = 0;
    whileOpen([&](QWidget *box) {
        auto *question = qobject_cast<QMessageBox *>(box);
        shownDefault = question->standardButton(question->defaultButton());
    });
    const Answer answer = dialogs.message(
            QStringLiteral("Sure?"), QStringLiteral("Question"), MessageIcon::Warning, buttons);
    QCOMPARE(shownDefault, defaultButton);
    QCOMPARE(answer, Answer::No);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
