#!/usr/bin/env bash
# Starts or stops a private CUPS server for the print tests:
#   scripts/cups-test-server.sh start|stop
# It runs our own cupsd (no systemd) with its state, spool and logs under
# $KOPIRA_CUPS_DIR (default /tmp/kopira-cups), listening only on a local
# socket and 127.0.0.1:$KOPIRA_CUPS_PORT (default 16631), browsing off, with
# one cups-pdf queue "kopira" as the default printer, and a driverless
# (IPP Everywhere) queue "kopira-ipp" on CUPS's printer simulator
# ippeveprinter at 127.0.0.1:$KOPIRA_CUPS_PORT+1, which keeps each job's
# file in $KOPIRA_CUPS_DIR/ipp-out as JOBID-TITLE.pdf. The distro's own cupsd,
# running or not, is left alone. cups-pdf reads its settings only from
# /etc/cups/cups-pdf-TAG.conf; each start picks a tag no file there has yet,
# creates that file (never replacing one) and stop removes it again. Clients
# reach ours with
#   CUPS_SERVER=$KOPIRA_CUPS_DIR/cups.sock
# The PDFs land in $KOPIRA_CUPS_DIR/out, named after the job title.
# Needs root: cups-pdf runs as root, and cupsd only starts such backends as root.
set -euo pipefail

ROOT=${KOPIRA_CUPS_DIR:-/tmp/kopira-cups}
PORT=${KOPIRA_CUPS_PORT:-16631}
QUEUE=kopira
IPP_QUEUE=kopira-ipp
IPP_PORT=$((PORT + 1))
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
PID_FILE=$ROOT/cupsd.pid
TAG_FILE=$ROOT/cups-pdf-tag
export CUPS_SERVER=$ROOT/cups.sock

running() { [ -f "$PID_FILE" ] && kill -0 "$(cat "$PID_FILE")" 2>/dev/null; }

# Ends the process of a pid file this server wrote, and removes the file.
end_process() {
  local file=$1
  if [ -f "$file" ] && kill -0 "$(cat "$file")" 2>/dev/null; then
    local pid
    pid=$(cat "$file")
    kill "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
  fi
  rm -f "$file"
}

stop() {
  end_process "$PID_FILE"
  end_process "$ROOT/ippeveprinter.pid"
  end_process "$ROOT/dbus.pid"
  remove_pdf_conf
}

pdf_conf() { echo "/etc/cups/cups-pdf-$1.conf"; }

# The cups-pdf settings file this server created, and only that one.
remove_pdf_conf() {
  [ -f "$TAG_FILE" ] || return 0
  local tag
  tag=$(cat "$TAG_FILE")
  case "$tag" in kopira-test-*) rm -f "$(pdf_conf "$tag")" ;; esac
  rm -f "$TAG_FILE"
}

# Creates /etc/cups/cups-pdf-TAG.conf under a tag that no file has, with
# noclobber so an existing file is never written; prints the tag.
create_pdf_conf() {
  local tag
  for _ in $(seq 20); do
    tag=kopira-test-$$-$RANDOM$RANDOM
    if (set -o noclobber; cat > "$(pdf_conf "$tag")") 2>/dev/null <<CONF
Out $ROOT/out
AnonDirName $ROOT/out
Spool $ROOT/cups-pdf-spool
Label 0
TitlePref 1
Cut -1
UserUMask 0022
Grp root
Log $ROOT/log
CONF
    then
      echo "$tag"
      return 0
    fi
  done
  echo "cups-test-server: no free cups-pdf tag in /etc/cups" >&2
  return 1
}

write_config() {
  rm -rf "$ROOT"
  mkdir -p "$ROOT"/{etc/ppd,state,cache,spool/tmp,log,out,cups-pdf-spool}
  chmod 755 "$ROOT" "$ROOT/etc"
  chmod 1777 "$ROOT/out"
  cat > "$ROOT/etc/cups-files.conf" <<CONF
ServerRoot $ROOT/etc
StateDir $ROOT/state
CacheDir $ROOT/cache
RequestRoot $ROOT/spool
TempDir $ROOT/spool/tmp
AccessLog $ROOT/log/access_log
ErrorLog $ROOT/log/error_log
PageLog $ROOT/log/page_log
Printcap $ROOT/state/printcap
User lp
Group lp
SystemGroup root
CONF
  cat > "$ROOT/etc/cupsd.conf" <<CONF
LogLevel ${KOPIRA_CUPS_LOGLEVEL:-info}
Listen 127.0.0.1:$PORT
Listen $CUPS_SERVER
Browsing Off
BrowseLocalProtocols none
DefaultAuthType Basic
WebInterface No
<Location />
  Order allow,deny
  Allow 127.0.0.1
  Allow @LOCAL
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
}

start() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "cups-test-server: must run as root (cups-pdf is a root backend)" >&2
    exit 1
  fi
  for f in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf "$PPD" /usr/sbin/ippeveprinter; do
    [ -e "$f" ] || { echo "cups-test-server: $f is missing; run scripts/setup.sh" >&2; exit 1; }
  done
  stop
  write_config
  # Detached, with no terminal or pipes of the caller kept open.
  setsid /usr/sbin/cupsd -f -c "$ROOT/etc/cupsd.conf" -s "$ROOT/etc/cups-files.conf" \
    </dev/null >"$ROOT/log/cupsd.out" 2>&1 &
  echo $! > "$PID_FILE"
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    running || { cat "$ROOT/log/cupsd.out" "$ROOT/log/error_log" >&2 2>/dev/null; exit 1; }
    sleep 0.1
  done
  lpstat -r | grep -q 'is running' || { echo "cups-test-server: cupsd did not answer" >&2; stop; exit 1; }
  local tag
  tag=$(create_pdf_conf) || { stop; exit 1; }
  echo "$tag" > "$TAG_FILE"
  lpadmin -p "$QUEUE" -E -v "cups-pdf:/$tag" -P "$PPD"
  lpadmin -d "$QUEUE"
  start_driverless
  lpstat -d
}

# The simulated printer's sheets: A4 and JIS B4 in exact millimetres, with
# the 4.23 mm margins of an office printer; it takes PDF, prints on both
# sides and makes copies itself.
write_ipp_attributes() {
  local size margins sizes="" entries=""
  margins="MEMBER integer media-bottom-margin 423 MEMBER integer media-left-margin 423"
  margins="$margins MEMBER integer media-right-margin 423 MEMBER integer media-top-margin 423"
  for size in "21000 29700" "25700 36400"; do
    set -- $size
    sizes="$sizes${sizes:+,}{ MEMBER integer x-dimension $1 MEMBER integer y-dimension $2 }"
    entries="$entries${entries:+,}{ MEMBER collection media-size { MEMBER integer x-dimension $1"
    entries="$entries MEMBER integer y-dimension $2 } $margins }"
  done
  cat > "$ROOT/ipp.conf" <<CONF
ATTR keyword media-supported iso_a4_210x297mm,jis_b4_257x364mm
ATTR keyword media-ready iso_a4_210x297mm,jis_b4_257x364mm
ATTR keyword media-default iso_a4_210x297mm
ATTR collection media-size-supported $sizes
ATTR collection media-col-database $entries
ATTR keyword media-col-supported media-size,media-bottom-margin,media-left-margin,media-right-margin,media-top-margin
ATTR integer media-bottom-margin-supported 423
ATTR integer media-left-margin-supported 423
ATTR integer media-right-margin-supported 423
ATTR integer media-top-margin-supported 423
ATTR collection media-col-default { MEMBER collection media-size { MEMBER integer x-dimension 21000 MEMBER integer y-dimension 29700 } $margins }
ATTR mimeMediaType document-format-supported application/pdf
ATTR keyword sides-supported one-sided,two-sided-long-edge,two-sided-short-edge
ATTR keyword sides-default one-sided
ATTR rangeOfInteger copies-supported 1-999
ATTR integer copies-default 1
CONF
}

# ippeveprinter announces itself through Avahi and will not start without a
# system bus to reach it by; a private bus of our own stands in (with
# announcing off, no Avahi daemon is needed). The job command does nothing,
# so a job completes as soon as it has arrived; -k keeps its file.
start_driverless() {
  mkdir -p "$ROOT/ipp-out" "$ROOT/dbus"
  write_ipp_attributes
  dbus-daemon --session --address="unix:path=$ROOT/dbus/bus" --fork --print-pid > "$ROOT/dbus.pid"
  DBUS_SYSTEM_BUS_ADDRESS="unix:path=$ROOT/dbus/bus" setsid /usr/sbin/ippeveprinter -p "$IPP_PORT" -n localhost \
    -r off -k -c /bin/true -d "$ROOT/ipp-out" -a "$ROOT/ipp.conf" "Kopira IPP test" \
    </dev/null >"$ROOT/log/ippeveprinter.out" 2>&1 &
  echo $! > "$ROOT/ippeveprinter.pid"
  local uri="ipp://localhost:$IPP_PORT/ipp/print"
  for _ in $(seq 100); do
    ipptool -q "$uri" get-printer-attributes.test 2>/dev/null && break
    kill -0 "$(cat "$ROOT/ippeveprinter.pid")" 2>/dev/null || { cat "$ROOT/log/ippeveprinter.out" >&2; stop; exit 1; }
    sleep 0.1
  done
  lpadmin -p "$IPP_QUEUE" -E -v "$uri" -m everywhere
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
