#pragma once
// Counts what the panel's tags hit, in the background, one count at a time, and keeps the
// last count's hits. The count runs as a BackgroundJob and looks at its stop token every
// few thousand names. Owner: one thread.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/background_job.h"
#include "catalogue/filter.h"
#include "catalogue/inbox.h"

namespace velmora::catalogue {

class TagCounter {
 public:
  struct Count {
    FilterIndex index;  // a copy: it shares its pieces
    // Shared with the owner, which changes none of them: half a million, with numbers kept.
    std::shared_ptr<const std::vector<std::string>> tags;
    FileSet kept;                        // the rows kept, when not all
    bool all = true;                     // every file is kept
    bool words = false;                  // tags hit whole words only
    Digits digits = Digits::Split;       // how those words are cut
    std::optional<FolderWords> folders;  // a copy, when folders' words are tags too
    std::optional<FileSet> gone;         // the index's files gone, when any has
  };
  explicit TagCounter(std::shared_ptr<Inbox> inbox) : job_("velmora-count", std::move(inbox)) {}

  // Forgets the hits, lets the count running go, and starts this one.
  void Start(Count count);
  // Forgets the hits and lets the count running go.
  void Stop();
  // The count came in.
  void Take(handover::Counts& counts);
  // What tag hits, once counted.
  std::optional<TagHits> Hits(const std::string& tag) const;
  bool Counted() const { return counted_; }

 private:
  BackgroundJob job_;
  std::shared_ptr<const std::vector<std::string>> tags_;  // hits_[i] is what tags_[i] hits
  std::vector<TagHits> hits_;
  bool counted_ = false;
};

}  // namespace velmora::catalogue
