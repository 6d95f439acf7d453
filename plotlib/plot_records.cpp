#include "plotlib/plot_records.h"

WindevSize windevsize;
View view;
Plt1Blk plt1blk;
PltCharBlk pltcharblk;
PltBuff1 pltbuff1;
Plt2Blk plt2blk;
