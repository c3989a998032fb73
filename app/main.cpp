// velmora: the window program.

#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalogue/store.h"
#include "mainwindow/form1.h"
#include "platform/files.h"
#include "platform/qt_services.h"
#include "platform/single_instance.h"

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

}  // namespace

int main(int argc, char** argv) {
  using namespace velmora;
  // Answered before anything needs a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::puts("velmora " VELMORA_VERSION);
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  // A window already running takes the folders and comes to the front instead.
  const std::vector<std::string> folders = platform::CommandLineFolders(argc, argv);
  platform::SingleInstance instance(
      platform::InstanceAddressFor(std::getenv("XDG_RUNTIME_DIR"), getuid()));
  if (instance.HandOverOrListen(folders)) return 0;

  platform::QtDialogs dialogs;
  platform::DesktopUrlLauncher launcher;
  platform::Shell shell(dialogs, launcher);
  const std::string appDir = platform::ApplicationDirectory();
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  mainwindow::Form1 form({catalogue::StoreFileIn(platform::StoreDirectory()), FindReadme(appDir),
                          (config + QStringLiteral("/velmora/window.conf")).toStdString()},
                         shell);
  QObject::connect(&instance, &platform::SingleInstance::Received, &form,
                   [&form](const std::vector<std::string>& more) {
                     form.OpenFolders(more);
                     platform::RaiseWindow(form);
                   });
  form.RestoreState(folders.empty());
  form.show();
  form.OpenFolders(folders);
  return QApplication::exec();
}
