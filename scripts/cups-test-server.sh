#!/usr/bin/env bash
# Starts or stops a private CUPS server for the print tests:
#   scripts/cups-test-server.sh start|stop
# It runs our own cupsd (no systemd) with its state, spool and logs under
# $KOPIRA_CUPS_DIR (default /tmp/kopira-cups), listening only on a local
# socket and 127.0.0.1:$KOPIRA_CUPS_PORT (default 16631), browsing off, with
# one cups-pdf queue "kopira" as the default printer. The distro's own cupsd,
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
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
PID_FILE=$ROOT/cupsd.pid
TAG_FILE=$ROOT/cups-pdf-tag
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
  local tag
  tag=$(create_pdf_conf) || { stop; exit 1; }
  echo "$tag" > "$TAG_FILE"
  lpadmin -p "$QUEUE" -E -v "cups-pdf:/$tag" -P "$PPD"
  lpadmin -d "$QUEUE"
  lpstat -d
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
