#include "mainwindow/file_kinds.h"

#include <QFile>
#include <QMimeDatabase>
#include <algorithm>
#include <numeric>

#include "platform/file_facts.h"
#include "platform/threads.h"

namespace velmora::mainwindow {

using catalogue::handover::Kinds;

namespace {

// Enough for the magic of the kinds the database knows by content.
constexpr std::size_t kHead = 4096;

// The kind by the whole name, else by the first bytes; the database's name, or empty.
std::string KindOfFile(const QMimeDatabase& db, const std::string& path) {
  const QByteArray name = QByteArray::fromStdString(std::string(catalogue::FileNameOf(path)));
  QMimeType type = db.mimeTypeForFile(QFile::decodeName(name), QMimeDatabase::MatchExtension);
  if (type.isDefault()) {
    const std::optional<std::string> head = platform::ReadHead(path, kHead);
    if (!head) return {};
    type = db.mimeTypeForData(QByteArray::fromStdString(*head));
  }
  return type.name().toStdString();
}

}  // namespace

FileKinds::FileKinds(std::shared_ptr<catalogue::Inbox> inbox)
    : job_("velmora-kinds", std::move(inbox)) {
  start_.setSingleShot(true);
  start_.setInterval(0);
  QObject::connect(&start_, &QTimer::timeout, [this] { ReadWanted(); });
}

int FileKinds::KindNamed(const QString& name) {
  const auto [at, added] = byName_.try_emplace(name, static_cast<int>(kinds_.size()));
  if (added) kinds_.push_back({QMimeDatabase().mimeTypeForName(name), {}, false});
  return at->second;
}

int FileKinds::ByExtension(std::string_view extension) {
  auto at = byExtension_.find(extension);
  if (at == byExtension_.end()) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QStringLiteral("x.") + QString::fromUtf8(extension.data(), std::ssize(extension)),
        QMimeDatabase::MatchExtension);
    at = byExtension_.emplace(extension, type.isDefault() ? kByContent : KindNamed(type.name()))
             .first;
  }
  return at->second;
}

int FileKinds::Of(std::size_t file, const catalogue::PathList& files, std::string_view folded) {
  const std::string extension = catalogue::FoldedExtension(folded);
  if (!extension.empty())
    if (const int kind = ByExtension(extension); kind != kByContent) return kind;
  const auto [at, added] = byFile_.try_emplace(file, kPending);
  if (added) {
    wanted_.emplace_back(file, files[file]);
    if (!reading_) start_.start();
  }
  return std::max(at->second, -1);
}

QString FileKinds::Description(int kind) const {
  return kind < 0 ? QString() : kinds_[static_cast<std::size_t>(kind)].type.comment();
}

QIcon FileKinds::Icon(int kind) {
  if (kind < 0) return {};
  Kind& k = kinds_[static_cast<std::size_t>(kind)];
  if (!k.iconMade) {
    k.icon = QIcon::fromTheme(k.type.iconName());
    if (k.icon.isNull()) k.icon = QIcon::fromTheme(k.type.genericIconName());
    k.iconMade = true;
  }
  return k.icon;
}

void FileKinds::ReadWanted() {
  if (reading_ || wanted_.empty()) return;
  reading_ = true;
  job_.Start(
      [wanted = std::exchange(wanted_, {})](std::stop_token stop, const catalogue::Poster& post) {
        platform::YieldToForeground();
        const QMimeDatabase db;  // safe on any thread
        Kinds piece;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
          if (stop.stop_requested()) return;
          piece.files.push_back(wanted[i].first);
          piece.types.push_back(KindOfFile(db, wanted[i].second));
          piece.last = i + 1 == wanted.size();
          if (piece.files.size() == 256 || piece.last) post(std::exchange(piece, {}));
        }
      });
}

bool FileKinds::Take(const Kinds& kinds) {
  bool changed = false;
  for (std::size_t k = 0; k < kinds.files.size(); ++k) {
    const auto at = byFile_.find(kinds.files[k]);
    if (at == byFile_.end()) continue;
    at->second = kinds.types[k].empty() ? kNone : KindNamed(QString::fromStdString(kinds.types[k]));
    changed = changed || at->second >= 0;
  }
  if (kinds.last) {
    reading_ = false;
    if (!wanted_.empty()) start_.start();
  }
  return changed;
}

void FileKinds::Clear() {
  job_.Stop();
  start_.stop();
  reading_ = false;
  byFile_.clear();
  wanted_.clear();
}

void FileKinds::Renumber(const std::vector<std::size_t>& numbers) {
  std::unordered_map<std::size_t, int> known;
  for (const auto& [file, kind] : byFile_)
    if (kind != kPending && file < numbers.size() && numbers[file] != SIZE_MAX)
      known.emplace(numbers[file], kind);
  Clear();  // what is being read went by the old numbers: asked again when shown
  byFile_ = std::move(known);
}

catalogue::TypeRanks FileKinds::Ranks(const std::vector<std::size_t>& files,
                                      const catalogue::FilterIndex& names) {
  for (const std::size_t f : files)
    if (const std::string e = catalogue::FoldedExtension(names.Folded(f)); !e.empty())
      ByExtension(e);
  std::vector<int> order(kinds_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
    return Description(a).localeAwareCompare(Description(b)) < 0;
  });
  std::vector<std::uint32_t> rank(kinds_.size());
  for (std::size_t r = 0; r < order.size(); ++r)
    rank[static_cast<std::size_t>(order[r])] = static_cast<std::uint32_t>(r + 1);
  catalogue::TypeRanks ranks;
  for (const auto& [extension, kind] : byExtension_)
    if (kind >= 0) ranks.byExtension.emplace(extension, rank[static_cast<std::size_t>(kind)]);
  for (const auto& [file, kind] : byFile_)
    if (kind >= 0) ranks.byFile.emplace(file, rank[static_cast<std::size_t>(kind)]);
  return ranks;
}

}  // namespace velmora::mainwindow
