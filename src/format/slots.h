#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The models of one area: eight slots, as the game takes eight names to a group.
constexpr int SlotCount = 8;

using PedSlots = std::array<QString, SlotCount>;

// A model list cut at its first seven commas: the texts before each of them
// and the rest, further commas included. A list with fewer than seven commas
// gives one piece more than it has commas.
struct SlotPieces
{
    std::array<QStringView, SlotCount> pieces;
    int count = 0;

    bool isWhole() const { return count == SlotCount; }
};
SlotPieces slotPieces(QStringView modelList);

// The eight slots of a list; nothing for a list that cannot be split.
std::optional<PedSlots> splitSlots(QStringView modelList);

// What the slot boxes show of a list: its slots, or for a list that cannot be
// split its pieces in the first boxes and nothing in the rest.
PedSlots shownSlotsOf(QStringView modelList);

// The eight slot texts joined by single commas, exactly as they stand.
QString joinSlots(const PedSlots &pieces);
