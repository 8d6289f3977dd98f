#!/usr/bin/env bash
# The demo: installs the packages, builds, starts the virtual printer on port USB001, reads its fax
# directory with orvane-cli, saves it to a directory file and shows the file, then opens the Orvane
# window (under Xvfb with a screenshot when there is no display).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
echo "== Installing the Debian packages the program needs (once)"
"$top/scripts/install-deps.sh"
# Only what the demo runs: the window (with its language modules and model list), orvane-cli, the
# virtual printer and the network port library; the tests are built by scripts/test.sh.
echo "== Building the programs the demo runs"
"$top/scripts/build.sh" normal orvane orvane-cli orvane-printer-sim vlmnppm

work=$(mktemp -d /tmp/orvane-demo.XXXXXX)
export ORVANE_USB_DEVICE_DIR="$work/usb" ORVANE_OBJECT_DIR="$work/objects" ORVANE_SESSION_DIR="$work/session"
mkdir -p "$ORVANE_USB_DEVICE_DIR"  # the programs make the object and session folders themselves

echo "== Starting the virtual printer on port USB001"
"$top/build/emulator/orvane-printer-sim" --usb "$ORVANE_USB_DEVICE_DIR" --profile typical \
  --state "$work/printer.state" --log "$work/printer.log" --ready-file "$work/ready" >/dev/null &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$work/ready" ] && break; sleep 0.1; done
[ -s "$work/ready" ] || { echo "the virtual printer did not start" >&2; exit 1; }

cli="$top/build/cli/orvane-cli"
echo "== The virtual printer's fax directory, empty slots left out (orvane-cli read --port USB001)"
"$cli" read --port USB001 | grep -v -E '^  \*?[0-9]+ +(empty)? *$'
echo
echo "== Saved to $work/directory.rsd (orvane-cli read --out) and shown from the file as JSON"
"$cli" read --port USB001 --out "$work/directory.rsd" --product-id 0x1234
"$cli" show "$work/directory.rsd" --json | head -c 600; echo " ..."
echo
echo "== Operations the printer received:"
cat "$work/printer.log"

echo
# The window lists the virtual printer as "Office Fax" through a printers file instead of CUPS.
printf 'Office Fax\tVelor MX100 series\tUSB001\n' >"$work/printers"
export ORVANE_PRINTERS="$work/printers"
if [ -n "${DISPLAY:-}" ]; then
  echo "== Opening the Orvane window: choose \"Office Fax\", press Read, browse, press Write; close it to end the demo."
  "$top/build/app/orvane"
else
  shot="$work/orvane.png"
  echo "== No display: the Orvane window under Xvfb presses Read; screenshot of the speed-dial page."
  ORVANE_DEMO_SHOT="$shot" xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
    "$0" & app=$!
    for _ in $(seq 100); do xdotool search --onlyvisible --name "Orvane" >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1
    win=$(xdotool search --onlyvisible --name "Orvane" | head -1)
    xdotool windowfocus --sync "$win" key --clearmodifiers alt+r
    sleep 3
    import -window root "$ORVANE_DEMO_SHOT"
    kill $app' "$top/build/app/orvane" || true
  [ -f "$shot" ] && echo "Screenshot: $shot"
fi
