// The real system behind the faults the other tests plant: a disk that fills, and a user
// without the right. Needs root (CI has it); `ctest -LE root` leaves it out.
#include <grp.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "fileops/shell_ops.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;

class TestRootSmoke : public QObject {
  Q_OBJECT
 private slots:
  // As a user without privileges, onto a small disk of its own: an unreadable file and one
  // too big are refused, and neither leaves anything behind.
  void copyAsUserOntoAFullDisk() {
    TestDir t;
    t.createFile("unreadable", "a"), t.createFile("big", std::string(1 << 17, 'x'));
    t.createDir("dst");
    if (::geteuid() != 0 || ::mount("tmpfs", (t / "dst").c_str(), "tmpfs", 0, "size=64k") != 0)
      QSKIP("a tmpfs of its own needs root");
    const auto unmount = qScopeGuard([&] { ::umount2((t / "dst").c_str(), MNT_DETACH); });
    QVERIFY(::chmod((t / "unreadable").c_str(), 0) == 0 && ::chmod((t / "dst").c_str(), 0777) == 0);
    const pid_t child = ::fork();
    if (child == 0) {  // as "nobody", for whom permissions count
      if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
      ScriptedDialogs dialogs;
      RecordingLauncher launcher;
      platform::Shell shell(dialogs.error().error(), launcher);
      fileops::Batch batch;
      for (const std::string name : {"unreadable", "big"})
        static_cast<void>(fileops::ShellCopy(shell, batch, t / name, t / ("dst/" + name)));
      std::string reasons;  // how each error shown ends
      for (const auto& s : dialogs.shown()) reasons += s.text.substr(s.text.rfind(": ")) + "|";
      const bool met = reasons == ": Permission denied|: No space left on device|";
      ::_exit(met ? 0 : (std::fputs(reasons.c_str(), stderr), 1));
    }
    int status = -1;
    QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
    QCOMPARE(status, 0);
    QCOMPARE(entriesOf(t / "dst"), std::vector<std::string>{});
  }
};

QTEST_GUILESS_MAIN(TestRootSmoke)
#include "test_root_smoke.moc"
