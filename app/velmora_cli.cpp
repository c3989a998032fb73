// velmora-cli: the catalogue from the shell, for scripts, tests and measurements.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/find_terms.h"
#include "catalogue/row_order.h"
#include "catalogue/saved_searches.h"
#include "catalogue/scan.h"
#include "catalogue/store.h"
#include "catalogue/tags.h"
#include "platform/dir_enum.h"
#include "platform/file_facts.h"
#include "platform/files.h"

namespace {

using namespace velmora;

constexpr const char* kUsage =
    "usage: velmora-cli [-0] scan DIR... | tags [--digits] NAME... | tags [--digits] "
    "[--folder-words] --folder DIR... | filter [--all|--any] [--words] [--digits] "
    "[--folder-words] [--not TAG]... [--name TEXT] [--size SIZE] [--modified TIME] [--dir DIR]... "
    "DIR TAG... | filter --search NAME";

constexpr const char* kHelp = R"(velmora-cli - the Velmora catalogue from the shell

  velmora-cli scan DIR...
      Every file of DIR's tree, one full path per record, in the window's order:
      breadth-first, folders in the order found, folders named ".*" not entered.
      Links to folders are followed; a folder reached again through another link is
      listed once. Kernel file systems (/proc, /sys, /dev) are not entered.
      Several DIRs are listed one after the other, each file once: a DIR given
      again or inside another DIR adds nothing.
  velmora-cli tags [--digits] NAME...
      The words of each NAME, one record per name, words separated by a blank.
  velmora-cli tags [--digits] [--folder-words] --folder DIR...
      The distinct auto tags of the DIRs' files (as scan lists them) in first-seen
      order, one per record.
  velmora-cli filter [--all|--any] [--words] [--digits] [--folder-words] [--not TAG]...
                     [--name TEXT] [--size SIZE] [--modified TIME] [--dir DIR]... DIR TAG...
      The files of DIR's tree whose names contain every TAG (--all, the default)
      or at least one (--any), and none of the --not tags, regardless of case.
      With only --not tags, every file but those. With --words, a tag counts only
      as whole words of a name (as "tags" splits it), not inside a word. With
      --size or --modified, only the files whose size or modification time fits,
      as the find field's size: and modified: terms. Each --dir DIR adds the
      files of that tree after DIR's, as scan lists several.
  velmora-cli filter --search NAME
      The files the window's saved search NAME lists: its folder, tags, left-out
      tags, mode, whole tags, digits and text looked for, in its order. The
      searches are read from $XDG_CONFIG_HOME/velmora/searches.conf
      (~/.config/velmora/searches.conf when XDG_CONFIG_HOME is not set).

Options:
  -0        end every record with NUL instead of a newline (paths may hold newlines)
  --not TAG leave out the files whose names contain TAG (filter; may be repeated)
  --name TEXT keep only the files whose names contain TEXT, any case (filter)
  --dir DIR another folder whose files are filtered too (filter; may be repeated)
  --words   tags match whole words of names (filter)
  --search NAME list what the saved search NAME lists (filter, alone)
  --size SIZE keep only the files of that size (filter; may be repeated): 500 bytes,
            10k, 1M, 2G or 3T (1024-based; 10M is 10M up to 11M), >10M, >=10M, <500k,
            <=500k, or a range 1M..2G (either end may be left out)
  --modified TIME keep only the files last modified then, local time (filter; may be
            repeated): 2019, 2019-07, 2019-07-14, today, yesterday, week (the last 7
            days), month (the last 30 days), >2024-01-01, <2020, or a range 2019..2021
  --digits  digits belong to words instead of ending them: song.mp3 has the tag mp3,
            not mp (tags; filter with --words)
  --folder-words  the words of each file's folders below DIR are its tags too:
            DIR/Beach 2019/a.jpg has the tags beach, a, jpg (tags --folder; filter)
  --        end of options; later arguments starting with "-" are names or tags
  --help    this text
  --version the program's name and version

Exit status: 0 on success; 1 when a DIR or a folder of its tree could not be read
(what could be read is listed, and each such folder is named on stderr as
"velmora-cli: FOLDER: reason"), or the output or the saved searches could not
be read or written; 2 for bad arguments, and for a saved search not found.
)";

