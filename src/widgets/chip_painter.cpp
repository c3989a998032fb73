#include "widgets/chip_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

#include "desktop/shown_text.h"
#include "widgets/twips.h"

namespace velmora::widgets {

QFont ChipFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  return font;
}

int MeasureLabel(const std::string& text) {
  static const QFontMetricsF metrics(ChipFont());
  const double pixels = std::ceil(metrics.horizontalAdvance(desktop::ShownText(text)));
  return static_cast<int>(PixelsToTwips(pixels));
}

ChipKey ChipKeyOf(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      return ChipKey::Previous;
    case Qt::Key_Right:
    case Qt::Key_Down:
      return ChipKey::Next;
    case Qt::Key_Home:
      return ChipKey::First;
    case Qt::Key_End:
      return ChipKey::Last;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ChipKey::Click;
    default:
      return ChipKey::Other;
  }
}

void PaintChip(QPainter& painter, const ChipGeometry& chip, const QString& text, bool focused,
               bool excluded) {
  static const QColor body(0xBF, 0xBF, 0xBF);
  static const QColor divider(0xC3, 0xC3, 0xC3);
  const double x = TwipsToPixels(chip.left);
  const double y = TwipsToPixels(chip.top);
  const double w = TwipsToPixels(chip.width);
  const double full = TwipsToPixels(ChipGeometry::kMaxHeight);
  const double cap = TwipsToPixels(chip.capLeft);
  const QRectF area(x, y, w, TwipsToPixels(chip.height));

  painter.save();
  painter.setClipRect(area);  // a chip lower than the images cuts them off
  painter.setRenderHint(QPainter::Antialiasing);
  // Half-elliptic ends: the body's left end just inside the first column, the cap's
  // right end a little tighter: the shape of the chip images.
  constexpr double kLeftInset = 0.15, kLeftRadius = 8.35, kRightRadius = 7.0;
  const double left = x + kLeftInset;
  const double right = x + w;
  QPainterPath pill;
  pill.moveTo(left + kLeftRadius, y);
  pill.lineTo(right - kRightRadius, y);
  pill.arcTo(QRectF(right - 2 * kRightRadius, y, 2 * kRightRadius, full), 90, -180);
  pill.lineTo(left + kLeftRadius, y + full);
  pill.arcTo(QRectF(left, y, 2 * kLeftRadius, full), 270, -180);
  pill.closeSubpath();
  painter.fillPath(pill, body);

  QFont font = ChipFont();
  font.setStrikeOut(excluded);
  painter.setFont(font);
  painter.setPen(excluded ? QColor(0xB0, 0, 0) : QColor(0, 0, 255));
  const QRectF label(x + TwipsToPixels(chip.labelLeft), y + TwipsToPixels(ChipGeometry::kLabelTop),
                     TwipsToPixels(chip.labelWidth), TwipsToPixels(ChipGeometry::kLabelHeight));
  painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

  // The cap lies above the label and hides what runs under it, white outside its curve.
  const QRectF capRect(x + cap, y, w - cap, full);
  painter.fillRect(capRect, Qt::white);
  QPainterPath capArea;
  capArea.addRect(capRect);
  painter.fillPath(pill.intersected(capArea), body);
  QPainterPath line;
  line.addRect(QRectF(x + cap, y, 1, full));
  painter.fillPath(pill.intersected(line), divider);

  if (focused) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -1, -1));
  }
  painter.restore();
}

}  // namespace velmora::widgets
