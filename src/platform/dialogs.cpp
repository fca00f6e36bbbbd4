#include "platform/dialogs.h"

#include "platform/onekeycompleter.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int PathFieldCharacters = 60;

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Where typed paths read "~/" as the home folder (not on Windows).
bool startsAtHome(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    return path.startsWith(QLatin1String("~/"));
#endif
}

// Completes "~/..." from the home folder as it completes absolute paths, and
// keeps the "~" in what it offers.
class PathCompleter : public OneKeyCompleter
{
public:
    PathCompleter(QAbstractItemModel *model, QObject *parent)
        : OneKeyCompleter(model, parent), m_home(QDir::homePath())
    { }

    QStringList splitPath(const QString &path) const override
    {
        return QCompleter::splitPath(startsAtHome(path) ? m_home + path.mid(1) : path);
    }

    QString pathFromIndex(const QModelIndex &index) const override
    {
        const QString path = QCompleter::pathFromIndex(index);
        if (!startsAtHome(completionPrefix()) || !path.startsWith(m_home + u'/'))
            return path;
        return u'~' + path.mid(m_home.size());
    }

private:
    QString m_home;
};

// Offers folder and file names while typing; the typed text stays the answer.
// The field shows a whole game path of a Linux home folder.
void addPathCompleter(QInputDialog &dialog)
{
    auto *lineEdit = dialog.findChild<QLineEdit *>();
    if (!lineEdit)
        return;
    lineEdit->setMinimumWidth(lineEdit->fontMetrics().averageCharWidth() * PathFieldCharacters);
    auto *model = new QFileSystemModel(&dialog);
    model->setRootPath(QString());
    // The completer reads only the last folder of what is typed: the folders
    // up to the home folder are read ahead, so that "~/" completes at once.
    model->index(QDir::homePath());
    auto *completer = new PathCompleter(model, &dialog);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    lineEdit->setCompleter(completer);
}

// Message texts break lines with CR LF; a label wants LF alone.
QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

QString fromHomeFolder(const QString &typed)
{
    return startsAtHome(typed) ? QDir::homePath() + typed.mid(1) : typed;
}

// Where the file dialog starts for a path: the file or folder it names, a name
// to write in a folder that exists, else the nearest folder above that exists.
QString browseStart(const QString &path, Completion kind)
{
    if (path.isEmpty())
        return QString();
    QFileInfo place(QDir::fromNativeSeparators(path));
    if (kind == Completion::FileToWrite && !place.isDir() && place.dir().exists())
        return place.absoluteFilePath();
    while (!place.exists()) {
        const QFileInfo above(place.absolutePath());
        if (above.absoluteFilePath() == place.absoluteFilePath())
            return QString();
        place = above;
    }
    return place.absoluteFilePath();
}

QString chooseInFileDialog(
        QWidget *parent, const QString &title, Completion kind, const QString &start)
{
    switch (kind) {
    case Completion::PedgrpFile:
        return QFileDialog::getOpenFileName(parent, title, start,
                QtDialogs::tr("Pedestrian groups (pedgrp.dat)") + QLatin1String(";;")
                        + QtDialogs::tr("All files (*)"));
    case Completion::FileToWrite:
        // Save As asks its own question before it replaces a file.
        return QFileDialog::getSaveFileName(
                parent, title, start, QString(), nullptr, QFileDialog::DontConfirmOverwrite);
    case Completion::Folder:
        return QFileDialog::getExistingDirectory(parent, title, start);
    case Completion::None:
        break;
    }
    return QString();
}

// A button beside the field that puts the path chosen in the file dialog into
// the field.
void addBrowseButton(QInputDialog &dialog, Completion kind,
        const QtDialogs::PathChooser &choosePath, const QtDialogs::PathResolver &resolvePath)
{
    // The input dialog lays itself out when first asked its size.
    dialog.adjustSize();
    auto *field = dialog.findChild<QLineEdit *>();
    auto *layout = qobject_cast<QBoxLayout *>(dialog.layout());
    if (!field || !layout)
        return;
    auto *browse = new QPushButton(QtDialogs::tr("&Browse..."), &dialog);
    browse->setObjectName(QStringLiteral("browse"));
    auto *row = new QHBoxLayout;
    layout->insertLayout(layout->indexOf(field), row);
    layout->removeWidget(field);
    row->addWidget(field);
    row->addWidget(browse);
    QWidget::setTabOrder(field, browse);
    QObject::connect(browse, &QPushButton::clicked, &dialog,
            [&dialog, &choosePath, &resolvePath, field, kind] {
                const QString start = browseStart(resolvePath(field->text()), kind);
                const QString chosen = choosePath(&dialog, dialog.windowTitle(), kind, start);
                if (!chosen.isEmpty())
                    field->setText(QDir::toNativeSeparators(chosen));
                field->setFocus();
            });
}

} // namespace

QtDialogs::QtDialogs(QWidget *parent)
    : m_parent(parent), m_choosePath(chooseInFileDialog), m_resolvePath(fromHomeFolder)
{ }

Answer QtDialogs::message(
        const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(boxIcon(icon), title, shownText(text), QMessageBox::NoButton, m_parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons != MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

Answer QtDialogs::offer(
        const QString &text, const QString &title, MessageIcon icon, const QString &button)
{
    QMessageBox box(boxIcon(icon), title, shownText(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    const QPushButton *offered = box.addButton(button, QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == offered ? Answer::Offered : Answer::Ok;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultText,
        Completion completion)
{
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (completion != Completion::None) {
        addPathCompleter(dialog);
        addBrowseButton(dialog, completion, m_choosePath, m_resolvePath);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}