int Usage() {
  std::fprintf(stderr, "%s\n", kUsage);
  return 2;
}

class Output {
 public:
  explicit Output(char end) : end_(end) { std::setvbuf(stdout, nullptr, _IOFBF, 1 << 20); }
  void Field(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }
  void Blank() { std::fputc(' ', stdout); }
  void EndRecord() { std::fputc(end_, stdout); }
  void Record(std::string_view text) {
    Field(text);
    EndRecord();
  }
  void Record(const catalogue::PathList& files, std::size_t i) {
    const auto [start, rest] = files.FolderParts(files.FolderOf(i));
    Field(start);
    Field(rest);
    Field(files.Name(i));
    EndRecord();
  }
  // Passes on what is written so far; the first failure is kept for Finish.
  void Flush() {
    if (std::fflush(stdout) != 0 && error_ == 0) error_ = errno;
  }
  int Finish() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      std::fprintf(stderr, "velmora-cli: cannot write the output: %s\n",
                   std::strerror(error_ != 0 ? error_ : errno));
      return 1;
    }
    return 0;
  }

 private:
  char end_;
  int error_ = 0;
};

// The walk passes over folders it cannot read, as the window does; the command line
// names each on stderr. A blank DIR, which the walk ignores, is named too.
catalogue::ScanReport ReportFor(const std::vector<std::string>& dirs) {
  catalogue::ScanReport report;
  for (const std::string& dir : dirs)
    if (dir.find_first_not_of(' ') == std::string::npos)
      report.unreadable.push_back({dir, platform::Status(ENOENT, platform::ErrorText(ENOENT))});
  return report;
}

// Names the folders that could not be read; true when there were none.
bool Complete(const catalogue::ScanReport& report) {
  for (const auto& [folder, reason] : report.unreadable) {
    std::fprintf(stderr, "velmora-cli: %s: %s\n", folder.c_str(), reason.message().c_str());
  }
  return report.unreadable.empty();
}

// The DIRs' trees; complete is cleared when a folder of them could not be read.
catalogue::PathList Scan(const std::vector<std::string>& dirs, bool& complete) {
  catalogue::ScanReport report = ReportFor(dirs);
  catalogue::PathList files = dirs.size() == 1 ? catalogue::ScanFolder(dirs[0], 0, &report)
                                               : catalogue::ScanFolders(dirs, 0, &report);
  complete = Complete(report);
  return files;
}

int Status(Output& out, bool complete) {
  const int written = out.Finish();
  return written != 0 ? written : complete ? 0 : 1;
}

// Walks dirs (each folder once) with stream, and ends as Status does.
int Walk(Output& out, const std::vector<std::string>& dirs, catalogue::ScanStream& stream) {
  catalogue::ScanReport report = ReportFor(dirs);
  catalogue::ReadOnce once;  // shared by the DIRs' walks
  if (dirs.size() > 1) stream.once = &once;
  for (const std::string& dir : dirs.size() == 1 ? dirs : catalogue::OuterFolders(dirs))
    catalogue::StreamFolder(dir, stream, 0, &report);
  return Status(out, Complete(report));
}

std::string SearchesFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  const std::string base = config != nullptr && config[0] == '/'
                               ? std::string(config)
                               : std::string(home != nullptr ? home : "") + "/.config";
  return base + "/velmora/searches.conf";
}

