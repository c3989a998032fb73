#include <sys/stat.h>
#include <sys/wait.h>

#include <QtTest>
#include <climits>

#include "catalogue/store.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::catalogue;

namespace {
std::string addNew(FolderStore& store) { return store.Append("/new", ""); }
unsigned modeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0u;
}
}  // namespace

class TestStore : public QObject {
  Q_OBJECT
 private slots:
  // The records read, as "path|tags", "!" for each one refused; "=" when a save writes the
  // text back as it was. No save drops a refused record.
  void parseAndSave_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("records");
    const auto row = [](const char* name, const QByteArray& text, const char* records) {
      QTest::newRow(name) << text << QByteArray(records);
    };
    row("LF or CR alone", "/P\nb,\r/M\n", "/P|b, /M|");
    row("tag line missing", "/a\r\n", "/a|");
    row("last line unterminated", "/a\r\nt,", "/a|t,");
    row("mark dropped", "\xEF\xBB\xBF/a\r\nt,\r\n", "/a|t,");
    row("blank path line", "\r\nt,\r\n", "|t, =");
    row("extra line shifts pairs", "/a\r\n\r\n\r\n/b\r\n", "/a| |/b =");
    row("separator at the end, root", "/x/\r\n\r\n/\r\n\r\n", "/x/| /| =");
    row("any bytes, a path beginning with a mark",
        "\xEF\xBB\xBF\xEF\xBB\xBF/m\r\na b,,c,\r\n/caf\xE9 \xFF\r\n\r\n",
        "\xEF\xBB\xBF/m|a b,,c, /caf\xE9 \xFF| =");
    row("NUL", QByteArray("/a\r\nt,\r\n/a") + '\0' + "/b\r\nx,\r\n", "/a|t, ! =");
    row("longer than PATH_MAX", "/a\r\n\r\n/" + QByteArray(PATH_MAX, 'p') + "\r\n\r\n", "/a| ! =");
  }
  void parseAndSave() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, records);
    const FolderStore store = ParseFolders(text.toStdString());
    QByteArray got;
    for (std::size_t i = 0; i < store.size(); ++i)
      got += " " + store.Path(i) + "|" + store.UserTags(i);
    got += QByteArray(" !").repeated(qsizetype(store.Refused().size()));
    TestDir t;
    const std::string file = StoreFileIn(t.path());
    QVERIFY(SaveFolders(store, file).ok());
    QCOMPARE(got.mid(1) + (t.read("folders.txt") == text.toStdString() ? " =" : ""), records);
    FolderStore now;
    QVERIFY(UpdateFolders(file, addNew, now).ok());
    QVERIFY(now.Refused() == store.Refused() && now.Path(now.size() - 1) == "/new");
    // A line break would shift every later record.
    QVERIFY(!now.Append("/b\nc", "").empty() && !now.Append("/b", "t\r,").empty());
    QVERIFY(!now.SetUserTags(0, "new\n,").empty() && now.size() == store.size() + 1);
  }

  // One change: under the lock, read, changed, saved. Only a plain file of sensible size is
  // read. A failure leaves the old file and no temporary one; a link stays a link, a mode
  // stays. The file: plain, link, missing, fifo, zero (a link to /dev/zero) or big; then
  // faults (FaultyFileSystem); then " = read: " or " = write: " and the reason.
  void update_data() {
    QTest::addColumn<QString>("setup");
    for (const char* row :
         {"keeps the mode|plain",
          "through a link|link",
          "first start|missing",
          "interrupted read and lock|plain read 1 EINTR, flock 1 EINTR",
          "FIFO|fifo = read: not a regular file",
          "link to /dev/zero|zero = read: not a regular file",
          "over 16 MiB|big = read: File too large",
          "unreadable|plain open 2 EACCES = read: Permission denied",
          "read error|plain read 1 EIO = read: Input/output error",
          "cannot look|plain stat 1 EIO = read: Input/output error",
          "link loop|link readlink 0 ELOOP = write: Too many levels of symbolic links",
          "no lock file|plain open 1 EROFS = write: Read-only file system",
          "no lock|plain flock 1 EIO = write: Input/output error",
          "read-only file|plain access 1 EACCES = write: Permission denied",
          "read-only folder|plain open 3 EACCES = write: Permission denied",
          "full|plain write 1 ENOSPC = write: No space left on device",
          "a write that takes nothing|plain write 1 0 = write: No space left on device",
          "flush fails|plain fsync 1 EIO = write: Input/output error",
          "close fails|plain close 2 EIO = write: Input/output error",
          "rename fails|plain rename 1 EXDEV = write: Invalid cross-device link"})
      QTest::newRow(QByteArray(row).split('|')[0]) << QString(row).section('|', 1);
  }
  void update() {
    QFETCH(QString, setup);
    TestDir t;
    const QString kind = setup.section(' ', 0, 0), error = setup.section(" = ", 1);
    const std::string file = t / "folders.txt", real = kind == "link" ? t / "real/s" : file;
    const std::string old = kind == "missing" ? "" : "/old\r\nkeep,\r\n";
    if (!old.empty())
      t.createFile(real.substr(t.path().size() + 1), old), ::chmod(real.c_str(), 0640);
    if (kind == "link") t.createLink("folders.txt", "real/s");
    if (kind == "zero" || kind == "fifo") ::unlink(file.c_str());
    if (kind == "zero") t.createLink("folders.txt", "/dev/zero");
    if (kind == "fifo") ::mkfifo(file.c_str(), 0644);
    if (kind == "big") ::truncate(file.c_str(), 16 * 1024 * 1024 + 1);
    const unsigned before = modeOf(file);
    FolderStore now;
    FaultyFileSystem fs;
    fs.fail(setup.section(" = ", 0, 0).section(' ', 1).toStdString());
    const auto status = UpdateFolders(file, addNew, now);
    QCOMPARE(QString::fromStdString(status.message()),
             error.isEmpty() ? ""
                             : "Cannot " + error.section(": ", 0, 0) + " " +
                                   QString::fromStdString(file) + ": " + error.section(": ", 1));
    if (kind == "plain" || kind == "link" || kind == "missing")
      QCOMPARE(t.read("folders.txt"), old + (status.ok() ? "/new\r\n\r\n" : ""));
    if (kind == "plain" || kind == "link")
      QVERIFY(modeOf(file) == before && (modeOf(real) & 07777) == 0640);
    for (const auto& name : entriesOf(kind == "link" ? t / "real" : t.path()))
      QVERIFY2(name.find(".tmp") == std::string::npos, name.c_str());
  }

  // Two processes adding at once: each change is made to what the other wrote.
  void twoWritersKeepEveryFolder() {
    TestDir t;
    const pid_t child = ::fork();
    bool ok = true;
    for (int i = 0; i < 100; ++i) {
      const std::string path = (child == 0 ? "/child/" : "/parent/") + std::to_string(i);
      FolderStore now;
      ok = UpdateFolders(
               t / "f", [&](FolderStore& s) { return s.Append(path, ""); }, now)
               .ok() &&
           ok;
    }
    if (child == 0) ::_exit(ok ? 0 : 1);
    int status = -1;
    FolderStore store;
    QVERIFY(::waitpid(child, &status, 0) == child && ok && status == 0 &&
            LoadFolders(store, t / "f").ok());
    QCOMPARE(store.size(), std::size_t{200});
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
