"""What a screen reader finds of the running program, read through the accessibility bus.

Called by accessibility.sh once per step, with the program's process id:
    accessibility.py <pid> main                  the main window; presses the forum link
    accessibility.py <pid> chart <texts folder>  the chart window's number page
    accessibility.py <pid> reading <texts folder>  the chart window's reading view
    accessibility.py <pid> farewell              the farewell window
Each step waits (bounded) for its window to turn up on the bus, then checks every control it
lists by role and name; the first fault ends the run with status 1 and the window's tree.
"""

import os
import sys
import time

import pyatspi

APP_NAME = os.environ["HCN_PROGRAM"]  # from the build's identity file, by accessibility.sh
WAIT_SECONDS = 10.0

# The reading the scenario types: Ann Lee, 15 August 1985.
PERSON = "Ann Lee"
NUMBERS = {"Soul": 6, "Karma": 8, "Gift": 4, "Knowledge": 5, "Path": 10}
# The paragraph view of each number and the text file its paragraphs come from.
PARAGRAPHS = {
    "Path": ("Path interpretation", "path.txt"),
    "Soul": ("Soul interpretation", "soul.txt"),
    "Gift": ("Gift interpretation", "gift.txt"),
    "Knowledge": ("Knowledge interpretation", "destiny.txt"),
    "Karma": ("Karma interpretation", "karma.txt"),
}
READING_ORDER = ["Path", "Soul", "Knowledge", "Gift", "Karma"]

FORUM_INVITATION = (
    "Visit the Quillmere Mystic Forum, the most popular online discussion board on esoteric "
    "subjects. Come and join us!"
)
CO_BRANDING = (
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
    "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding."
)
FULL_BRANDING = (
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details."
)
FORUM_TALK = (
    "Talk about your reading at the Quillmere Mystic Forum: www.quillmere.example/forum"
)
INTRODUCTION = (
    "Corvane numerology has its roots in ancient yogic practice. Reading the numbers of your "
    "date of birth, it helps you rediscover who you are and where you stand in life today. Get "
    "your Halden Corvane Numerology Reading Now!"
)
CATALOGUE = (
    "If you have enjoyed using Halden Corvane Numerology, you are sure to like our other "
    "programs as well."
)
TITLE = os.environ["HCN_WINDOW_TITLE"]

# Roles of the controls a user works with; every one of them needs a name.
CONTROL_ROLES = {"push button", "check box", "text", "combo box", "link", "image"}


# Roles are read as numbers and named as the tables above spell them: the library's own names
# change between its versions (2.56 calls a push button "button").
ROLE_NAMES = {pyatspi.ROLE_PUSH_BUTTON: "push button"}


def role_name(accessible):
    return ROLE_NAMES.get(accessible.getRole()) or accessible.getRoleName()


class Fault(Exception):
    pass


class Control:
    """One node of a window's tree, with what a screen reader reads of it first."""

    def __init__(self, accessible):
        self.accessible = accessible
        self.role = role_name(accessible)
        self.name = accessible.name or ""
        self.description = accessible.description or ""
        self.states = accessible.getState()

    def showing(self):
        return self.states.contains(pyatspi.STATE_SHOWING)

    def actions(self):
        try:
            action = self.accessible.queryAction()
        except NotImplementedError:
            return []
        return [action.getName(i) for i in range(action.nActions)]

    def text(self):
        text = self.accessible.queryText()
        return text.getText(0, text.characterCount)

    def labelled_by(self):
        names = []
        for relation in self.accessible.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
        return names

    def extents(self):
        box = self.accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def __str__(self):
        return f"{self.role} {self.name!r}"


def descendants(accessible):
    """The window's controls in tree order; the items of lists and menus are left out."""
    found = []
    for child in accessible:
        if child is None:
            continue
        control = Control(child)
        found.append(control)
        if control.role not in ("combo box", "menu bar"):
            found += descendants(child)
    return found


def wait_for(what, probe):
    """Polls probe until it returns something; a window that is still being built or torn
    down can make a query fail on the way."""
    deadline = time.monotonic() + WAIT_SECONDS
    error = None
    while True:
        try:
            result = probe()
            if result:
                return result
        except Exception as e:  # any bus error means "not there yet"
            error = e
        if time.monotonic() > deadline:
            detail = f" (last error: {error})" if error else ""
            raise Fault(f"timed out after {WAIT_SECONDS:g}s waiting for {what}{detail}")
        time.sleep(0.1)


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME and app.get_process_id() == pid:
            return app
    return None


