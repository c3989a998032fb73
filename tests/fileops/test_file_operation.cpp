#include <fcntl.h>

#include <QtTest>

#include "fileops/file_operation.h"
#include "support/faulty_fs.h"
#include "support/scripted_dialogs.h"
#include "support/testdir.h"

using namespace velmora;

class TestFileOperation : public QObject {
  Q_OBJECT
  TestHome home_;

 private slots:
  // Into the home trash; where no trash takes the file, deleted only when the user says
  // so. What is no file is skipped without a word. The name ("shm/...": where no trash is;
  // "|": a NUL byte); the answer to "Delete it permanently?" ("-": not asked), faults and
  // the end: D(one), K(ept), S(kipped), F(ailed).
  void trash_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("answer");
    for (const char* row :
         {"odd name:caf\xE9 -x\n.txt:- D", "dangling link, as a link:dangling:- D",
          "a folder:folder:- S", "vanished:gone:- S", "NUL:a|b:- F", "no trash, kept:shm/a:n K",
          "no trash, deleted:shm/a:y D", "no trash, read-only:shm/a:y unlink 0 EROFS F"}) {
      const QList<QByteArray> part = QByteArray(row).split(':');
      QTest::newRow(part[0]) << QByteArray(part[1]).replace('|', '\0') << QString(part[2]);
    }
  }
  void trash() {
    QFETCH(QByteArray, name);
    QFETCH(QString, answer);
    TestDir dir;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    desktop::Shell shell{dialogs, launcher};
    QTemporaryDir shm("/dev/shm/velmora-test-XXXXXX");
    const bool noTrash = name.startsWith("shm/"), made = name != "gone" && !name.contains('\0');
    if (noTrash && statOf(shm.path().toStdString()).st_dev == statOf(dir.path()).st_dev)
      QSKIP("no second file system at /dev/shm");
    const std::string path = noTrash ? shm.path().toStdString() + "/a" : dir / name.toStdString();
    if (name == "dangling" || name == "folder")
      name == "folder" ? dir.createDir("folder") : dir.createLink("dangling", "nowhere");
    else if (made)
      ::close(::creat(path.c_str(), 0644));
    if (answer[0] != '-') dialogs.yesNo(answer[0] == 'y');
    if (answer.endsWith('F')) dialogs.error();
    FaultyFileSystem fs;
    fs.fail(answer.mid(2).chopped(1).toStdString());
    const platform::Status status = fileops::ShellDelete(shell, path);
    QVERIFY(dialogs.allAnswered());
    const bool failed = !dialogs.shown().empty() && dialogs.shown().back().kind == "error";
    const int end = status.ok() ? 0 : status.NotFound() ? 1 : failed ? 2 : 3;
    QCOMPARE(QString("DSFK")[end], answer.back());
    QCOMPARE(statOf(path).st_mode != 0, made && !answer.endsWith('D'));
    if (noTrash)
      QVERIFY(dialogs.shown()[0].text.starts_with("\"" + path + "\" cannot be moved to the trash"));
    else if (answer.endsWith('D'))
      QCOMPARE(S_ISLNK(statOf(home_ / "data/Trash/files/" + name.toStdString()).st_mode),
               name == "dangling");
  }

  // A file that appears in the copy's place while the copy is written is asked about, the
  // copy's progress window closed, and replaced once the user says so.
  void targetAppearsWhileCopying() {
    TestDir dir;
    dir.createFile("a", "new");
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    desktop::Shell shell{dialogs, launcher};
    dialogs.replace(desktop::Answer::Yes);
    FaultyFileSystem fs;
    int opens = 0;  // the source's, then the copy's
    fs.opening = [&](std::string_view) {
      if (++opens == 2) dir.createFile("b", "old");
    };
    fileops::Batch batch;
    QVERIFY(fileops::ShellCopy(shell, batch, dir / "a", dir / "b").ok());
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(dir.read("b"), "new");
  }
};

QTEST_GUILESS_MAIN(TestFileOperation)
#include "test_file_operation.moc"
