#pragma once
// What other programs do to a followed folder t (both folders end with a separator):
// one change chosen by next(), among files made, written, renamed (over others too) or removed,
// folders moved in from out, out to it (perhaps copied back), or within, made full, made
// and another moved into it at once, removed, and with links, links to folders of t or
// out made, moved, removed and pointed elsewhere. A change that cannot be made is skipped.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

inline void ChangeTree(const std::string& t, const std::string& out, int step,
                       const std::function<unsigned()>& next, bool links = true) {
  namespace fs = std::filesystem;
  using Strings = std::vector<std::string>;
  std::error_code error;  // a change that cannot be made is as good as any other
  const auto touch = [](const std::string& path) {
    if (FILE* file = std::fopen(path.c_str(), "w")) std::fclose(file);
  };
  // Under t, links among the files; folders end with a separator.
  Strings files{""}, folders{""}, made, gone;
  for (auto at = fs::recursive_directory_iterator(t); at != fs::end(at); ++at) {
    const std::string path = at->path().lexically_relative(fs::path(t).parent_path()).string();
    if (at->is_symlink()) made.push_back(path);
    (at->is_directory() && !at->is_symlink() ? folders.push_back(path + "/")
                                             : files.push_back(path));
  }
  for (const auto& e : fs::directory_iterator(out)) gone.push_back(e.path().string());
  for (Strings* list : {&files, &folders, &made, &gone}) std::sort(list->begin(), list->end());
  const auto any = [&](const Strings& of) { return of[next() % of.size()]; };
  const std::string to = t + any(folders), n = "n" + std::to_string(step);
  const std::string name(1, char('a' + next() % 3)), d = any(folders), file = t + any(files);
  const bool coin = next() % 2 != 0, folder = d.size() > 0, some = file != t;
  const std::string target = coin || gone.empty() ? t + any(folders) : any(gone);
  switch (next() % (links ? 11 : 9)) {
    case 0:  // perhaps written to, as a log is
      if (FILE* log = coin && some ? std::fopen(file.c_str(), "a") : nullptr)
        std::fputs(n.c_str(), log), std::fclose(log);
      else
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
      if (coin)
        fs::copy(out + n, t + d, fs::copy_options::recursive | fs::copy_options::copy_symlinks,
                 error);
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
    case 8:  // as a sorting script does
      if (folder && !to.starts_with(t + d) && fs::create_directory(to + n, error))
        fs::rename(t + d, to + n + "/" + name, error);
      break;
    case 9:  // made aside and renamed over, as ln -sfn does
      if (!made.empty() && (fs::create_directory_symlink(target, to + n, error), !error))
        fs::rename(to + n, t + any(made), error);
      break;
    default:
      fs::create_directory_symlink(target, to + n, error);
  }
}
