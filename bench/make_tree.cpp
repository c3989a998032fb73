// velmora-make-tree: writes a deterministic synthetic folder tree of empty files
// with realistic names, for measuring scans and tag collection at scale.
//
// All randomness goes through std::mt19937_64 (its output is fixed by the C++
// standard) and integer-only helpers below, so a seed gives the same tree with any
// compiler or standard library.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

using u64 = std::uint64_t;
using Words = std::vector<std::string_view>;

constexpr u64 kDefaultSeed = 0x5EED'7A65'0000'0001ULL;

// ---------------------------------------------------------------------------
// Randomness

class Rng {
 public:
  explicit Rng(u64 seed) : engine_(seed) {}

  u64 Next() { return engine_(); }

  // Uniform in [0, n); rejection keeps it unbiased.
  u64 Below(u64 n) {
    if (n <= 1) return 0;
    const u64 limit = UINT64_MAX - UINT64_MAX % n;
    u64 x = engine_();
    while (x >= limit) x = engine_();
    return x % n;
  }
  int Int(int lo, int hi) { return lo + static_cast<int>(Below(static_cast<u64>(hi - lo + 1))); }
  bool Chance(int perMille) { return Below(1000) < static_cast<u64>(perMille); }

  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below(items.size())];
  }

  // Index in [0, n) that prefers low values: the smaller of two uniform draws.
  u64 Skewed(u64 n) {
    const u64 a = Below(n);
    const u64 b = Below(n);
    return a < b ? a : b;
  }

  // Index drawn with the given integer weights.
  std::size_t Weighted(const std::vector<int>& weights) {
    int total = 0;
    for (const int w : weights) total += w;
    int x = static_cast<int>(Below(static_cast<u64>(total)));
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (x < weights[i]) return i;
      x -= weights[i];
    }
    return weights.size() - 1;
  }

 private:
  std::mt19937_64 engine_;
};

// Derives independent per-folder seeds, so a folder's files do not depend on the
// order in which folders are visited.
u64 Mix(u64 x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

// ---------------------------------------------------------------------------
// Word lists

const Words kNouns = {
    "beach",    "holiday",  "report",  "invoice",   "summer",  "winter",   "garden",  "party",
    "wedding",  "budget",   "meeting", "notes",     "project", "draft",    "final",   "backup",
    "family",   "birthday", "trip",    "mountain",  "lake",    "city",     "night",   "sunset",
    "concert",  "office",   "school",  "house",     "car",     "dog",      "cat",     "baby",
    "kitchen",  "forest",   "river",   "island",    "museum",  "market",   "station", "bridge",
    "contract", "letter",   "receipt", "statement", "plan",    "proposal", "summary", "agenda",
    "minutes",  "review",   "roadmap", "sketch",    "poster",  "flyer",    "scan",    "photo",
    "video",    "lecture",  "thesis",  "chapter",   "exam",    "homework", "recipe",  "manual",
};

const Words kAdjectives = {
    "old",   "new",    "big",    "small",   "red",    "blue",   "green",   "quiet",   "happy",
    "late",  "early",  "first",  "last",    "best",   "short",  "long",    "dark",    "bright",
    "final", "signed", "public", "private", "annual", "weekly", "monthly", "updated",
};

const Words kPlaces = {
    "Paris",  "Berlin", "London",  "Rome",   "Lisbon", "Oslo",    "Prague", "Vienna",
    "Boston", "Sydney", "Toronto", "Madrid", "Dublin", "Seattle", "Kyoto",  "Cairo",
};

const Words kFirstNames = {
    "Anna", "Tom",   "Maria", "John",   "Lena",  "Peter", "Sofia", "David", "Emma", "Lucas",
    "Nora", "Felix", "Clara", "Oliver", "Julia", "Max",   "Eva",   "Paul",  "Ida",  "Jonas",
};

const Words kLastNames = {
    "Smith",  "Johnson", "Brown",   "Weber",    "Schmidt", "Larsen",  "Rossi",  "Novak",
    "Dubois", "Garcia",  "Nielsen", "Kowalski", "Berg",    "Fischer", "Moreau", "Hansen",
};

const Words kArtists = {
    "Artist Name",
    "The Midnight Owls",
    "Silver Lining",
    "Nora Blue",
    "DJ Pulse",
    "The Paper Kites",
    "Echo & The Bay",
    "Max Richter Trio",
    "Lana Grey",
    "Orchestra Nova",
    "Blue Harbour",
    "Kid Comet",
    "The Velvet Line",
    "Marta & Jon",
    "Low Tide",
    "Static Gardens",
    "AC-DX",
    "Sunday Drivers",
    "Glass Animals Tribute",
    "Miles Ahead",
};

const Words kSongWords = {
    "Song",  "Title", "Love",  "Night",  "Rain",    "Fire",  "Heart",   "Road",    "Home",
    "Dream", "Light", "Ocean", "Shadow", "Summer",  "Gold",  "Stars",   "Train",   "River",
    "Don't", "Stop",  "Run",   "Away",   "Forever", "Again", "Tonight", "Falling", "Blue",
};

const Words kSongSuffixes = {
    " (Live)",     " (Remastered)",   " (Radio Edit)",
    " (Acoustic)", " [Bonus Track]",  " (feat. Nora Blue)",
    " (Demo)",     " (Extended Mix)", " - Live at Wembley",
};

const Words kCodeWords = {
    "config", "parser",  "server",  "client", "utils",  "string",     "file",   "cache",
    "http",   "request", "handler", "model",  "view",   "controller", "index",  "main",
    "json",   "token",   "stream",  "buffer", "thread", "pool",       "logger", "event",
    "user",   "session", "router",  "query",  "schema", "table",      "render", "widget",
};

const Words kCodeExts = {
    ".cpp", ".h", ".hpp", ".c", ".py", ".js", ".ts", ".java", ".go", ".rs", ".rb", ".cs",
};

// Names in other scripts and with diacritics, in UTF-8.
const Words kIntlWords = {
    "Résumé",     "Müller", "Ærø",         "Ünïcödé",   "Façade",    "Crème brûlée",
    "Jürgen",     "Zoë",    "Björk",       "Sørensen",  "Ångström",  "Señor",
    "Mañana",     "Café",   "Straße",      "Øresund",   "Łódź",      "Kraków",
    "Dvořák",     "Ελλάδα", "Θάλασσα",     "Καλοκαίρι", "Москва",    "Документы",
    "Фотографии", "Отпуск", "Лето",        "東京",      "北京",      "写真",
    "音楽",       "夏休み", "Smörgåsbord", "São Paulo", "Reykjavík", "Ålesund",
};

const Words kIntlFolders = {
    "Fotos Ærø", "Документы", "Ελλάδα 2014", "写真",           "Café Müller", "Sommer in Straße",
    "Résumés",   "Музыка",    "Øresund tur", "São Paulo 2012", "音楽",        "Łódź",
};

// ---------------------------------------------------------------------------
// Name building

std::string Num(long value, int width = 0) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string digits(buf, res.ptr);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return digits;
}

