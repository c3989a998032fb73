#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QtTest>
#include <thread>

#include "desktop/single_instance.h"
#include "platform/window_args.h"
#include "support/testdir.h"

using namespace velmora::platform;
using namespace velmora::desktop;
using Strings = std::vector<std::string>;

const std::string kLong = "/" + std::string(128 * 1024 - 2, 'x');  // as long as an argument gets

class TestSingleInstance : public QObject {
  Q_OBJECT
 private slots:
  // A later start hands its folders, bytes exact, to the running one and is done; else it
  // runs alone: when the name is another user's, or nobody answers.
  void handOver_data() {
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<int>("given");
    QTest::addColumn<bool>("handed");
    QTest::newRow("folders") << QByteArray() << 3 << true;
    QTest::newRow("none: only raises") << QByteArray() << 0 << true;
    QTest::newRow("eight arguments of 128 KB") << QByteArray() << 11 << true;
    QTest::newRow("socket left by a crash") << QByteArray("crashed") << 1 << true;
    QTest::newRow("lock held, no answer") << QByteArray("silent") << 1 << false;
    QTest::newRow("lock of another user") << QByteArray("stranger") << 1 << false;
  }
  void handOver() {
    QFETCH(QByteArray, setup);
    QFETCH(int, given);
    QFETCH(bool, handed);
    if (setup == "stranger" && geteuid() != 0) QSKIP("giving a file away needs root");
    TestDir runtime;
    const auto address = InstanceAddressIn(runtime.path(), InstanceKey("/s", ":0"));
    if (setup == "crashed") QCOMPARE(::mknod(address.socket.c_str(), S_IFSOCK | 0700, 0), 0);
    const int lock = setup.isEmpty() ? -1 : ::open(address.lock.c_str(), O_CREAT | O_RDWR, 0600);
    if (setup == "silent") QCOMPARE(::flock(lock, LOCK_EX), 0);
    if (setup == "stranger") QCOMPARE(::fchown(lock, 65534, 65534), 0);
    SingleInstance running(address), later(address);
    QVERIFY(setup == "silent" || !running.HandOverOrListen({}));
    struct stat st {};  // no other user may hand folders over
    QCOMPARE(::stat(address.socket.c_str(), &st) == 0 && (st.st_mode & 077) == 0, handed);
    QSignalSpy received(&running, &SingleInstance::Received);
    Strings folders{"/a b", "/caf\xE9", "/x"};
    folders.resize(static_cast<std::size_t>(given), kLong);
    bool handedOver = !handed;
    std::thread start([&] { handedOver = later.HandOverOrListen(folders); });
    const bool arrived = handed && received.wait();
    start.join();
    ::close(lock);
    QVERIFY(handedOver == handed && arrived == handed);
    if (handed) QCOMPARE(received.at(0).at(0).value<Strings>(), folders);
  }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
