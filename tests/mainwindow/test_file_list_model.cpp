#include <algorithm>
#include <numeric>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QHeaderView>
#include <QMimeData>
#include <QMimeDatabase>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include "catalogue/browser.h"
#include "desktop/queued_call.h"
#include "desktop/shell.h"
#include "mainwindow/file_list_model.h"
#include "mainwindow/form_controls.h"
#include "support/testdir.h"

using namespace velmora;
using Strings = std::vector<std::string>;

namespace {

// The model over a browser's rows, checked by Qt's model tester on every change.
struct Fixture : catalogue::BrowserView {
  Fixture()
      : browser(tree / "folders.txt", *this,
                [this] { desktop::QueueCall(&context, [this] { browser.Poll(); }); }) {}
  void ChipsAdded(const Strings&) override {}
  void ChipsReset() override {}
  void ProgressChanged(const catalogue::LoadProgress& p) override {
    if (!p.loading) model.Announce();
  }
  void show(const std::string& folder) {
    QVERIFY(browser.Commit([&](catalogue::FolderStore& s) { return s.Append(folder, ""); }).ok());
    browser.Show(0);
    QTRY_VERIFY(browser.Progress().following);
  }

  QObject context;  // outlives the browser's threads, which post to it
  TestDir tree;
  catalogue::Browser browser;
  mainwindow::FileListModel model{browser, nullptr};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

// Numbered rows, as many as asked for at no cost a row.
struct Numbers : QAbstractTableModel {
  int rows = 100;
  int columns = 1;
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : rows;
  }
  int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : columns; }
  QVariant data(const QModelIndex& index, int role) const override {
    return role == Qt::DisplayRole ? QVariant(QString::number(index.row() * 10 + index.column()))
                                   : QVariant();
  }
  void reset(int count) {
    beginResetModel();
    rows = count;
    endResetModel();
  }
  void remove(int first, int last) {
    beginRemoveRows({}, first, last);
    rows -= last - first + 1;
    endRemoveRows();
  }
};

// The file list as it was: a table with hidden headers, which the view must match.
QTableView* Table(QWidget* parent) {
  auto* table = new QTableView(parent);
  table->horizontalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 2);
  table->setShowGrid(false);
  table->setWordWrap(false);
  table->setTextElideMode(Qt::ElideMiddle);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return table;
}

// Keys ("Shift+Down"), clicks on rows ("Ctrl+@3") and drags across rows ("2>6").
void Act(QAbstractItemView& view, const QString& step) {
  const auto at = [&view](const QString& row) {
    return view.visualRect(view.model()->index(row.toInt(), 0)).center();
  };
  if (step.contains('>')) {
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, at(step.section('>', 0, 0)));
    const QPoint to = at(step.section('>', 1));
    QMouseEvent move(QEvent::MouseMove, to, view.viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(view.viewport(), &move);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
  } else if (step.contains('@')) {
    Qt::KeyboardModifiers with;
    with.setFlag(Qt::ShiftModifier, step.contains("Shift"));
    with.setFlag(Qt::ControlModifier, step.contains("Ctrl"));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, with, at(step.section('@', 1)));
  } else {
    const QKeyCombination key = QKeySequence::fromString(step)[0];
    QTest::keyClick(&view, key.key(), key.keyboardModifiers());
  }
}

