#include <QDir>
#include <QtTest>

#include "desktop/shell.h"
#include "desktop/thumbnails.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using velmora::desktop::ThumbnailCache;
using Kind = ThumbnailCache::Kind;

// The keys that tie the PNG at file to a file: "<Thumb::URI> <Thumb::MTime>".
static std::string Keys(const std::string& file) {
  const QImage png(QString::fromStdString(file));
  return (png.text("Thumb::URI") + ' ' + png.text("Thumb::MTime")).toStdString();
}

static QSize Size(const QByteArray& text) {  // "WxH"
  return QSize(text.split('x')[0].toInt(), text.split('x')[1].toInt());
}

// The cache shared with file managers: the names they give, when a thumbnail is still
// good, and pictures that failed not read again.
class TestThumbnails : public QObject {
  Q_OBJECT
 private slots:
  void names_data() {  // path|address as GLib writes it|its MD5
    QTest::addColumn<QList<QByteArray>>("row");
    for (const QByteArray& row :
         QByteArray(
             "/home/jens/photos/me.png|file:///home/jens/photos/me.png|"
             "c6ee772d9e49320e97ec29a7eb5b1697\n/tmp/a (1)!;&+,=:@$'*~#?[]%\"<>{}|^`é.jpg|"
             "file:///tmp/a%20(1)!%3B&+,=:@$'*~%23%3F%5B%5D%25%22%3C%3E%7B%7D%7C%5E%60%C3%A9.jpg|"
             "2a7ef7cf396a359a6b540eeb93f4a583\n/tmp/caf\xE9 x|file:///tmp/caf%E9%20x|"
             "52fdf8e5417c3891a10191c2977ec90f")
             .split('\n'))
      QTest::newRow(row.left(12)) << row.split('|');
  }
  void names() {
    QFETCH(QList<QByteArray>, row);
    const std::string path = row.mid(0, row.size() - 2).join('|').toStdString();
    QCOMPARE(velmora::desktop::DesktopFileUrl(path), row[row.size() - 2].toStdString());
    const std::string name = "/" + row.last().toStdString() + ".png";
    QCOMPARE(ThumbnailCache("/c/").PathOf(Kind::Large, path), "/c/large" + name);
    QCOMPARE(ThumbnailCache("/c/").PathOf(Kind::Fail, path), "/c/fail/velmora-1.1" + name);
    qputenv("XDG_CACHE_HOME", "/x/c");  // the default root; a relative one is not taken
    QCOMPARE(ThumbnailCache("").PathOf(Kind::Normal, path), "/x/c/thumbnails/normal" + name);
    qputenv("XDG_CACHE_HOME", "x/c");
    QCOMPARE(ThumbnailCache("").PathOf(Kind::Normal, path),
             qgetenv("HOME").toStdString() + "/.cache/thumbnails/normal" + name);
  }

  void find_data() {
    // a 7x7 thumbnail there before, its kind and what in it is off|the file's size, 0x0 not
    // a picture|the thumbnail's size, 0x0 none
    QTest::addColumn<QList<QByteArray>>("row");
    for (const QByteArray& row :
         QByteArray("made, within 256||600x300|256x128;made, tall||300x900|85x256;small: not "
                    "enlarged||100x40|100x40;fresh: kept|large|600x300|7x7;older time: made "
                    "again|large time|600x300|256x128;another file's: made again|large url|600x300"
                    "|256x128;a normal alone: large made|normal|600x300|256x128;failed: not tried "
                    "again|fail|600x300|0x0;failed, file changed since|fail time|600x300|256x128;"
                    "not a picture: recorded as failed||0x0|0x0;larger than its folder's: made "
                    "again|large big|600x300|256x128;large a link elsewhere: not used|large "
                    "link|600x300|0x0")
             .split(';'))
      QTest::newRow(row.left(row.indexOf('|'))) << row.split('|').mid(1);
  }
  void find() {
    QFETCH(QList<QByteArray>, row);
    TestDir dir;
    QByteArray png("not a picture");
    QBuffer buffer(&png);
    if (QImage image(Size(row[1]), QImage::Format_RGB32); !image.isNull())
      image.fill(Qt::red), buffer.open(QIODevice::WriteOnly), image.save(&buffer, "png");
    dir.createFile("pic (1) \xE9.png", png.toStdString());
    const std::string file = dir / "pic (1) \xE9.png", url = velmora::desktop::DesktopFileUrl(file);
    const ThumbnailCache cache(dir / "cache");
    const time_t mtime = statOf(file).st_mtim.tv_sec;
    if (const QList<QByteArray> plant = row[0].split(' '); !row[0].isEmpty()) {
      const int side = plant.contains("big") ? 300 : 7;
      QImage thumbnail(side, side, QImage::Format_RGB32);
      thumbnail.setText("Thumb::URI",
                        QString::fromStdString(url) + (plant.contains("url") ? "x" : ""));
      thumbnail.setText("Thumb::MTime", QString::number(mtime - plant.contains("time")));
      const auto kind = Kind(QByteArrayList{"normal", "large", "fail"}.indexOf(plant[0]));
      const QString at = QString::fromStdString(cache.PathOf(kind, file));
      QVERIFY(QDir().mkpath(QFileInfo(at).path()) && thumbnail.save(at, "png"));
      if (plant.contains("link"))  // another user's folder, say, open to all
        QVERIFY(QDir().rename(QFileInfo(at).path(), QString::fromStdString(dir / "other")) &&
                ::symlink((dir / "other").c_str(), (dir / "cache/large").c_str()) == 0);
    }
    const std::optional<std::string> got = cache.Find(file);
    if (row[0].contains("link")) {  // nothing read or written there
      QVERIFY(!got && entriesOf(dir / "other").size() == 1);
      return;
    }
    const std::string large = cache.PathOf(Kind::Large, file);
    QCOMPARE(QImage(QString::fromStdString(got.value_or(""))).size(), Size(row[2]));
    QCOMPARE(got.value_or(large), large);
    QCOMPARE(Keys(got ? large : cache.PathOf(Kind::Fail, file)), url + ' ' + std::to_string(mtime));
    if (!got) QVERIFY(!QFile::exists(QString::fromStdString(large)));
    if (!got || row[2] == "7x7") return;  // else made: alone, no temporary file left
    QCOMPARE(entriesOf(dir / "cache/large"),
             std::vector<std::string>{large.substr(large.rfind('/') + 1)});
    QCOMPARE(statOf(large).st_mode & 0777, 0600u);
    if (row[0].isEmpty()) QCOMPARE(statOf(dir / "cache/large").st_mode & 0777, 0700u);
  }

  // Going while a picture's read is held in the file system, the finder waits for nothing.
  void goesWithoutWaiting() {
    TestDir dir;
    dir.createFile("stuck.png");
    FaultyFileSystem fs;
    HeldCalls calls("stuck.png");
    fs.opening = calls.Hook();
    calls.Hold();
    auto finder = std::make_unique<velmora::desktop::Thumbnailer>(ThumbnailCache(dir / "cache"));
    finder->Request(dir / "stuck.png");
    QTRY_VERIFY(calls.Waiting());
    finder.reset();
    QVERIFY(!calls.Late());
  }
};

QTEST_MAIN(TestThumbnails)
#include "test_thumbnails.moc"