std::string Capitalised(std::string_view word) {
  std::string s(word);
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

std::string Upper(std::string_view word) {
  std::string s(word);
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

std::string Hex(Rng& rng, int digits) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string s;
  for (int i = 0; i < digits; ++i) s += kHex[rng.Below(16)];
  return s;
}

struct Date {
  int year, month, day, hour, minute, second;
};

Date RandomDate(Rng& rng, int fromYear = 2003, int toYear = 2023) {
  return {rng.Int(fromYear, toYear),
          rng.Int(1, 12),
          rng.Int(1, 28),
          rng.Int(0, 23),
          rng.Int(0, 59),
          rng.Int(0, 59)};
}

std::string Ymd(const Date& d, std::string_view sep = "") {
  return Num(d.year) + std::string(sep) + Num(d.month, 2) + std::string(sep) + Num(d.day, 2);
}

std::string Hms(const Date& d, std::string_view sep = "") {
  return Num(d.hour, 2) + std::string(sep) + Num(d.minute, 2) + std::string(sep) + Num(d.second, 2);
}

// Joins words in one of the casing and separator styles people use.
std::string Styled(Rng& rng, const std::vector<std::string>& words) {
  std::string out;
  // Appends piece by piece: a temporary "separator + word" trips a false -Wrestrict in GCC 12.
  const auto join = [&](const char* separator, bool capitalise) {
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (i) out += separator;
      out += capitalise ? Capitalised(words[i]) : words[i];
    }
  };
  switch (rng.Below(7)) {
    case 0:  // camelCase
      for (std::size_t i = 0; i < words.size(); ++i) out += i ? Capitalised(words[i]) : words[i];
      break;
    case 1:  // PascalCase
      for (const auto& w : words) out += Capitalised(w);
      break;
    case 2:
      join("_", false);
      break;
    case 3:
      join("-", false);
      break;
    case 4:
      join(" ", true);
      break;
    case 5:
      join(".", false);
      break;
    default:
      join(" ", false);
      break;
  }
  return out;
}

std::vector<std::string> SomeWords(Rng& rng, const Words& list, int lo, int hi) {
  std::vector<std::string> words;
  const int n = rng.Int(lo, hi);
  for (int i = 0; i < n; ++i) words.emplace_back(rng.Pick(list));
  return words;
}

// ---------------------------------------------------------------------------
// Folders

enum class Theme { Mixed, Photos, Music, Documents, Code, Downloads, Hidden };

struct Folder {
  std::size_t parent;  // index in the folder table; the root is its own parent
  int depth;           // 0 for the root
  Theme theme;
  int level;  // depth below the folder that started the theme
  bool hiddenRoot;
  std::string name;
  std::vector<std::size_t> children;
  u64 files = 0;
};

