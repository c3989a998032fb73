#pragma once
// A folder's kept listing in the session: what its last load listed shows at once when it
// is chosen again, while it is read afresh; the reading is set aside meanwhile and, at its
// end, compared with the rows shown, so that the rows that stay do not move. The rows of
// a reread are held the same way. Two jobs: one reads the kept listing and then compares,
// one writes the listing of a load that ended. Owner: one thread.

#include <memory>
#include <string>
#include <vector>

#include "catalogue/background_job.h"
#include "catalogue/inbox.h"
#include "catalogue/path_list.h"

namespace velmora::catalogue {

class KeptListing {
 public:
  explicit KeptListing(const std::shared_ptr<Inbox>& inbox)
      : reader_("velmora-cache", inbox), writer_("velmora-cache", inbox) {}

  // A load of folder starts: its kept listing is read, to show until the load ends.
  void Ask(std::string folder);
  // The rows listed stay while the folder is read again, as a kept listing's do.
  void Hold();
  // Rows are shown that the load in progress is to replace.
  bool Shown() const { return state_ == State::Shown; }
  // A piece the load found: set aside (true) while a kept listing is asked for or shown.
  // rows are those shown.
  bool SetAside(handover::Files& files, const PathList& rows);
  // Lets go of the pieces set aside that list what rows list in the same places: while
  // nothing differs, the load costs no second copy of the listing.
  void Match(const PathList& rows);

  enum class Piece { Late, NoneKept, Show };
  // A piece of the kept listing came: to show, too late (the load is listed, or was
  // stopped), or there is none, and what the load found is to be listed (Release).
  Piece Take(const handover::Cached& piece);
  // Stops reading and forgets what was set aside, but hands back what the load found
  // while the kept listing was asked for and had not come: nothing else is listed then.
  std::vector<handover::Files> Release();
  // The load ended. While rows are shown, compares them with what it found, in the
  // background (a Checked comes), and says so; the load is then no longer set aside.
  bool Compare(const PathList& rows, std::size_t unreadable);
  // Keeps files as folder's listing; a write still running is let go.
  void Write(std::string folder, PathList files);
  // How the listings read and compared from now on cut their names into tags.
  void SetRule(TagRule rule) { rule_ = std::move(rule); }

 private:
  enum class State { No, Asked, Shown } state_ = State::No;
  TagRule rule_;
  std::vector<handover::Files> aside_;
  // The pieces before head_ listed the first same_ rows, and were let go; differs_ once
  // one did not.
  std::size_t head_ = 0, same_ = 0;
  bool differs_ = false;
  BackgroundJob reader_;
  BackgroundJob writer_;
};

}  // namespace velmora::catalogue
