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
    QCOMPARE(LoadFolderContents(t.path(), "family,", false).chips, Strings{"family"});
    QCOMPARE(LoadFolderContents(t / "gone", "", true).unreadableFolders - with.unreadableFolders,
             std::size_t{1});
    QCOMPARE(DisplayNameOf("/") + DisplayNameOf("/a/photos") + DisplayNameOf("a"),
             std::string("/photosa"));
  }

  // pieces: the line's user tags, by "|"; stored: the line with tag added, "-" if unchanged.
  void userTagLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char* name, const char* line, const char* tag, const char* pieces,
                        const char* stored) {
      QTest::newRow(name) << QString(line) << QString(tag) << QString(pieces) << QString(stored);
    };
    row("as the program writes it", "family,trip,", "Beach", "family|trip", "family,trip,Beach,");
    row("already there", "family,trip,", "trip", "family|trip", "-");
    row("found inside another tag", "bar,", "ar", "bar", "-");
    row("text after the last comma dropped", "family,trip", "family", "family", "-");
    row("empty piece kept", "a,,b,", "c", "a||b", "a,,b,c,");
  }
  void userTagLine() {
    QFETCH(QString, line);
    QFETCH(QString, tag);
    QFETCH(QString, pieces);
    QFETCH(QString, stored);
    QStringList got;
    for (const std::string& p : UserTagPieces(line.toStdString())) got << QString::fromStdString(p);
    QCOMPARE(got.join('|'), pieces);
    const auto result = WithUserTag(line.toStdString(), tag.toStdString());
    QCOMPARE(result ? QString::fromStdString(*result) : QString("-"), stored);
  }
};

QTEST_GUILESS_MAIN(TestFolderLoad)
#include "test_folder_load.moc"
