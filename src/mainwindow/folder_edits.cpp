#include "mainwindow/folder_edits.h"

#include "catalogue/folder_load.h"
#include "platform/visible_text.h"

namespace velmora::mainwindow {
namespace {

std::string NoLongerListed(const std::string& path) {
  return platform::VisibleText(path) + " is no longer in the folder list.";
}

}  // namespace

std::string AppendFolders(catalogue::FolderStore& store, const std::vector<std::string>& paths,
                          bool skipListed) {
  std::string refused;
  for (const std::string& path : paths) {
    if (skipListed && store.Find(path) < store.size()) continue;
    if (std::string why = store.Append(path, ""); !why.empty())
      refused += (refused.empty() ? "" : "\n") + platform::VisibleText(path) + ": " + why;
  }
  return refused;
}

std::string RemoveFolder(catalogue::FolderStore& store, const catalogue::RecordKey& key) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  store.Remove(i);
  return {};
}

std::string AddUserTag(catalogue::FolderStore& store, const catalogue::RecordKey& key,
                       const std::string& tag) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  const auto line = catalogue::WithUserTag(store.UserTags(i), tag);
  return line ? store.SetUserTags(i, *line) : std::string();
}

std::string UserTagProblem(const std::string& tag) {
  if (tag.find_first_of("\r\n") != std::string::npos)
    return "A tag with a line break cannot be stored.";
  return {};
}

std::string RefusedRecordsText(const std::string& storeFile,
                               const std::vector<catalogue::RefusedRecord>& refused) {
  if (refused.empty()) return {};
  std::string text =
      "These folders of " + storeFile + " cannot be used; they stay in the file as they are:";
  for (const catalogue::RefusedRecord& r : refused)
    text += "\n" + platform::ShortVisiblePath(r.path) + " - " + r.reason;
  return text;
}

}  // namespace velmora::mainwindow
