#pragma once
// Every question, message and progress window reaches the program through this
// interface, so that tests can answer them without a person.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora::desktop {

// The program's name as its window and dialogs are titled.
inline constexpr char kTitle[] = "Velmora";

class Progress {
 public:
  virtual ~Progress() = default;
  // Reports how far the work is; false once the user has asked to cancel.
  virtual bool Update(std::uint64_t done, std::uint64_t total) = 0;
};

// An answer to "Replace it?" within a batch of files.
enum class Answer { Yes, YesToAll, No, NoToAll, Cancel };

// Texts are UTF-8 for display; a path inside a text may hold other bytes.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // OK and Cancel, no icon; false for Cancel, Esc and the close box. An empty title
  // leaves the program's own name as the caption.
  virtual bool Confirm(const std::string& text, const std::string& title) = 0;
  // The typed text, or the empty text on Cancel. When the answer is the preset
  // unchanged, the preset's own bytes come back, even where they are not UTF-8.
  virtual std::string Input(const std::string& prompt, const std::string& title,
                            const std::string& preset) = 0;
  // Yes and No, No being the default; false for No, Esc and the close box.
  virtual bool AskYesNo(const std::string& question, const std::string& title) = 0;
  // Yes, Yes to All, No, No to All and Cancel; No is the default (Enter), and Esc and
  // the close box answer Cancel: a person who backs out of the question wants nothing
  // more done, not the next file asked about.
  virtual Answer AskReplace(const std::string& question, const std::string& title) = 0;
  virtual void ShowError(const std::string& text, const std::string& title) = 0;
  // names, each to be renamed or deleted: for each, in their order, its name at the end, or
  // the empty text once deleted; nothing on Cancel. A name left as it was keeps its bytes.
  virtual std::optional<std::vector<std::string>> EditNames(
      const std::string& title, const std::vector<std::string>& names) = 0;
  // One of items (UTF-8), by its place, chosen from a list headed by prompt; nothing on
  // Cancel.
  virtual std::optional<std::size_t> Choose(const std::string& title, const std::string& prompt,
                                            const std::vector<std::string>& items) = 0;
  // The folder picker, listing start first (home when start cannot be read): the chosen
  // folder's path, or the empty text on Cancel.
  virtual std::string PickFolder(const std::string& title, const std::string& start) = 0;
  // The same without waiting on it: the window stays usable while it is open, and chosen
  // is called with the folder once one is chosen, never on Cancel.
  virtual void PickFolderLater(const std::string& title, const std::string& start,
                               std::function<void(const std::string&)> chosen) {
    if (const std::string folder = PickFolder(title, start); !folder.empty()) chosen(folder);
  }
  // A progress window with Cancel, shown only if the work lasts long enough to need it.
  virtual std::unique_ptr<Progress> StartProgress(const std::string& title,
                                                  const std::string& text) = 0;
};

}  // namespace velmora::desktop
