#include <unistd.h>

#include <QUrl>
#include <QtTest>
#include <algorithm>
#include <filesystem>

#include "catalogue/path_list.h"
#include "fileops/file_commands.h"
#include "support/faulty_fs.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;
using catalogue::FileNameOf;

namespace {

// The window's file list as the commands see it.
struct FakeList final : fileops::FileListHost {
  std::vector<std::string> rows;
  std::vector<std::size_t> selected;
  std::string current, folder, status;
  int rescan = -1;
  std::vector<std::size_t> SelectedEntries() const override { return selected; }
  std::string Entry(std::size_t position) const override { return rows.at(position); }
  std::string CurrentEntry() const override { return current; }
  void SelectAll(bool) override {}
  void SetStatus(const std::string& text) override { status = text; }
  void Rescan(bool changed) override { rescan = changed; }
  std::string Folder() const override { return folder; }
  std::size_t EntryCount() const override { return rows.size(); }
};

}  // namespace

class TestFileCommands : public QObject {
  Q_OBJECT
  TestHome home_;

 private slots:
  // A folder of four files, listed as rows a to d, and "out" beside it. selection: the rows
  // selected, the last also current ("01=3": 0 and 1 selected, 3 current only); gone: rows
  // deleted since the list was made; waiting: rows whose names "out" holds, as "old". answers:
  // p(ick "out//"), x (cancel the picker), k/K (OK/Cancel to deleting), e(rror; for Open: no
  // program opens the file), ! (Cancel in the progress window), to "Replace it?" y, Y(es to
  // all), n, N(o to all), c(ancel); for Rename first the name typed ("_": a blank, "|": NUL, "-":
  // none). rescan: -1 none, 0 unless the folder is being read, 1 always. After ":", Undo: u (undo),
  // a digit (an "old" file made at that row's old place; after +, another program's "old" file
  // put in the place the command gave that row's file; after %, that file written over), -
  // (the folder removed), @ (the folder replaced by a link to "out"), K (a Delete not
  // confirmed), h (a step not about files held). files: what "out" | the folder hold after ("*":
  // still old), ">" the row opened.
  void commands_data() {
    for (const char* column : {"command", "selection", "gone", "waiting", "answers", "status"})
      QTest::addColumn<QString>(column);
    QTest::addColumn<QString>("files");
    QTest::addColumn<int>("rescan");
    const auto row = [](const char* name, const char* command, const char* selection,
                        const char* gone, const char* waiting, const char* answers,
                        const char* status, const char* files, int rescan) {
      QTest::newRow(name) << QString(command) << QString(selection) << QString(gone)
                          << QString(waiting) << QString(answers) << QString(status)
                          << QString(files) << rescan;
    };
    row("copy in list order", "copy", "023", "", "0123", "pyyy", "Copy Complete",
        "a b* c d | a b c d", -1);
    row("copy, the current entry", "copy", "=1", "", "", "p", "Copy Complete", "b | a b c d", -1);
    row("copy, yes to all", "copy", "012", "", "012", "pY", "Copy Complete", "a b c | a b c d", -1);
    row("copy, no to all", "copy", "012", "", "02", "pN", "Copied 1 of 3 files; 2 not copied",
        "a* b c* | a b c d", -1);
    row("copy, cancel", "copy", "012", "", "1", "pc", "Copy cancelled after 1 of 3 files",
        "a b* | a b c d", -1);
    row("copy, Cancel in progress", "copy", "0", "", "", "p!", "Copy cancelled after 0 of 1 file",
        "| a b c d", -1);
    row("copy, one vanished", "copy", "01", "0", "", "pe", "Copied 1 of 2 files; 1 not copied",
        "b | b c d", -1);
    row("copy, picker cancelled", "copy", "0", "", "", "x", "Copy cancelled", "| a b c d", -1);
    row("copy, no file", "copy", "", "", "", "", "No file to copy", "| a b c d", -1);
    row("move, no then yes", "move", "012", "", "01", "pny", "Moved 2 of 3 files; 1 not moved",
        "a* b c | a d", 1);
    row("move, picker cancelled", "move", "0", "", "", "x", "Move cancelled", "| a b c d", 0);
    row("delete", "delete", "02", "", "", "k", "Delete Complete", "| b d", 1);
    row("delete, one vanished", "delete", "01", "0", "", "k", "Deleted 1 of 2 files; 1 not deleted",
        "| c d", 1);
    row("delete, not confirmed", "delete", "02", "", "", "K", "", "| a b c d", -1);
    row("delete, no file", "delete", "", "", "", "", "No file to delete", "| a b c d", -1);
    row("rename the current entry, blanks kept", "rename", "01=2", "", "", "_new_name_.txt", "",
        "| _new_name_.txt a b d", 1);
    row("rename, no current entry", "rename", "", "", "", "", "", "| a b c d", -1);
    row("rename, cancelled", "rename", "=2", "", "", "-", "", "| a b c d", -1);
    row("rename to dot", "rename", "=2", "", "", ". e", "", "| a b c d", -1);
    row("rename to dot dot", "rename", "=2", "", "", ".. e", "", "| a b c d", -1);
    row("rename, NUL", "rename", "=2", "", "", "a|b e", "", "| a b c d", -1);
    row("rename into another folder", "rename", "=2", "", "", "../x e", "", "| a b c d", -1);
    row("delete, undone but for a file in its place", "delete", "02", "", "", "k:2eu",
        "Undone 1 of 2 files; 1 not undone", "| a b c* d", 1);
    row("delete, undone, its folder gone", "delete", "0", "", "", "k:-eu",
        "Undone 0 of 1 file; 1 not undone", "|", 1);
    row("delete, undone, its folder now a link", "delete", "02", "", "", "k:@eu",
        "Undone 0 of 2 files; 2 not undone", "|", 1);
    row("delete, undone twice", "delete", "0", "", "", "k:uu", "Nothing to undo", "| a b c d", 1);
    row("move, undone but for a file in its place", "move", "01", "", "", "p:1eu",
        "Undone 1 of 2 files; 1 not undone", "b | a b* c d", 1);
    row("move, undone but for a file put in the place of one", "move", "01", "", "", "p:+0eu",
        "Undone 1 of 2 files; 1 not undone", "a* | b c d", 1);
    row("move, undone but for a file changed since", "move", "01", "", "", "p:%1eu",
        "Undone 1 of 2 files; 1 not undone", "b* | a c d", 1);
    row("move, undone after a Delete not confirmed", "move", "0", "", "", "p:Ku", "Undo Complete",
        "| a b c d", 1);
    row("delete, a step held after it: undone, the delete not", "delete", "0", "", "", "k:huu",
        "Nothing to undo", "| b c d", -1);
    row("move, a step held, a Delete not confirmed", "move", "0", "", "", "p:hKu", "Held undone",
        "a | b c d", -1);
    row("rename, undone but for a file in its place", "rename", "=2", "", "", "r :2eu",
        "Undone 0 of 1 file; 1 not undone", "| a b c* d r", 1);
    row("rename, undone but for a file put in its place", "rename", "=2", "", "", "r :+2eu",
        "Undone 0 of 1 file; 1 not undone", "| a b d r*", 1);
    row("open the current entry", "open", "0=1", "", "", "", "", "| a b c d >b", -1);
    row("open, no program for it", "open", "=3", "", "", "e", "", "| a b c d >d", -1);
  }
  void commands() {
    QFETCH(QString, command);
    QFETCH(QString, selection);
    QFETCH(QString, answers);
    TestDir dir;
    FakeList list;
    for (const char* name : {"a #1.txt", "b %2.txt", "c", "d #%é.txt"}) {
      dir.createFile(std::string("tree/") + name, name);
      list.rows.push_back(dir / "tree/" + name);
      // Named as files in the trash: Undo finds theirs among numbered entries.
      if (answers.contains(':') && platform::Trash(list.rows.back()).ok())
        dir.createFile(std::string("tree/") + name, name);
    }
    dir.createDir("out");
    list.folder = dir / "tree";
    const auto name = [&](QChar r) {
      return std::string(FileNameOf(list.rows.at(r.digitValue())));
    };
    const auto letter = [&](std::string_view file) {
      for (std::size_t r = 0; r < list.rows.size(); ++r)
        if (file.starts_with(FileNameOf(list.rows[r]))) return QString(char('a' + r));
      return QString::fromStdString(std::string(file)).replace(' ', '_');
    };
    for (qsizetype i = 0; i < selection.size(); ++i) {
      if (selection[i] == '=') continue;
      if (i == 0 || selection[i - 1] != '=') list.selected.push_back(selection[i].digitValue());
      list.current = list.rows.at(selection[i].digitValue());
    }
    QFETCH(QString, gone);
    for (const QChar r : gone) ::unlink((dir / "tree/" + name(r)).c_str());
    QFETCH(QString, waiting);
    for (const QChar r : waiting) dir.createFile("out/" + name(r), "old");

    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    desktop::Shell shell(dialogs, launcher);
    const bool typed = command == "rename" && !answers.isEmpty();
    QString typing = answers.section(' ', 0, 0).remove('-').replace('_', ' ');
    if (typed) dialogs.input(typing.replace('|', QChar(0)).toStdString());
    for (const QChar step : typed ? answers.section(' ', 1) : answers) {
      if (step == 'p' || step == 'x') dialogs.pickFolder(step == 'p' ? dir / "out//" : "");
      if (step == 'k' || step == 'K') dialogs.confirm(step == 'k');
      if (step == 'e') dialogs.error(), launcher.opens = false;
      if (step == '!') dialogs.cancelProgressAt(2);
      if (const auto answer = QString("yYnNc").indexOf(step); answer >= 0)
        dialogs.replace(desktop::Answer(answer));
    }
    using FC = fileops::FileCommands;
    FC commands(list, shell);
    const auto which = QStringList{"copy", "move", "delete", "rename", "open"}.indexOf(command);
    (commands.*
     std::array{&FC::CopyTo, &FC::MoveTo, &FC::Delete, &FC::Rename, &FC::Open}.at(which))();
    std::string stayed = list.current;
    if (answers.contains(':')) list.rescan = -1;  // from here, Undo's own
    // Where the command put row r's file.
    const auto put = [&](QChar r) {
      return command == "rename" ? "tree/" + typing.toStdString() : "out/" + name(r);
    };
    std::string reason;  // why the file that stayed did, in the error window
    QChar before;
    for (const QChar step : answers.section(':', 1)) {
      const bool moved = step.isDigit() && (before == '+' || before == '%');
      if (moved) stayed = list.rows.at(step.digitValue());
      if (moved && before == '+')  // a new file of its own, as an editor saves
        dir.createFile("new", "old"), std::filesystem::rename(dir / "new", dir / put(step)),
            reason = "another file is at its place now";
      if (moved && before == '%') dir.createFile(put(step), "old"), reason = "changed since";
      if (step.isDigit() && !moved)
        dir.createFile("tree/" + name(step), "old"), stayed = dir / "tree/" + name(step);
      if (step == '@')
        std::filesystem::remove_all(dir / "tree"), dir.createLink("tree", "out"),
            reason = "its folder is no longer the folder it came from";
      if (step == '-') std::filesystem::remove_all(dir / "tree");
      if (step == 'K') commands.Delete();
      if (step == 'u') commands.Undo();
      if (step == 'h')
        commands.HoldUndo("Undo Remove Folder", [&] { list.status = "Held undone"; });
      if (step == 'h') QCOMPARE(commands.UndoText(), "Undo Remove Folder");
      before = step;
    }
    if (answers.endsWith('u')) QCOMPARE(commands.UndoText(), "");  // nothing left to undo
    QVERIFY(dialogs.allAnswered());
    const auto trash = [&](const char* part) { return entriesOf(home_ / "data/Trash/" + part); };
    QCOMPARE(trash("info").size(), trash("files").size());  // Undo leaves no entry half there

    QTEST(QString::fromStdString(list.status), "status");
    QString held;
    for (const std::string folder : {"out", "tree"}) {
      QStringList names;
      for (const std::string& file : entriesOf(dir / folder))
        names << letter(file) + (dir.read(folder + "/" + file) == "old" ? "*" : "");
      held += " " + (names.sort(), names.join(' ')) + (folder == "out" ? " |" : "");
    }
    for (const std::string& url : launcher.urls) {  // the path as the desktop reads it back
      const QString opened = QUrl(QString::fromStdString(url)).toLocalFile().section('/', -1);
      held += " >" + letter(opened.toStdString());
    }
    QTEST(held.simplified(), "files");
    QTEST(list.rescan, "rescan");
    QString asked;  // one operation per file, in list order: the replace questions show it
    const std::string out = "A file named \"" + dir / "out/";
    for (const auto& shown : dialogs.shown()) {
      if (shown.kind == "replace") asked += letter(shown.text.substr(out.size()));
      if (shown.kind == "error" && command == "open")
        QVERIFY(shown.text.ends_with(": no program is set to open this kind of file"));
      if (shown.kind == "error" && answers.contains(':'))  // naming the file that stayed, and why
        QVERIFY2(shown.text.find(platform::Quoted(stayed)) != std::string::npos &&
                     shown.text.find(reason) != std::string::npos,
                 shown.text.c_str());
      if (shown.kind == "input")  // it starts from the current entry's name
        QCOMPARE(shown.text, "please input new file name [" + name(selection.back()) + "]");
    }
    QVERIFY2(std::is_sorted(asked.begin(), asked.end()), qPrintable(asked));
  }

