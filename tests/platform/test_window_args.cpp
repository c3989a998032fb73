#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <set>

#include "platform/window_args.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;
using Strings = std::vector<std::string>;

const std::string kLong = "/" + std::string(128 * 1024 - 2, 'x');  // as long as an argument gets

static std::string Join(const Strings& items, std::size_t from = 0) {
  std::string text;
  for (std::size_t i = from; i < items.size(); ++i) text += " " + items[i];
  return text;
}

// The runtime folder's mode (0: unset); what is at TMP/velmora-UID: a folder of a mode, a
// "link", a "file", a folder "of nobody"; a fault planted; the folder chosen ("run", "tmp").
struct PrivateCase {
  mode_t runtime, folder;
  const char *planted, *fault, *chosen;
};
Q_DECLARE_METATYPE(PrivateCase)

class TestWindowArgs : public QObject {
  Q_OBJECT
 private slots:
  // Arguments from the test's folder T, which holds folders d and -x and file f; L is an
  // argument of 128 KB. What is left for Qt and which paths are kept or refused.
  void commandLine_data() {
    QTest::addColumn<Strings>("args");
    QTest::addColumn<QByteArray>("result");
    const auto row = [](const char* name, const Strings& args, const std::string& result) {
      QTest::newRow(name) << args << QByteArray::fromStdString(result);
    };
    row("help wherever it stands", {"T/d", "-x", "--help"}, "help");
    row("version", {"--version", "T/d"}, "version");
    row("unknown option", {"-x", "T/d", "-y"}, "bad: unknown option -x");
    row("Qt's option without its value", {"T/d", "-style"}, "bad: option -style needs a value");
    row("Qt's own options go to Qt, the display kept",
        {"-platform", "offscreen", "-display", ":5", "--style=Fusion", "-reverse", "d"},
        "qt: -platform offscreen -display :5 --style=Fusion -reverse on :5; open: T/d; ");
    row("-- ends the options", {"--", "-x", "--help"},
        "qt:; open: T/-x; Not registered:\nT/--help - No such file or directory");
    row("one folder however spelled, empty dropped",
        {"d/", "", "T/d//", "T//./d", "T/-x/../d", "/../T/d/.", "/"},
        "qt:; open: T/d T/d T/d T/d T/d /; ");
    row("missing, a file", {"T/missing", "f", "T/d"},
        "qt:; open: T/d; Not registered:\nT/missing - No such file or directory\nT/f - not a "
        "folder");
    std::string refused = "Not registered:";
    for (int i = 0; i < 5; ++i) refused += "\n" + kLong.substr(0, 120) + "... - File name too long";
    row("long arguments: each cut, five shown", Strings(8, "L"),
        "qt:; open:; " + refused + "\nand 3 more");
  }
  void commandLine() {
    QFETCH(Strings, args);
    TestDir t;
    for (const char* dir : {"d", "-x"}) t.createDir(dir);
    t.createFile("f");
    Strings given{"velmora"};
    for (const std::string& arg : args)
      given.push_back(
          arg == "L" ? kLong
                     : QByteArray::fromStdString(arg).replace("T/", t.path() + "/").toStdString());
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
  void privateFolder_data() {
    QTest::addColumn<PrivateCase>("c");
    const auto row = [](const char* name, PrivateCase c) { QTest::newRow(name) << c; };
    row("made when missing", {0, 0, "", "", "tmp"});
    row("ours already", {0, 0700, "", "", "tmp"});
    row("runtime folder", {0700, 0, "", "", "run"});
    row("runtime folder open to others", {0755, 0, "", "", "tmp"});
    row("open to others", {0, 0755, "", "", ""});
    row("a link, no runtime folder", {0, 0, "link", "", ""});
    row("a file", {0, 0, "file", "", ""});
    row("another user's", {0, 0700, "of nobody", "", ""});
    row("cannot be made", {0, 0, "", "mkdir 1 EACCES", ""});
  }
  void privateFolder() {
    QFETCH(PrivateCase, c);
    const std::string_view planted = c.planted, chosen = c.chosen;
    if (planted == "of nobody" && geteuid() != 0) QSKIP("giving a folder away needs root");
    TestDir t;
    const std::string run = t / "run", tmp = t / ("velmora-" + std::to_string(geteuid()));
    QCOMPARE(::mkdir(run.c_str(), 0) + ::chmod(run.c_str(), c.runtime | 0700), 0);
    if (planted == "link") QCOMPARE(::symlink(run.c_str(), tmp.c_str()), 0);
    if (planted == "file") t.createFile(tmp.substr(t.path().size() + 1));
    if (c.folder > 0) QCOMPARE(::mkdir(tmp.c_str(), 0) + ::chmod(tmp.c_str(), c.folder), 0);
    if (planted == "of nobody") QCOMPARE(::chown(tmp.c_str(), 65534, 65534), 0);
    FaultyFileSystem fs;
    fs.fail(c.fault);
    std::string got = "?";
    const Status status =
        PrivateFolder(c.runtime > 0 ? run.c_str() : nullptr, t.path().c_str(), geteuid(), got);
    QCOMPARE(got, chosen == "run" ? run : chosen == "tmp" ? tmp : "");
    QCOMPARE(status.ok(), !got.empty());
  }
};

QTEST_GUILESS_MAIN(TestWindowArgs)
#include "test_window_args.moc"
