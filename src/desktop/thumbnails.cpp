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
#include <cstdio>

#include "desktop/queued_call.h"
#include "desktop/shell.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/threads.h"

namespace velmora::desktop {

using platform::Fs;
using platform::JoinPath;
using platform::MutexLock;
using platform::OpenOwnFolder;
using platform::ParentFolder;
using platform::ReadWholeFile;
using platform::Status;
using platform::UserCacheFolder;
using platform::WithoutTrailingSeparator;
using platform::Worker;
using platform::YieldToForeground;

namespace {

constexpr off_t kMaxPictureBytes = off_t{256} << 20;  // larger files count as failures
constexpr std::size_t kMaxThumbnailBytes = 8u << 20;

QByteArray Suffix(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
  return QByteArray::fromStdString(path.substr(dot + 1)).toLower();
}

// The folder of file, when it is the user's own (said once when it is not: previews are
// then neither read from nor kept there); -1 otherwise.
int OwnFolderOf(const std::string& file) {
  int dir = -1;
  if (const Status own = OpenOwnFolder(ParentFolder(file), dir); own.Untrusted()) {
    static std::atomic<bool> said = false;
    if (!said.exchange(true))
      std::fprintf(stderr, "velmora: %s; pictures are shown without previews\n",
                   own.message().c_str());
  }
  return dir;
}

// Whether the PNG at file, in a folder of the user's own, was made from the file at uri
// as it was at mtime, and is no larger than its folder's size.
bool Fresh(const std::string& file, const std::string& uri, time_t mtime) {
  const int dir = OwnFolderOf(file);
  if (dir < 0) return false;
  Fs().Close(dir);
  std::string bytes;
  if (!ReadWholeFile(file, bytes, kMaxThumbnailBytes).ok()) return false;
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  // Read whole: QImageReader::text cuts keys at their first ':'.
  const QImage png = QImage::fromData(data, "png");
  bool number = false;
  const qlonglong time = png.text(QStringLiteral("Thumb::MTime")).toLongLong(&number);
  return number && time == mtime && png.text(QStringLiteral("Thumb::URI")).toStdString() == uri &&
         png.width() <= ThumbnailCache::kLargeSize && png.height() <= ThumbnailCache::kLargeSize;
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

// Writes image as a PNG at file with the keys that tie it to the file at uri. Replaced
// whole: a reader never sees half of one. Not flushed to disk: a thumbnail lost in a crash
// is made again.
bool Store(QImage image, const std::string& file, const std::string& uri, const struct stat& st) {
  image.setText(QStringLiteral("Thumb::URI"), QString::fromStdString(uri));
  image.setText(QStringLiteral("Thumb::MTime"), QString::number(st.st_mtim.tv_sec));
  image.setText(QStringLiteral("Thumb::Size"), QString::number(st.st_size));
  image.setText(QStringLiteral("Software"), QStringLiteral("Velmora " VELMORA_VERSION));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!QImageWriter(&buffer, "png").write(image)) return false;
  const int dir = OwnFolderOf(file);
  if (dir < 0) return false;
  const bool written = platform::ReplaceFile(dir, file.substr(file.rfind('/') + 1), file,
                                             [&png](const platform::PutBytes& put) {
                                               put(std::string_view(png.constData(), png.size()));
                                             },
                                             {}, {0600, false, false})
                           .ok();
  Fs().Close(dir);
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

Thumbnailer::Thumbnailer(ThumbnailCache cache, QObject* parent) : QObject(parent) {
  {
    MutexLock lock(queue_->mutex);
    queue_->owner = this;
  }
  worker_ = Worker("velmora-thumbs", [queue = queue_, cache = std::move(cache)](std::stop_token) {
    YieldToForeground();
    for (;;) {
      std::string path;
      {
        MutexLock lock(queue->mutex);
        while (queue->owner != nullptr && !queue->wanted) queue->wake.Wait(queue->mutex);
        if (queue->owner == nullptr) return;
        path = std::move(*queue->wanted);
        queue->wanted.reset();
      }
      std::string thumbnail = cache.Find(path).value_or(std::string());
      // Posted under the lock: the owner cannot go meanwhile, and is told only while it is
      // there; a call still queued when it goes is dropped with it.
      MutexLock lock(queue->mutex);
      if (queue->owner == nullptr) return;
      QueueCall(queue->owner,
                [owner = queue->owner, path = std::move(path), thumbnail = std::move(thumbnail)] {
                  emit owner->Ready(path, thumbnail);
                });
    }
  });
}

Thumbnailer::~Thumbnailer() {
  {
    MutexLock lock(queue_->mutex);
    queue_->owner = nullptr;
  }
  queue_->wake.NotifyAll();
}

void Thumbnailer::Request(const std::string& path) {
  {
    MutexLock lock(queue_->mutex);
    queue_->wanted = path;
  }
  queue_->wake.NotifyAll();
}

}  // namespace velmora::desktop
