#!/usr/bin/env bash
# Starts or stops a private CUPS server for the print tests:
#   scripts/cups-test-server.sh start|stop
# It runs our own cupsd (no systemd) with its state, spool and logs under
# $KOPIRA_CUPS_DIR (default /tmp/kopira-cups), listening only on a local
# socket and 127.0.0.1:$KOPIRA_CUPS_PORT (default 16631), browsing off, with
# one cups-pdf queue "kopira" as the default printer. The distro's own cupsd,
# running or not, is left alone. Clients reach ours with
#   CUPS_SERVER=$KOPIRA_CUPS_DIR/cups.sock
# The PDFs land in $KOPIRA_CUPS_DIR/out, named after the job title.
# Needs root: cups-pdf runs as root, and cupsd only starts such backends as root.
set -euo pipefail

ROOT=${KOPIRA_CUPS_DIR:-/tmp/kopira-cups}
PORT=${KOPIRA_CUPS_PORT:-16631}
QUEUE=kopira
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
PDF_CONF=/etc/cups/cups-pdf-$QUEUE.conf
PID_FILE=$ROOT/cupsd.pid
export CUPS_SERVER=$ROOT/cups.sock

running() { [ -f "$PID_FILE" ] && kill -0 "$(cat "$PID_FILE")" 2>/dev/null; }

stop() {
  if running; then
    local pid
    pid=$(cat "$PID_FILE")
    kill "$pid"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
  fi
  rm -f "$PID_FILE"
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
LogLevel info
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
  # cups-pdf reads the settings of the queue behind cups-pdf:/NAME from here.
  cat > "$PDF_CONF" <<CONF
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
}

start() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "cups-test-server: must run as root (cups-pdf is a root backend)" >&2
    exit 1
  fi
  for f in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf "$PPD"; do
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
  lpadmin -p "$QUEUE" -E -v "cups-pdf:/$QUEUE" -P "$PPD"
  lpadmin -d "$QUEUE"
  lpstat -d
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
