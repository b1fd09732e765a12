# The two ways in from outside: a saved reading picked in the real file dialog, and the
# refer-a-friend form filled by keyboard.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
forget_screenshots open-dialog.png chart-imported.png farewell-form.png
FIXTURE="$(cd "$(dirname "$0")/../windows/fixtures" && pwd)/march-7-1985.num"

start_x
start_app
main=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
park_pointer

# The same date typed by hand first, for a picture to compare the imported chart with.
chart=$(keyboard_reading "$main" "Ann Lee" 7 Mar 1985)
shoot "$chart" "$E2E_TMP/chart-typed.png"
focus "$chart"
keys Tab space # Back
main=$(wait_window "a new main window" "$TITLE_WINDOW" $MAIN_WIDTH)

# The open button lies below the visible area: Tab from the reading button, then Space.
focus "$main"
type_text "Ann Lee"
keys Tab Tab space
dialog=$(wait_window "the open dialog" '^Select the source file$')
shoot "$dialog" "$E2E_OUT/open-dialog.png"
focus "$dialog"
type_text "$FIXTURE"
keys Return
wait_closed "$dialog" "the open dialog"
chart=$(wait_window "the chart of the saved reading" "$TITLE_WINDOW" $CHART_WIDTH)
shoot "$chart" "$E2E_OUT/chart-imported.png"
same_image "$E2E_TMP/chart-typed.png" "$E2E_OUT/chart-imported.png" ||
    fail "the imported chart differs from the one for 7 March 1985 typed by hand"
expect_no_window "main window" "$TITLE_WINDOW" $MAIN_WIDTH
expect_no_window "farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH
ok "a saved reading picked in the real dialog shows the chart of 7 March 1985"

# On to the farewell window, and the form there by keyboard alone: Exit holds the focus,
# then the link box, the icon, the name, the button and the two e-mail fields.
focus "$chart"
keys space # Exit
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
focus "$farewell"
keys Tab Tab Tab
type_text "Ann & Bob"
keys Tab Tab
type_text "ann@x"
keys space # refused with a message; the field keeps what it has
box=$(wait_window "the message about the space" "$TITLE_MESSAGE")
focus "$box"
keys Return
wait_closed "$box" "the message box"
focus "$farewell"
type_text ".example"
keys Tab
type_text "bob@y.example"
keys Tab
type_text "Bob #2"
park_pointer
shoot "$farewell" "$E2E_OUT/farewell-form.png"
keys alt+n
wait_until 10 "the browser to be called" browser_called
folder=$(printf '%s' "${E2E_PAGE_SCRIPT%/*}/" | sed 's/:/%3A/g; s|/|%2F|g')
expected="$E2E_PAGE_SCRIPT?page=vesk-refer-a-friend&taf1=Ann%20%26%20Bob&taf2=ann%40x.example"
expected+="&taf3=Your%20Message%0D%0A&taf4=Bob%20%232&taf5=bob%40y.example&taf6=$folder"
[ "$(cat "$E2E_TMP/browser.log")" = "$expected" ] ||
    fail "the browser got '$(cat "$E2E_TMP/browser.log")', expected '$expected'"
expect_shown "$farewell" "the farewell window"
ok "the form, filled by keyboard, sends every value intact; a typed space is refused"

focus "$farewell"
keys alt+x
expect_app_exit 10
ok "Alt+X ends the program with status 0"

expect_quiet_app
