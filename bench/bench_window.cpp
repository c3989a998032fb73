// The window with a large folder: how soon the first rows show, the longest time the
// window does not answer while it loads, the whole load, memory per file, stopping a
// load, files made by another program while it is shown, a key in the find field,
// sorting, reading every file's size and time, and a folder chosen again with its listing
// kept and without.
// VELMORA_BENCH_TREE names the tree (made by velmora-make-tree).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <utility>
#include <vector>

#include "catalogue/listing_cache.h"
#include "desktop/qt_services.h"
#include "mainwindow/form1.h"
#include "widgets/tag_panel.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the heap holds in use, beside what is resident: the rest is the allocator's.
double HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return double(info.uordblks + info.hblkhd);
}

// The longest time a click would have waited: the largest delay of a timer that ticks
// every 5 ms, beyond its 5 ms. (A timer that ticks whenever the loop is idle would keep
// a core busy, and slow the load it measures.)
struct StallMeter {
  static constexpr auto kTick = std::chrono::milliseconds(5);
  StallMeter() {
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kTick);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      const auto now = Clock::now();
      longest = std::max(longest, now - last - kTick);
      last = now;
    });
  }
  void Start() {
    longest = {};
    last = Clock::now();
    timer.start();
  }
  double Stop() {
    timer.stop();
    return Ms(longest);
  }
  QTimer timer;
  Clock::time_point last;
  Clock::duration longest{};
};

