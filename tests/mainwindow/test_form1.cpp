#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include "catalogue/listing_cache.h"
#include "catalogue/scan.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/form_layout.h"
#include "mainwindow/form_world.h"
#include "platform/files.h"
#include "platform/visible_text.h"
#include "support/faulty_fs.h"

using namespace velmora;
using testing::World;
using Strings = std::vector<std::string>;

// The store ("P": the folder, ";" ends a line), the record selected, the file as another
// program left it, the button, the user tags shown; the file and selection after, and
// whether an error window shows.
struct SamePath {
  const char* store;
  int selected;
  const char *changed, *button, *chips, *after;
  int selectedAfter;
  bool error;
};
Q_DECLARE_METATYPE(SamePath)

static std::string exampleStore(const TestDir& tree) {
  tree.createFile("Beach Trip.jpg"), tree.createFile("sub/beach-party.JPG");
  return tree.path() + "\r\nfamily,trip,\r\n";
}

class TestForm1 : public QObject {
  Q_OBJECT
  TestHome home_;

 private slots:
  // A load says what could not be read; chips move between the panel and the filter bar, and
  // the list (its tooltip: how many) follows them, the match mode and user tags.
  void loadAndFilter() {
    TestDir tree;
    World w(exampleStore(tree) + tree / "gone" + "\r\n\r\n");
    auto* list = w.find<QAbstractItemView>("lstFiles");
    const auto status = [&] { return w.find<QLabel>("lblStatus")->text(); };
    w.select(1);
    const auto heard = QAccessible::queryAccessibleInterface(w.find<QLabel>("lblStatus"));
    QCOMPARE(heard->text(QAccessible::Name), QString("1 folder could not be read"));
    w.select(0);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal, Qt::AccessibleTextRole), "Path");
    World::click(w.panel(), "party");
    QCOMPARE(World::chips(w.bar()), Strings{"party"});
    QCOMPARE(w.files(), Strings{tree / "sub/beach-party.JPG"});
    QCOMPARE(list->toolTip() + status(), QString("1 of 2 files"));  // not in the status line
    World::click(w.panel(), "trip");
    QCOMPARE(w.files(), Strings{});
    w.find<QRadioButton>("optTagAny")->click();
    QCOMPARE(w.files().size(), std::size_t{2});
    World::click(w.bar(), "party");  // back to the end of the panel
    QCOMPARE(World::chips(w.panel()), (Strings{"beach", "jpg", "family", "party"}));
    QCOMPARE(w.files(), Strings{tree / "Beach Trip.jpg"});
    // Excluded from the panel's menu: struck through, it leaves files out.
    World::menu(w.panel(), "Exclude \u201Cbeach\u201D", {5, 5});
    QVERIFY(w.bar().Chip(1).excluded &&
            World::chips(w.panel()) == (Strings{"jpg", "family", "party"}));
    QCOMPARE(w.files(), Strings{});
    World::click(w.bar(), "beach");
    // A user tag: into the bar lower-cased, the store as typed; "" cancels, "\n" is refused.
    w.dialogs.input("PARTY").input("").input("a\nb").error();
    for (int i = 0; i < 3; ++i) w.find<QPushButton>("cmdAddUserTag")->click();
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.store(), tree.path() + "\r\nfamily,trip,PARTY,\r\n" + tree / "gone" + "\r\n\r\n");
    QCOMPARE(World::chips(w.bar()), (Strings{"trip", "party"}));
    QCOMPARE(w.files().size(), std::size_t{2});
    w.find<QCheckBox>("chkAutoTags")->click();  // reloads without auto tags, the bar emptied
    w.settle();
    QCOMPARE(World::chips(w.panel()), (Strings{"family", "trip", "PARTY"}));
    World::menu(w.bar(), "Keep Filter After Commands");  // or kept, by choice
    World::click(w.panel(), "trip");
    w.find<QCheckBox>("chkAutoTags")->click();
    w.settle();
    QCOMPARE(World::chips(w.bar()), (Strings{"trip"}));
    ::unlink((tree / "Beach Trip.jpg").c_str());
    QTRY_COMPARE(list->accessibleDescription(), QString("%1 of 1 file").arg(w.files().size()));
  }

  // A record holding NUL is named at start, kept aside; "+" keeps another window's folders,
  // adds a listed folder again (not shown), refuses a line break; "-" removes the folder
  // shown, wherever it stands; a store that cannot be read is left as it is.
  void addAndRemoveFolders() {
    TestDir tree;
    World w;
    w.dialogs.error();
    const std::string refused = "/a" + std::string(1, '\0') + "/b\r\n\r\n";
    w.Start(exampleStore(tree) + refused);
    QVERIFY(w.dialogs.shown().at(0).text.find("/a\\u0000/b - ") != std::string::npos);
    w.select(0);
    auto* folders = w.find<QListWidget>("lstFolders");
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      folders->visualItemRect(folders->item(0)).center());
    QCOMPARE(w.form->SelectedFolder(), 0);  // Ctrl+click keeps the folder shown
    w.dir.createFile("folders.txt", w.store() + "/elsewhere\r\n\r\n");
    const std::string odd = tree / "\u202Ecod.exe";
    w.dialogs.pickFolder("").pickFolder(odd).pickFolder(tree.path());  // a second record of it
    w.dialogs.pickFolder(tree / "odd\nname").error();
    for (int i = 0; i < 4; ++i) w.find<QPushButton>("cmdAddFolder")->click();
    QVERIFY(w.dialogs.allAnswered());
    const std::string two = tree.path() + "\r\nfamily,trip,\r\n/elsewhere\r\n\r\n";
    QCOMPARE(w.store(), two + odd + "\r\n\r\n" + tree.path() + "\r\n\r\n" + refused);
    QCOMPARE(w.form->SelectedFolder() + int(w.files().size()), 2);  // the first, still loaded
    w.select(2);
    QCOMPARE(folders->item(2)->text(), QString("\\u202Ecod.exe"));
    QCOMPARE(w.form->windowTitle(), QString::fromStdString("Velmora - " + tree / "\\u202Ecod.exe"));
    w.find<QPushButton>("cmdRemoveFolder")->click();
    QCOMPARE(w.store(), two + tree.path() + "\r\n\r\n" + refused);
    QCOMPARE(w.files(), Strings{});
    QVERIFY(!w.find<QWidget>("cmdAddUserTag")->isVisible());
    w.find<QPushButton>("cmdRemoveFolder")->click();  // nothing shown: nothing happens
    w.form->OpenFolders({"/elsewhere", odd});
    QCOMPARE(w.store(), two + tree.path() + "\r\n\r\n" + odd + "\r\n\r\n" + refused);
    QCOMPARE(w.form->SelectedFolder(), 3);
    std::optional<platform::ExclusiveLock> held(std::in_place, w.dir / "folders.txt.lock");
    QTimer::singleShot(50, [&] { w.form->OpenFolders({tree / "sub"}), held.reset(); });
    w.find<QPushButton>("cmdRemoveFolder")->click();  // waits; folders given meanwhile come after
    QCOMPARE(w.store(), two + tree.path() + "\r\n\r\n" + tree / "sub" + "\r\n\r\n" + refused);
    w.dialogs.error();  // a flood of refused paths, each long, stays a short message
    w.form->OpenFolders(Strings(100, tree / (std::string(5000, 'x') + "\n")));
    const std::string& flood = w.dialogs.shown().back().text;
    QVERIFY2(flood.size() < 1000 && flood.ends_with("cannot be stored.\nand 95 more"),
             flood.c_str());
    ::unlink((w.dir / "folders.txt").c_str());
    w.dir.createDir("folders.txt");
    w.dialogs.pickFolder("/new").error();
    w.find<QPushButton>("cmdAddFolder")->click();
    QVERIFY(w.dialogs.allAnswered() && folders->count() == 4);
  }

  // A command acts on the record selected, not on the first of its path, also after another
  // program changed the file; a record gone takes its user tags along.
  void samePathRecords_data() {
    QTest::addColumn<SamePath>("c");
    const auto row = [](const char* name, SamePath c) { QTest::newRow(name) << c; };
    row("tag on the second",
        {"P;u1,;P;u2,;", 1, "", "AddUserTag", "u2", "P;u1,;P;u2,t,;", 1, false});
    row("remove the second", {"P;u1,;P;u2,;", 1, "", "RemoveFolder", "u2", "P;u1,;", -1, false});
    row("remove the first",
        {"P;u1,;P;u2,;P;;", 0, "", "RemoveFolder", "u1", "P;u2,;P;;", -1, false});
    row("one gone before it",
        {"Q;;P;u1,;P;u2,;", 2, "P;u1,;P;u2,;", "AddUserTag", "u2", "P;u1,;P;u2,t,;", 1, false});
    row("one of the path gone",
        {"P;u1,;P;u2,;", 1, "P;u2,;", "AddUserTag", "u2", "P;u2,;", -1, true});
    // A user tag renamed in the bar, removed in the panel; +Z: Ctrl+Z, after the file changed
    // as changed says.
    row("rename in the bar", {"P;u1,;P;u2,;", 1, "", "RenameTag", "u2", "P;u1,;P;t,;", 1, false});
    row("remove, Ctrl+Z", {"P;u1,;P;u2,;", 1, "", "RemoveTag+Z", "u2", "P;u1,;P;u2,;", 1, false});
    row("-, Ctrl+Z", {"P;u1,;P;u2,;", 0, "", "RemoveFolder+Z", "u1", "P;u1,;P;u2,;", -1, false});
    row("-, its neighbour gone, Ctrl+Z",
        {"Q;;P;u1,;P;u2,;", 1, "Q;;", "RemoveFolder+Z", "u1", "Q;;", -1, true});
  }
  void samePathRecords() {
    QFETCH(SamePath, c);
    TestDir tree;
    const auto text = [p = tree / "P"](const char* s) {
      return QByteArray(s).replace(';', "\r\n").replace('P', p.c_str()).toStdString();
    };
    World w(text(c.store));
    w.select(c.selected);
    QCOMPARE(World::chips(w.panel()), Strings{c.chips});
    const QString button = c.button;
    const bool undo = button.endsWith("+Z");
    if (*c.changed && !undo) w.dir.createFile("folders.txt", text(c.changed));
    if (button == "AddUserTag" || button == "RenameTag") w.dialogs.input("t");
    if (c.error) w.dialogs.error();
    if (button.contains("Tag+") || button == "RenameTag") {
      widgets::ChipContainer* chips = &w.panel();
      if (button == "RenameTag") World::click(w.panel(), c.chips), chips = &w.bar();
      World::menu(*chips, button == "RenameTag" ? "Rename Tag\u2026" : "Remove Tag",
                  World::at(*chips, c.chips));
      QCOMPARE(World::chips(w.bar()), button == "RenameTag" ? Strings{"t"} : Strings{});
    } else {
      w.find<QPushButton>(("cmd" + button.section('+', 0, 0)).toLatin1())->click();
    }
    if (undo) {
      if (*c.changed) w.dir.createFile("folders.txt", text(c.changed));
      w.form->activateWindow();  // as a window manager does once a menu closed
      QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
      QTest::keyClick(w.form->focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    }
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.store(), text(c.after));
    QCOMPARE(w.form->SelectedFolder(), c.selectedAfter);
    if (w.form->SelectedFolder() < 0) QVERIFY(World::chips(w.panel()).empty());  // its tags went
    if (button.contains("Tag") && c.selectedAfter >= 0)  // one in the bar stays there
      QCOMPARE(World::chips(w.panel()), button == "RenameTag" ? Strings{} : Strings{c.chips});
  }

  // The keys act on the file list where it has the focus. A command's words stand on the status
  // line over the rescan it starts, which empties the filter bar. undo: then Ctrl+Z, or the
  // menu's entry of that name.
  void commandKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("status");
    QTest::addColumn<Strings>("left");
    const QString none;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "Delete Complete" << Strings{"b"};
    QTest::newRow("Delete, the menu's Undo") << int(Qt::Key_Delete) << "Undo Delete of 1 file"
                                             << "Undo Complete" << Strings{"a", "b"};
    QTest::newRow("F2") << int(Qt::Key_F2) << none << none << Strings{"b", "c"};
    QTest::newRow("F2, Ctrl+Z") << int(Qt::Key_F2) << "Ctrl+Z"
                                << "Undo Complete" << Strings{"a", "b"};
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << none << Strings{"a", "b"};
  }
  void commandKeys() {
    QFETCH(int, key);
    QFETCH(QString, undo);
    TestDir tree;
    tree.createFile("a"), tree.createFile("b");
    World w(tree.path() + "\r\n\r\n");
    w.select(0);
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    list.selectionModel()->setCurrentIndex(w.form->Files().index(w.files().at(0) != tree / "a"),
                                           QItemSelectionModel::Select);
    if (key == Qt::Key_Delete) w.dialogs.confirm(true);
    if (key == Qt::Key_F2) w.dialogs.input("c");
    w.bar().AddItem("marker");
    list.setFocus(), QTest::keyClick(&list, Qt::Key(key));
    if (undo == "Ctrl+Z") w.settle(), QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
    if (undo.startsWith("Undo ")) w.settle(), World::menu(list, qPrintable(undo));
    QVERIFY(w.dialogs.allAnswered());
    QTRY_VERIFY(w.form->Browser().Progress().following && !w.form->Loading());  // a reread too
    QTEST(w.find<QLabel>("lblStatus")->text(), "status");
    QTEST(entriesOf(tree.path()), "left");
    QCOMPARE(w.bar().Count() == 0, key != Qt::Key_Return);
    QCOMPARE(w.launcher.urls,
             key == Qt::Key_Return ? Strings{desktop::FileUrl(tree / "a")} : Strings{});
  }

  // Open With offers the desktop's programs for the current file, its default first, and a
  // choice among all; the files chosen open with the one taken, a failure said as Open's is.
  // apps: the programs known ("*" the default); pick: the entry taken, then the one chosen
  // among all ("-" Cancel); both: with both files chosen, else the current one.
  void openWith_data() {
    for (const char* column : {"apps", "menu", "pick", "opened"}) QTest::addColumn<QString>(column);
    QTest::addColumn<bool>("both");
    QTest::addColumn<bool>("fails");
    const QString other = "Other Application\u2026";
    QTest::newRow("default") << "*Viewer Edit&or"
                             << "Viewer|-|Edit&&or|-|" + other << "Viewer"
                             << "Viewer:" << true << false;
    QTest::newRow("no default") << "Viewer Editor"
                                << "Viewer|Editor|-|" + other << "Editor"
                                << "Editor:" << false << false;
    QTest::newRow("none known") << "" << other << other + "/1"
                                << "Beta:" << true << false;
    QTest::newRow("none chosen") << "" << other << other + "/-"
                                 << "" << true << false;
    QTest::newRow("fails") << "*Viewer"
                           << "Viewer|-|" + other << "Viewer"
                           << "Viewer:" << false << true;
  }
  void openWith() {
    QFETCH(QString, apps);
    QFETCH(QString, pick);
    QFETCH(QString, opened);
    QFETCH(bool, both);
    TestDir tree;
    tree.createFile("a\xff.txt"), tree.createFile("b.txt");
    World w(tree.path() + "\r\n\r\n");
    w.select(0);
    for (const QString& app : apps.split(' ', Qt::SkipEmptyParts))
      w.launcher.apps.push_back({app.mid(app.startsWith('*')).toStdString(),
                                 app.mid(app.startsWith('*')).toStdString(), app.startsWith('*')});
    w.launcher.all = {{"Alpha", "Alpha"}, {"Beta", "Beta"}};
    QFETCH(bool, fails);
    w.launcher.opens = !fails;
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    list.setCurrentIndex(w.form->Files().index(0));
    if (both) list.selectAll();
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
      for (QAction* a : QApplication::activePopupWidget()->actions())
        if (a->text() == "Open With")
          for (QAction* b : a->menu()->actions()) shown << (b->isSeparator() ? "-" : b->text());
      QApplication::activePopupWidget()->close();
    });
    emit list.customContextMenuRequested({1, 1});
    QTEST(shown.join('|'), "menu");
    if (pick.contains('/')) w.dialogs.choose(pick.endsWith('-') ? -1 : pick.back().digitValue());
    if (fails) w.dialogs.error();
    World::menu(list, qPrintable("Open With/" + pick.section('/', 0, 0)));
    QVERIFY(w.dialogs.allAnswered());
    std::string line = opened.toStdString();
    for (const std::string& file : w.files())
      if (both || file == w.form->Files().PathAt(0)) line += " " + file;
    QCOMPARE(w.launcher.urls, opened.isEmpty() ? Strings{} : Strings{line});
    if (fails)
      QCOMPARE(w.dialogs.shown().back().text, "Cannot open \"" +
                                                  platform::VisibleText(w.form->Files().PathAt(0)) +
                                                  "\": Viewer could not be started");
    if (pick.contains('/')) QCOMPARE(w.dialogs.shown().at(0).text, std::string("Alpha|Beta|"));
  }

  // A command pressed while the folder is read, or its kept listing checked (sorted or not),
  // lets the reading go on unless it changed files, when the folder is read again. Settled,
  // the rows are a fresh walk's, the row chosen stays unless the folder was read again, and
  // the line has the command's words. Answers: p pick "out", x cancel the picker, k/K OK or
  // Cancel to deleting, "-" no name.
  void commandWhileReading_data() {
    for (const char* column : {"state", "command", "answers", "status"})
      QTest::addColumn<QString>(column);
    for (const char* state : {"reading", "checking", "checking, sorted", "loaded"})
      for (const QString& c : QString("Open  ;Copy p Copy Complete;Copy x Copy cancelled;Delete K "
                                      ";Delete k Delete Complete;Move x Move cancelled;Rename - ")
                                  .split(';'))
        QTest::addRow("%s, %s", state, qPrintable(c.section(' ', 0, 1)))
            << state << c.section(' ', 0, 0) << c.section(' ', 1, 1) << c.section(' ', 2);
  }
  void commandWhileReading() {
    QFETCH(QString, state);
    QFETCH(QString, answers);
    FaultyFileSystem fs;
    HeldCalls held("/slow/");
    fs.opening = held.Hook();
    TestDir tree;
    for (const char* name : {"t/a", "t/b", "t/s/c", "t/s/slow/d", "out/o"}) tree.createFile(name);
    for (int i = 0; i < 200; ++i) tree.createFile("t/s/f" + std::to_string(i));  // to scroll
    World w(tree / "t" + "\r\n\r\n" + tree / "out" + "\r\n\r\n");
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    const bool sorted = state.endsWith("sorted"), checking = state.startsWith("checking");
    if (sorted) World::menu(list, "Sort By/Name");
    if (state != "reading") w.select(0);
    if (checking) {  // shown before, changed since (not just before its watch), chosen again
      QTRY_VERIFY(QFileInfo::exists(QString::fromStdString(catalogue::ListingFile(tree / "t"))));
      w.select(1);
      ::unlink((tree / "t/b").c_str()), tree.createFile("t/0new"), tree.createFile("t/0new2");
      namespace fs = std::filesystem;
      fs::last_write_time(tree / "t", fs::last_write_time(tree / "t") - std::chrono::hours(1));
    }
    if (state != "loaded") held.Hold();
    w.find<QListWidget>("lstFolders")->setCurrentRow(0);
    // The row chosen: of t/s/c, which a fresh reading moves, else of t/a, read first.
    const std::string chosen = tree / (state == "reading" ? "t/a" : "t/s/c");
    const auto c = [&] {
      int r = 0;
      while (r < w.form->Files().rowCount() && w.form->Files().PathAt(r) != chosen) ++r;
      return w.form->Files().index(r);
    };
    QTRY_VERIFY(c().isValid() && w.form->Files().InOrder());
    QCOMPARE(w.form->Browser().Progress().checking, checking);
    list.selectionModel()->setCurrentIndex(c(), QItemSelectionModel::Select);
    list.scrollTo(c(), QAbstractItemView::PositionAtCenter);
    const int top = list.visualRect(c()).top();
    if (answers == "p" || answers == "x") w.dialogs.pickFolder(answers == "p" ? tree / "out" : "");
    if (answers.toLower() == "k") w.dialogs.confirm(answers == "k");
    if (answers == "-") w.dialogs.input("");
    QFETCH(QString, command);
    w.find<QPushButton>(qPrintable("cmd" + command))->click();
    QVERIFY(w.dialogs.allAnswered());
    held.Release();
    const catalogue::PathList scanned = catalogue::ScanFolder(tree / "t");
    Strings fresh(scanned.begin(), scanned.end());
    if (sorted)
      std::ranges::stable_sort(fresh, {}, [](auto& p) { return catalogue::FileNameOf(p); });
    w.settle();
    QTRY_VERIFY(w.form->Files().InOrder());
    QCOMPARE(w.files(), fresh);
    QVERIFY(!w.form->Browser().Progress().stopped);
    QTEST(w.find<QLabel>("lblStatus")->text(), "status");
    const bool reread = answers == "k" || (command == "Move" && state == "loaded");
    QCOMPARE(list.selectionModel()->selectedRows(),
             reread ? QModelIndexList{} : QModelIndexList{c()});
    QCOMPARE(list.currentIndex(), reread ? list.currentIndex() : c());
    QCOMPARE(list.visualRect(c()).top(), reread ? list.visualRect(c()).top() : top);  // in place
  }

  // The file list's menu chooses the row under it unless it is chosen already, copies the exact
  // bytes of the paths chosen, and puts the count in the status line. Space shows the current
  // row's tip, a picture's thumbnail joining it, named by its text; the tip goes with its folder.
  void fileMenuAndTip() {
    TestDir tree;
    tree.createFile("a/a\xff b"), tree.createFile("c/d.txt");
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(QString::fromStdString(tree / "a/red.png")));
    World w(tree / "a" + "\r\n\r\n" + tree / "c" + "\r\n\r\n");
    w.select(0);
    QTRY_VERIFY(w.form->Browser().Progress().following);
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    const QPoint second = list.visualRect(w.form->Files().index(1, 0)).center();
    const auto copied = [] {
      const QMimeData* data = QApplication::clipboard()->mimeData();
      return data ? data->data("text/plain").toStdString() : "nothing";
    };
    World::menu(list, "Copy Path", second);
    QCOMPARE(copied(), w.files()[1]);
    list.selectAll(), list.activateWindow(), list.setFocus();
    QTRY_VERIFY(list.hasFocus());
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(copied(), w.files()[0] + "\n" + w.files()[1]);
    World::menu(list, "Show Count in Status Line", second);
    QCOMPARE(w.find<QLabel>("lblStatus")->text(), QString("2 of 2 files"));
    const QModelIndex picture = w.form->Files().index(w.files()[0] != tree / "a/red.png");
    list.setCurrentIndex(picture);
    QTest::keyClick(&list, Qt::Key_Space);
    QTRY_VERIFY(QToolTip::text().startsWith("<img"));
    auto* tip = list.viewport()->findChild<QWidget*>("qtooltip_label");
    QVERIFY(tip != nullptr);
    QCOMPARE(QAccessible::queryAccessibleInterface(tip)->text(QAccessible::Name),
             picture.data(Qt::ToolTipRole).toString());
    w.select(1);
    QTRY_VERIFY(!QToolTip::isVisible());
    // A tag written into the chosen names from the list's menu, taken out from a chip's.
    w.dialogs.input("rome").confirm(true).confirm(true);
    World::menu(list, "Add Tag to Names…", list.visualRect(w.form->Files().index(0, 0)).center());
    QTRY_COMPARE(w.files(), Strings{tree / "c/d rome.txt"});
    World::click(w.panel(), "rome");
    QTRY_COMPARE(w.files(), Strings{tree / "c/d rome.txt"});
    World::menu(w.bar(), "Remove Tag from Names…", {5, 5});
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(entriesOf(tree / "c"), Strings{"d.txt"});
  }

  // The Menu key and Shift+F10 open the menu of the control with the focus, at its current
  // row; entries show the keys that do the same.
  void menusFromKeys_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("shiftF10");
    QTest::addColumn<QString>("menu");
    const QString files =
        "mnuFiles: Open Return, Copy Path Ctrl+Shift+C, Rename F2, Delete Del, "
        "Undo Ctrl+Z, Find\u2026 Ctrl+F";
    QTest::newRow("files, Menu") << "lstFiles" << false << files;
    QTest::newRow("files, Shift+F10") << "lstFiles" << true << files;
    QTest::newRow("folders") << "lstFolders" << true << "mnuFolders:";
    QTest::newRow("tags") << "oTagPanel" << false << "mnuTags:";
  }
  void menusFromKeys() {
    QFETCH(QString, control);
    QFETCH(bool, shiftF10);
    TestDir tree;
    tree.createFile("a b"), tree.createFile("c");
    World w(tree.path() + "\r\n\r\n");
    w.select(0);
    auto& list = *w.find<QAbstractItemView>("lstFiles");
    list.selectionModel()->setCurrentIndex(w.form->Files().index(1, 0),
                                           QItemSelectionModel::NoUpdate);
    QWidget* focus = w.find<QWidget>(qPrintable(control));
    focus->setFocus();
    QString shown = "none";
    QTimer::singleShot(0, [&shown] {
      QWidget* menu = QApplication::activePopupWidget();
      shown = menu->objectName() + ":";
      for (const QAction* a : menu->actions())
        if (!a->shortcut().isEmpty())
          shown += " " + a->text() + " " + a->shortcut().toString() + ",";
      shown.chop(shown.endsWith(',')), menu->close();
    });
    if (shiftF10)
      QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
    else
      QTest::keyClick(focus, Qt::Key_Menu);
    QTEST(shown, "menu");
    // The row the menu is for is the current one, chosen alone.
    QCOMPARE(list.selectionModel()->selectedRows().size(), int(control == "lstFiles"));
  }

  // The tag panel's bar shows at start, kept settings read. The panel scrolls to its end when
  // filled and when a chip leaves it, and with the wheel, through its bar. The window's height
  // moves neither bar nor panel, but a container too short for the chips gives the bar the range
  // they need.
  void scrollsToTheEnd() {
    TestDir tree;
    for (int i = 0; i < 60; ++i)
      tree.createFile("tag" + std::string{char('a' + i % 26), char('a' + i / 26)});
    World w;
    w.stateFile = w.dir / "window.conf";
    w.Start(tree.path() + "\r\n\r\n");
    auto* bar = w.find<QScrollBar>("VScroll1");
    QVERIFY(bar->isVisible());
    w.select(0);
    World::click(w.panel(), "tagab");
    QVERIFY(bar->isVisible() && bar->value() == bar->maximum() && bar->maximum() > 0);
    QCOMPARE(w.panel().y(), -widgets::TwipsToWholePixels(bar->maximum()));
    QWheelEvent up({5, 5}, w.panel().mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&w.panel(), &up);
    QCOMPARE(bar->value(), bar->maximum() - 3 * widgets::TagPanel::kRowHeight);
    QCOMPARE(w.panel().y(), -widgets::TwipsToWholePixels(bar->value()));
    QTest::keyClick(&w.panel(), Qt::Key_Home);  // the keyboard's chip comes into sight
    QCOMPARE(bar->value(), 0);
    const auto state = [&] {
      return QList<int>{bar->isVisible(), bar->maximum(), bar->value(), w.panel().y()};
    };
    const auto past = [&](int chips) {  // how far chips run past the container's end
      return chips * 300 - int(widgets::PixelsToTwips(w.find<QFrame>("picTagPanel")->height()));
    };
    const int height = w.form->height();
    bar->setValue(600);
    const QList<int> before = state();
    w.form->resize(w.form->width(), height + 60);  // taller: nothing moves
    QCOMPARE(state(), before);
    w.form->resize(w.form->width(), height - 60);  // shorter: the end in reach, from where it was
    QCOMPARE(state(), (QList<int>{1, past(59), 600, before[3]}));
    w.form->resize(w.form->width(), 1400);
    World::click(w.panel(), "tagac");  // redrawn, it fits: no bar, at the top
    QVERIFY(!bar->isVisible() && w.panel().y() == 0);
    w.form->resize(w.form->width(), height);
    QCOMPARE(state(), (QList<int>{1, past(58), 0, 0}));
  }

  // The status line's rules, without a window: a longer word is a command's; L, R a load, a
  // reread starts; K it checks a kept listing; fN N files more; E, S, U it ends, stops, stops
  // unchecked; G the folder went; n counts; N notes of the load. A load's words show while
  // true; the newer wins.
  void statusLine_data() {
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const QStringList& events, const char* text) {
      QTest::newRow(name) << events << QString(text);
    };
    row("progress", {"Moved", "L", "f5"}, "5 files…");
    row("one", {"L", "f1"}, "1 file…");
    row("stopped", {"Moved", "L", "f1", "S"}, "Stopped at 1 file");
    row("command after", {"L", "f4", "S", "Moved"}, "Moved");
    row("kept over loads", {"Moved", "L", "E", "L", "f2", "E", "R", "E"}, "Moved");
    row("checking", {"L", "K", "f1"}, "Checking 1 file listed earlier…");
    row("unchecked", {"Moved", "L", "K", "f3", "U"},
        "Not checked: 3 files listed as of an earlier reading");
    row("next load", {"L", "S", "L"}, "");
    row("count", {"L", "f4", "E", "n"}, "3 of 10 files");
    row("gone", {"Moved", "G"}, "The folder F is not there any more");
    row("noted", {"L", "E", "N"}, "Noted");
    row("note of the last", {"L", "E", "N", "L", "E"}, "");
    row("facts for the find", {"L", "E", "F", "n"}, "Reading sizes and dates\u2026");
  }
  void statusLine() {
    QFETCH(QStringList, events);
    mainwindow::StatusLine line;
    catalogue::LoadProgress p;
    for (const QString& e : events) {
      const QChar k = e[0];
      if (e.size() > 2) line.Say(e);
      if (e == "n") line.SetShowCount(true), line.Count(3, 10);
      if (e == "N") line.Note("Noted");
      if (k == 'L' || k == 'R') p = {.loading = true, .load = p.load + (k == 'L' ? 1U : 0U)};
      if (k == 'f') p.files += e.mid(1).toUInt();
      p.readingFacts = k == 'F';
      p.checking = p.checking || k == 'K';
      if (QStringLiteral("ESUG").contains(k) && e.size() == 1)
        p.loading = false, p.stopped = k != 'E', p.unchecked = k == 'U', p.gone = k == 'G';
      if (e.size() <= 2 && QStringLiteral("LRKfESUGF").contains(k)) line.Progress(p, "F");
    }
    QTEST(line.Text(), "text");
  }

  // The next start comes back at the size, folder and count in the status line it closed with,
  // the chips' order, the filter kept, the columns, the rows' order, whole-tag matching and
  // digits kept in tags and folders' words as tags (the folder is read again when those change).
  // Ctrl+F's field narrows the list by name and size until Esc, in red saying why when it
  // cannot read a size; a header click sorts by its column.
  void keepsItsState() {
    TestDir tree;
    tree.createFile("b2.txt", "12"), tree.createFile("a-BEACH.txt", "123");
    tree.createFile("beaches.txt", "1");
    World w;
    w.stateFile = w.dir / "config/window.conf";
    w.dir.createFile("config/window.conf", "[General]\ncountInStatus=true\n");
    QSize closed;
    for (int run = 0; run < 2; ++run) {
      w.Start(tree.path() + "\r\n\r\n" + tree / "gone" + "\r\n\r\n");
      w.settle();
      if (run > 0) break;
      w.form->resize(700, 500), w.select(0), closed = w.form->size();
      auto* list = w.find<QAbstractItemView>("lstFiles");
      QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
      auto* find = w.find<QLineEdit>("txtFind");
      QTest::keyClicks(find, "beach");
      QTRY_COMPARE(w.files().size(), std::size_t{2});
      QTest::keyClicks(find, " size:>abc");
      QTRY_COMPARE(find->toolTip(),
                   "Cannot read the size \u201c>abc\u201d: use a number with k, "
                   "M or G, as in size:>10M");
      QTRY_VERIFY(w.files().empty() && find->palette().color(QPalette::Text) == Qt::red);
      find->setText("BEACH size:>1");
      QTRY_COMPARE(w.files(), Strings{tree / "a-BEACH.txt"});
      QVERIFY(find->toolTip().isEmpty() && !find->testAttribute(Qt::WA_SetPalette));
      QTest::keyClick(find, Qt::Key_Escape);
      QVERIFY(!find->isVisible());
      QCOMPARE(w.files().size(), std::size_t{3});
      World::menu(*list, "Columns/Size");
      World::menu(*list, "Sort By/Name");
      QCOMPARE(w.files(), (Strings{tree / "a-BEACH.txt", tree / "b2.txt", tree / "beaches.txt"}));
      emit static_cast<mainwindow::FileTable*>(list)->horizontalHeader()->sectionClicked(1);
      QTRY_COMPARE(w.files().front(), tree / "beaches.txt");
      World::menu(w.panel(), "A to Z", {1, 1000});  // below the chips: their order
      World::menu(w.bar(), "Keep Filter After Commands");
      World::menu(w.bar(), "Match Whole Tags");
      QVERIFY(std::ranges::count(w.form->Browser().PanelChips(), "b") == 1);
      World::menu(w.panel(), "Keep Digits in Tags", {1, 1000});
      QTRY_VERIFY(std::ranges::count(w.form->Browser().PanelChips(), "b2") == 1);
      World::menu(w.panel(), "Tags from Folder Names", {1, 1000});
      QTRY_VERIFY(w.form->Browser().FolderWords());
      w.select(1), w.form->close();
    }
    const catalogue::Browser& kept = w.form->Browser();
    QVERIFY(kept.Order() == catalogue::ChipOrder::Name && kept.KeepFilter() && kept.WholeTags() &&
            kept.KeepDigits() && kept.FolderWords());
    QVERIFY(w.form->Files().Shows(mainwindow::Column::Size));
    QCOMPARE(w.form->size(), closed);
    QCOMPARE(w.form->SelectedFolder(), 1);
    QTRY_COMPARE(w.find<QLabel>("lblStatus")->text(),
                 QString::fromStdString("The folder " + tree / "gone" + " is not there any more"));
    w.select(0);
    QCOMPARE(w.find<QLabel>("lblStatus")->text(), QString("3 of 3 files"));
    QTRY_COMPARE(w.files().front(), tree / "beaches.txt");
    QTRY_VERIFY(std::ranges::count(kept.PanelChips(), "b2") == 1);
  }

  // All Folders Together lists each file of every folder once (one registered twice, one inside
  // another) with every user tag, and says so, also at the next start; a folder selected ends it.
  void allFoldersTogether() {
    TestDir tree;
    tree.createFile("a/x.jpg"), tree.createFile("a/in/y.png"), tree.createFile("b/z.txt");
    World w;
    w.stateFile = w.dir / "config/window.conf";
    const auto said = [&] {
      return w.form->windowTitle() + "|" + w.find<QLabel>("lblStatus")->text();
    };
    for (int run = 0; run < 2; ++run) {
      w.Start(tree / "a" + "\r\nfamily,\r\n" + tree / "a/in" + "\r\ntrip,\r\n" + tree / "b" +
              "\r\nfamily,\r\n" + tree / "a" + "\r\n\r\n");
      if (run == 0)
        w.select(0), World::menu(*w.find<QListWidget>("lstFolders"), "All Folders Together");
      QCOMPARE(w.files(), (Strings{tree / "a/x.jpg", tree / "a/in/y.png", tree / "b/z.txt"}));
      QCOMPARE(World::chips(w.panel()),
               (Strings{"x", "jpg", "y", "png", "z", "txt", "family", "trip"}));
      QCOMPARE(said(), QString("Velmora - All Folders|All folders: 3 files"));
      QCOMPARE(w.form->SelectedFolder(), -1);
      w.form->close();
    }
    w.form->show(), w.select(2), w.form->close();  // not kept once off: the file as before
    QCOMPARE(w.files(), Strings{tree / "b/z.txt"});
    QCOMPARE(said(), QString::fromStdString("Velmora - " + tree / "b|"));
    QVERIFY(w.dir.read("config/window.conf").find("allFolders") == std::string::npos);
  }

  // The find field shows what is looked for: a load that empties the bar closes it and lists
  // every file, in either mode; a reread kept to the filter keeps it; files made later obey it.
  void findTextFollowsLoads_data() {
    QTest::addColumn<QString>("load");
    for (const char* load : {"another folder", "Show Auto Tags", "Delete", "kept"})
      QTest::newRow(load) << QString(load);
  }
  void findTextFollowsLoads() {
    QFETCH(QString, load);
    const bool kept = load == "kept", other = load == "another folder";
    TestDir tree;
    for (const char* name : {"a/x 2019", "a/y", "a/z 2019", "b/b 2019"}) tree.createFile(name);
    World w(tree / "a" + "\r\n\r\n" + tree / "b" + "\r\n\r\n");
    w.find<QRadioButton>("optTagAny")->click();
    w.select(0);
    auto* list = w.find<QAbstractItemView>("lstFiles");
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    auto* find = w.find<QLineEdit>("txtFind");
    QTest::keyClicks(find, "2019");
    QTRY_COMPARE(w.files().size(), std::size_t{2});
    if (kept) World::menu(w.bar(), "Keep Filter After Commands");
    if (load == "Delete") w.dialogs.confirm(true), list->setCurrentIndex(w.form->Files().index(0));
    if (other)
      w.select(1);
    else
      w.find<QAbstractButton>(load == "Delete" ? "cmdDelete" : "chkAutoTags")->click();
    QTRY_VERIFY(w.form->Browser().Progress().following);
    QCOMPARE(find->isVisible() ? find->text() : "closed", kept ? "2019" : "closed");
    QCOMPARE(w.form->Browser().FindText(), kept ? "2019" : "");
    const std::size_t listed = w.files().size();
    QCOMPARE(listed, other ? 1 : kept ? 2 : 3 - (load == "Delete"));
    tree.createFile(other ? "b/c" : "a/c 2019"), tree.createFile("a/d");
    QTRY_COMPARE(w.files().size(), listed + (other || kept ? 1 : 2));
  }

  // A search saved from the bar's menu comes back in one load, its bar, mode, text looked for and
  // order, named in the caption until the bar changes; Manage renames; a search whose folder is
  // not registered any more says so and changes nothing.
  void savedSearches() {
    TestDir tree;
    World w;
    w.searchesFile = w.dir / "config/searches.conf";
    w.Start(exampleStore(tree) + "/elsewhere\r\n\r\n");
    w.select(0);
    World::click(w.panel(), "party"), World::click(w.panel(), "family");
    w.find<QRadioButton>("optTagAny")->click();
    auto* list = w.find<QAbstractItemView>("lstFiles");
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(w.find<QLineEdit>("txtFind"), "beach");
    World::menu(*list, "Sort By/Name");
    QTRY_COMPARE(w.files(), Strings{tree / "sub/beach-party.JPG"});
    w.dialogs.input("mine").input("mine").yesNo(true);
    for (int i = 0; i < 2; ++i) World::menu(w.bar(), "Save Search\u2026");  // then replaced
    World::click(w.bar(), "party"), World::menu(*list, "Sort By/Scan Order");
    w.find<QRadioButton>("optTagAll")->click(), w.select(1);
    // Its tags stay even where the folder has them no more.
    ::unlink((tree / "sub/beach-party.JPG").c_str()), tree.createFile("sub/family beach.png");
    World::menu(w.bar(), "Saved Searches/mine");
    QCOMPARE(w.files(), Strings{tree / "sub/family beach.png"});
    QCOMPARE(World::chips(w.bar()), (Strings{"party", "family"}));
    QVERIFY(w.find<QRadioButton>("optTagAny")->isChecked() && w.form->SelectedFolder() == 0);
    QCOMPARE(w.find<QLineEdit>("txtFind")->text() + w.form->windowTitle(),
             QString::fromStdString("beachVelmora - " + tree.path() + " \u2014 search mine"));
    QVERIFY(w.form->Files().Sort().key == catalogue::SortKey::Name);
    World::click(w.bar(), "family");
    QCOMPARE(w.form->windowTitle(), QString::fromStdString("Velmora - " + tree.path()));
    w.dialogs.editNames("renamed\n").error();
    World::menu(w.bar(), "Saved Searches/Manage\u2026");
    const std::string kept = w.dir.read("config/searches.conf");
    QVERIFY(kept.find("[renamed]\nfolder=" + tree.path()) != std::string::npos);
    w.dir.createFile("config/searches.conf", kept + "[gone]\nfolder=/nowhere\n");
    World::menu(w.bar(), "Saved Searches/gone");
    QVERIFY(w.dialogs.allAnswered() && World::chips(w.bar()) == Strings{"party"});
  }

  // A state file that is no regular file of a sane size is passed over, never waited on.
  void oddStateFileIgnored_data() {
    QTest::addColumn<QByteArray>("kind");
    for (const char* kind : {"fifo", "huge"}) QTest::newRow(kind) << QByteArray(kind);
  }
  void oddStateFileIgnored() {
    QFETCH(QByteArray, kind);
    World w;
    w.stateFile = w.dir / "window.conf";
    if (kind == "fifo") QVERIFY(::mkfifo(w.stateFile.c_str(), 0600) == 0);
    if (kind == "huge") w.dir.createFile("window.conf", std::string(1 << 20, '#'));
    ::alarm(20);  // a start that waits on the FIFO fails, never hangs
    w.Start(w.dir.path() + "\r\n\r\n");
    w.form->close();
    ::alarm(0);
    const QFileInfo kept(QString::fromStdString(w.stateFile));  // as it was, not replaced
    QVERIFY(kind == "huge" ? kept.size() == 1 << 20 : !kept.isFile());
  }

  // The shown folder renamed or removed: said, and nothing listed of it.
  void folderGone_data() {
    QTest::addColumn<bool>("rename");
    for (const bool rename : {true, false}) QTest::newRow(rename ? "renamed" : "removed") << rename;
  }
  void folderGone() {
    QFETCH(bool, rename);
    TestDir tree;
    tree.createFile("shown/a.jpg");
    World w(tree / "shown" + "\r\n\r\n");
    w.select(0);
    QTRY_VERIFY(w.form->Browser().Progress().following);
    QVERIFY(rename ? std::rename((tree / "shown").c_str(), (tree / "new").c_str()) == 0
                   : std::filesystem::remove_all(tree / "shown") == 2);
    QTRY_COMPARE(w.find<QLabel>("lblStatus")->text(),
                 QString::fromStdString("The folder " + tree / "shown" + " is not there any more"));
    QVERIFY(w.files().empty() && World::chips(w.panel()).empty());
    QVERIFY(w.form->screen()->availableGeometry().contains(w.form->frameGeometry()));
  }

  // On a share, the list's tooltip says how often changes made elsewhere are looked for.
  void shareTip() {
    FaultyFileSystem fs;
    fs.statfsType = 0x6969;  // NFS
    TestDir tree;
    tree.createFile("shown/a.jpg");
    World w(tree / "shown" + "\r\n\r\n");
    w.select(0);
    QTRY_VERIFY(w.form->Browser().Progress().following);
    QCOMPARE(w.find<QAbstractItemView>("lstFiles")->toolTip(),
             "1 of 1 file\nChanges made elsewhere are checked every 5 s");
  }

  // The layout for an outer size and its client (the first four, twips): the lists' width and
  // height, the tag panel's and its bar's height. Below a client of 12945 x 8295 the folder list
  // narrows first and the lists end inside the client. Every control shown stays inside the
  // client and clear of the buttons, none of which is cut away.
  void layout_data() {
    QTest::addColumn<QList<int>>("v");
    const auto row = [](const char* name, QList<int> v) { QTest::newRow(name) << v; };
    row("full size, no frame", {12945, 8295, 12945, 8295, 7720, 5545, 2535, 6640, 6640, 6590});
    row("13065 x 8700", {13065, 8700, 12945, 8295, 7840, 5950, 2535, 7045, 7045, 6995});
    row("larger", {19995, 12000, 19875, 11595, 14770, 9250, 2535, 10345, 10345, 10295});
    row("scale 2, 1600 x 1000", {12000, 7500, 11970, 7305, 7510, 4995, 1800, 6090, 6090, 6040});
    row("narrowest", {8010, 8010, 7950, 7635, 3520, 5260, 1800, 6355, 6355, 6305});
    row("screen below the minimum", {9000, 6000, 8880, 5595, 4510, 3285, 1800, 4380, 4380, 4330});
  }
  void layout() {
    QFETCH(QList<int>, v);
    const mainwindow::FormSizes s = mainwindow::FormLayout(v[0], v[1], v[2], v[3]);
    QCOMPARE((QList<int>{s.lstFilesWidth, s.lstFilesHeight, s.lstFoldersWidth, s.lstFoldersHeight,
                         s.picTagPanelHeight, s.vScroll1Height}),
             v.mid(4));
    QWidget form;
    form.setFont(mainwindow::Arial(9));
    mainwindow::MakeControls(form);
    for (const char* name : {"lblHelp", "cmdAddUserTag"})
      form.findChild<QWidget*>(name)->show();  // once a folder is shown
    form.resize(v[2] / 15, v[3] / 15);
    mainwindow::PlaceControls(form, s);
    QList<QWidget*> buttons;
    for (const char* name :
         {"cmdOpen", "cmdCopy", "cmdMove", "cmdRename", "cmdDelete", "cmdAddUserTag"})
      buttons.append(form.findChild<QWidget*>(name));
    for (QWidget* c : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!c->isVisibleTo(&form)) continue;
      QVERIFY2(form.rect().contains(c->geometry()), qPrintable(c->objectName()));
      for (QWidget* b : buttons)
        QVERIFY2(c == b ? b->width() > 0 : !c->geometry().intersects(b->geometry()),
                 qPrintable(c->objectName()));
    }
  }

  // The first place of a client of 863 x 553 in a frame of 10 x 30 is cut to the screen's
  // available area (the first four) and centred in it.
  void firstPlace_data() {
    QTest::addColumn<QList<int>>("box");
    QTest::newRow("fits") << QList<int>{0, 0, 1920, 1080, 523, 248, 863, 553};
    QTest::newRow("scale 2, 1600 x 1000") << QList<int>{0, 20, 800, 480, 0, 20, 790, 450};
    QTest::newRow("second screen") << QList<int>{1920, 0, 870, 2000, 1920, 708, 860, 553};
  }
  void firstPlace() {
    QFETCH(QList<int>, box);
    QVERIFY(mainwindow::FirstPlace({box[0], box[1], box[2], box[3]}, 863, 553, 10, 30) ==
            (mainwindow::Box{box[4], box[5], box[6], box[7]}));
  }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
