#include "mainwindow/find_field.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "catalogue/find_terms.h"
#include "mainwindow/form_controls.h"

namespace velmora::mainwindow {

FindField::FindField(FileTable& list, std::function<void(const std::string&)> find)
    : QLineEdit(list.parentWidget()), list_(list), find_(std::move(find)) {
  setObjectName(QStringLiteral("txtFind"));
  setAccessibleName(QCoreApplication::translate("velmora", "Find by name"));
  setPlaceholderText(accessibleName());
  setClearButtonEnabled(true);
  hide();
  settle_.setSingleShot(true);
  settle_.setInterval(0);
  connect(&settle_, &QTimer::timeout, this, [this] {
    const std::string text = this->text().toStdString();
    ShowError(catalogue::ParseFind(text, std::time(nullptr)).error);
    find_(text);
  });
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.isEmpty() && isVisible()) return Close();
    settle_.start();
  });
  list_.installEventFilter(this);
  list_.viewport()->installEventFilter(this);
}

void FindField::Open() {
  if (!isVisible()) {
    list_.SetRoomBelow(sizeHint().height());
    Place();
    show();
    raise();
  }
  setFocus(Qt::ShortcutFocusReason);
  selectAll();
}

void FindField::Close() {
  if (!isVisible()) return;
  const bool focused = hasFocus();
  hide();
  list_.SetRoomBelow(0);
  clear();
  settle_.stop();
  ShowError({});
  find_({});
  if (focused) list_.setFocus(Qt::OtherFocusReason);
}

void FindField::Place() {
  const QWidget& rows = *list_.viewport();
  const QPoint below = rows.mapTo(parentWidget(), QPoint(0, rows.height()));
  setGeometry(below.x(), below.y(), rows.width(), sizeHint().height());
}

bool FindField::event(QEvent* event) {
  // Over the list, the list's tooltip (how many files) as anywhere on it, unless a term
  // could not be read: then why.
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty())
    return QCoreApplication::sendEvent(&list_, event);
  // Esc closes the field before the window's own Esc (stop the load) sees it.
  if (event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return true;
  }
  return QLineEdit::event(event);
}

void FindField::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      return Close();
    // On to the rows found, as in a file manager's filter bar.
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return list_.setFocus(Qt::OtherFocusReason);
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void FindField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (text().isEmpty()) Close();
}

void FindField::ShowError(const std::string& error) {
  const QString why = QString::fromStdString(error);
  if (why == toolTip()) return;
  QPalette shown;  // sets no colour: the field's own look
  if (!why.isEmpty()) shown.setColor(QPalette::Text, Qt::red);
  setPalette(shown);
  setToolTip(why);
}

bool FindField::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::Move) Place();
  return QLineEdit::eventFilter(watched, event);
}

}  // namespace velmora::mainwindow