Theme RandomTheme(Rng& rng) {
  static const std::vector<int> weights = {10, 30, 15, 20, 15, 10};
  return static_cast<Theme>(rng.Weighted(weights));
}

std::string PhotoFolderName(Rng& rng, int level) {
  if (rng.Chance(40)) return std::string(rng.Pick(kIntlFolders));
  if (level == 0) {
    static const Words top = {"Photos", "Pictures", "Camera", "DCIM", "Fotos", "Images"};
    return std::string(rng.Pick(top));
  }
  switch (rng.Below(9)) {
    case 0:
    case 1:
      return Num(rng.Int(2003, 2023));
    case 2: {
      const Date d = RandomDate(rng);
      return Num(d.year) + "-" + Num(d.month, 2) + " " + Capitalised(rng.Pick(kNouns)) + " " +
             std::string(rng.Pick(kPlaces));
    }
    case 3:
      return "Holiday Photos " + Num(rng.Int(2003, 2023));
    case 4:
      return Num(rng.Int(100, 139)) + std::string(rng.Chance(500) ? "CANON" : "MSDCF");
    case 5: {
      static const Words sub = {"Raw", "Edited", "Export", "Camera Roll", "Selected", "Prints"};
      return std::string(rng.Pick(sub));
    }
    case 6:
      return "Wedding " + std::string(rng.Pick(kFirstNames)) + " & " +
             std::string(rng.Pick(kFirstNames));
    case 7:
      return Capitalised(rng.Pick(kNouns)) + " " + Num(rng.Int(2003, 2023));
    default:
      return std::string(rng.Pick(kPlaces)) + " " + Num(rng.Int(2003, 2023));
  }
}

std::string MusicFolderName(Rng& rng, int level) {
  if (level == 0) {
    static const Words top = {"Music", "Musik", "MP3", "FLAC", "iTunes Media"};
    return std::string(rng.Pick(top));
  }
  if (level == 1) {
    if (rng.Chance(50)) return std::string(rng.Pick(kIntlWords)) + " Ensemble";
    switch (rng.Below(3)) {
      case 0:
        return std::string(rng.Pick(kArtists));
      case 1:
        return std::string(rng.Pick(kFirstNames)) + " " + std::string(rng.Pick(kLastNames));
      default:
        return "The " + Capitalised(rng.Pick(kAdjectives)) + " " + Capitalised(rng.Pick(kNouns)) +
               "s";
    }
  }
  if (level == 2) {
    std::string album = Capitalised(rng.Pick(kSongWords)) + " " + Capitalised(rng.Pick(kSongWords));
    if (rng.Chance(500)) album += " (" + Num(rng.Int(1965, 2023)) + ")";
    if (rng.Chance(100)) album = Num(rng.Int(1965, 2023)) + " - " + album;
    return album;
  }
  static const Words sub = {"CD1", "CD2", "Disc 1", "Disc 2", "Bonus", "Artwork", "Scans"};
  return std::string(rng.Pick(sub));
}

std::string DocumentFolderName(Rng& rng, int level) {
  if (rng.Chance(40)) return std::string(rng.Pick(kIntlFolders));
  if (level == 0) {
    static const Words top = {"Documents", "Dokumente", "Work", "Private", "Archive", "Shared"};
    return std::string(rng.Pick(top));
  }
  static const Words names = {"Invoices",   "Taxes", "Letters", "Contracts", "Meeting Notes",
                              "Scans",      "Old",   "Bank",    "Insurance", "Reports",
                              "Tax Return", "HR",    "Travel",  "Receipts",  "School"};
  switch (rng.Below(4)) {
    case 0:
      return Num(rng.Int(2005, 2023));
    case 1:
      return std::string(rng.Pick(names)) + " " + Num(rng.Int(2005, 2023));
    default:
      return std::string(rng.Pick(names));
  }
}

std::string CodeFolderName(Rng& rng, int level) {
  if (level == 0) {
    static const Words top = {"Projects", "src", "code", "dev", "repos", "workspace"};
    return std::string(rng.Pick(top));
  }
  if (level == 1) {
    std::vector<std::string> words = SomeWords(rng, kCodeWords, 1, 3);
    return Styled(rng, words);
  }
  static const Words sub = {"src",      "include", "tests", "docs",     "lib",
                            "cmake",    "scripts", "core",  "util",     "third_party",
                            "examples", "assets",  "build", "internal", "api",
                            "test",     "bench",   "tools", "res"};
  if (rng.Chance(250)) return Styled(rng, SomeWords(rng, kCodeWords, 1, 2));
  return std::string(rng.Pick(sub));
}

