// The winners table and groar.dat: 16-byte records, one per game type and
// place, a block of eight record numbers per type of which five are used.
#include "screens/winners.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "shell/game.h"
#include "shell/winners_storage.h"
#include "text/score_text.h"

namespace klumpix {
namespace {

constexpr int kRecordSize = 16;
constexpr int kRecordsPerType = 8;
constexpr std::size_t kNameBytes = 8;
constexpr int kNameOffset = 1;
constexpr int kScoreOffset = 12;
constexpr int kFileSize = ((kGameTypes - 1) * kRecordsPerType + kPlaces) * kRecordSize;
static_assert(kFileSize == kWinnersFileSize);

std::size_t RecordOffset(int type, int place) {
  return static_cast<std::size_t>(((type - 1) * kRecordsPerType + (place - 1)) * kRecordSize);
}

// Placeholder winners for a fresh installation: modest scores that a first
// good game can beat, larger on the roomier boards.
constexpr const char* kStarterNames[kPlaces] = {"KLUMPI", "HEXE", "STEIN", "BLITZ", "WABE"};
constexpr std::int32_t kStarterScores[kPlaces] = {5000, 3000, 2000, 1000, 500};
constexpr std::int32_t kStarterPercent[kGameTypes + 1] = {0, 100, 80, 120, 150, 90, 110, 130, 140};

void PutRecord(unsigned char* record, const FixedText<32>& name, std::int32_t score) {
  const std::size_t n = name.length < kNameBytes ? name.length : kNameBytes;
  record[0] = static_cast<unsigned char>(n);
  std::memcpy(record + kNameOffset, name.bytes, n);
  const auto bits = static_cast<std::uint32_t>(score);
  for (int b = 0; b < 4; ++b)
    record[kScoreOffset + b] = static_cast<unsigned char>(bits >> (8 * b));
}

void GetRecord(const unsigned char* record, FixedText<32>& name, std::int32_t& score) {
  // A damaged length byte still yields a name: the eight bytes it can have.
  const std::size_t n = record[0] < kNameBytes ? record[0] : kNameBytes;
  name.Assign(reinterpret_cast<const char*>(record + kNameOffset), n);
  std::uint32_t bits = 0;
  for (int b = 0; b < 4; ++b)
    bits |= static_cast<std::uint32_t>(record[kScoreOffset + b]) << (8 * b);
  // The game never scores beyond what the seven-place column shows; a file
  // claiming more (or less than nothing) is clamped to what fits there.
  const auto stored = static_cast<std::int32_t>(bits);
  score = stored < 0 ? 0 : stored >= kUnwrittenScore ? kUnwrittenScore - 1 : stored;
}

}  // namespace

// Fills every place of every type with the starter entries.
void SetStarterWinners(Game& g) {
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      g.winner_name[t][p].Assign(kStarterNames[p - 1]);
      g.winner_score[t][p] = kStarterScores[p - 1] * kStarterPercent[t] / 100;
    }
  }
}

// Fills the table from the bytes of a groar.dat: every record that lies whole
// within them, starter entries for the rest.
void DecodeWinners(const unsigned char* bytes, std::size_t size, Game& g) {
  SetStarterWinners(g);
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      const std::size_t offset = RecordOffset(t, p);
      if (offset + kRecordSize > size) continue;
      GetRecord(bytes + offset, g.winner_name[t][p], g.winner_score[t][p]);
    }
  }
}

// Reads whatever the storage offers. Any record that cannot be read whole
// keeps its starter entry, so a missing, short or damaged file never stops
// the game.
void ReadWinners(Game& g, WinnersStorage& storage) {
  unsigned char data[kFileSize];
  DecodeWinners(data, storage.Load(data, sizeof data), g);
}

// Hands the table to the storage in groar.dat's record format, and shows
// what it kept when another copy's entries were merged in.
bool SaveWinners(Game& g, WinnersStorage& storage) {
  unsigned char data[kFileSize] = {};
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      PutRecord(data + RecordOffset(t, p), g.winner_name[t][p], g.winner_score[t][p]);
    }
  }
  const SaveOutcome outcome = storage.Save(data, sizeof data);
  if (outcome == SaveOutcome::kMerged) DecodeWinners(data, sizeof data, g);
  return outcome != SaveOutcome::kFailed;
}

namespace {

struct Entry {
  FixedText<32> name;
  std::int32_t score;
  bool operator==(const Entry& o) const { return score == o.score && name == o.name.c_str(); }
};

// Whether the table in `bytes` holds `e` among the places of `type`.
bool Holds(const unsigned char* bytes, std::size_t size, int type, const Entry& e) {
  for (int p = 1; p <= kPlaces; ++p) {
    const std::size_t at = RecordOffset(type, p);
    if (at + kRecordSize > size) continue;
    Entry held;
    GetRecord(bytes + at, held.name, held.score);
    if (held == e) return true;
  }
  return false;
}

}  // namespace

void MergeAddedWinners(unsigned char* table, const unsigned char* seen, std::size_t seen_size,
                       const unsigned char* now, std::size_t now_size) {
  for (int t = 1; t <= kGameTypes; ++t) {
    for (int p = 1; p <= kPlaces; ++p) {
      if (RecordOffset(t, p) + kRecordSize > now_size) continue;
      Entry added;
      GetRecord(now + RecordOffset(t, p), added.name, added.score);
      if (Holds(seen, seen_size, t, added) || Holds(table, kFileSize, t, added)) continue;
      int place = 0;
      for (int q = kPlaces; q >= 1; --q) {
        Entry held;
        GetRecord(table + RecordOffset(t, q), held.name, held.score);
        if (held.score < added.score) place = q;
      }
      if (place == 0) continue;
      for (int q = kPlaces; q > place; --q) {
        std::memcpy(table + RecordOffset(t, q), table + RecordOffset(t, q - 1), kRecordSize);
      }
      std::memset(table + RecordOffset(t, place), 0, kRecordSize);
      PutRecord(table + RecordOffset(t, place), added.name, added.score);
    }
  }
}

}  // namespace klumpix
