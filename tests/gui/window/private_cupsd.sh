#!/usr/bin/env bash
# A private cupsd in folder DIR, listening on DIR/cups.sock, in two steps around its start:
#   private_cupsd.sh configure DIR   writes its configuration; exit 77 when cupsd cannot run here
#                                    (not installed, not root)
#   private_cupsd.sh printers DIR    waits for the started cupsd and installs three printers: a USB
#                                    and a socket printer whose PPD names a listed model, and one
#                                    with an unlisted model
# The caller starts /usr/sbin/cupsd -f -c DIR/cupsd.conf -s DIR/cups-files.conf in between as its own
# child, so that it can stop cupsd and wait for its end before it removes DIR.
set -euo pipefail
step=$1
dir=$2

configure() {
    command -v /usr/sbin/cupsd >/dev/null && command -v lpadmin >/dev/null || { echo "cupsd or lpadmin not installed" >&2; exit 77; }
    [ "$(id -u)" = 0 ] || { echo "cupsd needs root to drop to user lp" >&2; exit 77; }
    mkdir -p "$dir"/{spool,cache,state,log,serverbin,ppd}
    cp -r /usr/lib/cups/. "$dir/serverbin/"
    mkdir -p "$dir/serverbin/backend"
    for backend in usb socket; do printf '#!/bin/sh\nexit 0\n' >"$dir/serverbin/backend/$backend"; chmod 755 "$dir/serverbin/backend/$backend"; done
    # Printcap too stays in the folder: its default is the system's /run/cups/printcap.
    cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/serverbin
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
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
}

ppd() { printf '*PPD-Adobe: "4.3"\n*FormatVersion: "4.3"\n*Manufacturer: "Velor"\n*ModelName: "%s"\n*NickName: "%s"\n*ShortNickName: "%s"\n*PCFileName: "X.PPD"\n*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n' "$1" "$1" "$1" >"$dir/ppd/$2.ppd"; }

printers() {
    export CUPS_SERVER=$dir/cups.sock
    for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
    ppd "Velor MX100 series" mx100
    ppd "Other Maker 9" other
    lpadmin -p Fax_Office -E -v 'usb://Velor/MX100?serial=1234' -P "$dir/ppd/mx100.ppd"
    lpadmin -p Fax_Net -E -v 'socket://192.0.2.7:9100' -P "$dir/ppd/mx100.ppd"
    lpadmin -p Other_Printer -E -v 'socket://192.0.2.8' -P "$dir/ppd/other.ppd"
}

case $step in
    configure) configure ;;
    printers) printers ;;
    *) echo "usage: private_cupsd.sh configure|printers DIR" >&2; exit 2 ;;
esac
