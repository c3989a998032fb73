#include <QtTest>

#include "catalogue/name_tags.h"
#include "catalogue/tags.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

class TestTags : public QObject {
  Q_OBJECT
 private slots:
  void splitTags_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArrayList>("words");
    QTest::addColumn<bool>("digits");  // kept in words
    const auto row = [](const char* tag, const char* name, QByteArrayList words,
                        bool digits = false) {
      QTest::newRow(tag) << QByteArray(name) << words << digits;
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
    row("digits kept", "IMG_2019-07-14_Beach.jpg song.mp3 x86-setup.exe DSC01234.JPG",
        {"img", "2019", "07", "14", "beach", "jpg", "song", "mp3", "x86", "setup", "exe",
         "dsc01234", "jpg"},
        true);
    row("digits kept: a capital word after a digit starts a word",
        "Mp3Player Model3D 4K H264 Win10Setup iPhone3G 9Ab HolidayPhotos2009_Beach",
        {"mp3", "player", "model3d", "4k", "h264", "win10", "setup", "i", "phone3g", "9", "ab",
         "holiday", "photos2009", "beach"},
        true);
    row("digits kept, other delimiters stay",
        " ~!@#$%^&*()_+|{}:<>?`1234567890-=\\[];',./\"a\tb \xC3\x84"
        "3\xC3\x84rger",
        {"1234567890", "a\tb",
         "\xC3\xA4"
         "3\xC3\xA4rger"},
        true);
  }
  void splitTags() {
    QFETCH(QByteArray, name);
    QFETCH(bool, digits);
    QByteArrayList got;
    for (const std::string& w :
         SplitTags(name.toStdString(), digits ? Digits::Keep : Digits::Split))
      got << QByteArray::fromStdString(w);
    QTEST(got, "words");
  }

  // Tags written into names, rows apart by ";": edit +word adds, -tag takes out, tag>word
  // renames, "#" after it keeps digits in words; an empty result leaves the name.
  void editName_data() {
    for (const char* column : {"name", "edit", "renamed"}) QTest::addColumn<QByteArray>(column);
    const QByteArray rows =
        "add|Beach.jpg|+rome|Beach rome.jpg;dotfile|.profile|+rome|.profile rome;"
        "after a separator|x_.JPG|+Rome|x_Rome.JPG;held, case|ROME_Beach.jpg|+rome|;"
        "held at a case edge|BeachRome.jpg|+rome|;held as extension|a.jpg|+JPG|;"
        "inside a word|Romeo|+rome|Romeo rome;not UTF-8|Caf\xE9\xFF.txt|+caf\xE9|Caf\xE9\xFF "
        "caf\xE9.txt;held, Unicode case|R\xC3\x89SUM\xC3\x89.doc|+r\xC3\xA9sum\xC3\xA9|;"
        "remove|Beach rome.jpg|-rome|Beach.jpg;extension kept|jpg-pics.jpg|-jpg|pics.jpg;"
        "remove all, separator after|rome_beach-ROME.jpg|-rome|beach.jpg;stem left empty|ROME.jpg|"
        "-rome|;only in the extension|a.jpg|-jpg|;dotfile left a dot|.rome|-rome|;"
        "not UTF-8 in words|\xFFrome \xFF rome.txt|-rome|\xFFrome \xFF.txt;"
        "digits kept|Song2rome.mp3|-rome#|;rename|Rome_x rome y.jpg|rome>Roma|Roma_x Roma y.jpg;"
        "words kept apart|HolidayRome.jpg|rome>beach|Holiday beach.jpg;"
        "to a word held|rome beach.jpg|rome>Beach|beach.jpg;to itself|Rome.jpg|rome>Rome|";
    for (const QByteArray& row : rows.split(';')) {
      const QList<QByteArray> part = row.split('|');
      QTest::newRow(part[0]) << part[1] << part[2] << part[3];
    }
  }
  void editName() {
    QFETCH(QByteArray, edit);
    const Digits digits = edit.endsWith('#') ? Digits::Keep : Digits::Split;
    edit.chop(digits == Digits::Keep);
    const qsizetype to = edit.indexOf('>'), kind = QByteArray("+-").indexOf(edit[0]);
    const NameEdit e{NameEdit::Kind(kind < 0 ? 2 : kind),
                     (to < 0 ? edit.mid(1) : edit.left(to)).toStdString(),
                     edit.mid(to + 1 + (to < 0)).toStdString(), digits};
    QFETCH(QByteArray, name);
    QTEST(QByteArray::fromStdString(EditName(name.toStdString(), e).value_or("")), "renamed");
  }

  // Distinct, in first-seen order, from file names (and folders' words when asked).
  void tagList() {
    PathList paths;
    for (const char* p : {"/f/Beach Trip.jpg", "/Doc/beach-party.JPG", "/f/...",
                          "/f/R\xC3\x89SUM\xC3\x89.doc", "/f/r\xC3\xA9sum\xC3\xA9"})
      paths.push_back(p);
    QCOMPARE(CollectTags(paths).Tags(),
             (Strings{"beach", "trip", "jpg", "party", "r\xC3\xA9sum\xC3\xA9", "doc"}));
    paths.push_back("/f/song.mp3");
    QCOMPARE(CollectTags(paths, Digits::Keep).Tags().back(), "mp3");
    QCOMPARE(CollectTags(paths).Tags().back(), "mp");
    // With folders' words: a folder's below the outermost folder given, before its files';
    // none of a folder outside them.
    PathList nested;
    for (const char* p : {"/m/Rock/OK Computer/01 Airbag.flac", "/x/Beach/a.jpg"})
      nested.push_back(p);
    QCOMPARE(CollectTags(nested, TagRule(Digits::Split, {"/m/Rock/", "/m/"})).Tags(),
             (Strings{"rock", "ok", "computer", "airbag", "flac", "a", "jpg"}));
    TagList tags;  // far past its first table: every tag still found once
    MergeTags(tags, {"x", "x", "y"});
    for (int i = 0; i < 100000; ++i) tags.Add("w" + std::to_string(i));
    QVERIFY(!tags.Add("w0") && !tags.Add("w99999") && !tags.Add("x") && tags.Add("z"));
    QVERIFY(tags.size() == 100003 && tags[100001] == "w99999");
    // A version for as long as no tag comes that no name held: one taken up again makes a
    // new one, one that goes does not; a copy shares it until either changes.
    TagCounts counts;
    std::vector<std::string> gone, added;
    counts.AddName("Sea Sun");
    const std::uint64_t version = counts.Version();
    TagCounts copy = counts;
    counts.AddName("sun"), counts.RemoveName("Sea", gone), counts.AddWords("sun", 2);
    QVERIFY(version != 0 && counts.Version() == version && copy.Version() == version);
    counts.AddName("sea");
    copy.AddWords("sky", 1);
    QVERIFY(counts.Version() != version && copy.Version() != version);
    QVERIFY(counts.Version() != copy.Version());
    const std::uint64_t merged = counts.Version();
    counts.Merge(copy, added);  // sky comes
    QVERIFY(added == Strings{"sky"} && counts.Version() != merged);
    const std::uint64_t after = counts.Version();
    counts.AddWords("moon", 0);  // no name holds it
    QVERIFY(!counts.Holds("moon") && counts.Version() == after);
  }
};

QTEST_GUILESS_MAIN(TestTags)
#include "test_tags.moc"
