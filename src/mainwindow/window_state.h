#pragma once
// What the window keeps between runs: its size and place, the chip order, whether a
// command's rescan keeps the filter, whether the status line counts, the folder shown, the
// file list's columns and order, whether tags match whole words, whether digits belong
// to tags, whether folders' words are tags, and whether every folder is shown.

#include <optional>
#include <string>

#include "catalogue/browser.h"
#include "catalogue/row_order.h"

namespace velmora::mainwindow {

struct WindowState {
  std::string geometry;  // size and place, as the toolkit saves them
  catalogue::ChipOrder order = catalogue::ChipOrder::FirstSeen;
  bool keepFilter = false;
  bool countInStatus = false;
  std::string folder;    // the path shown, or empty
  unsigned columns = 0;  // the file list's columns beyond the path, as ListToolsState has them
  catalogue::SortBy sort;
  bool wholeTags = false;
  bool keepDigits = false;
  bool folderWords = false;
  bool allFolders = false;  // kept only while on
};

// The state kept in file; the defaults when there is no such file yet. Nothing when file
// is empty or no regular file of a sane size (said on stderr): the toolkit reads it whole,
// and would wait on a FIFO for good.
std::optional<WindowState> ReadWindowState(const std::string& file);
// Keeps state in file, unless ReadWindowState would pass it over.
void WriteWindowState(const std::string& file, const WindowState& state);

}  // namespace velmora::mainwindow
