#include <QtTest>

#include "catalogue/file_rows.h"
#include "support/row_mirror.h"

using namespace velmora::catalogue;
using Strings = std::vector<std::string>;

class TestFileRows : public QObject {
  Q_OBJECT
 private slots:
  // What others change comes as files made ("+path") and entries gone ("-path", a folder
  // "-path/"); the rows and the tags follow, told to the listener as they change. "=tag"
  // (or "=") puts that tag alone in the bar.
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
    // Removals here and there, one by one and many at once, with files made between:
    // the rows taken out earlier must not be shown again or shift those after them.
    for (const bool jpg : {false, true}) {
      bool shownJpg = jpg;
      for (unsigned seed = 1; seed <= 3; ++seed) {
        QStringList listed, shown, events;
        const auto name = [](int i) {
          return QString("/t/f%1.%2").arg(i).arg(i % 3 ? "jpg" : "txt");
        };
        for (int i = 0; i < 300; ++i) listed << name(i);
        shown = listed;
        unsigned next = seed;
        const auto draw = [&](qsizetype n) {
          next = next * 1103515245 + 12345;
          return static_cast<qsizetype>(next / 16 % static_cast<unsigned>(n));
        };
        for (int e = 0, made = 300; e < 12; ++e) {
          if (draw(6) == 0) {  // the other filter
            shownJpg = !shownJpg;
            events << (shownJpg ? "=jpg" : "=");
            continue;
          }
          if (draw(4) == 0) {
            events << "+" + name(made);
            shown << name(made++);
            continue;
          }
          QStringList paths;  // 1, a few, or more than the rows told one by one
          const qsizetype n = std::min(shown.size(), std::array<qsizetype, 3>{1, 5, 90}[draw(3)]);
          while (paths.size() < n) paths << shown.takeAt(draw(shown.size()));
          events << "-" + paths.join('|');
        }
        if (shownJpg) shown = shown.filter(".jpg");
        row(qPrintable(QString("gone here and there, %1, %2").arg(jpg ? "jpg" : "all").arg(seed)),
            listed.join(' ') + (jpg ? "; jpg; " : ";; ") + events.join(' ') + "; " +
                shown.join(' ') + ";");
      }
    }
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
    RowFilter filter{.tags = field(1), .excluded = {}, .name = {}};
    const auto listed = [](const Strings& paths, bool live) {
      PathList list;
      for (const std::string& path : paths) list.push_back(path);
      return handover::Files{ListedFiles::Of(std::move(list)), live};
    };
    Strings fresh;
    files.Clear(!filter.KeepsAll());
    files.Append(listed(start, false), filter, fresh);
    for (const std::string& e : events) {
      if (e.front() == '=') {
        filter.tags = e.size() > 1 ? Strings{e.substr(1)} : Strings{};
        files.Refilter(filter);
        continue;
      }
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
    Strings rowPaths;  // the files of the rows, taken in one pass
    for (const std::size_t i : files.RowFiles()) rowPaths.push_back(files.Files()[i]);
    QCOMPARE(rowPaths, rows);
    if (const auto kept = files.Kept()) {
      Strings keptPaths;
      for (std::size_t i = 0; i < files.Files().size(); ++i)
        if (kept->Holds(i)) keptPaths.push_back(files.Files()[i]);
      QCOMPARE(keptPaths, rows);
      QVERIFY(!kept->Holds(files.Files().size()));  // nothing past the last file
    }
    if (filter.tags.empty()) QCOMPARE(files.FileCount(), rows.size());
    Strings counted;
    for (std::size_t i = 0; i < files.Tags().Tags().size(); ++i)
      if (files.Tags().Count(i) > 0) counted.push_back(files.Tags().Tags()[i]);
    std::sort(counted.begin(), counted.end());
    if (!tags.empty()) QCOMPARE(counted, tags);
  }

  // Files gone side by side are told as one removal, however many, so that the views keep
  // their selection elsewhere rather than start again.
  void tellsRunsWhole() {
    PathList list;
    for (int i = 0; i < 300; ++i)
      list.push_back("/t/" + std::string(i < 100 ? "a/" : "b/") + std::to_string(i));
    FileRows files;
    std::vector<std::string> fresh;
    files.Append({ListedFiles::Of(std::move(list)), false}, RowFilter{}, fresh);
    const auto made = files.Remove({"/t/b"}, true, fresh);
    QCOMPARE(made, (std::vector<RowChange>{{RowChange::Kind::Remove, 100, 299}}));
    QCOMPARE(files.RowCount(), std::size_t{100});
  }
};

QTEST_MAIN(TestFileRows)
#include "test_file_rows.moc"
