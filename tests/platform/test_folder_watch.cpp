#include <fstream>

#include <QtTest>

#include "platform/folder_watch.h"
#include "support/testdir.h"

using namespace velmora::platform;

// Folder watches the kernel holds for this process.
static int KernelWatches() {
  int n = 0;
  for (const std::string& fd : entriesOf("/proc/self/fdinfo")) {
    std::ifstream in("/proc/self/fdinfo/" + fd);
    for (std::string line; std::getline(in, line);) n += line.starts_with("inotify wd:");
  }
  return n;
}

class TestFolderWatch : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { ::close(0); }  // as a program without standard input: 0 is reused

  // A watch let go takes only its own events along. A watched folder removed is told once by
  // its parent, by name, and once by itself, and is forgotten; its going does not take the
  // watch made again on the same path. The kernel lets go too.
  void watchesLetGo() {
    const int before = KernelWatches();
    TestDir t;
    t.createDir("a/sub");
    const std::unique_ptr<FolderWatcher> w = MakeFolderWatcher();
    const std::string sub = t / "a/sub/";
    QVERIFY(w->Watch(t / "a/").status.ok() && w->Watch(sub).status.ok() && w->Unwatch(sub));
    t.createFile("a/x");
    std::vector<FolderEvent> events;
    for (int i = 0; i < 3 && events.empty(); ++i) events = w->Wait(std::chrono::seconds(2));
    QVERIFY(!events.empty() && events[0].kind == FolderEvent::Kind::Added);
    QVERIFY(std::all_of(events.begin(), events.end(), [](const auto& e) { return e.name == "x"; }));
    QVERIFY(w->Watch(sub).status.ok() && ::rmdir(sub.c_str()) == 0);
    QVERIFY(::mkdir(sub.c_str(), 0700) == 0 && w->Watch(sub).status.ok());
    QStringList told;  // all at hand: the kernel queued them as each call returned
    for (const FolderEvent& e : w->Wait(std::chrono::milliseconds(100)))
      told << QString("%1 %2%3 %4")
                  .arg(int(e.kind))
                  .arg(e.folder.c_str(), e.name.c_str())
                  .arg(e.isFolder);
    told.sort();
    using K = FolderEvent::Kind;
    const QString gone = QString::fromStdString(t / "a/sub");
    QCOMPARE(told, (QStringList{QString("%1 %2 1").arg(int(K::Added)).arg(gone),
                                QString("%1 %2 1").arg(int(K::Removed)).arg(gone),
                                QString("%1 %2/ 1").arg(int(K::SelfGone)).arg(gone)}));
    QVERIFY(w->Unwatch(sub) && w->Watch(sub).status.ok() && ::rmdir(sub.c_str()) == 0);
    (void)w->Wait(std::chrono::milliseconds(100));
    QVERIFY(!w->Unwatch(sub));  // forgotten once gone
    QCOMPARE(KernelWatches(), before + 1);
  }
};

QTEST_GUILESS_MAIN(TestFolderWatch)
#include "test_folder_watch.moc"
