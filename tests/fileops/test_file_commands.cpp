#include <QLabel>
#include <QAbstractItemView>
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

  // A folder of four files, listed as rows a to d, and "out" beside it. The command: the
  // button (c)opy, (m)ove, (d)elete, (r)ename, or the key Delete (D), F2 (R), Enter (o); the
  // rows chosen ("01=3": 0 and 1 selected, 3 current; "-": none and no current entry); the
  // rows gone since the scan; the rows whose names "out" holds, as "old"; the answers: p(ick
  // "out//"), x (cancel the picker), k/K (OK/Cancel to deleting), e(rror; on Enter: no
  // program opens the file), ! (Cancel in the progress window), to "Replace it?" y, Y(es to
  // all), n, N(o to all), c(ancel); or the name typed ("_": a blank, "|": NUL), then e.
  // Expected: the status (after the rescan) = what "out" | the folder hold ("*": still old);
  // "~": rescanned; ">" and the row the desktop was asked to open.
  void commands_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");
    for (const char* row :
         {"copy in list order: c 302 - 0123 pyyy: Copy Complete = a b* c d | a b c d",
          "copy, the current entry: c =1 - - p: Copy Complete = b | a b c d",
          "copy, yes to all: c 012 - 012 pY: Copy Complete = a b c | a b c d",
          "copy, no to all: c 012 - 02 pN: Copied 1 of 3 files; 2 not copied = a* b c* | a b c d",
          "copy, cancel: c 012 - 1 pc: Copy cancelled after 1 of 3 files = a b* | a b c d",
          "copy, Cancel in progress: c 0 - - p!: Copy cancelled after 0 of 1 file = | a b c d",
          "copy, one vanished: c 01 0 - pe: Copied 1 of 2 files; 1 not copied = b | b c d",
          "copy, picker cancelled: c 0 - - x: Copy cancelled = | a b c d",
          "copy, no file: c - - - -: No file to copy = | a b c d",
          "move, no then yes: m 012 - 01 pny: Moved 2 of 3 files; 1 not moved = a* b c | a d ~",
          "delete: d 02 - - k: Delete Complete = | b d ~",
          "delete, one vanished: d 01 0 - k: Deleted 1 of 2 files; 1 not deleted = | c d ~",
          "Delete key, not confirmed: D 02 - - K: = | a b c d",
          "delete, no file: d - - - -: No file to delete = | a b c d",
          "rename the current entry, blanks kept: r 01=2 - - _new_name_.txt: = | _new_name_.txt a "
          "b d ~",
          "rename, no current entry: r - - - -: = | a b c d",
          "F2, to dot: R =2 - - . e: = | a b c d",
          "rename to dot dot: r =2 - - .. e: = | a b c d",
          "rename, NUL: r =2 - - a|b e: = | a b c d",
          "rename into another folder: r =2 - - ../x e: = | a b c d",
          "Enter opens the current entry: o 0=1 - - -: = | a b c d >b",
          "Enter, no program for it: o =3 - - e: = | a b c d >d"}) {
      const QStringList part = QString(row).split(": ");
      QTest::newRow(part[0].toUtf8()) << part[1] << part[2];
    }
  }
  void commands() {
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    testing::World w([](const TestDir& t) {
      for (const char* name : {"a #1.txt", "b %2.txt", "c.txt", "d #%é.txt"})
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
    list.selectionModel()->clear();
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
    const bool typed = part[0].toLower() == "r";
    if (typed && part[4] != "-")
      w.dialogs.input(QString(part[4]).replace('_', ' ').replace('|', QChar(0)).toStdString());
    for (const QChar step : typed ? QString() : part[4]) {
      if (step == 'p' || step == 'x') w.dialogs.pickFolder(step == 'p' ? w.dir / "out//" : "");
      if (step == 'k' || step == 'K') w.dialogs.confirm(step == 'k');
      if (step == 'e') w.dialogs.error(), w.launcher.opens = false;
      if (step == '!') w.dialogs.cancelProgressAt(2);
      if (const auto answer = QString("yYnNc").indexOf(step); answer >= 0)
        w.dialogs.replace(platform::Answer(answer));
    }
    if (part.size() > 5) w.dialogs.error();
    w.bar().AddItem("marker", "auto");
    const auto command = std::size_t(QString("cmdrDRo").indexOf(part[0]));
    if (command < 4)
      w.find<QPushButton>(std::array{"cmdCopy", "cmdMove", "cmdDelete", "cmdRename"}[command])
          ->click();
    else  // the keys act where the list has the focus
      list.setFocus(), QTest::keyClick(&list, std::array{Qt::Key_Delete, Qt::Key_F2,
                                                         Qt::Key_Return}[command - 4]);
    QVERIFY(w.dialogs.allAnswered());
    if (w.form->Loading()) QVERIFY(QSignalSpy(w.form.get(), &mainwindow::Form1::LoadEnded).wait());
    QString held = w.find<QLabel>("lblStatus")->text() + " =";
    for (const std::string folder : {"out", "tree"}) {
      QStringList names;
      for (const std::string& file : entriesOf(w.dir / folder))
        names << letter(file) + (w.dir.read(folder + "/" + file) == "old" ? "*" : "");
      held += " " + (names.sort(), names.join(' ')) + (folder == "out" ? " |" : "");
    }
    if (w.bar().Count() == 0) held += " ~";
    for (const std::string& url : w.launcher.urls)  // the path as the desktop reads it back
      held +=
          " >" +
          letter(QUrl(QString::fromStdString(url)).toLocalFile().section('/', -1).toStdString());
    QCOMPARE(held.simplified(), expected.simplified());
    QString asked;  // one operation per file, in list order: the replace questions show it
    const std::string out = "A file named \"" + w.dir / "out/";
    for (const auto& shown : w.dialogs.shown()) {
      if (shown.kind == "replace") asked += letter(shown.text.substr(out.size()));
      if (shown.kind == "error" && part[0] == "o")
        QVERIFY(shown.text.ends_with(": no program is set to open this kind of file"));
      if (shown.kind == "input")  // it starts from the current entry's name
        QCOMPARE(shown.text, "please input new file name [" + name(part[1].back()) + "]");
    }
    QVERIFY2(std::is_sorted(asked.begin(), asked.end()), qPrintable(asked));
  }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
