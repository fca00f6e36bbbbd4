#pragma once

#include <QChar>

// What the game takes for a blank: any character up to 0x20. A line of only
// these gives the game nothing, and the reader skips it too.
inline bool isGameBlank(QChar c)
{
    return c.unicode() <= u' ';
}
