#pragma once
// The changes the window's folder buttons make to the folder list, and what it says of
// them, apart from any widget. Each change returns why it failed, or empty.

#include <string>
#include <vector>

#include "catalogue/store.h"

namespace velmora::mainwindow {

// Appends each of paths; with skipListed, not those listed already. Returns a line for
// each path refused: the path, readable, and why.
std::string AppendFolders(catalogue::FolderStore& store, const std::vector<std::string>& paths,
                          bool skipListed);
// The record of key's path and rank, as the file now holds it, removed or given tag.
std::string RemoveFolder(catalogue::FolderStore& store, const catalogue::RecordKey& key);
std::string AddUserTag(catalogue::FolderStore& store, const catalogue::RecordKey& key,
                       const std::string& tag);
// Why a typed tag cannot be stored, or empty.
std::string UserTagProblem(const std::string& tag);
// The records of storeFile kept aside at start, for a message; empty when there are none.
std::string RefusedRecordsText(const std::string& storeFile,
                               const std::vector<catalogue::RefusedRecord>& refused);

}  // namespace velmora::mainwindow
