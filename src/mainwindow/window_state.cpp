#include "mainwindow/window_state.h"

#include <cerrno>
#include <cstdio>

#include <QSettings>

#include "platform/files.h"

namespace velmora::mainwindow {
namespace {

bool Usable(const std::string& file) {
  if (file.empty()) return false;
  std::string bytes;
  const platform::Status read = platform::ReadWholeFile(file, bytes, 64 * 1024);
  if (read.ok() || read.NotFound()) return true;
  std::fprintf(stderr, "velmora: %s; the window's size and place are not kept\n",
               read.message().c_str());
  return false;
}

QByteArray Bytes(const std::string& s) { return QByteArray::fromStdString(s); }

}  // namespace

std::optional<WindowState> ReadWindowState(const std::string& file) {
  if (!Usable(file)) return std::nullopt;
  const QSettings kept(QString::fromStdString(file), QSettings::IniFormat);
  WindowState state;
  state.geometry = kept.value(QStringLiteral("geometry")).toByteArray().toStdString();
  const int order = kept.value(QStringLiteral("order")).toInt();
  if (order >= 0 && order <= static_cast<int>(catalogue::ChipOrder::Count))
    state.order = static_cast<catalogue::ChipOrder>(order);
  state.keepFilter = kept.value(QStringLiteral("keepFilter")).toBool();
  state.countInStatus = kept.value(QStringLiteral("countInStatus")).toBool();
  state.folder = kept.value(QStringLiteral("folder")).toByteArray().toStdString();
  state.columns = kept.value(QStringLiteral("columns")).toUInt() & 31U;
  const int sort = kept.value(QStringLiteral("sort")).toInt();
  if (sort >= 0 && sort <= static_cast<int>(catalogue::SortKey::Type))
    state.sort.key = static_cast<catalogue::SortKey>(sort);
  state.sort.descending = kept.value(QStringLiteral("descending")).toBool();
  state.wholeTags = kept.value(QStringLiteral("wholeTags")).toBool();
  state.keepDigits = kept.value(QStringLiteral("keepDigits")).toBool();
  state.folderWords = kept.value(QStringLiteral("folderWords")).toBool();
  state.allFolders = kept.value(QStringLiteral("allFolders")).toBool();
  return state;
}

void WriteWindowState(const std::string& file, const WindowState& state) {
  if (!Usable(file)) return;
  QSettings kept(QString::fromStdString(file), QSettings::IniFormat);
  kept.setValue(QStringLiteral("geometry"), Bytes(state.geometry));
  kept.setValue(QStringLiteral("order"), static_cast<int>(state.order));
  kept.setValue(QStringLiteral("keepFilter"), state.keepFilter);
  kept.setValue(QStringLiteral("countInStatus"), state.countInStatus);
  kept.setValue(QStringLiteral("folder"), Bytes(state.folder));
  kept.setValue(QStringLiteral("columns"), state.columns);
  kept.setValue(QStringLiteral("sort"), static_cast<int>(state.sort.key));
  kept.setValue(QStringLiteral("descending"), state.sort.descending);
  kept.setValue(QStringLiteral("wholeTags"), state.wholeTags);
  kept.setValue(QStringLiteral("keepDigits"), state.keepDigits);
  kept.setValue(QStringLiteral("folderWords"), state.folderWords);
  if (state.allFolders)
    kept.setValue(QStringLiteral("allFolders"), true);
  else
    kept.remove(QStringLiteral("allFolders"));
}

}  // namespace velmora::mainwindow
