// The catalogues are whole and keep what the program fills in; the window in German
// shows its captions whole, or cut short with the whole text as their tooltip.

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "desktop/translations.h"
#include "form_world.h"
#include "mainwindow/form_controls.h"
#include "platform/words.h"

using namespace velmora;

namespace {

// The placeholders of a text, sorted, and how many accelerator marks it has.
QString Marks(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%L?[1-9n]"));
  QStringList found;
  for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found << m.captured();
  found.sort();
  return found.join(u' ') +
         QStringLiteral(" &%1").arg(QString(text).remove(QStringLiteral("&&")).count(u'&'));
}

}  // namespace

class TestTranslations : public QObject {
  Q_OBJECT

 private slots:
  void catalogueIsComplete_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("forms");  // plural forms of the language
    for (const char* one : {"de", "fr", "es", "it", "pt_BR"})
      QTest::newRow(one) << QString::fromLatin1(one) << 2;
    for (const char* one : {"zh_CN", "ja"}) QTest::newRow(one) << QString::fromLatin1(one) << 1;
  }
  void catalogueIsComplete() {
    QFETCH(QString, language);
    QFETCH(int, forms);
    QFile file(QStringLiteral(VELMORA_TS_DIR "/velmora_%1.ts").arg(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString source;
    QStringList texts;
    int messages = 0;
    while (!ts.atEnd()) {
      ts.readNext();
      if (ts.isStartElement() && ts.name() == u"message") ++messages, texts.clear();
      if (ts.isStartElement() && ts.name() == u"source") source = ts.readElementText();
      if (ts.isStartElement() && ts.name() == u"translation") {
        QVERIFY2(ts.attributes().value(QStringLiteral("type")).isEmpty(), qPrintable(source));
        if (ts.readNext() == QXmlStreamReader::Characters && !ts.isWhitespace())
          texts << ts.text().toString();
      }
      if (ts.isStartElement() && ts.name() == u"numerusform") texts << ts.readElementText();
      if (!ts.isEndElement() || ts.name() != u"message") continue;
      QVERIFY2(texts.size() == 1 || texts.size() == forms, qPrintable(source));
      for (const QString& text : texts) {
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(source));
        QCOMPARE(Marks(text), Marks(source));
      }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 100);
  }

  void germanWindowShowsItsCaptionsWhole() {
    QVERIFY(desktop::InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));
    // The toolkit-free texts come through the same catalogue, plural forms and all.
    QCOMPARE(QString::fromStdString(platform::Tr("velmora", "%n files", nullptr, 3)),
             QStringLiteral("3 Dateien"));
    QCOMPARE(QString::fromStdString(platform::Tr("velmora", "Copy Complete")),
             QStringLiteral("Kopieren abgeschlossen"));
    // A count not translated yet still reads as English.
    QCOMPARE(QString::fromStdString(platform::Tr("velmora", "%n item(s)", nullptr, 2)),
             QStringLiteral("2 items"));
    testing::World world;
    QCOMPARE(world.find<QAbstractButton>("cmdOpen")->text(), QStringLiteral("Öffnen"));
    int cut = 0;
    for (QWidget* w : world.form->findChildren<QWidget*>()) {
      const auto* button = qobject_cast<QAbstractButton*>(w);
      const auto* label = qobject_cast<QLabel*>(w);
      if ((!button && !label) || !w->isVisible()) continue;
      const QString text = button ? button->text() : label->text();
      if (text.isEmpty() || text.startsWith(u'<')) continue;
      QVERIFY2(mainwindow::WidthForText(*w, text) <= w->width(), qPrintable(text));
      const QString whole = w->property("wholeText").toString();
      if (whole.isEmpty() || text == whole) continue;
      ++cut;
      QVERIFY2(text.endsWith(QChar(0x2026)), qPrintable(text));
      QVERIFY2(w->toolTip().startsWith(whole), qPrintable(w->toolTip()));  // then what it does
    }
    QVERIFY(cut <= 3);  // the command buttons are narrow; most captions fit
  }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
