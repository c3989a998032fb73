#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include "mainwindow/form_world.h"

using namespace velmora;
using testing::World;
using Strings = std::vector<std::string>;

namespace {
std::string exampleStore(const TestDir& tree) {
  tree.createFile("Beach Trip.jpg");
  tree.createFile("sub/beach-party.JPG");
  return tree.path() + "\r\nfamily,trip,\r\n";
}
}  // namespace

class TestForm1 : public QObject {
  Q_OBJECT
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
    // A user tag: into the bar lower-cased, the store as typed; "" cancels, "\n" is refused.
    w.dialogs.input("PARTY").input("").input("a\nb").error();
    for (int i = 0; i < 3; ++i) w.find<QPushButton>("cmdAddUserTag")->click();
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.store(), tree.path() + "\r\nfamily,trip,PARTY,\r\n" + tree / "gone" + "\r\n\r\n");
    QCOMPARE(World::chips(w.bar()), (Strings{"trip", "party"}));
    w.find<QCheckBox>("chkAutoTags")->click();  // reloads without auto tags, the bar kept
    w.settle();
    QCOMPARE(World::chips(w.panel()), (Strings{"family"}));
    QCOMPARE(World::chips(w.bar()), (Strings{"trip", "party"}));
    ::unlink((tree / "Beach Trip.jpg").c_str());
    QTRY_COMPARE(list->accessibleDescription(), QString("%1 of 1 file").arg(w.files().size()));
  }

  // A record holding NUL is named at start, kept aside; "+" keeps another window's folders,
  // refuses a line break; "-" removes the folder shown, wherever it stands; a store that
  // cannot be read is left as it is.
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
    w.dialogs.pickFolder("").pickFolder(odd).pickFolder(tree.path());
    w.dialogs.pickFolder(tree / "odd\nname").error();
    for (int i = 0; i < 4; ++i) w.find<QPushButton>("cmdAddFolder")->click();
    QVERIFY(w.dialogs.allAnswered());
    const std::string two = tree.path() + "\r\nfamily,trip,\r\n/elsewhere\r\n\r\n";
    QCOMPARE(w.store(), two + odd + "\r\n\r\n" + refused);
    QCOMPARE(w.form->SelectedFolder() + int(w.files().size()), 2);  // the first, still loaded
    w.select(2);
    QCOMPARE(folders->item(2)->text(), QString("\\u202Ecod.exe"));
    QCOMPARE(w.form->windowTitle(), QString::fromStdString("Velmora - " + tree / "\\u202Ecod.exe"));
    w.find<QPushButton>("cmdRemoveFolder")->click();
    QCOMPARE(w.store(), two + refused);
    QCOMPARE(w.form->SelectedFolder(), -1);
    QCOMPARE(w.files(), Strings{});
    QVERIFY(!w.find<QWidget>("cmdAddUserTag")->isVisible());
    w.find<QPushButton>("cmdRemoveFolder")->click();  // nothing shown: nothing happens
    w.form->OpenFolders({"/elsewhere", odd});
    QCOMPARE(w.store(), two + odd + "\r\n\r\n" + refused);
    QCOMPARE(w.form->SelectedFolder(), 2);
    ::unlink((w.dir / "folders.txt").c_str());
    w.dir.createDir("folders.txt");
    w.dialogs.pickFolder("/new").error();
    w.find<QPushButton>("cmdAddFolder")->click();
    QVERIFY(w.dialogs.allAnswered() && folders->count() == 3);
  }

  // The tag panel scrolls to its end when filled and when a chip leaves it, and with the
  // wheel, through its scroll bar.
  void scrollsToTheEnd() {
    TestDir tree;
    for (int i = 0; i < 60; ++i)
      tree.createFile("tag" + std::string{char('a' + i % 26), char('a' + i / 26)});
    World w(tree.path() + "\r\n\r\n");
    w.select(0);
    World::click(w.panel(), "tagab");
    auto* bar = w.find<QScrollBar>("VScroll1");
    QVERIFY(bar->isVisible() && bar->value() == bar->maximum() && bar->maximum() > 0);
    QCOMPARE(w.panel().y(), -platform::TwipsToWholePixels(bar->maximum()));
    QWheelEvent up({5, 5}, w.panel().mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton, {},
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&w.panel(), &up);
    QCOMPARE(bar->value(), bar->maximum() - 3 * widgets::TagPanel::kRowHeight);
    QCOMPARE(w.panel().y(), -platform::TwipsToWholePixels(bar->value()));
    QTest::keyClick(&w.panel(), Qt::Key_Home);  // the keyboard's chip comes into sight
    QCOMPARE(bar->value(), 0);
  }

  // The status line's rules, without a window: c, e a command starts, ends (longer words: its
  // own); L, R a load, a reread starts; fN N files; E, S it ends, stops; n 3 of 10 shown.
  void statusLine_data() {
    QTest::addColumn<QString>("row");
    for (const QString& row :
         QString("progress: c Moved L e f5 = 5 files…;stopped: c Moved L e S = Moved;reread: c "
                 "Moved L e E R f3 E = Moved;silent: c Moved e c L e E = Moved;after a load: L S c "
                 "L e E = ;a folder: c Moved e L E = ;count: L f4 S n = Stopped at 4 files")
             .split(';'))
      QTest::newRow(qPrintable(row.section(": ", 0, 0))) << row.section(": ", 1);
  }
  void statusLine() {
    QFETCH(QString, row);
    mainwindow::StatusLine line;
    catalogue::LoadProgress p;
    for (const QString& e : row.section(" = ", 0, 0).split(' ')) {
      const QChar k = e[0];
      if (e.size() > 2) line.Say(e);
      if (e == "c" || e == "e") e == "c" ? line.CommandStarted() : line.CommandEnded();
      if (e == "n") line.SetShowCount(true), line.Count(3, 10);
      if (k == 'L' || k == 'R') p = {.loading = true, .load = p.load + (k == 'L' ? 1U : 0U)};
      if (k == 'f' || k == 'E' || k == 'S') p.files += e.mid(1).toUInt(), p.loading = k == 'f';
      p.stopped = k == 'S';
      if (e.size() <= 2 && QStringLiteral("LRfES").contains(k)) line.Progress(p);
    }
    QCOMPARE(line.Text(), row.section(" = ", 1));
  }

  // The next start comes back at the size, folder and count in the status line it closed with.
  void keepsItsSizeAndFolder() {
    TestDir tree;
    World w;
    w.stateFile = w.dir / "config/window.conf";
    w.dir.createFile("config/window.conf", "[General]\ncountInStatus=true\n");
    QSize closed;
    for (int run = 0; run < 2; ++run) {
      w.Start(tree.path() + "\r\n\r\n" + tree / "gone" + "\r\n\r\n");
      w.settle();
      if (run > 0) break;
      w.form->resize(700, 600), w.select(1), closed = w.form->size();
      QTimer::singleShot(0, [] {  // the panel's menu, below its chips: their order
        for (QAction* item : QApplication::activePopupWidget()->actions())
          if (item->text() == "A to Z") item->trigger();
        QApplication::activePopupWidget()->close();
      });
      emit w.panel().customContextMenuRequested(QPoint(1, 1000));
      w.form->close();
    }
    QCOMPARE(w.form->Browser().Order(), catalogue::ChipOrder::Name);
    QCOMPARE(w.form->size(), closed);
    QCOMPARE(w.form->SelectedFolder(), 1);
    QTRY_COMPARE(w.find<QLabel>("lblStatus")->text(),
                 QString::fromStdString("The folder " + tree / "gone" + " is not there any more"));
    w.select(0);
    QCOMPARE(w.find<QLabel>("lblStatus")->text(), QString("0 of 0 files"));
  }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
