#include "support/scripted_dialogs.h"

#include <QtTest>

std::string ScriptedDialogs::answer(const char* kind, const std::string& text) {
  shown_.push_back({kind, text});
  if (progressOpen_ > 0)  // it would sit over the question, its Cancel live
    QTest::qFail(("dialog over a progress window: " + text).c_str(), __FILE__, __LINE__);
  if (script_.empty() || script_.front().kind != kind) {
    QTest::qFail(("unexpected " + (kind + (" dialog: " + text))).c_str(), __FILE__, __LINE__);
    return {};  // as if cancelled
  }
  const std::string reply = script_.front().text;
  return script_.pop_front(), reply;
}

std::optional<std::vector<std::string>> ScriptedDialogs::EditNames(
    Text, const std::vector<std::string>& names) {
  std::string shown;
  for (const std::string& name : names) shown += name + '\n';
  const std::string reply = answer("names", shown);
  if (reply.empty()) return std::nullopt;
  std::vector<std::string> out;
  for (std::size_t from = 1; from < reply.size(); from = reply.find('\n', from) + 1)
    out.push_back(reply.substr(from, reply.find('\n', from) - from));
  return out;
}

std::unique_ptr<velmora::desktop::Progress> ScriptedDialogs::StartProgress(Text, Text) {
  struct Scripted final : velmora::desktop::Progress {
    explicit Scripted(ScriptedDialogs& o) : owner(o) { ++owner.progressOpen_; }
    ~Scripted() override { --owner.progressOpen_; }
    bool Update(std::uint64_t done, std::uint64_t total) override {
      if (done > total) QTest::qFail("progress beyond its total", __FILE__, __LINE__);
      return ++owner.updates_ != owner.cancelAt_;
    }
    ScriptedDialogs& owner;
  };
  return std::make_unique<Scripted>(*this);
}
