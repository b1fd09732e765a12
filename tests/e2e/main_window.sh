# The main window on its own: how it opens, how it refuses bad input, the about window.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
forget_screenshots main.png message-empty-name.png message-bad-date.png about.png

start_x
start_app

main=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
expect_size "$main" "the main window" $MAIN_WIDTH $MAIN_HEIGHT menu
park_pointer
shoot "$main" "$E2E_OUT/main.png"
# The navy of the Name and Date of Birth captions: the window painted its controls.
expect_colour "$E2E_OUT/main.png" 000080 "caption text"
ok "main window opens at ${MAIN_WIDTH}x${MAIN_HEIGHT} plus its menu bar"

# Focus starts in the name field; Tab reaches the reading button.
focus "$main"
keys Tab space
box=$(wait_window "the message box for an empty name" "$TITLE_MESSAGE")
shoot "$box" "$E2E_OUT/message-empty-name.png"
focus "$box"
keys Return
wait_closed "$box" "the message box"
expect_shown "$main" "the main window"
expect_no_window "chart window" "$TITLE_WINDOW" $CHART_WIDTH
ok "an empty name is refused with a message box, and the main window stays"

# The message put the focus back in the name field; from there on to the day list.
focus "$main"
type_text "Ann Lee"
keys Tab Tab Tab
type_text 31
keys Tab
type_text Ap
keys Tab Tab Tab space
box=$(wait_window "the message box for 31 April" "$TITLE_MESSAGE")
shoot "$box" "$E2E_OUT/message-bad-date.png"
same_image "$E2E_OUT/message-empty-name.png" "$E2E_OUT/message-bad-date.png" &&
    fail "31 April shows the same message box as an empty name"
focus "$box"
keys Return
wait_closed "$box" "the message box"
expect_shown "$main" "the main window"
expect_no_window "chart window" "$TITLE_WINDOW" $CHART_WIDTH
ok "31 April is refused with its own message, and the main window stays"

open_menu_item "$main" h a
about=$(wait_window "the about window" "$TITLE_WINDOW" 466)
expect_size "$about" "the about window" 466 219
shoot "$about" "$E2E_OUT/about.png"
expect_colour "$E2E_OUT/about.png" 808080 "grey background"
expect_colour "$E2E_OUT/about.png" 00C000 "green title"
focus "$about"
keys Escape
wait_closed "$about" "the about window"
expect_shown "$main" "the main window"
ok "Help > About Software opens the about window; Escape closes it"

# The run ends as a user ends it, so that a sanitizer build checks the program at its end too.
open_menu_item "$main" f x
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
focus "$farewell"
keys alt+x
expect_app_exit 10
ok "File > Exit and Alt+X in the farewell window end the program with status 0"

expect_quiet_app
