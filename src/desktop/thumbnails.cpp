#include "desktop/thumbnails.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <atomic>
#include <cerrno>

#include "desktop/queued_call.h"
#include "desktop/shell.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/threads.h"

namespace velmora::platform {
namespace {

constexpr off_t kMaxPictureBytes = off_t{256} << 20;  // larger files count as failures
constexpr std::size_t kMaxThumbnailBytes = 8u << 20;

QByteArray Suffix(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
  return QByteArray::fromStdString(path.substr(dot + 1)).toLower();
}

// Whether the PNG at file was made from the file at uri as it was at mtime.
bool Fresh(const std::string& file, const std::string& uri, time_t mtime) {
  std::string bytes;
  if (!ReadWholeFile(file, bytes, kMaxThumbnailBytes).ok()) return false;
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // Read whole: QImageReader::text cuts keys at their first ':'.
  const QImage png = QImage::fromData(data, "png");
  bool number = false;
  const qlonglong time = png.text(QStringLiteral("Thumb::MTime")).toLongLong(&number);
  return number && time == mtime && png.text(QStringLiteral("Thumb::URI")).toStdString() == uri;
}

// The picture in bytes, within the large size, never enlarged.
QImage Scaled(const std::string& bytes, const QByteArray& format) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer, format);
  reader.setAutoTransform(true);
  const QSize box(ThumbnailCache::kLargeSize, ThumbnailCache::kLargeSize);
  // Told ahead, a JPEG is decoded at a fraction of its size.
  if (const QSize size = reader.size();
      size.isValid() && (size.width() > box.width() || size.height() > box.height()))
    reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1}));
  QImage image = reader.read();
  if (image.width() > box.width() || image.height() > box.height())
    image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return image;
}

// Writes image as a PNG at file with the keys that tie it to the file at uri. Through a
// file beside it, renamed over: a reader never sees half of one. Not flushed to disk: a
// thumbnail lost in a crash is made again.
bool Store(QImage image, const std::string& file, const std::string& uri, const struct stat& st) {
  static std::atomic<unsigned> counter{0};
  image.setText(QStringLiteral("Thumb::URI"), QString::fromStdString(uri));
  image.setText(QStringLiteral("Thumb::MTime"), QString::number(st.st_mtim.tv_sec));
  image.setText(QStringLiteral("Thumb::Size"), QString::number(st.st_size));
  image.setText(QStringLiteral("Software"), QStringLiteral("Velmora " VELMORA_VERSION));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!QImageWriter(&buffer, "png").write(image) || !MakePrivateFolders(ParentFolder(file)))
    return false;
  FileSystem& fs = Fs();
  const std::string temp =
      file + ".velmora-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
  const int fd = fs.Open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool written = fs.WriteAll(fd, std::string_view(png.constData(), png.size())) == 0;
  written = fs.Close(fd) == 0 && written && fs.Rename(temp.c_str(), file.c_str()) == 0;
  if (!written) fs.Unlink(temp.c_str());
  return written;
}

}  // namespace

ThumbnailCache::ThumbnailCache(std::string root)
    : root_(root.empty() ? JoinPath(UserCacheFolder(), "thumbnails")
                         : WithoutTrailingSeparator(std::move(root))) {}

std::string ThumbnailCache::PathOf(Kind kind, const std::string& path) const {
  const QByteArray md5 = QCryptographicHash::hash(QByteArray::fromStdString(DesktopFileUrl(path)),
                                                  QCryptographicHash::Md5);
  const char* folder = kind == Kind::Normal  ? "normal"
                       : kind == Kind::Large ? "large"
                                             : "fail/" VELMORA_FAIL_FOLDER;
  return JoinPath(JoinPath(root_, folder), md5.toHex().toStdString() + ".png");
}

std::optional<std::string> ThumbnailCache::Find(const std::string& path) const {
  struct stat st;
  // Never thumbnails of thumbnails.
  if (path.starts_with(root_ + '/') || Fs().Stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
    return std::nullopt;
  const std::string uri = DesktopFileUrl(path);
  const std::string large = PathOf(Kind::Large, path), fail = PathOf(Kind::Fail, path);
  if (Fresh(large, uri, st.st_mtim.tv_sec)) return large;
  if (Fresh(fail, uri, st.st_mtim.tv_sec)) return std::nullopt;
  std::string bytes;
  // A file that cannot be read now may be readable later: only a bad picture is recorded.
  if (st.st_size <= kMaxPictureBytes && !ReadWholeFile(path, bytes, kMaxPictureBytes).ok())
    return std::nullopt;
  const QImage image = bytes.empty() ? QImage() : Scaled(bytes, Suffix(path));
  if (image.isNull()) {
    QImage blank(1, 1, QImage::Format_ARGB32);
    blank.fill(Qt::transparent);
    (void)Store(blank, fail, uri, st);
    return std::nullopt;
  }
  if (!Store(image, large, uri, st)) return std::nullopt;
  return large;
}

Thumbnailer::Thumbnailer(ThumbnailCache cache, QObject* parent)
    : QObject(parent), cache_(std::move(cache)), worker_([this] { Run(); }) {}

Thumbnailer::~Thumbnailer() {
  {
    MutexLock lock(mutex_);
    stopping_ = true;
  }
  wake_.NotifyAll();
  worker_.join();
}

void Thumbnailer::Request(const std::string& path) {
  {
    MutexLock lock(mutex_);
    wanted_ = path;
  }
  wake_.NotifyAll();
}

void Thumbnailer::Run() {
  NameThread("velmora-thumbs");
  YieldToForeground();
  for (;;) {
    std::string path;
    {
      MutexLock lock(mutex_);
      while (!stopping_ && !wanted_) wake_.Wait(mutex_);
      if (stopping_) return;
      path = std::move(*wanted_);
      wanted_.reset();
    }
    std::string thumbnail = cache_.Find(path).value_or(std::string());
    // Queued to this object's thread; dropped there if it is gone by then.
    QueueCall(this, [this, path = std::move(path), thumbnail = std::move(thumbnail)] {
      emit Ready(path, thumbnail);
    });
  }
}

}  // namespace velmora::platform
