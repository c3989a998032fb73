#include <sys/mount.h>
#include <sys/stat.h>

#include <QtTest>
#include <atomic>
#include <cstdio>
#include <optional>
#include <random>
#include <thread>

#include "catalogue/browser.h"
#include "catalogue/fact_reader.h"
#include "catalogue/listing_cache.h"
#include "catalogue/scan.h"
#include "catalogue/tags.h"
#include "desktop/queued_call.h"
#include "support/faulty_fs.h"
#include "support/row_mirror.h"
#include "support/testdir.h"
#include "support/tree_changes.h"

using namespace velmora;
using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

namespace {

// Watches refused (the system's limit reached), or deaf: watching and hearing nothing, as on
// a share that others change.
struct NoWatches final : platform::FolderWatcher {
  explicit NoWatches(bool hearsNothing = false) : deaf(hearsNothing) {}
  platform::WatchResult Watch(const std::string&) override {
    return {deaf ? platform::Status() : platform::Status(ENOSPC, "")};
  }
  bool Unwatch(const std::string&) override { return false; }
  std::vector<platform::FolderEvent> Wait(std::chrono::milliseconds timeout) override {
    return std::this_thread::sleep_for(timeout), std::vector<platform::FolderEvent>{};
  }
  const bool deaf;
};

// The system's watches, counted, but a file is made as the first is: a change no event
// reports. then does what others do once a folder is watched, and (with no folder) before
// each wait for events.
struct LateWatches final : platform::FolderWatcher {
  explicit LateWatches(std::atomic<int>& count) : alive(count) { ++alive; }
  ~LateWatches() override { --alive; }
  platform::WatchResult Watch(const std::string& dir) override {
    if (!file.empty()) std::fclose(std::fopen(std::exchange(file, {}).c_str(), "w"));
    const platform::WatchResult r = real->Watch(dir);
    return then(dir), r;
  }
  bool Unwatch(const std::string& dir) override { return real->Unwatch(dir); }
  std::vector<platform::FolderEvent> Wait(std::chrono::milliseconds timeout) override {
    return then({}), real->Wait(timeout);
  }
  std::unique_ptr<platform::FolderWatcher> real = platform::MakeFolderWatcher();
  std::string file;
  std::function<void(const std::string&)> then;
  std::atomic<int>& alive;
};

// The browser, its rows followed by a mirror of them.
struct Fixture : BrowserView {
  explicit Fixture(Browser::WatcherFactory watchers = platform::MakeFolderWatcher)
      : browser(
            tree / "folders.txt", *this,
            [this] { velmora::desktop::QueueCall(&context, [this] { browser.Poll(); }); },
            std::move(watchers)) {
    browser.SetRowListener(&mirror);
  }
  void ChipsAdded(const Strings& more) override {
    chips.insert(chips.end(), more.begin(), more.end());
  }
  void ChipsReset() override { chips = browser.PanelChips(); }
  void ProgressChanged(const LoadProgress&) override {}
  void BarChanged(const BarTag& tag, bool in) override {
    ++barTold;
    if (in) std::erase(chips, tag.text);
  }

  void show(const std::string& folder, const std::string& userTags = {}) {
    QVERIFY(browser.Commit([&](FolderStore& s) { return s.Append(folder, userTags); }).ok());
    browser.Show(browser.Store().size() - 1);
    settle();
  }
  void settle() const { QTRY_VERIFY(!browser.Progress().loading); }
  Strings rows() const { return mirror.Rows(); }
  Strings names() const {  // sorted
    Strings out = rows();
    for (std::string& path : out) path = FileNameOf(path);
    return std::ranges::sort(out), out;
  }

  QObject context;  // outlives the browser's threads, which post to it
  TestDir tree;
  Strings chips;
  int barTold = 0;
  Browser browser;
  RowMirror mirror{[this] { return browser.RowCount(); },
                   [this](std::size_t r) { return browser.Files()[browser.FileAtRow(r)]; }};
};

}  // namespace

class TestBrowser : public QObject {
  Q_OBJECT
  TestHome home_;  // the kept listings in its cache

