#include "desktop/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <cerrno>
#include <memory>

#include "platform/file_system.h"

namespace velmora::desktop {

using platform::Fs;

namespace {

constexpr int kWaitMs = 4000;  // for the whole hand-over, then this start runs on alone
// Far more than any command line can hold (the kernel allows a few megabytes at most).
constexpr qsizetype kMaxMessage = qsizetype{16} << 20;

QString SocketName(const std::string& path) { return QFile::decodeName(path.c_str()); }

// The user at the other end of a connected local socket.
bool PeerIsUs(qintptr fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return fd >= 0 && getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == geteuid();
}

bool IsOurs(const std::string& path, mode_t type) {
  struct stat st {};
  return Fs().Lstat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type &&
         st.st_uid == geteuid();
}

}  // namespace

QByteArray EncodeHandOver(const std::vector<std::string>& args) {
  QByteArray bytes;
  for (const std::string& arg : args) {
    if (arg.empty()) continue;
    bytes.append(arg.data(), static_cast<qsizetype>(arg.size())).append('\0');
  }
  return bytes.append('\0');
}

bool DecodeHandOver(const QByteArray& bytes, std::vector<std::string>& args) {
  args.clear();
  qsizetype start = 0;
  for (;;) {
    const qsizetype end = bytes.indexOf('\0', start);
    if (end < 0) return false;
    if (end == start) return true;
    args.emplace_back(bytes.constData() + start, static_cast<std::size_t>(end - start));
    start = end + 1;
  }
}

InstanceAddress InstanceAddressIn(const std::string& privateFolder, const std::string& key) {
  if (privateFolder.empty()) return {};
  const std::string base = privateFolder + "/velmora-" + key;
  return {base + ".socket", base + ".lock"};
}

void RaiseWindow(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}

SingleInstance::SingleInstance(InstanceAddress address, QObject* parent)
    : QObject(parent), address_(std::move(address)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lockFd_ >= 0) Fs().Close(lockFd_);
}

bool SingleInstance::HandOverOrListen(const std::vector<std::string>& args) {
  if (address_.lock.empty()) return false;
  // The running window holds the lock for its whole life; whoever gets it owns the
  // name, so two starts at once cannot both listen, and a crash frees it. A lock that
  // is not our own file means someone else made the name: no hand-over, no listening.
  lockFd_ = Fs().Open(address_.lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  struct stat st {};
  if (lockFd_ >= 0 &&
      (Fs().Fstat(lockFd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid())) {
    Fs().Close(lockFd_);
    lockFd_ = -1;
  }
  if (lockFd_ < 0) return false;
  const QDeadlineTimer deadline(kWaitMs);
  for (;;) {
    if (Fs().Flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
      (void)Fs().Unlink(address_.socket.c_str());  // a crashed window's socket
      // A name the system cannot take (too long a path) leaves later starts to themselves,
      // rather than waiting on a lock whose owner never answers.
      if (!server_.listen(SocketName(address_.socket))) {
        Fs().Close(lockFd_);
        lockFd_ = -1;
      }
      return false;
    }
    if (errno != EWOULDBLOCK) return false;
    if (HandOver(args, static_cast<int>(deadline.remainingTime()))) return true;
    if (deadline.hasExpired()) return false;
    QThread::msleep(100);  // the owner is starting; its socket is about to appear
  }
}

bool SingleInstance::HandOver(const std::vector<std::string>& args, int waitMs) {
  if (!IsOurs(address_.socket, S_IFSOCK)) return false;
  const QDeadlineTimer deadline(waitMs);
  QLocalSocket socket;
  socket.connectToServer(SocketName(address_.socket));
  if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())) ||
      !PeerIsUs(socket.socketDescriptor()))
    return false;
  socket.write(EncodeHandOver(args));
  while (socket.bytesToWrite() > 0)
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
  // The one-byte answer says the list arrived whole.
  return socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())) &&
         socket.read(1) == "1";
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!PeerIsUs(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    auto bytes = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, bytes] {
      bytes->append(socket->readAll());
      if (bytes->size() > kMaxMessage) {
        socket->abort();
        return socket->deleteLater();
      }
      std::vector<std::string> args;
      if (!DecodeHandOver(*bytes, args)) return;  // more to come
      socket->disconnect(this);
      socket->write("1");
      socket->flush();
      // Later, so that whatever takes them (a dialog's own event loop) does not run
      // while the socket is in the middle of its signal.
      QMetaObject::invokeMethod(
          this, [this, args] { emit Received(args); }, Qt::QueuedConnection);
    });
  }
}

}  // namespace velmora::desktop
