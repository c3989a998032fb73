#include <QtTest>

#include "platform/visible_text.h"

using namespace velmora::platform;

class TestVisibleText : public QObject {
  Q_OBJECT
 private slots:
  // Whatever could hide or fake a name is shown escaped.
  void visibleText() {
    const std::string bytes =
        "Été \xF0\x9F\x93\xB7 inv\xE2\x80\xAEtxt a\xE2\x81\xA6"
        "b\xE2\x80\x8B "
        "\n\t\x1B x\xC2\x85 caf\xE9 \xC0\xAF \xED\xA0\x80 " +
        std::string(1, '\0') + "a\xE2\x80 \x7F\xE2\x81\xA0";
    QCOMPARE(VisibleText(bytes),
             "Été \xF0\x9F\x93\xB7 inv\\u202Etxt a\\u2066b\\u200B \\n\\t\\u001B x\\u0085 "
             "caf\\xE9 \\xC0\\xAF \\xED\\xA0\\x80 \\u0000a\\xE2\\x80 \\u007F\\u2060");
    const std::string x(119, 'x');  // a long path is cut before the character at its limit
    QCOMPARE(ShortVisiblePath(x + "\xC3\xA9y"), x + "...");
  }
};

QTEST_GUILESS_MAIN(TestVisibleText)
#include "test_visible_text.moc"
