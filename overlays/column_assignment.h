#pragma once
// Column assignment of the column data file reader: variable n of the
// caller's table is read from file column jfcola[n-1] (1..maxfilecol) and
// stored in table column jcola[n-1] (1..ncoltab). The routine names the
// file columns (from the column-name line of the file open on iunit, else
// "File.col.<k>"), the table columns (after the file column stored there,
// else "Nodata.<k>"), shows the correspondence and lets the user change
// what the edit level ialter allows: 1 the file column, 2 also the table
// column, 3 also the name, 4 also the number of variables; any other level
// nothing. Setter modes: 0 and 1 the caller's values, 2 and 3 those of the
// set-up record, 4 and 5 the defaults; an even mode shows the menu. The
// correspondence in force is written into the set-up record and returned.
// ierr 1 when the title or the column names of the file are unreadable.
#include <span>
#include <string>
#include <string_view>

void scol2var2(int& ierr, std::span<int> jcola, std::span<int> jfcola,
               std::span<std::string> namvara, int& nvar, int nvardim,
               std::span<std::string> namrcol, int& ncolused, int ncoltab, std::string_view fname,
               int iunit, int ialter, int mode);
