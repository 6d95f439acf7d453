#include "catalogue/stress_listing.h"

#include <string>

#include "catalogue/angles.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"

void writepbsv(std::span<const real> azshmax, std::span<const int> isv,
               std::span<const real> azs1, std::span<const real> pls1,
               std::span<const real> azs2, std::span<const real> pls2,
               std::span<const real> azs3, std::span<const real> pls3, int n, int iunit) {
  const bool console = iunit == console_unit;
  const char sep = console ? '|' : '\t';
  const std::string rule = " " + std::string(74, '-');
  if (console) writeline(iunit, rule);
  std::string header = " " + ed::a("data nb", 7) + sep + ed::a("isv", 3);
  for (const char* name : {"azshmax", "azim.S1", "plung.S1", "azim.S2", "plung.S2", "azim.S3", "plung.S3"})
    header += sep + ed::a(name, 8);
  writeline(iunit, header);
  if (console) writeline(iunit, rule);
  for (int k = 1; k <= n; ++k) {
    const std::size_t j = static_cast<std::size_t>(k - 1);
    if (isv[j] >= 1 && isv[j] <= 3) continue;
    std::string row = " " + ed::i(k, 7) + sep + ed::i(isv[j], 3);
    for (const real angle : {azshmax[j], azs1[j], pls1[j], azs2[j], pls2[j], azs3[j], pls3[j]})
      row += sep + ed::f(deg(angle), 8, 1);
    writeline(iunit, row);
  }
}
