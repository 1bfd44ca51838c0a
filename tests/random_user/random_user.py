#!/usr/bin/python3
"""A random user of the real programs: one seeded stream of a user's
actions (keys, clicks, double and triple clicks and drags in fields, clicks
beside them, pastes and drops of random text, and now and then the color
chooser), played on one implementation through its real input, with the
dialog's rules checked after every action from what the user sees:

  - every field holds at most three characters of valid text;
  - a typed character that is not a digit changes nothing;
  - the swatch shows the color the RGB fields read;
  - a digit typed is in its field, over the selection (unless the field
    is full), or the field reads 255 where the number went past it;
  - after an edit of one group, the other reads exactly the conversion of
    the edited group as the dialog reads it (the program's own conversion,
    built for this machine, is the oracle), written to the letter;
  - nothing crashes or ends, nothing is printed to stderr or the console,
    and the program answers (the checks wait for it, and fail if it never
    settles).

    random_user.py IMPLEMENTATION --oracle PATH [--actions N] [--seed S] [--trace] [--replay FILE]
        [--site DIR] [--program PATH] [--wine-user PATH --prefix DIR]

IMPLEMENTATION is gtk, wine, chromium, firefox or webkit. A failure is
printed with the seed and the action's number, and the command that
repeats it; then it is shrunk to the fewest actions that still break the
same rule, which are printed and saved for --replay; the exit code is 1.
"""
import argparse
import json
import random
import subprocess
import sys
import time

FIELDS = (1003, 1004, 1005, 1006, 1007, 1008)
RGB, HSV = FIELDS[:3], FIELDS[3:]
LETTERS = "abcxyzABCXYZ"
SYMBOLS = "-+ .,/é"
EMOJI = ("\U0001F600", "\U0001F308", "\u00e9", "\u0667", "\u0131")

# The keys a user presses, with the modifiers held; Escape and Alt+F4 end
# the program and are left out.
KEYS = (("Backspace", ()), ("Delete", ()), ("Delete", ("Shift",)), ("Tab", ()), ("Tab", ("Shift",)),
        ("Enter", ()), ("Home", ()), ("End", ()), ("ArrowLeft", ()), ("ArrowRight", ()),
        ("ArrowLeft", ("Shift",)), ("ArrowRight", ("Shift",)), ("z", ("Control",)), ("x", ("Control",)),
        ("c", ("Control",)), ("v", ("Control",)), ("Insert", ("Shift",)), ("Insert", ("Control",)))


class Action:
    seed = 0

    def __init__(self, kind, **fields):
        self.kind = kind
        self.field = fields.pop("field", None)
        self.__dict__.update(fields)

    def __repr__(self):
        return self.kind + "(" + ", ".join(f"{k}={v!r}" for k, v in self.__dict__.items() if k != "kind") + ")"


def random_text(rng, allow_invalid):
    """Text to paste or drop: digits, letters, emoji, long text, and bytes
    that are not UTF-8 where the route can carry them."""
    pick = rng.random()
    if pick < 0.35:
        return "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 5)))
    if pick < 0.5:
        return "".join(rng.choice("0123456789" + LETTERS) for _ in range(rng.randint(1, 4)))
    if pick < 0.65:
        return "".join(rng.choice(("1", "2", " ") + EMOJI) for _ in range(rng.randint(1, 4)))
    if pick < 0.75:
        return "".join(rng.choice("0123456789 \t\n" + LETTERS) for _ in range(rng.randint(20, 200)))
    if pick < 0.85 and allow_invalid:
        return b"1\xff2\xc3".decode("utf-8", "surrogateescape") if rng.random() < 0.5 else "\ud800" + "9"
    return rng.choice(("", "-5", "+7", " 12", "0x1", "999", "256"))


def next_action(rng, capabilities):
    """One action, drawn from those the driver can perform."""
    while True:
        pick = rng.random()
        field = rng.choice(FIELDS)
        if pick < 0.36:
            action = Action("type", text=rng.choice("0123456789"))
        elif pick < 0.42:
            action = Action("type", text=rng.choice(LETTERS + SYMBOLS))
        elif pick < 0.64:
            key, mods = rng.choice(KEYS)
            action = Action("key", key=key, mods=mods)
        elif pick < 0.74:
            action = Action("click", field=field, x=rng.random(), count=rng.choice((1, 1, 1, 2, 3)))
        elif pick < 0.78:
            action = Action("drag", field=field, x=rng.random(), x2=rng.random())
        elif pick < 0.83:
            action = Action("click_beside", what=rng.choice(("label", "swatch", "background")))
        elif pick < 0.85:
            action = Action("middle_paste", field=field, x=rng.random(), text=random_text(rng, True))
        elif pick < 0.93:
            action = Action("paste", text=random_text(rng, "invalid_text" in capabilities),
                            key=rng.choice((("v", ("Control",)), ("Insert", ("Shift",)))))
        elif pick < 0.97:
            action = Action("drop", field=field, x=rng.random(), text=random_text(rng, False))
        elif pick < 0.975:
            action = Action("chooser")
        else:
            continue
        if action.kind in capabilities:
            action.seed = rng.randrange(1 << 30)  # for what the action itself draws (the chooser's color)
            return action


