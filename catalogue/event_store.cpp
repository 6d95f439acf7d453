#include "catalogue/event_store.h"

FpsBlk fpsblk;

void fpstexts(int k) {
  const auto i = static_cast<std::size_t>(k);
  fpsblk.cdate1[i] = ed::i(fpsblk.iyear1[i], 4) + "-" + ed::i(fpsblk.imonth1[i], 2, 2) + "-" +
                     ed::i(fpsblk.iday1[i], 2, 2);
  fpsblk.ctime1[i] = ed::i(fpsblk.ihour1[i], 2, 2) + ":" + ed::i(fpsblk.imn1[i], 2, 2);
  fpsblk.fpslabel[i] = std::string(fpsblk.cdate1[i].view()) + " " + std::string(fpsblk.ctime1[i].view());
}
