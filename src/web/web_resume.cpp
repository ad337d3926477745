#include "web/web_resume.h"

#include <emscripten/emscripten.h>
#include <sys/stat.h>

#include <cerrno>
#include <utility>

#include "app/event_feed.h"
#include "app/input_script.h"
#include "app/start_up.h"
#include "app/watched_game.h"
#include "core/file_io.h"
#include "web/web_session.h"
#include "web/web_watch.h"

namespace klumpix {

namespace {

// The replay hands the browser back its frame after this long, so an hour's
// session does not freeze the tab while it is caught up with.
constexpr double kReplaySliceMs = 50;

}  // namespace

bool LoadStoredSession(std::int32_t tick, InputScript& script, std::string& error) {
  struct stat st;
  if (stat(kPageSessionPath, &st) != 0 && errno == ENOENT) return false;
  std::string text;
  if (!ReadRegularFile(kPageSessionPath, kMaxRecordingBytes, text, error) ||
      !ParseInputScript(text, "the stored game", script, error)) {
    return false;
  }
  // The page writes every header line; without them it would start on
  // another seed or table than the game it stored.
  if (!script.has_seed || !script.has_start || !script.has_winners) {
    error = "the stored game lacks its start";
  } else if (script.version != KLUMPIX_VERSION) {
    // Another version may play the same events to another game.
    error = "the stored game was played with klumpix " + script.version;
  } else if (tick < 0 || tick > kMaxWatchTicks) {
    error = "the stored game's tick " + std::to_string(tick) + " is out of range";
  } else if (!script.events.empty() && script.events.back().tick > tick) {
    error = "the stored game has events after its tick";
  }
  return error.empty();
}

void BeginReplay(WebSession& s, InputScript script, std::int32_t tick, RunPlatform& platform) {
  StartGame(s.game, script.seed, script.start);
  s.replayed = std::move(script);
  // The replay plays on the table the session began with, kept in memory:
  // its saves are in the player's table already.
  s.replay_winners = OpenRunWinners(s.replayed, kPageWinnersPath);
  s.replay_first_place.emplace(*s.replay_winners.storage, s.game);
  s.winners = OpenRunWinners(InputScript{}, kPageWinnersPath);
  s.winners.at_start = s.replay_winners.at_start;  // the session's recording begins with it
  s.replaying = true;
  s.driver.emplace(s.game, s.frame, s.pictures, *s.replay_first_place, platform);
  s.driver->FeedScript(s.replayed.events, &s.recording);
  s.driver->StopAt(tick);
}

void ContinueReplay(WebSession& s, RunPlatform& platform) {
  const double start = emscripten_get_now();
  while (!s.driver->Ended() && emscripten_get_now() - start < kReplaySliceMs) {
    s.driver->RunTick();
  }
  // Ended by the stored tick, or by an error or a quit the player made then.
  if (!s.driver->Ended() || s.driver->ExitStatus() != 0 || s.game.quit_requested) return;
  s.replaying = false;
  // The events stamped with the tick the page stored at came before its next
  // tick: they are delivered now, as they were then.
  for (std::size_t i = s.recording.size(); i < s.replayed.events.size(); ++i) {
    DeliverInputEvent(s.game, s.replayed.events[i]);
    s.recording.push_back(s.replayed.events[i]);
  }
  s.driver.emplace(s.game, s.frame, s.pictures, *s.first_place, platform);
}

}  // namespace klumpix
