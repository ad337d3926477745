#pragma once
// The few pieces of JSON the state dump and the trace are made of.
#include <string>
#include <string_view>

namespace klumpix {

// Appends a game text (Windows-1252) as a quoted, escaped UTF-8 JSON string.
void AppendJsonText(std::string& out, std::string_view cp1252);

// What a world winners table is sent for one game: its name, type, score
// and the recording that proves them, every byte of the recording kept.
std::string ScoreSubmissionJson(std::string_view name, int type, int score,
                                std::string_view recording);

// Appends a real number so that it reads back to the same value.
void AppendJsonReal(std::string& out, double value);

}  // namespace klumpix
