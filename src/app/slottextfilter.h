#pragma once

#include <QValidator>

// Drops from what the user types or pastes into a slot box the characters an
// area's line cannot hold: a line break would split the line in the file, and
// a "#" would end its model list. Texts the window writes itself pass whole.
class SlotTextFilter : public QValidator
{
public:
    SlotTextFilter(const bool &windowWriting, QObject *parent);

    State validate(QString &input, int &pos) const override;

private:
    const bool &m_windowWriting;
};
