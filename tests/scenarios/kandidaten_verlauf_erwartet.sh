#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes kandidaten_verlauf.expected to standard output:
#   tests/scenarios/kandidaten_verlauf_erwartet.sh > tests/scenarios/kandidaten_verlauf.expected
# The history view lists, for the moves 1 to 5 and the cells 1 to 81, the
# candidate text each cell had before the move (only for the cells in the row,
# column and square of the move's cell, the cell itself included; a cell
# already filled has none), or else the zero block. Layout per cell: its
# column, " ) .....", CR LF, the block, CR LF; after every ninth cell "{",
# the next row number, "} " and 35 "-", CR LF; after each move CR LF, m + 1,
# three blanks, 37 "x", three blanks, m + 1, CR LF. CR LF are written as the
# driver prints them, \r\n.
set -euo pipefail

null_block='0 0 0 \r\n0 0 0 \r\n0 0 0'
declare -a ziffer alt

# Candidate text of the empty cell k on the current board.
kandidaten() {
    local k=$1 r=$(( ($1 - 1) / 9 )) c=$(( ($1 - 1) % 9 )) text="" d i z
    for d in 1 2 3 4 5 6 7 8 9; do
        local frei=1
        for i in $(seq 1 81); do
            z=${ziffer[$i]:-0}
            [ "$z" = "$d" ] || continue
            local ri=$(( (i - 1) / 9 )) ci=$(( (i - 1) % 9 ))
            if [ $ri -eq $r ] || [ $ci -eq $c ] ||
               [ $(( ri / 3 * 3 + ci / 3 )) -eq $(( r / 3 * 3 + c / 3 )) ]; then frei=0; fi
        done
        [ $frei -eq 1 ] && text+="$d" || text+=" "
        case $d in 3|6) text+='\r\n' ;; 9) ;; *) text+=" " ;; esac
    done
    printf '%s' "$text"
}

# Move m: digit d into cell j; saves the texts from before the move.
zug() {
    local m=$1 j=$2 d=$3 k
    local rj=$(( (j - 1) / 9 )) cj=$(( (j - 1) % 9 ))
    for k in $(seq 1 81); do
        local rk=$(( (k - 1) / 9 )) ck=$(( (k - 1) % 9 ))
        if [ $rk -eq $rj ] || [ $ck -eq $cj ] ||
           [ $(( rk / 3 * 3 + ck / 3 )) -eq $(( rj / 3 * 3 + cj / 3 )) ]; then
            if [ "${ziffer[$k]:-0}" = 0 ]; then alt[$(( m * 100 + k ))]=$(kandidaten $k); fi
        fi
    done
    ziffer[$j]=$d
}

ansicht() {
    local text="" m k block
    for m in 1 2 3 4 5; do
        for k in $(seq 1 81); do
            block=${alt[$(( m * 100 + k ))]:-}
            [ -n "$block" ] || block=$null_block
            text+="$(( (k - 1) % 9 + 1 )) ) .....\\r\\n$block\\r\\n"
            if [ $(( k % 9 )) -eq 0 ]; then
                text+="{$(( k / 9 + 1 ))} -----------------------------------\\r\\n"
            fi
        done
        text+="\\r\\n$(( m + 1 ))   xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx   $(( m + 1 ))\\r\\n"
    done
    printf 'txt_test.text = "%s"\n' "$text"
}

leer=$(ansicht)
echo 'txt_test.visible = True'
echo 'txt_test.left = 10'
echo 'txt_test.top = 1000'
echo 'txt_test.width = 6000'
echo 'txt_test.height = 8000'
echo "$leer"
echo 'txt_test.visible = False'
echo 'txt_test.left = 10'
echo 'txt_test.height = 8000'
echo "$leer"
echo 'txt_test.visible = False'
echo 'txt_test.text = "1"'
zug 1 1 4
ein_zug=$(ansicht)
echo "$ein_zug"
echo "$ein_zug"
echo 'txt_test.text = "2"'
echo 'txt_test.visible = True'
echo 'txt_test.text = "2"'
zug 2 11 7
ansicht