struct Window {
  // state: the window's kept state, as its file holds it; tree: the folders, by ':', shown
  // together when all.
  explicit Window(const char* tree, const QByteArray& state = {}, bool all = false) {
    QFile store(dir.filePath("folders.txt"));
    if (!store.open(QIODevice::WriteOnly)) std::abort();
    for (const QByteArray& folder : QByteArray(tree).split(':')) store.write(folder + "\r\n\r\n");
    store.close();
    QFile kept(dir.filePath("window.conf"));
    if (!kept.open(QIODevice::WriteOnly)) std::abort();
    kept.write("[General]\n" + state);
    kept.close();
    form = std::make_unique<velmora::mainwindow::Form1>(
        velmora::mainwindow::FormSettings{dir.filePath("folders.txt").toStdString(),
                                          {},
                                          dir.filePath("window.conf").toStdString(),
                                          {}},
        shell);
    form->RestoreState(all);
    form->show();
    QApplication::processEvents();
  }
  // Clicks the folder of that row; returns when its first rows are painted (an empty
  // folder: when chosen).
  void Select(int row = 0) {
    auto* folders = form->findChild<QListWidget*>("lstFolders");
    folders->clearSelection();
    bool rows = row != 0;
    const auto c =
        QObject::connect(&form->Files(), &QAbstractItemModel::rowsInserted, [&] { rows = true; });
    folders->setCurrentRow(row);
    while (!rows) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QObject::disconnect(c);
    frame = form->grab();
  }
  // Clicks the folder and waits for its load, the tag panel scrolled to its top; the
  // panel is returned.
  velmora::widgets::TagPanel* Loaded() {
    auto* panel = form->findChild<velmora::widgets::TagPanel*>("oTagPanel");
    Select();
    WaitForLoad();
    panel->move(panel->x(), 0);
    return panel;
  }
  void WaitForLoad() {
    while (form->Loading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    frame = form->grab();
  }
  // Until every folder is watched, which starts once the window is filled.
  void WaitForFollowing() {
    while (!form->Browser().Progress().following)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QTemporaryDir dir;
  velmora::desktop::QtDialogs dialogs;
  velmora::desktop::DesktopUrlLauncher launcher;
  velmora::desktop::Shell shell{dialogs, launcher};
  std::unique_ptr<velmora::mainwindow::Form1> form;
  QPixmap frame;
};

const char* Tree() {
  // The kept listings go to a folder of the run's own, never the user's.
  static QTemporaryDir cache;
  qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
  return std::getenv("VELMORA_BENCH_TREE");
}

// Forgets the tree's kept listing, so that the next load reads the folder alone.
void ForgetListing() { std::remove(velmora::catalogue::ListingFile(Tree()).c_str()); }

// Empties the system's caches of files and folders, as after a restart; false when this
// process may not.
bool DropCaches() {
  ::sync();
  std::ofstream drop("/proc/sys/vm/drop_caches");
  return static_cast<bool>(drop << "3" << std::endl);
}

// The window's state for arg: 1, tags match whole words; 2, folders' words are tags; 4,
// digits are kept in tags.
QByteArray StateOf(std::int64_t arg) {
  QByteArray state;
  if (arg & 1) state += "wholeTags=true\n";
  if (arg & 2) state += "folderWords=true\n";
  if (arg & 4) state += "keepDigits=true\n";
  return state;
}

// Arg as StateOf.
void BM_LoadFolder(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree(), StateOf(state.range(0)));
  StallMeter stall;
  double firstRows = 0;
  double longest = 0;
  const long before = ResidentKb();
  const double heapBefore = HeapBytes();
  bool measured = false;
  for (auto _ : state) {
    ForgetListing();
    const auto start = Clock::now();
    w.Select();
    firstRows = std::max(firstRows, Ms(Clock::now() - start));
    stall.Start();  // after the picture of the first rows, which the meter would count
    w.WaitForLoad();
    state.PauseTiming();
    const auto perFile = [&] {
      return double(ResidentKb() - before) * 1024 / std::max(1, w.form->Files().rowCount());
    };
    const bool first = !std::exchange(measured, true);  // into a window that held none
    if (first) state.counters["bytes_per_file"] = perFile();
    if (first)
      state.counters["heap_per_file"] =
          (HeapBytes() - heapBefore) / std::max(1, w.form->Files().rowCount());
    w.WaitForFollowing();  // the window must answer while the watches are made, too
    longest = std::max(longest, stall.Stop());
    if (first) {
      // Settled: the listing kept, and what its writer freed given back just after.
      const std::string kept = velmora::catalogue::ListingFile(Tree());
      while (!std::filesystem::exists(kept)) QTest::qWait(10);
      QTest::qWait(300);
      state.counters["bytes_per_file_watched"] = perFile();
    }
    state.ResumeTiming();
  }
  state.counters["files"] = w.form->Files().rowCount();
  state.counters["first_rows_ms"] = firstRows;
  state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_LoadFolder)
    ->Arg(0)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// A folder chosen again, its caches dropped: until the first rows show, and until the
// load has ended (checked against the kept listing, arg 1, or read alone, arg 0; arg 2: a
// file made at its top or taken away since, so that the rows take the fresh order). The
// kept listing's bytes per file.
void BM_ReopenFolder(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  const bool kept = state.range(0) != 0;
  const std::string top = std::string(Tree()) + "/0 made since.txt";
  Window w(Tree());
  w.Loaded();  // the listing kept
  const std::string file = velmora::catalogue::ListingFile(Tree());
  while (!std::filesystem::exists(file)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const auto bytes = double(std::filesystem::file_size(file));
  double firstRows = 0;
  double stall = 0;
  bool dropped = true;
  StallMeter meter;
  for (auto _ : state) {
    state.PauseTiming();
    if (!kept) ForgetListing();
    if (state.range(0) == 2 && std::remove(top.c_str()) != 0) std::ofstream{top};
    dropped = DropCaches() && dropped;
    state.ResumeTiming();
    const auto start = Clock::now();
    w.Select();
    firstRows = std::max(firstRows, Ms(Clock::now() - start));
    meter.Start();
    w.WaitForLoad();
    stall = std::max(stall, meter.Stop());
  }
  state.counters["files"] = w.form->Files().rowCount();
  state.counters["first_rows_ms"] = firstRows;
  state.counters["longest_stall_ms"] = stall;
  state.counters["kept_bytes_per_file"] = bytes / std::max(1, w.form->Files().rowCount());
  state.counters["caches_dropped"] = dropped;
}
BENCHMARK(BM_ReopenFolder)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Peak resident memory since the last call.
long PeakKbSince() {
  std::ifstream status("/proc/self/status");
  long peak = 0;
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) peak = std::stol(line.substr(6));
  std::ofstream("/proc/self/clear_refs") << "5" << std::endl;
  return peak;
}

// Three seconds of the window's turns: what is freed in the background is given back as
// the background ends (the check of a kept listing, the writing of one).
void Settle() {
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Memory a folder holds: resident and peak bytes a file after its first load, after it
// is chosen again (its kept listing shown, then checked), each settled, and what stays
// once an empty folder is shown instead, against the window before any load.
void BM_ChooseAgainMemory(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  QTemporaryDir empty;
  Window w((std::string(Tree()) + ":" + empty.path().toStdString()).c_str());
  // The second folder stays empty; the window holds nothing yet but its picture, which
  // the bench keeps of every state it measures.
  w.frame = w.form->grab();
  const long bare = ResidentKb();
  state.counters["bare_heap_mib"] = HeapBytes() / 1048576;
  PeakKbSince();
  w.Loaded();
  w.WaitForFollowing();
  const double files = std::max(1, w.form->Files().rowCount());
  const auto perFile = [&](long kb) { return double(kb - bare) * 1024 / files; };
  Settle();
  state.counters["first_per_file"] = perFile(ResidentKb());
  state.counters["first_peak_per_file"] = perFile(PeakKbSince());
  for (auto _ : state) {
    w.Select(1);
    w.WaitForLoad();
    w.Select();
    w.WaitForLoad();
    w.WaitForFollowing();
  }
  Settle();
  state.counters["again_per_file"] = perFile(ResidentKb());
  state.counters["again_peak_per_file"] = perFile(PeakKbSince());
  w.Select(1);
  w.WaitForLoad();
  Settle();
  state.counters["empty_after_mib"] = double(ResidentKb() - bare) / 1024;
  state.counters["empty_heap_mib"] = HeapBytes() / 1048576;
  state.counters["bare_mib"] = double(bare) / 1024;
}
BENCHMARK(BM_ChooseAgainMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// Esc during the load: until the window is idle and every worker has ended.
void BM_StopLoad(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  for (auto _ : state) {
    state.PauseTiming();
    Window w(Tree());
    w.Select();
    QTest::qWait(200);
    state.ResumeTiming();
    QTest::keyClick(w.form.get(), Qt::Key_Escape);
    w.form.reset();  // joins the workers
  }
}
BENCHMARK(BM_StopLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Arg as StateOf; and 8: with Ctrl held, which leaves the tag's files out instead.
void BM_ClickChip(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree(), StateOf(state.range(0)));
  const Qt::KeyboardModifiers keys = state.range(0) & 8 ? Qt::ControlModifier : Qt::NoModifier;
  for (auto _ : state) {
    state.PauseTiming();
    auto* panel = w.Loaded();
    state.ResumeTiming();
    // The first chip: the most common tag, so the list changes the most.
    QTest::mouseClick(panel, Qt::LeftButton, keys, QPoint(20, 10));
    w.frame = w.form->grab();
  }
  state.counters["shown"] = w.form->Files().rowCount();
}
BENCHMARK(BM_ClickChip)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// A key typed in the find field (Ctrl+F): until the list is narrowed and painted. Keys
// of "beach" one by one, then back to the whole list.
void BM_FindKey(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree());
  w.Loaded();
  QTest::keyClick(w.form.get(), Qt::Key_F, Qt::ControlModifier);
  auto* field = w.form->findChild<QLineEdit*>("txtFind");
  const std::string word = "beach";
  std::size_t typed = 0;
  for (auto _ : state) {
    const char key = word[typed++ % word.size()];
    if (typed % word.size() == 1) {
      state.PauseTiming();
      field->setText("x");
      QTest::keyClick(field, Qt::Key_Backspace);
      while (!w.form->Browser().FindText().empty()) QCoreApplication::processEvents();
      QTest::keyClick(w.form.get(), Qt::Key_F, Qt::ControlModifier);
      state.ResumeTiming();
    }
    const std::string want = field->text().toStdString() + key;
    QTest::keyClick(field, key);
    while (w.form->Browser().FindText() != want) QCoreApplication::processEvents();
    w.frame = w.form->grab();
  }
  state.counters["shown"] = w.form->Files().rowCount();
}
BENCHMARK(BM_FindKey)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Sorting every row by a column (Arg: the key), back to the walk's order between: until
// the rows are in order, and the longest the window did not answer meanwhile. The files'
// sizes and times are read first.
void BM_SortRows(benchmark::State& state) {
  using velmora::catalogue::SortKey;
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree(), "columns=4");  // the size
  w.Loaded();
  auto& model = w.form->Files();
  while (w.form->Browser().Facts().size() < w.form->Browser().Files().size())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  StallMeter stall;
  double longest = 0;
  for (auto _ : state) {
    stall.Start();
    model.SetSort({static_cast<SortKey>(state.range(0)), false});
    while (!model.InOrder()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    w.frame = w.form->grab();
    longest = std::max(longest, stall.Stop());
    state.PauseTiming();
    model.SetSort({});
    state.ResumeTiming();
  }
  state.counters["rows"] = model.rowCount();
  state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_SortRows)
    ->Arg(static_cast<int>(velmora::catalogue::SortKey::Name))
    ->Arg(static_cast<int>(velmora::catalogue::SortKey::Size))
    ->Arg(static_cast<int>(velmora::catalogue::SortKey::Folder))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Every file's size and time, once the Size column is shown: until all are read, the
// longest the window did not answer meanwhile, and the cost per million files.
void BM_ReadFacts(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  StallMeter stall;
  double longest = 0;
  double files = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Window w(Tree());
    w.Loaded();
    state.ResumeTiming();
    stall.Start();
    w.form->Files().SetShown(velmora::mainwindow::Column::Size, true);
    const auto& browser = w.form->Browser();
    while (browser.Facts().size() < browser.Files().size() || !browser.Facts().back().Known())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    longest = std::max(longest, stall.Stop());
    files = static_cast<double>(browser.Files().size());
  }
  state.counters["files"] = files;
  state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_ReadFacts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Every chip's count, after a click on the first chip changed the filter: until all are
// counted, and the longest the window did not answer meanwhile.
void BM_CountChips(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree());
  StallMeter stall;
  double longest = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto* panel = w.Loaded();
    state.ResumeTiming();
    stall.Start();
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(20, 10));
    while (!w.form->Browser().Counted())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    longest = std::max(longest, stall.Stop());
  }
  state.counters["chips"] = static_cast<double>(w.form->Browser().PanelChips().size());
  state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_CountChips)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Every folder shown together, read into a window of its own: the bytes a file costs, and
