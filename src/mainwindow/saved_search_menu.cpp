#include "mainwindow/saved_search_menu.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <set>

#include "desktop/shown_text.h"
#include "platform/visible_text.h"
#include "platform/words.h"

namespace velmora::mainwindow {

using catalogue::SavedSearch;

namespace {

std::string SaveTitle() { return platform::Tr("velmora", "Save Search"); }

std::string Quoted(const std::string& name) {
  return "\u201C" + platform::VisibleText(name) + "\u201D";
}

}  // namespace

bool SavedSearchMenu::Read(std::vector<SavedSearch>& searches, bool loud) {
  catalogue::SavedSearches read;
  const platform::Status status = catalogue::ReadSavedSearches(file_, read);
  for (const std::string& note : read.notes)
    std::fprintf(stderr, "velmora: %s: %s\n", file_.c_str(), note.c_str());
  searches = std::move(read.searches);
  leftOut_ = std::move(read.leftOut);
  if (status.ok()) return true;
  std::fprintf(stderr, "velmora: %s\n", status.message().c_str());
  if (loud)
    dialogs_.ShowError(
        platform::Fill(
            platform::Tr("velmora", "%1\nSearches cannot be kept while it cannot be read."),
            {status.message()}),
        desktop::kTitle);
  return false;
}

void SavedSearchMenu::Write(const std::vector<SavedSearch>& searches) {
  if (const platform::Status written = catalogue::WriteSavedSearches(file_, searches, leftOut_);
      !written.ok())
    dialogs_.ShowError(written.message(), desktop::kTitle);
}

std::vector<MenuItem> SavedSearchMenu::Items() {
  std::vector<SavedSearch> searches;
  (void)Read(searches, false);
  MenuItem saved(QCoreApplication::translate("velmora", "Saved Searches"), {}, !searches.empty());
  for (const SavedSearch& search : searches) {
    saved.items.push_back({desktop::ShownText(search.name).replace('&', QStringLiteral("&&")),
                           [this, search](bool) { window_.apply(search); }});
  }
  saved.items.emplace_back();
  saved.items.push_back(
      {QCoreApplication::translate("velmora", "Manage…"), [this](bool) { Manage(); }});
  return {{QCoreApplication::translate("velmora", "Save Search…"), [this](bool) { Save(); },
           window_.shown().has_value()},
          std::move(saved)};
}

void SavedSearchMenu::Save() {
  std::optional<SavedSearch> search = window_.shown();
  std::vector<SavedSearch> searches;
  if (!search || !Read(searches, true)) return;
  search->name =
      dialogs_.Input(platform::Tr("velmora", "Name of the search:"), SaveTitle(), search->name);
  if (search->name.empty()) return;
  const auto same = [&](const SavedSearch& s) { return s.name == search->name; };
  if (catalogue::FindSearch(searches, search->name)) {
    if (!dialogs_.AskYesNo(
            platform::Fill(
                platform::Tr("velmora", "A search named %1 is kept already. Replace it?"),
                {Quoted(search->name)}),
            SaveTitle()))
      return;
    *std::find_if(searches.begin(), searches.end(), same) = std::move(*search);
  } else {
    searches.push_back(std::move(*search));
  }
  Write(searches);
}

void SavedSearchMenu::Manage() {
  std::vector<SavedSearch> searches;
  if (!Read(searches, true) || searches.empty()) return;
  std::vector<std::string> names;
  for (const SavedSearch& search : searches) names.push_back(search.name);
  const std::optional<std::vector<std::string>> edited =
      dialogs_.EditNames(platform::Tr("velmora", "Saved Searches"), names);
  if (!edited || edited->size() != names.size() || *edited == names) return;
  std::vector<SavedSearch> kept;
  std::set<std::string> taken;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if ((*edited)[i].empty()) continue;
    if (!taken.insert((*edited)[i]).second)
      return dialogs_.ShowError(
          platform::Fill(
              platform::Tr("velmora", "Two searches cannot both be named %1; nothing was changed."),
              {Quoted((*edited)[i])}),
          desktop::kTitle);
    kept.push_back(std::move(searches[i]));
    kept.back().name = (*edited)[i];
  }
  Write(kept);
}

}  // namespace velmora::mainwindow