class Window:
    """The program's one shown window that holds the control (role, name)."""

    def __init__(self, pid, role, name):
        app = wait_for(f"the program (process {pid}) on the accessibility bus",
                       lambda: application(pid))
        self.what = f"the window with the {role} {name!r}"
        try:
            self.frame, self.controls = wait_for(self.what, lambda: self.find(app, role, name))
        except Fault as fault:
            raise Fault(f"{fault}\nthe program's windows:\n" + "\n".join(
                f"  {Control(frame)}: " + ", ".join(str(c) for c in descendants(frame))
                for frame in app if frame is not None)) from None

    @staticmethod
    def find(app, role, name):
        for frame in app:
            if frame is None or not Control(frame).showing():
                continue
            controls = descendants(frame)
            if any(c.role == role and c.name == name and c.showing() for c in controls):
                return frame, controls
        return None

    def fail(self, message):
        tree = "\n".join(f"  {c}{'' if c.showing() else ' (not showing)'}"
                         f"{' description ' + repr(c.description) if c.description else ''}"
                         for c in self.controls)
        raise Fault(f"{self.what}: {message}\nits controls:\n{tree}")

    def one(self, role, name=None, description=None):
        """The single shown control with this role and name (or description)."""
        matches = [c for c in self.controls if c.role == role and c.showing() and
                   (name is None or c.name == name) and
                   (description is None or c.description == description)]
        wanted = f"{role} " + (repr(name) if name is not None else f"described {description!r}")
        if len(matches) != 1:
            self.fail(f"expected one shown {wanted}, found {len(matches)}")
        return matches[0]

    def expect_controls(self, table):
        for role, name in table:
            self.one(role, name)
        ok(f"{len(table)} controls found by role and name")

    def expect_all_named(self):
        unnamed = [c for c in self.controls if c.role in CONTROL_ROLES and not c.name.strip()]
        if unnamed:
            self.fail("controls without a name: " + ", ".join(c.role for c in unnamed))

    def expect_links_press(self):
        links = [c for c in self.controls if c.role == "link"]
        for link in links:
            # Qt names the action "Press"; the case is the toolkit's business.
            if "press" not in [a.lower() for a in link.actions()]:
                self.fail(f"{link} offers the actions {link.actions()}, no press")
        ok(f"all {len(links)} links offer the press action")

    def expect_focus(self, role, name):
        control = self.one(role, name)
        # The program may still be handling the key or the window's activation.
        try:
            wait_for(f"the focus on {control}",
                     lambda: control.accessible.getState().contains(pyatspi.STATE_FOCUSED))
        except Fault as fault:
            focused = [str(c) for c in descendants(self.frame)
                       if c.states.contains(pyatspi.STATE_FOCUSED)]
            self.fail(f"{fault}; it is on {focused or 'nothing'}")
        ok(f"the focus is on the {role} {name!r}")


def ok(message):
    print(f"ok - {message}")


def paragraph(texts, kind, number):
    """Line <number> of the text file (one paragraph a line, counted from 1)."""
    with open(os.path.join(texts, PARAGRAPHS[kind][1]), encoding="utf-8") as file:
        return file.read().split("\n")[number - 1]


def check_main(pid):
    window = Window(pid, "push button", "Get My Corvane Numerology Reading")
    window.expect_controls([
        ("text", "Name"),
        ("push button", "Get My Corvane Numerology Reading"),
        ("push button", "Open Previously Saved Reading"),
        ("link", FORUM_INVITATION),
        ("link", CO_BRANDING),
        ("link", FULL_BRANDING),
        ("label", "Name"),
        ("label", "Date of Birth"),
        ("label", INTRODUCTION),
    ])
    window.expect_all_named()
    window.expect_focus("text", "Name")
    name_field = window.one("text", "Name")
    if "Name" not in name_field.labelled_by():
        window.fail(f"the name field is labelled by {name_field.labelled_by()}")

    # Qt (6.4, on Linux) names a list by its current item and leaves the list's own name to
    # other platforms; which part of the date a list holds comes through its description.
    for part, value in (("Day", "1"), ("Month", "January"), ("Year", "1900")):
        described = f"{part} of birth"
        date_list = window.one("combo box", description=described)
        if date_list.name not in (described, value):
            window.fail(f"the list described {described!r} is named {date_list.name!r}")
    day = window.one("combo box", description="Day of birth")
    if "Date of Birth" not in day.labelled_by():
        window.fail(f"the day list is labelled by {day.labelled_by()}, not by Date of Birth")
    ok("the date lists say which part of the date they hold; Date of Birth labels the day")

    window.expect_links_press()
    forum = window.one("link", FORUM_INVITATION)
    action = forum.accessible.queryAction()
    index = [action.getName(i).lower() for i in range(action.nActions)].index("press")
    if not action.doAction(index):
        window.fail("the press action on the forum link was refused")
    ok("the press action on the forum link was accepted")


