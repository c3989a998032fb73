#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <climits>
#include <optional>

#include "catalogue/store.h"
#include "support/testdir.h"

using namespace velmora::catalogue;

namespace {

// Each usable record as "path|tags|folder shown".
QStringList records(const FolderStore& store) {
  QStringList out;
  for (std::size_t i = 0; i < store.size(); ++i)
    out << QString::fromStdString(store.Path(i) + "|" + store.UserTags(i) + "|" + store.Folder(i));
  return out;
}

std::string addNew(FolderStore& store) { return store.Append("/new", ""); }

// lstat's type and permissions of path, 0 when missing.
unsigned kindOf(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0u;
}

const std::string kOldText = "/old\r\nkeep,\r\n";

}  // namespace

class TestStore : public QObject {
  Q_OBJECT
 private slots:
  void parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("usable");
    QTest::newRow("LF or CR alone")
        << QByteArray("/P\nb,\r/M\n") << QStringList{"/P|b,|P", "/M||M"};
    QTest::newRow("tag line missing") << QByteArray("/a\r\n") << QStringList{"/a||a"};
    QTest::newRow("last line unterminated") << QByteArray("/a\r\nt,") << QStringList{"/a|t,|a"};
    QTest::newRow("blank path line") << QByteArray("\r\nt,\r\n") << QStringList{"|t,|"};
    QTest::newRow("extra line shifts pairs")
        << QByteArray("/a\r\n\r\n\r\n/b\r\n") << QStringList{"/a||a", "|/b|"};
    QTest::newRow("byte order mark dropped")
        << QByteArray("\xEF\xBB\xBF/a\r\nt,\r\n") << QStringList{"/a|t,|a"};
    QTest::newRow("separator at the end, root")
        << QByteArray("/x/\r\n\r\n/\r\n\r\n") << QStringList{"/x/||", "/||/"};
  }
  void parse() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, usable);
    const FolderStore store = ParseFolders(text.toStdString());
    QCOMPARE(records(store), usable);
    QVERIFY(store.Refused().empty());
  }

  // Written and read back byte for byte; a path that cannot name a folder is not
  // listed, and no save drops it from the file.
  void fileRoundTrip_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("refused");
    QTest::newRow("any bytes, a path beginning with a mark")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF/m\r\na b,,c,\r\n/caf\xE9 \xFF\r\n\r\n") << 0;
    QTest::newRow("NUL") << QByteArray("/a\r\nt,\r\n/a") + '\0' + "/b\r\nx,\r\n" << 1;
    QTest::newRow("longer than PATH_MAX") << "/a\r\n\r\n/" + QByteArray(PATH_MAX, 'p') + "\r\n\r\n"
                                          << 1;
  }
  void fileRoundTrip() {
    QFETCH(QByteArray, text);
    QFETCH(int, refused);
    const FolderStore store = ParseFolders(text.toStdString());
    QCOMPARE(store.Refused().size(), static_cast<std::size_t>(refused));
    QCOMPARE(store.size(), static_cast<std::size_t>(2 - refused));
    QVERIFY(refused == 0 || !FolderStore().Append(store.Refused()[0].path, "").empty());
    TestDir t;
    const std::string file = StoreFileIn(t.path());
    QCOMPARE(SaveFolders(store, file), std::string());
    QCOMPARE(t.read("folders.txt"), text.toStdString());
    FolderStore now;
    QCOMPARE(UpdateFolders(file, addNew, now), std::string());
    QCOMPARE(now.Refused(), store.Refused());
    // A line break would shift every later record.
    QVERIFY(!now.Append("/b\nc", "").empty() && !now.Append("/b", "t\r,").empty());
    QVERIFY(!now.SetUserTags(0, "new\n,").empty() && now.size() == store.size() + 1);
  }

  // One change through each kind of folders.txt. Nothing but a plain file of sensible
  // size is read; a save replaces the file the store names or nothing and leaves no
  // temporary file; what folders.txt is stays (a link stays a link, a mode stays).
  void change_data() {
    QTest::addColumn<int>("mode");         // given to the file, -1 for none
    QTest::addColumn<QString>("failure");  // "verb: reason", or empty
    QTest::newRow("keeps the permissions") << 0640 << QString();
    QTest::newRow("through a link") << -1 << QString();
    QTest::newRow("FIFO") << -1 << QString("read: not a regular file");
    QTest::newRow("link to /dev/zero") << -1 << QString("read: not a regular file");
    QTest::newRow("over 16 MiB") << -1 << QString("read: File too large");
    QTest::newRow("unreadable") << 0 << QString("read: Permission denied");
    QTest::newRow("read-only file") << 0444 << QString("write: Permission denied");
    QTest::newRow("read-only folder") << -1 << QString("write: Permission denied");
    QTest::newRow("full disk") << -1 << QString("write: No space left on device");
  }
  void change() {
    QFETCH(int, mode);
    QFETCH(QString, failure);
    const QString verb = failure.section(": ", 0, 0), reason = failure.section(": ", 1);
    TestDir t;
    const QByteArray tag = QTest::currentDataTag();
    std::optional<SmallFileSystem> disk;
    if (tag == "full disk" && !disk.emplace(t / "d", 64 * 1024).mounted())
      QSKIP(disk->skipReason().c_str());
    const std::string dir = tag == "full disk" ? t / "d" : t.path(), file = dir + "/folders.txt";
    const std::string relative = file.substr(t.path().size() + 1);
    if (tag.contains("link"))
      t.createLink("folders.txt", tag.contains("zero") ? "/dev/zero" : "real/s");
    if (tag == "FIFO")
      QCOMPARE(::mkfifo(file.c_str(), 0644), 0);
    else if (!tag.contains("zero"))
      t.createFile(tag.contains("link") ? "real/s" : relative, kOldText);
    if (tag == "over 16 MiB") QCOMPARE(::truncate(file.c_str(), kMaxStoreBytes + 1), 0);
    if (mode >= 0) QCOMPARE(::chmod(file.c_str(), static_cast<mode_t>(mode)), 0);
    // Only what the row sets up keeps the unprivileged user from the store.
    QCOMPARE(::chmod(dir.c_str(), tag == "read-only folder" ? 0555 : 0777), 0);
    if (tag == "full disk") {  // one short write fills it
      const int fd = ::open((dir + "/fill").c_str(), O_WRONLY | O_CREAT, 0644);
      QVERIFY(::write(fd, std::string(1 << 16, 'x').data(), 1 << 16) > 0 && ::close(fd) == 0);
    }
    const unsigned before = kindOf(file);
    const auto step = [&] {
      FolderStore now;
      return UpdateFolders(file, addNew, now);
    };
    std::string message = reason == "Permission denied" ? "" : step();
    if (reason == "Permission denied") {
      RUN_UNPRIVILEGED(shown, step);
      message = shown;
    }
    QCOMPARE(message, verb.isEmpty() ? ""
                                     : "Cannot " + verb.toStdString() + " " + file + ": " +
                                           reason.toStdString());
    if (verb != "read")
      QCOMPARE(t.read(relative), kOldText + (verb.isEmpty() ? "/new\r\n\r\n" : ""));
    QCOMPARE(kindOf(file), before);
    for (const auto& name : entriesOf(dir))
      QVERIFY2(name.find(".tmp") == std::string::npos, name.c_str());
  }

  // Two processes adding at once: each change is made to what the other wrote.
  void twoWritersKeepEveryFolder() {
    TestDir t;
    const std::string file = t / "folders.txt";
    const pid_t child = ::fork();
    bool ok = true;
    for (int i = 0; i < 100; ++i) {
      const std::string path = (child == 0 ? "/child/" : "/parent/") + std::to_string(i);
      const auto add = [&](FolderStore& s) { return s.Append(path, ""); };
      FolderStore now;
      if (!UpdateFolders(file, add, now).empty()) ok = false;
    }
    if (child == 0) ::_exit(ok ? 0 : 1);
    int status = -1;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(ok && WIFEXITED(status) && WEXITSTATUS(status) == 0);
    FolderStore store;
    QCOMPARE(LoadFolders(store, file), std::string());
    QCOMPARE(store.size(), std::size_t{200});
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
