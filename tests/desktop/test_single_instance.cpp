#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QtTest>
#include <set>
#include <thread>

#include "desktop/single_instance.h"
#include "platform/window_args.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;
using namespace velmora::desktop;
using Strings = std::vector<std::string>;

const std::string kLong = "/" + std::string(128 * 1024 - 2, 'x');  // as long as an argument gets

static std::string Join(const Strings& items, std::size_t from = 0) {
  std::string text;
  for (std::size_t i = from; i < items.size(); ++i) text += " " + items[i];
  return text;
}

class TestSingleInstance : public QObject {
  Q_OBJECT
 private slots:
  // A later start hands its folders, bytes exact, to the running one and is done; else it
  // runs alone: when the name is another user's, or nobody answers.
  void handOver_data() {
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<int>("given");
    QTest::addColumn<bool>("handed");
    QTest::newRow("folders") << QByteArray() << 3 << true;
    QTest::newRow("none: only raises") << QByteArray() << 0 << true;
    QTest::newRow("eight arguments of 128 KB") << QByteArray() << 11 << true;
    QTest::newRow("socket left by a crash") << QByteArray("crashed") << 1 << true;
    QTest::newRow("lock held, no answer") << QByteArray("silent") << 1 << false;
    QTest::newRow("lock of another user") << QByteArray("stranger") << 1 << false;
  }
  void handOver() {
    QFETCH(QByteArray, setup);
    QFETCH(int, given);
    QFETCH(bool, handed);
    if (setup == "stranger" && geteuid() != 0) QSKIP("giving a file away needs root");
    TestDir runtime;
    const auto address = InstanceAddressIn(runtime.path(), InstanceKey("/s", ":0"));
    if (setup == "crashed") QCOMPARE(::mknod(address.socket.c_str(), S_IFSOCK | 0700, 0), 0);
    const int lock = setup.isEmpty() ? -1 : ::open(address.lock.c_str(), O_CREAT | O_RDWR, 0600);
    if (setup == "silent") QCOMPARE(::flock(lock, LOCK_EX), 0);
    if (setup == "stranger") QCOMPARE(::fchown(lock, 65534, 65534), 0);
    SingleInstance running(address), later(address);
    QVERIFY(setup == "silent" || !running.HandOverOrListen({}));
    struct stat st {};  // no other user may hand folders over
    QCOMPARE(::stat(address.socket.c_str(), &st) == 0 && (st.st_mode & 077) == 0, handed);
    QSignalSpy received(&running, &SingleInstance::Received);
    Strings folders{"/a b", "/caf\xE9", "/x"};
    folders.resize(static_cast<std::size_t>(given), kLong);
    bool handedOver = !handed;
    std::thread start([&] { handedOver = later.HandOverOrListen(folders); });
    const bool arrived = handed && received.wait();
    start.join();
    ::close(lock);
    QVERIFY(handedOver == handed && arrived == handed);
    if (handed) QCOMPARE(received.at(0).at(0).value<Strings>(), folders);
  }

  // Arguments by "|" from the test's folder T, which holds folders d and -x and file f;
  // L is an argument of 128 KB. What is left for Qt and which paths are kept or refused.
  void commandLine_data() {
    QTest::addColumn<QByteArray>("args");
    QTest::addColumn<QByteArray>("result");
    const auto row = [](const char* name, const char* args, const std::string& result) {
      QTest::newRow(name) << QByteArray(args) << QByteArray::fromStdString(result);
    };
    row("help wherever it stands", "T/d|-x|--help", "help");
    row("version", "--version|T/d", "version");
    row("unknown option", "-x|T/d|-y", "bad: unknown option -x");
    row("Qt's option without its value", "T/d|-style", "bad: option -style needs a value");
    row("Qt's own options go to Qt, the display kept",
        "-platform|offscreen|-display|:5|--style=Fusion|-reverse|d",
        "qt: -platform offscreen -display :5 --style=Fusion -reverse on :5; open: T/d; ");
    row("-- ends the options", "--|-x|--help",
        "qt:; open: T/-x; Not registered:\nT/--help - No such file or directory");
    row("one folder however spelled, empty dropped", "d/||T/d//|T//./d|T/-x/../d|/../T/d/.|/",
        "qt:; open: T/d T/d T/d T/d T/d /; ");
    row("missing, a file", "T/missing|f|T/d",
        "qt:; open: T/d; Not registered:\nT/missing - No such file or directory\nT/f - not a "
        "folder");
    std::string refused = "Not registered:";
    for (int i = 0; i < 5; ++i) refused += "\n" + kLong.substr(0, 120) + "... - File name too long";
    row("long arguments: each cut, five shown", "L|L|L|L|L|L|L|L",
        "qt:; open:; " + refused + "\nand 3 more");
  }
  void commandLine() {
    QFETCH(QByteArray, args);
    TestDir t;
    for (const char* dir : {"d", "-x"}) t.createDir(dir);
    t.createFile("f");
    Strings given{"velmora"};
    for (const QByteArray& arg : args.split('|'))
      given.push_back(arg == "L" ? kLong
                                 : QByteArray(arg).replace("T/", t.path() + "/").toStdString());
    WindowArgs parsed;
    const Status status = ParseWindowArgs(given, t.path(), parsed);
    const char* const actions[] = {"", "help", "version"};
    std::string out =
        status.ok() ? actions[static_cast<int>(parsed.action)] : "bad: " + status.message();
    const CheckedFolders checked = CheckFolders(parsed.paths);
    if (status.ok() && parsed.action == WindowArgs::Action::Open)
      out = "qt:" + Join(parsed.toolkit, 1) +
            (parsed.display.empty() ? "" : " on " + parsed.display) +
            "; open:" + Join(checked.folders) + "; " +
            (checked.refused.empty() ? "" : DescribeRefused(checked.refused));
    QTEST(QByteArray::fromStdString(out).replace(t.path(), "T"), "result");
    const CheckedFolders handed = CheckFolders({"d", t / "-x/../d/"});  // from any sender
    QVERIFY(handed.folders == Strings{t / "d"} &&
            handed.refused.at(0).second == "not an absolute path");
  }

