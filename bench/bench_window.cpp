// The window with a large folder: selecting it, and filtering it by one chip click.
// VELMORA_BENCH_TREE names the tree (made by velmora-make-tree).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "mainwindow/form1.h"
#include "platform/qt_services.h"
#include "widgets/tag_panel.h"

namespace {

struct Window {
  explicit Window(const char* tree) {
    QFile store(dir.filePath("folders.txt"));
    if (!store.open(QIODevice::WriteOnly)) std::abort();
    store.write(QByteArray(tree) + "\r\n\r\n");
    store.close();
    form = std::make_unique<velmora::mainwindow::Form1>(
        velmora::mainwindow::FormSettings{dir.filePath("folders.txt").toStdString(), {}}, shell);
    form->show();
    QApplication::processEvents();
  }
  void Select() {
    auto* folders = form->findChild<QListWidget*>("lstFolders");
    folders->clearSelection();
    folders->setCurrentRow(0);
    frame = form->grab();  // the window has answered and painted
  }
  QTemporaryDir dir;
  velmora::platform::QtDialogs dialogs;
  velmora::platform::DesktopUrlLauncher launcher;
  velmora::platform::Shell shell{dialogs, launcher};
  std::unique_ptr<velmora::mainwindow::Form1> form;
  QPixmap frame;
};

const char* Tree() { return std::getenv("VELMORA_BENCH_TREE"); }

void BM_SelectFolder(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree());
  for (auto _ : state) w.Select();
  state.counters["files"] = w.form->Files().rowCount();
}
BENCHMARK(BM_SelectFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_ClickChip(benchmark::State& state) {
  if (Tree() == nullptr) return state.SkipWithError("set VELMORA_BENCH_TREE");
  Window w(Tree());
  w.Select();
  auto* panel = w.form->findChild<velmora::widgets::TagPanel*>("oTagPanel");
  auto* bar = w.form->findChild<QWidget*>("oTagBar");
  for (auto _ : state) {
    state.PauseTiming();
    w.Select();
    panel->move(panel->x(), 0);
    state.ResumeTiming();
    // The first chip: the most common tag, so the list changes the most.
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(20, 10));
    w.frame = w.form->grab();
    benchmark::DoNotOptimize(bar);
  }
  state.counters["shown"] = w.form->Files().rowCount();
}
BENCHMARK(BM_ClickChip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
