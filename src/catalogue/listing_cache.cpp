#include "catalogue/listing_cache.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "catalogue/scan.h"
#include "platform/file_system.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace velmora::catalogue {
namespace {

using platform::Fs;
using platform::Status;

// File: magic, version, folder's length, file count, folder, checksum of all before it;
// then pieces, each: length of its runs, file count, runs, checksum of all three. A run:
// a folder and its count of names, each text as its length (7 bits a byte) then its bytes.
constexpr char kMagic[8] = {'V', 'L', 'M', 'L', 'I', 'S', 'T', '\n'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kFirstPiece = 2048;  // small, so that the first rows come at once
constexpr std::size_t kPiece = 65536;

std::uint64_t Checksum(std::string_view bytes) {
  // Every step maps the sum one to one, so a change in one word always changes it.
  std::uint64_t h = 0x9e3779b97f4a7c15ULL ^ bytes.size();
  const auto mix = [&h](std::uint64_t w) {
    h = (h ^ w) * 0xff51afd7ed558ccdULL;
    h ^= h >> 32;
  };
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t w = 0;
    std::memcpy(&w, bytes.data() + i, 8);
    mix(w);
  }
  for (; i < bytes.size(); ++i) mix(static_cast<unsigned char>(bytes[i]));
  return h;
}

void PutFixed(std::string& out, std::uint64_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out.push_back(static_cast<char>((value >> (8 * k)) & 0xff));
}

std::uint64_t GetFixed(std::string_view in, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int k = 0; k < bytes; ++k)
    value |= std::uint64_t{static_cast<unsigned char>(in[at + static_cast<std::size_t>(k)])}
             << (8 * k);
  return value;
}

void PutLength(std::string& out, std::size_t n) {
  for (; n >= 0x80; n >>= 7) out.push_back(static_cast<char>((n & 0x7f) | 0x80));
  out.push_back(static_cast<char>(n));
}

void PutText(std::string& out, std::string_view text) {
  PutLength(out, text.size());
  out.append(text);
}

// Reads a length at at; false when the bytes end first or it is over limit.
bool GetLength(std::string_view in, std::size_t& at, std::size_t limit, std::size_t& n) {
  n = 0;
  for (unsigned shift = 0; at < in.size() && shift < 28; shift += 7) {
    const auto byte = static_cast<unsigned char>(in[at++]);
    n |= std::size_t{byte & 0x7fu} << shift;
    if ((byte & 0x80) == 0) return n <= limit;
  }
  return false;
}

bool GetText(std::string_view in, std::size_t& at, std::string_view& text) {
  std::size_t n = 0;
  if (!GetLength(in, at, PathList::kMaxPart, n) || in.size() - at < n) return false;
  text = in.substr(at, n);
  at += n;
  return true;
}

// A name a folder can hold: not empty, ".", ".." nor holding a separator or NUL.
bool IsName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// Whether dir (ending with a separator) lies inside root (the same), by names alone: a
// listing someone else wrote must not name a file elsewhere.
bool Inside(std::string_view dir, std::string_view root) {
  if (!dir.starts_with(root) || !dir.ends_with(platform::kPathSeparator)) return false;
  for (dir.remove_prefix(root.size()); !dir.empty();) {
    const std::size_t end = dir.find(platform::kPathSeparator);
    if (!IsName(dir.substr(0, end))) return false;
    dir.remove_prefix(end + 1);
  }
  return true;
}

// The runs of a piece of count files, each inside root; false when they do not add up to
// exactly that, or one is not.
bool Decode(std::string_view runs, std::size_t count, std::string_view root, PathList& out) {
  std::size_t at = 0;
  std::string_view text;
  while (out.size() < count) {
    std::size_t n = 0;
    if (!GetText(runs, at, text) || !Inside(text, root) ||
        !GetLength(runs, at, count - out.size(), n) || n == 0)
      return false;
    const std::uint32_t folder = out.AddFolder(text);
    for (; n > 0; --n) {
      if (!GetText(runs, at, text) || !IsName(text)) return false;
      out.AddFile(folder, text);
    }
  }
  return at == runs.size();
}

bool ReadExactly(int fd, std::string& into, std::size_t n) {
  into.resize(n);
  for (std::size_t got = 0; got < n;) {
    const ssize_t r = Fs().Read(fd, into.data() + got, n - got);
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    got += static_cast<std::size_t>(r);
  }
  return true;
}

}  // namespace

std::string ListingFile(std::string_view folder) {
  const std::string root = platform::JoinPath(platform::UserCacheFolder(), "velmora");
  char name[24];
  std::snprintf(name, sizeof name, "%016llx.list",
                static_cast<unsigned long long>(Checksum(folder)));
  return platform::JoinPath(root, name);
}