  // One window per store file and display: X (-display first), Wayland, or the platform.
  void instanceKey() {
    const Strings names{DisplayName("xcb", "", "w-1", ":1"), DisplayName("xcb", ":2", "w-1", ":1"),
                        DisplayName("wayland", "", "w-1", ":1"), DisplayName("vnc", "", "", ":1")};
    QCOMPARE(Join(names), " x11::1 x11::2 wayland:w-1 vnc");
    QCOMPARE(
        DisplayName("wayland", "", nullptr, nullptr) + DisplayName("xcb", "", nullptr, nullptr),
        "wayland:wayland-0x11:");
    std::set<std::string> keys{InstanceKey("/p/f:0", ""), InstanceKey("/p/f", ":0")};
    for (const std::string& name : names)
      keys.insert({InstanceKey("/p/f", name), InstanceKey("/q/f", name)});
    QCOMPARE(keys.size(), 2 * names.size() + 2);
  }

  // The runtime folder if private, else TMP/velmora-UID made private; anything else refused.
  // The runtime folder's mode (0: unset), what is at TMP/velmora-UID (a folder's mode, "link",
  // "file"; "!" faults) and the folder chosen.
  void privateFolder_data() {
    QTest::addColumn<QByteArrayList>("v");
    for (const QByteArray& row :
         QByteArray("made when missing:0||tmp;ours already:0|700|tmp;runtime folder:700||run;"
                    "runtime folder open to others:755||tmp;open to others:0|755|;a link, no "
                    "runtime folder:0|link|;a file:0|file|;another user's:0|700 of nobody|;"
                    "cannot be made:0|!mkdir 1 EACCES|")
             .split(';'))
      QTest::newRow(row.left(row.indexOf(':'))) << row.mid(row.indexOf(':') + 1).split('|');
  }
  void privateFolder() {
    QFETCH(QByteArrayList, v);
    const int runtime = v[0].toInt(nullptr, 8);
    const QByteArray planted = v[1], chosen = v[2];
    if (planted.endsWith("nobody") && geteuid() != 0) QSKIP("giving a folder away needs root");
    TestDir t;
    const std::string run = t / "run", tmp = t / ("velmora-" + std::to_string(geteuid()));
    QCOMPARE(::mkdir(run.c_str(), 0) + ::chmod(run.c_str(), static_cast<mode_t>(runtime | 0700)),
             0);
    if (planted == "link") QCOMPARE(::symlink(run.c_str(), tmp.c_str()), 0);
    if (planted == "file") t.createFile(tmp.substr(t.path().size() + 1));
    if (const int mode = planted.left(3).toInt(nullptr, 8); mode > 0)
      QCOMPARE(::mkdir(tmp.c_str(), 0) + ::chmod(tmp.c_str(), static_cast<mode_t>(mode)), 0);
    if (planted.endsWith("nobody")) QCOMPARE(::chown(tmp.c_str(), 65534, 65534), 0);
    FaultyFileSystem fs;
    if (planted.startsWith('!')) fs.fail(planted.mid(1).toStdString());
    std::string got = "?";
    const Status status =
        PrivateFolder(runtime > 0 ? run.c_str() : nullptr, t.path().c_str(), geteuid(), got);
    QCOMPARE(got, chosen == "run" ? run : chosen == "tmp" ? tmp : "");
    QCOMPARE(status.ok(), !got.empty());
  }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
