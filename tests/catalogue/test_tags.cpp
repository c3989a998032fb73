#include <QtTest>

#include "catalogue/tags.h"

using namespace velmora::catalogue;

namespace {
QStringList toQt(const std::vector<std::string>& v) {
  QStringList out;
  for (const auto& s : v) out << QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  return out;
}
}  // namespace

class TestTags : public QObject {
  Q_OBJECT
 private slots:
  void splitTags_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("words");
    const auto row = [](const char* tag, const char* name, QStringList words) {
      QTest::newRow(tag) << QByteArray(name) << words;
    };
    row("camel and digits", "HolidayPhotos2009_Beach.JPG", {"holiday", "photos", "beach", "jpg"});
    row("digit inside word", "my song (live).mp3", {"my", "song", "live", "mp"});
    row("single letters", "iPhoneX.png", {"i", "phone", "x", "png"});
    row("capitals then small", "ABCdef.txt", {"abcdef", "txt"});
    row("small then capitals", "fooBAR.doc", {"foo", "bar", "doc"});
    row("capital run", "JPEGImage.jpeg", {"jpegimage", "jpeg"});
    row("Mc", "McDonald.txt", {"mc", "donald", "txt"});
    row("brackets and blanks", "Report[rev2] FINAL copy.pdf",
        {"report", "rev", "final", "copy", "pdf"});
    row("repeats kept", "a_a.txt", {"a", "a", "txt"});
    row("case variants", "tag.Tag.TAG", {"tag", "tag", "tag"});
    row("only digits", "2009-05-13.txt", {"txt"});
    row("x86", "x86-setup.exe", {"x", "setup", "exe"});
    row("non-ASCII lower-cased", "Résumé Final.DOC", {"résumé", "final", "doc"});
    row("no delimiter", "readme", {"readme"});
    row("only delimiters", "...", {});
    row("empty", "", {});
    row("repeated delimiters", "--a__b..", {"a", "b"});
    row("capital after delimiter", "a.B", {"a", "b"});
    row("non-ASCII does not split case", "éB", {"éb"});
    row("Unicode lower case", "ΑΒΓ Привет ÆØÅ ＡＢＣ", {"αβγ", "привет", "æøå", "ａｂｃ"});
    row("quote and backslash", "a\"b\\c", {"a", "b", "c"});
    row("control characters are word characters", "a\tb", {"a\tb"});
    row("every delimiter", " ~!@#$%^&*()_+|{}:<>?`1234567890-=\\[];',./\"x", {"x"});
  }
  void splitTags() {
    QFETCH(QByteArray, name);
    QFETCH(QStringList, words);
    QCOMPARE(toQt(SplitTags(name.toStdString())), words);
  }

  // Bytes that are not UTF-8 must survive untouched, so that a tag still matches the name.
  void invalidUtf8PassesThrough() {
    const std::string name = "Caf\xE9_\xFF\xFEX.TXT";  // Latin-1 é, stray bytes
    const std::vector<std::string> expected = {"caf\xE9", "\xFF\xFEx", "txt"};
    QCOMPARE(SplitTags(name), expected);
    QCOMPARE(LowerCase("A\xC3\x28Z"), std::string("a\xC3\x28z"));      // truncated sequence
    QCOMPARE(LowerCase("\xED\xA0\x80"), std::string("\xED\xA0\x80"));  // encoded surrogate
  }

  void mergeKeepsFirstSeenOrder() {
    TagList tags;
    MergeTags(tags, {"a", "a", "txt"});
    QCOMPARE(tags.Tags(), (std::vector<std::string>{"a", "txt"}));
    MergeTags(tags, {"txt", "b"});
    QCOMPARE(tags.Tags(), (std::vector<std::string>{"a", "txt", "b"}));
  }

  // Far past any 16-bit count, and through many rehashes.
  void mergeHoldsAnyNumberOfTags() {
    TagList tags;
    std::vector<std::string> words;
    for (int i = 0; i < 100000; ++i) words.push_back("w" + std::to_string(i));
    MergeTags(tags, words);
    MergeTags(tags, words);
    QCOMPARE(tags.size(), std::size_t{100000});
    QCOMPARE(tags[0], std::string("w0"));
    QCOMPARE(tags[99999], std::string("w99999"));
    QVERIFY(!tags.Add("w77777"));  // found through the index after every rehash
  }

  void collectTagsEqualsMergingEachName() {
    PathList paths;
    for (const char* p : {"/f/Beach Trip.jpg", "/f/beach-party.JPG", "/f/sub/iPhoneX.png",
                          "/f/Résumé.DOC", "/f/...", "/f/RÉSUMÉ.doc", "/f/x86.exe"}) {
      paths.push_back(p);
    }
    TagList expected;
    for (std::size_t i = 0; i < paths.size(); ++i) MergeTags(expected, SplitTags(paths.Name(i)));
    const TagList tags = CollectTags(paths);
    QCOMPARE(tags.Tags(), expected.Tags());
    QCOMPARE(toQt(tags.Tags()), (QStringList{"beach", "trip", "jpg", "party", "i", "phone", "x",
                                             "png", "résumé", "doc", "exe"}));
  }
};

QTEST_GUILESS_MAIN(TestTags)
#include "test_tags.moc"