 private slots:
  // Handed over in pieces, the load ends as the whole walk: same order, same chips; without
  // watches left, it says that it is not followed. Facts are read only when wanted.
  void loadsAsTheWalk() {
    Fixture f([] { return std::make_unique<NoWatches>(); });
    for (int d = 0; d < 40; ++d)
      for (int i = 0; i < 30; ++i)
        f.tree.createFile("p/d" + std::to_string(d) + "/Tag" + std::to_string(d * 30 + i % 7) +
                          "x" + std::to_string(i));
    f.show(f.tree / "p", "family,trip,");
    const PathList scanned = ScanFolder(f.tree / "p");
    QCOMPARE(f.rows(), Strings(scanned.begin(), scanned.end()));
    Strings chips = CollectTags(ScanFolder(f.tree / "p")).Tags();
    chips.insert(chips.end(), {"family", "trip"});
    QCOMPARE(f.chips, chips);
    QCOMPARE(f.browser.Progress().files, std::size_t{1200});
    QTRY_VERIFY(f.browser.Progress().liveOff);
    QVERIFY(f.browser.Facts().empty());
  }

  // Many files' facts come in pieces, numbered on from the first; only the last says so.
  void readsFactsInPieces() {
    PathList files;
    for (int i = 0; i < 20000; ++i) files.push_back("/no/such/" + std::to_string(i));
    const auto inbox = std::make_shared<Inbox>([] {});
    const Poster post(inbox, inbox->Open());
    ReadFactsOf(files, 5, {}, {}, post);
    std::size_t next = 5;
    bool last = false;
    for (Inbox::Posted& posted : inbox->Take()) {
      const auto& piece = std::get<handover::Facts>(posted.delivery);
      QVERIFY(piece.first == next && !last && !piece.facts.front().Known());
      next += piece.facts.size(), last = piece.last;
    }
    QVERIFY(last && next == 20005);
    ReadFactsOf({}, 7, {}, {}, post);  // no files: one empty last piece
    const auto none = std::get<handover::Facts>(inbox->Take().at(0).delivery);
    QVERIFY(none.first == 7 && none.facts.empty() && none.last);
  }

