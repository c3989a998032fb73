#include <sys/stat.h>

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/form_world.h"

using namespace velmora;
using catalogue::FileNameOf;
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
  void selectRows(const QString& rows) const {
    list().clearSelection();
    for (const QChar r : rows)
      list().selectionModel()->select(form->Files().index(r.digitValue()),
                                      QItemSelectionModel::Select);
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

  // setup: the command, (c)opy, (m)ove or (d)elete; the selected rows ("-": none, and no
  // current entry; "=1": none, row 1 current); the rows gone since the scan; the rows whose
  // name "out" already holds, as "old"; the answers: p(ick "out"), x (cancel the picker),
  // k/K (OK/Cancel to deleting), e(rror), and to "Replace it?" y, Y(es to all), n, N(o to
  // all), c(ancel). Expected: the status = what "out" | the tree hold ("*": still old).
  void statusAfterEachCommand_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* setup, const char* expected) {
      QTest::newRow(name) << QString(setup) << QString(expected);
    };
    row("copy in list order", "c 302 - 0123 pyyy", "Copy Complete = a b* c d | a b c d");
    row("copy, the current entry", "c =1 - - p", "Copy Complete = b | a b c d");
    row("copy, no to one", "c 01 - 0 pn", "Copied 1 of 2 files; 1 not copied = a* b | a b c d");
    row("copy, cancel", "c 012 - 1 pc", "Copy cancelled after 1 of 3 files = a b* | a b c d");
    row("copy, one vanished", "c 01 0 - pe", "Copied 1 of 2 files; 1 not copied = b | b c d");
    row("copy, picker cancelled", "c 0 - - x", "Copy cancelled = | a b c d");
    row("copy, no file", "c - - - -", "No file to copy = | a b c d");
    row("move, cancel", "m 012 - 1 pc", "Move cancelled after 1 of 3 files = a b* | b c d");
    row("move, one vanished", "m 01 1 - pe", "Moved 1 of 2 files; 1 not moved = a | c d");
    row("delete", "d 02 - - k", "Delete Complete = | b d");
    row("delete, one vanished", "d 01 0 - k", "Deleted 1 of 2 files; 1 not deleted = | c d");
    row("delete, not confirmed", "d 02 - - K", " = | a b c d");
    row("delete, no file", "d - - - -", "No file to delete = | a b c d");
  }
  void statusAfterEachCommand() {
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    Files w;
    const QStringList part = setup.split(' ');
    // Rows are letters: a is the list's first row, whatever its file's name.
    const Strings rows = w.files();
    const auto name = [&](QChar r) { return std::string(FileNameOf(rows.at(r.digitValue()))); };
    const auto letter = [&](const std::string& file) {
      for (std::size_t r = 0; r < rows.size(); ++r)
        if (FileNameOf(rows[r]) == file) return QChar(char('a' + r));
      return QChar('?');
    };
    w.list().clearSelection();
    if (part[1] == "-") w.list().selectionModel()->clearCurrentIndex();
    if (part[1][0] == '=') w.setCurrent(part[1][1].digitValue());
    if (part[1][0].isDigit()) w.selectRows(part[1]);
    for (const QChar row : part[2])
      if (row != '-') ::unlink((w.tree / "tree/" + name(row)).c_str());
    for (const QChar row : part[3])
      if (row != '-') w.tree.createFile("out/" + name(row), "old");
    for (const QChar step : part[4]) {
      if (step == 'p' || step == 'x') w.dialogs.pickFolder(step == 'p' ? w.tree / "out" : "");
      if (step == 'k' || step == 'K') w.dialogs.confirm(step == 'k');
      if (step == 'e') w.dialogs.error();
      if (const auto answer = QString("yYnNc").indexOf(step); answer >= 0)
        w.dialogs.replace(platform::Answer(answer));
    }
    w.bar().AddItem("marker", "auto");
    w.press(part[0] == "c" ? "cmdCopy" : part[0] == "m" ? "cmdMove" : "cmdDelete");
    QVERIFY(w.dialogs.allAnswered());
    QString held = w.status() + " =";
    for (const std::string folder : {"out", "tree"}) {
      QStringList names;
      for (const std::string& file : entriesOf(w.tree / folder))
        names << QString(letter(file)) + (w.tree.read(folder + "/" + file) == "old" ? "*" : "");
      names.sort();
      held += " " + names.join(' ') + (folder == "out" ? " |" : "");
    }
    QCOMPARE(held.simplified(), expected.simplified());
    const bool rescan = part[0] == "m" || part[4] == "k";  // Move always, Delete once confirmed
    QCOMPARE(w.bar().Count(), std::size_t{rescan ? 0u : 1u});
    QString asked;  // one operation per file, in list order: the replace questions show it
    for (const auto& shown : w.dialogs.shown()) {
      if (shown.kind == ScriptedDialogs::Kind::Replace)
        asked += letter(shown.text.substr(shown.text.find("/out/") + 5, 5));
      if (shown.kind == ScriptedDialogs::Kind::Confirm)
        QCOMPARE(shown.text, std::string("Are you sure to delete selected files?"));
    }
    QVERIFY2(std::is_sorted(asked.begin(), asked.end()), qPrintable(asked));
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
    const std::string name(FileNameOf(current));
    w.selectRows("01");  // rename uses the current entry only
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

  void renameWithoutACurrentEntry() {
    World w;
    w.find<QPushButton>("cmdRename")->click();
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void openTheCurrentEntry() {
    Files w;
    w.selectRows("013");
    w.setCurrent(3);
    w.press("cmdOpen");
    QCOMPARE(w.launcher.urls, Strings{platform::FileUrl(w.files()[3])});
    w.launcher.opens = false;  // no program for it: said, not silently ignored
    w.dialogs.error();
    w.press("cmdOpen");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dialogs.shown()[0].text,
             "Cannot open \"" + w.files()[3] + "\": no program is set to open this kind of file");
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
