#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <thread>

#include "mainwindow/form_layout.h"
#include "mainwindow/form_world.h"
#include "platform/single_instance.h"
#include "platform/twips.h"

using namespace velmora;
using mainwindow::Form1;
using testing::World;
using Strings = std::vector<std::string>;

namespace {

// The example folder: two photos and the user tags family and trip.
std::string exampleStore(const TestDir& tree, const std::string& userTags = "family,trip,") {
  tree.createFile("Beach Trip.jpg");
  tree.createFile("sub/beach-party.JPG");
  return tree.path() + "\r\n" + userTags + "\r\n";
}

}  // namespace

class TestForm1 : public QObject {
  Q_OBJECT
 private slots:
  void startUp() {
    TestDir tree;
    World w;
    w.dialogs.error();  // a path holding NUL is named, and not listed
    w.Start(exampleStore(tree) + "/other\r\n\r\n/a" + std::string(1, '\0') + "/b\r\n\r\n");
    QVERIFY(w.dialogs.shown().at(0).text.find("/a\\u0000/b - ") != std::string::npos);
    QCOMPARE(w.form->windowTitle(), QString("Velmora"));
    QCOMPARE(w.find<QListWidget>("lstFolders")->count(), 2);
    QCOMPARE(w.find<QListWidget>("lstFolders")->item(1)->text(), QString("other"));
    QCOMPARE(w.find<QListWidget>("lstPaths")->item(1)->text(), QString("/other"));
    QCOMPARE(w.form->SelectedFolder(), -1);
    QCOMPARE(w.form->Files().rowCount(), 0);
  }

  void loadShowsFilesAndChips() {
    TestDir tree;
    World w(exampleStore(tree));
    w.select(0);
    QCOMPARE(w.files(), (Strings{tree / "Beach Trip.jpg", tree / "sub/beach-party.JPG"}));
    QCOMPARE(W::chips(w.panel()), (Strings{"beach", "trip", "jpg", "party", "family"}));
    QVERIFY(w.find<QWidget>("cmdAddUserTag")->isVisible());
    QVERIFY(w.find<QWidget>("lblHelp")->isVisible());

    w.find<QCheckBox>("chkAutoTags")->click();  // reload without auto tags
    QCOMPARE(W::chips(w.panel()), (Strings{"family", "trip"}));
    QCOMPARE(w.files().size(), std::size_t{2});
  }

  void chipsMoveAndFilter() {
    TestDir tree;
    World w(exampleStore(tree));
    w.select(0);
    W::click(w.panel(), "party");
    QCOMPARE(W::chips(w.bar()), Strings{"party"});
    QCOMPARE(w.files(), Strings{tree / "sub/beach-party.JPG"});
    W::click(w.panel(), "trip");
    QCOMPARE(w.files(), Strings{});
    w.find<QRadioButton>("optTagAny")->click();
    QCOMPARE(w.files().size(), std::size_t{2});
    W::click(w.bar(), "party");  // back to the end of the panel
    QCOMPARE(W::chips(w.panel()), (Strings{"beach", "jpg", "family", "party"}));
    QCOMPARE(w.files(), Strings{tree / "Beach Trip.jpg"});
    W::click(w.panel(), "jpg");
    w.find<QCheckBox>("chkAutoTags")->click();  // a reload empties the bar
    QCOMPARE(W::chips(w.bar()), Strings{});
  }

