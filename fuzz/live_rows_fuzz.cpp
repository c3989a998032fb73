// Changes by other programs under a followed folder, chosen by the input, a few at a time:
// after each few, the rows come to what a fresh walk lists. At the end the load is stopped
// or the folder removed, so that every thread of the session is started and ended.
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "catalogue/browser.h"
#include "platform/threads.h"
#include "support/tree_changes.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

namespace {

// The window's part, without a window: polls when woken.
struct Owner final : BrowserView {
  void ChipsAdded(const Strings&) override {}
  void ChipsReset() override {}
  void ProgressChanged(const LoadProgress&) override {}
  void Wake() {
    const std::lock_guard lock(mutex);
    woken = true;
    wakes.notify_one();
  }
  // Polls until done holds, or for at most limit.
  template <class Done>
  bool PollUntil(Browser& browser, Done done, std::chrono::seconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    while (!done()) {
      std::unique_lock lock(mutex);
      if (!wakes.wait_until(lock, until, [this] { return woken; })) return done();
      woken = false;
      lock.unlock();
      browser.Poll();
    }
    return true;
  }
  std::mutex mutex;
  std::condition_variable wakes;
  bool woken = false;
};

Strings Sorted(Strings rows) {
  std::sort(rows.begin(), rows.end());
  return rows;
}

Strings Rows(const Browser& browser) {
  Strings rows;
  for (std::size_t r = 0; r < browser.RowCount(); ++r)
    rows.push_back(browser.Files()[browser.FileAtRow(r)]);
  return Sorted(rows);
}

void Touch(const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  if (FILE* file = std::fopen(path.c_str(), "w")) std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string root = std::filesystem::temp_directory_path().string() + "/live-XXXXXX";
  if (mkdtemp(root.data()) == nullptr) std::abort();
  const std::string t = root + "/t/", out = root + "/out/";
  Touch(out + "n/d/a");  // to be moved in
  Touch(t + "keep/k");   // where links lead
  {
    Owner owner;
    Browser browser(root + "/folders.txt", owner, [&owner] { owner.Wake(); });
    if (!browser.Commit([&](FolderStore& s) { return s.Append(t, ""); }).ok()) std::abort();
    browser.Show(0);
    if (!owner.PollUntil(
            browser, [&] { return browser.Progress().following; }, std::chrono::seconds(20)))
      std::abort();
    std::size_t at = 0;
    const auto next = [&]() -> unsigned { return at < size ? data[at++] : 0; };
    for (int step = 0; at < size && step < 64; ++step) {
      ChangeTree(t, out, step, next);
      if (at < size && step < 63 && next() % 4 != 0) continue;  // more changes in flight
      const PathList walked = ScanFolder(t);
      const Strings expected = Sorted(Strings(walked.begin(), walked.end()));
      // Generous: under ThreadSanitizer beside other tests a settle can take seconds.
      if (!owner.PollUntil(
              browser, [&] { return Rows(browser) == expected; }, std::chrono::seconds(30))) {
        std::fprintf(stderr, "the rows differ from a fresh walk after change %d\n", step);
        std::abort();
      }
    }
    if (size % 2 == 0) {
      browser.Rescan();  // stopped while it loads
      browser.Stop();
    } else if (!browser
                    .Commit([](FolderStore& s) { return s.Remove(0), velmora::platform::Status(); })
                    .ok()) {
      std::abort();
    }
  }
  // The session's threads are let go, not waited for: an input ends with all of them, so
  // that what they still hold is not taken for a leak of the next.
  if (!velmora::platform::WorkersEnded(std::chrono::seconds(30))) std::abort();
  std::filesystem::remove_all(root);
  return 0;
}
