#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

constexpr int AreaCapacity = 100;
constexpr int SlotCount = 8;

using PedSlots = std::array<QString, SlotCount>;

// Slots 0 to 6 are the texts before each of the first seven commas; slot 7 is
// everything after the seventh, further commas included. A list with fewer than
// seven commas cannot be split.
std::optional<PedSlots> splitSlots(const QString &modelList);

// The eight slot texts joined by single commas, exactly as they stand.
QString joinSlots(const PedSlots &pieces);

// The pedgrp.dat document: up to 100 areas in file order, numbered from 1.
class AreaTable
{
public:
    void reset();

    // Classifies one line (without its line end) and takes it in: comment lines
    // join the header, lines the game takes for blank (isGameBlank) are
    // skipped, every other line raises areaCounter and is parsed as that area.
    // On failure returns false and fills error with a description; nothing of
    // the failing line is stored.
    bool takeLine(const QString &line, int &areaCounter, QString *error);
    // The name is what follows the first "# " once TABs are gone (else the
    // first "#", else nothing), TABs removed; the model list is what precedes
    // it, its names joined by single commas.
    bool parseAreaLine(const QString &line, int area, QString *error);

    // The bytes-to-be of a written file (as Latin-1 text): the header, one empty
    // line, then one line per area whose model list is not empty, all ending in CR LF.
    QString composeFile() const;
    QString composeAreaLine(int area) const;

    // Names the first area whose model list holds a character that its line in
    // the file cannot carry (above Latin-1, a line break or "#"), and that
    // character; empty when every list can be written.
    QString describeUnwritableCharacter() const;

    QString areaPeds(int area) const { return m_areaPeds.at(area - 1); }
    void setAreaPeds(int area, const QString &list) { m_areaPeds.at(area - 1) = list; }
    QString areaName(int area) const { return m_areaNames.at(area - 1); }
    // The number of area lines read; the area list shows names 1 to this.
    int areaCount() const { return m_areaCount; }

    QString headerText;
    QString gameDirectory;
    bool modified = false;

private:
    void appendAreaLine(int area, QString &text) const;

    std::array<QString, AreaCapacity> m_areaPeds;
    std::array<QString, AreaCapacity> m_areaNames;
    int m_areaCount = 0;
};
