# Sourced by the scripts: where things are built and how Wine runs the program.
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_root="${PICORAN_BUILD_DIR:-$repo_root/build}"
native_build="$build_root/native"
win_build="$build_root/win"

# The tests' prefix. scripts/run.sh starts the editor in one of its own, which no test
# touches, so that the editor there starts as for a new user, with nothing the tests left
# (recent maps, recovery copies, versions, the file dialogs' last folders).
export WINEPREFIX="$build_root/wineprefix"
run_prefix="$build_root/wineprefix-run"
# A second prefix for the Windows-side tests on a system that is not Japanese: another code
# page and taller window frames.
foreign_prefix="$build_root/wineprefix-foreign"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The scripts run Wine in the Japanese locale (code page 932), as a Japanese Windows, once
# that locale exists: setup.sh makes it, so this comes after setup. PICORAN_LOCALE chooses
# another one (the editor shows its texts on every code page). Setting a locale that does
# not exist would only make every command warn.
use_locale() {
  local wanted="${PICORAN_LOCALE:-ja_JP.UTF-8}"
  local normalised
  normalised=$(echo "$wanted" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  if [ "$wanted" = C.UTF-8 ] || locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$normalised"; then
    export LANG="$wanted" LC_ALL="$wanted"
  else
    echo "the locale $wanted does not exist; Wine runs in C.UTF-8" >&2
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
  fi
}

# Runs setup.sh (packages, the Japanese locale), then the calling script once more in a
# fresh shell. A process looks for the system's locale archive once, when it first needs a
# locale, and keeps what it found: the shell that was already running while setup made the
# Japanese locale cannot switch to it, and would answer use_locale with "setlocale: cannot
# change locale" warnings. Call it first, as setup_then_restart "$@".
setup_then_restart() {
  [ -n "${PICORAN_SET_UP:-}" ] && return 0
  bash "$repo_root/scripts/setup.sh" || exit 1
  export PICORAN_SET_UP=1
  exec bash "$0" "$@"
}

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

# Settings of every prefix: Wine's own fonts, and the dialog fonts ("MS Shell Dlg" of the
# comment and other-settings dialogs, "MS UI Gothic" of the others) replaced by IPA P Gothic
# (fonts-ipafont-gothic), so Japanese glyphs show whatever the locale. Like MS UI Gothic, which
# a Japanese Windows gives for both, it has proportional kana, so the dialogs' texts take the
# room they take there. A marker file in the prefix says the settings are made, so an older
# prefix gets them too.
prefix_settings_version=3
write_prefix_settings() {
  cat <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
REG
}
# The foreign prefix's caption and menu bar are taller than the classic 18 pixels (the
# values are in twips, -15 a pixel) and its frames carry padding, as on current Windows.
write_foreign_settings() {
  cat <<'REG'

[HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics]
"CaptionHeight"="-450"
"MenuHeight"="-420"
"PaddedBorderWidth"="-60"
REG
}

# The first start of Wine in a new prefix takes a while; do it alone, before anything
# else starts Wine, so that two processes never initialise the prefix at once.
# ensure_wine_prefix [PREFIX [foreign]]
ensure_wine_prefix() {
  local prefix="${1:-$WINEPREFIX}" kind="${2:-}"
  mkdir -p "$prefix"
  if [ ! -f "$prefix/system.reg" ]; then
    echo "preparing the Wine prefix in $prefix"
    if [ "$kind" = foreign ]; then
      WINEPREFIX="$prefix" LANG=C.UTF-8 LC_ALL=C.UTF-8 wineboot -i >/dev/null 2>&1 || true
    else
      WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1 || true
    fi
    WINEPREFIX="$prefix" wineserver -w || true
  fi
  local marker="$prefix/picoran-settings-$prefix_settings_version$kind"
  if [ ! -f "$marker" ]; then
    # Wine's own fonts (fonts-wine), Marlett among them for the caption buttons' symbols:
    # this Wine finds them only in the prefix's Fonts folder.
    local font
    for font in /usr/share/wine/fonts/*; do
      [ -e "$font" ] && ln -sf "$font" "$prefix/drive_c/windows/Fonts/"
    done
    { write_prefix_settings; [ "$kind" = foreign ] && write_foreign_settings; } > "$prefix/picoran-settings.reg"
    WINEPREFIX="$prefix" wine regedit /S "$(windows_path_of "$prefix/picoran-settings.reg")" \
      >/dev/null 2>&1 || true
    touch "$marker"
  fi
}
# The Windows path of a Linux path (Wine maps / to drive Z:).
windows_path_of() { local p="Z:$1"; echo "${p//\//\\}"; }

# ensure_wine_prefix in the background, for a script with other work to do meanwhile (the
# builds start no Wine program). Nothing may start Wine before wait_for_wine_prefix returns.
preparing_prefix_pid=""
start_preparing_wine_prefix() {
  { ensure_wine_prefix; ensure_wine_prefix "$foreign_prefix" foreign; } &
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
# start_wineserver [PREFIX]
start_wineserver() {
  local prefix="${1:-$WINEPREFIX}"
  WINEPREFIX="$prefix" wineserver -p >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}
stop_wineserver() { WINEPREFIX="${1:-$WINEPREFIX}" wineserver -k >/dev/null 2>&1 || true; }

configure_and_build_windows() {
  cmake -S "$repo_root" -B "$win_build" \
    -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" \
    -DPICORAN_FOREIGN_WINEPREFIX="$foreign_prefix" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$win_build" -j"$(nproc)"
}
