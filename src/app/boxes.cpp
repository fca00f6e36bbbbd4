#include "app/boxes.h"

#include "platform/onekeycompleter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QValidator>

namespace {

bool isUndoOrRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

bool movesInTheList(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// A line break would split the area's line in the file, and a "#" would end
// its model list.
class LineSafeText : public QValidator
{
public:
    LineSafeText(const bool &showing, QObject *parent) : QValidator(parent), m_showing(showing) { }

    State validate(QString &input, int &pos) const override
    {
        if (m_showing)
            return Acceptable;
        QString kept;
        kept.reserve(input.size());
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (c != u'\r' && c != u'\n' && c != u'#')
                kept.append(c);
            else if (i < pos)
                --pos;
        }
        input = kept;
        return Acceptable;
    }

private:
    const bool &m_showing;
};

} // namespace

void AreaList::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

SlotBox::SlotBox(int slot, const QStringList &names, QWidget *parent)
    : QComboBox(parent), m_slot(slot)
{
    setEditable(true);
    // Typed text is stored as typed: no new list items, no completion that
    // changes case or adds letters.
    setInsertPolicy(QComboBox::NoInsert);
    auto *completion = new OneKeyCompleter(model(), this);
    completion->setCaseSensitivity(Qt::CaseSensitive);
    completion->setCompletionMode(QCompleter::PopupCompletion);
    setCompleter(completion);
    setMaxVisibleItems(20);
    lineEdit()->setValidator(new LineSafeText(m_showing, this));
    {
        // A combo box selects the first item added; that is not a choice of the user.
        const QSignalBlocker blocker(this);
        addItems(names);
        setCurrentIndex(-1);
        setEditText(QString());
    }
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typing = true; });
    connect(this, &QComboBox::editTextChanged, this, &SlotBox::textChanged);
}

void SlotBox::showText(const QString &text)
{
    // Rewriting the text the user types in would move the cursor.
    if (currentText() == text)
        return;
    const QScopedValueRollback showing(m_showing, true);
    setEditText(text);
    followListPosition();
}

void SlotBox::markUnknownNames(const QStringList &names)
{
    QPalette palette = lineEdit()->palette();
    palette.setColor(
            QPalette::Text, names.isEmpty() ? this->palette().color(QPalette::Text) : ErrorColour);
    lineEdit()->setPalette(palette);
    setToolTip(names.isEmpty() ? QString() : unknownModelTip(names.first()));
}

QString SlotBox::unknownModelTip(const QString &name)
{
    return tr("Not a model the game knows: %1").arg(name);
}

void SlotBox::textChanged(const QString &text)
{
    if (m_showing)
        return;
    const SlotEdit kind = m_typing ? SlotEdit::Typing : SlotEdit::Choice;
    m_typing = false;
    emit edited(m_slot, text, kind);
}

// Up, Down and the wheel go on from the name the box shows, not from an older
// choice.
void SlotBox::followListPosition()
{
    const QString text = currentText();
    const int position = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position == currentIndex())
        return;
    const QScopedValueRollback showing(m_showing, true);
    const QSignalBlocker blocker(this);
    setCurrentIndex(position);
    setEditText(text);
}

bool SlotBox::event(QEvent *event)
{
    // Left unaccepted, the keys reach the window's Undo and Redo, not the
    // line edit's own history.
    if (event->type() == QEvent::ShortcutOverride && isUndoOrRedo(static_cast<QKeyEvent *>(event)))
        return true;
    return QComboBox::event(event);
}

void SlotBox::keyPressEvent(QKeyEvent *event)
{
    if (isUndoOrRedo(event))
        return;
    if (movesInTheList(event))
        followListPosition();
    QComboBox::keyPressEvent(event);
}

void SlotBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    followListPosition();
    QComboBox::wheelEvent(event);
}

void SlotBox::mousePressEvent(QMouseEvent *event)
{
    followListPosition();
    QComboBox::mousePressEvent(event);
}

void SlotBox::focusOutEvent(QFocusEvent *event)
{
    emit typingEnded();
    QComboBox::focusOutEvent(event);
}
