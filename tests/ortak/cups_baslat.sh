#!/usr/bin/env bash
# Starts a private CUPS server with one raw queue whose output is captured in a file, so a
# test can print to a printer "by name" and read back what was sent.
#
# Usage: cups_baslat.sh <queue name> [port]
# Prints KEY=VALUE lines:
#   CUPS_SERVER=<socket>       export this before the program looks for printers
#   TORVEL_CUPS_KLASOR=<dir>   give it to cups_durdur.sh to stop everything
#   TORVEL_CUPS_CIKTI=<file>   everything printed on the queue, appended job after job
# Exit code 77 when a needed program is missing (the caller skips), 1 on failure.
set -u
kuyruk="${1:?kuyruk adı gerekli}"
port="${2:-}"

for arac in cupsd lpadmin socat; do
  if ! command -v "$arac" >/dev/null 2>&1 && [ ! -x "/usr/sbin/$arac" ]; then
    echo "EKSIK=$arac" >&2
    exit 77
  fi
done
PATH="$PATH:/usr/sbin"

if [ -z "$port" ]; then
  # A free port of the kernel's choosing, so parallel runs do not meet on 9100.
  port="$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])' 2>/dev/null || echo 9100)"
fi

klasor="$(mktemp -d /tmp/torvel-cups.XXXXXX)"
chmod 755 "$klasor"
mkdir -p "$klasor"/{etc/ppd,spool/tmp,cache,state,log}
cikti="$klasor/$kuyruk.cikti"
soket="$klasor/cups.sock"
: >"$cikti"

cat >"$klasor/etc/cups-files.conf" <<CONF
ServerRoot $klasor/etc
RequestRoot $klasor/spool
TempDir $klasor/spool/tmp
CacheDir $klasor/cache
StateDir $klasor/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $klasor/log/access_log
ErrorLog $klasor/log/error_log
PageLog $klasor/log/page_log
Printcap $klasor/printcap
FileDevice No
SystemGroup root
CONF

cat >"$klasor/etc/cupsd.conf" <<CONF
Listen $soket
LogLevel warn
Browsing No
WebInterface No
DefaultShared No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

socat -u "TCP-LISTEN:$port,bind=127.0.0.1,reuseaddr,fork" "OPEN:$cikti,creat,append" \
  </dev/null >"$klasor/log/socat.log" 2>&1 &
echo $! >"$klasor/socat.pid"

cupsd -f -c "$klasor/etc/cupsd.conf" -s "$klasor/etc/cups-files.conf" \
  </dev/null >"$klasor/log/cupsd.log" 2>&1 &
echo $! >"$klasor/cupsd.pid"

hazir=0
for _ in $(seq 1 100); do
  if [ -S "$soket" ] && lpstat -h "$soket" -r >/dev/null 2>&1; then
    hazir=1
    break
  fi
  sleep 0.1
done
if [ "$hazir" != 1 ]; then
  echo "cupsd başlamadı:" >&2
  cat "$klasor/log/cupsd.log" "$klasor/log/error_log" >&2 2>/dev/null
  "$(dirname "$0")/cups_durdur.sh" "$klasor"
  exit 1
fi

# Raw: CUPS hands the job to the socket as the program sent it.
if ! lpadmin -h "$soket" -p "$kuyruk" -E -v "socket://127.0.0.1:$port" -m raw >"$klasor/log/lpadmin.log" 2>&1; then
  echo "kuyruk kurulamadı:" >&2
  cat "$klasor/log/lpadmin.log" >&2
  "$(dirname "$0")/cups_durdur.sh" "$klasor"
  exit 1
fi

echo "CUPS_SERVER=$soket"
echo "TORVEL_CUPS_KLASOR=$klasor"
echo "TORVEL_CUPS_CIKTI=$cikti"
echo "# durdurmak için: $(dirname "$0")/cups_durdur.sh $klasor"
