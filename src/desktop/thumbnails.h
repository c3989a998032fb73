#pragma once
// Pictures' thumbnails, shared with the desktop: the cache under $XDG_CACHE_HOME/thumbnails
// that file managers fill, each file's thumbnail named by the MD5 of its address and
// trusted only while its Thumb::URI and Thumb::MTime still match the file.

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "platform/mutex.h"
#include "platform/threads.h"

namespace velmora::desktop {

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
// begun when a newer one comes is dropped unanswered. The destructor waits for nothing: a
// find under way (a picture on a share whose server is gone) ends on its own, unheard.
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
  // Shared with the thread, which may outlive this object.
  struct Queue {
    platform::Mutex mutex;
    platform::CondVar wake;
    std::optional<std::string> wanted GUARDED_BY(mutex);
    Thumbnailer* owner GUARDED_BY(mutex) = nullptr;  // none once it went
  };
  const std::shared_ptr<Queue> queue_ = std::make_shared<Queue>();
  platform::Worker worker_;
};

}  // namespace velmora::desktop
