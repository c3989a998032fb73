#include "platform/window_args.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "platform/dir_enum.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/visible_text.h"

namespace velmora::platform {

const char* const kWindowUsage = "usage: velmora [--help | --version] [--] [FOLDER...]";

const char* const kWindowHelp =
    R"(velmora - browse the files of your folders by the tags in their names

usage: velmora [FOLDER...]

Registers each FOLDER, unless it already is, and shows the last one; a relative path
is taken from the current folder. A path that is not an existing folder is refused.
When a window for the same folder list is already running on this display, it takes
the folders and comes to the front instead.

Options:
  --help     this text
  --version  the program's name and version
  --         end of options; later arguments are folders
Qt's own options (-platform NAME, -display NAME, -style NAME, ...) go to Qt.

Exit status: 0 when the window was closed or took the folders, 1 when a path was
refused (the other folders are taken all the same), 2 for bad arguments.
)";

namespace {

// Qt's command-line options that the toolkit takes out of the arguments itself, with
// one dash or two; those that take the next argument as their value first.
constexpr std::string_view kQtWithValue[] = {"platform",
                                             "platformpluginpath",
                                             "platformtheme",
                                             "plugin",
                                             "qwindowgeometry",
                                             "geometry",
                                             "qwindowicon",
                                             "icon",
                                             "qwindowtitle",
                                             "title",
                                             "session",
                                             "style",
                                             "stylesheet",
                                             "display",
                                             "name",
                                             "visual"};
constexpr std::string_view kQtAlone[] = {"reverse", "testability", "widgetcount",
                                         "nograb",  "dograb",      "sync"};
constexpr std::string_view kQtJoined[] = {"style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N>
bool OneOf(std::string_view name, const std::string_view (&names)[N], bool prefix = false) {
  for (std::string_view n : names)
    if (prefix ? name.starts_with(n) : name == n) return true;
  return false;
}

}  // namespace

Status ParseWindowArgs(const std::vector<std::string>& args, const std::string& cwd,
                       WindowArgs& out) {
  out = {};
  Status refused;
  if (!args.empty()) out.toolkit.push_back(args.front());
  bool optionsDone = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsDone || a.size() < 2 || a[0] != '-') {
      if (a.empty()) continue;
      out.paths.push_back(PlainPath(a, cwd));
      continue;
    }
    const std::string_view name = std::string_view(a).substr(a[1] == '-' ? 2 : 1);
    if (a == "--") {
      optionsDone = true;
    } else if (a == "--help" || a == "-h" || a == "--version") {
      out.action = a == "--version" ? WindowArgs::Action::Version : WindowArgs::Action::Help;
      return {};  // answered whatever else is wrong
    } else if (OneOf(name, kQtWithValue)) {
      if (i + 1 == args.size()) return Status::Refusal("option " + a + " needs a value");
      if (name == "display") out.display = args[i + 1];
      out.toolkit.push_back(a);
      out.toolkit.push_back(args[++i]);
    } else if (OneOf(name, kQtAlone) || OneOf(name, kQtJoined, true)) {
      out.toolkit.push_back(a);
    } else if (refused.ok()) {
      // --help later on still answers; the first unknown option is the one named.
      refused = Status::Refusal("unknown option " + ShortVisiblePath(a));
    }
  }
  return refused;
}

CheckedFolders CheckFolders(const std::vector<std::string>& paths) {
  CheckedFolders out;
  for (const std::string& path : paths) {
    struct stat st {};
    const std::string plain = PlainPath(path);
    if (path.empty() || path.front() != kPathSeparator) {
      out.refused.emplace_back(path, "not an absolute path");
    } else if (Fs().Stat(plain.c_str(), &st) != 0) {
      out.refused.emplace_back(path, ErrorText(errno));
    } else if (!S_ISDIR(st.st_mode)) {
      out.refused.emplace_back(path, "not a folder");
    } else {
      out.folders.push_back(plain);
    }
  }
  return out;
}

std::string DisplayName(const std::string& platform, const std::string& explicitX11,
                        const char* waylandDisplay, const char* x11Display) {
  if (platform.starts_with("wayland"))
    return "wayland:" + std::string(waylandDisplay != nullptr && *waylandDisplay != '\0'
                                        ? waylandDisplay
                                        : "wayland-0");
  if (platform == "xcb")
    return "x11:" +
           (explicitX11.empty() && x11Display != nullptr ? std::string(x11Display) : explicitX11);
  return platform;
}

std::string InstanceKey(const std::string& storeFile, const std::string& display) {
  std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
  const std::string both = storeFile + '\0' + display;
  for (const char c : both) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

namespace {

// Only its owner can enter, nothing can be put into it by anyone else, and it cannot be
// swapped for a link to somewhere another user chose.
bool IsPrivateFolder(const std::string& path, uid_t uid) {
  struct stat st {};
  return Fs().Lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
         (st.st_mode & 07777) == 0700;
}

}  // namespace

Status PrivateFolder(const char* xdgRuntimeDir, const char* tmpDir, uid_t uid,
                     std::string& folder) {
  folder.clear();
  if (xdgRuntimeDir != nullptr && xdgRuntimeDir[0] == '/' && IsPrivateFolder(xdgRuntimeDir, uid)) {
    folder = xdgRuntimeDir;
    return {};
  }
  const std::string made = std::string(tmpDir != nullptr && tmpDir[0] == '/' ? tmpDir : "/tmp") +
                           "/velmora-" + std::to_string(uid);
  if (Fs().Mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
    const int error = errno;
    return {error, "Cannot make " + made + ": " + ErrorText(error)};
  }
  if (!IsPrivateFolder(made, uid))
    return Status::Distrust("Not using " + VisibleText(made) + ": it is not a private folder");
  folder = made;
  return {};
}

}  // namespace velmora::platform
