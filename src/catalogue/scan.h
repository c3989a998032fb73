#pragma once
// Lists every file of a folder tree, breadth-first.

#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/path_list.h"
#include "catalogue/tags.h"
#include "platform/dir_enum.h"
#include "platform/mutex.h"
#include "platform/path_tree.h"

namespace velmora::catalogue {

// The text up to its first NUL; unchanged when it holds none or starts with one.
std::string_view TrimAtNul(std::string_view text);

// The folders of a walk that could not be read, in the walk's order.
struct ScanReport {
  struct Unreadable {
    std::string folder;       // without a final separator, unless it is the root
    platform::Status reason;  // as ReadFolder says, or that it is a kernel file system
  };
  std::vector<Unreadable> unreadable;
};

// Every file under path (see NormaliseFolder), as full paths: first the files of the
// folder itself, then those of each subfolder in the order found, then one level
// deeper, and so on; within a folder, the file system's own order.
// Folders whose name begins with "." are not entered. Links to folders are followed,
// but each folder is read once per walk: through the first path that reaches it in
// that order; later links to it list nothing. Folders on kernel file systems (proc,
// sysfs, devtmpfs...) list nothing; for path itself that is reported. A folder that
// cannot be read contributes nothing and is added to report when one is given. An
// empty path yields nothing.
//
// threads > 1 reads several folders at once; the result is the same list.
// 0 picks the machine's core count.
PathList ScanFolder(std::string_view path, unsigned threads = 0, ScanReport* report = nullptr);

// The folders read by several walks that together list each folder once: a shown
// folder's load and the walks of folders that come into it later. A folder that went
// is forgotten, so that it is listed when it comes back, and its number can be reused.
// Any thread: the walks of a load and of the watch share it.
class ReadOnce {
 public:
  // True the first time id is offered; dir is the path that reached it. Also true when
  // the path that reached it first no longer leads to it: the folder moved, and its move
  // is yet to be heard of; dir takes that path's place.
  bool Insert(const platform::FolderId& id, const std::string& dir) EXCLUDES(mutex_);
  // Whether a folder was offered first by the path dir, and dir still leads to it.
  bool Holds(const std::string& dir) EXCLUDES(mutex_);
  // Forgets the folders reached by paths that start with prefix.
  void Forget(const std::string& prefix) EXCLUDES(mutex_);
  // Forgets every folder.
  void Clear() EXCLUDES(mutex_);

 private:
  // Taken under a walk's own lock; takes none itself.
  platform::Mutex mutex_;
  // The paths that reached folders, by name below their parents: a tree of /, many
  // thousand folders, holds this per folder. ids_ by node: the folder its path reached.
  platform::PathTree dirs_ GUARDED_BY(mutex_);
  std::vector<std::optional<platform::FolderId>> ids_ GUARDED_BY(mutex_);
  std::unordered_map<platform::FolderId, platform::PathTree::Node, platform::FolderIdHash> byId_
      GUARDED_BY(mutex_);
  // Lets go of the folder node's path reached.
  void Drop(platform::PathTree::Node node) REQUIRES(mutex_);
};

// Files of a list, with what the filter and the tag panel need of them.
struct ListedFiles {
  // Counts the tags of files, cut by rule.
  static ListedFiles Of(PathList files, const TagRule& rule = {});
  // other's files after these.
  void Append(ListedFiles&& other);
  PathList files;
  TagCounts tags;
};

// How a walk hands its files over while it runs. Its callbacks run on the walk's
// threads. files, listed and folder run one at a time, in the walk's order, and outside
// its lock: a slow one holds up only the thread that runs it, while the others read on.
struct ScanStream {
  // Ends the walk early; what was handed over is then the start of the whole list.
  std::stop_token stop;
  // Receives the files in pieces, in the order of the whole list: the first piece as
  // soon as a folder with files is read, later ones larger, and none held back longer
  // than about 50 ms. A folder's files always come in one piece.
  std::function<void(PathList&&)> files;
  // In place of files: the pieces as ListedFiles, made on the walk's threads outside its
  // lock, several at once, and handed over in order.
  std::function<void(ListedFiles&&)> listed;
  // Each folder as the walk lists it (ending with a separator), with its stamp as it was
  // read, before its files are handed over.
  std::function<void(const std::string&, const platform::FolderStamp&)> folder;
  // Each folder just before it is read, on the thread that reads it, one at a time in the
  // walk's order and under its lock (keep it short): of the paths that reach one folder,
  // the one the walk lists is entered first.
  std::function<void(const std::string&)> entering;
  // Each link among a folder's entries as the folder is read, on the thread that reads
  // it, with whether it leads to a folder; also of folders read that list nothing.
  std::function<void(const std::string& path, bool folder)> link;
  // Shared with other walks; without it, the walk keeps its own.
  ReadOnce* once = nullptr;
  // How the pieces for listed cut their files into tags.
  TagRule rule;
};

// ScanFolder, handing the files over as they are found. False when stopped.
bool StreamFolder(std::string_view path, const ScanStream& stream, unsigned threads = 0,
                  ScanReport* report = nullptr);

// The rule that cuts tags from the files of the folder at path: by digits, and with
// folderWords also from the words of their folders below path, however the walk spells it.
TagRule TagRuleFor(std::string_view path, Digits digits, bool folderWords);
// The same for the folders at paths, read together.
TagRule TagRuleFor(const std::vector<std::string>& paths, Digits digits, bool folderWords);

// The folder path as the walk uses it, ending with a separator: path as given (blanks
// are part of a name). Only when that does not exist and path has blanks around it, as
// older folder lists stored, the trimmed path if that one can be read. Empty for an
// empty or all-blank path.
std::string NormaliseFolder(std::string_view path);

// Folders ending with a separator, in their order, less those given before and those that
// lie under another one by their paths.
std::vector<std::string> Outermost(const std::vector<std::string>& dirs);
// The Outermost of the folders of paths as NormaliseFolder gives them, less the empty
// ones: walked in turn with one ReadOnce, they list each file once.
std::vector<std::string> OuterFolders(const std::vector<std::string>& paths);
// ScanFolder over the OuterFolders of paths, one after the other, each folder read once.
PathList ScanFolders(const std::vector<std::string>& paths, unsigned threads = 0,
                     ScanReport* report = nullptr);

}  // namespace velmora::catalogue