  // A rescan kept to the filter keeps the bar's tags the folder still has, in order, and
  // refilters; another folder starts clean.
  void rescanKeepsTheFilter() {
    Fixture f;
    for (const char* name :
         {"a/Beach Day.jpg", "a/beach night.png", "a/Forest.jpg", "b/cc", "b/cc bb", "b/cc bb aa"})
      f.tree.createFile(name);
    f.show(f.tree / "a", "Family,");  // in the bar lower-cased, it leaves the panel
    for (const char* tag : {"jpg", "family", "png", "jpg"}) f.browser.AddBarTag(tag, TagKind::Auto);
    QCOMPARE(f.barTold, 3);  // one in the bar already changes nothing
    f.browser.SetMode(MatchMode::Any);
    QCOMPARE(f.names(), (Strings{"Beach Day.jpg", "Forest.jpg", "beach night.png"}));
    std::remove((f.tree / "a/beach night.png").c_str());
    f.browser.SetKeepFilter(true);
    f.browser.Rescan();
    f.settle();
    QCOMPARE(f.browser.Bar(),
             (std::vector<BarTag>{{"jpg", TagKind::Auto}, {"family", TagKind::Auto}}));
    QCOMPARE(f.names(), (Strings{"Beach Day.jpg", "Forest.jpg"}));
    std::sort(f.chips.begin(), f.chips.end());
    QCOMPARE(f.chips, (Strings{"beach", "day", "forest"}));
    f.browser.AddBarTag("forest", TagKind::Auto, true);  // an excluded tag, in either mode
    QCOMPARE(f.names(), Strings{"Beach Day.jpg"});
    f.browser.SetOrder(ChipOrder::Name);  // shown afresh: none of the bar's
    QCOMPARE(f.chips, (Strings{"beach", "day"}));
    f.show(f.tree / "b");
    QVERIFY(f.browser.Bar().empty());
    QCOMPARE(f.names(), (Strings{"cc", "cc bb", "cc bb aa"}));  // loaded: all, in either mode
    f.browser.SetOrder(ChipOrder::Count);                       // the chips in another order
    QCOMPARE(f.chips, (Strings{"cc", "bb", "aa"}));
    f.browser.SetOrder(ChipOrder::Name);
    QCOMPARE(f.chips, (Strings{"aa", "bb", "cc"}));
    f.browser.AddBarTag("aa", TagKind::Auto);  // counted in the background: of all, of those listed
    QTRY_VERIFY(f.browser.Counted());
    QVERIFY(f.browser.Hits("bb") == (TagHits{2, 1}) && f.browser.Hits("cc") == (TagHits{3, 1}));
    // A tag first met after a count, and a user tag given since, are counted with the next.
    std::fclose(std::fopen((f.tree / "b/dd aa").c_str(), "w"));
    QTRY_COMPARE(f.names(), (Strings{"cc bb aa", "dd aa"}));
    f.browser.UserTagChanged({}, {});  // the panel afresh, counted again
    QTRY_VERIFY(f.browser.Counted());
    QVERIFY(f.browser.Hits("dd") == (TagHits{1, 1}) && !f.browser.Hits("Dd"));
    QVERIFY(
        f.browser.Commit([](FolderStore& s) { return s.SetUserTags(s.size() - 1, "Dd,"); }).ok());
    f.browser.UserTagChanged({}, {});
    QTRY_VERIFY(f.browser.Counted());
    QVERIFY(f.browser.Hits("Dd") == (TagHits{1, 1}) && f.browser.Hits("cc") == (TagHits{3, 1}));
    std::remove((f.tree / "b/dd aa").c_str());
    QTRY_COMPARE(f.names(), (Strings{"cc bb aa"}));
    const auto made = [&](const char* name, const Strings& names) {  // then counted again
      std::fclose(std::fopen((f.tree / ("b/" + std::string(name))).c_str(), "w"));
      QTRY_COMPARE(f.names(), names);
      f.browser.UserTagChanged({}, {});
      QTRY_VERIFY(f.browser.Counted());
    };
    made("ee aa", {"cc bb aa", "ee aa"});  // counted without dd, which went
    QVERIFY(!f.browser.Hits("dd") && f.browser.Hits("ee") == (TagHits{1, 1}));
    made("dd aa", {"cc bb aa", "dd aa", "ee aa"});  // and with it once it came back
    QVERIFY(f.browser.Hits("dd") == (TagHits{1, 1}));
    std::remove((f.tree / "b/dd aa").c_str()), std::remove((f.tree / "b/ee aa").c_str());
    QTRY_COMPARE(f.names(), (Strings{"cc bb aa"}));
    f.browser.AddBarTag("bb", TagKind::Auto);  // Any, as chosen before the load
    QCOMPARE(f.names(), (Strings{"cc bb", "cc bb aa"}));
    f.browser.RemoveBarTag("aa"), f.browser.RemoveBarTag("bb");  // Any of no tag keeps none
    QVERIFY(f.rows().empty());
    f.browser.AddBarTag("aa", TagKind::Auto);
    std::remove((f.tree / "b/cc bb aa").c_str());
    f.browser.Rescan();  // kept to the filter: aa went with its file, and every file shows
    f.settle();
    QCOMPARE(f.names(), (Strings{"cc", "cc bb"}));
    f.browser.SetMode(MatchMode::Any);  // a mode chosen again
    QVERIFY(f.rows().empty());
  }

