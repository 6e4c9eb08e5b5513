# Sourced by the scripts that start the Windows build under Wine (run, benchmark): building
# the program and its control library, and preparing the Wine prefix named by WINEPREFIX.
# Expects the repository root as the current directory.

export WINEDEBUG="${WINEDEBUG:--all}"
# A fresh prefix would otherwise offer to download Mono and Gecko, which nothing here needs;
# Wine's menu builder would copy the prefix's Start-menu entries into the desktop's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# With 32-bit Wine installed, Debian's `wine` is the 32-bit loader, which hands a 64-bit GUI
# program to a process of its own and returns at once: its process id, window and memory
# would not be the started process's. The 64-bit build runs under the 64-bit loader.
KX_WINE=wine
[ ! -x /usr/lib/wine/wine64 ] || KX_WINE=/usr/lib/wine/wine64
export KX_WINE

kx_program="$PWD/build/windows/app/Kalvex3.exe"
kx_control_library="$PWD/build/windows/button/win32/Vantor1.dll"

# Builds Kalvex3, with the Vantor1.dll beside it where its manifest finds the buttons, and
# the targets named.
kx_build_program() {
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target Kalvex3 "$@"
}

kx_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    "$KX_WINE" wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # Debian's Wine does not look for its own fonts (fonts-wine) where the package puts them,
  # and draws every label in a wider substitute; in the prefix's Fonts folder it finds them.
  if [ -d /usr/share/wine/fonts ] && [ ! -e "$WINEPREFIX/drive_c/windows/Fonts/sserife.fon" ]; then
    ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}

