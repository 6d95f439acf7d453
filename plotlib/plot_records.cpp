#include "plotlib/plot_records.h"

WindevSize windevsize;
View view;
Plt1Blk plt1blk;
Plt2Blk plt2blk;
