#pragma once
// One window per user: a later start hands its command line to the running window.

#include <QLocalServer>
#include <QObject>
#include <QWidget>
#include <string>
#include <vector>

namespace velmora::platform {

// Where the running window listens: $XDG_RUNTIME_DIR/velmora.socket, or a per-user
// name in the temporary folder when that is unset or relative. The lock file beside it
// says whether a running window owns the name.
struct InstanceAddress {
  std::string socket;
  std::string lock;
};
InstanceAddress InstanceAddressFor(const char* xdgRuntimeDir, unsigned uid);

// The arguments after the program's name (Qt's own already taken out) as absolute
// paths without a trailing separator, so that another process can use them.
std::vector<std::string> CommandLineFolders(int argc, char** argv);

// Brings window to the front, out of the minimised state.
void RaiseWindow(QWidget& window);

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(InstanceAddress address, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Either hands args to the running window (true: this process has nothing more to
  // do) or becomes the running window (false) and from then on reports what later
  // starts send. A socket left by a window that crashed is replaced.
  bool HandOverOrListen(const std::vector<std::string>& args);

 signals:
  void Received(const std::vector<std::string>& args);

 private:
  bool HandOver(const std::vector<std::string>& args);
  void Accept();

  InstanceAddress address_;
  int lockFd_ = -1;
  QLocalServer server_;
};

}  // namespace velmora::platform
