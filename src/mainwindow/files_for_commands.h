#pragma once
// The file list as the file commands see it: the model's paths, the view's selection, the
// browser's folder, and the status line for their words.

#include <functional>
#include <string>
#include <vector>

#include "catalogue/browser.h"
#include "fileops/file_commands.h"
#include "mainwindow/file_list_model.h"
#include "mainwindow/form_controls.h"

namespace velmora::mainwindow {

class FilesForCommands final : public fileops::FileListHost {
 public:
  // say: a command's words, for the status line.
  FilesForCommands(const Controls& ui, const FileListModel& files, catalogue::Browser& browser,
                   std::function<void(const std::string&)> say);

  std::vector<std::size_t> SelectedEntries() const override;
  std::string Entry(std::size_t position) const override;
  std::string CurrentEntry() const override;
  void SelectAll(bool select) override;
  void SetStatus(const std::string& text) override { say_(text); }
  void Rescan(bool changed) override {
    if (changed || !browser_.Progress().loading) browser_.Rescan();
  }
  std::string Folder() const override { return browser_.ShownPath().value_or(std::string()); }
  std::size_t EntryCount() const override { return static_cast<std::size_t>(files_.rowCount()); }
  catalogue::Digits TagDigits() const override {
    return browser_.KeepDigits() ? catalogue::Digits::Keep : catalogue::Digits::Split;
  }

 private:
  const Controls& ui_;
  const FileListModel& files_;
  catalogue::Browser& browser_;
  std::function<void(const std::string&)> say_;
};

}  // namespace velmora::mainwindow
