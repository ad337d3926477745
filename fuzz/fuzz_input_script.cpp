// Feeds arbitrary text to the input-script parser: it either names the bad
// line or gives events that write back to a script reading the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/input_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  klumpix::InputScript script;
  std::string error;
  if (!klumpix::ParseInputScript(text, "fuzz.txt", script, error)) {
    // The message names the script and the line: "fuzz.txt:LINE: ...".
    if (error.rfind("fuzz.txt:", 0) != 0) std::abort();
    return 0;
  }
  std::int32_t last = 0;
  for (const klumpix::InputEvent& e : script.events) {
    if (e.tick < last) std::abort();
    last = e.tick;
  }
  klumpix::InputScript again;
  const std::string written =
      klumpix::FormatInputScript(script.seed, script.start, script.events, script.winners);
  if (!klumpix::ParseInputScript(written, "again.txt", again, error)) std::abort();
  if (again.seed != script.seed || again.events != script.events || again.start != script.start ||
      again.winners != script.winners) {
    std::abort();
  }
  return 0;
}
