#include <sys/wait.h>
#include <unistd.h>

#include <QtTest>

#include "catalogue/find_terms.h"

using namespace velmora::catalogue;

// "from..to", open ends left out, "-" for none; times as UTC days, with the hour unless midnight.
static QByteArray Shown(const std::optional<Range>& range, bool times) {
  if (!range) return "-";
  const auto end = [&](std::int64_t v, std::int64_t open) -> QByteArray {
    if (v == open) return "";
    if (!times) return QByteArray::number(static_cast<qlonglong>(v));
    const char* format = v % 86400 ? "yyyy-MM-ddThh" : "yyyy-MM-dd";
    return QDateTime::fromSecsSinceEpoch(v, Qt::UTC).toString(format).toUtf8();
  };
  return end(range->from, INT64_MIN) + ".." + end(range->to, INT64_MAX);
}

// What the find text reads as: its words, size and date, or its error.
static QByteArray Parsed(const QByteArray& text) {
  const FindQuery q = ParseFind(text.toStdString(), 1710504000);
  return q.error.empty() ? QByteArray::fromStdString(q.words) + "|" + Shown(q.size, false) + "|" +
                               Shown(q.modified, true)
                         : QByteArray::fromStdString(q.error);
}

// The same in another time zone, read in a child process: the environment cannot change
// here while QtTest's watchdog thread reads it.
static QByteArray ParsedIn(const char* zone, const QByteArray& text) {
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("TZ", zone, 1);
    ::tzset();
    const QByteArray out = Parsed(text);
    const bool written = ::write(fds[1], out.data(), out.size()) == out.size();
    ::_exit(written ? 0 : 1);
  }
  ::close(fds[1]);
  QByteArray got;
  char buffer[512];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) got.append(buffer, n);
  ::close(fds[0]);
  ::waitpid(child, nullptr, 0);
  return got;
}

class TestFindTerms : public QObject {
  Q_OBJECT
 private slots:
  // Read at 2024-03-15 12:00 UTC, in UTC or, for "east", 9 hours ahead: "words|size|modified",
  // or how the refusal begins.
  void parse_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("read");
    const auto row = [](const char* text, const char* read) {
      QTest::newRow(text) << QByteArray(text) << QByteArray(read);
    };
    row("  Beach  size bar:x  ", "  Beach  size bar:x  |-|-");
    row("Sizes:1 sizemodified:2", "Sizes:1 sizemodified:2|-|-");
    row("size:1M..2G", "|1048576..2147483649|-");
    row("a  SIZE:10k  b", "a b|10240..11264|-");
    row("size:500", "|500..501|-");
    row("size:>10m", "|10485761..|-");
    row("size:>=1G x", "x|1073741824..|-");
    row("size:<500K", "|..512000|-");
    row("size:<=2t", "|..2199023255553|-");
    row("size:>1k size:<2k", "|1025..2048|-");
    row("size:2G..1M", "|2147483648..1048577|-");
    row("modified:2019", "|-|2019-01-01..2020-01-01");
    row("modified:2019-07", "|-|2019-07-01..2019-08-01");
    row("modified:2019-12", "|-|2019-12-01..2020-01-01");
    row("modified:2020-2-29", "|-|2020-02-29..2020-03-01");
    row("modified:>2024-01-01", "|-|2024-01-02..");
    row("modified:<2020", "|-|..2020-01-01");
    row("modified:<=2020", "|-|..2021-01-01");
    row("modified:2019..2021", "|-|2019-01-01..2022-01-01");
    row("x modified:today", "x|-|2024-03-15..2024-03-16");
    row("Modified:YESTERDAY", "|-|2024-03-14..2024-03-15");
    row("modified:week", "|-|2024-03-09..2024-03-16");
    row("modified:month size:1", "|1..2|2024-02-15..2024-03-16");
    row("modified:2019 east", "east|-|2018-12-31T15..2019-12-31T15");
    row("size:>abc",
        "Cannot read the size \u201c>abc\u201d: use a number with k, M or G, as in size:>10M");
    row("modified:2019-13", "Cannot read the date \u201c2019-13\u201d: use a year");
    for (const char* bad :
         {"size:", "size:..", "size:1.5M", "size:-1", "size:10MB", "size:1k..x",
          "size:99999999999T", "modified:19", "modified:2019-02-30", "modified:2019-00",
          "modified:2019-07-", "modified:2019-1-1-1", "modified:>", "size:1 size:x"})
      row(bad, "Cannot read the");
  }
  void parse() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, read);
    const QByteArray got = text.endsWith("east") ? ParsedIn("JST-9", text) : Parsed(text);
    QVERIFY2(read.contains('|') ? got == read : got.startsWith(read) && !got.contains('|'), got);
  }
};

int main(int argc, char** argv) {
  ::setenv("TZ", "UTC0", 1);  // before QtTest starts its threads
  ::tzset();
  QCoreApplication app(argc, argv);
  TestFindTerms test;
  return QTest::qExec(&test, argc, argv);
}
#include "test_find_terms.moc"
