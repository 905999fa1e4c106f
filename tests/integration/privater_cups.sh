# SPDX-License-Identifier: GPL-3.0-or-later
# A private CUPS server whose default printer is Debian's virtual PDF printer
# cups-pdf: for the printing integration test and the README's image of a
# printed page. The server has its own folder and socket; the machine's
# printers and settings stay untouched, except for the queue's settings file
# that cups-pdf reads from /etc/cups, which cups_beenden removes again.
# Needs root. Source this file (bash), then:
#
#   cups_starten   starts the server and sets up the printer. Exports
#                  CUPS_SERVER (the socket, which libcups and Qt follow) and
#                  sets CUPS_ORDNER (the server's folder, logs in log/),
#                  CUPS_DRUCKER (the queue) and CUPS_SEITEN (where printed
#                  pages land). Status 77 when CUPS cannot be installed or
#                  started here, 1 when setting up the printer fails; the
#                  reason is in CUPS_GRUND.
#   cups_seiten    prints the number of pages (PDF files) that arrived
#   cups_fertig    true once no job is pending and a page has arrived
#   cups_anhalten  stops the server (the folder stays)
#   cups_beenden   stops the server and removes its folder and settings

CUPS_ORDNER=""
CUPS_DRUCKER=""
CUPS_SEITEN=""
CUPS_GRUND=""
cups_pid=""
cups_einstellungen=""

# Runs the command after it until it succeeds, for at most $1 tenths of a
# second.
cups_warten() {
  local zehntel=$1 i
  shift
  for ((i = 0; i < zehntel; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

cups_laeuft() { [[ "$(lpstat -r 2>/dev/null)" == *"is running"* ]]; }

cups_starten() {
  if [ "$(id -u)" -ne 0 ]; then
    CUPS_GRUND="needs root for cups-pdf's queue settings in /etc/cups"
    return 77
  fi
  local wurzel
  wurzel=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  if ! "$wurzel/scripts/install-deps.sh" --druck-test >/dev/null 2>&1; then
    CUPS_GRUND="the CUPS packages could not be installed"
    return 77
  fi
  local programm
  for programm in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf lpadmin lpstat lpinfo; do
    if ! command -v "$programm" >/dev/null; then
      CUPS_GRUND="$programm is missing"
      return 77
    fi
  done

  CUPS_DRUCKER=SudokuDruckTest$$
  cups_einstellungen=/etc/cups/cups-pdf-$CUPS_DRUCKER.conf
  CUPS_ORDNER=$(mktemp -d /tmp/sudoku-cups.XXXXXX)
  CUPS_SEITEN=$CUPS_ORDNER/pdf
  local D=$CUPS_ORDNER
  # Filters run as the user lp: they need to reach the folder and write
  # their temporary files.
  chmod 755 "$D"
  mkdir -p "$D/etc" "$D/spool" "$D/run" "$D/cache" "$D/tmp" "$D/log" "$D/pdf" "$D/pdf-spool"
  chown root:lp "$D/tmp"
  chmod 1770 "$D/tmp"
  cat >"$D/etc/cups-files.conf" <<EOF
ServerRoot $D/etc
RequestRoot $D/spool
StateDir $D/run
CacheDir $D/cache
TempDir $D/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
ErrorLog $D/log/error_log
AccessLog $D/log/access_log
PageLog $D/log/page_log
SystemGroup root
EOF
  cat >"$D/etc/cupsd.conf" <<EOF
Listen $D/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # cups-pdf takes the settings of a queue whose device is cups-pdf:/NAME
  # from /etc/cups/cups-pdf-NAME.conf: the pages go into the server's folder.
  cat >"$cups_einstellungen" <<EOF
Out $D/pdf
AnonDirName $D/pdf
Spool $D/pdf-spool
Log $D/log
EOF

  export CUPS_SERVER=$D/cups.sock
  /usr/sbin/cupsd -f -c "$D/etc/cupsd.conf" -s "$D/etc/cups-files.conf" >"$D/log/cupsd.out" 2>&1 &
  cups_pid=$!
  if ! cups_warten 150 cups_laeuft; then
    CUPS_GRUND="cupsd did not start within 15 s: $(cat "$D/log/cupsd.out" 2>/dev/null)"
    CUPS_GRUND+=" $(grep -E '^E ' "$D/log/error_log" 2>/dev/null | tail -3)"
    return 77
  fi

  # The PDF printer with Debian's cups-pdf driver, as the default printer.
  # Ghostscript, CUPS' usual way from PDF to the driver's PostScript, turns
  # the page's text into glyphs without letters; poppler's cairo renderer
  # keeps the text readable (pdftotext).
  local modell
  local -a treiberwahl
  modell=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
  if [ -n "$modell" ]; then
    treiberwahl=(-m "$modell")
  else
    treiberwahl=(-P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd)
  fi
  if ! lpadmin -p "$CUPS_DRUCKER" -v "cups-pdf:/$CUPS_DRUCKER" -E "${treiberwahl[@]}" \
    -o pdftops-renderer-default=pdftocairo 2>"$D/log/lpadmin.out"; then
    CUPS_GRUND="lpadmin: $(cat "$D/log/lpadmin.out")"
    return 1
  fi
  if ! lpadmin -d "$CUPS_DRUCKER" || [[ "$(lpstat -d)" != *"$CUPS_DRUCKER"* ]]; then
    CUPS_GRUND="the PDF printer could not become the default printer"
    return 1
  fi
  return 0
}

cups_seiten() { find "$CUPS_SEITEN" -name '*.pdf' | wc -l; }

cups_fertig() {
  [ -z "$(lpstat -W not-completed -o "$CUPS_DRUCKER" 2>/dev/null)" ] && [ "$(cups_seiten)" -ge 1 ]
}

cups_anhalten() {
  if [ -n "$cups_pid" ]; then
    kill "$cups_pid" 2>/dev/null || true
    wait "$cups_pid" 2>/dev/null || true
    cups_pid=""
  fi
}

cups_beenden() {
  cups_anhalten
  [ -n "$cups_einstellungen" ] && rm -f "$cups_einstellungen"
  [ -n "$CUPS_ORDNER" ] && rm -rf "$CUPS_ORDNER"
  return 0
}
