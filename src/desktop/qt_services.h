#pragma once
// The Qt side of the seam: real dialogs, the desktop's URL handling, the event loop.

#include "desktop/dialogs.h"
#include "desktop/shell.h"

namespace velmora::desktop {

class QtDialogs final : public Dialogs {
 public:
  bool Confirm(const std::string& text, const std::string& title) override;
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& preset) override;
  bool AskYesNo(const std::string& question, const std::string& title) override;
  Answer AskReplace(const std::string& question, const std::string& title) override;
  void ShowError(const std::string& text, const std::string& title) override;
  std::optional<std::vector<std::string>> EditNames(const std::string& title,
                                                    const std::vector<std::string>& names) override;
  std::optional<std::size_t> Choose(const std::string& title, const std::string& prompt,
                                    const std::vector<std::string>& items) override;
  // Modal: a command waits on the answer (see qt_services.cpp).
  std::string PickFolder(const std::string& title, const std::string& start) override;
  void PickFolderLater(const std::string& title, const std::string& start,
                       std::function<void(const std::string&)> chosen) override;
  std::unique_ptr<Progress> StartProgress(const std::string& title,
                                          const std::string& text) override;
};

class DesktopUrlLauncher final : public UrlLauncher {
 public:
  bool OpenUrl(const std::string& url) override;
  // From the desktop's registry of programs (desktop_apps.cpp); the window's thread only.
  std::vector<Application> ApplicationsFor(const std::string& path) override;
  std::vector<Application> AllApplications() override;
  bool OpenWith(const std::string& id, const std::vector<std::string>& paths) override;
};

// Runs the window events that are waiting, then returns.
void ProcessPendingEvents();

}  // namespace velmora::desktop
