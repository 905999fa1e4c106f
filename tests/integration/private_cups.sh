# SPDX-License-Identifier: GPL-3.0-or-later
# A private CUPS server whose default printer is Debian's virtual PDF printer
# cups-pdf: for the printing integration test and the README's image of a
# printed page. The server has its own folder and socket; the machine's
# printers and settings stay untouched, except for the queue's settings file
# that cups-pdf reads from /etc/cups, which cups_stop removes again.
# Needs root. Source this file (bash), then:
#
#   cups_start   starts the server and sets up the printer. Exports
#                  CUPS_SERVER (the socket, which libcups and Qt follow) and
#                  sets CUPS_FOLDER (the server's folder, logs in log/),
#                  CUPS_PRINTER (the queue) and CUPS_PAGES (where printed
#                  pages land). Status 77 when CUPS cannot be installed or
#                  started here, 1 when setting up the printer fails; the
#                  reason is in CUPS_ROOT.
#   cups_pages    prints the number of pages (PDF files) that arrived
#   cups_ready    true once no job is pending and a page has arrived
#   cups_stop_queue  stops the server (the folder stays)
#   cups_stop   stops the server and removes its folder and settings

CUPS_FOLDER=""
CUPS_PRINTER=""
CUPS_PAGES=""
CUPS_ROOT=""
cups_pid=""
cups_settings=""

# Runs the command after it until it succeeds, for at most $1 tenths of a
# second.
cups_wait() {
  local tenths=$1 i
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

cups_running() { [[ "$(lpstat -r 2>/dev/null)" == *"is running"* ]]; }

cups_start() {
  if [ "$(id -u)" -ne 0 ]; then
    CUPS_ROOT="needs root for cups-pdf's queue settings in /etc/cups"
    return 77
  fi
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  if ! "$root/scripts/install-deps.sh" --print-test >/dev/null 2>&1; then
    CUPS_ROOT="the CUPS packages could not be installed"
    return 77
  fi
  local program
  for program in /usr/sbin/cupsd /usr/lib/cups/backend/cups-pdf lpadmin lpstat lpinfo; do
    if ! command -v "$program" >/dev/null; then
      CUPS_ROOT="$program is missing"
      return 77
    fi
  done

  CUPS_PRINTER=SudokuPrintTest$$
  cups_settings=/etc/cups/cups-pdf-$CUPS_PRINTER.conf
  CUPS_FOLDER=$(mktemp -d /tmp/sudoku-cups.XXXXXX)
  CUPS_PAGES=$CUPS_FOLDER/pdf
  local D=$CUPS_FOLDER
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
  cat >"$cups_settings" <<EOF
Out $D/pdf
AnonDirName $D/pdf
Spool $D/pdf-spool
Log $D/log
EOF

  export CUPS_SERVER=$D/cups.sock
  /usr/sbin/cupsd -f -c "$D/etc/cupsd.conf" -s "$D/etc/cups-files.conf" >"$D/log/cupsd.out" 2>&1 &
  cups_pid=$!
  if ! cups_wait 150 cups_running; then
    CUPS_ROOT="cupsd did not start within 15 s: $(cat "$D/log/cupsd.out" 2>/dev/null)"
    CUPS_ROOT+=" $(grep -E '^E ' "$D/log/error_log" 2>/dev/null | tail -3)"
    return 77
  fi

  # The PDF printer with Debian's cups-pdf driver, as the default printer.
  # Ghostscript, CUPS' usual way from PDF to the driver's PostScript, turns
  # the page's text into glyphs without letters; poppler's cairo renderer
  # keeps the text readable (pdftotext).
  local model
  local -a driver_choice
  model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ && !model { model = $1 } END { print model }')
  if [ -n "$model" ]; then
    driver_choice=(-m "$model")
  else
    driver_choice=(-P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd)
  fi
  if ! lpadmin -p "$CUPS_PRINTER" -v "cups-pdf:/$CUPS_PRINTER" -E "${driver_choice[@]}" \
    -o pdftops-renderer-default=pdftocairo 2>"$D/log/lpadmin.out"; then
    CUPS_ROOT="lpadmin: $(cat "$D/log/lpadmin.out")"
    return 1
  fi
  if ! lpadmin -d "$CUPS_PRINTER" || [[ "$(lpstat -d)" != *"$CUPS_PRINTER"* ]]; then
    CUPS_ROOT="the PDF printer could not become the default printer"
    return 1
  fi
  return 0
}

cups_pages() { find "$CUPS_PAGES" -name '*.pdf' | wc -l; }

cups_ready() {
  [ -z "$(lpstat -W not-completed -o "$CUPS_PRINTER" 2>/dev/null)" ] && [ "$(cups_pages)" -ge 1 ]
}

cups_stop_queue() {
  if [ -n "$cups_pid" ]; then
    kill "$cups_pid" 2>/dev/null || true
    wait "$cups_pid" 2>/dev/null || true
    cups_pid=""
  fi
}

cups_stop() {
  cups_stop_queue
  [ -n "$cups_settings" ] && rm -f "$cups_settings"
  [ -n "$CUPS_FOLDER" ] && rm -rf "$CUPS_FOLDER"
  return 0
}
