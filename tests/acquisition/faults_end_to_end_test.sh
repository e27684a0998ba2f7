#!/usr/bin/env bash
# Faults injected into the real executable: a board that goes silent, floods
# garbage or sends one line of 1 MB, an IIO attribute that vanishes or turns
# to garbage, and ORPHY_SOURCE malformed in each of its fields. Each fault
# ends with the French report and status 1 within 3 s, or is skipped while
# the displays stay right; memory stays bounded.
set -uo pipefail
program=$1
board=$2
. "$(dirname "$0")/../x11_helpers.sh"
. "$(dirname "$0")/board_helpers.sh"

displays_of "simulation?volts=2.16796875&raw=28416" expected.png

# Silence: the last reading came 1 s after start; 2 s later, the report.
start_board silent 444 30
start_program "serial:$port"
expect_report "depuis plus de 2 s" 4
stop_board

# A flood of garbage and nothing else: no valid reading for 2 s.
start_board garbage 444 30
start_program "serial:$port"
sleep 1.5
rss=$(resident_kib)
expect_report "depuis plus de 2 s" 3
stop_board
[ "$rss" -lt 200000 ] || fail "mémoire pendant le flot : $rss KiB"

# Garbage at 1 MB/s between valid lines: skipped, the displays stay right and
# memory stays flat.
start_board mixed 444 30
start_program "serial:$port"
sleep 1
first=$(resident_kib)
sleep 2
save_displays mixed.png
last=$(resident_kib)
same_displays mixed.png expected.png "flot mêlé"
[ $((last - first)) -lt 4096 ] || fail "mémoire : $first puis $last KiB"
quit_program
stop_board

# One line of 1 MB: dropped, the readings go on.
start_board longline 444 30
start_program "serial:$port"
sleep 2
save_displays longline.png
same_displays longline.png expected.png "ligne de 1 Mo"
quit_program
stop_board

# IIO: an attribute that turns to garbage, then one that vanishes.
device="$work/iio:device0"
mkdir -p "$device"
echo 111 >"$device/in_voltage0_raw"
echo 19.53125 >"$device/in_voltage_scale"  # 5000 mV / 256
start_program "iio:$device?bits=8"
sleep 0.8
save_displays iio.png
same_displays iio.png expected.png "IIO"
echo "n/a" >"$device/in_voltage0_raw"
expect_report "« n/a »" 3
echo 111 >"$device/in_voltage0_raw"
start_program "iio:$device?bits=8"
sleep 0.5
rm "$device/in_voltage0_raw"
expect_report "in_voltage0_raw" 3

# ORPHY_SOURCE malformed in each field: reported at start, status 1.
for bad in "simulaton|« simulaton »" "simulation?volts=2,5|« 2,5 »" \
           "simulation?volts=1&raw=x|« x »" "simulation?tension=1|« tension »" \
           "serial:|chemin du port série manque" "serial:/dev/absent|n'existe pas" \
           "serial:/dev/null?baud=vite|« vite »" "serial:/dev/null?bits=0|« bits »" \
           "serial:/dev/null?vref=-1|« vref »" "iio:|périphérique IIO manque" \
           "iio:$work/absent?bits=8|n'existe pas" "iio:$device?channel=-1|« channel »" \
           "iio:$device?bits=99|« bits »" "iio:inconnu?bits=8|« inconnu »"; do
  source=${bad%%|*}
  part=${bad#*|}
  ORPHY_SOURCE="$source" "$program" 2>"$work/err" &
  pid=$!
  expect_report "$part" 3
done

echo "1 passed, 0 failed"
