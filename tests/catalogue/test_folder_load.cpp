#include <QtTest>

#include "catalogue/folder_load.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

class TestFolderLoad : public QObject {
  Q_OBJECT
 private slots:
  // The line, a tag, the line's user tags by "|", the line with the tag ("-": unchanged).
  void userTagLine_data() {
    QTest::addColumn<QByteArrayList>("v");
    const auto row = [](const char* name, const char* v) {
      QTest::newRow(name) << QByteArray(v).split(' ');
    };
    row("as the program writes it", "family,trip, Beach family|trip family,trip,Beach,");
    row("already there", "family,trip, trip family|trip -");
    row("found inside another tag", "bar, ar bar -");
    row("text after the last comma dropped", "family,trip family family -");
    row("empty piece kept", "a,,b, c a||b a,,b,c,");
  }
  void userTagLine() {
    QFETCH(QByteArrayList, v);
    QByteArrayList got;
    for (const std::string& p : UserTagPieces(v[0].toStdString())) got << p.c_str();
    const auto with = WithUserTag(v[0].toStdString(), v[1].toStdString());
    QCOMPARE(got.join('|') + " " + (with ? with->c_str() : "-"), v[2] + " " + v[3]);
  }
};

QTEST_GUILESS_MAIN(TestFolderLoad)
#include "test_folder_load.moc"
