# Shared Wine and display helpers of the project's scripts; source it, then call the functions.
# The prefix lives in the build folder; the persistent wine server makes each Wine process start fast.
chelan_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${CHELAN_WINEPREFIX:-$chelan_root/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Debian's wine script takes the 32-bit loader whenever wine32 is installed, but a kernel without
# 32-bit support cannot start it; the 64-bit loader then runs everything (the win64 build).
if [ -x /usr/lib/wine/wine64 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  mkdir -p "$chelan_root/build/wine64-only"
  printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
    > "$chelan_root/build/wine64-only/wine"
  chmod +x "$chelan_root/build/wine64-only/wine"
  case ":$PATH:" in *":$chelan_root/build/wine64-only:"*) ;; *) export PATH="$chelan_root/build/wine64-only:$PATH" ;; esac
fi

# Creates the prefix once, with window frames drawn by Wine and windows it does not hand to a window
# manager (there is none: hiding a window would wait 2 s for one), and no audio device, so that sound
# calls fail fast instead of waiting for one.
# Raise the version when the settings below change, so that existing prefixes take them.
chelan_prefix_version=3
chelan_wine_prefix() {
  [ "$(cat "$WINEPREFIX/.chelan-ready" 2>/dev/null)" = "$chelan_prefix_version" ] && return 0
  mkdir -p "$WINEPREFIX"
  local fresh=""
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    fresh=yes
    wine wineboot -i >/dev/null 2>&1 || true
  fi
  # Chinese texts need a CJK font wherever Windows would use its own faces. The file is UTF-16, the
  # form regedit takes for names outside ASCII.
  local reg="$WINEPREFIX/chelan.reg"
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Audio"=""' '' \
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
  echo "$chelan_prefix_version" > "$WINEPREFIX/.chelan-ready"
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
# of them holding the caller's output open (CTest would wait for them to close it).
chelan_wine_up() {
  chelan_display_up
  chelan_wine_prefix
  # A server already running for this prefix (another run's) serves as well.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

chelan_wine_down() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${chelan_xvfb_pid:-}" ]; then
    kill "$chelan_xvfb_pid" 2>/dev/null || true
    wait "$chelan_xvfb_pid" 2>/dev/null || true
  fi
}
