#pragma once

#include "platform/platform.h"
#include "support/fakesettings.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>

struct ShownMessage
{
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
    // The caption of the button of its own that a box offers beside OK.
    QString offered = {};
};

inline bool operator==(const ShownMessage &a, const ShownMessage &b)
{
    return a.text == b.text && a.title == b.title && a.icon == b.icon && a.buttons == b.buttons
            && a.offered == b.offered;
}

// How QCOMPARE prints a message that differs.
char *toString(const ShownMessage &message);

struct AskedInput
{
    QString prompt;
    QString title;
    QString defaultText;
    Completion completion;
};

// Answers input boxes from a queue (the empty text, as Cancel, when it runs
// dry), questions with Yes and offers with OK unless told otherwise; records
// everything.
class FakeDialogs : public Dialogs
{
public:
    Answer message(const QString &text, const QString &title, MessageIcon icon,
            MessageButtons buttons) override;
    Answer offer(const QString &text, const QString &title, MessageIcon icon,
            const QString &button) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText,
            Completion completion) override;

    QStringList inputAnswers;
    QList<Answer> messageAnswers;
    QList<ShownMessage> messages;
    QList<AskedInput> inputs;
    // Runs while a message box is "open", for checks in the middle of a command.
    std::function<void(const ShownMessage &)> onMessage;
    // Questions with these titles are answered Yes and not recorded, for the
    // tests of commands that do not depend on them.
    QStringList passedQuestions;
};

// Gives the numbers it was handed, in order, then zeros; counts the draws.
class ScriptedRandom : public RandomSource
{
public:
    void reseedFromClock() override { ++reseeds; }
    float next() override;

    QList<float> numbers;
    int draws = 0;
    int reseeds = 0;
};

class RecordingLauncher : public Launcher
{
public:
    bool openFile(const QString &path) override;
    bool openUrl(const QUrl &url) override;

    QStringList files;
    QList<QUrl> urls;
    bool succeed = true;
};

struct FakePlatform
{
    FakeDialogs dialogs;
    ScriptedRandom random;
    RecordingLauncher launcher;
    FakeSettings settings;
    QString shippedFilesFolder;
    UserFolders folders = userFolders();

    Platform platform()
    {
        return {&dialogs, &random, &launcher, &settings, shippedFilesFolder, folders};
    }
};