std::string DownloadFolderName(Rng& rng, int level) {
  if (level == 0) {
    static const Words top = {"Downloads", "Videos", "Desktop", "Backup 2017", "Temp", "Inbox"};
    return std::string(rng.Pick(top));
  }
  if (rng.Chance(50)) return std::string(rng.Pick(kIntlFolders));
  static const Words names = {"Movies", "Series",     "Software",       "Installers", "Unsorted",
                              "misc",   "New folder", "New Folder (2)", "Stuff",      "ISO"};
  if (rng.Chance(300)) {
    return Capitalised(rng.Pick(kNouns)) + "." + Capitalised(rng.Pick(kNouns)) + "." +
           Num(rng.Int(1990, 2023)) + ".1080p";
  }
  return std::string(rng.Pick(names));
}

std::string MixedFolderName(Rng& rng, int level) {
  if (rng.Chance(50)) return std::string(rng.Pick(kIntlFolders));
  if (level == 0) {
    static const Words top = {"Home", "Users", "Data", "Shared", "Family", "NAS"};
    return std::string(rng.Pick(top));
  }
  switch (rng.Below(4)) {
    case 0:
      return Num(rng.Int(2000, 2023));
    case 1:
      return std::string(rng.Pick(kFirstNames));
    case 2:
      return Styled(rng, SomeWords(rng, kNouns, 1, 2));
    default:
      return Capitalised(rng.Pick(kAdjectives)) + " " + std::string(rng.Pick(kNouns));
  }
}

std::string HiddenRootName(Rng& rng, Theme around) {
  if (around == Theme::Code && rng.Chance(700)) return ".git";
  static const Words names = {".git",    ".cache", ".thumbnails", ".config", ".idea",
                              ".vscode", ".venv",  ".Trash-1000", ".local",  ".DS_Store.d"};
  return std::string(rng.Pick(names));
}

std::string HiddenInnerName(Rng& rng, int level) {
  if (level == 1) {
    static const Words names = {"objects", "refs", "hooks", "logs",     "info", "normal",
                                "large",   "lib",  "share", "settings", "index"};
    return std::string(rng.Pick(names));
  }
  return Hex(rng, 2);
}

std::string FolderName(Rng& rng, const Folder& f) {
  if (f.hiddenRoot) return f.name;
  switch (f.theme) {
    case Theme::Photos:
      return PhotoFolderName(rng, f.level);
    case Theme::Music:
      return MusicFolderName(rng, f.level);
    case Theme::Documents:
      return DocumentFolderName(rng, f.level);
    case Theme::Code:
      return CodeFolderName(rng, f.level);
    case Theme::Downloads:
      return DownloadFolderName(rng, f.level);
    case Theme::Hidden:
      return HiddenInnerName(rng, f.level);
    case Theme::Mixed:
      break;
  }
  return MixedFolderName(rng, f.level);
}

// Adds "(2)", "(3)"... before the extension, as file managers do for copies.
std::string WithCopyNumber(const std::string& name, int n) {
  std::size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) dot = name.size();
  return name.substr(0, dot) + " (" + Num(n) + ")" + name.substr(dot);
}

// Builds the folder table: parents always precede their children.
std::vector<Folder> PlanFolders(u64 count, u64 files, u64 seed) {
  Rng rng(Mix(seed ^ 0xF01DE25ULL));
  std::vector<Folder> folders;
  folders.reserve(count + 1);
  folders.push_back({0, 0, Theme::Mixed, 0, false, "", {}, 0});

  // Depths 1..8, most at 2..5.
  static const std::vector<int> depthWeights = {3, 14, 24, 24, 17, 9, 5, 4};
  std::array<std::vector<std::size_t>, 9> byDepth;
  byDepth[0].push_back(0);
  std::unordered_set<std::string> taken;  // parent index + '/' + name
  // Real trees have a few dozen top-level folders, however large they are.
  const std::size_t topFolders = std::clamp<std::size_t>(count / 1000, 6, 40);

  for (u64 i = 0; i < count; ++i) {
    int depth = static_cast<int>(rng.Weighted(depthWeights)) + 1;
    while (depth == 1 && byDepth[1].size() >= topFolders) {
      depth = static_cast<int>(rng.Weighted(depthWeights)) + 1;
    }
    while (byDepth[static_cast<std::size_t>(depth - 1)].empty()) --depth;
    const auto& candidates = byDepth[static_cast<std::size_t>(depth - 1)];
    const std::size_t parent = candidates[rng.Skewed(candidates.size())];
    const Folder& p = folders[parent];

    Folder f{parent, depth, p.theme, p.level + 1, false, "", {}, 0};
    if (depth == 1) {
      f.theme = RandomTheme(rng);
      f.level = 0;
    } else if (p.theme != Theme::Hidden && rng.Chance(p.theme == Theme::Code ? 45 : 12)) {
      f.theme = Theme::Hidden;
      f.level = 0;
      f.hiddenRoot = true;
      f.name = HiddenRootName(rng, p.theme);
    } else if (p.theme != Theme::Hidden && rng.Chance(60)) {
      f.theme = RandomTheme(rng);
      f.level = 1;
    }

    const std::string name = FolderName(rng, f);
    const std::string prefix = Num(static_cast<long>(parent)) + "/";
    std::string unique = name;
    for (int n = 2; !taken.insert(prefix + unique).second; ++n) {
      unique = f.theme == Theme::Hidden ? name + "." + Num(n) : WithCopyNumber(name, n);
    }
    f.name = std::move(unique);

    const std::size_t index = folders.size();
    folders[parent].children.push_back(index);
    byDepth[static_cast<std::size_t>(depth)].push_back(index);
    folders.push_back(std::move(f));
  }

  // Uneven file counts: a size class per folder, then scaled so the total is exact.
  static const std::vector<int> classWeights = {120, 250, 300, 200, 90, 35, 5};
  static const std::array<std::array<int, 2>, 7> classRange = {
      {{0, 0}, {1, 3}, {4, 10}, {11, 40}, {41, 150}, {151, 600}, {601, 2000}}};
  std::vector<u64> raw(folders.size());
  u64 total = 0;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    const auto& range = classRange[rng.Weighted(classWeights)];
    u64 weight = static_cast<u64>(rng.Int(range[0], range[1]));
    if (folders[i].theme == Theme::Hidden && weight > 40) weight /= 4;
    raw[i] = weight;
    total += weight;
  }
  if (total == 0) {
    raw[0] = 1;
    total = 1;
  }
  // Cumulative rounding spreads the remainder without any floating point.
  u64 cumulative = 0;
  u64 assigned = 0;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    cumulative += raw[i];
    const u64 upTo = cumulative * files / total;
    folders[i].files = upTo - assigned;
    assigned = upTo;
  }
  return folders;
}