QList<int> SelectedRows(const QAbstractItemView& view) {
  QList<int> rows;
  for (const QModelIndex& index : view.selectionModel()->selectedRows()) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace

class TestFileListModel : public QObject {
  Q_OBJECT
 private slots:
  // A load, a filter and files made and removed by others: each change as views expect.
  void followsTheRows() {
    Fixture f;
    for (int i = 0; i < 300; ++i)
      f.tree.createFile("t/d" + std::to_string(i % 3) + "/f" + std::to_string(i) + ".jpg");
    f.show(f.tree / "t");
    f.browser.AddBarTag("f1", catalogue::TagKind::Auto);
    QCOMPARE(f.model.rowCount(), 111);
    f.tree.createFile("t/f1new.jpg"), f.tree.createFile("t/new.jpg");
    std::remove((f.tree / "t/d1/f1.jpg").c_str());
    QTRY_COMPARE(f.model.PathAt(110), f.tree / "t/f1new.jpg");
    f.browser.RemoveBarTag("f1");
    QCOMPARE(f.model.rowCount(), 301);
  }

  // Sorted rows take in files made and removed by others, keep a chosen file chosen
  // through each new order, and go back to the walk's order; sizes come in the background.
  void sortedRows() {
    Fixture f;
    f.tree.createFile("t/b.txt", "12"), f.tree.createFile("t/c.txt", "1");
    f.tree.createFile("t/a.txt", "123");
    f.model.SetSort({catalogue::SortKey::Name, false});  // while loading: in the background
    f.show(f.tree / "t");
    const auto names = [&f] {
      std::string out;
      for (int r = 0; r < f.model.rowCount(); ++r)
        out += catalogue::FileNameOf(f.model.PathAt(r)).front();
      return out;
    };
    QItemSelectionModel chosen(&f.model);
    QTRY_COMPARE(names(), "abc");
    chosen.select(f.model.index(1, 0), QItemSelectionModel::Select);
    f.model.SetSort({catalogue::SortKey::Name, true});
    QCOMPARE(names(), "cba");
    QVERIFY(chosen.isSelected(f.model.index(1, 0)));
    f.tree.createFile("t/d.txt"), f.tree.createFile("t/ab.txt");
    std::remove((f.tree / "t/c.txt").c_str());
    QTRY_COMPARE(names(), "dbaa");
    QCOMPARE(f.model.PathAt(2), f.tree / "t/ab.txt");
    QVERIFY(chosen.isSelected(f.model.index(1, 0)));
    f.model.SetShown(mainwindow::Column::Size, true);
    f.model.SetSort({catalogue::SortKey::Size, false});
    QTRY_COMPARE(names(), "daba");  // d and ab are empty, in the order they came
    QCOMPARE(f.model.data(f.model.index(3, 1), Qt::DisplayRole).toString(), "3 bytes");
    f.tree.createFile("d.new", "12345");  // saved over d, as editors save
    std::rename((f.tree / "d.new").c_str(), (f.tree / "t/d.txt").c_str());
    QTRY_COMPARE(names(), "abad");
    f.model.SetSort({});
    for (int r = 0; r < f.model.rowCount(); ++r)
      QCOMPARE(f.model.PathAt(r),
               f.browser.Files()[f.browser.FileAtRow(static_cast<std::size_t>(r))]);
  }

  // With the Type column, a file's kind is the desktop's: by its name, in any case, and by
  // its first bytes (read in the background) when the name says nothing; rows sort by its
  // description. Without the column, the icons and the reading go, and Type sorts by extension.
  void kinds_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    QTest::newRow("by name") << QByteArray("a.mp4") << QByteArray("x") << "video/mp4";
    QTest::newRow("by name, capitals") << QByteArray("b.MP4") << QByteArray() << "video/mp4";
    QTest::newRow("picture") << QByteArray("c.jpg") << QByteArray() << "image/jpeg";
    QTest::newRow("PNG bytes") << QByteArray("picture")
                               << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "image/png";
    QTest::newRow("script") << QByteArray("run") << QByteArray("#!/bin/sh\nexit\n")
                            << "application/x-shellscript";
    QTest::newRow("empty") << QByteArray("nothing") << QByteArray() << "application/x-zerosize";
    QTest::newRow("unknown extension, not UTF-8")
        << QByteArray("d\xff.zzq") << QByteArray("plain words\n") << "text/plain";
  }
  void kinds() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    Fixture f;
    f.tree.createFile("t/" + name.toStdString(), content.toStdString());
    f.tree.createFile("t/zz.txt", "text");
    f.model.SetShown(mainwindow::Column::Type, true);
    f.model.SetSort({catalogue::SortKey::Type, false});
    f.show(f.tree / "t");
    QTRY_COMPARE(f.model.rowCount(), 2);
    const auto row = [&] { return f.model.PathAt(0) == f.tree / "t/zz.txt" ? 1 : 0; };
    const QString want = QMimeDatabase().mimeTypeForName(type).comment();
    QVERIFY(!want.isEmpty());
    QTRY_COMPARE(f.model.data(f.model.index(row(), 1), Qt::DisplayRole).toString(), want);
    // In the order of the descriptions, "Plain text" among them.
    const QString text = QMimeDatabase().mimeTypeForName("text/plain").comment();
    QTRY_COMPARE(row() == 0, want.localeAwareCompare(text) <= 0 || want == text);
    f.model.SetShown(mainwindow::Column::Type, false);
    QVERIFY(!f.model.data(f.model.index(0, 0), Qt::DecorationRole).isValid());
    QTRY_COMPARE(row() == 0, catalogue::Extension(name.toLower().toStdString()) < "txt");
  }

  // Rows dragged out name their files by the exact bytes; of addresses dropped, the local
  // folders are taken, spelled plainly.
  void dragAndDrop() {
    Fixture f;
    const std::string file = f.tree / "d/caf\xE9 #1.txt";
    f.tree.createFile("d/caf\xE9 #1.txt");
    f.show(f.tree / "d");
    const std::unique_ptr<QMimeData> out(f.model.mimeData({f.model.index(0)}));
    const QByteArray url = out->data("text/uri-list");
    QVERIFY2(url.startsWith("file:///") && url.endsWith("/d/caf%E9%20%231.txt\r\n"), url);
    QCOMPARE(desktop::PathOfFileUrl(url.trimmed().toStdString()), file);
    QMimeData in;
    const QByteArray folder = url.left(url.lastIndexOf('/') + 1).mid(7);
    in.setData("text/uri-list", "# comment\r\nfile://localhost" + folder +
                                    "../d/.//\r\nfile://host" + folder + "\nhttps://x/\n" + url +
                                    "file:///%zz\n");
    QCOMPARE(mainwindow::DroppedFolders(in), Strings{f.tree / "d"});
  }

  // The file list keeps nothing a row, yet moves, selects, follows removed rows ("-3:4"),
  // places and paints them as the table it replaces, pixel for pixel, with one column and
  // with three under a header.
  void listActsAsTable_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("down, page down") << 1 << "Down Down PgDown" << 14 << QList<int>{14};
    QTest::newRow("end, home") << 1 << "@4 End Home" << 4 << QList<int>{4};
    QTest::newRow("ctrl+end") << 1 << "Ctrl+End" << 99 << QList<int>{};
    QTest::newRow("page up from the end") << 1 << "Ctrl+End PgUp Up" << 86 << QList<int>{86};
    QTest::newRow("ctrl+home") << 1 << "Ctrl+End Ctrl+Home" << 0 << QList<int>{};
    QTest::newRow("shift+down") << 1 << "@2 Shift+Down Shift+Down" << 4 << QList<int>{2, 3, 4};
    QTest::newRow("ctrl+a") << 1 << "@2 Ctrl+A" << 2 << [] {
      QList<int> all(100);
      std::iota(all.begin(), all.end(), 0);
      return all;
    }();
    QTest::newRow("shift+click") << 1 << "@3 Shift+@7" << 7 << QList<int>{3, 4, 5, 6, 7};
    QTest::newRow("ctrl+click") << 1 << "@3 Ctrl+@7 Ctrl+@3" << 3 << QList<int>{7};
    QTest::newRow("drag") << 1 << "2>6" << 6 << QList<int>{2, 3, 4, 5, 6};
    QTest::newRow("removed above") << 1 << "@5 Shift+@8 -0:1" << 6 << QList<int>{3, 4, 5, 6};
    QTest::newRow("removed within") << 1 << "@5 Shift+@8 -7:20" << 6 << QList<int>{5, 6};
    QTest::newRow("current removed") << 1 << "@5 -5:6" << 4 << QList<int>{};
    QTest::newRow("removed below") << 1 << "@5 -9:20" << 5 << QList<int>{5};
    QTest::newRow("removed at the foot") << 1 << "Ctrl+End Shift+Up -95:99" << 94 << QList<int>{};
    QTest::newRow("columns") << 3 << "@4 Right Right Left Down" << 5 << QList<int>{5};
    QTest::newRow("columns, end") << 3 << "@4 Ctrl+End Shift+PgUp" << 89 << [] {
      QList<int> rows(11);
      std::iota(rows.begin(), rows.end(), 89);
      return rows;
    }();
  }
  void listActsAsTable() {
    QFETCH(int, columns);
    QFETCH(QString, steps);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QWidget window;
    window.resize(640, 240);
    Numbers rows;
    rows.columns = columns;
    mainwindow::FileTable list(&window);
    list.setDragEnabled(false);  // a drag from a row selects rather than drags out
    QTableView* table = Table(&window);
    QAbstractItemView* views[] = {&list, table};
    list.horizontalHeader()->setVisible(columns > 1);
    table->horizontalHeader()->setVisible(columns > 1);
    for (QAbstractItemView* view : views) {
      view->setGeometry(view == &list ? 0 : 320, 0, 300, 220);
      view->setModel(&rows);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    table->setFocus();  // the list has it first: each takes its first row as current
    for (const QString& step : steps.split(' ')) {
      if (step.startsWith('-'))
        rows.remove(step.mid(1).section(':', 0, 0).toInt(), step.section(':', 1).toInt());
      else
        for (QAbstractItemView* view : views) Act(*view, step);
    }
    QCOMPARE(list.currentIndex().row(), current);
    QCOMPARE(SelectedRows(list), selected);
    QCOMPARE(list.currentIndex(), table->currentIndex());
    QCOMPARE(SelectedRows(*table), selected);
    QCOMPARE(list.verticalScrollBar()->maximum(), table->verticalScrollBar()->maximum());
    QCOMPARE(list.verticalScrollBar()->value(), table->verticalScrollBar()->value());
    for (int r = 0; r < rows.rows; ++r) {
      const QModelIndex index = rows.index(r, columns - 1);
      QCOMPARE(list.visualRect(index), table->visualRect(index));
      QCOMPARE(list.indexAt(list.visualRect(index).center()), index);
    }
    list.setFocus();
    const QImage painted = list.grab().toImage();
    table->setFocus();
    QCOMPARE(painted, table->grab().toImage());
  }

  // A million rows come at once, scroll to the last and paint, and reach screen readers as
  // a table of cells.
  void listOfAMillionRows() {
    Numbers rows;
    mainwindow::FileTable list(nullptr);
    list.setModel(&rows);
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    rows.reset(1'000'000);
    const QModelIndex last = rows.index(rows.rows - 1, 0);
    const int inView = list.viewport()->height() / list.rowHeight(0);
    QTRY_COMPARE(list.verticalScrollBar()->maximum(), rows.rows - inView);
    list.scrollTo(last);
    QCOMPARE(list.indexAt(list.visualRect(last).center()), last);
    QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    QCOMPARE(list.visualRect(last).bottom(), list.viewport()->height() - 1);
    QVERIFY(!list.grab().isNull());
    rows.remove(1000, 1999);
    list.scrollTo(rows.index(500'000, 0), QAbstractItemView::PositionAtCenter);
    QVERIFY(list.viewport()->rect().contains(list.visualRect(rows.index(500'000, 0))));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->tableInterface()->rowCount(), 999'000);
    QCOMPARE(table->tableInterface()->columnCount(), 1);
    QCOMPARE(table->tableInterface()->cellAt(998'999, 0)->text(QAccessible::Name), "9989990");
  }
};

QTEST_MAIN(TestFileListModel)
#include "test_file_list_model.moc"
