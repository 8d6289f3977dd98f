#!/usr/bin/env bash
# Starts a private cupsd in folder $1 (listening on $1/cups.sock) and installs three printers:
# a USB and a socket printer whose PPD names a listed model, and one with an unlisted model.
# Exit 77 when cupsd cannot run here (not installed, not root).
set -euo pipefail
dir=$1
command -v /usr/sbin/cupsd >/dev/null && command -v lpadmin >/dev/null || { echo "cupsd or lpadmin not installed" >&2; exit 77; }
[ "$(id -u)" = 0 ] || { echo "cupsd needs root to drop to user lp" >&2; exit 77; }
mkdir -p "$dir"/{spool,cache,state,log,serverbin,ppd}
cp -r /usr/lib/cups/. "$dir/serverbin/"
mkdir -p "$dir/serverbin/backend"
for backend in usb socket; do printf '#!/bin/sh\nexit 0\n' >"$dir/serverbin/backend/$backend"; chmod 755 "$dir/serverbin/backend/$backend"; done
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/serverbin
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
CONF
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
chmod -R a+rX "$dir"
/usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
echo $! >"$dir/cupsd.pid"
export CUPS_SERVER=$dir/cups.sock
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
ppd() { printf '*PPD-Adobe: "4.3"\n*FormatVersion: "4.3"\n*Manufacturer: "Velor"\n*ModelName: "%s"\n*NickName: "%s"\n*ShortNickName: "%s"\n*PCFileName: "X.PPD"\n*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n' "$1" "$1" "$1" >"$dir/ppd/$2.ppd"; }
ppd "Velor MX100 series" mx100
ppd "Other Maker 9" other
lpadmin -p Fax_Office -E -v 'usb://Velor/MX100?serial=1234' -P "$dir/ppd/mx100.ppd"
lpadmin -p Fax_Net -E -v 'socket://192.0.2.7:9100' -P "$dir/ppd/mx100.ppd"
lpadmin -p Other_Printer -E -v 'socket://192.0.2.8' -P "$dir/ppd/other.ppd"
