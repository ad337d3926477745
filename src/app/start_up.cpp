#include "app/start_up.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "shell/assets.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

std::string FindResDir() {
  std::error_code ec;
  if (std::filesystem::is_directory("res", ec)) return "res";
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const std::filesystem::path beside = exe.parent_path() / "res";
    if (std::filesystem::is_directory(beside, ec)) return beside.string();
    // Installed: PREFIX/bin/klumpix with its pictures in PREFIX/share/klumpix/res.
    const std::filesystem::path installed = exe.parent_path() / "../share/klumpix/res";
    if (std::filesystem::is_directory(installed, ec)) return installed.lexically_normal().string();
  }
  return "res";  // absent everywhere: loading will name the missing file
}

std::uint64_t ChooseSeed(const Options& options, const InputScript& script) {
  if (options.has_seed) return options.seed;
  if (script.has_seed) return script.seed;
  return static_cast<std::uint64_t>(
      std::chrono::system_clock::now().time_since_epoch().count());
}

bool LoadScriptOption(const Options& options, InputScript& script, std::string& error) {
  script = InputScript{};
  if (options.input_path.empty()) return true;
  return LoadInputScript(options.input_path, script, error);
}

void StartGame(Game& g, std::uint64_t seed, const StartValues& start) {
  ResetGame(g);
  g.seed = seed;
  g.start_values = start;
  std::snprintf(g.winners_path, sizeof g.winners_path, "%s", "groar.dat");
  FormCreate(g);
}

int PrepareRun(const Options& options, InputScript& script, Game& g, const StartValues& start) {
  std::string error;
  if (!LoadScriptOption(options, script, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  StartGame(g, ChooseSeed(options, script), script.has_start ? script.start : start);
  return 0;
}

bool LoadGamePictures(Game& g, PictureSet& pictures) {
  std::string error;
  if (!LoadPictures(FindResDir(), pictures, error)) {
    std::fprintf(stderr, "klumpix: %s\n", error.c_str());
    return false;
  }
  AttachPictures(g, pictures);
  return true;
}

bool WriteWholeFile(const std::string& path, const void* bytes, std::size_t size,
                    std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    error = path + ": cannot write: " + std::strerror(errno);
    return false;
  }
  const bool written = std::fwrite(bytes, 1, size, f) == size;
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    error = path + ": write failed";
    return false;
  }
  return true;
}

}  // namespace klumpix
