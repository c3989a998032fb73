#include "catalogue/folder_edits.h"

#include "catalogue/tags.h"
#include "catalogue/user_tags.h"
#include "platform/visible_text.h"
#include "platform/words.h"

namespace velmora::catalogue {
namespace {

platform::Status NoLongerListed(const std::string& path) {
  return platform::Status::Refusal(
      platform::Fill(platform::Tr("velmora", "%1 is no longer in the folder list."),
                     {platform::ShortVisiblePath(path)}));
}

}  // namespace

platform::Status AppendFolders(FolderStore& store, const std::vector<std::string>& paths,
                               bool skipListed) {
  std::vector<std::pair<std::string, std::string>> refused;
  for (const std::string& path : paths) {
    if (skipListed && store.Find(path) < store.size()) continue;
    if (const platform::Status added = store.Append(path, ""); !added.ok())
      refused.emplace_back(path, added.message());
  }
  if (refused.empty()) return {};
  return platform::Status::Refusal(platform::DescribeRefused(refused));
}

platform::Status RemoveFolder(FolderStore& store, const RecordKey& key) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  store.Remove(i);
  return {};
}

platform::Status AddUserTag(FolderStore& store, const RecordKey& key, const std::string& tag) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  const auto line = WithUserTag(store.UserTags(i), tag);
  return line ? store.SetUserTags(i, *line) : platform::Status();
}

void FolderEdits::Open(const std::vector<std::string>& paths, const std::string& refused) {
  if (committing_) return toOpen_.emplace_back(paths, refused), void();
  Add(paths, true);
  if (!refused.empty()) hooks_.report(refused);
}

void FolderEdits::Add(const std::vector<std::string>& paths, bool showLast) {
  if (paths.empty()) return;
  platform::Status appended;
  Commit([&](FolderStore& store) {
    appended = AppendFolders(store, paths, showLast);
    return platform::Status();
  });
  if (!appended.ok()) hooks_.report(appended.message());
  const FolderStore& store = browser_.Store();
  if (const std::size_t last = store.Find(paths.back()); showLast && last < store.size())
    hooks_.show(last);
}

void FolderEdits::RemoveShown() {
  const std::optional<RecordKey> key = Shown();
  if (!key) return;
  // The browser stops reading it; nothing waits for its load.
  Commit([&](FolderStore& store) { return RemoveFolder(store, *key); });
}

std::optional<RecordKey> FolderEdits::Shown() const {
  const std::size_t shown = browser_.ShownRecord();
  if (shown >= browser_.Store().size()) return std::nullopt;
  return browser_.Store().KeyOf(shown);
}

void FolderEdits::AddUserTag(const RecordKey& key, const std::string& tag) {
  if (const platform::Status typed = CheckUserTag(tag); !typed.ok())
    return hooks_.report(typed.message());
  browser_.AddBarTag(LowerCase(tag), TagKind::Auto);
  Commit([&](FolderStore& store) { return catalogue::AddUserTag(store, key, tag); });
}

void FolderEdits::Commit(const StoreChange& change) {
  platform::LockWait wait;
  wait.meanwhile = hooks_.meanwhile;
  committing_ = true;
  const platform::Status status = browser_.Commit(change, wait);
  committing_ = false;
  hooks_.changed();
  if (!status.ok()) hooks_.report(status.message());
  for (auto& [paths, refused] : std::exchange(toOpen_, {})) Open(paths, refused);
}

std::string RefusedRecordsText(const std::string& storeFile,
                               const std::vector<RefusedRecord>& refused) {
  if (refused.empty()) return {};
  std::vector<std::pair<std::string, std::string>> paths;
  for (const RefusedRecord& r : refused) paths.emplace_back(r.path, r.reason);
  return platform::DescribeRefused(
      paths,
      platform::Fill(platform::Tr("velmora",
                                  "These folders of %1 cannot be used; they stay in the file as "
                                  "they are:"),
                     {platform::VisibleText(storeFile)}));
}

}  // namespace velmora::catalogue
