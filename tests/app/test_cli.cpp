#include <QProcess>
#include <QtTest>

#include "desktop/single_instance.h"
#include "platform/window_args.h"
#include "support/testdir.h"

class TestCli : public QObject {
  Q_OBJECT
  TestDir t_;
  TestDir app_;  // a copy of velmora, its folder list beside it, and its folder "run"

 private slots:
  // One file per folder, so that the order is the walk's, not the file system's.
  void initTestCase() {
    for (const char* file : {"tree/Beach Party.JPG", "tree/sub/beach.png", "tree/sub/x/other.txt",
                             "tree/.git/HEAD", "nl/two\nlines"})
      t_.createFile(file);
    QVERIFY(QFile::copy(VELMORA, QString::fromStdString(app_ / "velmora")) &&
            ::mkdir((app_ / "run").c_str(), 0700) == 0);
    app_.createFile("run/velmora/searches.conf", "[b]\nfolder=" + t_ / "tree" +
                                                     "\ntag=a+BEACH\ntag=u+other\ntag=a-png\n"
                                                     "mode=any\nsort=name\ndescending=true\n");
  }

  // args by "|", where "T/" is the test's folder; out "*" is not compared. "W|" first: velmora,
  // handing the folders to its window running here, with a status that says if all were taken.
  void run_data() {
    QTest::addColumn<QByteArray>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    const auto row = [](const char* name, const char* args, int code, QByteArray out,
                        QByteArray err = {}) {
      QTest::newRow(name) << QByteArray(args) << code << out << err;
    };
    const QByteArray usage =
        "usage: velmora-cli [-0] scan DIR... | tags [--digits] NAME... | tags [--digits] "
        "[--folder-words] --folder DIR... | filter [--all|--any] [--words] [--digits] "
        "[--folder-words] [--not TAG]... [--name TEXT] [--size SIZE] [--modified TIME] [--dir "
        "DIR]... DIR TAG... | filter --search NAME\n";
    row("scan", "scan|T/tree", 0,
        "T/tree/Beach Party.JPG\nT/tree/sub/beach.png\nT/tree/sub/x/other.txt\n");
    row("scan several, each file once", "scan|T/tree/sub|T/nl|T/tree|T/tree/sub", 0,
        "T/nl/two\nlines\nT/tree/Beach Party.JPG\nT/tree/sub/beach.png\nT/tree/sub/x/other.txt\n");
    row("-0", "-0|scan|T/nl", 0, QByteArray("T/nl/two\nlines\0", 15));
    row("tags of names", "tags|-|HolidayPhotos2009_Beach.JPG|--|-iPhone", 0,
        "\nholiday photos beach jpg\ni phone\n");
    row("tags, --digits", "tags|--digits|IMG_2019-07-14_Beach.jpg|Mp3Player", 0,
        "img 2019 07 14 beach jpg\nmp3 player\n");
    row("tags of a folder", "tags|--folder|T/tree", 0, "beach\nparty\njpg\npng\nother\ntxt\n");
    row("tags of a folder, --folder-words", "tags|--folder-words|--folder|T/tree", 0,
        "beach\nparty\njpg\nsub\npng\nx\nother\ntxt\n");
    row("filter --folder-words", "filter|--folder-words|--not|X|T/tree|sub", 0,
        "T/tree/sub/beach.png\n");
    row("tags of folders", "tags|--folder|T/nl|T/tree/sub", 0,
        "two\nlines\nbeach\npng\nother\ntxt\n");
    row("filter, --dir", "filter|--dir|T/tree|--dir|T/nl|T/tree/sub|beach|lines|--any", 0,
        "T/tree/Beach Party.JPG\nT/tree/sub/beach.png\nT/nl/two\nlines\n");
    row("filter all, --not", "filter|--not|PNG|T/tree|BEACH", 0, "T/tree/Beach Party.JPG\n");
    row("only --not, repeated", "filter|--any|--not|jpg|T/tree|--not|png", 0,
        "T/tree/sub/x/other.txt\n");
    row("--not after --", "filter|T/tree|--|--not", 0, "");
    row("filter any", "filter|--any|T/tree|BEACH|jpg", 0,
        "T/tree/Beach Party.JPG\nT/tree/sub/beach.png\n");
    row("--name, --words", "filter|--words|--name|EACH|T/tree|ART", 0, "");
    row("--name", "filter|--name|EACH|T/tree|ART", 0, "T/tree/Beach Party.JPG\n");
    row("--words", "filter|--words|--any|T/tree|png|ther", 0, "T/tree/sub/beach.png\n");
    row("--search, its order", "filter|--search|b", 0,
        "T/tree/sub/x/other.txt\nT/tree/Beach Party.JPG\n");
    row("--search unknown", "filter|--search|c", 2, "",
        "velmora-cli: no saved search is named c\n");
    row("--size, --modified", "filter|--size|<1|--modified|today|--modified|>2019|T/tree|beach", 0,
        "T/tree/Beach Party.JPG\nT/tree/sub/beach.png\n");
    for (const char* none : {"filter|--size|1..|T/tree", "filter|--any|--modified|<2000|T/tree"})
      row(none, none, 0, "");
    row("--size not read", "filter|--size|>abc|T/tree", 2, "",
        "velmora-cli: Cannot read the size \u201c>abc\u201d: use a number with k, M or G, as in "
        "size:>10M\n" +
            usage);
    row("help", "tags|--help", 0, "*");
    row("version", "--version", 0, "velmora-cli " VELMORA_VERSION "\n");
    for (const char* args :
         {"", "scan", "scan|--dir|/a|/b", "scan|--folder|/", "scan|--any|/", "tags", "tags|--any|x",
          "tags|--folder", "filter", "filter|--folder|/", "filter|--all|--any|/|a",
          "filter|/|--not", "scan|--not|a|/", "tags|--not|a|x", "filter|/|--name",
          "filter|--name|a|--name|b|/", "scan|--words|/", "tags|--name|a|x", "scan|--digits|/"})
      QTest::addRow("usage: %s", args) << QByteArray(args) << 2 << QByteArray() << usage;
    for (const char* args :
         {"filter|--search|b|/", "filter|--any|--search|b", "scan|--search|b", "filter|--search",
          "scan|--folder-words|/", "tags|--folder-words|x", "filter|/|--size", "scan|--size|1|/",
          "tags|--modified|2019|x", "filter|/|--dir"})
      QTest::addRow("usage: %s", args) << QByteArray(args) << 2 << QByteArray() << usage;
    row("unknown command", "list|/", 2, "", "velmora-cli: unknown command list\n" + usage);
    row("unknown option", "-x|scan|/", 2, "", "velmora-cli: unknown option -x\n" + usage);
    row("missing folder", "filter|T/missing|a", 1, "",
        "velmora-cli: T/missing: No such file or directory\n");
    row("blank folder", "scan|  ", 1, "", "velmora-cli:   : No such file or directory\n");
    row("/proc", "tags|--folder|/proc", 1, "",
        "velmora-cli: /proc: a kernel file system, not listed\n");
    row("output to a full disk", "scan|T/tree", 1, "*",
        "velmora-cli: cannot write the output: No space left on device\n");
    row("window takes a folder", "W|T/tree", 0, "");
    row("window, a path refused", "W|T/missing|T/tree", 1, "",
        "velmora: Not registered:\nT/missing - No such file or directory\n");
  }
  void run() {
    QFETCH(QByteArray, args);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    const QByteArray t = QByteArray::fromStdString(t_.path()) + "/";
    QStringList list;
    for (const QByteArray& a : args.replace("T/", t).split('|')) list << QString::fromLocal8Bit(a);
    QProcess p;
    if (QTest::currentDataTag() == QByteArray("output to a full disk"))
      p.setStandardOutputFile("/dev/full");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
      env.insert(name, QString::fromStdString(app_ / "run"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    using namespace velmora::platform;
    using namespace velmora::desktop;
    SingleInstance window(
        InstanceAddressIn(app_ / "run", InstanceKey(app_ / "folders.txt", "offscreen")));
    QSignalSpy received(&window, &SingleInstance::Received), finished(&p, &QProcess::finished);
    const bool handing = list.front() == "W";
    if (handing) QVERIFY(!window.HandOverOrListen({}));
    p.start(handing ? QString::fromStdString(app_ / "velmora") : QStringLiteral(VELMORA_CLI),
            args.isEmpty() ? QStringList() : list.mid(handing ? 1 : 0));
    QVERIFY(finished.wait(60000));  // the hand-over needs this process's event loop
    QCOMPARE(p.readAllStandardError(), err.replace("T/", t));
    if (out != "*") QCOMPARE(p.readAllStandardOutput(), out.replace("T/", t));
    QCOMPARE(p.exitCode(), code);
    QTRY_COMPARE(received.size(), handing ? 1 : 0);
  }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