def reading(text):
    """A field's number as the dialog reads it (GetDlgItemInt, unsigned):
    blanks skipped, an optional sign, the digits up to the first other
    character; 0 when there are none."""
    at = 0
    while at < len(text) and text[at] in " \t\n\r\v\f":
        at += 1
    negative = at < len(text) and text[at] == "-"
    if at < len(text) and text[at] in "+-":
        at += 1
    digits = ""
    while at < len(text) and "0" <= text[at] <= "9":
        digits += text[at]
        at += 1
    if not digits:
        return 0, False
    number = int(digits)
    if negative:
        return (1 if number > 0xFFFFFFFF else (-number) & 0xFFFFFFFF), True
    return (number, True) if number <= 0xFFFFFFFF else (0, False)


class Oracle:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.known = {}

    def convert(self, group, numbers):
        question = f"{group} {numbers[0]} {numbers[1]} {numbers[2]}"
        if question not in self.known:
            self.process.stdin.write(question + "\n")
            self.process.stdin.flush()
            self.known[question] = [str(n) for n in self.process.stdout.readline().split()]
        return self.known[question]


class State:
    """What the user sees: the six fields' texts, the field with the focus
    (or None), the swatch's color (or None when not looked at), whether the
    color chooser is open, and whether the program has ended."""

    # Windows' edit control (Wine's, as Windows') edits in UTF-16 units: a
    # paste cut at the limit may leave half of a surrogate pair, and any
    # edit of a field that holds a pair may split it (the caret moves by
    # units), which the program, reading its fields as ANSI text, cannot
    # see. Where that is the platform's, the driver says so.
    cuts_pairs = False

    # The focused field's selection (start, end) in characters, where the
    # driver can read it.
    selection = None

    # Whether the dialog says it is busy (a paste waits for its text), where
    # the driver can read it: until it is not, the action is not done.
    busy = False

    def __init__(self, texts, focus=None, swatch=None, chooser=False, ended=False):
        self.texts, self.focus, self.swatch, self.chooser, self.ended = list(texts), focus, swatch, chooser, ended

    def numbers(self, group):
        return [reading(self.texts[FIELDS.index(i)])[0] for i in group]


def edited_group(action, before):
    """The group an action edits, if it edits one: the focused field's, the
    field a middle-button paste or a drop goes into, and the RGB group for
    the chooser."""
    if action.kind == "chooser":
        return "rgb"
    field = action.field if action.kind in ("middle_paste", "drop") else (
        before.focus if action.kind in ("type", "key", "paste") else None)
    if field not in FIELDS:
        return None
    return "rgb" if field in RGB else "hsv"


def splits_pairs(action, before, field):
    """Whether an edit control that edits in UTF-16 units may have left
    half of a surrogate pair in the field after the action: it held one
    before, text was pasted into it and cut at the limit, or an undo gave
    back such a text."""
    held = before.texts[FIELDS.index(field)]
    pastes_or_undoes = action.kind == "paste" or (action.kind == "key" and (action.key, tuple(action.mods)) in (
        ("v", ("Control",)), ("Insert", ("Shift",)), ("z", ("Control",))))
    return any(ord(c) > 0xFFFF or 0xD800 <= ord(c) <= 0xDFFF for c in held) or (
        pastes_or_undoes and before.focus == field) or (
        action.kind in ("middle_paste", "drop") and action.field == field)