// ---------------------------------------------------------------------------
// File names

std::string IntlName(Rng& rng, Theme theme) {
  const std::string a(rng.Pick(kIntlWords));
  const std::string b(rng.Pick(kIntlWords));
  switch (theme) {
    case Theme::Photos:
      return rng.Chance(500)
                 ? a + "_" + Num(rng.Int(2003, 2023)) + "_" + Num(rng.Int(1, 300), 3) + ".jpg"
                 : a + " " + b + " (" + Num(rng.Int(1, 40)) + ").JPG";
    case Theme::Music:
      return Num(rng.Int(1, 16), 2) + " - " + a + " - " + b + (rng.Chance(500) ? ".flac" : ".mp3");
    case Theme::Code:
      return "README." + a + ".md";
    case Theme::Documents:
      switch (rng.Below(3)) {
        case 0:
          return a + " " + b + ".pdf";
        case 1:
          return a + "_" + Num(rng.Int(2005, 2023)) + ".docx";
        default:
          return "Lebenslauf " + a + " (" + b + ").odt";
      }
    default:
      return rng.Chance(500) ? a + "-" + b + ".txt" : a + " " + Num(rng.Int(1, 99)) + ".mkv";
  }
}

class FileNamer {
 public:
  FileNamer(Rng& rng, Theme theme, int level)
      : rng_(rng),
        theme_(theme),
        level_(level),
        counter_(rng.Int(1, 9000)),
        date_(RandomDate(rng)) {
    static const Words cameras = {"IMG_", "DSC0", "DSCF", "P", "GOPR", "_MG_"};
    camera_ = std::string(rng.Pick(cameras));
    artist_ = std::string(rng.Pick(kArtists));
  }

  std::string Next() {
    if (theme_ != Theme::Hidden && rng_.Chance(50)) return IntlName(rng_, theme_);
    switch (theme_) {
      case Theme::Photos:
        return Photo();
      case Theme::Music:
        return Song();
      case Theme::Documents:
        return Document();
      case Theme::Code:
        return Code();
      case Theme::Downloads:
        return Download();
      case Theme::Hidden:
        return HiddenFile();
      case Theme::Mixed:
        break;
    }
    switch (rng_.Below(5)) {
      case 0:
        return Photo();
      case 1:
        return Song();
      case 2:
        return Document();
      case 3:
        return Code();
      default:
        return Download();
    }
  }

