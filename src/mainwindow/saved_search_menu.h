#pragma once
// The filter bar menu's saved searches: Save Search…, and the searches kept, to choose one or
// to rename and delete them. The file is read afresh for each menu and each change, so that
// what another window or the command line kept is not lost. Every question goes through
// the dialogs. Owner: the window's thread.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/saved_searches.h"
#include "desktop/dialogs.h"
#include "mainwindow/form_menus.h"

namespace velmora::mainwindow {

class SavedSearchMenu {
 public:
  struct Window {
    // What the window shows now, named as the search it applied if any; none without a folder.
    std::function<std::optional<catalogue::SavedSearch>()> shown;
    std::function<void(const catalogue::SavedSearch&)> apply;
  };
  SavedSearchMenu(std::string file, desktop::Dialogs& dialogs, Window window)
      : file_(std::move(file)), dialogs_(dialogs), window_(std::move(window)) {}

  // The menu's entries: Save Search…, then Saved Searches with each search and Manage….
  std::vector<MenuItem> Items();

 private:
  // The searches kept; false, said in a message when loud, when the file cannot be read.
  bool Read(std::vector<catalogue::SavedSearch>& searches, bool loud);
  void Write(const std::vector<catalogue::SavedSearch>& searches);
  void Save();
  void Manage();

  const std::string file_;
  desktop::Dialogs& dialogs_;
  const Window window_;
  std::string leftOut_;  // of the last read: damaged searches, written back as they were
};

}  // namespace velmora::mainwindow
