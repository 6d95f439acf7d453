# n valid 141-column FPFIT records (n = 60000 when not given): epicentres
# spread over 30-40 N, 115-125 W, depths 0-30 km, every dip direction, dip
# and rake. Usage: awk -v n=1000 -f bench/catalogue.awk > catalogue.fps
BEGIN {
  if (n == "") n = 60000
  for (i = 0; i < n; i++) {
    lat = 30 + (i * 7919 % 10000) / 1000.0
    lon = 115 + (i * 104729 % 10000) / 1000.0
    latd = int(lat); lond = int(lon)
    printf "%4d%02d%02d %02d%02d%6.2f%3d %5.2f%4d %5.2f%7.2f  %5.2f%3d%4d%5.1f%5.2f%5.1f%5.1f  C %3d %2d%4d  %4.2f %3d %5.2f %4.2f %4.2f  %2d %2d %2d  %10d\n",
      1990 + i % 30, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i % 6000) / 100.0,
      latd, (lat - latd) * 60, lond, (lon - lond) * 60, (i % 3000) / 100.0,
      1 + (i % 400) / 100.0, 10 + i % 50, i % 360, (i % 500) / 10.0, (i % 100) / 100.0,
      (i % 50) / 10.0, (i % 80) / 10.0,
      i % 360, 1 + i % 90, (i * 37) % 360 - 180,
      (i % 100) / 100.0, 10 + i % 90, (i % 100) / 100.0, (i % 100) / 100.0, (i % 100) / 100.0,
      i % 40, i % 40, i % 40, 100000 + i
  }
}
