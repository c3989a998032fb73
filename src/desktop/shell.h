#pragma once
// The desktop services the program uses: opening documents and addresses, picking a
// folder, and the dialogs that ask and report.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/dialogs.h"
#include "platform/status.h"

namespace velmora::desktop {

// One of the desktop's programs that open files.
struct Application {
  std::string id;          // as the desktop knows it ("org.example.Viewer.desktop")
  std::string name;        // UTF-8, for a person
  bool byDefault = false;  // the one the desktop opens this kind of file with
  friend bool operator==(const Application&, const Application&) = default;
};

// Hands an address to the desktop's default program for it, or files to a program chosen.
class UrlLauncher {
 public:
  virtual ~UrlLauncher() = default;
  // url is fully percent-encoded ASCII. False when no program is set to open it.
  virtual bool OpenUrl(const std::string& url) = 0;
  // The programs for files of path's kind, judged by its name alone, the default first.
  virtual std::vector<Application> ApplicationsFor(const std::string& /*path*/) { return {}; }
  // Every program the desktop offers a person to open files with.
  virtual std::vector<Application> AllApplications() { return {}; }
  // Starts program id on paths, their exact bytes; false when it cannot be found or started.
  virtual bool OpenWith(const std::string& /*id*/, const std::vector<std::string>& /*paths*/) {
    return false;
  }
};

// file:// followed by the path's bytes, percent-encoded where needed, so that blanks,
// quotes, a leading "-", newlines and bytes that are not UTF-8 all survive.
std::string FileUrl(const std::string& path);
// As FileUrl, with !$&'()*+,=:@ left as they are, as GLib writes a file's address: the
// name under which the desktop's shared caches know a file.
std::string DesktopFileUrl(const std::string& path);
// The path of a local file:// address (empty or "localhost" host), its escapes decoded
// to the exact bytes; nothing for any other address.
std::optional<std::string> PathOfFileUrl(std::string_view url);

class Shell {
 public:
  Shell(Dialogs& dialogs, UrlLauncher& launcher) : dialogs_(dialogs), launcher_(launcher) {}

  // A path, or an address with a scheme ("https:..."). Showing nothing, a failure when the
  // desktop has no program for it or the path holds a NUL byte; ok for an empty text.
  platform::Status OpenDocument(const std::string& pathOrAddress);
  std::vector<Application> ApplicationsFor(const std::string& path) {
    return launcher_.ApplicationsFor(path);
  }
  std::vector<Application> AllApplications() { return launcher_.AllApplications(); }
  // Opens paths with app, showing nothing; a failure, worded as OpenDocument's, when it
  // cannot be started or a path holds a NUL byte; ok for no paths.
  platform::Status OpenWith(const Application& app, const std::vector<std::string>& paths);
  // The chosen folder without a trailing separator (the root stays "/"); empty on Cancel.
  // The picker lists the folder last chosen here first, else start.
  std::string PickFolder(const std::string& title, const std::string& start);
  // As PickFolder, the answer coming later; the window stays usable meanwhile.
  void PickFolderLater(const std::string& title, const std::string& start,
                       std::function<void(const std::string&)> chosen);
  Dialogs& dialogs() { return dialogs_; }

 private:
  Dialogs& dialogs_;
  UrlLauncher& launcher_;
  std::string lastTarget_;
};

}  // namespace velmora::desktop
