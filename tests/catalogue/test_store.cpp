#include <sys/stat.h>
#include <sys/wait.h>

#include <QtTest>
#include <climits>
#include <filesystem>

#include "catalogue/folder_edits.h"
#include "catalogue/store.h"
#include "catalogue/user_tags.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::catalogue;
using namespace std::chrono_literals;

static velmora::platform::Status addNew(FolderStore& store) { return store.Append("/new", ""); }

class TestStore : public QObject {
  Q_OBJECT
 private slots:
  // As a program started without standard input: descriptor 0 is handed out like any other.
  void initTestCase() { ::close(0); }

  // The records read, as "path|tags", "!" for each one refused; "=" when the text written
  // back is the text read, refused records included.
  void parse_data() {
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
  void parse() {
    QFETCH(QByteArray, text);
    const FolderStore store = ParseFolders(text.toStdString());
    QByteArray got;
    for (std::size_t i = 0; i < store.size(); ++i)
      got += " " + store.Path(i) + "|" + store.UserTags(i);
    got += QByteArray(" !").repeated(qsizetype(store.Refused().size()));
    QTEST(got.mid(1) + (FormatFolders(store) == text.toStdString() ? " =" : ""), "records");
  }
  // A line break would shift every later record, as would a removal that left tags behind
  // or one past the end that took the last.
  void lineBreaksRefused() {
    FolderStore store;
    QVERIFY(store.Append("/a", "t,").ok() && !store.Append("/b\nc", "").ok());
    QVERIFY(!store.Append("/b", "t\r,").ok() && !store.SetUserTags(0, "new\n,").ok());
    QVERIFY(store.size() == 1 && store.UserTags(0) == "t,");
    (void)store.Append("/c", "c,"), store.Remove(0), store.Remove(1);  // the rest move up
    QVERIFY(store.size() == 1 && store.Path(0) == "/c" && store.UserTags(0) == "c,");
  }

  // One change: under the lock, read, changed, saved. Only a plain file of sensible size is
  // read. A failure leaves the old file and no temporary one or descriptor; a link stays a
  // link, a mode stays; a stale errno is no failure. The file: plain, link, missing, fifo,
  // zero (a link to /dev/zero) or big; faults; " = read: ", " = write: " or " = lock.lock: ", why.
  void update_data() {
    QTest::addColumn<QString>("setup");
    for (const QByteArray& row :
         QByteArray("keeps the mode|plain;through a link|link;first start|missing;"
                    "interrupted read and lock|plain read 1 EINTR, flock 1 EINTR;"
                    "FIFO|fifo = read: not a regular file;over 16 MiB|big = read: File too large;"
                    "link to /dev/zero|zero = read: not a regular file;"
                    "unreadable|plain open 2 EACCES = read: Permission denied;"
                    "read error|plain read 1 EIO = read: Input/output error;"
                    "cannot look|plain stat 1 EIO = read: Input/output error;"
                    "link loop|link readlink 0 ELOOP = write: Too many levels of symbolic links;"
                    "no lock file|plain open 1 EROFS = lock.lock: Read-only file system;"
                    "no lock|plain flock 1 EIO = lock.lock: Input/output error;"
                    "lock file a link|plain lock-link = lock.lock: it is a symbolic link, which "
                    "is not followed;"
                    "lock held by another open of it|plain held = lock.lock: the folder list is "
                    "being changed by another program. Try again in a moment: nothing was changed.;"
                    "read-only file|plain access 1 EACCES = write: Permission denied;"
                    "read-only folder|plain open 3 EACCES = write: Permission denied;"
                    "full|plain write 1 ENOSPC = write: No space left on device;"
                    "a write that takes nothing|plain write 1 0 = write: No space left on device;"
                    "flush fails|plain fsync 1 EIO = write: Input/output error;"
                    "close fails|plain close 2 EIO = write: Input/output error;"
                    "rename fails|plain rename 1 EXDEV = write: Invalid cross-device link")
             .split(';'))
      QTest::newRow(row.split('|')[0]) << QString(row).section('|', 1);
  }
  void update() {
    QFETCH(QString, setup);
    TestDir t;
    const QString kind = setup.section(' ', 0, 0), error = setup.section(" = ", 1);
    const std::string file = t / "folders.txt", real = kind == "link" ? "real/s" : "folders.txt";
    const std::string old = kind == "missing" ? "" : "/old\r\nkeep,\r\n";
    if (kind == "link" || kind == "zero")
      t.createLink("folders.txt", kind == "link" ? "real/s" : t.zeroDevice());
    if (kind == "fifo") ::mkfifo(file.c_str(), 0644);
    if (kind == "plain" || kind == "link" || kind == "big")
      t.createFile(real, old), ::chmod((t / real).c_str(), 0640);
    if (kind == "big") ::truncate(file.c_str(), 16 * 1024 * 1024 + 1);
    if (setup.contains("lock-link")) t.createLink("folders.txt.lock", "planted");
    FolderStore now;
    std::optional<velmora::platform::ExclusiveLock> held;  // as another process would
    if (setup.contains("held")) held.emplace(file + ".lock");
    int answered = 0;
    const std::size_t open = openDescriptors();
    FaultyFileSystem fs;
    fs.fail(setup.section(" = ", 0, 0).section(' ', 1).toStdString());
    errno = EIO;
    const auto start = std::chrono::steady_clock::now();
    const auto status = UpdateFolders(file, addNew, now, {100ms, [&] { ++answered; }});
    QVERIFY(!held || (std::chrono::steady_clock::now() - start < 500ms && answered > 0));
    QCOMPARE(openDescriptors(), open);
    const QString path = " " + QString::fromStdString(file);
    QCOMPARE(QString::fromStdString(status.message()).remove("Cannot ").remove(path), error);
    QVERIFY(!status.ok() || now.Path(now.size() - 1) == "/new");
    if (kind == "plain" || kind == "link" || kind == "missing")
      QCOMPARE(t.read("folders.txt"), old + (status.ok() ? "/new\r\n\r\n" : ""));
    if (kind == "plain" || kind == "link")
      QVERIFY(std::filesystem::status(t / real).permissions() == std::filesystem::perms(0640) &&
              std::filesystem::is_symlink(file) == (kind == "link"));
    QVERIFY(!std::filesystem::exists(t / "planted"));
    for (const auto& name : entriesOf(kind == "link" ? t / "real" : t.path()))
      QVERIFY2(name.find(".tmp") == std::string::npos, name.c_str());
  }

  // A user tag line: the line, a tag, the line's user tags by "|", the line with the tag
  // ("-": unchanged), the user tag a chip of the tag's text stands for ("-": none, an auto tag).
  void userTagLine_data() {
    QTest::addColumn<QByteArrayList>("v");
    const auto row = [](const char* name, const char* v) {
      QTest::newRow(name) << QByteArray(v).split(' ');
    };
    row("as the program writes it", "family,trip, Beach family|trip family,trip,Beach, -");
    row("already there", "family,trip, trip family|trip - trip");
    row("found inside another tag", "bar, ar bar - -");
    row("text after the last comma dropped", "family,trip family family - family");
    row("a chip lower-cased in the bar", "Beach, beach Beach Beach,beach, Beach");
    row("empty piece kept", "a,,b, c a||b a,,b,c, -");
  }
  void userTagLine() {
    QFETCH(QByteArrayList, v);
    QByteArrayList got;
    for (const std::string& p : UserTagPieces(v[0].toStdString())) got << p.c_str();
    const auto with = WithUserTag(v[0].toStdString(), v[1].toStdString());
    const auto of = UserTagOf(v[0].toStdString(), v[1].toStdString());
    QCOMPARE(got.join('|') + " " + (with ? with->c_str() : "-") + " " + (of ? of->c_str() : "-"),
             v[2] + " " + v[3] + " " + v[4]);
  }

  // A change under the lock and its undo, as the file's bytes (";" ends a line): the file, the
  // record ("#1": its path's second), the change (a user tag "from>to", "from>" removed; "-"
  // the folder removed), the file after ("!": refused, unchanged), another program's file
  // meanwhile (none when empty) and the file after the undo ("!": refused, unchanged).
  void changeAndUndo_data() {
    QTest::addColumn<QByteArrayList>("v");
    const auto row = [](const char* name, const char* v) {
      QTest::newRow(name) << QByteArray(v).split('|');
    };
    row("rename, in its first place",
        "/a;x,Beach,y,Beach,;/b;Beach,;|/a|Beach>Sea|/a;x,Sea,y,;/b;Beach,;||=");
    row("merge: where the one there was", "/a;b,a,c,;|/a|a>c|/a;b,c,;||=");
    row("remove: each, text after the last comma kept", "/a;a,b,a,z;|/a|a>|/a;b,z;||=");
    row("not UTF-8, the second record of its path",
        "/caf\xE9;t,;/caf\xE9;\xFF,t,;|/caf\xE9#1|\xFF>\xFE|/caf\xE9;t,;/caf\xE9;\xFE,t,;||=");
    row("no such tag: case counts", "/a;trip,;|/a|Trip>x|!||");
    row("tags changed meanwhile", "/a;a,;|/a|a>b|/a;b,;|/a;b,c,;|!");
    row("folder, between two", "/a;;/b;t,;/c;;|/b|-|/a;;/c;;||=");
    row("the first, another added at the end", "/a;u,;/b;;|/a|-|/b;;|/b;;/d;;|/a;u,;/b;;/d;;");
    row("the only one", "/b;t,;|/b|-|||=");
    row("its neighbour gone", "/a;;/b;;/c;;|/b|-|/a;;/c;;|/a;;|!");
    row("one put in its place", "/a;;/b;;/c;;|/b|-|/a;;/c;;|/a;;/x;;/c;;|!");
    row("its path added again", "/a;;/b;;|/b|-|/a;;|/a;;/b;;|!");
  }
  void changeAndUndo() {
    QFETCH(QByteArrayList, v);
    TestDir t;
    const auto bytes = [](QByteArray s) { return s.replace(';', "\r\n").toStdString(); };
    const auto update = [file = t / "folders.txt"](const StoreChange& change) {
      FolderStore now;
      return UpdateFolders(file, change, now).ok();
    };
    t.createFile("folders.txt", bytes(v[0]));
    const RecordKey key{v[1].split('#')[0].toStdString(), v[1].contains('#') ? 1u : 0u};
    const QByteArrayList tags = v[2].split('>');
    StoreChange undo;
    QCOMPARE(update([&](FolderStore& s) {
               return tags.size() == 1 ? RemoveFolder(s, key, &undo)
                                       : ChangeUserTag(s, key, tags[0].toStdString(),
                                                       tags[1].toStdString(), &undo);
             }),
             v[3] != "!");
    QCOMPARE(t.read("folders.txt"), bytes(v[3] == "!" ? v[0] : v[3]));
    if (v[3] == "!") return;
    if (!v[4].isEmpty()) t.createFile("folders.txt", bytes(v[4]));
    const std::string before = t.read("folders.txt");
    QCOMPARE(update(undo), v[5] != "!");
    QCOMPARE(t.read("folders.txt"), v[5] == "!" ? before : bytes(v[5] == "=" ? v[0] : v[5]));
  }

  // Two processes adding at once: each change is made to what the other wrote.
  void twoWritersKeepEveryFolder() {
    TestDir t;
    const pid_t child = ::fork();
    bool ok = true;
    for (int i = 0; i < 100; ++i) {
      const std::string path = (child == 0 ? "/child/" : "/parent/") + std::to_string(i);
      FolderStore now;
      const auto add = [&](FolderStore& s) { return s.Append(path, ""); };
      ok = UpdateFolders(t / "f", add, now).ok() && ok;
    }
    if (child == 0) ::_exit(ok ? 0 : 1);
    int status = -1;
    FolderStore store;
    QVERIFY(::waitpid(child, &status, 0) == child && ok && status == 0);
    QVERIFY(LoadFolders(store, t / "f").ok() && store.size() == 200);
  }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
