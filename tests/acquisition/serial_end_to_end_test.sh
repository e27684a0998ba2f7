#!/usr/bin/env bash
# The real executable reading a board on a pseudo-terminal: for a few counts
# its displays show, pixel for pixel, what the simulation shows for the same
# reading; a board that hangs up is reported and ends the program with status 1.
set -uo pipefail
program=$1
board=$2
. "$(dirname "$0")/../x11_helpers.sh"
. "$(dirname "$0")/board_helpers.sh"

# count, then the simulation giving the same reading: count * 5 / 1024 V and
# the code count / 4.
for case in "0 simulation?volts=0&raw=0" \
            "444 simulation?volts=2.16796875&raw=28416" \
            "1023 simulation?volts=4.9951171875&raw=65280"; do
  set -- $case
  start_board steady "$1" 30
  displays_of "serial:$port" serial.png
  stop_board
  displays_of "$2" simulation.png
  same_displays serial.png simulation.png "compte $1"
done

start_board steady 444 1.5  # hangs up after 1.5 s
start_program "serial:$port"
expect_report "débranchée" 5

echo "1 passed, 0 failed"
