#include "support/scripted_dialogs.h"

#include <QtTest>

namespace {
const char* nameOf(ScriptedDialogs::Kind kind) {
  static constexpr const char* kNames[] = {"confirm", "input", "yesno", "replace", "error", "pick"};
  return kNames[static_cast<int>(kind)];
}
}  // namespace

std::string ScriptedDialogs::summary() const {
  std::string out;
  for (const Shown& s : shown_) out += (out.empty() ? "" : " ") + std::string(nameOf(s.kind));
  return out;
}

std::string ScriptedDialogs::answer(Kind kind, const std::string& text) {
  shown_.push_back({kind, text});
  if (script_.empty() || script_.front().kind != kind) {
    const std::string message = std::string("unexpected ") + nameOf(kind) + " dialog: " + text;
    QTest::qFail(message.c_str(), __FILE__, __LINE__);
    return {};  // as if cancelled
  }
  std::string reply = script_.front().text;
  script_.pop_front();
  return reply;
}

bool ScriptedDialogs::Confirm(const std::string& text, const std::string&) {
  return !answer(Kind::Confirm, text).empty();
}

std::string ScriptedDialogs::Input(const std::string& prompt, const std::string&,
                                   const std::string& preset) {
  return answer(Kind::Input, prompt + " [" + preset + "]");
}

bool ScriptedDialogs::AskYesNo(const std::string& question, const std::string&) {
  return !answer(Kind::YesNo, question).empty();
}

velmora::platform::Answer ScriptedDialogs::AskReplace(const std::string& question,
                                                      const std::string&) {
  const std::string reply = answer(Kind::Replace, question);
  return reply.empty() ? velmora::platform::Answer::Cancel
                       : static_cast<velmora::platform::Answer>(reply[0] - '0');
}

void ScriptedDialogs::ShowError(const std::string& text, const std::string&) {
  answer(Kind::Error, text);
}

std::string ScriptedDialogs::PickFolder(const std::string& title) {
  return answer(Kind::PickFolder, title);
}

std::unique_ptr<velmora::platform::Progress> ScriptedDialogs::StartProgress(const std::string&,
                                                                            const std::string&) {
  class ScriptedProgress final : public velmora::platform::Progress {
   public:
    explicit ScriptedProgress(ScriptedDialogs& owner) : owner_(owner) {}
    bool Update(std::uint64_t, std::uint64_t) override {
      if (owner_.duringProgress) owner_.duringProgress();
      return ++owner_.updates_ != owner_.cancelAt_;
    }

   private:
    ScriptedDialogs& owner_;
  };
  return std::make_unique<ScriptedProgress>(*this);
}
