// From asking for a picture's thumbnail to its tip drawn: made from a 12-megapixel photo
// (cold) or read back from the cache (cached).

#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <random>

#include "desktop/thumbnails.h"
#include "mainwindow/preview_tips.h"

using velmora::desktop::ThumbnailCache;

namespace {

// A photo-like picture: smooth light with fine grain, so that it compresses as photos do.
std::string Picture(const QTemporaryDir& dir, const char* format) {
  QImage image(4000, 3000, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient light(0, 0, 4000, 3000);
  light.setColorAt(0, QColor(30, 90, 160)), light.setColorAt(1, QColor(230, 200, 120));
  painter.fillRect(image.rect(), light);
  painter.end();
  std::mt19937 random(7);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] += static_cast<QRgb>(random() % 9) * 0x010101u;
  }
  const QString path = dir.filePath(QStringLiteral("photo.") + QLatin1String(format));
  image.save(path, format, 90);
  return path.toStdString();
}

void FirstThumbnail(benchmark::State& state, const char* format, bool cached) {
  QTemporaryDir dir;
  const std::string picture = Picture(dir, format);
  const ThumbnailCache cache(dir.filePath(QStringLiteral("cache")).toStdString());
  velmora::desktop::Thumbnailer thumbnails(cache);
  QEventLoop loop;
  std::string thumbnail;
  QObject::connect(&thumbnails, &velmora::desktop::Thumbnailer::Ready,
                   [&](const std::string&, const std::string& made) {
                     thumbnail = made;
                     loop.quit();
                   });
  QLabel tip;
  const auto ask = [&] {
    thumbnails.Request(picture);
    loop.exec();
    tip.setText(velmora::mainwindow::PreviewTipText(thumbnail, "photo\n1 of 1 files"));
    benchmark::DoNotOptimize(tip.grab());
  };
  ask();
  if (thumbnail.empty()) state.SkipWithError("no thumbnail");
  for (auto _ : state) {
    if (!cached) {
      state.PauseTiming();
      QFile::remove(QString::fromStdString(cache.PathOf(ThumbnailCache::Kind::Large, picture)));
      state.ResumeTiming();
    }
    ask();
  }
  state.counters["picture_KB"] =
      static_cast<double>(QFile(QString::fromStdString(picture)).size()) / 1024;
}

}  // namespace

BENCHMARK_CAPTURE(FirstThumbnail, jpeg_cold, "jpg", false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(FirstThumbnail, jpeg_cached, "jpg", true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(FirstThumbnail, png_cold, "png", false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(FirstThumbnail, png_cached, "png", true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
