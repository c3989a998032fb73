// A tag panel with the tag count of a large folder: fill, first frame, clear, click.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <random>

#include "widgets/tag_panel.h"

using velmora::widgets::TagPanel;

namespace {

constexpr int kTags = 50000;

const std::vector<std::string>& Tags() {
  static const std::vector<std::string> tags = [] {
    static const char* const parts[] = {"hol", "ph",  "bea",  "ch",   "ot",  "rep",
                                        "ort", "mü",  "ller", "ré",   "sum", "é",
                                        "img", "dsc", "song", "live", "x",   "q"};
    std::mt19937 random(5);
    std::vector<std::string> out;
    for (int i = 0; i < kTags; ++i) {
      std::string t;
      for (auto n = 1 + random() % 3; n > 0; --n) t += parts[random() % std::size(parts)];
      out.push_back(t + std::to_string(i));
    }
    return out;
  }();
  return tags;
}

// A panel in a window of the size the main window gives it, shown.
struct Scene {
  Scene() : panel(&window) {
    window.resize(200, 600);
    panel.resize(180, 10);
    window.show();
  }
  void Fill() {
    panel.Clear();
    for (const auto& t : Tags()) panel.AddItem(t);
    panel.Redraw();
    frame = window.grab();  // the first frame, painted now
  }
  QWidget window;
  TagPanel panel;
  QPixmap frame;
};

void BM_FillAndFirstFrame(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    scene.Fill();
    state.PauseTiming();
    scene.panel.Clear();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FillAndFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Clear(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    state.PauseTiming();
    scene.Fill();
    state.ResumeTiming();
    scene.panel.Clear();
  }
}
BENCHMARK(BM_Clear)->Unit(benchmark::kMillisecond)->UseRealTime();

// Clicking a chip: removal, layout of the rest, the yield, the event.
void BM_ClickChip(benchmark::State& state) {
  Scene scene;
  scene.Fill();
  for (auto _ : state) {
    if (scene.panel.Count() < 100) {
      state.PauseTiming();
      scene.Fill();
      state.ResumeTiming();
    }
    QTest::mouseClick(&scene.panel, Qt::LeftButton, {}, QPoint(20, 10));
  }
}
BENCHMARK(BM_ClickChip)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Scrolling: the host moves the panel inside its window and the window repaints.
void BM_ScrollFrame(benchmark::State& state) {
  Scene scene;
  scene.Fill();
  int y = 0;
  for (auto _ : state) {
    y = (y + 400) % (kTags * 20 - 600);
    scene.panel.move(0, -y);
    scene.frame = scene.window.grab();
  }
}
BENCHMARK(BM_ScrollFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A letter typed to find a chip among as many as a large folder's panel holds, and the
// frame after it. No tag starts with z: every chip is looked at.
void BM_TypeToFind(benchmark::State& state) {
  Scene scene;
  const std::vector<std::string> tags(Tags().begin(), Tags().begin() + state.range(0));
  for (const auto& t : tags) scene.panel.AddItem(t);
  scene.panel.Redraw();
  scene.panel.setFocus();
  for (auto _ : state) {
    QTest::keyClick(&scene.panel, Qt::Key_Z);
    QCoreApplication::processEvents();
  }
  state.counters["chips"] = static_cast<double>(scene.panel.Count());
}
BENCHMARK(BM_TypeToFind)->Arg(23689)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_BytesPerChip(benchmark::State& state) {
  std::size_t textBytes = 0;
  for (const auto& t : Tags())
    textBytes += t.size() > 15 ? t.capacity() + 1 : 0;  // heap beyond the string itself
  for (auto _ : state) {
    TagPanel panel;
    const auto before = mallinfo2().uordblks;
    for (const auto& t : Tags()) panel.AddItem(t);
    panel.Redraw();
    const auto after = mallinfo2().uordblks;
    state.counters["bytes_per_chip_beyond_text"] =
        static_cast<double>(after - before - textBytes) / static_cast<double>(kTags);
  }
}
BENCHMARK(BM_BytesPerChip)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
