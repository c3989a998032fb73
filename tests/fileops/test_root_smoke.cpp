// The real system behind the faults the other tests plant: a disk that fills, and a user
// without the right. Needs root (CI has it); `ctest -LE root` leaves it out.
#include <sys/mount.h>
#include <sys/stat.h>

#include <QtTest>
#include <fstream>

#include "catalogue/store.h"
#include "fileops/shell_ops.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;
using Names = std::vector<std::string>;

class TestRootSmoke : public QObject {
  Q_OBJECT
 private slots:
  void fullDiskKeepsTheStore() {
    TestDir t;
    t.createDir("d");
    if (::geteuid() != 0 || ::mount("tmpfs", (t / "d").c_str(), "tmpfs", 0, "size=64k") != 0)
      QSKIP("a tmpfs of its own needs root");
    const struct Unmount {
      std::string at;
      ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } mounted{t / "d"};
    t.createFile("d/folders.txt", "/old\r\n\r\n");
    std::ofstream(t / "d/fill") << std::string(1 << 16, 'x');  // as much as it takes
    catalogue::FolderStore now;
    const auto status = catalogue::UpdateFolders(
        t / "d/folders.txt", [](auto& s) { return s.Append("/new", ""); }, now);
    QCOMPARE(status.message(), "Cannot write " + t / "d/folders.txt" + ": No space left on device");
    QCOMPARE(t.read("d/folders.txt"), std::string("/old\r\n\r\n"));
    QCOMPARE(entriesOf(t / "d"), (Names{"fill", "folders.txt", "folders.txt.lock"}));
  }

  void unreadableSourceIsNotCopied() {
    TestDir t;
    t.createFile("unreadable", "a");
    t.createDir("dst");
    QVERIFY(::chmod((t / "unreadable").c_str(), 0) == 0 && ::chmod((t / "dst").c_str(), 0777) == 0);
    RUN_UNPRIVILEGED(shown, [&] {
      ScriptedDialogs dialogs;
      RecordingLauncher launcher;
      platform::Shell shell(dialogs.error(), launcher);
      fileops::Batch batch;
      static_cast<void>(fileops::ShellCopy(shell, batch, t / "unreadable", t / "dst/a"));
      return dialogs.allAnswered() ? dialogs.shown()[0].text : std::string();
    });
    QCOMPARE(shown, "Cannot copy \"" + t / "unreadable" + "\" to \"" + t / "dst/a" +
                        "\": Permission denied");
    QCOMPARE(entriesOf(t / "dst"), Names{});
  }
};

QTEST_GUILESS_MAIN(TestRootSmoke)
#include "test_root_smoke.moc"
