// A data race on purpose, for the ThreadSanitizer pass alone: a thread of ours appends to
// a PathList while the owner thread reads it in a call Qt's event loop makes, as the
// browser's threads and the window do. The pass fails unless this is reported, so that
// no suppression can hide a race whose racing frames are ours.

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <thread>

#include "catalogue/path_list.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  velmora::catalogue::PathList files;
  QTimer::singleShot(0, &app, [&files] {
    std::jthread writer([&files] { files.push_back("/planted/name"); });
    std::printf("%zu\n", files.size());  // unguarded while the writer may run
    writer.join();
    QCoreApplication::quit();
  });
  return QCoreApplication::exec();
}
