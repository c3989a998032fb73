// velmora: the window program.

#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalogue/store.h"
#include "desktop/qt_services.h"
#include "desktop/single_instance.h"
#include "desktop/translations.h"
#include "mainwindow/form1.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/threads.h"
#include "platform/window_args.h"

namespace {

// The README that ships with the program, which the credit line opens: beside an
// unpacked copy, in an installed copy's share/doc, or at the top of the tree that
// build/app/velmora was built in. Found from the executable alone, so an installed copy
// holds no trace of where it was built.
std::string FindReadme(const std::string& appDir) {
  for (const std::string& candidate :
       {appDir + "/README.md", appDir + "/../share/doc/velmora/README.md",
        appDir + "/../../README.md"}) {
    if (QFileInfo::exists(QString::fromStdString(candidate))) {
      return QFileInfo(QString::fromStdString(candidate)).canonicalFilePath().toStdString();
    }
  }
  return {};
}

std::string CurrentFolder() {
  char cwd[PATH_MAX];
  return getcwd(cwd, sizeof cwd) != nullptr ? cwd : "";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velmora;
  platform::ShareOnePool();
  // Answered before anything needs a display.
  platform::WindowArgs args;
  if (const platform::Status parsed = platform::ParseWindowArgs(
          std::vector<std::string>(argv, argv + argc), CurrentFolder(), args);
      !parsed.ok()) {
    std::fprintf(stderr, "velmora: %s\n%s\n", parsed.message().c_str(), platform::kWindowUsage);
    return 2;
  }
  switch (args.action) {
    case platform::WindowArgs::Action::Help:
      std::fputs(platform::kWindowHelp, stdout);
      return 0;
    case platform::WindowArgs::Action::Version:
      std::puts("velmora " VELMORA_VERSION);
      return 0;
    case platform::WindowArgs::Action::Open:
      break;
  }
  // Qt sees its own options only: the folders, "--" and all, are ours.
  std::vector<char*> toolkitArgv;
  for (std::string& arg : args.toolkit) toolkitArgv.push_back(arg.data());
  int toolkitArgc = static_cast<int>(toolkitArgv.size());
  toolkitArgv.push_back(nullptr);
  QApplication app(toolkitArgc, toolkitArgv.data());
  QApplication::setApplicationName(QString::fromLatin1(desktop::kTitle));
  // Under a bare window manager no icon theme is set, and hicolor has no icons for file
  // types: the common desktop theme, where installed, gives the Type column its icons.
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == QStringLiteral("hicolor"))
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
  desktop::InstallTranslations(QLocale::system());
  const platform::CheckedFolders given = platform::CheckFolders(args.paths);
  if (!given.refused.empty())
    std::fprintf(stderr, "velmora: %s\n", platform::DescribeRefused(given.refused).c_str());

  // A window already running for the same folder list on the same display takes the
  // paths, which it checks for itself, and comes to the front instead.
  const std::string store = catalogue::StoreFileIn(platform::StoreDirectory());
  const std::string display =
      platform::DisplayName(QGuiApplication::platformName().toStdString(), args.display,
                            std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
  // Without a private folder the window runs on its own, as the only one: nothing to say.
  std::string privateFolder;
  (void)platform::PrivateFolder(std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"), geteuid(),
                                privateFolder);
  desktop::SingleInstance instance(
      desktop::InstanceAddressIn(privateFolder, platform::InstanceKey(store, display)));
  // As said on standard error: 1 once a path was refused, the other folders taken all the same.
  const int refused = given.refused.empty() ? 0 : 1;
  if (instance.HandOverOrListen(args.paths)) return refused;

  desktop::QtDialogs dialogs;
  desktop::DesktopUrlLauncher launcher;
  desktop::Shell shell(dialogs, launcher);
  const std::string appDir = platform::ApplicationDirectory();
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  int status = 0;
  {
    mainwindow::Form1 form(
        {store, FindReadme(appDir), (config + QStringLiteral("/velmora/window.conf")).toStdString(),
         (config + QStringLiteral("/velmora/searches.conf")).toStdString()},
        shell);
    const auto open = [&form](const platform::CheckedFolders& checked) {
      form.OpenFolders(checked.folders, checked.refused.empty()
                                            ? std::string()
                                            : platform::DescribeRefused(checked.refused));
    };
    QObject::connect(&instance, &desktop::SingleInstance::Received, &form,
                     [&form, &open](const std::vector<std::string>& more) {
                       desktop::RaiseWindow(form);
                       open(platform::CheckFolders(more));
                     });
    form.RestoreState(given.folders.empty());
    form.show();
    open(given);
    status = QApplication::exec();
  }  // the window's background work is asked to stop, and waited for by nobody
  const int code = status != 0 ? status : refused;
  // A thread blocked in the file system (a file on a share whose server is gone) would
  // hold the process for as long: what it would bring is not needed any more, and every
  // change the user made was saved when it was made.
  if (!platform::WorkersEnded(std::chrono::milliseconds(300))) {
    std::fflush(nullptr);
    std::_Exit(code);
  }
  return code;
}
