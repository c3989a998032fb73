#include <QProcess>
#include <QtTest>

#include "support/testdir.h"

namespace {

struct Run {
  int code = -1;
  QByteArray out;
  QByteArray err;
};

Run cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(VELMORA_CLI), args);
  if (!p.waitForFinished(60000)) qFatal("velmora-cli did not finish");
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QString q(const std::string& s) {
  return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

QList<QByteArray> sortedRecords(const QByteArray& out, char end) {
  auto records = out.split(end);
  if (!records.isEmpty() && records.back().isEmpty()) records.removeLast();
  std::sort(records.begin(), records.end());
  return records;
}

}  // namespace

class TestCli : public QObject {
  Q_OBJECT
 private slots:
  void scanListsEveryFile() {
    TestDir t;
    t.createFile("b.txt");
    t.createFile("Sub/c.txt");
    t.createFile(".git/HEAD");
    const Run r = cli({"scan", q(t.path())});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, QByteArray::fromStdString(t / "b.txt\n" + t / "Sub/c.txt\n"));
  }

  void nulEndsRecords() {
    TestDir t;
    t.createFile("two\nlines.txt");
    t.createFile("plain.txt");
    const Run r = cli({"-0", "scan", q(t.path())});
    QCOMPARE(r.code, 0);
    QCOMPARE(sortedRecords(r.out, '\0'),
             (QList<QByteArray>{QByteArray::fromStdString(t / "plain.txt"),
                                QByteArray::fromStdString(t / "two\nlines.txt")}));
  }

  void tagsOfNames() {
    const Run r = cli({"tags", "HolidayPhotos2009_Beach.JPG", "...", "--", "-iPhone"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QByteArray("holiday photos beach jpg\n\ni phone\n"));
  }

  void tagsOfFolder() {
    TestDir t;
    t.createFile("Beach Trip.jpg");
    t.createFile("sub/beach-party.JPG");
    const Run r = cli({"tags", "--folder", q(t.path())});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QByteArray("beach\ntrip\njpg\nparty\n"));
  }

  void filterModes() {
    TestDir t;
    t.createFile("Beach Party.JPG");
    t.createFile("beach.png");
    t.createFile("other.txt");
    const auto files = [&](const QStringList& args) {
      const Run r = cli(args);
      return r.code == 0 ? sortedRecords(r.out, '\n') : QList<QByteArray>{"failed"};
    };
    const QByteArray party = QByteArray::fromStdString(t / "Beach Party.JPG");
    const QByteArray png = QByteArray::fromStdString(t / "beach.png");
    QCOMPARE(files({"filter", q(t.path()), "BEACH", "jpg"}), QList<QByteArray>{party});
    QCOMPARE(files({"filter", "--any", q(t.path()), "BEACH", "jpg"}),
             (QList<QByteArray>{party, png}));
    QCOMPARE(files({"filter", "--any", q(t.path())}), QList<QByteArray>{});
    QCOMPARE(files({"filter", "--all", q(t.path())}).size(), 3);
  }

  void badArguments_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"list", "/"};
    QTest::newRow("unknown option") << QStringList{"-x", "scan", "/"};
    QTest::newRow("scan without folder") << QStringList{"scan"};
    QTest::newRow("scan with two folders") << QStringList{"scan", "/a", "/b"};
    QTest::newRow("tags without names") << QStringList{"tags"};
    QTest::newRow("both modes") << QStringList{"filter", "--all", "--any", "/", "a"};
    QTest::newRow("mode on scan") << QStringList{"scan", "--any", "/"};
  }
  void badArguments() {
    QFETCH(QStringList, args);
    const Run r = cli(args);
    QCOMPARE(r.code, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY(r.err.startsWith("usage: velmora-cli") || r.err.contains("velmora-cli: unknown"));
  }

  void unreadableFolder_data() {
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing"
                             << "No such file or directory";
    QTest::newRow("a file") << "file"
                            << "Not a directory";
  }
  void unreadableFolder() {
    QFETCH(QString, relative);
    QFETCH(QString, reason);
    TestDir t;
    t.createFile("file");
    const QString dir = q(t / relative.toStdString());
    for (const QStringList& args : {QStringList{"scan", dir}, QStringList{"tags", "--folder", dir},
                                    QStringList{"filter", dir, "a"}}) {
      const Run r = cli(args);
      QCOMPARE(r.code, 1);
      QCOMPARE(r.out, QByteArray());
      QCOMPARE(QString::fromLocal8Bit(r.err), "velmora-cli: " + dir + ": " + reason + "\n");
    }
  }

};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
