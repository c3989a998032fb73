#include "desktop/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>

#include "platform/words.h"

namespace velmora::desktop {

namespace {

// Safe on any thread: QCoreApplication::translate locks its translators.
std::string Translate(const char* context, const char* text, const char* comment, int n) {
  return QCoreApplication::translate(context, text, comment, n).toStdString();
}

// Below every catalogue: a count's English text, "%n file(s)", said as "1 file", "2 files".
class EnglishPlurals final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* text, const char*, int n) const override {
    if (n < 0 || std::strstr(text, "(s)") == nullptr) return {};
    return QString::fromStdString(platform::EnglishPlural(text, n));
  }
};

bool Install(const QLocale& locale, const QString& name, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(locale, name, QStringLiteral("_"), folder) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace

bool InstallTranslations(const QLocale& locale) {
  QCoreApplication::installTranslator(new EnglishPlurals(QCoreApplication::instance()));
  Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  const bool own = Install(locale, QStringLiteral("velmora"), QStringLiteral(":/i18n"));
  platform::SetTranslator(&Translate);
  return own;
}

}  // namespace velmora::desktop
