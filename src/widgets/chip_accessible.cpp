#include "widgets/chip_accessible.h"

#include <QCoreApplication>
#include <QWindow>

#include "desktop/shown_text.h"
#include "widgets/chip_painter.h"

namespace velmora::widgets {
namespace {

// One chip, known by its index so that it stays itself while others come and go.
class ChipAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ChipAccessible(ChipContainer* container, std::int64_t index)
      : container_(container), index_(index) {}

  std::int64_t Index() const { return index_; }
  bool isValid() const override { return Position() >= 0; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return container_ ? container_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(container_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    const ChipInfo chip = container_->Chip(static_cast<std::size_t>(Position()));
    const QString name = desktop::ShownText(chip.text);
    return chip.excluded
               ? QCoreApplication::translate("velmora", "not %1", "a tag left out").arg(name)
               : name;
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = container_->ChipRect(static_cast<std::size_t>(Position())).toAlignedRect();
    return {container_->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = isValid() && container_->FocusedChip() == Position();
    state.invalid = !isValid();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || !isValid()) return;
    // After the request has been answered: the click lets pending events run.
    QMetaObject::invokeMethod(
        container_.data(),
        [container = container_, index = index_] {
          if (container && container->PositionOf(index) >= 0) {
            container->ClickChip(static_cast<std::size_t>(container->PositionOf(index)));
          }
        },
        Qt::QueuedConnection);
  }

 private:
  long Position() const { return container_ ? container_->PositionOf(index_) : -1; }

  QPointer<ChipContainer> container_;
  std::int64_t index_;
};

}  // namespace

ChipContainerAccessible::ChipContainerAccessible(ChipContainer* container)
    : QAccessibleWidget(container, QAccessible::Grouping) {}

ChipContainerAccessible::~ChipContainerAccessible() {
  for (const auto& [index, id] : ids_) QAccessible::deleteAccessibleInterface(id);
}

ChipContainer* ChipContainerAccessible::Container() const {
  return static_cast<ChipContainer*>(widget());
}

int ChipContainerAccessible::childCount() const { return static_cast<int>(Container()->Count()); }

QAccessibleInterface* ChipContainerAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  const std::int64_t chip = Container()->Chip(static_cast<std::size_t>(index)).index;
  if (const auto known = ids_.find(chip); known != ids_.end()) {
    if (QAccessibleInterface* iface = QAccessible::accessibleInterface(known->second)) return iface;
  }
  auto* iface = new ChipAccessible(Container(), chip);
  ids_[chip] = QAccessible::registerAccessibleInterface(iface);
  return iface;
}

int ChipContainerAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const auto* chip = dynamic_cast<const ChipAccessible*>(child);
  return chip != nullptr ? static_cast<int>(Container()->PositionOf(chip->Index())) : -1;
}

QAccessibleInterface* ChipContainerAccessible::childAt(int x, int y) const {
  const long position = Container()->ChipAt(Container()->mapFromGlobal(QPoint(x, y)));
  return position >= 0 ? child(static_cast<int>(position)) : nullptr;
}

QAccessibleInterface* ChipContainerAccessible::focusChild() const {
  const long focused = Container()->FocusedChip();
  return focused >= 0 ? child(static_cast<int>(focused)) : nullptr;
}

QAccessibleInterface* ChipAccessibleFactory(const QString&, QObject* object) {
  auto* container = qobject_cast<ChipContainer*>(object);
  return container != nullptr ? new ChipContainerAccessible(container) : nullptr;
}

}  // namespace velmora::widgets
