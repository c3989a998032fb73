#include <QtTest>

#include "catalogue/tags.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

class TestTags : public QObject {
  Q_OBJECT
 private slots:
  void splitTags_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArrayList>("words");
    const auto row = [](const char* tag, const char* name, QByteArrayList words) {
      QTest::newRow(tag) << QByteArray(name) << words;
    };
    row("camel case, digits", "HolidayPhotos2009_Beach.JPG", {"holiday", "photos", "beach", "jpg"});
    row("single letters, capital runs, repeats", "iPhoneX.PNG.png ABCdef fooBAR",
        {"i", "phone", "x", "png", "png", "abcdef", "foo", "bar"});
    row("delimiters; control characters belong to words",
        " ~!@#$%^&*()_+|{}:<>?`1234567890-=\\[];',./\"a\tb", {"a\tb"});
    row("Unicode lower case",
        "R\xC3\x89sum\xC3\xA9 \xCE\x91\xCE\x92 \xD0\x9F\xD1\x80 \xEF\xBC\xA1\xC3\xA9Z",
        {"r\xC3\xA9sum\xC3\xA9", "\xCE\xB1\xCE\xB2", "\xD0\xBF\xD1\x80", "\xEF\xBD\x81\xC3\xA9z"});
    row("lower case longer (U+023A), shorter (Kelvin sign)", "\xC8\xBA\xE2\x84\xAA",
        {"\xE2\xB1\xA5k"});
    row("not UTF-8 kept", "Caf\xE9_\xFF\xFEX A\xC3Z \xED\xA0\x80",
        {"caf\xE9", "\xFF\xFEx", "a\xC3z", "\xED\xA0\x80"});
  }
  void splitTags() {
    QFETCH(QByteArray, name);
    QByteArrayList got;
    for (const std::string& w : SplitTags(name.toStdString())) got << QByteArray::fromStdString(w);
    QTEST(got, "words");
  }

  // Distinct, in first-seen order, from file names only.
  void tagList() {
    PathList paths;
    for (const char* p : {"/f/Beach Trip.jpg", "/Doc/beach-party.JPG", "/f/...",
                          "/f/R\xC3\x89SUM\xC3\x89.doc", "/f/r\xC3\xA9sum\xC3\xA9"})
      paths.push_back(p);
    QCOMPARE(CollectTags(paths).Tags(),
             (Strings{"beach", "trip", "jpg", "party", "r\xC3\xA9sum\xC3\xA9", "doc"}));
    TagList tags;  // far past its first table: every tag still found once
    MergeTags(tags, {"x", "x", "y"});
    for (int i = 0; i < 100000; ++i) tags.Add("w" + std::to_string(i));
    QVERIFY(!tags.Add("w0") && !tags.Add("w99999") && !tags.Add("x") && tags.Add("z"));
    QVERIFY(tags.size() == 100003 && tags[100001] == "w99999");
  }
};

QTEST_GUILESS_MAIN(TestTags)
#include "test_tags.moc"
