#pragma once
// Where the winners table is kept between runs. The tick opens no file: the
// run hands it a storage, which the start-up tick reads and ENTER writes.
#include <cstddef>

namespace klumpix {

// What became of a save.
enum class SaveOutcome {
  kFailed,  // not kept; the old table stays as it was
  kKept,    // kept as given
  kMerged,  // another copy of the game had added entries: kept with them, and
            // the bytes given now hold the merged table
};

class WinnersStorage {
 public:
  virtual ~WinnersStorage() = default;
  // Copies up to `capacity` bytes of the kept table into `bytes`; returns how
  // many (0 when nothing is kept or it cannot be read).
  virtual std::size_t Load(unsigned char* bytes, std::size_t capacity) = 0;
  // Keeps `table` (the table in groar.dat's format) as the new table.
  virtual SaveOutcome Save(unsigned char* table, std::size_t size) = 0;
};

// A table kept in memory only: tests, and runs that must not touch a file.
class WinnersInMemory : public WinnersStorage {
 public:
  static constexpr std::size_t kCapacity = 4096;

  std::size_t Load(unsigned char* bytes, std::size_t capacity) override {
    const std::size_t n = size_ < capacity ? size_ : capacity;
    for (std::size_t i = 0; i < n; ++i) bytes[i] = bytes_[i];
    return n;
  }
  SaveOutcome Save(unsigned char* table, std::size_t size) override {
    if (size > kCapacity) return SaveOutcome::kFailed;
    for (std::size_t i = 0; i < size; ++i) bytes_[i] = table[i];
    size_ = size;
    return SaveOutcome::kKept;
  }
  std::size_t size() const { return size_; }
  const unsigned char* bytes() const { return bytes_; }

 private:
  unsigned char bytes_[kCapacity] = {};
  std::size_t size_ = 0;
};

}  // namespace klumpix