Status WriteListing(const std::string& file, std::string_view folder, const PathList& files,
                    std::stop_token stop) {
  int dir = -1;
  if (Status own = platform::OpenOwnFolder(platform::ParentFolder(file), dir); !own.ok())
    return own;
  // Not flushed to disk: a file cut short by a crash fails its checksums and is removed.
  const platform::Replacement how{0600, false, false};
  const Status written = platform::ReplaceFile(
      dir, std::string(FileNameOf(file)), file,
      [&](const platform::PutBytes& put) {
        std::string out(kMagic, sizeof kMagic), scratch;
        PutFixed(out, kVersion, 4);
        PutFixed(out, folder.size(), 4);
        PutFixed(out, files.size(), 8);
        out.append(folder);
        PutFixed(out, Checksum(out), 8);
        if (!put(out)) return;
        std::size_t at = 0;
        do {  // one piece at least, so that an empty folder is kept too
          const std::size_t end = std::min(files.size(), at + (at == 0 ? kFirstPiece : kPiece));
          out.assign(8, '\0');
          files.ForEachRun(at, end, [&](std::size_t i, std::size_t j, std::uint32_t number) {
            PutText(out, files.FolderText(number, scratch));
            PutLength(out, j - i);
            for (std::size_t k = i; k < j; ++k) PutText(out, files.Name(k));
          });
          std::string head;
          PutFixed(head, out.size() - 8, 4);
          PutFixed(head, end - at, 4);
          out.replace(0, 8, head);
          PutFixed(out, Checksum(out), 8);
          at = end;
        } while (put(out) && at < files.size());
      },
      std::move(stop), how);
  Fs().Close(dir);
  return written;
}

Status ReadListing(const std::string& file, std::string_view folder,
                   const std::function<bool(PathList&&)>& piece) {
  platform::FileSystem& fs = Fs();
  int dir = -1;
  if (Status own = platform::OpenOwnFolder(platform::ParentFolder(file), dir); !own.ok())
    return own;
  const std::string name(FileNameOf(file));
  const int fd = fs.OpenAt(dir, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0);
  if (fd < 0 && errno != ELOOP) {
    const int error = errno;
    fs.Close(dir);
    return {error, "Cannot read " + file + ": " + platform::ErrorText(error)};
  }
  // What is refused goes: it is in the user's own folder.
  const auto refused = [&](const char* why) {
    if (fd >= 0) fs.Close(fd);
    fs.UnlinkAt(dir, name.c_str(), 0);
    fs.Close(dir);
    return Status::Refusal("Cannot use " + file + ": " + why);
  };
  struct stat st {};
  if (fd < 0) return refused("a link");
  if (fs.Fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return refused("not a regular file");
  // Every length is held to what the file has left, so that none asks for more memory.
  auto left = static_cast<std::uint64_t>(st.st_size);
  const auto take = [&](std::string& into, std::uint64_t n) {
    if (n > left || !ReadExactly(fd, into, static_cast<std::size_t>(n))) return false;
    left -= n;
    return true;
  };
  std::string bytes;
  if (!take(bytes, 24)) return refused("cut short");
  if (bytes.compare(0, 8, kMagic, 8) != 0) return refused("not a listing");
  if (GetFixed(bytes, 8, 4) != kVersion) return refused("another version");
  const std::size_t folderSize = GetFixed(bytes, 12, 4);
  const std::uint64_t total = GetFixed(bytes, 16, 8);
  std::string rest;
  if (!take(rest, std::uint64_t{folderSize} + 8)) return refused("cut short");
  bytes += rest;
  const std::size_t sumAt = bytes.size() - 8;
  if (GetFixed(bytes, sumAt, 8) != Checksum(std::string_view(bytes).substr(0, sumAt)))
    return refused("damaged");
  if (std::string_view(bytes).substr(24, folderSize) != folder) return refused("another folder");
  const std::string root = NormaliseFolder(folder);
  std::uint64_t read = 0;
  do {
    if (!take(bytes, 8)) return refused("cut short");
    const std::size_t runs = GetFixed(bytes, 0, 4);
    const std::size_t count = GetFixed(bytes, 4, 4);
    if (count > total - read) return refused("damaged");
    if (!take(rest, std::uint64_t{runs} + 8)) return refused("cut short");
    bytes += rest;
    const std::string_view all(bytes);
    if (GetFixed(all, runs + 8, 8) != Checksum(all.substr(0, runs + 8))) return refused("damaged");
    PathList files;
    if (!Decode(all.substr(8, runs), count, root, files)) return refused("damaged");
    read += count;
    if (!piece(std::move(files))) {
      fs.Close(fd);
      fs.Close(dir);
      return Status::Cancellation();
    }
  } while (read < total);
  if (left != 0) return refused("damaged");
  fs.Close(fd);
  fs.Close(dir);
  return {};
}

}  // namespace velmora::catalogue
