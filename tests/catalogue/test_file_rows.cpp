#include <QtTest>

#include "catalogue/file_rows.h"
#include "support/row_mirror.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

class TestFileRows : public QObject {
  Q_OBJECT
 private slots:
  // What others change comes as files made ("+path") and entries gone ("-path", a folder
  // "-path/"); the rows and the tags follow, told to the listener as they change.
  void followsChanges_data() {
    QTest::addColumn<Strings>("start");
    QTest::addColumn<QString>("tag");  // in the bar
    QTest::addColumn<Strings>("events");
    QTest::addColumn<Strings>("rows");
    QTest::addColumn<Strings>("tags");
    const Strings abc{"/t/a.jpg", "/t/b.txt", "/t/c.jpg"};
    QTest::newRow("made") << abc << "" << Strings{"+/t/d.png"}
                          << Strings{"/t/a.jpg", "/t/b.txt", "/t/c.jpg", "/t/d.png"}
                          << Strings{"a", "b", "c", "d", "jpg", "png", "txt"};
    QTest::newRow("renamed over a listed one: one row")
        << abc << "" << Strings{"-/t/a.jpg", "+/t/c.jpg"} << Strings{"/t/b.txt", "/t/c.jpg"}
        << Strings{"b", "c", "jpg", "txt"};
    QTest::newRow("made again once gone")
        << abc << "" << Strings{"-/t/a.jpg", "+/t/a.jpg"}
        << Strings{"/t/b.txt", "/t/c.jpg", "/t/a.jpg"} << Strings{"a", "b", "c", "jpg", "txt"};
    QTest::newRow("the same name elsewhere stays")
        << Strings{"/t/a", "/t/s/a"} << "" << Strings{"-/t/s/a", "+/t/s/a", "-/t/s/a"}
        << Strings{"/t/a"} << Strings{"a"};
    const Strings tree{"/t/a", "/t/d/x", "/t/d/e/y", "/t/dd/z"};
    QTest::newRow("a folder goes with what is under it")
        << tree << "" << Strings{"-/t/d/"} << Strings{"/t/a", "/t/dd/z"} << Strings{"a", "z"};
    QTest::newRow("so does a link to a listed folder")
        << tree << "" << Strings{"-/t/d"} << Strings{"/t/a", "/t/dd/z"} << Strings{"a", "z"};
    QTest::newRow("filtered: made files obey the bar")
        << abc << "jpg" << Strings{"+/t/d.jpg", "+/t/e.txt", "-/t/a.jpg"}
        << Strings{"/t/c.jpg", "/t/d.jpg"} << Strings{"b", "c", "d", "e", "jpg", "txt"};
    QTest::newRow("filtered: a row not kept goes unseen")
        << abc << "jpg" << Strings{"-/t/b.txt"} << Strings{"/t/a.jpg", "/t/c.jpg"}
        << Strings{"a", "c", "jpg"};
    Strings many, left;
    std::string gone = "-";
    for (int i = 0; i < 200; ++i) {
      many.push_back("/t/f" + std::to_string(i));
      if (i % 2)
        gone += many.back() + (i < 199 ? "|" : "");
      else
        left.push_back(many.back());
    }
    QTest::newRow("many runs gone at once") << many << "" << Strings{gone} << left << Strings{};
  }
  void followsChanges() {
    QFETCH(Strings, start);
    QFETCH(QString, tag);
    QFETCH(Strings, events);
    QFETCH(Strings, rows);
    QFETCH(Strings, tags);
    FileRows files;
    RowMirror mirror([&] { return files.RowCount(); },
                     [&](std::size_t r) { return files.Files()[files.FileAtRow(r)]; });
    files.SetListener(&mirror);
    RowFilter filter;
    if (!tag.isEmpty()) filter.tags.push_back(tag.toStdString());
    const auto listed = [](const Strings& paths, bool live) {
      PathList list;
      for (const std::string& path : paths) list.push_back(path);
      return handover::Files{ListedFiles::Of(std::move(list)), live};
    };
    Strings fresh;
    files.Clear(!filter.KeepsAll());
    files.Append(listed(start, false), filter, fresh);
    for (const std::string& e : events) {
      if (e.front() == '+') {
        handover::Files made = listed({e.substr(1)}, true);
        if (files.DropListed(made)) files.Append(std::move(made), filter, fresh);
        continue;
      }
      Strings paths;  // one hand-over may name several, "|" between them
      bool folders = false;
      for (const QString& path : QString::fromStdString(e.substr(1)).split('|')) {
        paths.push_back(path.toStdString());
        if (paths.back().ends_with('/')) folders = true, paths.back().pop_back();
      }
      files.Remove(paths, folders, fresh);
    }
    QCOMPARE(mirror.Rows(), rows);
    if (tag.isEmpty()) QCOMPARE(files.FileCount(), rows.size());
    Strings counted;
    for (std::size_t i = 0; i < files.Tags().Tags().size(); ++i)
      if (files.Tags().Count(i) > 0) counted.push_back(files.Tags().Tags()[i]);
    std::sort(counted.begin(), counted.end());
    if (!tags.empty()) QCOMPARE(counted, tags);
  }
};

QTEST_MAIN(TestFileRows)
#include "test_file_rows.moc"
