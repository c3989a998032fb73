#pragma once
// One window per folder list and display: a later start hands its folders to the
// running window.

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QWidget>
#include <string>
#include <vector>

namespace velmora::desktop {

// Where the running window listens, velmora-KEY.socket in a private folder (see
// PrivateFolder and InstanceKey), and the lock file beside it that says whether a
// running window owns the name. Both empty without a folder: no hand-over then.
struct InstanceAddress {
  std::string socket;
  std::string lock;
};
InstanceAddress InstanceAddressIn(const std::string& privateFolder, const std::string& key);

// The hand-over message: each argument ends with NUL (an argument cannot hold one), an
// empty one ends the list; empty arguments are left out. Decoding is true once bytes
// hold the whole list, which is then in args.
QByteArray EncodeHandOver(const std::vector<std::string>& args);
bool DecodeHandOver(const QByteArray& bytes, std::vector<std::string>& args);

// Brings window to the front, out of the minimised state.
void RaiseWindow(QWidget& window);

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(InstanceAddress address, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Either hands args to the running window (true: this process has nothing more to
  // do) or becomes the running window (false) and from then on reports what later
  // starts send. A socket left by a window that crashed is replaced. Nothing is handed
  // to a lock, a socket or a peer of another user, and a window that does not answer
  // within a few seconds is given up on (false, without listening).
  bool HandOverOrListen(const std::vector<std::string>& args);

 signals:
  // What a start of the same user sent, unchecked.
  void Received(const std::vector<std::string>& args);

 private:
  bool HandOver(const std::vector<std::string>& args, int waitMs);
  void Accept();

  InstanceAddress address_;
  int lockFd_ = -1;
  QLocalServer server_;
};

}  // namespace velmora::desktop
