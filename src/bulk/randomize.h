#pragma once

class Editor;
class RandomSource;

// The list position that a number r in [0, 1) picks from a list of itemCount
// items: floor(itemCount * r), never past the last item.
int drawPosition(int itemCount, float r);

// Fills the eight slots of the selected area with catalogue models, one draw
// per slot in slot order.
void randomizeInAreaCommand(Editor &editor, RandomSource &random);
// The same for every area of the list, in list order; the last area stays selected.
void randomizeInAllAreasCommand(Editor &editor, RandomSource &random);
