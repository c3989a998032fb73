#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QtTest>
#include <thread>

#include "platform/single_instance.h"
#include "support/testdir.h"

using namespace velmora::platform;
using Strings = std::vector<std::string>;

class TestSingleInstance : public QObject {
  Q_OBJECT
 private slots:
  // A later start hands its folders, bytes exact, to the running one and is done.
  void handOver_data() {
    QTest::addColumn<bool>("crashed");  // a socket file nobody listens on is left behind
    QTest::addColumn<int>("given");
    QTest::newRow("folders") << false << 3;
    QTest::newRow("none: only raises") << false << 0;
    QTest::newRow("socket left by a crash") << true << 1;
  }
  void handOver() {
    QFETCH(bool, crashed);
    QFETCH(int, given);
    TestDir runtime;
    const auto address = InstanceAddressFor(runtime.path().c_str(), getuid());
    if (crashed) {
      sockaddr_un name{AF_UNIX, {}};
      address.socket.copy(name.sun_path, sizeof name.sun_path - 1);
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&name), sizeof name) + ::close(fd), 0);
    }
    SingleInstance running(address), later(address);
    QVERIFY(!running.HandOverOrListen({}));
    struct stat st {};  // no other user may hand folders over
    QVERIFY(::stat(address.socket.c_str(), &st) == 0 && (st.st_mode & 077) == 0);
    QSignalSpy received(&running, &SingleInstance::Received);
    const Strings all{"/a b", "/caf\xE9", "/x"}, folders(all.begin(), all.begin() + given);
    bool handed = false;
    std::thread start([&] { handed = later.HandOverOrListen(folders); });
    const bool arrived = received.wait();
    start.join();
    QVERIFY(arrived && handed);
    QCOMPARE(received.at(0).at(0).value<Strings>(), folders);
  }

  // Folders on the command line become absolute, without a trailing separator, empty ones
  // dropped; the address is private to the user when the runtime folder is unset or relative.
  void commandLine() {
    char* argv[] = {const_cast<char*>("velmora"), const_cast<char*>("rel/"), const_cast<char*>(""),
                    const_cast<char*>("/abs//"), const_cast<char*>("/")};
    const std::string cwd = QDir::currentPath().toStdString();
    QCOMPARE(CommandLineFolders(5, argv), (Strings{cwd + "/rel", "/abs", "/"}));
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/t");
    QCOMPARE(InstanceAddressFor("/r", 7).socket + InstanceAddressFor("r", 7).lock,
             "/r/velmora.socket/t/velmora-7.lock");
    qputenv("TMPDIR", "t");
    const std::string fallback = InstanceAddressFor(nullptr, 8).socket;
    qputenv("TMPDIR", tmp);
    QCOMPARE(fallback, "/tmp/velmora-8.socket");
  }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