 private:
  std::string Photo() {
    static const Words rawExts = {".NEF", ".CR2", ".ARW", ".JPG", ".jpg", ".RAF"};
    switch (rng_.Below(10)) {
      case 0:
      case 1:
      case 2: {
        // Phones name shots by time; consecutive ones share the day.
        date_.second += rng_.Int(1, 400);
        date_.minute += date_.second / 60;
        date_.second %= 60;
        date_.hour = (date_.hour + date_.minute / 60) % 24;
        date_.minute %= 60;
        const char* ext = rng_.Chance(200) ? ".HEIC" : rng_.Chance(500) ? ".JPG" : ".jpg";
        return "IMG_" + Ymd(date_) + "_" + Hms(date_) + ext;
      }
      case 3:
      case 4:
        counter_ = counter_ % 9999 + 1;
        return camera_ + Num(counter_, 4) + std::string(rng_.Pick(rawExts));
      case 5: {
        std::string s = Capitalised(rng_.Pick(kNouns)) + "Photos" + Num(rng_.Int(2003, 2023)) +
                        "_" + Capitalised(rng_.Pick(kNouns));
        return s + (rng_.Chance(300) ? ".JPG" : ".jpg");
      }
      case 6:
        return "Screenshot " + Ymd(date_, "-") + " at " + Hms(RandomDate(rng_), ".") + ".png";
      case 7:
        return "PXL_" + Ymd(date_) + "_" + Hms(RandomDate(rng_)) + Num(rng_.Int(0, 999), 3) +
               (rng_.Chance(200) ? ".MP.jpg" : ".jpg");
      case 8:
        return Capitalised(rng_.Pick(kNouns)) + " day " + Num(rng_.Int(2003, 2023)) + " (" +
               Num(rng_.Int(1, 60)) + ").jpg";
      default:
        return "WhatsApp Image " + Ymd(date_, "-") + " at " + Hms(RandomDate(rng_), ".") + ".jpeg";
    }
  }

  std::string SongTitle() {
    std::string title = std::string(rng_.Pick(kSongWords));
    const int extra = rng_.Int(0, 3);
    for (int i = 0; i < extra; ++i) (title += ' ') += rng_.Pick(kSongWords);  // as in Styled
    if (rng_.Chance(150)) title += std::string(rng_.Pick(kSongSuffixes));
    return title;
  }

  std::string Song() {
    static const Words exts = {".mp3", ".mp3", ".mp3", ".flac", ".flac", ".m4a", ".ogg", ".opus"};
    const std::string ext(rng_.Pick(exts));
    const std::string track = Num(++track_ % 30, 2);
    if (level_ >= 2 && rng_.Chance(40)) {
      static const Words extras = {"cover.jpg", "folder.jpg",   "Front.JPG",
                                   "album.nfo", "playlist.m3u", "AlbumArtSmall.jpg"};
      return std::string(rng_.Pick(extras));
    }
    switch (rng_.Below(5)) {
      case 0:
      case 1:
        return track + " - " + artist_ + " - " + SongTitle() + ext;
      case 2:
        return track + " " + SongTitle() + ext;
      case 3: {
        std::string s = artist_ + " - " + SongTitle();
        for (char& c : s) {
          if (c == ' ') c = '_';
        }
        return s + ext;
      }
      default:
        return track + ". " + SongTitle() + ext;
    }
  }

  std::string Document() {
    static const Words exts = {".pdf", ".pdf",  ".docx", ".doc", ".xlsx", ".odt",
                               ".txt", ".pptx", ".md",   ".rtf", ".csv"};
    const std::string ext(rng_.Pick(exts));
    switch (rng_.Below(10)) {
      case 0:
        return Capitalised(rng_.Pick(kNouns)) + "[rev" + Num(rng_.Int(1, 9)) + "] " +
               (rng_.Chance(500) ? "FINAL copy" : "final") + ext;
      case 1: {
        const Date d = RandomDate(rng_, 2005, 2023);
        return Capitalised(rng_.Pick(kNouns)) + "-" + Num(d.year) + "-" + Num(d.month, 2) + ext;
      }
      case 2:
        return Styled(rng_, SomeWords(rng_, kNouns, 1, 3)) + ext;
      case 3:
        return "CV_" + std::string(rng_.Pick(kFirstNames)) + "_" +
               std::string(rng_.Pick(kLastNames)) + ext;
      case 4:
        return Capitalised(rng_.Pick(kNouns)) + " " + Num(rng_.Int(2005, 2023)) + " v" +
               Num(rng_.Int(1, 12)) + ext;
      case 5:
        return "scan" + Num(rng_.Int(1, 400), 4) + ".pdf";
      case 6:
        return Capitalised(rng_.Pick(kAdjectives)) + " " + std::string(rng_.Pick(kNouns)) + " (" +
               std::string(rng_.Pick(kAdjectives)) + ")" + ext;
      case 7:
        return Upper(rng_.Pick(kNouns)) + "_" + Ymd(RandomDate(rng_, 2005, 2023)) + ext;
      case 8:
        return std::string(rng_.Pick(kNouns)) + "_" + std::string(rng_.Pick(kNouns)) + ".txt";
      default:
        return Capitalised(rng_.Pick(kNouns)) + " - " + std::string(rng_.Pick(kLastNames)) + ", " +
               std::string(rng_.Pick(kFirstNames)) + ext;
    }
  }

