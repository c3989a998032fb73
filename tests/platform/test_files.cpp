#include <QtTest>

#include "platform/dir_enum.h"
#include "platform/files.h"
#include "platform/visible_text.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using velmora::platform::ChooseStoreDirectory;

class TestFiles : public QObject {
  Q_OBJECT
 private slots:
  void storeDirectory_data() {
    QTest::addColumn<bool>("portable");
    QTest::addColumn<QByteArray>("xdg");   // "-" for unset
    QTest::addColumn<QByteArray>("home");  // "-" for unset
    QTest::addColumn<QString>("chosen");
    QTest::newRow("portable copy") << true << QByteArray("/x") << QByteArray("/home/u") << "/opt/v";
    QTest::newRow("installed, XDG set")
        << false << QByteArray("/cfg") << QByteArray("/home/u") << "/cfg/velmora";
    QTest::newRow("installed, default")
        << false << QByteArray("-") << QByteArray("/home/u") << "/home/u/.config/velmora";
    QTest::newRow("relative XDG ignored")
        << false << QByteArray("cfg") << QByteArray("/home/u") << "/home/u/.config/velmora";
    QTest::newRow("nowhere else") << false << QByteArray("-") << QByteArray("-") << "/opt/v";
  }
  void storeDirectory() {
    QFETCH(bool, portable);
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QString, chosen);
    const auto arg = [](const QByteArray& v) { return v == "-" ? nullptr : v.constData(); };
    QCOMPARE(QString::fromStdString(ChooseStoreDirectory("/opt/v", portable, arg(xdg), arg(home))),
             chosen);
  }

  // A folder of a file, a folder and links to each and to nowhere: what each entry is,
  // as "name:F" (folder) or "name:f", sorted; or the error.
  void readFolder_data() {
    QTest::addColumn<QString>("fault");  // see FaultyFileSystem; "untyped": no entry types
    QTest::addColumn<QString>("listed");
    const QString all = "dangling:f file:f sub:F tofile:f tosub:F";
    QTest::newRow("typed") << "" << all;
    QTest::newRow("untyped") << "untyped" << all;
    QTest::newRow("untyped, unknown kinds are files") << "untyped stat 0 EIO"
                                                      << "dangling:f file:f sub:f tofile:f tosub:f";
    QTest::newRow("no kernel file system answer") << "statfs 0 EIO" << all;
    QTest::newRow("not readable") << "open 1 EACCES" << "Permission denied";
    QTest::newRow("read error ends the folder") << "entries 1 EIO" << "";
  }
  void readFolder() {
    QFETCH(QString, fault);
    QFETCH(QString, listed);
    TestDir t;
    t.createFile("file");
    t.createDir("sub");
    t.createLink("tofile", "file");
    t.createLink("tosub", "sub");
    t.createLink("dangling", "nowhere");
    FaultyFileSystem fs;
    fs.untyped = fault.startsWith("untyped");
    fs.fail(fault.remove("untyped").toStdString());
    velmora::platform::FolderListing listing;
    const int error = velmora::platform::SystemDirectories().ReadFolder(t.path(), listing);
    QStringList got;
    for (std::size_t i = 0; i < listing.size(); ++i)
      got << QString::fromStdString(std::string(listing.NameField(i).data())) +
                 (listing.Kind(i) == velmora::platform::EntryKind::Folder ? ":F" : ":f");
    got.sort();
    QCOMPARE(error != 0 ? QString::fromStdString(velmora::platform::ErrorText(error)) : got.join(' '), listed);
    QCOMPARE(listing.id.has_value(), error == 0 && !fault.contains("stat 0"));
  }

  void visibleText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("plain and accented") << QByteArray("Été 2009.jpg") << QByteArray("Été 2009.jpg");
    QTest::newRow("right-to-left override")
        << QByteArray("inv\xE2\x80\xAEtxt.exe") << QByteArray("inv\\u202Etxt.exe");
    QTest::newRow("isolates and zero width") << QByteArray("a\xE2\x81\xA6" "b\xE2\x80\x8B")
                                             << QByteArray("a\\u2066b\\u200B");
    QTest::newRow("line break, tab, escape")
        << QByteArray("a\nb\tc\x1B") << QByteArray("a\\nb\\tc\\u001B");
    QTest::newRow("C1 control") << QByteArray("x\xC2\x85") << QByteArray("x\\u0085");
    QTest::newRow("Latin-1 byte") << QByteArray("caf\xE9") << QByteArray("caf\\xE9");
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("\\xC0\\xAF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("\\xED\\xA0\\x80");
    QTest::newRow("cut short") << QByteArray("a\xE2\x80") << QByteArray("a\\xE2\\x80");
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x93\xB7") << QByteArray("\xF0\x9F\x93\xB7");
    QTest::newRow("NUL") << QByteArray("a\0b", 3) << QByteArray("a\\u0000b");
  }
  void visibleText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, shown);
    QCOMPARE(QByteArray::fromStdString(
                 velmora::platform::VisibleText(std::string_view(bytes.constData(), bytes.size()))),
             shown);
  }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
