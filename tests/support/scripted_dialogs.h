#pragma once
// Dialogs answered from a script prepared by the test. A dialog the script does not
// expect fails the test, naming the dialog and its text.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/shell.h"

class ScriptedDialogs final : public velmora::platform::Dialogs {
 public:
  enum class Kind { Confirm, Input, YesNo, Replace, Error, PickFolder };
  struct Shown { Kind kind; std::string text; };

  // Answers, in the order the dialogs are to appear.
  ScriptedDialogs& confirm(bool ok) { return expect(Kind::Confirm, ok ? "y" : ""); }
  ScriptedDialogs& input(const std::string& typed) { return expect(Kind::Input, typed); }
  ScriptedDialogs& yesNo(bool yes) { return expect(Kind::YesNo, yes ? "y" : ""); }
  ScriptedDialogs& replace(velmora::platform::Answer a) {
    return expect(Kind::Replace, {static_cast<char>('0' + static_cast<int>(a))});
  }
  ScriptedDialogs& error() { return expect(Kind::Error, ""); }
  ScriptedDialogs& pickFolder(const std::string& path) { return expect(Kind::PickFolder, path); }
  void cancelProgressAt(int n) { cancelAt_ = n; }  // Cancel pressed at the n-th update
  std::function<void()> duringProgress;  // runs at each progress update

  const std::vector<Shown>& shown() const { return shown_; }
  bool allAnswered() const { return script_.empty(); }
  // The kinds shown, as one word each ("error yesno"), for compact checks.
  std::string summary() const;

  bool Confirm(const std::string& text, const std::string& title) override;
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& preset) override;
  bool AskYesNo(const std::string& question, const std::string& title) override;
  velmora::platform::Answer AskReplace(const std::string& text, const std::string&) override;
  void ShowError(const std::string& text, const std::string& title) override;
  std::string PickFolder(const std::string& title) override;
  std::unique_ptr<velmora::platform::Progress> StartProgress(const std::string& title,
                                                             const std::string& text) override;

 private:
  ScriptedDialogs& expect(Kind kind, std::string a) { return script_.push_back({kind, a}), *this; }
  std::string answer(Kind kind, const std::string& text);

  std::deque<Shown> script_;  // kind and answer
  std::vector<Shown> shown_;
  int cancelAt_ = -1;
  int updates_ = 0;
};

// Records the addresses the program asks the desktop to open, instead of opening them.
class RecordingLauncher final : public velmora::platform::UrlLauncher {
 public:
  bool OpenUrl(const std::string& url) override { return urls.push_back(url), opens; }
  std::vector<std::string> urls;
  bool opens = true;  // false: as if no program were set for any address
};
