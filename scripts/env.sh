# Sourced by the scripts: where things are built and how Wine runs the program.
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_root="${PICORAN_BUILD_DIR:-$repo_root/build}"
native_build="$build_root/native"
win_build="$build_root/win"

export WINEPREFIX="$build_root/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8

# Starts a virtual X display when there is none; stop_display undoes it.
started_xvfb_pid=""
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local number
  for number in $(seq 91 120); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    started_xvfb_pid=$!
    export DISPLAY=":$number"
    local tries=0
    until xdpyinfo >/dev/null 2>&1; do
      tries=$((tries + 1))
      if [ $tries -gt 100 ]; then echo "no virtual display came up" >&2; return 1; fi
      sleep 0.1
    done
    return 0
  done
  echo "no free display number" >&2
  return 1
}
stop_display() {
  if [ -n "$started_xvfb_pid" ]; then kill "$started_xvfb_pid" 2>/dev/null || true; fi
}

# The first start of Wine in a new prefix takes a while; do it alone, before anything
# else starts Wine, so that two processes never initialise the prefix at once.
ensure_wine_prefix() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "preparing the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

# ensure_wine_prefix in the background, for a script with other work to do meanwhile (the
# builds start no Wine program). Nothing may start Wine before wait_for_wine_prefix returns.
preparing_prefix_pid=""
start_preparing_wine_prefix() {
  ensure_wine_prefix &
  preparing_prefix_pid=$!
}
wait_for_wine_prefix() {
  if [ -n "$preparing_prefix_pid" ]; then
    wait "$preparing_prefix_pid" 2>/dev/null || true
    preparing_prefix_pid=""
  fi
}

# Keeps one wineserver running while several Wine processes start side by side, so that
# they never race to start it. Wine's own background services start with the first
# program; starting them here, detached from any output, keeps them from holding the
# output pipes of the tests (which would make a finished test look as if it hung).
start_wineserver() {
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
stop_wineserver() { wineserver -k >/dev/null 2>&1 || true; }

configure_and_build_windows() {
  cmake -S "$repo_root" -B "$win_build" \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$win_build" -j"$(nproc)"
}
