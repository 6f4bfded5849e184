#!/usr/bin/env bash
# Stops what cups_baslat.sh started and removes its folder.
# Usage: cups_durdur.sh <TORVEL_CUPS_KLASOR>
set -u
klasor="${1:?klasör gerekli}"
case "$klasor" in
  /tmp/torvel-cups.*) ;;
  *) echo "beklenmeyen klasör: $klasor" >&2; exit 1 ;;
esac
for ad in cupsd socat; do
  if [ -f "$klasor/$ad.pid" ]; then
    pid="$(cat "$klasor/$ad.pid")"
    kill "$pid" 2>/dev/null
    for _ in $(seq 1 30); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
  fi
done
rm -rf "$klasor"
