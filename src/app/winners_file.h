#pragma once
// The winners table kept in a file, groar.dat by default: read without
// blocking, saved atomically.
#include <string>

#include "shell/winners_storage.h"

namespace klumpix {

class WinnersFile : public WinnersStorage {
 public:
  explicit WinnersFile(std::string path) : path_(std::move(path)) {}

  // A FIFO, a device or a folder at the path reads as a missing file.
  std::size_t Load(unsigned char* bytes, std::size_t capacity) override;
  // A fresh temporary file renamed over the old one (WriteFileAtomically).
  bool Save(const unsigned char* bytes, std::size_t size) override;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace klumpix
