#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>
#include <climits>

#include "catalogue/store.h"
#include "support/faulty_fs.h"
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
    QVERIFY(SaveFolders(store, file).ok());
    QCOMPARE(t.read("folders.txt"), text.toStdString());
    FolderStore now;
    QVERIFY(UpdateFolders(file, addNew, now).ok());
    QCOMPARE(now.Refused(), store.Refused());
    // A line break would shift every later record.
    QVERIFY(!now.Append("/b\nc", "").empty() && !now.Append("/b", "t\r,").empty());
    QVERIFY(!now.SetUserTags(0, "new\n,").empty() && now.size() == store.size() + 1);
  }

  // Nothing but a plain file of sensible size is read; what is refused is named.
  void load_data() {
    QTest::addColumn<QString>("kind");    // plain, fifo, zero (a link to /dev/zero), big, missing
    QTest::addColumn<QString>("fault");   // see FaultyFileSystem
    QTest::addColumn<QString>("reason");  // empty: read
    QTest::newRow("plain") << "plain" << "" << "";
    QTest::newRow("missing: first start") << "missing" << "" << "";
    QTest::newRow("interrupted read") << "plain" << "read 1 EINTR" << "";
    QTest::newRow("FIFO") << "fifo" << "" << "not a regular file";
    QTest::newRow("link to /dev/zero") << "zero" << "" << "not a regular file";
    QTest::newRow("over 16 MiB") << "big" << "" << "File too large";
    QTest::newRow("unreadable") << "plain" << "open 1 EACCES" << "Permission denied";
    QTest::newRow("read error") << "plain" << "read 1 EIO" << "Input/output error";
    QTest::newRow("cannot look") << "plain" << "stat 1 EIO" << "Input/output error";
  }
  void load() {
    QFETCH(QString, kind);
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    TestDir t;
    const std::string file = t / "folders.txt";
    if (kind == "plain" || kind == "big") t.createFile("folders.txt", kOldText);
    if (kind == "big") QCOMPARE(::truncate(file.c_str(), kMaxStoreBytes + 1), 0);
    if (kind == "fifo") QCOMPARE(::mkfifo(file.c_str(), 0644), 0);
    if (kind == "zero") t.createLink("folders.txt", "/dev/zero");
    FolderStore store;
    FaultyFileSystem fs;
    fs.fail(fault.toStdString());
    const velmora::platform::Status status = LoadFolders(store, file);
    QCOMPARE(status.message(), reason.isEmpty() ? "" : "Cannot read " + file + ": " + reason.toStdString());
    QCOMPARE(records(store), kind == "plain" && reason.isEmpty() ? QStringList{"/old|keep,|old"} : QStringList{});
  }

  // One change: under the lock, read, changed, saved. A failed save leaves the old file
  // and no temporary one; what folders.txt is stays (a link stays a link, a mode stays).
  void save_data() {
    QTest::addColumn<QString>("fault");   // see FaultyFileSystem
    QTest::addColumn<QString>("reason");  // empty: saved
    QTest::newRow("keeps the permissions") << "" << "";
    QTest::newRow("through a link") << "" << "";
    QTest::newRow("interrupted lock") << "flock 1 EINTR" << "";
    QTest::newRow("link loop") << "readlink 0 ELOOP" << "Too many levels of symbolic links";
    QTest::newRow("no lock file") << "open 1 EROFS" << "Read-only file system";
    QTest::newRow("no lock") << "flock 1 EIO" << "Input/output error";
    QTest::newRow("cannot read") << "read 1 EIO" << "Cannot read";
    QTest::newRow("read-only file") << "access 1 EACCES" << "Permission denied";
    QTest::newRow("read-only folder") << "open 3 EACCES" << "Permission denied";
    QTest::newRow("disk full") << "write 1 ENOSPC" << "No space left on device";
    QTest::newRow("a write that takes nothing") << "write 1 0" << "No space left on device";
    QTest::newRow("flush fails") << "fsync 1 EIO" << "Input/output error";
    QTest::newRow("close fails") << "close 2 EIO" << "Input/output error";
    QTest::newRow("rename fails") << "rename 1 EXDEV" << "Invalid cross-device link";
  }
  void save() {
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    TestDir t;
    const bool link = QByteArray(QTest::currentDataTag()).contains("link");
    const std::string file = t / "folders.txt", real = link ? t / "real/s" : file;
    t.createFile(link ? "real/s" : "folders.txt", kOldText);
    if (link) t.createLink("folders.txt", "real/s");
    QCOMPARE(::chmod(real.c_str(), 0640), 0);
    const unsigned before = kindOf(file);
    FolderStore now;
    FaultyFileSystem fs;
    fs.fail(fault.toStdString());
    const velmora::platform::Status status = UpdateFolders(file, addNew, now);
    const std::string read = reason == "Cannot read" ? "Cannot read " + file + ": Input/output error" : "";
    QCOMPARE(status.message(), reason.isEmpty() ? "" : !read.empty() ? read
                 : "Cannot write " + file + ": " + reason.toStdString());
    QCOMPARE(t.read("folders.txt"), kOldText + (status.ok() ? "/new\r\n\r\n" : ""));
    QCOMPARE(kindOf(file), before);
    QCOMPARE(kindOf(real) & 07777, 0640u);
    for (const auto& name : entriesOf(link ? t / "real" : t.path()))
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
      if (!UpdateFolders(file, add, now).ok()) ok = false;
    }
    if (child == 0) ::_exit(ok ? 0 : 1);
    int status = -1;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(ok && WIFEXITED(status) && WEXITSTATUS(status) == 0);
    FolderStore store;
    QVERIFY(LoadFolders(store, file).ok());
    QCOMPARE(store.size(), std::size_t{200});
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
