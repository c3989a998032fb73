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
  // Fields by ";", each a list by blanks: the files listed, the tag in the bar, the events,
  // the rows after and the tags counted (none: not compared).
  void followsChanges_data() {
    QTest::addColumn<QString>("v");
    const auto row = [](const char* name, QString v) {
      QTest::newRow(name) << v.replace("ABC", "/t/a.jpg /t/b.txt /t/c.jpg")
                                 .replace("TREE", "/t/a /t/d/x /t/d/e/y /t/dd/z");
    };
    row("made", "ABC;; +/t/d.png; ABC /t/d.png; a b c d jpg png txt");
    row("renamed over a listed one: one row",
        "ABC;; -/t/a.jpg +/t/c.jpg; /t/b.txt /t/c.jpg; b c jpg txt");
    row("made again once gone",
        "ABC;; -/t/a.jpg +/t/a.jpg; /t/b.txt /t/c.jpg /t/a.jpg; a b c jpg txt");
    row("the same name elsewhere stays", "/t/a /t/s/a;; -/t/s/a +/t/s/a -/t/s/a; /t/a; a");
    row("a folder goes with what is under it", "TREE;; -/t/d/; /t/a /t/dd/z; a z");
    row("so does a link to a listed folder", "TREE;; -/t/d; /t/a /t/dd/z; a z");
    row("filtered: made files obey the bar",
        "ABC; jpg; +/t/d.jpg +/t/e.txt -/t/a.jpg; /t/c.jpg /t/d.jpg; b c d e jpg txt");
    row("filtered: a row not kept goes unseen", "ABC; jpg; -/t/b.txt; /t/a.jpg /t/c.jpg; a c jpg");
    QString many, gone = "-", left;
    for (int i = 0; i < 200; ++i)
      many += QString(" /t/f%1").arg(i),
          (i % 2 ? gone : left) += QString("/t/f%1%2").arg(i).arg(i % 2 ? "|" : " ");
    row("many runs gone at once", many + ";; " + gone.chopped(1) + "; " + left + ";");
  }
  void followsChanges() {
    QFETCH(QString, v);
    const auto field = [&](int i) {
      Strings out;
      for (const QString& item : v.section(';', i, i).split(' ', Qt::SkipEmptyParts))
        out.push_back(item.toStdString());
      return out;
    };
    const Strings start = field(0), events = field(2), rows = field(3), tags = field(4);
    FileRows files;
    RowMirror mirror([&] { return files.RowCount(); },
                     [&](std::size_t r) { return files.Files()[files.FileAtRow(r)]; });
    files.SetListener(&mirror);
    const RowFilter filter{.tags = field(1), .excluded = {}, .name = {}};
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
    if (filter.tags.empty()) QCOMPARE(files.FileCount(), rows.size());
    Strings counted;
    for (std::size_t i = 0; i < files.Tags().Tags().size(); ++i)
      if (files.Tags().Count(i) > 0) counted.push_back(files.Tags().Tags()[i]);
    std::sort(counted.begin(), counted.end());
    if (!tags.empty()) QCOMPARE(counted, tags);
  }
};

QTEST_MAIN(TestFileRows)
#include "test_file_rows.moc"
