#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QFile>
#include <QLocalSocket>
#include <QThread>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace velmora::platform {
namespace {

constexpr int kWaitMs = 3000;

QString SocketName(const std::string& path) { return QFile::decodeName(path.c_str()); }

// Each argument ends with NUL (an argument cannot hold one); an empty one ends the list.
QByteArray Encode(const std::vector<std::string>& args) {
  QByteArray bytes;
  for (const std::string& arg : args) {
    if (arg.empty()) continue;
    bytes.append(arg.data(), static_cast<qsizetype>(arg.size())).append('\0');
  }
  return bytes.append('\0');
}

// True once bytes hold the whole list.
bool Decode(const QByteArray& bytes, std::vector<std::string>& args) {
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

}  // namespace

InstanceAddress InstanceAddressFor(const char* xdgRuntimeDir, unsigned uid) {
  std::string base;
  if (xdgRuntimeDir != nullptr && xdgRuntimeDir[0] == '/') {
    base = std::string(xdgRuntimeDir) + "/velmora";
  } else {
    const char* tmp = std::getenv("TMPDIR");
    base = std::string(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp") + "/velmora-" +
           std::to_string(uid);
  }
  return {base + ".socket", base + ".lock"};
}

std::vector<std::string> CommandLineFolders(int argc, char** argv) {
  std::vector<std::string> folders;
  std::string cwd(PATH_MAX, '\0');
  cwd.resize(getcwd(cwd.data(), cwd.size()) != nullptr ? std::strlen(cwd.c_str()) : 0);
  for (int i = 1; i < argc; ++i) {
    std::string path = argv[i];
    if (path.empty()) continue;
    if (path.front() != '/') path = cwd + "/" + path;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    folders.push_back(std::move(path));
  }
  return folders;
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
  if (lockFd_ >= 0) close(lockFd_);
}

bool SingleInstance::HandOverOrListen(const std::vector<std::string>& args) {
  // The running window holds the lock for its whole life; whoever gets it owns the
  // name, so two starts at once cannot both listen, and a crash frees it.
  lockFd_ = open(address_.lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (lockFd_ >= 0 && flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
      QLocalServer::removeServer(SocketName(address_.socket));  // a crashed window's socket
      server_.listen(SocketName(address_.socket));
      return false;
    }
    if (HandOver(args)) return true;
    if (lockFd_ < 0) return false;  // no lock to be had: run on alone
    QThread::msleep(100);           // the owner is starting; its socket is about to appear
  }
  return false;
}

bool SingleInstance::HandOver(const std::vector<std::string>& args) {
  QLocalSocket socket;
  socket.connectToServer(SocketName(address_.socket));
  if (!socket.waitForConnected(kWaitMs)) return false;
  socket.write(Encode(args));
  if (!socket.waitForBytesWritten(kWaitMs)) return false;
  // The one-byte answer says the list arrived whole.
  return socket.waitForReadyRead(kWaitMs) && socket.read(1) == "1";
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      std::vector<std::string> args;
      const QByteArray bytes = socket->peek(socket->bytesAvailable());
      if (!Decode(bytes, args)) return;  // more to come
      socket->readAll();
      socket->write("1");
      socket->flush();
      emit Received(args);
    });
  }
}

}  // namespace velmora::platform
