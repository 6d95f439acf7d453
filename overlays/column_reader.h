#pragma once
// Reader of column data files: text files of numbers in columns, read in
// free format (separated by blanks, tabs or commas), after header lines
// among which a title line and a line of quoted column names. The header
// layout and the variable <-> column correspondence come from the set-up
// record (column_setup.h), set through the header and column menus.
//
// A table has nrowtab rows and ncoltab columns; column j (1..ncoltab) is
// rdat[j-1], a span of at least nrowtab values, row i at [i-1]. Texts keep
// their lengths: a value stored into one is cut or blank-padded to it.
#include <span>
#include <string>
#include <string_view>

#include "platform/real.h"

using ColumnTable = std::span<const std::span<real>>;

// Opens a column data file on iunit (chosen interactively for an even
// mode, fname for an odd one), runs the header set-up and the column
// assignment, and reads the data lines into rdat: nrowread rows, up to
// table column ncolused. A read error leads to a menu: try the same file
// again, open another, or give up. ierr 0 the data were read, 1 the user
// gave up (the file is then closed). Modes 4 and 5 only initialise the
// set-up. The header settings and the correspondence are in/out: what the
// user accepted comes back.
void readreal6(int& ierr, std::string& title, std::string& fname, std::string_view expl, int iunit,
               int& ndisp, int& iskip, int& ititle, int& iheader, std::span<int> jcola,
               std::span<int> jfcola, std::span<std::string> namvara, int& nvar, int nvardim,
               ColumnTable rdat, std::span<std::string> namrcol, int& nrowread, int& ncolused,
               int nrowtab, int ncoltab, int ialter, int mode);

// The title: line ititle of the file open on iunit, taken as it stands
// ("Untitled" when ititle < 1 or the line cannot be read). ierr 0 read or
// no title line, 1 the title line cannot be read, 2 a line before it.
// The file is rewound unless ititle < 1. Mode 0 shows what was read.
void getftitle1(int& ierr, std::string& title, std::string_view fname, int iunit, int ititle,
                int mode);

// The names of file columns 1..ncol from line iheader (defaults
// "File.col.<k>" for those not read, or all when iheader < 1). ierr as
// getftitle1. The file is rewound unless iheader < 1. Mode 0 lists them.
void getfnamcol(int& ierr, std::span<std::string> names, int nnamdim, int ncol,
                std::string_view fname, int iunit, int iheader, int mode);

// Reads the data lines of the file open on iunit into rdat, with the
// settings and the correspondence of the set-up record (file columns in
// 1..maxfilecol, as the column assignment leaves them). ierr 0 read,
// 2 read after a table column beyond the table was reset, 1 a read error
// (the file is left open and rewound). The file is closed after a read.
void getfreal(int& ierr, int& nrowread, int& ncolused, ColumnTable rdat, int nrowtab, int ncoltab,
              std::string_view fname, int iunit, int mode);
