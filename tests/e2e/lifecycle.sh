# The program's life around the windows: one copy per user, the update reminder, and the
# road through the farewell window to the end.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
forget_screenshots already-running.png reminder.png farewell.png

# "Duration" as the store writes it: each code shifted up by 7, reversed, and escaped.
KEY='uvp%7Bhy%7CK'

# The stored reminder date, unscrambled; the file quotes a value that holds "=" or blanks.
stored_date() { shift_codes "$(sed -n "s/^$KEY=\"\{0,1\}\([^\"]*\)\"\{0,1\}\$/\1/p" "$SETTINGS" 2>/dev/null)" -7; }

# set_stored_date <plain text>: writes the reminder date the way the program stores it.
set_stored_date() { printf '[Settings]\n%s="%s"\n' "$KEY" "$(shift_codes "$1" 7)" >"$SETTINGS"; }

start_x
SETTINGS="$E2E_TMP/home/.config/$HCN_PROGRAM.conf"
start_app
first=$APP_PID
main=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
expect_no_window "message box" "$TITLE_MESSAGE"
today=$(stored_date)
[ -n "$today" ] || fail "the first start stored no reminder date: $(cat "$SETTINGS" 2>/dev/null)"
grep -q Duration "$SETTINGS" && fail "the settings file holds the plain name: $(cat "$SETTINGS")"
grep -qF "$today" "$SETTINGS" && fail "the settings file holds the plain date: $(cat "$SETTINGS")"
ok "the first start shows the main window, no question, and stores today ($today) scrambled"

# A second copy says so and ends; the first one keeps its window.
cp "$SETTINGS" "$E2E_TMP/settings-before"
start_app
second=$APP_PID
box=$(wait_window "the already-running message" "$TITLE_MESSAGE")
park_pointer
shoot "$box" "$E2E_OUT/already-running.png"
[ "$(visible_windows "$TITLE_WINDOW")" = "$main" ] || fail "the second copy opened a window of its own"
focus "$box"
keys Return
expect_app_exit 10
cmp -s "$SETTINGS" "$E2E_TMP/settings-before" || fail "the second copy changed the settings"
APP_PID=$first
kill -0 "$first" || fail "the first copy ended with the second"
expect_shown "$main" "the first copy's main window"
ok "a second start says 'Application is already running' and ends with status 0; the first stays"

# A copy killed outright leaves a stale lock behind, which must not block the next start.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
wait_until 10 "the killed copy's window to go" no_window "$TITLE_WINDOW"
set_stored_date "${today%????}$((${today: -4} - 1))" # a year before today
start_app
box=$(wait_window "the update reminder" "$TITLE_MESSAGE")
shoot "$box" "$E2E_OUT/reminder.png"
# Two lines of text: the question stands below the notice.
lines=$(text_lines "$E2E_OUT/reminder.png")
[ "$lines" -eq 2 ] && [ "$(text_lines "$E2E_OUT/already-running.png")" -eq 1 ] ||
    fail "the reminder's two lines are not shown as two lines ($lines)"
expect_no_window "main window before the reminder is answered" "$TITLE_WINDOW"
focus "$box"
keys Return # Yes is the default button
main=$(wait_window "the main window after the reminder" "$TITLE_WINDOW" $MAIN_WIDTH)
wait_until 10 "the browser to be called" browser_called
[ "$(cat "$E2E_TMP/browser.log")" = "$E2E_PAGE_SCRIPT?page=download-web-page" ] ||
    fail "Yes opened '$(cat "$E2E_TMP/browser.log")'"
[ "$(stored_date)" = "$today" ] || fail "the reminder did not store today again: $(stored_date)"
ok "after a kill -9 the next start is normal; a year-old date brings the reminder, Yes opens the download page"

# The main window's File > Exit leads to the farewell window, and its close to the end.
open_menu_item "$main" f x
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
expect_size "$farewell" "the farewell window" $FAREWELL_WIDTH $FAREWELL_HEIGHT
park_pointer
shoot "$farewell" "$E2E_OUT/farewell.png"
expect_colour "$E2E_OUT/farewell.png" 000080 "navy frames"
expect_colour "$E2E_OUT/farewell.png" FFFF00 "yellow catalogue link"
expect_no_window "main window" "$TITLE_WINDOW" $MAIN_WIDTH
focus "$farewell"
keys alt+x
expect_app_exit 10
ok "File > Exit shows the farewell window; Alt+X there ends the program with status 0"

expect_quiet_app
