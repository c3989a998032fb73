#include <QtTest>

#include "platform/files.h"

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
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
