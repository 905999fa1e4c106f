#!/usr/bin/env bash
# The Debian package, end to end:
#   1. builds the program for the prefix /usr (in build-paket/, optimised
#      as the normal build; CPack strips it) and the package with CPack;
#   2. checks its control data (name, section, maintainer, the Qt libraries
#      and the fonts among the dependencies) and that it holds exactly the
#      files a user needs;
#   3. unpacks it into a fresh root with dpkg -x and checks that
#      installation, which is not where the program was built for;
#   4. as root with apt: installs it with apt-get, checks the installation
#      under /usr and removes the package again. Skipped when the package
#      was installed already, so that a developer's own installation stays.
# The checks of an installation are in installation_pruefen.sh.
set -euo pipefail
cd "$(dirname "$0")/../.."
hier=tests/integration
paket=sudoku-assistent
bau=build-paket

cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DSUDOKU_TESTS=OFF \
  >/dev/null
cmake --build "$bau" -j2 --target sudoku programmsymbol >/dev/null
rm -f "$bau"/${paket}_*.deb
(cd "$bau" && cpack -G DEB >/dev/null)
deb=$(ls "$bau"/${paket}_*.deb)
echo "Paket: $deb"

fehler=0
scheitern() { echo "FEHLER: $*" >&2; fehler=1; }

# Control data.
feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Package)" = $paket ] || scheitern "Package ist $(feld Package)"
[ "$(feld Section)" = games ] || scheitern "Section ist $(feld Section)"
[ -n "$(feld Maintainer)" ] || scheitern "kein Maintainer"
feld Description | grep -q 'Sudoku' || scheitern "keine Beschreibung"
abhaengig=$(feld Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-urw-base35 fonts-liberation \
  qt6-translations-l10n; do
  echo "$abhaengig" | grep -Eq "(^|, )$p( |,|$)" || scheitern "$p fehlt in Depends: $abhaengig"
done

# Exactly the files a user needs, under /usr.
erwartet=$(printf '%s\n' ./usr/bin/sudoku ./usr/share/applications/$paket.desktop \
  ./usr/share/icons/hicolor/16x16/apps/$paket.png \
  ./usr/share/icons/hicolor/scalable/apps/$paket.svg ./usr/share/sudoku/sudoku_erkl.txt)
enthalten=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
[ "$enthalten" = "$erwartet" ] || scheitern "das Paket enthält:
$enthalten"

# Unpacked into a fresh root.
wurzel=$(mktemp -d)
trap 'rm -rf "$wurzel"' EXIT
dpkg -x "$deb" "$wurzel"
"$hier/installation_pruefen.sh" "$wurzel/usr" --verschoben || fehler=1

# Installed on this machine.
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
  echo "Installation mit apt-get übersprungen: nur als root"
elif dpkg-query -W -f='${Status}' $paket 2>/dev/null | grep -q "install ok installed"; then
  echo "Installation mit apt-get übersprungen: $paket ist schon installiert"
else
  trap 'dpkg --purge $paket >/dev/null || true; rm -rf "$wurzel"' EXIT
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb" >/dev/null
  for d in /usr/bin/sudoku /usr/share/sudoku/sudoku_erkl.txt; do
    dpkg -L $paket | grep -qx "$d" || scheitern "dpkg -L $paket nennt $d nicht"
  done
  "$hier/installation_pruefen.sh" /usr || fehler=1
  dpkg --purge $paket >/dev/null
  [ ! -e /usr/bin/sudoku ] || scheitern "/usr/bin/sudoku bleibt nach dem Entfernen"
  trap 'rm -rf "$wurzel"' EXIT
fi

if [ $fehler -ne 0 ]; then
  echo "Debian-Paket: fehlerhaft" >&2
  exit 1
fi
echo "Debian-Paket: geprüft"
