#!/usr/bin/env python3
"""The live front-end in a real X server: the host with --live, driven by real X events.

    live_test.py BIN_DIR SOURCE_DIR SCREENSHOT_DIR CASE

Each case runs in a session of its own (its own Xvfb, host and folders). The screenshots
of the real windows (equal to the model's snapshots) are written to SCREENSHOT_DIR."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from live_session import Failure, Session, wait_for  # noqa: E402

CASES = {}


def case(fn):
    CASES[fn.__name__] = fn
    return fn


@case
def string_grid(s):
    """The string grid: a cell typed with a non-ASCII letter, a row added, OK clicked."""
    s.send('TVLSTRINGGRID')
    w = s.window('Sample table')
    s.compare_with_snapshot('Sample table', 'string-grid')
    s.check('expect focus 1196')
    s.focus_window(w)
    s.type('Straße')
    s.key('Return')
    s.check('expect dialog \'Sample table\'')
    s.click(s.window('Sample table'), 'Add row')
    s.compare_with_snapshot('Sample table', 'string-grid-edited')
    mark = len(s.out)
    s.click(s.window('Sample table'), 'OK')
    s.wait_output('String grid: 4 rows', since=mark)
    s.wait_output('Straße | S235 | 4500', since=mark)
    s.gone('Sample table')


@case
def modal_escape_and_close_box(s):
    """A modal dialog ended with Escape, and with its painted close box."""
    s.send('TVLSTRINGGRID')
    w = s.window('Sample table')
    s.focus_window(w)
    mark = len(s.out)
    s.key('Escape')
    s.wait_output('String grid: cancelled', since=mark)
    s.gone('Sample table')
    s.send('TVLSTRINGGRID')
    w = s.window('Sample table')
    mark = len(s.out)
    # The close box sits at the right of the caption bar.
    s.click_at(w['x'] + w['w'] - 4 - 8, w['y'] + 4 + 8)
    s.wait_output('String grid: cancelled', since=mark)
    s.gone('Sample table')


@case
def message_box_edit_combo_tab(s):
    """A message box, typing into an edit, Tab order, a combo box drop-down, OK."""
    s.send('ASKNAME')
    w = s.window('Your name')
    s.check('expect focus 100')
    s.click(w, 'OK')  # an empty name: the message box
    box = s.window('Your name', where=lambda x: any(c['id'] == 0xFFFF for c in x['controls']))
    s.check('expect dialog \'Your name\'')
    s.focus_window(box)
    s.key('Return')  # OK of the box
    wait_for('the message box to close', lambda: len(s.layout().find('Your name')) == 1)
    w = s.window('Your name')
    s.click(w, 100)
    s.type('Renée')
    s.check('expect text 100 \'Renée\'')
    s.key('Tab')
    s.check('expect focus 103')
    s.key('Tab')
    s.check('expect focus IDOK')
    s.key('shift+Tab')
    s.check('expect focus 103')
    s.click(s.window('Your name'), 103)  # the drop-down list opens as a menu
    s.menu_open()
    s.key('Down', 'Down', 'Return')
    s.check('expect text 103 Ms')
    s.compare_with_snapshot('Your name', 'ask-name')
    mark = len(s.out)
    s.click(s.window('Your name'), 'OK')
    s.wait_output('Title: Ms', since=mark)
    s.wait_output('Name: Renée', since=mark)


@case
def message_box_picture(s):
    """The message box is a real window painted like its snapshot."""
    s.send('ASKNAME')
    w = s.window('Your name')
    s.click(w, 'OK')
    is_box = lambda x: any(c['id'] == 0xFFFF for c in x['controls'])  # noqa: E731
    s.compare_with_snapshot('Your name', 'message-box', where=is_box)
    box = [x for x in s.layout().find('Your name')
           if any(c['id'] == 0xFFFF for c in x['controls'])][0]
    s.click(box, 'OK')
    wait_for('the message box to close', lambda: len(s.layout().find('Your name')) == 1)
    s.focus_window(s.window('Your name'))
    mark = len(s.out)
    s.key('Escape')
    s.wait_output('Cancelled', since=mark)


@case
def modeless_beside_prompt(s):
    """A modeless dialog stays usable while the prompt runs commands."""
    s.send('MODELESS')
    w = s.window('Palette')
    s.wait_output('Command: ', since=len(s.out) - 20)
    s.click(w, 'Keep focus')
    s.check('expect check 101 on')
    mark = len(s.out)
    s.send('HELLO')
    s.wait_output('Hello from hosttest', since=mark)
    s.click(s.window('Palette'), 'Keep focus')
    s.check('expect check 101 off')
    s.compare_with_snapshot('Palette', 'palette')
    w = s.window('Palette')
    s.click_at(w['x'] + w['w'] - 4 - 8, w['y'] + 4 + 8)  # its close box
    s.gone('Palette')


@case
def timer_in_real_time(s):
    """A timer fires on real time while the prompt waits, with no input at all."""
    mark = len(s.out)
    s.send('TICK')
    wait_for('three ticks', lambda: s.output_since(mark).count('Tick') >= 3, timeout=10)


@case
def resize_and_move(s):
    """Dragging the frame resizes the dialog (its layout follows), the caption moves it."""
    s.send('TVLSTRINGGRID')
    w = s.window('Sample table')
    right, bottom = w['x'] + w['w'] - 2, w['y'] + w['h'] - 2
    s.xdotool('mousemove', right, bottom, 'mousedown', 1)
    s.xdotool('mousemove', right + 60, bottom + 40)
    s.xdotool('mousemove', right + 120, bottom + 80, 'mouseup', 1)
    big = s.window('Sample table', where=lambda x: x['w'] == w['w'] + 120 and x['h'] == w['h'] + 80)
    s.check('resize 0 0')  # the minimum size holds
    small = s.window('Sample table', where=lambda x: x['w'] < big['w'])
    assert small['w'] >= 200, small
    s.check('resize %d %d' % (big['w'], big['h']))
    big = s.window('Sample table', where=lambda x: x['w'] == w['w'] + 120)
    s.compare_with_snapshot('Sample table', 'string-grid-resized')
    cx, cy = big['x'] + 60, big['y'] + 10
    s.xdotool('mousemove', cx, cy, 'mousedown', 1)
    s.xdotool('mousemove', cx - 50, cy + 30, 'mouseup', 1)
    s.window('Sample table', where=lambda x: x['x'] == big['x'] - 50 and x['y'] == big['y'] + 30)
    ok = s.window('Sample table')
    mark = len(s.out)
    s.click(ok, 'OK')
    s.wait_output('String grid: 3 rows', since=mark)


@case
def pick_at_prompt(s):
    """A pick in the drawing that no script answers asks at the prompt; the dialog hides
    meanwhile and comes back."""
    s.send('PICK')
    w = s.window('Pick')
    mark = len(s.out)
    s.click(w, 'Pick point <')
    s.wait_output('Pick a point: ', since=mark)
    s.gone('Pick')
    s.send('1,2,x')  # not a point: asked again
    s.wait_output('Specify point: ', since=mark)
    s.send('3.5, 4')
    s.wait_output('Picked 3.5,4.0', since=mark)
    s.click(s.window('Pick'), 'OK')
    s.gone('Pick')


@case
def file_dialog_answered(s):
    """GTK's file dialog, answered by typing a path; then the colour dialog cancelled."""
    target = os.path.join(s.tmp, 'answer.kws')
    open(target, 'w').close()
    mark = len(s.out)
    s.send('CHOOSE')
    wid = wait_for('the file dialog', lambda: s.search('Open spreadsheet'))
    s.xdotool('windowfocus', '--sync', wid)
    s.key('ctrl+l')
    s.type(target)
    # Return may first go to the entry's completion; press it again until the dialog
    # takes the path.
    for _ in range(10):
        s.key('Return')
        try:
            wid = wait_for('the colour dialog', lambda: s.search('Color'), timeout=2)
            break
        except Failure:
            continue
    # The command line is a pipe here: its lines arrive when the command has ended.
    wid = wait_for('the colour dialog', lambda: s.search('Color'))
    s.xdotool('windowfocus', '--sync', wid)
    s.key('Escape')
    s.menu_open()
    s.key('Down', 'Down', 'Return')  # Copy
    s.wait_output('Menu: 32812', since=mark)
    out = s.output_since(mark)
    assert 'File: ' in out and 'answer.kws' in out, out
    assert 'Colour: (cancelled)' in out, out