def violations(oracle, before, after, action):
    """The rules the state after an action breaks."""
    found = []
    if after.ended:
        return ["the program ended"]
    for id_, text in zip(FIELDS, after.texts):
        if len(text) > 3:
            found.append(f"field {id_} holds {text!r}, more than three characters")
        if any(0xD800 <= ord(c) <= 0xDFFF for c in text) and not (after.cuts_pairs and splits_pairs(
                action, before, id_)):
            found.append(f"field {id_} holds invalid text {text!r}")
    if action.kind == "type" and not action.text.isdigit() and after.texts != before.texts:
        found.append(f"typing {action.text!r} changed the fields from {before.texts} to {after.texts}")
    # A digit typed stays typed: over the selection, unless the field is
    # full; a number past 255 becomes 255.
    if action.kind == "type" and action.text.isdigit() and before.focus in FIELDS and before.selection:
        text = before.texts[FIELDS.index(before.focus)]
        start, end = before.selection
        typed = text if len(text) - (end - start) >= 3 else text[:start] + action.text + text[end:]
        now = after.texts[FIELDS.index(before.focus)]
        if now != typed and not (now == "255" and reading(typed)[0] > 255):
            found.append(f"{action.text} typed into {text!r} over {start}..{end} left {now!r}, not {typed!r}")
    # When the group the user edited reads other numbers, the other group
    # is written as their conversion, to the letter. (A text that reads
    # the same number, "66" become "66 ", enters nothing.)
    group = edited_group(action, before)
    edited, other = (RGB, HSV) if group == "rgb" else (HSV, RGB)
    if group and after.numbers(edited) != before.numbers(edited):
        shown = [after.texts[FIELDS.index(i)] for i in other]
        expected = oracle.convert(group, after.numbers(edited))
        if shown != expected:
            found.append(f"the {group} group was edited, and the other shows {shown}, not its conversion {expected}")
    # One group is the conversion of the other as the dialog reads it, the
    # one edited last; and when an action changed both, one of them is what
    # the program wrote, to the letter. (Which group the user edited is not
    # told by where the focus was seen: a paste may land after the action
    # that follows it, as the keys wait for it.)
    rgb_follows = [str(n) for n in after.numbers(RGB)] == oracle.convert("hsv", after.numbers(HSV))
    hsv_follows = [str(n) for n in after.numbers(HSV)] == oracle.convert("rgb", after.numbers(RGB))
    if not (rgb_follows or hsv_follows):
        found.append(f"neither group is the conversion of the other: {after.texts}; "
                     f"RGB gives {oracle.convert('rgb', after.numbers(RGB))}, "
                     f"HSV gives {oracle.convert('hsv', after.numbers(HSV))}")
    elif after.texts[:3] != before.texts[:3] and after.texts[3:] != before.texts[3:] and not (
            after.texts[:3] == oracle.convert("hsv", after.numbers(HSV)) or
            after.texts[3:] == oracle.convert("rgb", after.numbers(RGB))):
        found.append(f"both groups changed, and neither is written as the conversion of the other: {after.texts}")
    if after.swatch is not None:
        expected = tuple(n & 0xFF for n in after.numbers(RGB))
        if tuple(after.swatch) != expected:
            found.append(f"the swatch shows {after.swatch}, the RGB fields read {expected}")
    return found


def settle(driver, oracle, before, action, seconds=5):
    """Reads the dialog until it no longer says it is busy (a paste waits
    for another program's text), the rules hold and it reads the same
    twice, as the toolkit may still be at work on the action; the rules
    broken when it never settles."""
    deadline = time.monotonic() + seconds
    problems = []
    last = None
    getattr(driver, "sync", lambda: None)()
    while True:
        after = driver.read()
        problems += driver.problems()
        found = violations(oracle, before, after, action)
        steady = not after.busy and last is not None and (
            after.texts, after.focus, after.selection, after.chooser) == last
        if (not found and not problems and steady) or time.monotonic() > deadline:
            return after, found + problems
        last = (after.texts, after.focus, after.selection, after.chooser)
        time.sleep(0.02)


def make_driver(name, options):
    if name in ("chromium", "firefox", "webkit"):
        import web_drivers
        return web_drivers.make(name, options.site)
    if name == "gtk":
        import x11_drivers
        return x11_drivers.GtkDriver(options.program)
    if name == "wine":
        import x11_drivers
        return x11_drivers.WineDriver(options.program, options.wine_user, options.prefix)
    raise SystemExit(f"no implementation {name!r}: gtk, wine, chromium, firefox or webkit")


START = ["255", "255", "255", "0", "0", "255"]


def play(driver, oracle, actions, count, on_step=lambda number, action, after: None):
    """Starts the program and plays `count` actions from `actions` (a list
    or an iterator), checking the rules after each. Returns the actions
    played and the failure: (number, action, problems, before, after), or
    None if every rule held."""
    played = []
    driver.start()
    state, found = settle(driver, oracle, State(START), Action("start"))
    if found:
        return played, (0, Action("start"), found, state, state)
    for number, action in zip(range(1, count + 1), actions):
        played.append(action)
        rng = random.Random(action.seed)  # the action's own choices, the same on a replay
        try:
            driver.perform(action, rng)
            after, found = settle(driver, oracle, state, action)
            if after.chooser and not found:  # Enter or Space on "Select..." opened it
                driver.perform(Action("chooser"), rng)
                after, found = settle(driver, oracle, after, Action("chooser"))
        except Exception as error:  # the program no longer answers as it should
            after, found = state, [f"{type(error).__name__}: {error}"]
        if found:
            return played, (number, action, found, state, after)
        if number % getattr(driver, "fresh_every", count + 1) == 0 and number < count:
            # A new browser session, the program started anew in it.
            driver.stop()
            driver.start()
            after, found = settle(driver, oracle, State(START), Action("start"))
            if found:
                return played, (number, Action("start"), found, after, after)
        on_step(number, action, after)
        state = after
    return played, None


