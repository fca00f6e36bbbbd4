#include "platform/onekeycompleter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

bool OneKeyCompleter::eventFilter(QObject *watched, QEvent *event)
{
    // The list is the other object the completer watches besides the field.
    if (watched == widget() || event->type() != QEvent::KeyPress)
        return QCompleter::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter && key->key() != Qt::Key_Tab)
        return QCompleter::eventFilter(watched, event);
    // On Enter the list closes and takes the highlighted completion. QCompleter
    // shows this Return to the field first, so the field sees Enter twice and
    // emits returnPressed twice: act on the dialog's or the delegate's Enter,
    // never on the field's own signal.
    QKeyEvent take(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCompleter::eventFilter(watched, &take);
    if (enter) {
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(widget(), &again);
    }
    return true;
}
