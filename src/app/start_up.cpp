#include "app/start_up.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/picture_loading.h"
#include "core/file_io.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "tick/tick.h"

namespace klumpix {

std::vector<std::string> PictureFolders() {
  std::vector<std::string> folders = {"res"};
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    folders.push_back((exe.parent_path() / "res").string());
    // Installed: PREFIX/bin/klumpix with its pictures in PREFIX/share/klumpix/res,
    // or as Debian lays out games, PREFIX/games and PREFIX/share/games/klumpix/res.
    folders.push_back((exe.parent_path() / "../share/klumpix/res").lexically_normal().string());
    folders.push_back(
        (exe.parent_path() / "../share/games/klumpix/res").lexically_normal().string());
  }
  return folders;
}

std::uint64_t ChooseSeed(const Options& options, const InputScript& script) {
  if (options.has_seed) return options.seed;
  if (script.has_seed) return script.seed;
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
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
  FormCreate(g);
}

int PrepareRun(const Options& options, InputScript& script, Game& g, const StartValues& start) {
  std::string error;
  if (!OutputsWritable(options, error) || !LoadScriptOption(options, script, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  StartValues chosen = script.has_start ? script.start : start;
  if (options.has_language) chosen.language = options.language;
  StartGame(g, ChooseSeed(options, script), chosen);
  return 0;
}

bool LoadGamePictures(PictureSet& pictures) {
  std::string tried;
  for (const std::string& folder : PictureFolders()) {
    std::string missing;
    if (!HoldsPictures(folder, missing)) {
      tried += (tried.empty() ? "" : ", ") + folder + " (no " + missing + ")";
      continue;
    }
    std::string error;
    if (!LoadPictures(folder, pictures, error)) {
      std::fprintf(stderr, "klumpix: %s\n", error.c_str());
      return false;
    }
    return true;
  }
  std::fprintf(stderr, "klumpix: the pictures are in none of: %s\n", tried.c_str());
  return false;
}

bool WriteOutputFile(const std::string& path, const void* bytes, std::size_t size) {
  // A FIFO named on the command line is usually read by a command started
  // beside the game: it gets a while to open it and to take the bytes.
  constexpr int kReaderWaitMs = 10000;
  if (WriteFileAtomically(path.c_str(), bytes, size, kReaderWaitMs)) return true;
  std::fprintf(stderr, "klumpix: %s: cannot write: %s\n", path.c_str(), std::strerror(errno));
  return false;
}

}  // namespace klumpix
