#pragma once
// Command files: a text file of answer lines takes the keyboard's place for
// every prompt until it is handed back.
#include <cstddef>
#include <string>

// Width in which the command file's name is shown.
constexpr std::size_t commandnamewidth = 35;

// The caller's quit code, the answer after leaving the command file to quit.
inline constexpr int quitcode = 9999;

// The command-file menu: 5001 start, 5002 leave and continue, 5003 leave
// and quit (irep becomes quitcode), 99 return.
void altsio(int iunit, std::string& fname, int& irep, int iflag);
// Opens the command file and switches the standard input to it.
void beginaltsi(int iunit, std::string& fname, int iflag);
// Closes the command file and switches the standard input back to the keyboard.
void endaltsi(int iunit, const std::string& fname, int unused);

// The command file in use has ended without handing the keyboard back:
// says so in a warning and hands the keyboard back.
void commandfileended();
