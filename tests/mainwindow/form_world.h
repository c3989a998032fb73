#pragma once
// A main window over a temporary store and tree, answered by scripted dialogs.

#include <QListWidget>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "mainwindow/form1.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"
#include "widgets/tag_bar.h"
#include "widgets/tag_panel.h"
#include "widgets/twips.h"

namespace velmora::testing {

struct World {
  explicit World(const std::string& storeText = {}) { Start(storeText); }
  void Start(const std::string& storeText) {
    if (!storeText.empty()) dir.createFile("folders.txt", storeText);
    form = std::make_unique<mainwindow::Form1>(
        mainwindow::FormSettings{dir / "folders.txt", dir / "README.md", stateFile, searchesFile},
        shell);
    if (!stateFile.empty()) form->RestoreState(true);  // as the program starts
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qWarning("window not exposed");
  }
  template <class T>
  T* find(const char* name) const {
    return form->findChild<T*>(QString::fromLatin1(name));
  }
  widgets::TagPanel& panel() const { return *find<widgets::TagPanel>("oTagPanel"); }
  widgets::TagBar& bar() const { return *find<widgets::TagBar>("oTagBar"); }
  void select(int folder) const {
    find<QListWidget>("lstFolders")->setCurrentRow(folder);
    settle();
  }
  // Waits for the shown folder's load, and what it handed over, to be taken in.
  void settle() const { QTRY_VERIFY(!form->Loading()); }
  std::vector<std::string> files() const {
    settle();
    std::vector<std::string> out;
    for (int r = 0; r < form->Files().rowCount(); ++r) out.push_back(form->Files().PathAt(r));
    return out;
  }
  static std::vector<std::string> chips(const widgets::ChipContainer& c) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < c.Count(); ++i) out.push_back(c.Chip(i).text);
    return out;
  }
  // A point on the chip of text; (-1, -1) when there is none.
  static QPoint at(const widgets::ChipContainer& c, const std::string& text) {
    std::size_t i = 0;
    while (i < c.Count() && c.Chip(i).text != text) ++i;
    if (i == c.Count()) return {-1, -1};
    const auto g = c.Chip(i).geometry;
    return {static_cast<int>(widgets::TwipsToPixels(g.left + 100)),
            static_cast<int>(widgets::TwipsToPixels(g.top + g.height / 2))};
  }
  static void click(widgets::ChipContainer& c, const std::string& text) {
    QVERIFY2(at(c, text).x() >= 0, text.c_str());
    QTest::mouseClick(&c, Qt::LeftButton, {}, at(c, text));
  }
  std::string store() const { return dir.read("folders.txt"); }
  // Chooses item of the menu a right-click opens; "Sub/Item" in a menu of it.
  static void menu(QWidget& w, const char* item, QPoint at = {1, 1}) {
    QTimer::singleShot(0, [path = QString(item)] {
      QList<QAction*> actions = QApplication::activePopupWidget()->actions();
      for (const QString& step : path.split('/'))
        for (QAction* a : std::exchange(actions, {}))
          if (a->text() == step) a->menu() ? void(actions = a->menu()->actions()) : a->trigger();
      QApplication::activePopupWidget()->close();
    });
    emit w.customContextMenuRequested(at);
  }

  TestDir dir;
  std::string stateFile, searchesFile;
  ScriptedDialogs dialogs;
  RecordingLauncher launcher;
  desktop::Shell shell{dialogs, launcher};
  std::unique_ptr<mainwindow::Form1> form;
};

}  // namespace velmora::testing
