# The two ways in from outside: a saved reading picked in the real file dialog, and the
# refer-a-friend form filled by keyboard.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
forget_screenshots open-dialog.png chart-imported.png
FIXTURE="$(cd "$(dirname "$0")/../windows/fixtures" && pwd)/march-7-1985.num"

start_x
start_app
main=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
park_pointer

# The same date typed by hand first, for a picture to compare the imported chart with.
focus "$main"
type_text "Ann Lee"
keys Tab Tab Tab
type_text 7
keys Tab
type_text Mar
keys Tab
type_text 1985
keys Tab Tab space
chart=$(wait_window "the chart window" "$TITLE_WINDOW" $CHART_WIDTH)
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
