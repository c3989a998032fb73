#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QtTest>

#include <latch>

#include "catalogue/browser.h"
#include "catalogue/listing_cache.h"
#include "catalogue/scan.h"
#include "desktop/shell.h"
#include "mainwindow/file_list_model.h"
#include "mainwindow/form_controls.h"
#include "support/faulty_fs.h"
#include "support/no_watches.h"
#include "support/testdir.h"

using namespace velmora;
using Strings = std::vector<std::string>;

namespace {

// The model over a browser's rows, checked by Qt's model tester on every change.
struct Fixture : catalogue::BrowserView {
  explicit Fixture(catalogue::Browser::WatcherFactory watchers = platform::MakeFolderWatcher)
      : browser(
            tree / "folders.txt", *this,
            [this] { QMetaObject::invokeMethod(&context, [this] { browser.Poll(); }); },
            std::move(watchers)) {}
  void ChipsAdded(const Strings&) override {}
  void ChipsReset() override {}
  void ProgressChanged(const catalogue::LoadProgress& p) override {
    if (!p.loading) model.Announce();
  }
  void show(const std::string& folder) {
    QVERIFY(browser.Commit([&](catalogue::FolderStore& s) { return s.Append(folder, ""); }).ok());
    browser.Show(0);
    QTRY_VERIFY(browser.Progress().following || browser.Progress().liveOff);
  }

  QObject context;  // outlives the browser's threads, which post to it
  TestDir tree;
  catalogue::Browser browser;
  mainwindow::FileListModel model{browser, nullptr};
  QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::QtTest};
};

}  // namespace

class TestFileListModel : public QObject {
  Q_OBJECT
  TestDir cache_;  // the kept listings

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache_.path())); }

  // A load, a filter and files made and removed by others: each change as views expect.
  void followsTheRows() {
    Fixture f;
    for (int i = 0; i < 300; ++i)
      f.tree.createFile("t/d" + std::to_string(i % 3) + "/f" + std::to_string(i) + ".jpg");
    f.show(f.tree / "t");
    f.browser.AddBarTag("f1", "auto");
    QCOMPARE(f.model.rowCount(), 111);
    f.tree.createFile("t/f1new.jpg");
    f.tree.createFile("t/new.jpg");
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

  // A kept listing shown while the folder is read takes the order of the reading in one
  // change: the rows chosen and the current row that are still there stay so, sorted or not.
  void keptListingTakesTheFreshOrder_data() {
    QTest::addColumn<bool>("sorted");
    QTest::newRow("walk's order") << false;
    QTest::newRow("sorted by name") << true;
  }
  void keptListingTakesTheFreshOrder() {
    QFETCH(bool, sorted);
    std::atomic<bool> hold = false;
    std::latch latch{1};
    FaultyFileSystem fs;
    fs.opening = [&](std::string_view path) {
      if (hold && path.ends_with("/k/")) latch.wait();
    };
    Fixture f([] { return std::make_unique<NoWatches>(); });  // no reread of folders just made
    std::shared_ptr<void> release(nullptr, [&](void*) { latch.count_down(); });
    for (const char* name : {"k/b", "k/gone", "k/s/y", "k/s/t/z", "o/o"}) f.tree.createFile(name);
    if (sorted) f.model.SetSort({catalogue::SortKey::Name, false});
    f.show(f.tree / "k");
    QTRY_VERIFY(QFileInfo::exists(QString::fromStdString(catalogue::ListingFile(f.tree / "k"))));
    QVERIFY(f.browser.Commit([&](catalogue::FolderStore& s) { return s.Append(f.tree / "o", ""); })
                .ok());
    f.browser.Show(1);
    std::remove((f.tree / "k/gone").c_str());
    for (const char* name : {"k/a top", "k/s/t/deep"}) f.tree.createFile(name);
    hold = true;
    f.browser.Show(0);
    QTRY_VERIFY(f.browser.Progress().checking);
    QTRY_COMPARE(f.model.rowCount(), 4);
    QItemSelectionModel chosen(&f.model);
    const auto rowOf = [&](const std::string& name) {
      for (int r = 0; r < f.model.rowCount(); ++r)
        if (f.model.PathAt(r) == f.tree / name) return f.model.index(r, 0);
      return QModelIndex();
    };
    for (const char* name : {"k/gone", "k/s/y"})
      chosen.select(rowOf(name), QItemSelectionModel::Select);
    chosen.setCurrentIndex(rowOf("k/s/t/z"), QItemSelectionModel::NoUpdate);
    release.reset();
    QTRY_VERIFY(!f.browser.Progress().loading && f.model.InOrder());
    Strings rows, fresh;
    for (int r = 0; r < f.model.rowCount(); ++r) rows.push_back(f.model.PathAt(r));
    for (const std::string& path : catalogue::ScanFolder(f.tree / "k")) fresh.push_back(path);
    if (sorted)
      std::sort(fresh.begin(), fresh.end(), [](const std::string& a, const std::string& b) {
        return catalogue::FileNameOf(a) < catalogue::FileNameOf(b);
      });
    QCOMPARE(rows, fresh);
    QCOMPARE(chosen.selectedRows(), QModelIndexList{rowOf("k/s/y")});
    QCOMPARE(chosen.currentIndex(), rowOf("k/s/t/z"));
  }

  // Rows dragged out name their files by the exact bytes; of addresses dropped, the local
  // folders are taken.
  void dragAndDrop() {
    Fixture f;
    const std::string file = f.tree / "d/caf\xE9 #1.txt";
    f.tree.createFile("d/caf\xE9 #1.txt");
    f.show(f.tree / "d");
    const std::unique_ptr<QMimeData> out(f.model.mimeData({f.model.index(0)}));
    const QByteArray url = out->data("text/uri-list");
    QVERIFY2(url.startsWith("file:///") && url.endsWith("/d/caf%E9%20%231.txt\r\n"), url);
    QCOMPARE(platform::PathOfFileUrl(url.trimmed().toStdString()), file);
    QMimeData in;
    const QByteArray folder = url.left(url.lastIndexOf('/') + 1).mid(7);
    in.setData("text/uri-list", "# comment\r\nfile://localhost" + folder + "\r\nfile://host" +
                                    folder + "\nhttps://x/\n" + url + "file:///%zz\n");
    QCOMPARE(mainwindow::DroppedFolders(in), Strings{f.tree / "d"});
  }
};

QTEST_MAIN(TestFileListModel)
#include "test_file_list_model.moc"
