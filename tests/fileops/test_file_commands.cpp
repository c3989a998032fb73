#include <sys/stat.h>

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/form_world.h"

using namespace velmora;
using testing::World;
using Strings = std::vector<std::string>;

namespace {

bool exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// A loaded folder of four files, and a folder outside it to copy and move to.
struct Files : World {
  Files() : World(Setup) { select(0); }
  static std::string Setup(const TestDir& t) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
      t.createFile(std::string("tree/") + name, name);
    t.createDir("out");
    return t / "tree" + "\r\n\r\n";
  }
  QListView& list() const { return *find<QListView>("lstFiles"); }
  void selectRows(std::initializer_list<int> rows) const {
    list().clearSelection();
    for (const int r : rows) {
      list().selectionModel()->select(form->Files().index(r), QItemSelectionModel::Select);
    }
  }
  // Makes row the current entry without selecting it.
  void setCurrent(int row) const {
    list().selectionModel()->setCurrentIndex(form->Files().index(row),
                                             QItemSelectionModel::NoUpdate);
  }
  QString status() const { return find<QLabel>("lblStatus")->text(); }
  void press(const char* button) const { find<QPushButton>(button)->click(); }
  TestDir& tree = dir;
};

}  // namespace

class TestFileCommands : public QObject {
  Q_OBJECT
  TestDir home_;  // HOME and XDG_DATA_HOME: GLib reads them once

 private slots:
  void initTestCase() {
    qputenv("HOME", QByteArray::fromStdString(home_.path()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_ / "data"));
  }

  // Each file is its own operation, in list order: the replace questions show it.
  void copyVisitsTheSelectionInListOrder() {
    Files w;
    const Strings shown = w.files();
    for (const auto& path : shown)
      w.tree.createFile("out/" + std::string(catalogue::FileNameOf(path)), "old");
    w.selectRows({3, 0, 2});
    w.dialogs.pickFolder(w.tree / "out").yesNo(true).yesNo(true).yesNo(true);
    w.press("cmdCopy");
    QVERIFY(w.dialogs.allAnswered());
    for (const auto& [row, question] : {std::pair{0, 1}, std::pair{2, 2}, std::pair{3, 3}}) {
      const std::string name(catalogue::FileNameOf(shown[static_cast<std::size_t>(row)]));
      QVERIFY2(w.dialogs.shown()[static_cast<std::size_t>(question)].text.find("/out/" + name) !=
                   std::string::npos,
               name.c_str());
      QCOMPARE(w.tree.read("out/" + name), w.tree.read("tree/" + name));
    }
    QCOMPARE(w.tree.read("out/" + std::string(catalogue::FileNameOf(shown[1]))),
             std::string("old"));
    QCOMPARE(w.status(), QString("Copy Complete"));
    QCOMPARE(w.files(), shown);  // no rescan after a copy
  }

  void currentEntryWhenNothingIsSelected() {
    Files w;
    const std::string current = w.files()[1];
    w.list().clearSelection();
    w.setCurrent(1);
    w.dialogs.pickFolder(w.tree / "out");
    w.press("cmdCopy");
    QCOMPARE(w.tree.read("out/" + std::string(catalogue::FileNameOf(current))),
             w.tree.read("tree/" + std::string(catalogue::FileNameOf(current))));
    QCOMPARE(QDir(QString::fromStdString(w.tree / "out")).entryList(QDir::Files).size(), 1);
    w.tree.createDir("moved");
    w.dialogs.pickFolder(w.tree / "moved");
    w.press("cmdMove");
    QVERIFY(!exists(current));
    QVERIFY(exists(w.tree / ("moved/" + std::string(catalogue::FileNameOf(current)))));
    QCOMPARE(w.files().size(), std::size_t{3});  // rescanned
    QCOMPARE(w.status(), QString("Move Complete"));
  }

  void moveWithThePickerCancelled() {
    Files w;
    w.find<widgets::TagBar>("oTagBar")->AddItem("a", "auto");
    w.dialogs.pickFolder("");
    w.press("cmdMove");
    QCOMPARE(w.status(), QString("Move Complete"));
    QCOMPARE(w.files().size(), std::size_t{4});
    QCOMPARE(w.bar().Count(), std::size_t{0});  // the rescan empties the bar
  }

