#pragma once
// Dialogs answered from a script prepared by the test. A dialog the script does not
// expect fails the test, naming the dialog and its text.

#include <deque>
#include <string>
#include <vector>

#include "desktop/dialogs.h"
#include "desktop/shell.h"

class ScriptedDialogs final : public velmora::desktop::Dialogs {
 public:
  using Answer = velmora::desktop::Answer;
  using Text = const std::string&;
  struct Shown {
    std::string kind, text;
  };  // kind: confirm, input, yesno, replace, error, pick, names, choose

  // Answers, in the order the dialogs are to appear.
  ScriptedDialogs& confirm(bool ok) { return expect("confirm", ok ? "y" : ""); }
  ScriptedDialogs& input(Text typed) { return expect("input", typed); }
  ScriptedDialogs& yesNo(bool yes) { return expect("yesno", yes ? "y" : ""); }
  ScriptedDialogs& replace(Answer a) { return expect("replace", {char('0' + int(a))}); }
  ScriptedDialogs& error() { return expect("error", ""); }
  ScriptedDialogs& pickFolder(Text path) { return expect("pick", path); }
  ScriptedDialogs& choose(int item) {
    return expect("choose", item < 0 ? "" : std::to_string(item));
  }
  // The names at the end, one a line; none for Cancel.
  ScriptedDialogs& editNames(Text lines) {
    return expect("names", lines.empty() ? "" : "y" + lines);
  }
  void cancelProgressAt(int n) { cancelAt_ = n; }  // Cancel pressed at the n-th update

  const std::vector<Shown>& shown() const { return shown_; }
  bool allAnswered() const { return script_.empty(); }

  bool Confirm(Text text, Text) override { return !answer("confirm", text).empty(); }
  std::string Input(Text text, Text, Text preset) override {
    return answer("input", text + " [" + preset + "]");
  }
  bool AskYesNo(Text text, Text) override { return !answer("yesno", text).empty(); }
  Answer AskReplace(Text text, Text) override {
    const std::string reply = answer("replace", text);  // empty when unexpected
    return reply.empty() ? Answer::Cancel : Answer(reply[0] - '0');
  }
  void ShowError(Text text, Text) override { answer("error", text); }
  std::optional<std::vector<std::string>> EditNames(Text, const std::vector<std::string>&) override;
  std::optional<std::size_t> Choose(Text, Text, const std::vector<std::string>& items) override {
    std::string text;
    for (Text item : items) text += item + '|';
    const std::string reply = answer("choose", text);  // the items, each ended by "|"
    return reply.empty() ? std::nullopt : std::optional<std::size_t>(std::stoul(reply));
  }
  std::string PickFolder(Text title, Text) override { return answer("pick", title); }
  std::unique_ptr<velmora::desktop::Progress> StartProgress(Text, Text) override;

 private:
  ScriptedDialogs& expect(const char* kind, std::string a) {
    return script_.push_back({kind, a}), *this;
  }
  std::string answer(const char* kind, const std::string& text);

  std::deque<Shown> script_;  // kind and answer
  std::vector<Shown> shown_;
  int cancelAt_ = -1, updates_ = 0, progressOpen_ = 0;
};

// Records the addresses the program asks the desktop to open, instead of opening them, and
// the files it asks a program to open ("id: path path"), offering the programs planted.
class RecordingLauncher final : public velmora::desktop::UrlLauncher {
 public:
  using Apps = std::vector<velmora::desktop::Application>;
  bool OpenUrl(const std::string& url) override { return urls.push_back(url), opens; }
  Apps ApplicationsFor(const std::string&) override { return apps; }
  Apps AllApplications() override { return all; }
  bool OpenWith(const std::string& id, const std::vector<std::string>& paths) override {
    std::string line = id + ":";
    for (const std::string& path : paths) line += " " + path;
    return urls.push_back(line), opens;
  }
  Apps apps, all;
  std::vector<std::string> urls;
  bool opens = true;  // false: as if no program were set for any address
};
