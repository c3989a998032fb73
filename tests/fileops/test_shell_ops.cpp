#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "fileops/shell_ops.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;
using fileops::FileExists;
using Names = std::vector<std::string>;

namespace {

// One test's world: a folder, scripted dialogs and the shell over them.
struct World {
  TestDir dir;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  platform::Shell shell{dialogs, launcher};
};

bool exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

std::string percentDecoded(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      out.push_back(static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(s[i]);
    }
  }
  return out;
}

void setTimes(const std::string& path, time_t when) {
  const struct timespec times[2] = {{when, 0}, {when, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

struct stat statOf(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return st;
}

const Names kOddNames = {"plain.txt",       "with blank.txt", "per%cent #hash.txt", "new\nline.txt",
                         "caf\xE9\xFF.txt", ".dotfile",       "-leading-dash"};

}  // namespace

class TestShellOps : public QObject {
  Q_OBJECT
  TestDir home_;  // HOME and XDG_DATA_HOME for the whole run: GLib reads them once
  std::string trash_;

  // The trashed name whose .trashinfo records original, or empty.
  std::string trashedAs(const std::string& original) {
    for (const auto& info : entriesOf(trash_ + "/info")) {
      const auto lines =
          QByteArray::fromStdString(home_.read("data/Trash/info/" + info)).split('\n');
      if (lines.size() < 3 || lines[0] != "[Trash Info]" || !lines[2].startsWith("DeletionDate="))
        continue;
      if (percentDecoded(lines[1].mid(5).toStdString()) == original) {
        return info.substr(0, info.size() - std::string_view(".trashinfo").size());
      }
    }
    return {};
  }

 private slots:
  void initTestCase() {
    const QByteArray home = QByteArray::fromStdString(home_.path());
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/data");
    trash_ = home.toStdString() + "/data/Trash";
  }

  // Must run first: the trash does not exist yet.
  void firstDeleteMakesTheTrash() {
    World w;
    TestDir cwd;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(cwd.path()));
    QVERIFY(!exists(trash_));
    w.dir.createFile("first.txt", "x");
    fileops::ShellDelete(w.shell, w.dir / "first.txt");
    QDir::setCurrent(previous);
    QVERIFY(!exists(w.dir / "first.txt"));
    QCOMPARE(trashedAs(w.dir / "first.txt"), std::string("first.txt"));
    QCOMPARE(entriesOf(cwd.path()), Names{});
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void deleteToTrash_data() {
    QTest::addColumn<QByteArray>("name");
    for (const auto& n : kOddNames)
      QTest::newRow(QByteArray::fromStdString(n).toPercentEncoding())
          << QByteArray::fromStdString(n);
  }
  void deleteToTrash() {
    QFETCH(QByteArray, name);
    World w;
    const std::string file = name.toStdString();
    w.dir.createFile(file, "content");
    fileops::ShellDelete(w.shell, w.dir / file);
    QVERIFY(!exists(w.dir / file));
    const std::string trashed = trashedAs(w.dir / file);
    QVERIFY2(!trashed.empty(), "no .trashinfo names the original path");
    QCOMPARE(QByteArray::fromStdString(trashed), name);
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  // The home trash is on another file system: the file goes to its own mount's trash.
  void deleteOnAnotherMount() {
    World w;
    SmallFileSystem disk(w.dir / "disk", 1 << 20, SmallFileSystem::Kind::Ext2);
    if (!disk.mounted()) QSKIP(disk.skipReason().c_str());
    w.dir.createFile("disk/away.txt", "a");
    fileops::ShellDelete(w.shell, w.dir / "disk/away.txt");
    QCOMPARE(w.dialogs.summary(), std::string());
    const std::string trash = w.dir / ("disk/.Trash-" + std::to_string(::getuid()));
    QCOMPARE(entriesOf(trash + "/files"), Names{"away.txt"});
    QCOMPARE(w.dir.read("disk/.Trash-" + std::to_string(::getuid()) + "/info/away.txt.trashinfo")
                 .substr(0, 26),
             std::string("[Trash Info]\nPath=away.txt"));
  }

  void danglingLinkIsTrashedAsLink() {
    World w;
    w.dir.createLink("dangling", "nowhere");
    QVERIFY(FileExists(w.dir / "dangling"));
    fileops::ShellDelete(w.shell, w.dir / "dangling");
    QVERIFY(!exists(w.dir / "dangling"));
    QVERIFY(S_ISLNK(statOf(trash_ + "/files/" + trashedAs(w.dir / "dangling")).st_mode));
  }

  void deleteOfWhatIsNoFileDoesNothing() {
    World w;
    w.dir.createDir("folder");
    for (const std::string& path : {w.dir / "gone.txt", w.dir / "folder", std::string()}) {
      QVERIFY(!FileExists(path));
      fileops::ShellDelete(w.shell, path);
    }
    QVERIFY(exists(w.dir / "folder"));
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void copyAndMoveKeepNamesModeAndTime_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("move");
    for (const auto& n : kOddNames) {
      const QByteArray tag = QByteArray::fromStdString(n).toPercentEncoding();
      QTest::newRow("copy " + tag) << QByteArray::fromStdString(n) << false;
      QTest::newRow("move " + tag) << QByteArray::fromStdString(n) << true;
    }
  }
  void copyAndMoveKeepNamesModeAndTime() {
    QFETCH(QByteArray, name);
    QFETCH(bool, move);
    World w;
    const std::string from = w.dir / ("src/" + name.toStdString());
    const std::string to = w.dir / ("dst/" + name.toStdString());
    w.dir.createFile("src/" + name.toStdString(), "payload");
    w.dir.createDir("dst");
    ::chmod(from.c_str(), 0640);
    setTimes(from, 1000000000);
    (move ? fileops::ShellMove : fileops::ShellCopy)(w.shell, from, to);
    QCOMPARE(w.dialogs.summary(), std::string());
    QCOMPARE(exists(from), !move);
    QCOMPARE(w.dir.read("dst/" + name.toStdString()), std::string("payload"));
    QCOMPARE(statOf(to).st_mode & 07777, 0640u);
    QCOMPARE(statOf(to).st_mtim.tv_sec, time_t{1000000000});
    QCOMPARE(entriesOf(w.dir / "dst"), Names{name.toStdString()});
  }

  void replaceQuestion_data() {
    QTest::addColumn<bool>("move");
    QTest::addColumn<bool>("yes");
    QTest::newRow("copy, no") << false << false;
    QTest::newRow("copy, yes") << false << true;
    QTest::newRow("move, no") << true << false;
    QTest::newRow("move, yes") << true << true;
  }
  void replaceQuestion() {
    QFETCH(bool, move);
    QFETCH(bool, yes);
    World w;
    w.dir.createFile("new.txt", "new");
    w.dir.createFile("dst/new.txt", "old");
    setTimes(w.dir / "dst/new.txt", 1000000000);
    w.dialogs.yesNo(yes);
    (move ? fileops::ShellMove : fileops::ShellCopy)(w.shell, w.dir / "new.txt",
                                                     w.dir / "dst/new.txt");
    QVERIFY(w.dialogs.allAnswered());
    QVERIFY(w.dialogs.shown()[0].text.find(w.dir / "dst/new.txt") != std::string::npos);
    QCOMPARE(w.dir.read("dst/new.txt"), std::string(yes ? "new" : "old"));
    if (!yes) QCOMPARE(statOf(w.dir / "dst/new.txt").st_mtim.tv_sec, time_t{1000000000});
    QCOMPARE(exists(w.dir / "new.txt"), !(move && yes));
    QCOMPARE(entriesOf(w.dir / "dst"), Names{"new.txt"});
  }

  void sameFileIsRefused_data() {
    QTest::addColumn<bool>("move");
    QTest::addColumn<QString>("target");
    for (const bool move : {false, true}) {
      const QByteArray op = move ? "move" : "copy";
      QTest::newRow(op + " onto itself") << move << "a.txt";
      QTest::newRow(op + " onto a hard link") << move << "hard.txt";
      QTest::newRow(op + " through another path") << move << "sub/../a.txt";
    }
  }
  void sameFileIsRefused() {
    QFETCH(bool, move);
    QFETCH(QString, target);
    World w;
    w.dir.createFile("a.txt", "keep");
    w.dir.createDir("sub");
    QCOMPARE(::link((w.dir / "a.txt").c_str(), (w.dir / "hard.txt").c_str()), 0);
    w.dialogs.error();
    (move ? fileops::ShellMove : fileops::ShellCopy)(w.shell, w.dir / "a.txt",
                                                     w.dir / target.toStdString());
    QVERIFY(w.dialogs.allAnswered());
    QVERIFY(w.dialogs.shown()[0].text.find("same file") != std::string::npos);
    QCOMPARE(w.dir.read("a.txt"), std::string("keep"));
    QCOMPARE(entriesOf(w.dir.path()), (Names{"a.txt", "hard.txt", "sub"}));
  }

  void renameNeverReplaces() {
    World w;
    w.dir.createFile("a.txt", "a");
    w.dir.createFile("b.txt", "b");
    w.dialogs.error();
    fileops::ShellRename(w.shell, w.dir / "a.txt", w.dir / "b.txt");
    QVERIFY(w.dialogs.allAnswered());
    QVERIFY(w.dialogs.shown()[0].text.find("already exists") != std::string::npos);
    QCOMPARE(w.dir.read("a.txt") + w.dir.read("b.txt"), std::string("ab"));
    for (const auto& name : kOddNames) {
      fileops::ShellRename(w.shell, w.dir / "a.txt", w.dir / name);
      Names expected{"b.txt", name};
      std::sort(expected.begin(), expected.end());
      QCOMPARE(entriesOf(w.dir.path()), expected);
      fileops::ShellRename(w.shell, w.dir / name, w.dir / "a.txt");
    }
    QCOMPARE(w.dialogs.shown().size(), std::size_t{1});
  }

  void vanishedSourceIsOneError() {
    World w;
    w.dir.createDir("dst");
    for (const auto op : {fileops::ShellCopy, fileops::ShellMove, fileops::ShellRename}) {
      w.dialogs.error();
      op(w.shell, w.dir / "gone.txt", w.dir / "dst/gone.txt");
    }
    QVERIFY(w.dialogs.allAnswered());
    for (const auto& shown : w.dialogs.shown()) {
      QVERIFY(shown.text.find(w.dir / "gone.txt") != std::string::npos);
      QVERIFY(shown.text.find("No such file or directory") != std::string::npos);
    }
    QCOMPARE(entriesOf(w.dir / "dst"), Names{});
  }

  void emptySourceDoesNothing() {
    World w;
    for (const auto function : {platform::FileFunction::Copy, platform::FileFunction::Move,
                                platform::FileFunction::Rename, platform::FileFunction::Delete}) {
      QCOMPARE(w.shell.Run({function, "", w.dir / "x", 0}), EINVAL);
    }
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void cancelledCopyLeavesNothing() {
    World w;
    w.dir.createFile("big.bin", std::string(3 << 20, 'b'));
    w.dir.createDir("dst");
    w.dialogs.cancelProgressAt(1);
    fileops::ShellCopy(w.shell, w.dir / "big.bin", w.dir / "dst/big.bin");
    QCOMPARE(w.dialogs.progressUpdates(), 1);
    QCOMPARE(entriesOf(w.dir / "dst"), Names{});
    QCOMPARE(w.dialogs.summary(), std::string());
  }

  void fullDiskKeepsTheOldTarget() {
    World w;
    SmallFileSystem disk(w.dir / "disk", 256 * 1024);
    if (!disk.mounted()) QSKIP(disk.skipReason().c_str());
    w.dir.createFile("disk/big.bin", "old");
    w.dir.createFile("big.bin", std::string(1 << 20, 'n'));
    w.dialogs.yesNo(true).error();
    fileops::ShellCopy(w.shell, w.dir / "big.bin", w.dir / "disk/big.bin");
    QVERIFY(w.dialogs.allAnswered());
    QVERIFY(w.dialogs.shown()[1].text.find("No space left on device") != std::string::npos);
    QCOMPARE(w.dir.read("disk/big.bin"), std::string("old"));
    QCOMPARE(entriesOf(w.dir / "disk"), Names{"big.bin"});
  }

  void moveAcrossFileSystems() {
    World w;
    SmallFileSystem disk(w.dir / "disk", 256 * 1024);
    if (!disk.mounted()) QSKIP(disk.skipReason().c_str());
    w.dir.createFile("small.txt", "small");
    ::chmod((w.dir / "small.txt").c_str(), 0604);
    setTimes(w.dir / "small.txt", 1000000000);
    fileops::ShellMove(w.shell, w.dir / "small.txt", w.dir / "disk/small.txt");
    QVERIFY(!exists(w.dir / "small.txt"));
    QCOMPARE(w.dir.read("disk/small.txt"), std::string("small"));
    QCOMPARE(statOf(w.dir / "disk/small.txt").st_mode & 07777, 0604u);
    QCOMPARE(statOf(w.dir / "disk/small.txt").st_mtim.tv_sec, time_t{1000000000});

    // Too big for the other side: the source stays.
    w.dir.createFile("big.bin", std::string(1 << 20, 'n'));
    w.dialogs.error();
    fileops::ShellMove(w.shell, w.dir / "big.bin", w.dir / "disk/big.bin");
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.dir.read("big.bin").size(), std::size_t{1} << 20);
    QCOMPARE(entriesOf(w.dir / "disk"), Names{"small.txt"});
  }

  void permissionFailures_data() {
    QTest::addColumn<QString>("case_");
    QTest::newRow("read-only target folder") << "readonly";
    QTest::newRow("unreadable source") << "unreadable";
  }
  void permissionFailures() {
    QFETCH(QString, case_);
    World w;
    w.dir.createFile("a.txt", "a");
    w.dir.createDir("dst");
    ::chmod((w.dir / (case_ == "readonly" ? "dst" : "a.txt")).c_str(),
            case_ == "readonly" ? 0555 : 0);
    RUN_UNPRIVILEGED(shown, [&] {
      ScriptedDialogs dialogs;
      RecordingLauncher launcher;
      platform::Shell shell(dialogs, launcher);
      dialogs.error();
      fileops::ShellCopy(shell, w.dir / "a.txt", w.dir / "dst/a.txt");
      return dialogs.summary() + ": " + (dialogs.shown().empty() ? "" : dialogs.shown()[0].text);
    });
    QVERIFY2(shown.rfind("error: ", 0) == 0, shown.c_str());
    QVERIFY2(shown.find("Permission denied") != std::string::npos, shown.c_str());
    QCOMPARE(entriesOf(w.dir / "dst"), Names{});
  }

  // The user decides; a file that cannot reach the trash is never deleted silently.
  void trashThatCannotBeWritten_data() {
    QTest::addColumn<bool>("deletePermanently");
    QTest::newRow("keep it") << false;
    QTest::newRow("delete it") << true;
  }
  void trashThatCannotBeWritten() {
    QFETCH(bool, deletePermanently);
    World w;
    ::chmod(w.dir.path().c_str(), 0777);
    w.dir.createFile("stuck.txt", "s");
    const std::string info = trash_ + "/info";
    QCOMPARE(::chmod(info.c_str(), 0555), 0);
    RUN_UNPRIVILEGED(shown, [&] {
      ScriptedDialogs dialogs;
      RecordingLauncher launcher;
      platform::Shell shell(dialogs, launcher);
      dialogs.yesNo(deletePermanently);
      fileops::ShellDelete(shell, w.dir / "stuck.txt");
      return dialogs.summary() + ": " + (dialogs.shown().empty() ? "" : dialogs.shown()[0].text);
    });
    ::chmod(info.c_str(), 0755);
    QVERIFY2(shown.rfind("yesno: ", 0) == 0, shown.c_str());
    QVERIFY2(shown.find("cannot be moved to the trash (") != std::string::npos, shown.c_str());
    QVERIFY2(shown.find("). Delete it permanently?") != std::string::npos, shown.c_str());
    QCOMPARE(exists(w.dir / "stuck.txt"), !deletePermanently);
  }

  void openDocumentHandsOverAUrl_data() {
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("url");
    QTest::newRow("plain") << QByteArray("/home/u/a.txt") << QByteArray("file:///home/u/a.txt");
    QTest::newRow("blank, quote, percent, hash")
        << QByteArray("/d/a b\"%#.txt") << QByteArray("file:///d/a%20b%22%25%23.txt");
    QTest::newRow("leading dash, newline")
        << QByteArray("/d/-x\ny") << QByteArray("file:///d/-x%0Ay");
    QTest::newRow("not UTF-8") << QByteArray("/d/caf\xE9") << QByteArray("file:///d/caf%E9");
    QTest::newRow("UTF-8") << QByteArray("/d/é") << QByteArray("file:///d/%C3%A9");
    QTest::newRow("address") << QByteArray("https://example.org/a?b=c")
                             << QByteArray("https://example.org/a?b=c");
  }
  void openDocumentHandsOverAUrl() {
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, url);
    World w;
    w.shell.OpenDocument(target.toStdString());
    QCOMPARE(w.launcher.urls, std::vector<std::string>{url.toStdString()});
  }

  void pickFolder_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/home/u/Photos"
                           << "/home/u/Photos";
    QTest::newRow("trailing separator") << "/home/u/Photos/"
                                        << "/home/u/Photos";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("cancel") << ""
                            << "";
  }
  void pickFolder() {
    QFETCH(QString, picked);
    QFETCH(QString, path);
    World w;
    w.dialogs.pickFolder(picked.toStdString());
    QCOMPARE(QString::fromStdString(w.shell.PickFolder("Select a folder")), path);
  }
};

QTEST_GUILESS_MAIN(TestShellOps)
#include "test_shell_ops.moc"
