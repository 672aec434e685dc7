#pragma once
// The colour box of the carton dialog: the ten carton colours, each with its swatch.

class QComboBox;

// Fills the box with the colour names in index order, each with a 12 x 12 swatch of
// its colour, five items visible at a time.
void fillColourBox(QComboBox* box);
