#pragma once
// A copy of the rows kept from the changes told alone: a test compares it with the rows,
// so that every change must be told, in the order the rows change.
#include <QtTest>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/file_rows.h"

struct RowMirror final : velmora::catalogue::RowListener {
  using RowChange = velmora::catalogue::RowChange;
  // count: the rows now; at: the path of a row.
  RowMirror(std::function<std::size_t()> count, std::function<std::string(std::size_t)> at)
      : count_(std::move(count)), at_(std::move(at)) {}
  // Each change is told before and after, as a view's model must hear it: in pairs, never
  // nested, never of no rows.
  void RowsChanging(const RowChange& c) override {
    QVERIFY(!told.has_value());
    told = c;
    QVERIFY(c.kind == RowChange::Kind::Reset || c.kind == RowChange::Kind::Renumber ||
            c.first <= c.last);
    QVERIFY(c.kind != RowChange::Kind::Remove || c.last < copy.size());
    if (c.kind == RowChange::Kind::Insert) QCOMPARE(c.first, copy.size());
    // A view reads the rows about to go before they go.
    for (std::size_t r = c.first; c.kind == RowChange::Kind::Remove && r <= c.last; ++r)
      QCOMPARE(at_(r), copy[r]);
  }
  void RowsChanged(const RowChange& c) override {
    QVERIFY(told == c);
    told.reset();
    using Kind = RowChange::Kind;
    const auto first = copy.begin() + static_cast<std::ptrdiff_t>(c.first);
    if (c.kind == Kind::Remove)
      copy.erase(first, first + static_cast<std::ptrdiff_t>(c.last - c.first + 1));
    const bool all = c.kind == Kind::Reset || c.kind == Kind::Renumber;
    if (all) copy.clear();
    const std::size_t end = all ? count_() : c.kind == Kind::Insert ? c.last + 1 : 0;
    for (std::size_t r = copy.size(); r < end; ++r) copy.push_back(at_(r));
  }
  // The rows as they are, after checking that the copy is the same.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    for (std::size_t r = 0; r < count_(); ++r) rows.push_back(at_(r));
    [&] { QCOMPARE(copy, rows); }();
    return rows;
  }
  std::vector<std::string> copy;
  std::optional<RowChange> told;  // between the two

 private:
  std::function<std::size_t()> count_;
  std::function<std::string(std::size_t)> at_;
};
