#include "platform/dialogs.h"
#include "support/testfiles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The real Qt boxes, looked at while they are open and then closed.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void pathPromptsShowAWholeGamePath();
    void pathPromptsCompleteFromTheHomeFolder();
    void oneEnterClosesThePromptTabKeepsIt_data();
    void oneEnterClosesThePromptTabKeepsIt();
    void browseFillsTheField_data();
    void browseFillsTheField();
    void questionsDefaultToTheirSafeAnswer_data();
    void questionsDefaultToTheirSafeAnswer();
    void anOfferedButtonAnswersWhenClicked();

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
    dialogs.input(
            QStringLiteral("Where?"), QStringLiteral("Load"), QString(), Completion::PedgrpFile);
    QVERIFY2(shownCharacters >= 60, qPrintable(QString::number(shownCharacters)));
}

void TestDialogs::pathPromptsCompleteFromTheHomeFolder()
{
#ifdef Q_OS_WIN
    QSKIP("Typed paths on Windows know no \"~\".");
#endif
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("games")));
    const QByteArray userHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    QtDialogs dialogs;
    QString offered;
    whileOpen([&](QWidget *box) {
        auto *field = box->findChild<QLineEdit *>();
        QCompleter *completer = field->completer();
        QTest::keyClicks(field, QStringLiteral("~/ga"));
        // The folders are read in the background; the field has no focus to
        // look again by itself.
        const auto completes = [completer] {
            completer->setCompletionPrefix(completer->completionPrefix());
            return completer->completionCount() > 0;
        };
        if (QTest::qWaitFor(completes))
            offered = completer->currentCompletion();
    });
    dialogs.input(
            QStringLiteral("Where?"), QStringLiteral("Load"), QString(), Completion::PedgrpFile);
    qputenv("HOME", userHome);
    QCOMPARE(offered, QStringLiteral("~/games"));
}

void TestDialogs::oneEnterClosesThePromptTabKeepsIt_data()
{
    QTest::addColumn<bool>("highlight");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Enter on a highlighted completion")
            << true << int(Qt::Key_Return) << "games" << true;
    QTest::newRow("Enter on the text as typed") << false << int(Qt::Key_Return) << "ga" << true;
    QTest::newRow("Tab on a highlighted completion")
            << true << int(Qt::Key_Tab) << "games" << false;
}

void TestDialogs::oneEnterClosesThePromptTabKeepsIt()
{
    QFETCH(bool, highlight);
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(bool, closes);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("games")));
    QtDialogs dialogs;
    QString text;
    bool open = false;
    bool keepsFocus = false;
    whileOpen([&](QWidget *box) {
        auto *field = box->findChild<QLineEdit *>();
        QTest::keyClicks(field, folder.path() + QStringLiteral("/ga"));
        QCompleter *completer = field->completer();
        // As typing letter by letter would, the folders of the path are read.
        qobject_cast<QFileSystemModel *>(completer->model())->index(folder.path());
        QVERIFY(QTest::qWaitFor([completer] {
            completer->setCompletionPrefix(completer->completionPrefix());
            return completer->completionCount() > 0;
        }));
        completer->complete();
        QAbstractItemView *list = completer->popup();
        QVERIFY(list->isVisible());
        if (highlight)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key(key));
        text = QDir::fromNativeSeparators(field->text());
        open = box->isVisible();
        keepsFocus = box->focusWidget() == field;
    });
    const QString answer = dialogs.input(
            QStringLiteral("Where?"), QStringLiteral("Load"), QString(), Completion::PedgrpFile);
    QCOMPARE(text, folder.path() + u'/' + shown);
    QCOMPARE(open, !closes);
    QVERIFY(closes || keepsFocus);
    QCOMPARE(QDir::fromNativeSeparators(answer), closes ? text : QString());
}

void TestDialogs::browseFillsTheField_data()
{
    QTest::addColumn<Completion>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("start");
    QTest::newRow("a pedgrp.dat file, from the file typed")
            << Completion::PedgrpFile << "game/data/pedgrp.dat"
            << "game/data/pedgrp.dat";
    QTest::newRow("a new file to write") << Completion::FileToWrite << "game/new.dat"
                                         << "game/new.dat";
    QTest::newRow("a folder, from the nearest that exists")
            << Completion::Folder << "game/missing/deeper"
            << "game";
}

void TestDialogs::browseFillsTheField()
{
    QFETCH(Completion, kind);
    QFETCH(QString, typed);
    QFETCH(QString, start);
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("game/data/pedgrp.dat")), "#\r\n");
    const QString chosen = folder.filePath(QStringLiteral("chosen/pedgrp.dat"));
    Completion askedKind = Completion::None;
    QString askedStart;
    QtDialogs dialogs;
    dialogs.setPathChooser([&](QWidget *, const QString &, Completion asked, const QString &from) {
        askedKind = asked;
        askedStart = from;
        return chosen;
    });
    QString shown;
    whileOpen([&](QWidget *box) {
        auto *browse = box->findChild<QPushButton *>(QStringLiteral("browse"));
        QVERIFY(browse);
        QCOMPARE(browse->text(), QStringLiteral("&Browse..."));
        browse->click();
        shown = box->findChild<QLineEdit *>()->text();
    });
    dialogs.setPathResolver([&folder](const QString &path) { return folder.filePath(path); });
    dialogs.input(QStringLiteral("Where?"), QStringLiteral("Load"), typed, kind);
    QCOMPARE(askedKind, kind);
    QCOMPARE(askedStart, folder.filePath(start));
    QCOMPARE(shown, QDir::toNativeSeparators(chosen));
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

void TestDialogs::anOfferedButtonAnswersWhenClicked()
{
    QtDialogs dialogs;
    const QString openIt = QStringLiteral("&Open It");
    bool okIsTheDefault = false;
    whileOpen([&](QWidget *box) {
        auto *offer = qobject_cast<QMessageBox *>(box);
        okIsTheDefault = offer->defaultButton() == offer->button(QMessageBox::Ok);
        for (QAbstractButton *button : offer->buttons())
            if (button->text() == openIt)
                button->click();
    });
    QCOMPARE(dialogs.offer(QStringLiteral("Kept."), QStringLiteral("Varnel"),
                     MessageIcon::Information, openIt),
            Answer::Offered);
    QVERIFY(okIsTheDefault);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