@case
def menu_bar_wheel_tooltip(s):
    """A dialog's menu bar clicked (a submenu and a command of the bar), the wheel over
    it, a tooltip on hover, GTK's print dialog to a file."""
    s.send('REPORT')
    w = s.window('Report')
    s.compare_with_snapshot('Report', 'report')
    menu_y = w['cy'] - 10  # the bar lies just above the client area
    mark = len(s.out)
    s.click_at(w['x'] + 40 + 12, menu_y)  # "Help", a command of the bar itself
    s.check('expect output Help')
    totals = s.control(s.window('Report'), 104)
    s.xdotool('mousemove', totals['x'] + 10, totals['y'] + 4)
    wait_for('the tooltip', lambda: s.layout().tooltip == 'Totals of the month')
    s.xdotool('click', 5)  # the wheel, one notch towards the person
    s.wait_output('Wheel: -120', since=mark)
    s.xdotool('click', 4)
    s.wait_output('Wheel: 120', since=mark)
    s.click_at(w['x'] + 10 + 10, menu_y)  # "File"
    s.menu_open()
    s.key('Down', 'Return')  # Print...
    wid = wait_for('the print dialog', lambda: s.search('Print'))
    s.xdotool('windowfocus', '--sync', wid)
    for _ in range(10):
        s.key('alt+p')
        try:
            s.wait_output('Print: ', since=mark, timeout=2)
            break
        except Failure:
            continue
    s.wait_output('Print: PDF, all, 1 copies, to ', since=mark)
    out = s.output_since(mark)
    assert '.pdf' in out, out
    s.click_at(w['x'] + 10 + 10, menu_y)
    s.menu_open()
    s.key('Up', 'Return')  # Close
    s.gone('Report')


