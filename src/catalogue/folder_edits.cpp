#include "catalogue/folder_edits.h"

#include <algorithm>

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

std::size_t RecordsOf(const FolderStore& store, const std::string& path) {
  return static_cast<std::size_t>(std::count(store.Paths().begin(), store.Paths().end(), path));
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

platform::Status RemoveFolder(FolderStore& store, const RecordKey& key, StoreChange* undo) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  const std::string line = store.UserTags(i);
  const std::optional<RecordKey> before = i > 0 ? std::optional(store.KeyOf(i - 1)) : std::nullopt;
  store.Remove(i);
  if (!undo) return {};
  const std::optional<RecordKey> after =
      i < store.size() ? std::optional(store.KeyOf(i)) : std::nullopt;
  *undo = [key, line, before, after, left = RecordsOf(store, key.path)](FolderStore& now) {
    const std::size_t none = now.size();
    const std::size_t b = before ? now.Find(*before) : none, a = after ? now.Find(*after) : none;
    if ((before && b == none) || (after && a == none) || (before && after && a != b + 1) ||
        RecordsOf(now, key.path) != left) {
      return platform::Status::Refusal(
          platform::Fill(platform::Tr("velmora",
                                      "The folder list changed since %1 was removed: where it "
                                      "stood is no longer known, so it was not put back."),
                         {platform::ShortVisiblePath(key.path)}));
    }
    return now.Insert(before ? b + 1 : after ? a : 0, key.path, line);
  };
  return {};
}

platform::Status AddUserTag(FolderStore& store, const RecordKey& key, const std::string& tag) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  const auto line = WithUserTag(store.UserTags(i), tag);
  return line ? store.SetUserTags(i, *line) : platform::Status();
}

platform::Status ChangeUserTag(FolderStore& store, const RecordKey& key, const std::string& from,
                               const std::string& to, StoreChange* undo) {
  const std::size_t i = store.Find(key);
  if (i == store.size()) return NoLongerListed(key.path);
  std::optional<std::string> line = WithUserTagChanged(store.UserTags(i), from, to);
  if (!line) {
    return platform::Status::Refusal(
        platform::Fill(platform::Tr("velmora", "%1 has no user tag \u201C%2\u201D any more."),
                       {platform::ShortVisiblePath(key.path), platform::VisibleText(from)}));
  }
  const std::string was = store.UserTags(i);
  if (platform::Status set = store.SetUserTags(i, *line); !set.ok()) return set;
  if (!undo) return {};
  *undo = [key, was, written = std::move(*line)](FolderStore& now) {
    const std::size_t j = now.Find(key);
    if (j == now.size() || now.UserTags(j) != written) {
      return platform::Status::Refusal(platform::Fill(
          platform::Tr("velmora",
                       "The user tags of %1 changed since, so they were left as they are."),
          {platform::ShortVisiblePath(key.path)}));
    }
    return now.SetUserTags(j, was);
  };
  return {};
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
  StoreChange undo;
  if (Commit([&](FolderStore& store) { return RemoveFolder(store, *key, &undo); }) &&
      hooks_.undoable)
    hooks_.undoable(platform::Tr("velmora", "Undo Remove Folder"), [this, undo] { Commit(undo); });
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

void FolderEdits::ChangeUserTag(const RecordKey& key, const std::string& from,
                                const std::string& to) {
  if (const platform::Status named = CheckTagName(to); !named.ok())
    return hooks_.report(named.message());
  if (to == from) return;
  StoreChange undo;
  bool merged = false;  // the record has to already
  const bool changed = Commit([&](FolderStore& store) {
    const std::size_t i = store.Find(key);
    const std::vector<std::string> pieces =
        i < store.size() ? UserTagPieces(store.UserTags(i)) : std::vector<std::string>();
    merged = std::find(pieces.begin(), pieces.end(), to) != pieces.end();
    return catalogue::ChangeUserTag(store, key, from, to, &undo);
  });
  // Refused, the panel shows the record's tags as the file now has them.
  TagsChanged(key, changed ? from : std::string(), changed ? to : std::string());
  if (!changed) return;
  if (!hooks_.undoable) return;
  const std::string tag = platform::VisibleText(from);
  hooks_.undoable(
      to.empty() ? platform::Fill(platform::Tr("velmora", "Undo Remove Tag \u201C%1\u201D"), {tag})
                 : platform::Fill(platform::Tr("velmora", "Undo Rename Tag \u201C%1\u201D"), {tag}),
      [this, key, undo, from, to, merged] {
        // A tag merged or removed comes back to the panel; one renamed takes its name back.
        if (Commit(undo))
          merged || to.empty() ? TagsChanged(key, {}, {}) : TagsChanged(key, to, from);
      });
}

void FolderEdits::TagsChanged(const RecordKey& key, const std::string& from,
                              const std::string& to) {
  const std::optional<RecordKey> shown = Shown();
  if (shown && shown->path == key.path && shown->rank == key.rank)
    browser_.UserTagChanged(from, to);
}

bool FolderEdits::Commit(const StoreChange& change) {
  platform::LockWait wait;
  wait.meanwhile = hooks_.meanwhile;
  committing_ = true;
  const platform::Status status = browser_.Commit(change, wait);
  committing_ = false;
  hooks_.changed();
  if (!status.ok()) hooks_.report(status.message());
  for (auto& [paths, refused] : std::exchange(toOpen_, {})) Open(paths, refused);
  return status.ok();
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
