#include <QtTest>

#include "platform/dir_enum.h"
#include "platform/files.h"
#include "platform/visible_text.h"
#include "support/faulty_fs.h"
#include "support/testdir.h"

using namespace velmora::platform;

class TestFiles : public QObject {
  Q_OBJECT
 private slots:
  // Whether the copy is portable, XDG_CONFIG_HOME, HOME ("-": unset), and the folder chosen.
  void storeDirectory_data() {
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("portable copy") << QByteArray("portable /x /home/u") << "/opt/v";
    QTest::newRow("installed, XDG set") << QByteArray("- /cfg /home/u") << "/cfg/velmora";
    QTest::newRow("installed, default") << QByteArray("- - /home/u") << "/home/u/.config/velmora";
    QTest::newRow("relative XDG ignored") << QByteArray("- cfg /home/u") << "/home/u/.config/velmora";
    QTest::newRow("nowhere else") << QByteArray("- - -") << "/opt/v";
  }
  void storeDirectory() {
    QFETCH(QByteArray, given);
    QFETCH(QString, chosen);
    const QList<QByteArray> v = given.split(' ');
    const auto arg = [&](int i) { return v[i] == "-" ? nullptr : v[i].constData(); };
    QCOMPARE(QString::fromStdString(ChooseStoreDirectory("/opt/v", v[0] != "-", arg(1), arg(2))), chosen);
  }

  // A folder of a file, a folder and links to each and to nowhere: what each entry is, as
  // "name:F" (folder) or "name:f", sorted; or the error.
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
    for (const char* link : {"tofile file", "tosub sub", "dangling nowhere"})
      t.createLink(QByteArray(link).split(' ')[0].toStdString(), QByteArray(link).split(' ')[1].toStdString());
    FaultyFileSystem fs;
    fs.untyped = fault.startsWith("untyped");
    fs.fail(fault.remove("untyped").toStdString());
    FolderListing listing;
    const int error = SystemDirectories().ReadFolder(t.path(), listing);
    QStringList got;
    for (std::size_t i = 0; i < listing.size(); ++i)
      got << QString(listing.NameField(i).data()) + (listing.Kind(i) == EntryKind::Folder ? ":F" : ":f");
    got.sort();
    QCOMPARE(error ? QString::fromStdString(ErrorText(error)) : got.join(' '), listed);
    QCOMPARE(listing.id.has_value(), error == 0 && !fault.contains("stat 0"));
  }

  void visibleText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("plain, accented, four bytes")
        << QByteArray("Été 2009 \xF0\x9F\x93\xB7.jpg") << QByteArray("Été 2009 \xF0\x9F\x93\xB7.jpg");
    QTest::newRow("bidi override and isolate, zero width, controls, C1, NUL")
        << QByteArray("inv\xE2\x80\xAEtxt a\xE2\x81\xA6" "b\xE2\x80\x8B \n\t\x1B x\xC2\x85 ") + '\0'
        << QByteArray("inv\\u202Etxt a\\u2066b\\u200B \\n\\t\\u001B x\\u0085 \\u0000");
    QTest::newRow("Latin-1, overlong, surrogate, cut short")
        << QByteArray("caf\xE9 \xC0\xAF \xED\xA0\x80 a\xE2\x80")
        << QByteArray("caf\\xE9 \\xC0\\xAF \\xED\\xA0\\x80 a\\xE2\\x80");
  }
  void visibleText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, shown);
    QCOMPARE(QByteArray::fromStdString(VisibleText(std::string_view(bytes.constData(), bytes.size()))), shown);
  }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