@case
def menu_bar_keyboard(s):
    """The menu bar from the keyboard: Alt and a marked letter, and F10."""
    s.send('REPORT')
    s.focus_window(s.window('Report'))
    mark = len(s.out)
    s.key('alt+h')  # "&Help", a command of the bar itself
    s.check('expect output Help')
    s.key('alt+x')  # no title marks x: nothing opens, nothing is chosen
    s.check('expect dialog Report')
    assert s.layout().menus == 0
    s.key('F10')  # the first menu, "&File"
    s.menu_open()
    s.key('Up', 'Return')  # Close, its last item
    s.gone('Report')
    assert 'Print:' not in s.output_since(mark)


@case
def grid_system_clipboard(s):
    """The grid's copy reaches the system clipboard; another program's block pastes."""
    s.send('TVLSTRINGGRID')
    w = s.window('Sample table')
    grid = s.control(w, 1196)
    s.click_at(grid['x'] + 60, grid['y'] + 30)  # a cell of the first row
    s.key('ctrl+c')
    clip = lambda: subprocess.run(['xclip', '-o', '-selection', 'clipboard'], env=s.env,  # noqa
                                  capture_output=True, text=True, timeout=10).stdout
    first = wait_for('the copied cell', clip)
    assert '\r' not in first and first.endswith('\n'), repr(first)
    subprocess.run(['xclip', '-i', '-selection', 'clipboard'], input='Zeta\tS355\n', text=True,
                   env=s.env, check=True, timeout=10)
    s.key('ctrl+v')
    s.compare_with_snapshot('Sample table', 'string-grid-pasted')
    mark = len(s.out)
    s.click(s.window('Sample table'), 'OK')
    s.wait_output('Zeta | S355', since=mark)


# Every dialog a user command of the product opens, as the command line opens it.
WALK = [
    'TVLDESIGNER tour', 'TVLSECTIONS', 'TVLSECTION', 'TVLPROFFEATURES', 'TVLPROFCUTS',
    'TVLSTRINGGRID', 'TVLMACRO', 'TVLMACROMODAL', 'TVLMACROEDIT', 'TVLMACROEDITMODAL',
    'TVLGRID', 'TVLLEVELS', 'TVLLOOKUP', 'TVLDSTV', 'TVLCUTSTOCK', 'TEST',
    'TVLSHEET bill-of-materials', 'TVLARRAY', 'TVLPROFADV', 'TVLPROFADV profiles',
    'TVLMACROCUTS', 'TVLSELECTMACRO',
]


