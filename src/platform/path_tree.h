#pragma once
// Folder paths kept as a tree of their names, so that a path's text is held once however
// many folders lie below it: a folder 200 levels down costs its own name, not the 200
// above it. Paths are pieces each ending with the separator, as folders' paths are.
// Not safe between threads: its owner's lock guards it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

class PathTree {
 public:
  using Node = std::uint32_t;
  static constexpr Node kNone = UINT32_MAX;

  PathTree();
  // The node of path, made with the nodes above it as needed; each call holds it once
  // more, until Release.
  Node Add(std::string_view path);
  // The node of path, or kNone.
  Node Find(std::string_view path) const;
  // Lets go of one hold of node: a node neither held nor above another goes, and the
  // nodes above it with it when they are left so.
  void Release(Node node);
  std::string Text(Node node) const;
  // The held nodes at and below node.
  std::vector<Node> Below(Node node) const;
  // One more than the largest node: a size for tables by node.
  std::size_t Span() const { return nodes_.size(); }
  // Nodes in use, the root's included.
  std::size_t Count() const { return nodes_.size() - free_.size(); }

 private:
  // 32 bytes a folder, and a place in the table.
  struct Entry {
    std::uint32_t name = 0;  // in names_
    std::uint32_t size = 0;
    std::uint32_t hash = 0;  // of the parent and the name
    std::uint32_t holds = 0;
    Node parent = kNone, first = kNone, next = kNone, prev = kNone;
  };
  std::string_view Name(const Entry& e) const { return {names_.data() + e.name, e.size}; }
  static std::uint32_t Hash(Node parent, std::string_view name);
  // The child of parent by that name, or kNone.
  Node Child(Node parent, std::string_view name, std::uint32_t hash) const;
  void Place(Node node);
  void Unplace(Node node);
  // Drops the names of nodes gone once they are most of names_.
  void Pack();
  // Where to start looking for path, and the rest of it to look for: a walk asks for
  // folders beside the last one, so the node above the last asked for is kept.
  Node Start(std::string_view& path) const;
  void Remember(std::string_view path, Node node) const;

  std::vector<Entry> nodes_;
  std::vector<Node> free_;
  std::string names_;
  std::size_t unused_ = 0;  // bytes of names_ of nodes gone
  // Open addressing by Entry::hash, at most half full: the nodes but the root.
  std::vector<Node> table_;
  std::size_t placed_ = 0;
  mutable std::string hintText_;
  mutable Node hint_ = kNone;
};

}  // namespace velmora::platform
