#pragma once
// One tag chip as a widget of its own: a grey pill that shows a text, sizes itself to
// it within 600 to 1500 twips, and reports clicks.

#include <QWidget>
#include <string>

#include "widgets/chip_geometry.h"

namespace velmora::widgets {

class TagCtrl : public QWidget {
  Q_OBJECT
 public:
  // A fresh chip shows its instance name until it is given a text.
  explicit TagCtrl(QWidget* parent = nullptr, const std::string& instanceName = "TagCtrl1");

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  // An opaque marker for the container; the chip never reads it.
  std::string Kind;

  // Geometry in twips. Size changes keep the chip within its bounds.
  const ChipGeometry& Geometry() const { return geometry_; }
  void SetWidth(int twips) { SetSize(twips, geometry_.height); }
  void SetHeight(int twips) { SetSize(geometry_.width, twips); }
  void Move(int leftTwips, int topTwips);

  QSize sizeHint() const override;

 signals:
  // The chip's text, as a copy: the receiver may change it freely. The chip may be
  // destroyed by the receiver only with deleteLater().
  void Click(std::string text);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void SetSize(int widthTwips, int heightTwips);
  // The geometry in the chip's own frame, where events and painting take place.
  ChipGeometry Local() const;

  std::string text_;
  ChipGeometry geometry_;
  bool pressed_ = false;
};

}  // namespace velmora::widgets
