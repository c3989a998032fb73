#pragma once
// The sizes and times of the listed files, by file number, read in the background once
// they are wanted: from the first file not asked for yet, in pieces posted to the inbox,
// one read at a time; files made again where they were listed are read anew. The read
// runs as a BackgroundJob: a file whose stat never returns holds up nothing but the read.
// Owner: one thread.

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "catalogue/background_job.h"
#include "catalogue/inbox.h"
#include "catalogue/path_list.h"
#include "platform/file_facts.h"

namespace velmora::catalogue {

// Reads files' facts, the first numbered first (or each numbered as numbers says), in
// pieces; the last piece says so.
void ReadFactsOf(const PathList& files, std::size_t first, const std::vector<std::size_t>& numbers,
                 const std::stop_token& stop, const Poster& post);

class FactReader {
 public:
  explicit FactReader(std::shared_ptr<Inbox> inbox) : job_("velmora-facts", std::move(inbox)) {}

  // From now on, for every file listed.
  void Want() { wanted_ = true; }
  // Unknown (all zero) until read.
  std::span<const platform::FileFacts> Facts() const { return facts_; }
  // Another listing: what was read goes, and the read running is let go.
  void Clear();
  // Lets the read running go.
  void Stop();
  bool Reading() const { return reading_; }
  // Reads what is not asked for yet of files, unless a read runs or none are wanted.
  void ReadMore(const PathList& files);
  // Where the files made again where they were listed are noted, when facts are wanted.
  std::vector<std::size_t>* Again() { return wanted_ ? &again_ : nullptr; }
  // A piece read came in, of files listed in all: true once every file's facts are known.
  bool Take(const handover::Facts& piece, std::size_t files);
  // The files were numbered anew, each listed file's new number in numbers (or
  // Checked::kGone), files in all: the facts known go with their files, and, since writes
  // meanwhile went unheard, every file's facts are read again, those known showing meanwhile.
  void Renumber(const std::vector<std::size_t>& numbers, std::size_t files);

 private:
  BackgroundJob job_;
  bool wanted_ = false;
  bool reading_ = false;
  std::vector<platform::FileFacts> facts_;  // by file number
  std::size_t asked_ = 0;                   // files whose facts were asked for
  std::vector<std::size_t> again_;          // files made again since their facts were read
};

}  // namespace velmora::catalogue
