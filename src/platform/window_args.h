#pragma once
// The window program's command line, and the folders a later start hands over, checked
// before anything needs a display; and where the running window can be reached.

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/status.h"
#include "platform/visible_text.h"  // DescribeRefused, for what CheckFolders refuses

namespace velmora::platform {

extern const char* const kWindowUsage;  // one line, for a refused command line
extern const char* const kWindowHelp;   // --help

// What a command line asks for. Qt's own options (-platform NAME, -style=NAME, ...) are
// kept with their values for the toolkit; any other option is refused; "--" ends the
// options. Every other argument is a path, made absolute from cwd (left relative when
// cwd is empty) and spelled plainly (PlainPath), so that the window it goes to finds the
// folder listed already whatever the spelling; empty ones are dropped.
struct WindowArgs {
  enum class Action { Open, Help, Version };
  Action action = Action::Open;
  std::vector<std::string> toolkit;  // the program's name and Qt's own options
  std::vector<std::string> paths;
  std::string display;  // the value of -display, the X server asked for
};
// A refused command line is a refusal saying why, without the program's name.
Status ParseWindowArgs(const std::vector<std::string>& args, const std::string& cwd,
                       WindowArgs& out);

// Paths split into the absolute paths of existing folders, spelled plainly and kept in
// order, and the others with the reason each is refused.
struct CheckedFolders {
  std::vector<std::string> folders;
  std::vector<std::pair<std::string, std::string>> refused;
};
CheckedFolders CheckFolders(const std::vector<std::string>& paths);

// The display a window opens on for Qt's platform: the Wayland socket, the X display
// (-display first), or the platform itself for one without a server (offscreen, vnc).
std::string DisplayName(const std::string& platform, const std::string& explicitX11,
                        const char* waylandDisplay, const char* x11Display);
// A short name for one running window per store file and display: the same for the
// same pair, another for any other.
std::string InstanceKey(const std::string& storeFile, const std::string& display);

// A folder nobody else can enter, for the lock and the socket: $XDG_RUNTIME_DIR when it
// is one, else velmora-UID in tmpDir (/tmp unless absolute), made mode 0700 when
// missing. Either must be a real folder owned by uid with mode 0700, never a link.
// When neither will do folder is empty and the status says why: then there is no
// hand-over at all.
Status PrivateFolder(const char* xdgRuntimeDir, const char* tmpDir, uid_t uid, std::string& folder);

}  // namespace velmora::platform
