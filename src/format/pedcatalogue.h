#pragma once

#include <QStringList>

// The 57 pedestrian models the game knows, in the order the slot boxes list them.
const QStringList &pedCatalogue();

// Exact, case-sensitive lookup: no trimming, no case folding.
bool catalogueContains(const QString &name);
