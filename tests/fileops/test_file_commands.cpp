#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/form_world.h"

using namespace velmora;
using catalogue::FileNameOf;

class TestFileCommands : public QObject {
  Q_OBJECT
  TestDir home_;  // HOME and XDG_DATA_HOME: GLib reads them once

 private slots:
  void initTestCase() {
    qputenv("HOME", QByteArray::fromStdString(home_.path()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home_ / "data"));
  }

  // A folder of four files, listed as rows a to d, and "out" beside it. The command:
  // (c)opy, (m)ove, (d)elete, (r)ename; the rows chosen ("01=3": 0 and 1 selected, 3 current;
  // "-": none and no current entry); the rows gone since the scan; the rows whose names "out"
  // holds, as "old"; the answers: p(ick "out//"), x (cancel the picker), k/K (OK/Cancel to
  // deleting), e(rror), ! (Cancel in the progress window), to "Replace it?" y, Y(es to all),
  // n, N(o to all), c(ancel); or the name typed ("_": a blank, "|": NUL), then e. Expected:
  // the status = what "out" | the folder hold ("*": still old); "~": rescanned.
  void commands_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");
    for (const char* row :
         {"copy in list order: c 302 - 0123 pyyy: Copy Complete = a b* c d | a b c d",
          "copy, the current entry: c =1 - - p: Copy Complete = b | a b c d",
          "copy, no to one: c 01 - 0 pn: Copied 1 of 2 files; 1 not copied = a* b | a b c d",
          "copy, yes to all: c 012 - 012 pY: Copy Complete = a b c | a b c d",
          "copy, no to all: c 012 - 02 pN: Copied 1 of 3 files; 2 not copied = a* b c* | a b c d",
          "copy, cancel: c 012 - 1 pc: Copy cancelled after 1 of 3 files = a b* | a b c d",
          "copy, Cancel in progress: c 01 - - p!: Copy cancelled after 0 of 2 files = | a b c d",
          "copy, one vanished: c 01 0 - pe: Copied 1 of 2 files; 1 not copied = b | b c d",
          "copy, picker cancelled: c 0 - - x: Copy cancelled = | a b c d",
          "copy, no file: c - - - -: No file to copy = | a b c d",
          "move, no then yes: m 012 - 01 pny: Moved 2 of 3 files; 1 not moved = a* b c | a d ~",
          "move, cancel: m 012 - 1 pc: Move cancelled after 1 of 3 files = a b* | b c d ~",
          "move, one vanished: m 01 1 - pe: Moved 1 of 2 files; 1 not moved = a | c d ~",
          "delete: d 02 - - k: Delete Complete = | b d ~",
          "delete, one vanished: d 01 0 - k: Deleted 1 of 2 files; 1 not deleted = | c d ~",
          "delete, not confirmed: d 02 - - K: = | a b c d",
          "delete, no file: d - - - -: No file to delete = | a b c d",
          "rename the current entry, blanks kept: r 01=2 - - _new_name_.txt: = | _new_name_.txt a "
          "b d ~",
          "rename, no current entry: r - - - -: = | a b c d",
          "rename to dot: r =2 - - . e: = | a b c d",
          "rename to dot dot: r =2 - - .. e: = | a b c d",
          "rename, NUL: r =2 - - a|b e: = | a b c d",
          "rename into a subfolder: r =2 - - sub/x e: = | a b c d",
          "rename into another folder: r =2 - - ../x e: = | a b c d"}) {
      const QStringList part = QString(row).split(": ");
      QTest::newRow(part[0].toUtf8()) << part[1] << part[2];
    }
  }
  void commands() {
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    testing::World w([](const TestDir& t) {
      for (const char* name : {"a.txt", "b.txt", "c.txt", "d #%é.txt"})
        t.createFile(std::string("tree/") + name, name);
      t.createDir("out");
      return t / "tree" + "\r\n\r\n";
    });
    w.select(0);
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    const QStringList part = setup.split(' ');
    const std::vector<std::string> rows = w.files();
    const auto name = [&](QChar r) { return std::string(FileNameOf(rows.at(r.digitValue()))); };
    const auto letter = [&](std::string_view file) {
      for (std::size_t r = 0; r < rows.size(); ++r)
        if (file.starts_with(FileNameOf(rows[r]))) return QString(char('a' + r));
      return QString::fromStdString(std::string(file)).replace(' ', '_');
    };
    list.clearSelection();
    if (part[1] == "-") list.selectionModel()->clearCurrentIndex();
    for (qsizetype i = 0; i < part[1].size(); ++i)
      if (part[1][i].isDigit())
        list.selectionModel()->setCurrentIndex(w.form->Files().index(part[1][i].digitValue()),
                                               i > 0 && part[1][i - 1] == '='
                                                   ? QItemSelectionModel::NoUpdate
                                                   : QItemSelectionModel::Select);
    for (const QChar r : part[2])
      if (r != '-') ::unlink((w.dir / "tree/" + name(r)).c_str());
    for (const QChar r : part[3])
      if (r != '-') w.dir.createFile("out/" + name(r), "old");
    if (part[0] == "r" && part[4] != "-")
      w.dialogs.input(QString(part[4]).replace('_', ' ').replace('|', QChar(0)).toStdString());
    for (const QChar step : part[0] == "r" ? QString() : part[4]) {
      if (step == 'p' || step == 'x') w.dialogs.pickFolder(step == 'p' ? w.dir / "out//" : "");
      if (step == 'k' || step == 'K') w.dialogs.confirm(step == 'k');
      if (step == 'e') w.dialogs.error();
      if (step == '!') w.dialogs.cancelProgressAt(2);
      if (const auto answer = QString("yYnNc").indexOf(step); answer >= 0)
        w.dialogs.replace(platform::Answer(answer));
    }
    if (part.size() > 5) w.dialogs.error();
    w.bar().AddItem("marker", "auto");
    const char* commands[] = {"cmdCopy", "cmdMove", "cmdDelete", "cmdRename"};
    w.find<QPushButton>(commands[QString("cmdr").indexOf(part[0])])->click();
    QVERIFY(w.dialogs.allAnswered());
    QString held = w.find<QLabel>("lblStatus")->text() + " =";
    for (const std::string folder : {"out", "tree"}) {
      QStringList names;
      for (const std::string& file : entriesOf(w.dir / folder))
        names << letter(file) + (w.dir.read(folder + "/" + file) == "old" ? "*" : "");
      names.sort();
      held += " " + names.join(' ') + (folder == "out" ? " |" : "");
    }
    QCOMPARE((held + (w.bar().Count() == 0 ? " ~" : "")).simplified(), expected.simplified());
    QString asked;  // one operation per file, in list order: the replace questions show it
    const std::string out = "A file named \"" + w.dir / "out/";
    for (const auto& shown : w.dialogs.shown()) {
      if (shown.kind == "replace")
        asked += shown.text.starts_with(out) ? letter(shown.text.substr(out.size())) : "?";
      if (shown.kind == "confirm")
        QCOMPARE(shown.text, std::string("Are you sure to delete selected files?"));
      if (shown.kind == "input")
        QCOMPARE(shown.text, "please input new file name [" + name(part[1].back()) + "]");
    }
    QVERIFY2(std::is_sorted(asked.begin(), asked.end()) && !asked.contains('?'), qPrintable(asked));
  }

  // Enter opens the current entry, not the selection; F2 renames it, Delete deletes. A file
  // no program opens is said, not silently ignored.
  void keysAndOpen() {
    testing::World w([](const TestDir& t) {
      t.createFile("tree/a"), t.createFile("tree/d #%é.txt");
      return t / "tree" + "\r\n\r\n";
    });
    w.select(0);
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    const int odd = w.files()[0].ends_with(".txt") ? 0 : 1;  // the list's order is not ours
    list.selectionModel()->select(w.form->Files().index(1 - odd), QItemSelectionModel::Select);
    list.selectionModel()->setCurrentIndex(w.form->Files().index(odd),
                                           QItemSelectionModel::NoUpdate);
    list.setFocus();
    w.dialogs.input("").confirm(false).error();
    for (const auto key : {Qt::Key_F2, Qt::Key_Delete, Qt::Key_Return}) QTest::keyClick(&list, key);
    w.launcher.opens = false;
    QTest::keyClick(&list, Qt::Key_Return);
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.launcher.urls,
             std::vector<std::string>(2, "file://" + w.dir / "tree/d%20%23%25%C3%A9.txt"));
    QCOMPARE(w.dialogs.shown()[0].text, "please input new file name [d #%é.txt]");
    QCOMPARE(w.dialogs.shown()[2].text,
             "Cannot open \"" + w.files()[odd] + "\": no program is set to open this kind of file");
  }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
