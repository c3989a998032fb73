#include <QtTest>

#include "catalogue/folder_load.h"
#include "support/testdir.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

class TestFolderLoad : public QObject {
  Q_OBJECT
 private slots:
  void chipsAreAutoTagsThenUserTags() {
    TestDir t;
    t.createFile("Beach Trip.jpg");
    t.createFile("sub/beach-party.JPG");
    const FolderContents with = LoadFolderContents(t.path(), "family,trip,", true);
    QCOMPARE(with.files.ToVector(), (Strings{t / "Beach Trip.jpg", t / "sub/beach-party.JPG"}));
    QCOMPARE(with.chips, (Strings{"beach", "trip", "jpg", "party", "family", "trip"}));
    const FolderContents without = LoadFolderContents(t.path(), "family,trip,", false);
    QCOMPARE(without.files.size(), std::size_t{2});
    QCOMPARE(without.chips, (Strings{"family", "trip"}));
    QCOMPARE(with.unreadableFolders, std::size_t{0});
    QCOMPARE(LoadFolderContents(t / "missing", "", true).unreadableFolders, std::size_t{1});
  }

  void noFolderScansNothing() {
    const FolderContents none = LoadFolderContents("", "", true);
    QVERIFY(none.files.empty());
    QVERIFY(none.chips.empty());
    QCOMPARE(none.unreadableFolders, std::size_t{0});
  }

  void userTagPieces_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("written by the program") << "family,trip," << QStringList{"family", "trip"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("no final comma") << "family,trip" << QStringList{"family"};
    QTest::newRow("two commas") << "a,,b," << QStringList{"a", "", "b"};
  }
  void userTagPieces() {
    QFETCH(QString, line);
    QFETCH(QStringList, pieces);
    QStringList got;
    for (const auto& p : UserTagPieces(line.toStdString())) got << QString::fromStdString(p);
    QCOMPARE(got, pieces);
  }

  void withUserTag_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("stored");  // "-" when nothing is stored
    QTest::newRow("appended as typed") << "family,"
                                       << "Beach"
                                       << "family,Beach,";
    QTest::newRow("already there") << "family,trip,"
                                   << "trip"
                                   << "-";
    QTest::newRow("inside another tag") << "bar,"
                                        << "ar"
                                        << "-";
    QTest::newRow("case-sensitive") << "trip,"
                                    << "Trip"
                                    << "trip,Trip,";
    QTest::newRow("comma kept") << "family,"
                                << "a,b"
                                << "family,a,b,";
  }
  void withUserTag() {
    QFETCH(QString, line);
    QFETCH(QString, tag);
    QFETCH(QString, stored);
    const auto result = WithUserTag(line.toStdString(), tag.toStdString());
    QCOMPARE(result ? QString::fromStdString(*result) : QString("-"), stored);
  }
};

QTEST_GUILESS_MAIN(TestFolderLoad)
#include "test_folder_load.moc"
