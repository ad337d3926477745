#include "server/score_store.h"

namespace klumpix::server {

const std::vector<Migration>& Migrations() {
  static const std::vector<Migration> migrations = {
      // 1: the proven games. The board's index orders a board the way the
      // table shows it: best score first, an equal score by who came first.
      {"CREATE TABLE games (id INTEGER PRIMARY KEY AUTOINCREMENT, game_type INTEGER NOT NULL,"
       " score INTEGER NOT NULL, name TEXT NOT NULL, accepted_at TEXT NOT NULL,"
       " proof_hash TEXT NOT NULL UNIQUE, proof TEXT NOT NULL);"
       " CREATE INDEX games_board ON games (game_type, score DESC, id);",
       "CREATE TABLE games (id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY,"
       " game_type INTEGER NOT NULL, score INTEGER NOT NULL, name TEXT NOT NULL,"
       " accepted_at TEXT NOT NULL, proof_hash TEXT NOT NULL UNIQUE, proof TEXT NOT NULL);"
       " CREATE INDEX games_board ON games (game_type, score DESC, id);"},
  };
  return migrations;
}

}  // namespace klumpix::server
