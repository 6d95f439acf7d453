#pragma once
// Text handed to the drawing back end. cairo takes UTF-8 only, and one
// invalid sequence would stop all further drawing on the page, while the
// program's texts may come from a UTF-8 terminal or hold Mac OS Roman bytes
// (the degree and section signs of its own tables).
#include <cstddef>
#include <string>
#include <string_view>

// The text as valid UTF-8: valid UTF-8 sequences pass unchanged, every
// other byte of 0x80 or above is read as a Mac OS Roman character.
std::string validutf8(std::string_view text);

// The length of the first n bytes of text (n at most its size), made
// shorter when the n-th byte lies inside a valid UTF-8 sequence of the
// whole text, so that a cut never splits a character in two.
std::size_t utf8cut(std::string_view text, std::size_t n);
