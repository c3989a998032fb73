// velmora-cli: the catalogue from the shell, for scripts, tests and measurements.

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/filter.h"
#include "catalogue/scan.h"
#include "catalogue/tags.h"
#include "platform/dir_enum.h"

namespace {

using namespace velmora;

constexpr const char* kUsage =
    "usage: velmora-cli [-0] scan DIR | tags NAME... | tags --folder DIR | "
    "filter [--all|--any] DIR TAG...";

constexpr const char* kHelp = R"(velmora-cli - the Velmora catalogue from the shell

  velmora-cli scan DIR
      Every file of DIR's tree, one full path per record, in the window's order:
      breadth-first, folders in the order found, folders named ".*" not entered.
  velmora-cli tags NAME...
      The words of each NAME, one record per name, words separated by a blank.
  velmora-cli tags --folder DIR
      DIR's distinct auto tags in first-seen order, one per record.
  velmora-cli filter [--all|--any] DIR TAG...
      The files of DIR's tree whose names contain every TAG (--all, the default)
      or at least one (--any), regardless of case.

Options:
  -0        end every record with NUL instead of a newline (paths may hold newlines)
  --        end of options; later arguments starting with "-" are names or tags
  --help    this text

Exit status: 0 on success, 1 when DIR cannot be read, 2 for bad arguments.
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
    Field(files.Folder(i));
    Field(files.Name(i));
    EndRecord();
  }
  int Finish() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      std::fprintf(stderr, "velmora-cli: cannot write the output: %s\n", std::strerror(errno));
      return 1;
    }
    return 0;
  }

 private:
  char end_;
};

// Says why DIR cannot be listed, or nothing. The scan itself passes over unreadable
// folders quietly, as the window does; on the command line a bad DIR is an error.
bool CheckFolder(const std::string& dir) {
  const std::string folder = catalogue::NormaliseFolder(dir);
  platform::FolderListing listing;
  const int error =
      folder.empty() ? ENOENT : platform::SystemDirectories().ReadFolder(folder, listing);
  if (error == 0) return true;
  std::fprintf(stderr, "velmora-cli: %s: %s\n", dir.c_str(), platform::ErrorText(error).c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  char end = '\n';
  bool folder = false;
  bool optionsDone = false;
  int modeFlags = 0;
  catalogue::MatchMode mode = catalogue::MatchMode::All;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (optionsDone || a.size() < 2 || a[0] != '-') {
      args.emplace_back(a);
    } else if (a == "--") {
      optionsDone = true;
    } else if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "-0") {
      end = '\0';
    } else if (a == "--folder") {
      folder = true;
    } else if (a == "--all" || a == "--any") {
      mode = a == "--all" ? catalogue::MatchMode::All : catalogue::MatchMode::Any;
      ++modeFlags;
    } else {
      std::fprintf(stderr, "velmora-cli: unknown option %s\n", argv[i]);
      return Usage();
    }
  }
  if (args.empty()) return Usage();
  const std::string command = args.front();
  args.erase(args.begin());
  Output out(end);

  if (command == "scan") {
    if (args.size() != 1 || folder || modeFlags) return Usage();
    if (!CheckFolder(args[0])) return 1;
    const catalogue::PathList files = catalogue::ScanFolder(args[0]);
    for (std::size_t i = 0; i < files.size(); ++i) out.Record(files, i);
    return out.Finish();
  }
  if (command == "tags") {
    if (modeFlags) return Usage();
    if (folder) {
      if (args.size() != 1) return Usage();
      if (!CheckFolder(args[0])) return 1;
      for (const std::string& tag : catalogue::CollectTags(catalogue::ScanFolder(args[0]))) {
        out.Record(tag);
      }
      return out.Finish();
    }
    if (args.empty()) return Usage();
    for (const std::string& name : args) {
      const std::vector<std::string> words = catalogue::SplitTags(name);
      for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out.Blank();
        out.Field(words[i]);
      }
      out.EndRecord();
    }
    return out.Finish();
  }
  if (command == "filter") {
    if (args.empty() || folder || modeFlags > 1) return Usage();
    if (!CheckFolder(args[0])) return 1;
    const catalogue::PathList files = catalogue::ScanFolder(args[0]);
    const std::vector<std::string> tags(args.begin() + 1, args.end());
    for (const std::size_t i :
         catalogue::ApplyTagFilter(catalogue::FilterIndex(files), tags, mode)) {
      out.Record(files, i);
    }
    return out.Finish();
  }
  std::fprintf(stderr, "velmora-cli: unknown command %s\n", command.c_str());
  return Usage();
}
