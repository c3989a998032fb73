#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QtTest>

#include "support/testdir.h"

namespace {

struct Run {
  int code = -1;
  QByteArray out;
  QByteArray err;
};

// As root, runs as the user nobody, for whom a folder without permissions is unreadable.
Run cli(const QStringList& args) {
  QProcess p;
  p.setChildProcessModifier([] {
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(99);
  });
  p.start(QStringLiteral(VELMORA_CLI), args);
  if (!p.waitForFinished(60000)) qFatal("velmora-cli did not finish");
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// A folder lists its files in the file system's own order.
QList<QByteArray> sortedLines(const QByteArray& text) {
  auto lines = text.split('\n');
  std::sort(lines.begin(), lines.end());
  return lines;
}

const QByteArray kUsage =
    "usage: velmora-cli [-0] scan DIR | tags NAME... | tags --folder DIR | "
    "filter [--all|--any] DIR TAG...\n";

}  // namespace

class TestCli : public QObject {
  Q_OBJECT
  TestDir t_;

 private slots:
  void initTestCase() {
    for (const char* file :
         {"tree/Beach Party.JPG", "tree/other.txt", "tree/sub/beach.png", "tree/.git/HEAD",
          "nl/two\nlines", "part/a.txt", "part/locked/secret.txt", "file"}) {
      t_.createFile(file);
    }
    t_.createLink("tree/sys", "/sys");
    QCOMPARE(::chmod((t_ / "part/locked").c_str(), 0), 0);
  }

  // "T" in arguments and expectations stands for the test's folder.
  void run_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const QByteArray treeFiles = "T/tree/Beach Party.JPG\nT/tree/other.txt\nT/tree/sub/beach.png\n";
    QTest::newRow("scan") << QStringList{"scan", "T/tree"} << 0 << treeFiles << QByteArray();
    QTest::newRow("-0") << QStringList{"-0", "scan", "T/nl"} << 0
                        << QByteArray("T/nl/two\nlines\0", 15) << QByteArray();
    QTest::newRow("tags of names")
        << QStringList{"tags", "HolidayPhotos2009_Beach.JPG", "...", "--", "-iPhone"} << 0
        << QByteArray("holiday photos beach jpg\n\ni phone\n") << QByteArray();
    QTest::newRow("tags of a folder")
        << QStringList{"tags", "--folder", "T/tree"} << 0
        << QByteArray("beach\nparty\njpg\nother\ntxt\npng\n") << QByteArray();
    QTest::newRow("filter all") << QStringList{"filter", "T/tree", "BEACH", "jpg"} << 0
                                << QByteArray("T/tree/Beach Party.JPG\n") << QByteArray();
    QTest::newRow("filter any") << QStringList{"filter", "--any", "T/tree", "BEACH", "jpg"} << 0
                                << QByteArray("T/tree/Beach Party.JPG\nT/tree/sub/beach.png\n")
                                << QByteArray();
    QTest::newRow("filter any of no tags")
        << QStringList{"filter", "--any", "T/tree"} << 0 << QByteArray() << QByteArray();
    QTest::newRow("filter all of no tags")
        << QStringList{"filter", "T/tree"} << 0 << treeFiles << QByteArray();
    for (const auto& [name, args] : std::initializer_list<std::pair<const char*, QStringList>>{
             {"nothing", {}},
             {"scan without folder", {"scan"}},
             {"scan with two folders", {"scan", "/a", "/b"}},
             {"tags without names", {"tags"}},
             {"both modes", {"filter", "--all", "--any", "/", "a"}},
             {"mode on scan", {"scan", "--any", "/"}}}) {
      QTest::newRow(name) << args << 2 << QByteArray() << kUsage;
    }
    QTest::newRow("unknown command") << QStringList{"list", "/"} << 2 << QByteArray()
                                     << "velmora-cli: unknown command list\n" + kUsage;
    QTest::newRow("unknown option") << QStringList{"-x", "scan", "/"} << 2 << QByteArray()
                                    << "velmora-cli: unknown option -x\n" + kUsage;
    const QByteArray missing = "velmora-cli: T/missing: No such file or directory\n";
    QTest::newRow("scan missing") << QStringList{"scan", "T/missing"} << 1 << QByteArray()
                                  << missing;
    QTest::newRow("tags of missing")
        << QStringList{"tags", "--folder", "T/missing"} << 1 << QByteArray() << missing;
    QTest::newRow("filter missing")
        << QStringList{"filter", "T/missing", "a"} << 1 << QByteArray() << missing;
    QTest::newRow("scan empty") << QStringList{"scan", ""} << 1 << QByteArray()
                                << QByteArray("velmora-cli: : No such file or directory\n");
    QTest::newRow("scan a file") << QStringList{"scan", "T/file"} << 1 << QByteArray()
                                 << QByteArray("velmora-cli: T/file: Not a directory\n");
    QTest::newRow("scan /proc") << QStringList{"scan", "/proc"} << 1 << QByteArray()
                                << QByteArray(
                                       "velmora-cli: /proc: a kernel file system, not listed\n");
    const QByteArray locked = "velmora-cli: T/part/locked: Permission denied\n";
    QTest::newRow("scan, a folder unreadable")
        << QStringList{"scan", "T/part"} << 1 << QByteArray("T/part/a.txt\n") << locked;
    QTest::newRow("tags, a folder unreadable")
        << QStringList{"tags", "--folder", "T/part"} << 1 << QByteArray("a\ntxt\n") << locked;
    QTest::newRow("filter, a folder unreadable")
        << QStringList{"filter", "T/part", "txt"} << 1 << QByteArray("T/part/a.txt\n") << locked;
  }
  void run() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    const QByteArray t = QByteArray::fromStdString(t_.path());
    for (QString& a : args) a.replace("T/", QString::fromLocal8Bit(t) + "/");
    const Run r = cli(args);
    QCOMPARE(r.err, err.replace("T/", t + "/"));
    QCOMPARE(sortedLines(r.out), sortedLines(out.replace("T/", t + "/")));
    QCOMPARE(r.code, code);
  }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