def is_box(w):
    return any(c['id'] == 0xFFFF for c in w['controls'])


def close_by_hand(s, w):
    """Escape, as a person first tries; the close box when Escape is not the way out of
    that window; a question on the way (keep the changes?) is answered No or cancelled."""
    handle = w['handle']
    there = lambda: [x for x in s.layout().windows if x['handle'] == handle]  # noqa: E731
    s.focus_window(w)
    s.key('Escape')
    for attempt in range(3):
        try:
            wait_for('the window "%s" to close' % w['caption'], lambda: not there(), timeout=3)
            return
        except Failure:
            pass
        boxes = [x for x in s.layout().windows if is_box(x) and x['handle'] != handle]
        if boxes:
            box = boxes[0]
            s.click(box, 'No') if any(c['text'].replace('&', '') == 'No'
                                      for c in box['controls']) else s.key('Escape')
            continue
        current = there()
        if current:
            c = current[0]
            s.click_at(c['x'] + c['w'] - 4 - 8, c['y'] + 4 + 8)
    wait_for('the window "%s" to close' % w['caption'], lambda: not there())


@case
def every_dialog(s):
    """Each dialog of the product opened from the prompt of the started product, shown
    as a real window painted as its snapshot, and closed by hand."""
    for line in WALK:
        before = {w['handle'] for w in s.layout().windows}
        s.send(line)
        new = lambda: next(  # noqa: E731
            (x for x in s.layout().windows if x['handle'] not in before and x['current']),
            None)
        w = wait_for('a window from ' + line, new)
        label = 'walk-' + '-'.join(line.split()).lower()
        shown = 0
        # A command may open its dialogs one after another (both forms of one dialog).
        while w:
            s.compare_with_snapshot(w['caption'], label + ('-%d' % shown if shown else ''),
                                    where=lambda x, h=w['handle']: x['handle'] == h)
            close_by_hand(s, w)
            before.add(w['handle'])
            shown += 1
            try:
                w = wait_for('a next window from ' + line, new, timeout=1)
            except Failure:
                w = None
        s.check('expect no dialog')


PRODUCT_CASES = {'every_dialog'}


def no_display(s):
    """Without a display --live says why and the session goes on headless."""
    import subprocess
    inst = s.install()
    env = dict(os.environ)
    env.pop('DISPLAY', None)
    env.update({'HOME': s.tmp, 'XDG_CONFIG_HOME': os.path.join(s.tmp, 'config')})
    r = subprocess.run([os.path.join(inst, 'acad'), '/nologo', '--live', '/ld',
                        os.path.join(inst, 'hosttest.arx')], input=b'HELLO\nQUIT\n',
                       env=env, capture_output=True, timeout=60)
    err, out = r.stderr.decode(), r.stdout.decode()
    assert 'acad: no live windows: no display (DISPLAY is not set); going on without them' in err, err
    assert 'Hello from hosttest' in out, out
    assert r.returncode == 0, r.returncode


def main():
    if len(sys.argv) != 5 or (sys.argv[4] not in CASES and sys.argv[4] != 'no_display'):
        print(__doc__ + '\ncases: ' + ' '.join(CASES))
        return 2
    bin_dir, source_dir, shots, name = sys.argv[1:]
    s = Session(bin_dir, source_dir, shots, name)
    if name == 'no_display':
        no_display(s)
        s.close(True)
        print('passed ' + name)
        return 0
    ok = False
    try:
        if name in PRODUCT_CASES:
            s.start_product()
        else:
            s.start()
        CASES[name](s)
        s.check('expect no dialog')
        ok = True
    except (Failure, AssertionError) as e:
        print('FAILED %s: %s' % (name, e))
    except OSError as e:
        print('FAILED %s: %s (scripts/setup.sh installs Xvfb, xdotool and xwd)' % (name, e))
    finally:
        ok = s.close(ok) and ok
    if ok:
        print('passed ' + name)
    return 0 if ok else 1


if __name__ == '__main__':
    sys.exit(main())
