#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// The title of boxes that have none of their own.
inline const QString ProgramTitle = QStringLiteral("Varnel");

enum class MessageIcon { None, Information, Warning };
// YesNo has Yes as the default button; YesNoDefaultNo is for questions where
// Enter must not risk the user's files.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
// Offered: the button of its own of a box that offers one.
enum class Answer { Ok, Yes, No, Offered };
// What a one-line input box asks for: any text, or a path of one kind. A path
// box completes folder and file names while they are typed and has a button
// that picks the path in the platform's file dialog.
enum class Completion { None, PedgrpFile, FileToWrite, Folder };

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
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)

public:
    // Asks the user for a path of the kind, starting at start; the empty text
    // on Cancel.
    using PathChooser = std::function<QString(
            QWidget *parent, const QString &title, Completion kind, const QString &start)>;

    // A typed path as a path on this system.
    using PathResolver = std::function<QString(const QString &typed)>;

    explicit QtDialogs(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { m_parent = parent; }
    // In place of the platform's file dialog, which a test cannot answer.
    void setPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }
    // The file dialog starts where the typed path leads as this reads it;
    // without it, only "~/" at the start of the path is read, as the home folder.
    void setPathResolver(PathResolver resolver) { m_resolvePath = std::move(resolver); }

    Answer message(const QString &text, const QString &title, MessageIcon icon,
            MessageButtons buttons) override;
    Answer offer(const QString &text, const QString &title, MessageIcon icon,
            const QString &button) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText,
            Completion completion) override;

private:
    QWidget *m_parent;
    PathChooser m_choosePath;
    PathResolver m_resolvePath;
};