  // A name that reads backwards (U+202E) shows escaped in the lists and the caption while
  // the commands keep its bytes; a huge path makes a short caption.
  void pathsShownAsTheyAre() {
    TestDir tree;
    const std::string rlo = "\xE2\x80\xAE", folder = tree / (rlo + "cod.exe");
    tree.createFile(rlo + "cod.exe/" + rlo + "fdp.exe");
    std::string huge = "/";
    for (int i = 0; i < 1000; ++i) huge += "\xF0\x9F\x98\x80";
    World w(folder + "\r\n\r\n" + huge + "\r\n\r\n");
    QCOMPARE(w.find<QListWidget>("lstFolders")->item(0)->text(), QString("\\u202Ecod.exe"));
    w.select(0);
    const QString shown = QString::fromStdString(tree.path()) + "/\\u202Ecod.exe";
    QCOMPARE(w.form->windowTitle(), "Velmora - " + shown);
    QCOMPARE(w.files(), Strings{folder + "/" + rlo + "fdp.exe"});
    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole})
      QCOMPARE(w.form->Files().index(0).data(role).toString(), shown + "/\\u202Efdp.exe");
    w.select(1);
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    QCOMPARE(w.form->windowTitle(),
             "Velmora - /" + smile.repeated(239) + QChar(0x2026) + smile.repeated(240));
  }

  // On a dark desktop the texts on fixed light backgrounds stay dark.
  void readableOnADarkDesktop() {
    const auto restore =
        qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30)));  // light text
    World w;
    for (const char* name : {"Label6", "Label7", "lblHelp"}) {
      const QWidget *text = w.find<QWidget>(name), *filled = text;
      while (!filled->autoFillBackground()) filled = filled->parentWidget();
      const QColor back = filled->palette().color(QPalette::Window);
      QVERIFY2(qGray(back.rgb()) - qGray(text->palette().color(QPalette::WindowText).rgb()) > 128,
               name);
    }
  }

  void userTags_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("barChip");
    QTest::newRow("new, as typed") << "family," << QString("Beach") << "family,Beach,"
                                   << "beach";
    QTest::newRow("already stored") << "family,trip," << QString("trip") << "family,trip,"
                                    << "trip";
    QTest::newRow("cancelled") << "family," << QString() << "family," << QString();
    QTest::newRow("line break refused") << "family," << QString("a\nb") << "family," << QString();
  }
  void userTags() {
    QFETCH(QString, line);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, barChip);
    TestDir tree;
    tree.createFile("beach.jpg");
    World w(tree.path() + "\r\n" + line.toStdString() + "\r\n");
    w.select(0);
    w.dialogs.input(typed.toStdString());
    if (typed.contains('\n')) w.dialogs.error();
    w.find<QPushButton>("cmdAddUserTag")->click();
    QVERIFY(w.dialogs.allAnswered());
    QCOMPARE(w.store(), tree.path() + "\r\n" + stored.toStdString() + "\r\n");
    QCOMPARE(W::chips(w.bar()), barChip.isEmpty() ? Strings{} : Strings{barChip.toStdString()});
    QCOMPARE(w.files().size(), std::size_t{barChip == "trip" ? 0u : 1u});
  }

  void addAndRemoveFolders() {
    TestDir tree;
    World w(exampleStore(tree));
    w.select(0);
    auto* folders = w.find<QListWidget>("lstFolders");
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      folders->visualItemRect(folders->item(0)).center());
    QCOMPARE(w.form->SelectedFolder(), 0);  // the folder shown stays selected
    w.dir.createFile("folders.txt", w.store() + "/elsewhere\r\n\r\n");  // another window's
    w.dialogs.pickFolder("")
        .pickFolder(tree / "sub")
        .pickFolder(tree.path())
        .pickFolder(tree / "odd\nname")
        .error();
    for (int i = 0; i < 4; ++i) w.find<QPushButton>("cmdAddFolder")->click();
    QVERIFY(w.dialogs.allAnswered());
    const std::string others = "/elsewhere\r\n\r\n" + tree / "sub" + "\r\n\r\n";
    QCOMPARE(w.store(), tree.path() + "\r\nfamily,trip,\r\n" + others);
    QCOMPARE(folders->item(2)->text(), QString("sub"));
    QCOMPARE(w.form->SelectedFolder(), 0);  // adding leaves the loaded folder as it was
    QCOMPARE(w.files().size(), std::size_t{2});

    w.find<QPushButton>("cmdRemoveFolder")->click();
    QCOMPARE(w.store(), others);
    QCOMPARE(w.form->SelectedFolder(), -1);
    QCOMPARE(folders->count(), 2);
    QCOMPARE(w.files(), Strings{});
    QVERIFY(!w.find<QWidget>("cmdAddUserTag")->isVisible());
    w.find<QPushButton>("cmdRemoveFolder")->click();  // nothing shown: nothing happens
    QCOMPARE(w.store(), others);
  }

  // A later start hands its folders to the running window, even after one crashed.
  void handOver_data() {
    QTest::addColumn<bool>("crashed");
    QTest::addColumn<int>("given");  // of: sub, the example folder
    QTest::addColumn<int>("shown");
    QTest::newRow("new and registered") << false << 2 << 0;
    QTest::newRow("none: only raises") << false << 0 << -1;
    QTest::newRow("socket left by a crash") << true << 1 << 1;
  }
  void handOver() {
    QFETCH(bool, crashed);
    QFETCH(int, given);
    QFETCH(int, shown);
    TestDir tree, runtime;
    World w(exampleStore(tree));
    const auto address = platform::InstanceAddressFor(runtime.path().c_str(), getuid());
    if (crashed) {  // a socket file nobody listens on
      sockaddr_un name{AF_UNIX, {}};
      address.socket.copy(name.sun_path, sizeof name.sun_path - 1);
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&name), sizeof name) + ::close(fd), 0);
    }
    platform::SingleInstance running(address), later(address);
    QVERIFY(!running.HandOverOrListen({}));
    connect(&running, &platform::SingleInstance::Received, w.form.get(), &Form1::OpenFolders);
    QSignalSpy received(&running, &platform::SingleInstance::Received);
    const Strings folders{tree / "sub", tree.path()};
    bool handed = false;
    std::thread start([&] {
      handed = later.HandOverOrListen({folders.begin(), folders.begin() + given});
    });
    const bool arrived = received.wait();
    start.join();
    QVERIFY(arrived && handed);
    QCOMPARE(w.find<QListWidget>("lstFolders")->count(), given > 0 ? 2 : 1);
    QCOMPARE(w.form->SelectedFolder(), shown);
  }

  // The store cannot be written: one message, and nothing changes.
  void saveFailureKeepsEverything() {
    TestDir tree;
    World w(exampleStore(tree));
    const std::string before = w.store();
    ::chmod(w.dir.path().c_str(), 0555);
    w.select(0);
    RUN_UNPRIVILEGED(shown, [&] {
      // The window lives on in the child; only the child is unprivileged.
      w.dialogs.pickFolder("/new").error();
      w.find<QPushButton>("cmdAddFolder")->click();
      w.dialogs.input("Beach").error();
      w.find<QPushButton>("cmdAddUserTag")->click();
      std::string out = std::to_string(w.find<QListWidget>("lstFolders")->count()) + " " +
                        w.form->Store().UserTags(0) + " " + w.dialogs.summary() + " ";
      for (const auto& s : w.dialogs.shown()) out += "|" + s.text;
      return out;
    });
    QVERIFY2(shown.rfind("1 family,trip, pick error input error |", 0) == 0, shown.c_str());
    QVERIFY2(shown.find("Permission denied") != std::string::npos, shown.c_str());
    QCOMPARE(w.store(), before);
  }

  void scrollsToTheEnd() {
    TestDir tree;
    for (int i = 0; i < 60; ++i)
      tree.createFile("tag" + std::string(1, static_cast<char>('a' + i % 26)) +
                      std::string(1, static_cast<char>('a' + i / 26)) + ".txt");
    World w(tree.path() + "\r\n\r\n");
    w.select(0);
    auto* bar = w.find<QScrollBar>("VScroll1");
    const int container =
        static_cast<int>(platform::PixelsToTwips(w.find<QWidget>("picTagPanel")->height()));
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->maximum(), w.panel().HeightTwips() - container);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(w.panel().y(), -platform::TwipsToWholePixels(bar->maximum()));
    W::click(w.panel(), "tagab");
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(w.panel().y(), -platform::TwipsToWholePixels(bar->maximum()));
    bar->setValue(0);
    QCOMPARE(w.panel().y(), 0);
  }

  void creditOpensTheReadme() {
    World w;
    QTest::mouseClick(w.find<QLabel>("Label8"), Qt::LeftButton);
    QCOMPARE(w.launcher.urls, Strings{"file://" + w.dir / "README.md"});
  }

  void resizedWindow() {
    World w;
    // The rule measures the outer size, frame included.
    const QSize frame = w.form->frameGeometry().size() - w.form->size();
    w.form->resize(QSize(platform::TwipsToWholePixels(13065), platform::TwipsToWholePixels(8700)) -
                   frame);
    QCOMPARE(w.find<QWidget>("lstFiles")->width(), platform::TwipsToWholePixels(7840));
    QCOMPARE(w.find<QWidget>("picTagPanel")->height(), platform::TwipsToWholePixels(7045));
    w.form->resize(100, 100);
    QCOMPARE(w.form->frameGeometry().width(), platform::TwipsToWholePixels(8000));
    QCOMPARE(w.find<QWidget>("lstFiles")->width(), platform::TwipsToWholePixels(2775));
  }

  void scrollRule_data() {
    QTest::addColumn<double>("panel");
    QTest::addColumn<double>("container");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("page");
    QTest::newRow("exact fit") << 900.0 << 900.0 << false << qint64(0) << qint64(0);
    QTest::newRow("one pixel over") << 915.0 << 900.0 << true << qint64(15) << qint64(3);
    QTest::newRow("half to even") << 910.0 << 900.0 << true << qint64(10) << qint64(2);
    QTest::newRow("tiny: step stays 1") << 902.0 << 900.0 << true << qint64(2) << qint64(1);
    QTest::newRow("beyond 16 bits")
        << 15000000.0 << 7000.0 << true << qint64(14993000) << qint64(2998600);
  }
  void scrollRule() {
    QFETCH(double, panel);
    QFETCH(double, container);
    QFETCH(bool, visible);
    QFETCH(qint64, maximum);
    QFETCH(qint64, page);
    const auto r = mainwindow::ScrollRule(panel, container);
    QCOMPARE(r.visible, visible);
    QCOMPARE(static_cast<qint64>(r.maximum), maximum);
    QCOMPARE(static_cast<qint64>(r.pageStep), page);
  }

 private:
  using W = World;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
