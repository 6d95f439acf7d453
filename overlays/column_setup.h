#pragma once
// Set-up of the column data file reader: the record of the header layout
// (lines without data, title line, column-name line) and of the
// variable <-> column correspondence, the "FILE HEADER SET UP" menu and the
// preview of the first lines of an open file, each line tagged with the
// role it plays under the current settings.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/real.h"

// Most variables taken from a data line, and highest file column read.
constexpr int maxfilecol = 99;
// Width of the names of variables and file columns.
constexpr std::size_t colnamewidth = 11;

// Entry k (1..maxfilecol) of the record's arrays is at [k-1].
struct ReadRealSetup {
  int ndisp = 0;                        // lines shown by the header preview
  int iskip = 0;                        // lines without data at the top; data begin at iskip + 1
  int ititle = 0;                       // line of the title, 0 none
  int iheader = 0;                      // line of the column names, 0 none
  std::array<int, maxfilecol> jcol{};   // table column that receives variable n
  std::array<int, maxfilecol> jfcol{};  // file column read into variable n
  int nvar = 0;                         // variables taken from each data line
  int ncolfil = 0;                      // values read on each data line: the largest jfcol in use
  std::array<real, maxfilecol> rr{};    // values of the current data line
  std::array<std::string, maxfilecol> namvar{};   // variable names, colnamewidth
  std::array<std::string, maxfilecol> namfcol{};  // file-column names, colnamewidth
};
extern ReadRealSetup readrealsetup;

// The header settings of the record, by setter mode: 0 and 1 the values
// given, 2 and 3 the stored ones, 4 and 5 the defaults (3 lines shown,
// 2 without data, title on line 1, names on line 2); an even mode then
// previews the file open on iunit and shows the menu. A title or name line
// beyond the header lines on entry is reset to 0. The values in force are
// stored and returned. ierr receives the result of the last preview shown
// and is otherwise left as it is.
void sfheader1(int& ierr, int& ndisp, int& iskip, int& ititle, int& iheader, std::string_view fname,
               int iunit, int mode);

// Shows the first ndisp lines of the file open on iunit with their tags;
// ierr 1 when a line could not be read or the file ended first, else 0.
// The file is left rewound.
void showfhead1(int& ierr, std::string_view fname, int iunit, int ndisp, int iskip, int ititle,
                int iheader);
