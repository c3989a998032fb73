#include "platform/shell.h"

#include "platform/dir_enum.h"

namespace velmora::platform {
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

}  // namespace

std::string FileUrl(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~' || c == kPathSeparator;
    if (plain) {
      url.push_back(ch);
    } else {
      url.push_back('%');
      url.push_back(kHex[c >> 4]);
      url.push_back(kHex[c & 15]);
    }
  }
  return url;
}

bool Shell::OpenDocument(const std::string& pathOrAddress) {
  if (pathOrAddress.empty()) return true;
  if (pathOrAddress.find('\0') != std::string::npos) return false;
  const bool address = pathOrAddress.front() != kPathSeparator && HasScheme(pathOrAddress);
  return launcher_.OpenUrl(address ? pathOrAddress : FileUrl(pathOrAddress));
}

std::string Shell::PickFolder(const std::string& title) {
  std::string folder = dialogs_.PickFolder(title);
  while (folder.size() > 1 && folder.back() == kPathSeparator) folder.pop_back();
  return folder;
}

}  // namespace velmora::platform
