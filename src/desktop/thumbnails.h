#pragma once
// Pictures' thumbnails, shared with the desktop: the cache under $XDG_CACHE_HOME/thumbnails
// that file managers fill, each file's thumbnail named by the MD5 of its address and
// trusted only while its Thumb::URI and Thumb::MTime still match the file.

#include <QObject>
#include <optional>
#include <string>
#include <thread>

#include "platform/mutex.h"

namespace velmora::platform {

class ThumbnailCache {
 public:
  static constexpr int kLargeSize = 256;
  enum class Kind { Normal, Large, Fail };

  // root: the cache's folder, $XDG_CACHE_HOME/thumbnails (else ~/.cache/thumbnails) when empty.
  explicit ThumbnailCache(std::string root = {});
  const std::string& root() const { return root_; }

  // Where the thumbnail of the file at path is kept: the fail record under fail/velmora-1.1.
  std::string PathOf(Kind kind, const std::string& path) const;
  // The large thumbnail of the picture at path, made and stored when none is fresh; nothing
  // when the file cannot be read, or is no picture Qt reads: that is recorded, and it is
  // not tried again while the file keeps its time. Reads and writes files: never call it
  // on the window's thread.
  std::optional<std::string> Find(const std::string& path) const;

 private:
  std::string root_;
};

// Finds thumbnails on a thread of its own, the newest request first. Made, asked and
// destroyed on one thread, where Ready is emitted; Request never waits. A request not
// begun when a newer one comes is dropped unanswered; the destructor waits for the one
// under way.
class Thumbnailer : public QObject {
  Q_OBJECT
 public:
  explicit Thumbnailer(ThumbnailCache cache = ThumbnailCache(), QObject* parent = nullptr);
  ~Thumbnailer() override;
  void Request(const std::string& path);

 signals:
  // thumbnail: the file to show, empty when there is none.
  void Ready(const std::string& path, const std::string& thumbnail);

 private:
  void Run();

  const ThumbnailCache cache_;
  Mutex mutex_;
  CondVar wake_;
  std::optional<std::string> wanted_ GUARDED_BY(mutex_);
  bool stopping_ GUARDED_BY(mutex_) = false;
  std::thread worker_;  // last: it starts once the rest is made
};

}  // namespace velmora::platform
