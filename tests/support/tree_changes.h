#pragma once
// What other programs do to a followed folder t (both folders end with a separator):
// one change chosen by next(), among files made, renamed (over others too) or removed,
// folders moved in from out, out to it (perhaps copied back), or within, made full,
// removed, and links to t/keep. A change that cannot be made is skipped.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

inline void ChangeTree(const std::string& t, const std::string& out, int step,
                       const std::function<unsigned()>& next) {
  namespace fs = std::filesystem;
  using Strings = std::vector<std::string>;
  std::error_code error;  // a change that cannot be made is as good as any other
  const auto touch = [](const std::string& path) {
    if (FILE* file = std::fopen(path.c_str(), "w")) std::fclose(file);
  };
  Strings files{""}, folders{""}, gone;  // under t; folders end with a separator
  for (auto at = fs::recursive_directory_iterator(t); at != fs::end(at); ++at) {
    const std::string path = fs::relative(at->path(), t).string();
    if (path == "keep" || at->is_symlink())
      at.disable_recursion_pending();
    else
      (at->is_directory() ? folders.push_back(path + "/") : files.push_back(path));
  }
  for (const auto& e : fs::directory_iterator(out)) gone.push_back(e.path().string());
  for (Strings* list : {&files, &folders, &gone}) std::sort(list->begin(), list->end());
  const auto any = [&](const Strings& of) { return of[next() % of.size()]; };
  const std::string to = t + any(folders), n = "n" + std::to_string(step);
  const std::string name(1, char('a' + next() % 3)), d = any(folders), file = t + any(files);
  const bool coin = next() % 2 != 0, folder = d.size() > 0, some = file != t;
  switch (next() % 9) {
    case 0:
      touch(to + name);
      break;
    case 1:
      if (some) fs::rename(file, to + name, error);
      break;
    case 2:
      if (!gone.empty()) fs::rename(gone[coin ? 0 : gone.size() - 1], to + n, error);
      break;
    case 3:  // perhaps copied back, and then the moved one changed
      if (!folder || (fs::rename(t + d, out + n, error), error)) break;
      if (coin) fs::copy(out + n, t + d, fs::copy_options::recursive, error);
      coin ? (void)fs::remove_all(out + n, error) : touch(out + n + "/late");
      break;
    case 4:
      if (folder && !to.starts_with(t + d)) fs::rename(t + d, to + n, error);
      break;
    case 5:
      if (some) fs::remove(file, error);
      break;
    case 6:
      fs::create_directory(to + n, error), touch(to + n + "/x"), touch(to + n + "/y");
      break;
    case 7:
      if (folder && fs::is_empty(t + d, error)) fs::remove(t + d, error);
      break;
    default:
      if (to != t) fs::create_directory_symlink(t + "keep", to + n, error);
  }
}
