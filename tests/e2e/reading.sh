# A whole session: two readings, their two pages, a help link, Back, Exit and the farewell.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
forget_screenshots chart-1985-numbers.png chart-1985-reading.png chart-2000-numbers.png chart-2000-reading.png

PURPLE=800080    # Path
RED=FF0000       # Gift
SOUL_BLUE=0000C0 # Soul on the number page only; the reading writes Soul in navy
MAROON=800000    # Karma, the last section of the reading

# Regions of the chart window's client area, below its menu bar of height $1.
number_page() { echo "643x360+4+$((24 + $1))"; }
path_number() { echo "86x25+72+$((64 + $1))"; }
date_lists() { echo "225x21+186+$((177 + $1))"; }

start_x
start_app

main=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
main_bar=$(menu_bar_height "$main" $MAIN_HEIGHT)
park_pointer
shoot "$main" "$E2E_TMP/main-first.png"

chart=$(keyboard_reading "$main" "Ann Lee" 15 Au 1985)
expect_size "$chart" "the chart window" $CHART_WIDTH $CHART_HEIGHT menu
expect_no_window "main window" "$TITLE_WINDOW" $MAIN_WIDTH
bar=$(menu_bar_height "$chart" $CHART_HEIGHT)
numbers85="$E2E_OUT/chart-1985-numbers.png"
shoot "$chart" "$numbers85"
expect_colour "$numbers85" $PURPLE "Path row"
expect_colour "$numbers85" $SOUL_BLUE "Soul row"
expect_colour "$numbers85" $RED "Gift row, 4 for 1985"
ok "15 August 1985 replaces the main window by the chart window on its number page"

# The focus starts on Exit; Back, then the Comprehensive Reading button.
focus "$chart"
keys Tab Tab space
reading85="$E2E_OUT/chart-1985-reading.png"
shoot "$chart" "$reading85" "$numbers85"
expect_no_colour "$reading85" $SOUL_BLUE "the number page must be covered"
expect_colour "$reading85" $MAROON "Karma section"
expect_colour "$reading85" $RED "Gift section, just above Karma"
ok "the Comprehensive Reading button shows the reading page"

open_menu_item "$chart" h o
wait_until 10 "the browser to be called" browser_called
sleep 1 # a second, late call would be a fault too
[ "$(browser_lines)" -eq 1 ] || fail "the browser was called $(browser_lines) times: $(cat "$E2E_TMP/browser.log")"
[ "$(cat "$E2E_TMP/browser.log")" = "$E2E_PAGE_SCRIPT?page=help-web-page" ] ||
    fail "Online Help opened '$(cat "$E2E_TMP/browser.log")'"
expect_shown "$chart" "the chart window"
expect_no_window "message box" "$TITLE_MESSAGE"
ok "Help > Online Help hands the help page to the browser once; the chart stays"

# On through the five paragraph boxes and the reading view to the second Back.
focus "$chart"
keys Tab Tab Tab Tab Tab Tab Tab space
shoot "$chart" "$E2E_TMP/numbers-again.png" "$reading85"
same_image "$numbers85" "$E2E_TMP/numbers-again.png" "$(number_page "$bar")" ||
    fail "the number page differs after a visit to the reading page"
ok "the reading page's Back returns to the same number page"

keys Tab Tab space # round to Exit, then the window's own Back
wait_closed "$chart" "the chart window"
main=$(wait_window "a new main window" "$TITLE_WINDOW" $MAIN_WIDTH)
shoot "$main" "$E2E_TMP/main-again.png"
same_image "$E2E_TMP/main-first.png" "$E2E_TMP/main-again.png" "$(date_lists "$main_bar")" ||
    fail "the new main window does not start on 1 January 1900"
focus "$main"
keys Tab space
box=$(wait_window "the message box for the empty name" "$TITLE_MESSAGE")
focus "$box"
keys Return
wait_closed "$box" "the message box"
ok "Back opens a fresh main window: empty name, 1 January 1900"

focus "$main"
type_text "Ann Lee"
keys Tab Tab Tab Tab Tab # day and month stay on 1 January
type_text 2000
keys Tab Tab space
wait_closed "$main" "the main window"
chart=$(wait_window "the chart window" "$TITLE_WINDOW" $CHART_WIDTH)
numbers00="$E2E_OUT/chart-2000-numbers.png"
shoot "$chart" "$numbers00"
expect_colour "$numbers00" $PURPLE "Path row"
expect_no_colour "$numbers00" $RED "the Gift row must be hidden for a Gift of 0"
same_image "$numbers85" "$numbers00" "$(path_number "$bar")" &&
    fail "the Path number of 1 January 2000 looks like the one of 15 August 1985"
ok "1 January 2000 shows its own Path and hides the Gift row"

focus "$chart"
keys Tab Tab space
reading00="$E2E_OUT/chart-2000-reading.png"
shoot "$chart" "$reading00" "$numbers00"
expect_colour "$reading00" $MAROON "Karma section"
expect_no_colour "$reading00" $RED "no Gift section for a Gift of 0"
ok "the reading of 1 January 2000 has no Gift section"

keys shift+Tab shift+Tab space # back past Back to Exit
wait_closed "$chart" "the chart window"
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
expect_size "$farewell" "the farewell window" $FAREWELL_WIDTH $FAREWELL_HEIGHT
expect_no_window "chart window" "$TITLE_WINDOW" $CHART_WIDTH
ok "Exit in the chart window brings up the farewell window"

# Exit holds the focus there, so Enter ends the program.
focus "$farewell"
started=$(date +%s%N)
keys Return
expect_app_exit 10
echo "# from Enter on the farewell window to the end of the process: $((($(date +%s%N) - started) / 1000000)) ms"
ok "Enter on the farewell window ends the program with status 0"

expect_quiet_app
