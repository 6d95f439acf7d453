# Sourced by the benchmarks: mecaro_binary [path] prints the absolute path
# of the program to time, the one given or, without one, build/app/mecaro
# of the source tree $src, built first. It is called in a command
# substitution, where set -e does not stop at a failed command: each step
# returns its failure, and the caller's assignment then stops the script
# with that status, so that no old binary is timed.
mecaro_binary() {
  if [ -z "${1:-}" ]; then
    cmake -S "$src" -B "$src/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || return
    cmake --build "$src/build" -j"$(nproc)" --target mecaro >/dev/null || return
    set -- "$src/build/app/mecaro"
  fi
  realpath "$1"
}
