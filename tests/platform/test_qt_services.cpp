#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/qt_services.h"

using velmora::platform::QtDialogs;

namespace {

// Acts on the next modal dialog once it is up, as a person would.
void whenModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
    }
  });
  timer->start(10);
}

void press(QWidget* dialog, int key) { QTest::keyClick(dialog, static_cast<Qt::Key>(key)); }

void clickButton(QWidget* dialog, QMessageBox::StandardButton which) {
  qobject_cast<QMessageBox*>(dialog)->button(which)->click();
}

}  // namespace

class TestQtServices : public QObject {
  Q_OBJECT
 private slots:
  void questions_data() {
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("answer");
    QTest::newRow("confirm: Enter is OK") << false << "enter" << true;
    QTest::newRow("confirm: Esc is Cancel") << false << "esc" << false;
    QTest::newRow("confirm: close box is Cancel") << false << "close" << false;
    QTest::newRow("yes/no: Enter is No") << true << "enter" << false;
    QTest::newRow("yes/no: Esc is No") << true << "esc" << false;
    QTest::newRow("yes/no: close box is No") << true << "close" << false;
    QTest::newRow("yes/no: Yes") << true << "yes" << true;
  }
  void questions() {
    QFETCH(bool, yesNo);
    QFETCH(QString, action);
    QFETCH(bool, answer);
    whenModal([action](QWidget* dialog) {
      if (action == "enter") press(dialog, Qt::Key_Return);
      if (action == "esc") press(dialog, Qt::Key_Escape);
      if (action == "close") dialog->close();
      if (action == "yes") clickButton(dialog, QMessageBox::Yes);
    });
    QtDialogs dialogs;
    QCOMPARE(
        yesNo ? dialogs.AskYesNo("Replace it?", "Velmora") : dialogs.Confirm("Go on?", "Velmora"),
        answer);
  }

  void input_data() {
    QTest::addColumn<QByteArray>("preset");
    QTest::addColumn<QString>("typed");  // empty: leave the preset as it is
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("cancel") << QByteArray("name") << "" << false << QByteArray();
    QTest::newRow("unchanged, not UTF-8")
        << QByteArray("caf\xE9.txt") << "" << true << QByteArray("caf\xE9.txt");
    QTest::newRow("typed") << QByteArray("old") << "Résumé.txt" << true << QByteArray("Résumé.txt");
  }
  void input() {
    QFETCH(QByteArray, preset);
    QFETCH(QString, typed);
    QFETCH(bool, accept);
    QFETCH(QByteArray, result);
    whenModal([typed, accept](QWidget* dialog) {
      auto* edit = dialog->findChild<QLineEdit*>();
      if (!typed.isEmpty()) edit->setText(typed);
      press(edit, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    QtDialogs dialogs;
    QCOMPARE(QByteArray::fromStdString(dialogs.Input("New name", "Rename", preset.toStdString())),
             result);
  }

  void progressReportsCancel() {
    QtDialogs dialogs;
    const auto progress = dialogs.StartProgress("Velmora", "Copying");
    QVERIFY(progress->Update(1, 10));
    auto* window = qApp->findChild<QProgressDialog*>();
    if (window == nullptr) {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<QProgressDialog*>(w)) window = p;
      }
    }
    QVERIFY(window != nullptr);
    window->cancel();
    QVERIFY(!progress->Update(2, 10));
  }
};

QTEST_MAIN(TestQtServices)
#include "test_qt_services.moc"
