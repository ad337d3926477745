#pragma once
// The winners table kept in a file, groar.dat by default: read without
// blocking, saved atomically, and shared with other copies of the game that
// keep their table in the same file.
#include <string>

#include "screens/winners.h"
#include "shell/winners_storage.h"

namespace klumpix {

class WinnersFile : public WinnersStorage {
 public:
  explicit WinnersFile(std::string path) : path_(std::move(path)), lock_path_(path_ + ".lock") {}

  // A FIFO, a device or a folder at the path reads as a missing file.
  std::size_t Load(unsigned char* bytes, std::size_t capacity) override;
  // Under an advisory lock beside the file (groar.dat.lock), reads the file
  // again: when another copy of the game changed it since this run last read
  // or wrote it, that copy's new entries are merged in first. Then a fresh
  // temporary file is renamed over the old one (WriteFileAtomically).
  SaveOutcome Save(unsigned char* table, std::size_t size) override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string lock_path_;
  // The table as this run last read or wrote it.
  unsigned char seen_[kWinnersFileSize] = {};
  std::size_t seen_size_ = 0;
};

}  // namespace klumpix
