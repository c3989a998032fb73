// velmora: the window program.

#include <QApplication>
#include <QFileInfo>

#include "catalogue/store.h"
#include "mainwindow/form1.h"
#include "platform/files.h"
#include "platform/qt_services.h"

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
