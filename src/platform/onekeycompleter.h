#pragma once

#include <QCompleter>

// A completer whose list takes Enter and Tab in one press. Enter takes the
// highlighted completion, or leaves the text as typed, and goes on as Enter
// does in the field: it closes a prompt or keeps a table cell's edit. Tab takes
// the highlighted completion and leaves the focus in the field, for the rest of
// a path. (QCompleter's list keeps Enter for itself, so that it had to be
// pressed twice, and lets Tab move the focus on.)
class OneKeyCompleter : public QCompleter
{
public:
    using QCompleter::QCompleter;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
