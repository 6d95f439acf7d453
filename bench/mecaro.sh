# Sourced by the benchmarks: mecaro_binary [path] prints the absolute path
# of the program to time, the one given or, without one, build/app/mecaro
# of the source tree $src, built first.
mecaro_binary() {
  if [ -z "${1:-}" ]; then
    cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$src/build" -j"$(nproc)" --target mecaro >/dev/null
    set -- "$src/build/app/mecaro"
  fi
  realpath "$1"
}
