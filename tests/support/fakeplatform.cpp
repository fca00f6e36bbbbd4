#include "support/fakeplatform.h"

#include <QTest>

char *toString(const ShownMessage &message)
{
    return QTest::toString(
            QStringLiteral("\"%1\" titled \"%2\", icon %3, buttons %4, offering \"%5\"")
                    .arg(message.text, message.title)
                    .arg(int(message.icon))
                    .arg(int(message.buttons))
                    .arg(message.offered));
}

Answer FakeDialogs::message(
        const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons)
{
    if (passedQuestions.contains(title))
        return Answer::Yes;
    messages.append({text, title, icon, buttons});
    if (onMessage)
        onMessage(messages.last());
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    return messageAnswers.isEmpty() ? Answer::Yes : messageAnswers.takeFirst();
}

Answer FakeDialogs::offer(
        const QString &text, const QString &title, MessageIcon icon, const QString &button)
{
    messages.append({text, title, icon, MessageButtons::Ok, button});
    if (onMessage)
        onMessage(messages.last());
    return messageAnswers.isEmpty() ? Answer::Ok : messageAnswers.takeFirst();
}

QString FakeDialogs::input(const QString &prompt, const QString &title, const QString &defaultText,
        Completion completion)
{
    inputs.append({prompt, title, defaultText, completion});
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

float ScriptedRandom::next()
{
    ++draws;
    return numbers.isEmpty() ? 0.0f : numbers.takeFirst();
}

bool RecordingLauncher::openFile(const QString &path)
{
    files.append(path);
    return succeed;
}

bool RecordingLauncher::openUrl(const QUrl &url)
{
    urls.append(url);
    return succeed;
}