def check_chart(pid, texts):
    window = Window(pid, "push button", "Halden Corvane Numerology Comprehensive Reading")
    window.expect_controls([
        ("push button", "Exit"),
        ("push button", "Back"),
        ("push button", "Halden Corvane Numerology Comprehensive Reading"),
        ("push button", "Back to the numbers"),
        ("link", FORUM_TALK),
        ("link", CO_BRANDING),
        ("link", FULL_BRANDING),
        ("label", f"Halden Corvane Numerology Chart for {PERSON}"),
        ("text", "Comprehensive reading"),
    ] + [("label", kind) for kind in NUMBERS] + [("text", view) for view, _ in PARAGRAPHS.values()])
    window.expect_all_named()
    window.expect_links_press()
    window.expect_focus("push button", "Exit")

    # Each number is the label right of its name on the same row, as the eye reads it.
    labels = [(c, c.extents()) for c in window.controls if c.role == "label" and c.showing()]
    for kind, expected in NUMBERS.items():
        x, y, width, height = window.one("label", kind).extents()
        row = [(other_x, c.name) for c, (other_x, other_y, _, other_height) in labels
               if other_x >= x + width and other_y < y + height and other_y + other_height > y]
        if not row:
            window.fail(f"no label right of {kind}")
        shown = min(row)[1]
        if shown != str(expected):
            window.fail(f"{kind} reads {shown!r}, expected {expected}")
    ok("the five numbers read " +
       ", ".join(f"{kind} {number}" for kind, number in NUMBERS.items()))

    for kind, (view, _) in PARAGRAPHS.items():
        expected = paragraph(texts, kind, NUMBERS[kind])
        shown = window.one("text", view).text()
        if shown != expected:
            window.fail(f"the {view} reads {shown[:80]!r}..., expected {expected[:80]!r}...")
    ok("the five paragraph views read their paragraphs through the text interface")


def check_reading(pid, texts):
    window = Window(pid, "push button", "Halden Corvane Numerology Comprehensive Reading")
    window.expect_focus("push button", "Halden Corvane Numerology Comprehensive Reading")
    reading = window.one("text", "Comprehensive reading").text()
    parts = [f"Halden Corvane Numerology Chart for {PERSON}"]
    for kind in READING_ORDER:
        parts += [f"{kind}: {NUMBERS[kind]}", paragraph(texts, kind, NUMBERS[kind])]
    position = 0
    for part in parts:
        found = reading.find(part, position)
        if found < 0:
            window.fail(f"the reading lacks {part[:60]!r} (in this order); it reads "
                        f"{reading[:200]!r}...")
        position = found + len(part)
    ok("the reading view reads the title, then each number's heading and paragraph")


def check_farewell(pid):
    window = Window(pid, "check box", "Drop by www.quillmereforum.example now!")
    fields = ["Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"]
    window.expect_controls([
        ("push button", "Exit"),
        ("push button", "Refer A Friend Now"),
        ("check box", "Drop by www.quillmereforum.example now!"),
        ("image", "Application icon"),
        ("link", "Click Here To Visit Quillmere Softwares"),
        ("text", "Your Message"),
        ("label", TITLE),
    ] + [("text", field) for field in fields])
    window.expect_all_named()
    window.expect_links_press()
    window.expect_focus("push button", "Exit")
    # The fields start out holding their own names as a hint.
    for field in fields:
        shown = window.one("text", field).text()
        if shown != field:
            window.fail(f"the field {field!r} holds {shown!r}")
    catalogue = [c for c in window.controls if c.role == "label" and c.name.startswith(CATALOGUE)]
    appeal = [c for c in window.controls if c.role == "label" and
              "www.quillmereforum.example regularly" in c.name]
    if len(catalogue) != 1 or len(appeal) != 1:
        window.fail(f"expected the catalogue text and one appeal, found {len(catalogue)} "
                    f"and {len(appeal)}")
    ok("the farewell fields read their hints, the catalogue and the appeal read as labels")


def main(argv):
    pid, step, *rest = argv[1:]
    steps = {
        "main": lambda: check_main(int(pid)),
        "chart": lambda: check_chart(int(pid), *rest),
        "reading": lambda: check_reading(int(pid), *rest),
        "farewell": lambda: check_farewell(int(pid)),
    }
    try:
        steps[step]()
    except Fault as fault:
        print(f"FAIL [accessibility {step}]: {fault}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