  // A file made after the folder was read and before it was watched shows. A folder moved
  // in, whose subfolder is made as it is watched and emptied once read: the subfolder's
  // coming, told after it was read, hides no change in it. Another folder shown lets the
  // first one's watches go, and none shown all of them.
  void followsLiveChanges() {
    std::string early;
    std::atomic<int> alive = 0;
    Fixture f([&] {
      auto w = std::make_unique<LateWatches>(alive);
      w->file = std::exchange(early, {});
      w->then = [p = f.tree / "t/p/", read = false](const std::string& dir) mutable {
        if (dir == p && std::filesystem::create_directory(p + "d"))
          std::fclose(std::fopen((p + "d/a").c_str(), "w"));
        if (dir == p + "d/") read = true;  // the threads that wait and watch are one
        if (dir.empty() && std::exchange(read, false)) std::remove((p + "d/a").c_str());
      };
      return w;
    });
    f.tree.createFile("t/old");
    early = f.tree / "t/new";
    f.show(f.tree / "t");
    QTRY_COMPARE(f.names(), (Strings{"new", "old"}));
    f.tree.createFile("out/p/keep");
    std::filesystem::rename(f.tree / "out/p", f.tree / "t/p");
    QTRY_COMPARE(f.names(), (Strings{"keep", "new", "old"}));
    f.tree.createFile("u/x"), f.show(f.tree / "u");
    QTRY_COMPARE(alive.load(), 1);
    f.browser.Show(f.browser.Store().size());  // none: nothing listed or watched
    QTRY_COMPARE(alive.load(), 0);
    QVERIFY(f.rows().empty() && !f.browser.ShownPath());
  }

