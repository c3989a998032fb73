#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QMimeDatabase>
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
};

QTEST_MAIN(TestFileListModel)
#include "test_file_list_model.moc"
