#pragma once
// Line shapes shared by the column data file dialogues and the map points: every item of a
// line after one blank, integers right-aligned in 3 columns unless a width
// is given; file names and titles shown trimmed.
#include <string>
#include <string_view>

#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

namespace columnlines {

inline std::string item(std::string_view text) { return " " + std::string(text); }
inline std::string item(int v, int w = 3) { return " " + ed::i(v, w); }

// Width in which a file name is held for showing.
constexpr std::size_t namewidth = 40;

// A file name as the messages show it: its field, trimmed.
inline std::string shown(std::string_view fname) {
  return std::string(ed::trim(ed::pad(fname, namewidth)));
}

// A question text as the prompts receive it.
inline std::string question(std::string_view text) { return ed::pad(text, 35); }

}  // namespace columnlines