  // Whatever others do, several changes at a time, the rows and chips come to what a fresh
  // walk lists (see ChangeTree), in turns without links and with them, and each file's
  // facts to what a stat gives: as the system tells them, and on a share where nothing
  // is told, found by the recheck (faked, and through a FUSE mount as root); with digits kept
  // in tags, the chips as a walk cuts them so; with folders' words as tags, the chips so and
  // the rows a folder's word keeps, as folders come, go and are renamed. All folders shown
  // together, among them the folder registered twice and one inside it, list each file once;
  // one of them going takes only its own files.
  // VELMORA_BURSTS and VELMORA_SEED run it longer.
  void differential_data() {
    QTest::addColumn<QString>("where");
    for (const char* where : {"told", "share", "fuse", "told, digits kept",
                              "told, all folders, folder words", "told, deep, folder words"})
      QTest::newRow(where) << QString(where);
  }
  void differential() {
    namespace fs = std::filesystem;
    QFETCH(QString, where);
    const bool told = where.startsWith("told"), fuse = where == "fuse";
    const Digits digits = where.endsWith("digits kept") ? Digits::Keep : Digits::Split;
    const bool all = where.contains("all folders");
    // Deep: folders' paths long enough that the list keeps them by the start they share.
    const std::string t = where.contains("deep") ? std::string(150, 'd') + "/t" : "t";
    if (fuse && (qEnvironmentVariableIsEmpty("VELMORA_FUSE") || ::access("/dev/fuse", R_OK) != 0))
      QSKIP("a FUSE mount of its own");
    std::optional<FaultyFileSystem> share;
    std::atomic<int> rounds = 0;  // of the recheck, counted by the stats of the shown folder
    if (where == "share") {
      share.emplace().statfsType = 0x6969;  // NFS
      share->stating = [&](std::string_view path) { rounds += path.ends_with("/t/"); };
    }
    Fixture f(where == "share"
                  ? [] { return std::unique_ptr<platform::FolderWatcher>(new NoWatches(true)); }
                  : Browser::WatcherFactory(platform::MakeFolderWatcher));
    f.browser.SetRecheckLeast(std::chrono::milliseconds(100));
    f.browser.SetKeepDigits(digits == Digits::Keep);
    const bool folderWords = where.endsWith("folder words");
    f.browser.SetFolderWords(folderWords);
    f.tree.createFile("out/n/d/a");  // to be moved in
    f.tree.createFile(t + "/keep/k");
    const std::string shown = f.tree / (fuse ? "m" : t);
    if (fuse) {
      fs::create_directory(shown);
      QCOMPARE(QProcess::execute(
                   "bindfs", {QString::fromStdString(f.tree / t), QString::fromStdString(shown)}),
               0);
    }
    const auto unmount = qScopeGuard([&] {
      if (fuse) ::umount2(shown.c_str(), MNT_DETACH);
    });
    const Strings roots{shown, shown + "/keep", f.tree / "w", shown};
    const auto scan = [&] { return all ? ScanFolders(roots) : ScanFolder(shown); };
    if (all) {
      f.tree.createFile("w/x"), f.tree.createFile("w/y");
      for (const std::string& root : roots)
        QVERIFY(f.browser.Commit([&](FolderStore& s) { return s.Append(root, ""); }).ok());
      f.browser.ShowAll();
      QVERIFY(f.browser.ShowsAll() && f.browser.ShownRecord() == roots.size());
    } else {
      f.show(shown);
    }
    QTRY_VERIFY(f.browser.Progress().following);
    QCOMPARE(f.browser.Progress().recheck > 0, !told);
    f.browser.WantFacts();
    const auto sorted = [](Strings v) { return std::sort(v.begin(), v.end()), v; };
    const auto stale = [&] {
      int n = 0;
      for (std::size_t r = 0; r < f.browser.RowCount(); ++r) {
        const std::size_t i = f.browser.FileAtRow(r);
        const std::string path = f.browser.Files()[i];
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 || ::lstat(path.c_str(), &st) == 0)
          n += i >= f.browser.Facts().size() || f.browser.Facts()[i] != platform::FactsOf(st);
      }
      return n;
    };
    const int bursts = std::max(qEnvironmentVariableIntValue("VELMORA_BURSTS"), 8);
    std::mt19937 random(qEnvironmentVariableIntValue("VELMORA_SEED"));
    for (int burst = 0, step = 0; burst < bursts; ++burst) {
      if (const int before = rounds; share)  // the shown folder is rechecked, and on and on
        QTRY_VERIFY_WITH_TIMEOUT(rounds >= before + 2, 20000);
      const bool links = !fuse && burst % 8 >= 4;
      std::vector<fs::path> made;  // none in the turns without
      for (const auto& e : fs::recursive_directory_iterator(f.tree / t))
        if (!links && e.is_symlink()) made.push_back(e.path());
      for (const fs::path& link : made) fs::remove(link);
      for (int k = burst % 4 == 0 ? 1 : 25; k > 0; --k)
        ChangeTree(
            f.tree / (t + "/"), f.tree / "out/", step++, [&] { return unsigned(random()); }, links);
      if (digits == Digits::Keep)  // names of files made later hold digits too
        f.tree.createFile(t + "/v" + std::to_string(burst) + "x.mp3");
      const PathList scanned = scan();
      const TagRule rule = TagRuleFor(all ? roots : Strings{shown}, digits, folderWords);
      Strings expected(scanned.begin(), scanned.end()), tags = CollectTags(scanned, rule).Tags();
      if (folderWords) {  // the folders made are n0, n1, ...
        f.browser.AddBarTag("n", TagKind::Auto);
        FolderWords folders;
        RowFilter byN;
        byN.tags = {"n"};
        folders.Follow(scanned, rule);
        expected.clear();
        for (const std::size_t i : ApplyTagFilter(scanned.Names(), byN, &folders))
          expected.push_back(scanned[i]);
        std::erase(tags, "n");
      }
      QTRY_COMPARE_WITH_TIMEOUT(sorted(f.rows()), sorted(expected), 20000);
      QTRY_COMPARE(sorted(f.chips), sorted(tags));  // rows a filter keeps may be none
      QCOMPARE(sorted(f.rows()), sorted(expected));
      if (told) {  // a file written leaves its folder as it was: on a share, unseen
        QTRY_COMPARE(stale(), 0);
        for (std::size_t i = burst % 3; i < scanned.size(); i += 3)  // as logs are written to
          if (FILE* log = fs::is_regular_file(fs::symlink_status(scanned[i]))
                              ? std::fopen(scanned[i].c_str(), "a")
                              : nullptr)
            std::fputs("x", log), std::fclose(log);
        QTRY_COMPARE(stale(), 0);
      }
      if (burst % 4 == 3) {  // read afresh: what the rows kept of the last load goes
        f.browser.Rescan();
        QTRY_VERIFY(f.browser.Progress().following);
      }
    }
    if (all) {
      f.browser.RemoveBarTag("n");
      fs::remove_all(f.tree / "w"), f.tree.createFile("z/q");
      const PathList scanned = ScanFolder(shown);
      QTRY_COMPARE(sorted(f.rows()), sorted(Strings(scanned.begin(), scanned.end())));
      QVERIFY(!f.browser.Progress().gone);  // a folder registered now is read, its user tags shown
      QVERIFY(
          f.browser.Commit([&](FolderStore& s) { return s.Append(f.tree / "z", "trip,"); }).ok());
      QTRY_COMPARE(f.browser.RowCount(), scanned.size() + 1);
      QTRY_VERIFY(std::ranges::count(f.chips, "trip") == 1);
    }
  }

  // A folder chosen again shows its kept listing while it is read; the load then puts the
  // rows and chips in its own order, as a fresh walk lists them. A damaged file is removed,
  // and the folder listed as if none were kept. Stopped while checking, the rows stay as
  // they were kept and say so. With digits kept and folders' words as tags, the kept
  // listing's chips are cut so too. The load's pieces that list as the rows do are let go
  // as they come: a change only at the end, or none, still comes to the fresh walk's rows.
  void reopensFromTheKeptListing_data() {
    QTest::addColumn<QString>("how");
    for (const char* how :
         {"changed while not shown", "kept file damaged", "stopped", "digits, folder words",
          "changed deepest only", "folder renamed", "unchanged", "deep, changed"})
      QTest::newRow(how) << QString(how);
  }
  void reopensFromTheKeptListing() {
    QFETCH(QString, how);
    const bool damaged = how == "kept file damaged";
    const bool cut = how.startsWith("digits");
    const Digits digits = cut ? Digits::Keep : Digits::Split;
    FaultyFileSystem fs;
    // Deep: folders' paths long enough that the list keeps them by the start they share.
    const std::string k = how.startsWith("deep") ? std::string(150, 'k') : "k";
    HeldCalls held("/" + k + "/");
    fs.opening = held.Hook();
    Fixture f([] { return std::make_unique<NoWatches>(); });  // no reread of folders just made
    f.browser.SetKeepDigits(cut), f.browser.SetFolderWords(cut);
    for (const char* name : {"/a b", "/gone", "/old", "/mp3", "/s/x", "/s/y", "/s/t/z"})
      f.tree.createFile(k + name);
    f.tree.createFile("o/o");
    f.show(f.tree / k, "u,");
    const std::string kept = ListingFile(f.tree / k);
    QTRY_VERIFY(statOf(kept).st_mode != 0);
    const Strings before = f.rows();
    f.show(f.tree / "o");
    if (how == "folder renamed") {  // the same names in the same places, in other folders
      std::rename((f.tree / (k + "/s")).c_str(), (f.tree / (k + "/r")).c_str());
    } else if (how == "changed deepest only") {
      std::remove((f.tree / (k + "/s/t/z")).c_str());
      f.tree.createFile(k + "/s/t/deep");
    } else if (how != "unchanged") {
      std::remove((f.tree / (k + "/gone")).c_str());
      std::rename((f.tree / (k + "/old")).c_str(), (f.tree / (k + "/new")).c_str());
      QVERIFY(QDir(QString::fromStdString(f.tree / (k + "/s"))).removeRecursively());
      for (const char* name : {"/made top", "/s/y", "/s/w", "/s/t/deep"})
        f.tree.createFile(k + name);
    }
    if (damaged) std::fclose(std::fopen(kept.c_str(), "w"));
    held.Hold();
    f.browser.Show(0);
    if (damaged) {
      QTRY_VERIFY(statOf(kept).st_mode == 0);
    } else {
      QTRY_VERIFY(f.browser.Progress().checking);
      QTRY_COMPARE(f.rows(), before);
      QTRY_VERIFY(std::ranges::count(f.chips, digits == Digits::Keep ? "mp3" : "mp") == 1);
    }
    if (how == "stopped") {
      QVERIFY(f.browser.Stop());
      const LoadProgress& p = f.browser.Progress();
      QVERIFY(p.stopped && p.unchecked && !p.checking && p.files == before.size());
      QCOMPARE(f.rows(), before);
      return;
    }
    f.browser.AddBarTag("y", TagKind::Auto);  // a filter chosen meanwhile holds
    held.Release();
    f.settle();
    QVERIFY(!f.browser.Progress().checking && !f.browser.Progress().unchecked);
    QCOMPARE(f.rows(), Strings{f.tree / (k + (how == "folder renamed" ? "/r/y" : "/s/y"))});
    const PathList scanned = ScanFolder(f.tree / k);
    Strings chips = CollectTags(scanned, TagRuleFor(f.tree / k, digits, cut)).Tags();
    std::erase(chips, "y");  // in the bar
    chips.push_back("u");
    QCOMPARE(f.chips, chips);
    f.browser.RemoveBarTag("y");
    const Strings fresh(scanned.begin(), scanned.end());
    QCOMPARE(f.rows(), fresh);
    const auto keptNow = [&] {  // kept again, in the load's order
      Strings read;
      const auto status = ReadListing(kept, f.tree / k, [&](PathList&& piece) {
        return read.insert(read.end(), piece.begin(), piece.end()), true;
      });
      return status.ok() ? read : Strings{};
    };
    QTRY_COMPARE(keptNow(), fresh);
  }

  // The owner's thread never waits for a thread held in the file system (a stat or an open
  // that does not return, as on a share whose server is gone): not to show another folder,
  // to read the folder again, nor to close.
  void neverWaitsForTheFileSystem_data() {
    QTest::addColumn<QString>("held");  // a file's stat for its facts, or a folder's open
    QTest::addColumn<QString>("then");
    for (const char* held : {"facts", "walk"})
      for (const char* then : {"switch", "rescan", "close"})
        QTest::addRow("%s, %s", held, then) << QString(held) << QString(then);
  }
  void neverWaitsForTheFileSystem() {
    QFETCH(QString, held);
    QFETCH(QString, then);
    FaultyFileSystem fs;
    HeldCalls calls(held == "facts" ? "stuck" : "/d/");
    (held == "facts" ? fs.stating : fs.opening) = calls.Hook();
    auto f = std::make_unique<Fixture>();
    f->tree.createFile("d/stuck"), f->tree.createFile("o/x");
    if (held == "walk") calls.Hold();
    QVERIFY(f->browser.Commit([&](FolderStore& s) { return s.Append(f->tree / "d", ""); }).ok());
    f->browser.Show(0);
    if (held == "facts") f->settle(), calls.Hold(), f->browser.WantFacts();
    QTRY_VERIFY(calls.Waiting());
    if (then == "switch") f->show(f->tree / "o");
    if (then == "rescan") f->browser.Rescan();
    if (then == "close") f.reset();
    QVERIFY(!calls.Late());
  }

  // Stopping, or removing the folder, ends a load that waits on a folder at once; what
  // was listed stays, or goes with the folder.
  void stopsWithoutWaiting_data() {
    QTest::addColumn<bool>("remove");
    QTest::newRow("stop") << false;
    QTest::newRow("remove the folder") << true;
  }
  void stopsWithoutWaiting() {
    QFETCH(bool, remove);
    FaultyFileSystem fs;
    HeldCalls held("/slow/");  // folders named "slow" wait
    fs.opening = held.Hook();
    held.Hold();
    Fixture f;
    f.tree.createFile("g/first.txt");
    f.tree.createFile("g/slow/never.txt");
    QVERIFY(f.browser.Commit([&](FolderStore& s) { return s.Append(f.tree / "g", ""); }).ok());
    f.browser.Show(0);
    QTRY_COMPARE(f.names(), Strings{"first.txt"});
    if (remove) {
      QVERIFY(
          f.browser.Commit([](FolderStore& s) { return s.Remove(0), platform::Status(); }).ok());
      QVERIFY(!f.browser.ShownPath() && f.rows().empty());
    } else {
      QVERIFY(f.browser.Stop());
      QVERIFY(f.browser.Progress().stopped);
    }
    QVERIFY(!f.browser.Progress().loading);
    QCOMPARE(f.names(), remove ? Strings{} : Strings{"first.txt"});
    if (remove) return;
    f.tree.createFile("h/x");  // another folder, shown at once: the stopped load is not waited for
    f.show(f.tree / "h");
    QCOMPARE(f.names(), Strings{"x"});
    held.Release();  // read again, whole: the stop is forgotten
    f.browser.Show(0);
    f.settle();
    QVERIFY(!f.browser.Progress().stopped && f.names().size() == 2);
  }
};

QTEST_MAIN(TestBrowser)
#include "test_browser.moc"
