#pragma once

#include <QString>

class QWidget;

// The title of boxes that have none of their own.
inline const QString ProgramTitle = QStringLiteral("Varnel");

enum class MessageIcon { None, Information, Warning };
// YesNo has Yes as the default button; YesNoDefaultNo is for questions where
// Enter must not risk the user's files.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
// Offered: the button of its own of a box that offers one.
enum class Answer { Ok, Yes, No, Offered };
enum class Completion { None, Paths };

// Every question and message of the program goes through this, so that tests
// can answer the questions and read what was shown.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A modal box.
    virtual Answer message(
            const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons)
            = 0;

    // A modal box with OK, the default, and a button of its own beside it;
    // button is its caption with its access key ("&Open It").
    virtual Answer offer(
            const QString &text, const QString &title, MessageIcon icon, const QString &button)
            = 0;

    // A modal one-line input box; the empty text on Cancel.
    virtual QString input(const QString &prompt, const QString &title, const QString &defaultText,
            Completion completion = Completion::None)
            = 0;
};

class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) { }
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer message(const QString &text, const QString &title, MessageIcon icon,
            MessageButtons buttons) override;
    Answer offer(const QString &text, const QString &title, MessageIcon icon,
            const QString &button) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText,
            Completion completion) override;

private:
    QWidget *m_parent;
};
