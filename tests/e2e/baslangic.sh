#!/usr/bin/env bash
# The real program on a virtual display: log in as the demo administrator, see the main
# window, and check that a second copy refuses to start while the first runs.
# Usage: baslangic.sh <build dir> <screenshot dir>
set -u
build="$1"
cikti="$2"
for arac in Xvfb xdotool import xwininfo; do
  command -v "$arac" >/dev/null || { echo "SKIP: $arac yok"; exit 77; }
done
mkdir -p "$cikti"
kurulum="$(mktemp -d)"
cp -r "$build"/kurulum/. "$kurulum/"
ekran=":$((120 + RANDOM % 100))"
Xvfb "$ekran" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$ekran"
unset QT_QPA_PLATFORM
ilk=""
ikinci=""
bitir() {
  kill $ikinci $ilk 2>/dev/null
  sleep 0.3
  kill -9 $ikinci $ilk 2>/dev/null
  kill $xvfb 2>/dev/null
  rm -rf "$kurulum"
}
trap bitir EXIT
hata() { echo "HATA: $*"; exit 1; }
bekle_pencere() { # name, seconds
  for _ in $(seq 1 $(($2 * 5))); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep . && return 0
    sleep 0.2
  done
  return 1
}
sleep 0.5

"$kurulum/torvel" >"$cikti/torvel1.log" 2>&1 &
ilk=$!
giris=$(bekle_pencere "Torvel Giriş Ekranı" 20) || hata "giriş penceresi açılmadı"
sleep 0.5
import -window root "$cikti/giris.png"
xdotool windowfocus --sync "$giris" 2>/dev/null
xdotool type --delay 50 "1234"
# The login window closes on the key press; release the key explicitly so that the server
# does not keep repeating it into the next window.
xdotool keydown Return
sleep 0.2
xdotool keyup Return
# The till opens by itself after the login; leaving it shows the main window.
satis=$(bekle_pencere "Hızlı Satış" 20) || hata "hızlı satış ekranı açılmadı"
sleep 1
import -window root "$cikti/hizlisatis.png"
xdotool windowfocus --sync "$satis" 2>/dev/null
xdotool key Escape
sleep 1
import -window root "$cikti/cikis_sorusu.png"
xdotool key alt+e
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name "^Hızlı Satış\$" >/dev/null 2>&1 || break
  sleep 0.2
done
xdotool search --onlyvisible --name "^Hızlı Satış\$" >/dev/null 2>&1 && hata "hızlı satış ekranı kapanmadı"
ana=$(bekle_pencere "Torvel Shop" 20) || hata "ana pencere açılmadı"
sleep 1
import -window root "$cikti/anaekran.png"
kill -0 $ilk 2>/dev/null || hata "program kapandı"

# A second copy shows its message and ends when it is acknowledged.
"$kurulum/torvel" >"$cikti/torvel2.log" 2>&1 &
ikinci=$!
mesaj=""
for _ in $(seq 1 100); do
  mesaj=$(xdotool search --pid $ikinci 2>/dev/null | tail -1)
  [ -n "$mesaj" ] && break
  sleep 0.2
done
[ -n "$mesaj" ] || hata "ikinci kopyanın mesajı görünmedi"
sleep 0.5
import -window root "$cikti/ikinci_kopya.png"
sleep 1
kill -0 $ikinci 2>/dev/null || hata "ikinci kopya mesajı beklemeden kapandı"
xdotool windowfocus --sync "$mesaj" 2>/dev/null
xdotool key Return
for _ in $(seq 1 50); do kill -0 $ikinci 2>/dev/null || break; sleep 0.1; done
kill -0 $ikinci 2>/dev/null && hata "ikinci kopya kapanmadı"
wait $ikinci
kod=$?
[ $kod -eq 0 ] || hata "ikinci kopya $kod ile çıktı"
grep -q "Torvel" "$cikti/torvel2.log" && hata "ikinci kopya hata yazdı"
kill -0 $ilk 2>/dev/null || hata "ilk kopya kapandı"
ikinci=""
echo "1 passed, 0 failed"
