# Shared Wine and display helpers of the project's scripts; source it, then call the functions.
# The prefix lives in the build folder; the persistent wine server makes each Wine process start fast.
chelan_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A person's own desktop (CHELAN_DESKTOP=yes, set by tools/run on a display) gets a prefix of its own
# whose windows the window manager manages, with Wine's own sound driver; the tests' prefix is made
# for a display without one.
if [ -n "${CHELAN_DESKTOP:-}" ]; then
  export WINEPREFIX="${CHELAN_WINEPREFIX:-$chelan_root/build/desktop-wineprefix}"
else
  export WINEPREFIX="${CHELAN_WINEPREFIX:-$chelan_root/build/wineprefix}"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# The Wine loaders. 64-bit programs (and Wine's own tools) always start with the 64-bit loader:
# Debian's `wine` launcher would start every program through the 32-bit loader first, which costs
# seconds of processor time per process where that loader runs under emulation. 32-bit programs
# start with the 32-bit loader; Wine itself picks the other loader for a child of the other kind
# (from WINELOADER, with or without its "64").
# chelan_wine32 says how 32-bit Windows programs run here: "native" (the kernel runs 32-bit programs),
# "emulated" (through qemu-i386-static registered for i386 ELF files by tools/setup) or "" (not at all).
chelan_wine=/usr/lib/wine/wine64
chelan_wine32_loader=/usr/lib/wine/wine
export WINELOADER=$chelan_wine
chelan_wine32=""
if [ -x "$chelan_wine32_loader" ] && "$chelan_wine32_loader" --version >/dev/null 2>&1; then
  chelan_wine32=native
  [ "$(head -n 1 /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null)" = enabled ] && chelan_wine32=emulated
fi
wine() { command "$chelan_wine" "$@"; }

# The loader for one Windows program: the 32-bit one for an i386 PE file, the 64-bit one otherwise.
chelan_loader_for() {
  local offset machine
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] && machine=$(od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  if [ "${machine:-}" = 014c ]; then echo "$chelan_wine32_loader"; else echo "$chelan_wine"; fi
}

# Creates the prefix once, with window frames drawn by Wine and windows it does not hand to a window
# manager (there is none: hiding a window would wait 2 s for one), and no audio device, so that sound
# calls fail fast instead of waiting for one. A desktop prefix keeps Wine's defaults for both: the
# window manager frames the windows and gives them task bar entries and focus, and Wine finds its
# own sound device.
# Raise the version when the settings below or the installed Wine change (a prefix made before the
# 32-bit Wine was installed cannot load its kernel32.dll afterwards): a prefix this recipe made with
# another version is then made again from nothing. Where 32-bit programs run, the prefix must have its
# 32-bit half (syswow64), which wineboot makes only when the 32-bit loader starts: the mark says
# whether it has one, so that a prefix made before the machine could run 32-bit programs is made again.
chelan_prefix_version=5
chelan_wine_prefix() {
  local made want="$chelan_prefix_version${chelan_wine32:+ wow64}${CHELAN_DESKTOP:+ desktop}"
  made=$(cat "$WINEPREFIX/.chelan-ready" 2>/dev/null || true)
  [ "$made" = "$want" ] && return 0
  [ -n "$made" ] && rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  local fresh=""
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    fresh=yes
    wine wineboot -i >/dev/null 2>&1 || true
  fi
  # Chinese texts need a CJK font wherever Windows would use its own faces. The file is UTF-16, the
  # form regedit takes for names outside ASCII.
  local reg="$WINEPREFIX/chelan.reg" display=()
  [ -n "${CHELAN_DESKTOP:-}" ] || display=('[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Audio"=""' '')
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' "${display[@]}" \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"Tahoma"="WenQuanYi Micro Hei"' '"MS Shell Dlg"="WenQuanYi Micro Hei"' \
    '"MS Shell Dlg 2"="WenQuanYi Micro Hei"' '"宋体"="WenQuanYi Micro Hei"' '"SimSun"="WenQuanYi Micro Hei"' \
    '"Arial"="WenQuanYi Micro Hei"' '' \
    | iconv -f UTF-8 -t UTF-16 > "$reg"
  wine regedit /S "$reg" >/dev/null 2>&1 || true
  # A new prefix's own server and desktop process go before anything else starts, so that none of
  # them lingers with the settings or the display of this step. (An older prefix may be served by a
  # persistent server that would never end: it is not waited for.)
  [ -n "$fresh" ] && wineserver -w
  # wineboot's exit status says little: a prefix without its registry or its kernel32 is not made,
  # and is not marked so, so that the next run makes it again.
  local half
  for half in system32 ${chelan_wine32:+syswow64}; do
    if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -f "$WINEPREFIX/drive_c/windows/$half/kernel32.dll" ]; then
      echo "the Wine prefix $WINEPREFIX could not be made" >&2
      return 1
    fi
  done
  echo "$want" > "$WINEPREFIX/.chelan-ready"
}

# Starts a virtual display when there is none; sets chelan_xvfb_pid when it started one.
chelan_display_up() {
  chelan_xvfb_pid=""
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    chelan_xvfb_pid=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$chelan_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    unset DISPLAY
  done
  echo "no virtual display could be started" >&2
  return 1
}

# Prefix, display and a persistent wine server with Wine's own background processes started, none
# of them holding the caller's output open (CTest would wait for them to close it). Sets
# chelan_wineserver_started when this call started the server: a server that was already running for
# the prefix (another run's) serves as well, and is left to whoever started it.
chelan_wine_up() {
  chelan_display_up
  chelan_wine_prefix || return 1
  chelan_wineserver_started=""
  # The server answers 0 when it has started and detached, non-zero when one already runs.
  if wineserver -p </dev/null >/dev/null 2>&1; then chelan_wineserver_started=yes; fi
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# Ends what chelan_wine_up started, and nothing else.
chelan_wine_down() {
  if [ -n "${chelan_wineserver_started:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    chelan_wineserver_started=""
  fi
  if [ -n "${chelan_xvfb_pid:-}" ]; then
    kill "$chelan_xvfb_pid" 2>/dev/null || true
    wait "$chelan_xvfb_pid" 2>/dev/null || true
    chelan_xvfb_pid=""
  fi
}
