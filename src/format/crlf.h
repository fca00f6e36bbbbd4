#pragma once

#include <QString>

// Lines end in CR LF, in written files and in the texts of messages.
inline const QString CrLf = QStringLiteral("\r\n");
