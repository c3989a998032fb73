#include "widgets/tag_ctrl.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "desktop/shown_text.h"
#include "widgets/chip_painter.h"
#include "widgets/twips.h"

namespace velmora::widgets {

TagCtrl::TagCtrl(QWidget* parent, const std::string& instanceName) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  SetText(instanceName);
}

void TagCtrl::SetText(const std::string& text) {
  text_ = text;
  geometry_.SetLabelWidth(MeasureLabel(text_));
  SetSize(geometry_.width, geometry_.height);
  setAccessibleName(platform::ShownText(text_));
  update();
}

void TagCtrl::Move(int leftTwips, int topTwips) {
  geometry_.left = leftTwips;
  geometry_.top = topTwips;
  move(TwipsToWholePixels(leftTwips), TwipsToWholePixels(topTwips));
}

void TagCtrl::SetSize(int widthTwips, int heightTwips) {
  geometry_.SetSize(widthTwips, heightTwips);
  resize(TwipsToWholePixels(geometry_.width), TwipsToWholePixels(geometry_.height));
  update();
}

QSize TagCtrl::sizeHint() const {
  return {TwipsToWholePixels(geometry_.width), TwipsToWholePixels(geometry_.height)};
}

ChipGeometry TagCtrl::Local() const {
  ChipGeometry here = geometry_;
  here.left = here.top = 0;
  return here;
}

void TagCtrl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);  // the images are white outside the pill
  PaintChip(painter, Local(), platform::ShownText(text_), hasFocus());
}

void TagCtrl::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void TagCtrl::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton &&
      Local().Contains(PixelsToTwips(event->position().x()), PixelsToTwips(event->position().y()));
  pressed_ = false;
  if (click) emit Click(text_);  // nothing may touch the chip after this
}

void TagCtrl::keyPressEvent(QKeyEvent* event) {
  if (ChipKeyOf(event->key()) == ChipKey::Click) {
    emit Click(text_);
    return;
  }
  QWidget::keyPressEvent(event);
}

void TagCtrl::resizeEvent(QResizeEvent*) {
  // Resized by its container in pixels: the same bounds apply.
  if (size() != sizeHint()) {
    SetSize(static_cast<int>(PixelsToTwips(width())), static_cast<int>(PixelsToTwips(height())));
  }
}

bool TagCtrl::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // Only the label has a tooltip; the cap lies above it.
    const auto* help = static_cast<QHelpEvent*>(event);
    if (Local().OnLabel(PixelsToTwips(help->pos().x()), PixelsToTwips(help->pos().y()))) {
      QToolTip::showText(help->globalPos(), platform::ShownText(text_), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace velmora::widgets