  std::string Code() {
    static const Words fixed = {
        "main.cpp",         "CMakeLists.txt", "README.md",     "Makefile",
        "LICENSE",          ".gitignore",     ".clang-format", "package.json",
        "setup.py",         "Cargo.toml",     "go.mod",        "Dockerfile",
        "requirements.txt", "index.ts",       "__init__.py",   ".editorconfig"};
    if (rng_.Chance(120)) return std::string(rng_.Pick(fixed));
    const std::string ext(rng_.Pick(kCodeExts));
    std::vector<std::string> words = SomeWords(rng_, kCodeWords, 1, 3);
    switch (rng_.Below(6)) {
      case 0: {  // camelCase
        std::string s;
        for (std::size_t i = 0; i < words.size(); ++i) s += i ? Capitalised(words[i]) : words[i];
        return s + ext;
      }
      case 1: {  // PascalCase
        std::string s;
        for (const auto& w : words) s += Capitalised(w);
        if (rng_.Chance(300)) s = "HTTP" + s;
        return s + ext;
      }
      case 2: {
        std::string s;
        for (std::size_t i = 0; i < words.size(); ++i) s += (i ? "_" : "") + words[i];
        return s + "_test" + (rng_.Chance(500) ? std::string(".py") : ext);
      }
      case 3:
        return "test_" + words[0] + ".py";
      case 4:
        return words[0] + Num(rng_.Int(1, 64)) + ext;
      default: {
        std::string s;
        for (std::size_t i = 0; i < words.size(); ++i) s += (i ? "_" : "") + words[i];
        return s + ext;
      }
    }
  }

  std::string Download() {
    switch (rng_.Below(8)) {
      case 0:
        return Styled(rng_, SomeWords(rng_, kCodeWords, 1, 2)) + "-" + Num(rng_.Int(0, 9)) + "." +
               Num(rng_.Int(0, 20)) + "." + Num(rng_.Int(0, 9)) + "-x86_64" +
               (rng_.Chance(500) ? ".AppImage" : ".exe");
      case 1:
        return Capitalised(rng_.Pick(kNouns)) + "." + Capitalised(rng_.Pick(kNouns)) + "." +
               Num(rng_.Int(1980, 2023)) + ".1080p.BluRay.x264.mkv";
      case 2:
        return "video_" + Ymd(date_, "-") + " " + Hms(RandomDate(rng_), "-") + ".mp4";
      case 3:
        return Styled(rng_, SomeWords(rng_, kNouns, 1, 2)) +
               (rng_.Chance(500) ? ".tar.gz" : ".zip");
      case 4:
        return "S" + Num(rng_.Int(1, 9), 2) + "E" + Num(rng_.Int(1, 24), 2) + " - " +
               Capitalised(rng_.Pick(kSongWords)) + " " + std::string(rng_.Pick(kNouns)) + ".mkv";
      case 5:
        return "download (" + Num(rng_.Int(1, 50)) + ")" + (rng_.Chance(500) ? ".pdf" : ".bin");
      case 6:
        return Upper(Hex(rng_, 8)) + ".tmp";
      default:
        return Document();
    }
  }

  std::string HiddenFile() {
    static const Words fixed = {"HEAD",       "config",        "description",
                                "index",      "packed-refs",   "ORIG_HEAD",
                                "FETCH_HEAD", "settings.json", "CACHEDIR.TAG"};
    if (rng_.Chance(100)) return std::string(rng_.Pick(fixed));
    switch (rng_.Below(3)) {
      case 0:
        return Hex(rng_, 38);
      case 1:
        return Hex(rng_, 32) + ".png";
      default:
        return Hex(rng_, 16) + (rng_.Chance(500) ? ".bin" : ".tmp");
    }
  }

  Rng& rng_;
  Theme theme_;
  int level_;
  int counter_;
  Date date_;
  int track_ = 0;
  std::string camera_;
  std::string artist_;
};

// ---------------------------------------------------------------------------
// Writing

struct Writer {
  const std::vector<Folder>& folders;
  u64 seed;
  u64 madeFiles = 0;
  u64 madeFolders = 0;

