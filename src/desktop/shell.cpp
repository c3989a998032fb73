#include "desktop/shell.h"

#include "platform/dir_enum.h"
#include "platform/paths.h"
#include "platform/visible_text.h"
#include "platform/words.h"

namespace velmora::desktop {

using platform::kPathSeparator;
using platform::WithoutTrailingSeparator;

namespace {

bool HasScheme(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon == 0) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alpha && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) {
      return false;
    }
  }
  return true;
}

// file:// and path, each byte that is neither a letter, a digit nor in keep escaped.
std::string EscapedFileUrl(const std::string& path, std::string_view keep) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        keep.find(ch) != std::string_view::npos) {
      url.push_back(ch);
    } else {
      url.push_back('%');
      url.push_back(kHex[c >> 4]);
      url.push_back(kHex[c & 15]);
    }
  }
  return url;
}

}  // namespace

std::string FileUrl(const std::string& path) { return EscapedFileUrl(path, "-._~/"); }

std::string DesktopFileUrl(const std::string& path) {
  return EscapedFileUrl(path, "-._~/!$&'()*+,=:@");
}

std::optional<std::string> PathOfFileUrl(std::string_view url) {
  for (const std::string_view start : {"file://localhost/", "file:///"}) {
    if (!url.starts_with(start)) continue;
    url.remove_prefix(start.size() - 1);
    std::string path;
    for (std::size_t i = 0; i < url.size(); ++i) {
      if (url[i] != '%') {
        path.push_back(url[i]);
        continue;
      }
      const auto hex = [&](std::size_t at) {
        const char c = at < url.size() ? url[at] : 'x';
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
      };
      if (hex(i + 1) < 0 || hex(i + 2) < 0) return std::nullopt;
      path.push_back(static_cast<char>(hex(i + 1) * 16 + hex(i + 2)));
      i += 2;
    }
    return path;
  }
  return std::nullopt;
}

namespace {

platform::Status Refused(const std::string& pathOrAddress, const std::string& why) {
  return platform::Status::Refusal(platform::Fill(platform::Tr("velmora", "Cannot open \"%1\": %2"),
                                                  {platform::VisibleText(pathOrAddress), why}));
}

}  // namespace

platform::Status Shell::OpenDocument(const std::string& pathOrAddress) {
  if (pathOrAddress.empty()) return {};
  const auto refused = [&](const std::string& why) { return Refused(pathOrAddress, why); };
  if (pathOrAddress.find('\0') != std::string::npos)
    return refused(platform::Tr("velmora", "the name holds a NUL byte"));
  const bool address = pathOrAddress.front() != kPathSeparator && HasScheme(pathOrAddress);
  if (!launcher_.OpenUrl(address ? pathOrAddress : FileUrl(pathOrAddress)))
    return refused(platform::Tr("velmora", "no program is set to open this kind of file"));
  return {};
}

platform::Status Shell::OpenWith(const Application& app, const std::vector<std::string>& paths) {
  for (const std::string& path : paths)
    if (path.find('\0') != std::string::npos)
      return Refused(path, platform::Tr("velmora", "the name holds a NUL byte"));
  if (paths.empty() || launcher_.OpenWith(app.id, paths)) return {};
  if (paths.size() == 1) {
    return platform::Status::Refusal(
        platform::Fill(platform::Tr("velmora", "Cannot open \"%1\": %2 could not be started"),
                       {platform::VisibleText(paths[0]), app.name}));
  }
  const int n = static_cast<int>(paths.size());
  return platform::Status::Refusal(platform::Fill(
      platform::Tr("velmora", "Cannot open %n file(s): %1 could not be started", nullptr, n),
      {app.name}));
}

std::string Shell::PickFolder(const std::string& title, const std::string& start) {
  std::string folder = WithoutTrailingSeparator(
      dialogs_.PickFolder(title, lastTarget_.empty() ? start : lastTarget_));
  if (!folder.empty()) lastTarget_ = folder;
  return folder;
}

void Shell::PickFolderLater(const std::string& title, const std::string& start,
                            std::function<void(const std::string&)> chosen) {
  dialogs_.PickFolderLater(title, start, [chosen = std::move(chosen)](const std::string& folder) {
    chosen(WithoutTrailingSeparator(folder));
  });
}

}  // namespace velmora::desktop
