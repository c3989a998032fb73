#include <QtTest>

#include "platform/files.h"
#include "platform/visible_text.h"

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