// the first chip clicked then. Arg 0: the one tree; 1: the three of VELMORA_BENCH_TREES, by
// ':' (velmora-make-tree --files 333334 into each).
void BM_AllFolders(benchmark::State& state) {
  const char* trees = state.range(0) ? std::getenv("VELMORA_BENCH_TREES") : Tree();
  if (trees == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE(S)");
  for (auto _ : state) {
    state.PauseTiming();
    const long before = ResidentKb();
    Window w(trees, "allFolders=true\n", true);
    w.WaitForLoad();
    state.counters["files"] = w.form->Files().rowCount();
    state.counters["bytes_per_file"] =
        double(ResidentKb() - before) * 1024 / std::max(1, w.form->Files().rowCount());
    auto* panel = w.form->findChild<velmora::widgets::TagPanel*>("oTagPanel");
    panel->move(panel->x(), 0);
    state.ResumeTiming();
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(20, 10));
    w.frame = w.form->grab();
    state.counters["shown"] = w.form->Files().rowCount();
  }
}
BENCHMARK(BM_AllFolders)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Files made by another program while the folder is shown: until they are all listed.
void BM_LiveChange(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  const auto count = static_cast<int>(state.range(0));
  const std::filesystem::path folder = std::filesystem::path(Tree()) / "Live bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  Window w(Tree());
  w.Select();
  w.WaitForLoad();
  w.WaitForFollowing();
  StallMeter stall;
  double longest = 0;
  int round = 0;
  for (auto _ : state) {
    const int target = w.form->Files().rowCount() + count;
    stall.Start();
    // Another program makes them, so the window's own loop stays free.
    std::jthread maker([&, round] {
      for (int i = 0; i < count; ++i)
        std::ofstream(folder / ("new " + std::to_string(round) + " " + std::to_string(i) + ".txt"));
    });
    while (w.form->Files().rowCount() < target)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    w.frame = w.form->grab();
    longest = std::max(longest, stall.Stop());
    ++round;
  }
  state.counters["longest_stall_ms"] = longest;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LiveChange)
    ->Arg(1)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Every stride-th file of the tree, as the window lists it: spread over all its rows.
