#pragma once
// How a chip looks and which keys it answers, shared by the containers that paint
// their chips themselves: a grey pill with blue text and a right-end cap.

#include <QFont>
#include <QPainter>
#include <string>

#include "widgets/chip_geometry.h"

namespace velmora::widgets {

// Arial 9 pt at 96 dpi.
QFont ChipFont();
// The width of the label that shows text on one line, in twips.
int MeasureLabel(const std::string& text);

// What a key does on a chip.
enum class ChipKey { Other, Previous, Next, First, Last, Click };
ChipKey ChipKeyOf(int key);

// Paints a chip at its geometry (twips, relative to the painter's origin); an excluded
// tag struck through, in red.
void PaintChip(QPainter& painter, const ChipGeometry& chip, const QString& text, bool focused,
               bool excluded = false);

}  // namespace velmora::widgets
