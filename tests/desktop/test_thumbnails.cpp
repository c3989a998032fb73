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

// The cache shared with file managers: the names they give, when a thumbnail is still
// good, and pictures that failed not read again.
class TestThumbnails : public QObject {
  Q_OBJECT
 private slots:
  // A path, its address as GLib writes it and its MD5.
  void names_data() {
    for (const char* column : {"path", "url", "md5"}) QTest::addColumn<std::string>(column);
    const auto row = [](const char* name, const char* path, const char* url, const char* md5) {
      QTest::newRow(name) << std::string(path) << std::string(url) << std::string(md5);
    };
    row("plain", "/home/jens/photos/me.png", "file:///home/jens/photos/me.png",
        "c6ee772d9e49320e97ec29a7eb5b1697");
    row("reserved characters", "/tmp/a (1)!;&+,=:@$'*~#?[]%\"<>{}|^`é.jpg",
        "file:///tmp/a%20(1)!%3B&+,=:@$'*~%23%3F%5B%5D%25%22%3C%3E%7B%7D%7C%5E%60%C3%A9.jpg",
        "2a7ef7cf396a359a6b540eeb93f4a583");
    row("not UTF-8", "/tmp/caf\xE9 x", "file:///tmp/caf%E9%20x",
        "52fdf8e5417c3891a10191c2977ec90f");
  }
  void names() {
    QFETCH(std::string, path);
    QFETCH(std::string, md5);
    QTEST(velmora::desktop::DesktopFileUrl(path), "url");
    const std::string name = "/" + md5 + ".png";
    QCOMPARE(ThumbnailCache("/c/").PathOf(Kind::Large, path), "/c/large" + name);
    QCOMPARE(ThumbnailCache("/c/").PathOf(Kind::Fail, path), "/c/fail/velmora-1.1" + name);
    qputenv("XDG_CACHE_HOME", "/x/c");  // the default root; a relative one is not taken
    QCOMPARE(ThumbnailCache("").PathOf(Kind::Normal, path), "/x/c/thumbnails/normal" + name);
    qputenv("XDG_CACHE_HOME", "x/c");
    QCOMPARE(ThumbnailCache("").PathOf(Kind::Normal, path),
             qgetenv("HOME").toStdString() + "/.cache/thumbnails/normal" + name);
  }

  // A 7x7 thumbnail there before, its kind and what in it is off; the file's size (0x0: not
  // a picture); the thumbnail's size (0x0: none).
  void find_data() {
    QTest::addColumn<QByteArrayList>("plant");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("made");
    const auto row = [](const char* name, const QByteArrayList& plant, QSize picture, QSize made) {
      QTest::newRow(name) << plant << picture << made;
    };
    row("made, within 256", {}, {600, 300}, {256, 128});
    row("made, tall", {}, {300, 900}, {85, 256});
    row("small: not enlarged", {}, {100, 40}, {100, 40});
    row("fresh: kept", {"large"}, {600, 300}, {7, 7});
    row("older time: made again", {"large", "time"}, {600, 300}, {256, 128});
    row("another file's: made again", {"large", "url"}, {600, 300}, {256, 128});
    row("a normal alone: large made", {"normal"}, {600, 300}, {256, 128});
    row("failed: not tried again", {"fail"}, {600, 300}, {0, 0});
    row("failed, file changed since", {"fail", "time"}, {600, 300}, {256, 128});
    row("not a picture: recorded as failed", {}, {0, 0}, {0, 0});
    row("larger than its folder's: made again", {"large", "big"}, {600, 300}, {256, 128});
    row("large a link elsewhere: not used", {"large", "link"}, {600, 300}, {0, 0});
  }
  void find() {
    QFETCH(QByteArrayList, plant);
    QFETCH(QSize, picture);
    QFETCH(QSize, made);
    TestDir dir;
    QByteArray png("not a picture");
    QBuffer buffer(&png);
    if (QImage image(picture, QImage::Format_RGB32); !image.isNull())
      image.fill(Qt::red), buffer.open(QIODevice::WriteOnly), image.save(&buffer, "png");
    dir.createFile("pic (1) \xE9.png", png.toStdString());
    const std::string file = dir / "pic (1) \xE9.png", url = velmora::desktop::DesktopFileUrl(file);
    const ThumbnailCache cache(dir / "cache");
    const time_t mtime = statOf(file).st_mtim.tv_sec;
    if (!plant.isEmpty()) {
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
    if (plant.contains("link")) {  // nothing read or written there
      QVERIFY(!got && entriesOf(dir / "other").size() == 1);
      return;
    }
    const std::string large = cache.PathOf(Kind::Large, file);
    QCOMPARE(QImage(QString::fromStdString(got.value_or(""))).size(), made);
    QCOMPARE(got.value_or(large), large);
    QCOMPARE(Keys(got ? large : cache.PathOf(Kind::Fail, file)), url + ' ' + std::to_string(mtime));
    if (!got) QVERIFY(!QFile::exists(QString::fromStdString(large)));
    if (!got || made == QSize(7, 7)) return;  // else made: alone, no temporary file left
    QCOMPARE(entriesOf(dir / "cache/large"),
             std::vector<std::string>{large.substr(large.rfind('/') + 1)});
    QCOMPARE(statOf(large).st_mode & 0777, 0600u);
    if (plant.isEmpty()) QCOMPARE(statOf(dir / "cache/large").st_mode & 0777, 0700u);
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
