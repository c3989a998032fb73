#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "desktop/qt_services.h"
#include "support/testdir.h"

// What our code decides about the real dialogs: the default button, what Esc and the close
// box mean, each answer, and the exact bytes that come back.
class TestQtServices : public QObject {
  Q_OBJECT
 private slots:
  void dialogs_data() {
    // act: the dialog, then Enter, Esc, the close box, a button or the text typed; result:
    // OK/Yes 1, Cancel/No 0, an Answer, or the bytes returned.
    QTest::addColumn<QByteArray>("act");
    QTest::addColumn<QByteArray>("result");
    for (const QByteArray& row :
         QByteArray(
             "confirm: Enter is OK|confirm enter|1;confirm: Esc is Cancel|confirm esc|0;"
             "confirm: close box is Cancel|confirm close|0;yes/no: Enter is No|yesno enter|0;"
             "yes/no: close box is No|yesno close|0;yes/no: Yes|yesno 16384|1;"
             "replace: Yes|replace 16384|0;replace: Yes to All|replace 32768|1;"
             "replace: Enter is No|replace enter|2;replace: No to All|replace 131072|3;"
             "replace: Esc is Cancel|replace esc|4;replace: close box is Cancel|replace close|4;"
             "input: cancel|input esc|;input: the preset's own bytes|input enter|caf\xE9.txt;"
             "input: typed|input Résumé.txt|Résumé.txt;picker: select, OK|pick select|\xFF;"
             "picker: enter it, OK|pick enter|\xFF;picker: cancel|pick esc|;"
             "picker: '..' is this folder|pick up|.;picker: hidden, typed|pick .hidden|.hidden;"
             "picker: root typed|pick /|/;picker: missing typed, made|pick nowhere|nowhere;"
             "picker: New Folder, named|pick new|album")
             .split(';')) {
      const QList<QByteArray> part = row.split('|');
      QTest::newRow(part[0]) << part[1] << part[2];
    }
  }
  void dialogs() {
    QFETCH(QByteArray, act);
    QFETCH(QByteArray, result);
    const QByteArray kind = act.left(act.indexOf(' ')), action = act.mid(kind.size() + 1);
    TestHome home;  // for the picker: a folder not UTF-8, a hidden one, a file
    home.createDir("\xFF"), home.createDir(".hidden"), home.createFile("file.txt");
    QTimer timer;  // acts on the modal dialog once it is up, as a person would
    connect(&timer, &QTimer::timeout, [&timer, action] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      timer.stop();
      if (auto* list = dialog->findChild<QListWidget*>(); list && action != "esc") {
        auto* line = dialog->findChild<QLineEdit*>();
        if (action == "select" || action == "enter" || action == "up")
          list->setCurrentRow(action == "up" ? 0 : 1);
        else if (action == "new")  // its name typed over the one offered
          dialog->findChild<QPushButton*>("newFolder")->click(), line->insert("album");
        else  // a folder typed
          line->setText(QString::fromUtf8(action));
        if (action != "select" && action != "up")
          QTest::keyClick(action == "enter" ? list : static_cast<QWidget*>(line), Qt::Key_Return);
        return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      }
      if (auto* edit = dialog->findChild<QLineEdit*>();
          edit && action != "enter" && action != "esc")
        edit->setText(QString::fromUtf8(action));
      if (action == "close")
        dialog->close();
      else if (const int button = action.toInt())  // a QMessageBox::StandardButton
        qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::StandardButton(button))->click();
      else
        QTest::keyClick(dialog, action == "esc" ? Qt::Key_Escape : Qt::Key_Return);
    });
    timer.start(10);
    velmora::desktop::QtDialogs dialogs;
    const std::string got = kind == "confirm" ? std::to_string(dialogs.Confirm("Go on?", "V"))
                            : kind == "yesno" ? std::to_string(dialogs.AskYesNo("Replace it?", "V"))
                            : kind == "replace"
                                ? std::to_string(int(dialogs.AskReplace("Replace it?", "V")))
                            : kind == "input" ? dialogs.Input("New name", "Rename", "caf\xE9.txt")
                                              : dialogs.PickFolder("Select a folder", "");
    std::string want = result.toStdString();  // the picker's: relative to home, "." for it
    if (kind == "pick" && !result.isEmpty() && !result.startsWith('/'))
      want = result == "." ? home.path() : home / want;
    QCOMPARE(got, want);
  }

  // "+"'s picker leaves the window usable.
  void pickerWithoutWaiting() {
    velmora::desktop::QtDialogs().PickFolderLater("Pick", "/", [](const std::string&) {});
    QWidget* p = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) p = w->isVisible() ? w : p;
    QVERIFY(p && p->objectName() == "FolderPicker" && !QApplication::activeModalWidget());
  }
};

QTEST_MAIN(TestQtServices)
#include "test_qt_services.moc"