  void deleteAsksOnce() {
    Files w;
    w.selectRows({0, 2});
    w.dialogs.confirm(false);
    w.press("cmdDelete");
    QCOMPARE(w.files().size(), std::size_t{4});
    QCOMPARE(w.status(), QString());  // Cancel changes nothing, not even the status

    const Strings before = w.files();
    w.selectRows({0, 2});
    w.dialogs.confirm(true);
    w.press("cmdDelete");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dialogs.shown().back().text, std::string("Are you sure to delete selected files?"));
    QVERIFY(!exists(before[0]) && !exists(before[2]));
    QVERIFY(exists(home_ / "data/Trash/files/" + std::string(catalogue::FileNameOf(before[0]))));
    QCOMPARE(w.files(), (Strings{before[1], before[3]}));
    QCOMPARE(w.status(), QString("Delete Complete"));
  }

  // Files gone since the scan: the shell says so for a copy, and a delete passes over them.
  void fileThatVanished() {
    Files w;
    const std::string gone = w.files()[0];
    ::unlink(gone.c_str());
    w.selectRows({0});
    w.dialogs.pickFolder(w.tree / "out").error();
    w.press("cmdCopy");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.status(), QString("Copy Complete"));
    w.selectRows({0});
    w.dialogs.confirm(true);
    w.press("cmdDelete");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.status(), QString("Delete Complete"));
    QCOMPARE(w.files().size(), std::size_t{3});
  }

  void rename_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("into another folder") << QByteArray("../x.txt") << true;
    QTest::newRow("into a subfolder") << QByteArray("sub/x.txt") << true;
    QTest::newRow("dot") << QByteArray(".") << true;
    QTest::newRow("dot dot") << QByteArray("..") << true;
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << true;
    QTest::newRow("blanks kept") << QByteArray(" new name .txt") << false;
  }
  void rename() {
    QFETCH(QByteArray, typed);
    QFETCH(bool, refused);
    Files w;
    const std::string current = w.files()[2];
    const std::string name(catalogue::FileNameOf(current));
    w.selectRows({0, 1});  // rename uses the current entry only
    w.setCurrent(2);
    w.bar().AddItem("marker", "auto");
    w.dialogs.input(typed.toStdString());
    if (refused) w.dialogs.error();
    w.press("cmdRename");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dialogs.shown()[0].text, "please input new file name [" + name + "]");
    QCOMPARE(exists(current), refused);
    QCOMPARE(w.bar().Count(), std::size_t{refused ? 1u : 0u});  // no rescan when refused
    if (!refused) QVERIFY(exists(w.tree / "tree/ new name .txt"));
  }

  void renameToTheSameName() {
    Files w;
    w.setCurrent(0);
    const std::string name(catalogue::FileNameOf(w.files()[0]));
    w.dialogs.input(name);
    w.press("cmdRename");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dialogs.summary(), std::string("input"));  // no error
    QCOMPARE(w.files().size(), std::size_t{4});
  }

  void renameWithoutACurrentEntry() {
    World w;
    w.find<QPushButton>("cmdRename")->click();
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void selectAll() {
    Files w;
    auto* box = w.find<QCheckBox>("chkAll");
    w.selectRows({1});
    box->click();
    QCOMPARE(w.list().selectionModel()->selectedRows().size(), 4);
    box->click();
    QCOMPARE(w.list().selectionModel()->selectedRows().size(), 0);
  }

  void openTheCurrentEntry() {
    Files w;
    w.selectRows({0, 1, 3});
    w.setCurrent(3);
    w.press("cmdOpen");
    QCOMPARE(w.launcher.urls, Strings{platform::FileUrl(w.files()[3])});
  }

  void keys() {
    Files w;
    w.list().setFocus();
    w.setCurrent(0);
    w.dialogs.input("");
    QTest::keyClick(&w.list(), Qt::Key_F2);
    w.dialogs.confirm(false);
    QTest::keyClick(&w.list(), Qt::Key_Delete);
    QTest::keyClick(&w.list(), Qt::Key_Return);
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dialogs.summary(), std::string("input confirm"));
    QCOMPARE(w.launcher.urls.size(), std::size_t{1});
  }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