def rule_of(problems):
    """What a failure broke, to tell the same failure from another."""
    return problems[0].split(":")[0].split(" ")[0:3]


def shrink(driver, oracle, actions, broken, seconds):
    """The fewest of the actions, in order, that still break the same rule
    (delta debugging: drop ever smaller runs of actions while it still
    fails), within the time given."""
    deadline = time.monotonic() + seconds
    tries = 0

    def failing(candidate):
        nonlocal tries
        tries += 1
        driver.stop()
        played, failure = play(driver, oracle, candidate, len(candidate))
        return played if failure and rule_of(failure[2]) == broken else None

    parts = 2
    while len(actions) > 1 and time.monotonic() < deadline:
        size = -(-len(actions) // parts)
        for at in range(0, len(actions), size):
            kept = failing(actions[:at] + actions[at + size:])
            if kept is not None:
                actions, parts = kept, max(parts - 1, 2)
                break
            if time.monotonic() >= deadline:
                break
        else:
            if parts >= len(actions):
                break
            parts = min(len(actions), parts * 2)
    return actions, tries


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("implementation")
    parser.add_argument("--oracle", required=True)
    parser.add_argument("--actions", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--site", help="the page's folder (chromium, firefox, webkit)")
    parser.add_argument("--program", help="the program (gtk, wine)")
    parser.add_argument("--wine-user", help="wine_user.exe (wine)")
    parser.add_argument("--prefix", help="the Wine prefix (wine)")
    parser.add_argument("--repro", default="scripts/soak.sh", help="the command named in a failure's repro line")
    parser.add_argument("--replay", help="play the actions saved in this file (JSON), not random ones")
    parser.add_argument("--shrink-seconds", type=float, default=600, help="how long a failure may be shrunk")
    parser.add_argument("--trace", action="store_true", help="print every action and what it left")
    options = parser.parse_args()
    rng = random.Random(options.seed)
    oracle = Oracle(options.oracle)
    driver = make_driver(options.implementation, options)
    started = time.monotonic()
    if options.replay:
        with open(options.replay) as saved:
            source = [Action(**fields) for fields in json.load(saved)]
        options.actions = len(source)
    else:
        source = (next_action(rng, driver.capabilities) for _ in iter(int, 1))

    def step(number, action, after):
        if options.trace:
            print(f"{number} {action}: {after.texts} focus {after.focus} swatch {after.swatch}")
        elif number % 1000 == 0 and number < options.actions:
            print(f"random user, {options.implementation}: {number} actions ({time.monotonic() - started:.0f} s)",
                  flush=True)

    try:
        played, failure = play(driver, oracle, source, options.actions, step)
        if failure:
            number, action, found, before, after = failure
            print(f"random user, {options.implementation}, seed {options.seed}, action {number} {action}:",
                  file=sys.stderr)
            for problem in found:
                print(f"  {problem}", file=sys.stderr)
            print(f"  before: {before.texts}, focus {before.focus}; after: {after.texts}, focus {after.focus}",
                  file=sys.stderr)
            flag = "--web=" + options.implementation if options.implementation in (
                "chromium", "firefox", "webkit") else "--" + options.implementation
            print(f"  repeat it: {options.repro} {flag} --seed {options.seed} --actions {number}", file=sys.stderr)
            if number > 1 and not found[0].startswith(("RuntimeError", "Exception")):
                shrunk, tries = shrink(driver, oracle, played, rule_of(found), options.shrink_seconds)
                saved = f"random-user-{options.implementation}-{options.seed}.json"
                with open(saved, "w") as out:
                    json.dump([a.__dict__ for a in shrunk], out, indent=1)
                print(f"  shrunk to {len(shrunk)} actions of {number} ({tries} replays), saved to {saved}:",
                      file=sys.stderr)
                for a in shrunk:
                    print(f"    {a}", file=sys.stderr)
                print(f"  replay it: random_user.py {options.implementation} ... --replay {saved}", file=sys.stderr)
            return 1
    finally:
        driver.stop()
    print(f"random user, {options.implementation}: {options.actions} actions, seed {options.seed}, "
          f"every rule held ({time.monotonic() - started:.0f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