// What the saved search named name lists, as the window lists it.
int FilterSearch(Output& out, const std::string& name) {
  const std::string file = SearchesFile();
  catalogue::SavedSearches read;
  const platform::Status status = catalogue::ReadSavedSearches(file, read);
  for (const std::string& note : read.notes)
    std::fprintf(stderr, "velmora-cli: %s: %s\n", file.c_str(), note.c_str());
  if (!status.ok()) return std::fprintf(stderr, "velmora-cli: %s\n", status.message().c_str()), 1;
  const catalogue::SavedSearch* search = catalogue::FindSearch(read.searches, name);
  if (search == nullptr) {
    std::fprintf(stderr, "velmora-cli: no saved search is named %s\n", name.c_str());
    return 2;
  }
  bool complete = true;
  // Every registered folder, as the window lists them together.
  std::vector<std::string> folders{search->folder};
  if (search->allFolders) {
    catalogue::FolderStore store;
    const platform::Status loaded =
        catalogue::LoadFolders(store, catalogue::StoreFileIn(platform::StoreDirectory()));
    if (!loaded.ok()) return std::fprintf(stderr, "velmora-cli: %s\n", loaded.message().c_str()), 1;
    folders = store.Paths();
  }
  const catalogue::PathList files = Scan(folders, complete);
  catalogue::RowFilter filter;
  for (const catalogue::BarTag& tag : search->tags)
    (tag.excluded ? filter.excluded : filter.tags).push_back(tag.text);
  // Without tags the window lists every file, whatever the mode.
  if (!filter.tags.empty() || !filter.excluded.empty()) filter.mode = search->mode;
  filter.words = search->wholeTags;
  filter.digits = search->keepDigits ? catalogue::Digits::Keep : catalogue::Digits::Split;
  const catalogue::FindQuery query = catalogue::ParseFind(search->find, std::time(nullptr));
  filter.name = query.words;
  filter.size = query.size, filter.modified = query.modified, filter.none = !query.error.empty();
  std::vector<platform::FileFacts> facts(files.size());
  const bool facted = filter.size || filter.modified ||
                      search->sort.key == catalogue::SortKey::Size ||
                      search->sort.key == catalogue::SortKey::Modified;
  std::string folder;
  for (std::size_t i = 0; facted && i < files.size(); ++i) {
    const std::string_view leaf = files.Name(i);
    platform::ReadFacts(std::string(files.Folder(i, folder)), {&leaf, 1}, &facts[i]);
  }
  filter.facts = facts;
  catalogue::FolderWords words;
  if (search->folderWords) words.Follow(files, catalogue::TagRuleFor(folders, filter.digits, true));
  std::vector<std::size_t> rows =
      catalogue::ApplyTagFilter(files.Names(), filter, search->folderWords ? &words : nullptr);
  if (search->sort.key != catalogue::SortKey::None)
    rows = catalogue::SortFiles(
        catalogue::MakeSortInput(search->sort, std::move(rows), files.Names(), files, facts));
  for (const std::size_t i : rows) out.Record(files, i);
  return Status(out, complete);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  std::vector<std::string> dirs;  // filter's --dir
  char end = '\n';
  bool folder = false;
  bool optionsDone = false;
  int modeFlags = 0;
  catalogue::MatchMode mode = catalogue::MatchMode::All;
  std::vector<std::string> excluded;
  std::optional<std::string> nameText;
  std::optional<std::string> searchName;
  bool wholeWords = false;
  catalogue::Digits digits = catalogue::Digits::Split;
  bool folderWords = false;
  catalogue::FindQuery terms;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (optionsDone || a.size() < 2 || a[0] != '-') {
      args.emplace_back(a);
    } else if (a == "--") {
      optionsDone = true;
    } else if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--version") {
      std::puts("velmora-cli " VELMORA_VERSION);
      return 0;
    } else if (a == "-0") {
      end = '\0';
    } else if (a == "--folder") {
      folder = true;
    } else if (a == "--all" || a == "--any") {
      mode = a == "--all" ? catalogue::MatchMode::All : catalogue::MatchMode::Any;
      ++modeFlags;
    } else if (a == "--not") {
      if (++i == argc) return Usage();
      excluded.emplace_back(argv[i]);
    } else if (a == "--name") {
      if (++i == argc || nameText) return Usage();
      nameText = argv[i];
    } else if (a == "--search") {
      if (++i == argc || searchName) return Usage();
      searchName = argv[i];
    } else if (a == "--size" || a == "--modified") {
      if (++i == argc) return Usage();
      if (!catalogue::AddTerm(terms, a.substr(2), argv[i], std::time(nullptr))) {
        std::fprintf(stderr, "velmora-cli: %s\n", terms.error.c_str());
        return Usage();
      }
    } else if (a == "--dir") {
      if (++i == argc) return Usage();
      dirs.emplace_back(argv[i]);
    } else if (a == "--words") {
      wholeWords = true;
    } else if (a == "--digits") {
      digits = catalogue::Digits::Keep;
    } else if (a == "--folder-words") {
      folderWords = true;
    } else {
      std::fprintf(stderr, "velmora-cli: unknown option %s\n", argv[i]);
      return Usage();
    }
  }
  if (args.empty()) return Usage();
  const std::string command = args.front();
  args.erase(args.begin());
  Output out(end);
  if (searchName &&
      (command != "filter" || !args.empty() || folder || modeFlags || !excluded.empty() ||
       nameText || wholeWords || digits == catalogue::Digits::Keep || folderWords || terms.size ||
       terms.modified || !dirs.empty()))
    return Usage();

  if (command == "scan") {
    if (args.empty() || folder || modeFlags || !excluded.empty() || nameText || wholeWords ||
        digits == catalogue::Digits::Keep || folderWords || terms.size || terms.modified ||
        !dirs.empty())
      return Usage();
    // Written as the walk hands the files over, so that the first lines come at once.
    catalogue::ScanStream stream;
    stream.files = [&out](catalogue::PathList&& files) {
      for (std::size_t i = 0; i < files.size(); ++i) out.Record(files, i);
      out.Flush();
    };
    return Walk(out, args, stream);
  }
  if (command == "tags") {
    if (modeFlags || !excluded.empty() || nameText || wholeWords || terms.size || terms.modified ||
        !dirs.empty())
      return Usage();
    if (folder) {
      if (args.empty()) return Usage();
      // The walk's threads cut the pieces into tags; each new one is written as it comes.
      catalogue::ScanStream stream;
      stream.rule = catalogue::TagRuleFor(args, digits, folderWords);
      catalogue::TagList seen;
      stream.listed = [&out, &seen](catalogue::ListedFiles&& piece) {
        for (const std::string& tag : piece.tags.Tags())
          if (seen.Add(tag)) out.Record(tag);
      };
      return Walk(out, args, stream);
    }
    if (args.empty() || folderWords) return Usage();
    for (const std::string& name : args) {
      const std::vector<std::string> words = catalogue::SplitTags(name, digits);
      for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out.Blank();
        out.Field(words[i]);
      }
      out.EndRecord();
    }
    return out.Finish();
  }
  if (command == "filter") {
    if (searchName) return FilterSearch(out, *searchName);
    if (args.empty() || folder || modeFlags > 1) return Usage();
    dirs.insert(dirs.begin(), args[0]);
    catalogue::RowFilter filter;
    filter.tags.assign(args.begin() + 1, args.end());
    filter.excluded = excluded;
    filter.mode = mode;
    filter.words = wholeWords;
    filter.digits = digits;
    filter.name = nameText.value_or("");
    // Each piece of the walk is filtered as it comes, so no more than a piece is held.
    catalogue::RowFilter fit = filter;
    fit.size = terms.size, fit.modified = terms.modified;  // read for those kept only
    const catalogue::TagRule rule = catalogue::TagRuleFor(dirs, digits, true);
    catalogue::ScanStream stream;
    stream.files = [&](catalogue::PathList&& files) {
      catalogue::FolderWords folders;
      if (folderWords) folders.Follow(files, rule);
      std::string dir;
      for (const std::size_t i :
           catalogue::ApplyTagFilter(files.Names(), filter, folderWords ? &folders : nullptr)) {
        platform::FileFacts facts;
        const std::string_view name = files.Name(i);
        if (fit.size || fit.modified)
          platform::ReadFacts(std::string(files.Folder(i, dir)), {&name, 1}, &facts);
        if (catalogue::FactsFit(fit, facts)) out.Record(files, i);
      }
      out.Flush();
    };
    return Walk(out, dirs, stream);
  }
  std::fprintf(stderr, "velmora-cli: unknown command %s\n", command.c_str());
  return Usage();
}