  // Tags written into the names of a folder's files, all listed and selected, after one
  // question (asked: in it; answer k/K, OK or not; Cancel at the nth progress update):
  // edit +word, -tag or tag>word; a file in the way or a rename failing (faults) is kept
  // and named in one window after (kept). Undo takes back every rename.
  void tagNames_data() {
    for (const char* column : {"edit", "answers", "status", "after", "kept", "asked"})
      QTest::addColumn<QByteArray>(column);
    for (const char* row :
         {"add, one in the way|+rome|k|Renamed 1 of 2 files; 1 not renamed|Beach rome.jpg/"
          "Beach.jpg/Rome.png/caf\xE9 rome/rome_x|Beach.jpg|caf\\xE9 \u2192 caf\\xE9 rome",
          "remove, one in the way, one left empty|-rome|k|Renamed 1 of 2 files; 1 not renamed|"
          "Beach rome.jpg/Beach.jpg/Rome.png/caf\xE9/x|Beach rome.jpg|Rename 2 files?",
          "rename, one failing, cancelled|rome>Roma|k3 rename 2 EACCES|Rename cancelled after 1 "
          "of 3 files|Beach Roma.jpg/Beach.jpg/Rome.png/caf\xE9/rome_x|rome_x|Rename 3 files?",
          "remove, declined|-rome|K||Beach rome.jpg/Beach.jpg/Rome.png/caf\xE9/rome_x||"}) {
      const QList<QByteArray> part = QByteArray(row).split('|');
      QTest::newRow(part[0]) << part[1] << part[2] << part[3] << part[4] << part[5] << part[6];
    }
  }
  void tagNames() {
    QFETCH(QByteArray, edit);
    QFETCH(QByteArray, answers);
    QFETCH(QByteArray, kept);
    TestDir dir;
    FakeList list;
    for (const char* name : {"Beach.jpg", "Beach rome.jpg", "rome_x", "Rome.png", "caf\xE9"}) {
      dir.createFile(name, name);
      list.selected.push_back(list.rows.size());
      list.rows.push_back(dir / name);
    }
    const auto held = [&] {
      QByteArrayList names;
      for (const std::string& file : entriesOf(dir.path())) names << file.c_str();
      return names.join('/');  // sorted
    };
    const QByteArray before = held();
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    desktop::Shell shell(dialogs, launcher);
    const qsizetype to = edit.indexOf('>');
    if (edit[0] != '-') dialogs.input(edit.mid(to + 1 + (to < 0)).toStdString());
    dialogs.confirm(answers[0] == 'k');
    dialogs.cancelProgressAt(answers.mid(1, 1).toInt());
    if (!kept.isEmpty()) dialogs.error();
    fileops::FileCommands commands(list, shell);
    {
      FaultyFileSystem fs;
      fs.fail(answers.mid(2).toStdString());
      if (edit[0] == '+') commands.AddTagToNames();
      if (edit[0] == '-') commands.RemoveTagFromNames(edit.mid(1).toStdString());
      if (to >= 0) commands.RenameTagInNames(edit.left(to).toStdString());
    }
    QVERIFY(dialogs.allAnswered());
    QTEST(QByteArray::fromStdString(list.status), "status");
    QTEST(held(), "after");
    QFETCH(QByteArray, asked);
    for (const auto& [kind, text] : dialogs.shown()) {
      const std::string want = kind == "error" ? dir / kept.toStdString() : asked.toStdString();
      if (kind != "input") QVERIFY2(text.find(want) != std::string::npos, text.c_str());
    }
    commands.Undo();
    QCOMPARE(held(), before);
  }
};

QTEST_MAIN(TestFileCommands)
#include "test_file_commands.moc"
