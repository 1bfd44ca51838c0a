# shellcheck shell=bash
# Sourced first by every script, with its arguments.
#
# -h or --help prints the script's header comment, which says what it does
# and how to call it, and exits 0 having done nothing else. bad_usage
# prints the header's usage lines (those that start with "#   scripts/")
# and exits 2.
script_header() { sed -n '2,/^[^#]/p' "$0" | sed '$d; s/^# \{0,1\}//'; }
bad_usage() {
  [ $# -eq 0 ] || echo "${0##*/}: $*" >&2
  script_header | sed -n 's/^  \(scripts\/\)/usage: \1/p' >&2
  exit 2
}
for argument in "$@"; do
  case "$argument" in
    -h|--help) script_header; exit 0 ;;
  esac
done

# Builds use every core of the machine, unless told otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