std::vector<std::filesystem::path> Spread(const velmora::mainwindow::Form1& form, int stride) {
  std::vector<std::filesystem::path> files;
  const auto& listed = form.Browser().Files();
  for (std::size_t i = 0; i < listed.size(); i += static_cast<std::size_t>(stride))
    files.emplace_back(listed[i]);
  return files;
}

// Another program deletes files spread over the tree and makes them again, arg a second,
// for five seconds (the files are empty, as the tree's are): the longest the window does
// not answer meanwhile.
void BM_Churn(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree());
  w.Loaded();
  w.WaitForFollowing();
  const std::vector<std::filesystem::path> files = Spread(*w.form, 997);
  const auto pause = std::chrono::microseconds(1'000'000 / state.range(0));
  StallMeter stall;
  double longest = 0;
  for (auto _ : state) {
    stall.Start();
    std::atomic<bool> done = false;
    std::jthread churn([&] {
      const auto end = Clock::now() + std::chrono::seconds(5);
      for (std::size_t i = 0; Clock::now() < end; i += 2) {
        std::filesystem::remove(files[i % files.size()]);
        std::this_thread::sleep_for(pause);
        std::ofstream{files[(i + files.size() - 2) % files.size()]};  // the one before, back
        std::this_thread::sleep_for(pause);
      }
      for (const auto& f : files)
        if (!std::filesystem::exists(f)) std::ofstream{f};
      done = true;
    });
    while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    longest = std::max(longest, stall.Stop());
  }
  state.counters["files"] = w.form->Files().rowCount();
  state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_Churn)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Another program deletes arg files spread over the tree at once: until the rows are
// gone, the longest the window does not answer. The files are made again after.
void BM_RemoveBurst(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree());
  w.Loaded();
  w.WaitForFollowing();
  const int listed = w.form->Files().rowCount();
  std::vector<std::filesystem::path> files =
      Spread(*w.form, std::max(1, listed / static_cast<int>(state.range(0))));
  files.resize(std::min(files.size(), static_cast<std::size_t>(state.range(0))));
  StallMeter stall;
  double longest = 0;
  for (auto _ : state) {
    stall.Start();
    std::jthread remover([&] {
      for (const auto& f : files) std::filesystem::remove(f);
    });
    const int target = listed - static_cast<int>(files.size());
    while (w.form->Files().rowCount() > target)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    w.frame = w.form->grab();
    longest = std::max(longest, stall.Stop());
  }
  for (const auto& f : files) std::ofstream{f};
  state.counters["removed"] = static_cast<double>(files.size());
  state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_RemoveBurst)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