  bool MakeFiles(int dirFd, std::size_t index, const std::string& path) {
    const Folder& f = folders[index];
    Rng rng(Mix(seed ^ Mix(index)));
    FileNamer namer(rng, f.theme, f.level);
    std::unordered_set<std::string> names;
    for (const std::size_t child : f.children) names.insert(folders[child].name);
    for (u64 i = 0; i < f.files; ++i) {
      std::string base = namer.Next();
      // Fresh names first; copy numbers only when a folder runs out of them.
      for (int retry = 0; retry < 3 && names.count(base) != 0; ++retry) base = namer.Next();
      std::string name = base;
      for (int n = 2; !names.insert(name).second; ++n) name = WithCopyNumber(base, n);
      const int fd = ::openat(dirFd, name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
      if (fd < 0) {
        std::fprintf(stderr, "velmora-make-tree: %s/%s: %s\n", path.c_str(), name.c_str(),
                     std::strerror(errno));
        return false;
      }
      ::close(fd);
      ++madeFiles;
    }
    return true;
  }

  // Depth-first, so only one descriptor per level is open at a time.
  bool Fill(int dirFd, std::size_t index, const std::string& path) {
    if (!MakeFiles(dirFd, index, path)) return false;
    for (const std::size_t child : folders[index].children) {
      const std::string& name = folders[child].name;
      const std::string childPath = path + "/" + name;
      if (::mkdirat(dirFd, name.c_str(), 0755) != 0) {
        std::fprintf(stderr, "velmora-make-tree: %s: %s\n", childPath.c_str(),
                     std::strerror(errno));
        return false;
      }
      ++madeFolders;
      const int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fd < 0) {
        std::fprintf(stderr, "velmora-make-tree: %s: %s\n", childPath.c_str(),
                     std::strerror(errno));
        return false;
      }
      const bool ok = Fill(fd, child, childPath);
      ::close(fd);
      if (!ok) return false;
    }
    return true;
  }
};

// ---------------------------------------------------------------------------

constexpr const char* kUsage = "usage: velmora-make-tree [--files N] [--folders M] [--seed S] DIR";

int Usage() {
  std::fprintf(stderr, "%s\n", kUsage);
  return 2;
}

bool ParseNumber(const char* text, u64 max, u64& out) {
  const std::string_view s(text);
  const auto res = std::from_chars(s.data(), s.data() + s.size(), out);
  return res.ec == std::errc() && res.ptr == s.data() + s.size() && out <= max;
}

// Empty or absent is fine; anything else might be someone's data.
bool DirectoryIsUsable(const std::string& dir) {
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) {
    if (errno == ENOENT) return true;
    std::fprintf(stderr, "velmora-make-tree: %s: %s\n", dir.c_str(), std::strerror(errno));
    return false;
  }
  if (!S_ISDIR(st.st_mode)) {
    std::fprintf(stderr, "velmora-make-tree: %s exists and is not a folder\n", dir.c_str());
    return false;
  }
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* d = fd < 0 ? nullptr : ::fdopendir(fd);
  if (d == nullptr) {
    std::fprintf(stderr, "velmora-make-tree: %s: %s\n", dir.c_str(), std::strerror(errno));
    if (fd >= 0) ::close(fd);
    return false;
  }
  bool empty = true;
  while (const dirent* e = ::readdir(d)) {
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
      empty = false;
      break;
    }
  }
  ::closedir(d);
  if (!empty) {
    std::fprintf(stderr, "velmora-make-tree: %s is not empty; refusing to write into it\n",
                 dir.c_str());
  }
  return empty;
}

// mkdir -p: creates DIR and any missing parents.
bool MakeDirectories(const std::string& dir) {
  for (std::size_t pos = 1; pos <= dir.size(); ++pos) {
    if (pos != dir.size() && dir[pos] != '/') continue;
    const std::string prefix = dir.substr(0, pos);
    if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) {
      std::fprintf(stderr, "velmora-make-tree: %s: %s\n", prefix.c_str(), std::strerror(errno));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  u64 files = 1'000'000;
  u64 folders = 50'000;
  u64 seed = kDefaultSeed;
  std::string dir;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--help" || a == "-h") {
      std::printf("%s\n", kUsage);
      return 0;
    }
    u64* target = a == "--files"     ? &files
                  : a == "--folders" ? &folders
                  : a == "--seed"    ? &seed
                                     : nullptr;
    if (target != nullptr) {
      // Caps keep the integer scaling of file counts within 64 bits.
      const u64 max = target == &seed    ? UINT64_MAX
                      : target == &files ? 1'000'000'000ULL
                                         : 10'000'000ULL;
      if (i + 1 >= argc || !ParseNumber(argv[i + 1], max, *target)) {
        std::fprintf(stderr, "velmora-make-tree: bad value for %s\n", argv[i]);
        return Usage();
      }
      ++i;
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "velmora-make-tree: unknown option %s\n", argv[i]);
      return Usage();
    } else if (dir.empty()) {
      dir = a;
    } else {
      return Usage();
    }
  }
  if (dir.empty()) return Usage();
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();

  if (!DirectoryIsUsable(dir)) return 2;
  if (!MakeDirectories(dir)) return 1;
  const int rootFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (rootFd < 0) {
    std::fprintf(stderr, "velmora-make-tree: %s: %s\n", dir.c_str(), std::strerror(errno));
    return 1;
  }

  const std::vector<Folder> plan = PlanFolders(folders, files, seed);
  Writer writer{plan, seed};
  const bool ok = writer.Fill(rootFd, 0, dir);
  ::close(rootFd);
  if (!ok) return 1;
  std::printf("made %llu files in %llu folders under %s\n",
              static_cast<unsigned long long>(writer.madeFiles),
              static_cast<unsigned long long>(writer.madeFolders), dir.c_str());
  return 0;
}
