#!/usr/bin/env bash
# The Debian packages as a user gets them. Usage: package_test.sh STEP BUILD_DIR WORK_DIR
#   build    builds the packages with CPack from BUILD_DIR and unpacks them into WORK_DIR/root
#   lintian  lintian finds no error in the packages (warnings are printed)
#   desktop  the desktop entry, the AppStream data, the icons and the man pages of the unpacked tree
#   cli      the unpacked orvane-cli reads the unpacked virtual printer over USB and over TCP
#   window   the unpacked orvane starts offscreen with its model list and language modules
# Every program runs from the unpacked tree with nothing pointing it at the build tree.
set -euo pipefail
step=$1 build=$(cd "$2" && pwd) work=$3
root=$work/root
debs=$work/debs

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Polls until a condition holds, for at most 60 s; the programs under test start in well under that.
wait_for() {
  local deadline=$((SECONDS + 60))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# A clean environment: nothing from the build tree or the caller's session leaks in.
isolate() {
  unset ORVANE_NETPORT_LIBRARY ORVANE_MONITOR_DIR ORVANE_PRINTERS ORVANE_USB_DEVICE_DIR LD_LIBRARY_PATH
  scratch=$(mktemp -d "$work/run.XXXXXX")
  mkdir -m 700 "$scratch/runtime" "$scratch/session" "$scratch/config" "$scratch/xdg"
  mkdir -m 1777 "$scratch/objects"  # shared by every user, as /run/lock/velor
  export XDG_RUNTIME_DIR=$scratch/runtime ORVANE_SESSION_DIR=$scratch/session \
    ORVANE_OBJECT_DIR=$scratch/objects XDG_CONFIG_HOME=$scratch/config XDG_CONFIG_DIRS=$scratch/xdg
}

package_version() {
  dpkg-deb -f "$debs/orvane_"*.deb Version
}

build_packages() {
  rm -rf "$work"
  mkdir -p "$work"
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
  mkdir -p "$debs" "$root"
  mv "$work/cpack/"*.deb "$debs/"
  local arch
  arch=$(dpkg --print-architecture)
  for name in orvane orvane-printer-sim; do
    [ -f "$debs/${name}_$(package_version)_$arch.deb" ] || fail "no package ${name}_$(package_version)_$arch.deb"
  done
  for deb in "$debs"/*.deb; do
    echo "== $(basename "$deb")"
    dpkg-deb -f "$deb" Package Version Architecture Maintainer Depends Suggests
    dpkg-deb -x "$deb" "$root"
  done
  # dpkg-shlibdeps filled in the libraries the programs link.
  dpkg-deb -f "$debs/orvane_"*.deb Depends | grep -q 'libqt6widgets6' || fail "orvane does not depend on Qt Widgets"
  dpkg-deb -f "$debs/orvane-printer-sim_"*.deb Depends | grep -q 'libpugixml' ||
    fail "orvane-printer-sim does not depend on pugixml"
  for file in usr/bin/orvane usr/bin/orvane-cli usr/bin/orvane-printer-sim \
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/orvane/libvlmnppm.so" \
    usr/share/orvane/orvkit.dat usr/share/orvane/ORVI_EN.qm usr/share/orvane/ORVI_DE.qm \
    usr/share/orvane/ORVI_JP.qm usr/share/orvane/ORVI_AR.qm; do
    [ -f "$root/$file" ] || fail "the packages lack /$file"
  done
  # The installed programs never refer to the build tree.
  if grep -rlF "$build" "$root"; then fail "files above refer to $build"; fi
}

run_lintian() {
  local out status=0
  out=$(lintian --fail-on error --tag-display-limit 0 "$debs"/*.deb 2>&1) || status=$?
  printf '%s\n' "$out"
  [ $status -eq 0 ] || fail "lintian reports errors"
  if printf '%s\n' "$out" | grep -q '^E:'; then fail "lintian reports errors"; fi
}

check_desktop_files() {
  local id=com.velor.orvane out
  desktop-file-validate "$root/usr/share/applications/$id.desktop"
  out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1 | grep -v ': hint: ' || true)
  [ -z "$out" ] || fail "desktop-file-validate: $out"
  appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"
  for size in 48 128 256; do
    local png=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(file -b "$png" | grep -o "$size x $size")" = "$size x $size" ] || fail "$png is not a $size x $size PNG"
  done
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
  for page in orvane orvane-cli orvane-printer-sim; do
    local man=$root/usr/share/man/man1/$page.1.gz out
    [ -f "$man" ] || fail "no man page $page(1)"
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$man" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man $page: $out"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man" | grep -q "^EXIT STATUS" || fail "$page(1) has no EXIT STATUS"
  done
  grep -qx 'd /run/lock/velor 1777 root root -' "$root/usr/lib/tmpfiles.d/orvane.conf" ||
    fail "no tmpfiles.d entry for /run/lock/velor"
}

# The virtual printer with the small profile's sample directory, on a USB node and a TCP port.
start_printer() {
  mkdir "$scratch/usb"
  "$root/usr/bin/orvane-printer-sim" --usb "$scratch/usb" --tcp 127.0.0.1:0 --profile small \
    --ready-file "$scratch/ready" >"$scratch/printer.out" 2>&1 &
  printer=$!
  trap 'kill $printer 2>/dev/null || true; wait $printer 2>/dev/null || true' EXIT
  wait_for test -s "$scratch/ready" || fail "the virtual printer did not start: $(cat "$scratch/printer.out")"
}

expect_sample_directory() {
  local json=$1
  for line in '{"id": "*00", "kind": "empty", "name": "", "number": "", "members": []},' \
    '{"id": "01", "kind": "individual", "name": "Bo", "number": "12", "members": []},' \
    '{"id": "02", "kind": "group", "name": "G", "number": "", "members": ["01"]}' \
    '"sender": {"name": "Al", "number": "5"},' '{"id": "01", "number": "99"}'; do
    grep -qF "$line" "$json" || { cat "$json"; fail "the directory read lacks $line"; }
  done
}

check_cli() {
  isolate
  local cli=$root/usr/bin/orvane-cli
  [ "$("$cli" --version)" = "orvane-cli $(package_version)" ] || fail "orvane-cli --version: $("$cli" --version)"
  start_printer
  ORVANE_USB_DEVICE_DIR=$scratch/usb "$cli" read --port USB001 --json >"$scratch/usb.json"
  expect_sample_directory "$scratch/usb.json"
  # Over TCP through the network port library of the private library folder.
  local tcp
  tcp=$(sed -n 's/^tcp //p' "$scratch/ready")
  "$cli" read --port "VLNETP_$tcp" --out "$scratch/saved.rsd" --product-id 0x1234
  "$cli" show "$scratch/saved.rsd" --json >"$scratch/saved.json"
  expect_sample_directory "$scratch/saved.json"
}

window_is_up() {
  test -S "$ORVANE_SESSION_DIR/orvkitWindow"
}

check_window() {
  isolate
  local program=$root/usr/bin/orvane
  [ "$("$program" --version)" = "orvane $(package_version)" ] || fail "orvane --version: $("$program" --version)"
  "$program" --help | grep -qF 'orvane /DS "/PrinterName,PRINTER,"' || fail "orvane --help"
  export QT_QPA_PLATFORM=offscreen ORVANE_PRINTERS=$scratch/printers
  printf 'Office Fax\tVelor MX100 series\tUSB001\n' >"$ORVANE_PRINTERS"
  # Without its language module the program ends at once; without its model list it shows message 164
  # and never opens its window, so the window's channel appearing shows it found both.
  LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$program" >"$scratch/window.out" 2>&1 &
  window=$!
  trap 'kill $window 2>/dev/null || true; wait $window 2>/dev/null || true' EXIT
  wait_for window_is_up || fail "the window did not come up: $(cat "$scratch/window.out")"
  grep -qx 'Language=0407' "$XDG_CONFIG_HOME/Velor/Orvane.ini" || fail "the window does not run in German"
  # A second start hands over to the running window and leaves.
  LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$program" || fail "a second start did not hand over to the running window"
  kill -0 $window || fail "the window ended"
}

case "$step" in
  build) build_packages ;;
  lintian) run_lintian ;;
  desktop) check_desktop_files ;;
  cli) check_cli ;;
  window) check_window ;;
  *) fail "unknown step $step" ;;
esac
echo "PASS: $step"
