// velmora: the window program.

#include <QApplication>
#include <QFileInfo>

#include "catalogue/store.h"
#include "mainwindow/form1.h"
#include "platform/files.h"
#include "platform/qt_services.h"

namespace {

// The README that ships with the program, which the credit line opens.
std::string FindReadme(const std::string& appDir) {
  for (const std::string& candidate :
       {appDir + "/README.md", appDir + "/../share/doc/velmora/README.md",
        appDir + "/../../README.md", std::string(VELMORA_SOURCE_DIR) + "/README.md"}) {
    if (QFileInfo::exists(QString::fromStdString(candidate))) {
      return QFileInfo(QString::fromStdString(candidate)).canonicalFilePath().toStdString();
    }
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  velmora::platform::QtDialogs dialogs;
  velmora::platform::DesktopUrlLauncher launcher;
  velmora::platform::Shell shell(dialogs, launcher);
  const std::string appDir = velmora::platform::ApplicationDirectory();
  velmora::mainwindow::Form1 form(
      {velmora::catalogue::StoreFileIn(velmora::platform::StoreDirectory()), FindReadme(appDir)},
      shell);
  form.show();
  return QApplication::exec();
}
