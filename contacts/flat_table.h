// A small open-addressing hash table for the buddy list: cells of (hash, value) in one array,
// linear probing, removal by shifting the following cells back (no tombstones). Values are
// small and trivially copyable (pointers, chain ends); the caller keeps the keys and compares
// them in the `matches` of Find, so a lookup touches one array cell before the value it finds.
//
// Only Reserve allocates, and it changes nothing when it throws; Insert and Erase never throw.
// Insert and Erase move cells: a pointer into the table is valid until the next change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace qo {

template <class Value>
class FlatTable {
  static_assert(std::is_trivially_copyable_v<Value>);

 public:
  // The value stored under `hash` for which matches(value) is true, or null.
  template <class Matches>
  Value* Find(std::uint64_t hash, Matches matches) noexcept {
    if (cells_.empty()) return nullptr;
    const std::uint64_t stored = Stored(hash);
    for (std::size_t i = Home(stored);; i = (i + 1) & Mask()) {
      Cell& cell = cells_[i];
      if (cell.hash == 0) return nullptr;
      if (cell.hash == stored && matches(cell.value)) return &cell.value;
    }
  }

  // Makes room for `extra` more values; the one step that allocates.
  void Reserve(std::size_t extra) {
    const std::size_t wanted = size_ + extra;
    if (wanted * 4 <= cells_.size() * 3) return;  // at most three quarters full
    std::size_t capacity = cells_.empty() ? 16 : cells_.size();
    while (wanted * 4 > capacity * 3) capacity *= 2;
    std::vector<Cell> cells(capacity);
    cells.swap(cells_);
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c /= 2) --shift_;
    for (const Cell& cell : cells) {
      if (cell.hash != 0) Place(cell);
    }
  }

  // Stores a value whose key is not in the table yet; room must have been reserved.
  Value& Insert(std::uint64_t hash, Value value) noexcept {
    ++size_;
    return Place(Cell{Stored(hash), value});
  }

  // Removes the value that `value` points to (a pointer Find gave).
  void Erase(Value* value) noexcept {
    auto* cell = reinterpret_cast<Cell*>(reinterpret_cast<char*>(value) - offsetof(Cell, value));
    std::size_t hole = static_cast<std::size_t>(cell - cells_.data());
    for (std::size_t i = (hole + 1) & Mask(); cells_[i].hash != 0; i = (i + 1) & Mask()) {
      // A cell may fill the hole when its home is not in the cyclic range (hole, i].
      const std::size_t home = Home(cells_[i].hash);
      const bool staysPut = hole < i ? (hole < home && home <= i) : (hole < home || home <= i);
      if (!staysPut) {
        cells_[hole] = cells_[i];
        hole = i;
      }
    }
    cells_[hole] = Cell{};
    --size_;
  }

  std::size_t Size() const noexcept { return size_; }

  void Clear() noexcept {
    std::vector<Cell>().swap(cells_);
    size_ = 0;
  }

 private:
  struct Cell {
    std::uint64_t hash = 0;  // 0: an empty cell
    Value value{};
  };

  static std::uint64_t Stored(std::uint64_t hash) noexcept { return hash != 0 ? hash : 1; }
  // Fibonacci hashing: the top bits of the product, so that sequential keys spread out too.
  std::size_t Home(std::uint64_t stored) const noexcept {
    return static_cast<std::size_t>((stored * 0x9E3779B97F4A7C15ull) >> shift_);
  }
  std::size_t Mask() const noexcept { return cells_.size() - 1; }

  Value& Place(const Cell& cell) noexcept {
    std::size_t i = Home(cell.hash);
    while (cells_[i].hash != 0) i = (i + 1) & Mask();
    cells_[i] = cell;
    return cells_[i].value;
  }

  std::vector<Cell> cells_;  // empty, or a power of two of cells
  std::size_t size_ = 0;
  unsigned shift_ = 64;
};

}  // namespace qo
