#pragma once
// Chips for assistive technology: each chip of a tag panel or filter bar is a button
// named by its tag, which a screen reader can find, read and press.

#include <QAccessibleWidget>
#include <QPointer>
#include <cstdint>
#include <unordered_map>

#include "widgets/chip_container.h"

namespace velmora::widgets {

class ChipContainerAccessible : public QAccessibleWidget {
 public:
  explicit ChipContainerAccessible(ChipContainer* container);
  ~ChipContainerAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;

 private:
  ChipContainer* Container() const;
  mutable std::unordered_map<std::int64_t, QAccessible::Id> ids_;  // by chip index
};

// Creates the interface above for every chip container.
QAccessibleInterface* ChipAccessibleFactory(const QString& key, QObject* object);

}  // namespace velmora::widgets
