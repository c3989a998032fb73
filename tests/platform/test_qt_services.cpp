#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/qt_services.h"
#include "support/testdir.h"

using velmora::platform::Answer;
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

}  // namespace

class TestQtServices : public QObject {
  Q_OBJECT
 private slots:
  void questions_data() {
    QTest::addColumn<QString>("act");  // the question, then a key, the close box or a button
    QTest::addColumn<int>("answer");   // OK/Yes 1, Cancel/No 0; for Replace, an Answer
    QTest::newRow("confirm: Enter is OK") << QString("confirm enter") << 1;
    QTest::newRow("confirm: Esc is Cancel") << QString("confirm esc") << 0;
    QTest::newRow("confirm: close box is Cancel") << QString("confirm close") << 0;
    QTest::newRow("yes/no: Enter is No") << QString("yesno enter") << 0;
    QTest::newRow("yes/no: close box is No") << QString("yesno close") << 0;
    QTest::newRow("yes/no: Yes") << "yesno " + QString::number(QMessageBox::Yes) << 1;
    QTest::newRow("replace: Enter is No") << QString("replace enter") << int(Answer::No);
    QTest::newRow("replace: Esc is Cancel") << QString("replace esc") << int(Answer::Cancel);
    QTest::newRow("replace: close box is Cancel")
        << QString("replace close") << int(Answer::Cancel);
    QTest::newRow("replace: Yes to All")
        << "replace " + QString::number(QMessageBox::YesToAll) << int(Answer::YesToAll);
    QTest::newRow("replace: No to All")
        << "replace " + QString::number(QMessageBox::NoToAll) << int(Answer::NoToAll);
  }
  void questions() {
    QFETCH(QString, act);
    QFETCH(int, answer);
    const QString kind = act.section(' ', 0, 0), action = act.section(' ', 1);
    whenModal([action](QWidget* dialog) {
      if (action == "enter") QTest::keyClick(dialog, Qt::Key_Return);
      if (action == "esc") QTest::keyClick(dialog, Qt::Key_Escape);
      if (action == "close") dialog->close();
      if (const int button = action.toInt())  // a QMessageBox::StandardButton
        qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::StandardButton(button))->click();
    });
    QtDialogs dialogs;
    QCOMPARE(kind == "replace" ? int(dialogs.AskReplace("Replace it?", "Velmora"))
             : kind == "yesno" ? int(dialogs.AskYesNo("Replace it?", "Velmora"))
                               : int(dialogs.Confirm("Go on?", "Velmora")),
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
      QTest::keyClick(edit, accept ? Qt::Key_Return : Qt::Key_Escape);
    });
    QtDialogs dialogs;
    QCOMPARE(QByteArray::fromStdString(dialogs.Input("New name", "Rename", preset.toStdString())),
             result);
  }

  // From home, folders only, a name that is not UTF-8 among them; its exact bytes come back.
  void pickFolder_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("select, OK") << "select";
    QTest::newRow("enter it, OK") << "enter";
    QTest::newRow("cancel") << "cancel";
  }
  void pickFolder() {
    QFETCH(QString, action);
    TestDir home;
    for (const char* name : {"\xFF", ".hidden"}) home.createDir(name);
    home.createFile("file.txt");
    qputenv("HOME", QByteArray::fromStdString(home.path()));
    QStringList listed;
    whenModal([action, &listed](QWidget* dialog) {
      auto* list = dialog->findChild<QListWidget*>();
      list->setCurrentRow(1);
      if (action == "enter") QTest::keyClick(list, Qt::Key_Return);
      for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
      if (action == "cancel") return QTest::keyClick(dialog, Qt::Key_Escape);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const std::string chosen = QtDialogs().PickFolder("Select a folder");
    QCOMPARE(listed, (action == "enter" ? QStringList{".."} : QStringList{"..", "\\xFF"}));
    QCOMPARE(chosen, action == "cancel" ? std::string() : home / "\xFF");
  }

  void progressReportsCancel() {
    QtDialogs dialogs;
    const auto progress = dialogs.StartProgress("Velmora", "Copying");
    QVERIFY(progress->Update(1, 10));
    QProgressDialog* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* p = qobject_cast<QProgressDialog*>(w)) window = p;
    QVERIFY(window != nullptr);
    window->cancel();
    QVERIFY(!progress->Update(2, 10));
  }
};

QTEST_MAIN(TestQtServices)
#include "test_qt_services.moc"
