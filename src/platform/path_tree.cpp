#include "platform/path_tree.h"

#include "platform/paths.h"

namespace velmora::platform {

namespace {

// Calls piece(text) for each piece of path, each ending with the separator but perhaps
// the last; stops when piece returns false.
template <class Piece>
void ForEachPiece(std::string_view path, Piece&& piece) {
  while (!path.empty()) {
    const auto end = path.find(kPathSeparator);
    const std::size_t n = end == std::string_view::npos ? path.size() : end + 1;
    if (!piece(path.substr(0, n))) return;
    path.remove_prefix(n);
  }
}

}  // namespace

PathTree::PathTree() : table_(16, kNone) { nodes_.emplace_back().holds = 1; }  // the root

std::uint32_t PathTree::Hash(Node parent, std::string_view name) {
  const std::size_t h = std::hash<std::string_view>{}(name) ^ (parent * 0x9E3779B97F4A7C15u);
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

PathTree::Node PathTree::Child(Node parent, std::string_view name, std::uint32_t hash) const {
  const std::size_t mask = table_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Node n = table_[at];
    if (n == kNone) return kNone;
    const Entry& e = nodes_[n];
    if (e.hash == hash && e.parent == parent && Name(e) == name) return n;
  }
}

void PathTree::Place(Node node) {
  if (2 * (placed_ + 1) > table_.size()) {
    std::vector<Node> old(table_.size() * 2, kNone);
    old.swap(table_);
    placed_ = 0;
    for (const Node n : old)
      if (n != kNone) Place(n);
  }
  const std::size_t mask = table_.size() - 1;
  std::size_t at = nodes_[node].hash & mask;
  while (table_[at] != kNone) at = (at + 1) & mask;
  table_[at] = node;
  ++placed_;
}

void PathTree::Unplace(Node node) {
  const std::size_t mask = table_.size() - 1;
  std::size_t at = nodes_[node].hash & mask;
  while (table_[at] != node) at = (at + 1) & mask;
  // Those after it in its run move up where their probe would find them.
  for (std::size_t next = (at + 1) & mask; table_[next] != kNone; next = (next + 1) & mask) {
    const std::size_t home = nodes_[table_[next]].hash & mask;
    if (((next - home) & mask) >= ((next - at) & mask)) {
      table_[at] = table_[next];
      at = next;
    }
  }
  table_[at] = kNone;
  --placed_;
}

PathTree::Node PathTree::Start(std::string_view& path) const {
  if (hint_ == kNone || !path.starts_with(hintText_)) return 0;
  path.remove_prefix(hintText_.size());
  return hint_;
}

void PathTree::Remember(std::string_view path, Node node) const {
  // The node above: the path less its last piece.
  if (node == kNone || node == 0) return;
  const std::size_t above = path.size() - nodes_[node].size;
  if (nodes_[node].parent == hint_ && hintText_.size() == above) return;
  hint_ = nodes_[node].parent;
  hintText_.assign(path.substr(0, above));
}

PathTree::Node PathTree::Add(std::string_view path) {
  std::string_view rest = path;
  Node at = Start(rest);
  ForEachPiece(rest, [&](std::string_view name) {
    const std::uint32_t hash = Hash(at, name);
    if (const Node child = Child(at, name, hash); child != kNone) {
      at = child;
      return true;
    }
    Node made = static_cast<Node>(nodes_.size());
    if (free_.empty()) {
      nodes_.emplace_back();
    } else {
      made = free_.back();
      free_.pop_back();
    }
    Entry& e = nodes_[made];
    e = Entry{static_cast<std::uint32_t>(names_.size()),
              static_cast<std::uint32_t>(name.size()),
              hash,
              0,
              at,
              kNone,
              nodes_[at].first,
              kNone};
    names_ += name;
    if (e.next != kNone) nodes_[e.next].prev = made;
    nodes_[at].first = made;
    Place(made);
    at = made;
    return true;
  });
  ++nodes_[at].holds;
  Remember(path, at);
  return at;
}

PathTree::Node PathTree::Find(std::string_view path) const {
  std::string_view rest = path;
  Node at = Start(rest);
  ForEachPiece(rest, [&](std::string_view name) {
    at = Child(at, name, Hash(at, name));
    return at != kNone;
  });
  Remember(path, at);
  return at;
}

void PathTree::Release(Node node) {
  --nodes_[node].holds;
  while (node != 0 && nodes_[node].holds == 0 && nodes_[node].first == kNone) {
    Unplace(node);
    Entry& e = nodes_[node];
    if (e.prev != kNone) {
      nodes_[e.prev].next = e.next;
    } else {
      nodes_[e.parent].first = e.next;
    }
    if (e.next != kNone) nodes_[e.next].prev = e.prev;
    unused_ += e.size;
    if (node == hint_) hint_ = kNone;
    const Node parent = e.parent;
    e = Entry{};
    free_.push_back(node);
    node = parent;
  }
  Pack();
}

void PathTree::Pack() {
  if (unused_ < 4096 || 2 * unused_ < names_.size()) return;
  std::string packed;
  packed.reserve(names_.size() - unused_);
  for (Entry& e : nodes_) {
    if (e.size == 0) continue;
    const std::string_view name = Name(e);
    e.name = static_cast<std::uint32_t>(packed.size());
    packed += name;
  }
  names_.swap(packed);
  unused_ = 0;
}

std::string PathTree::Text(Node node) const {
  std::vector<std::string_view> names;
  std::size_t size = 0;
  for (; node != kNone; node = nodes_[node].parent) {
    names.push_back(Name(nodes_[node]));
    size += names.back().size();
  }
  std::string text;
  text.reserve(size);
  for (auto at = names.rbegin(); at != names.rend(); ++at) text += *at;
  return text;
}

std::vector<PathTree::Node> PathTree::Below(Node node) const {
  std::vector<Node> held, next{node};
  while (!next.empty()) {
    const Node at = next.back();
    next.pop_back();
    if (at != 0 && nodes_[at].holds > 0) held.push_back(at);
    for (Node child = nodes_[at].first; child != kNone; child = nodes_[child].next)
      next.push_back(child);
  }
  return held;
}

}  // namespace velmora::platform
