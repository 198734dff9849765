#!/usr/bin/python3
"""Renames a sketch the way a screen-reader user does, over the accessibility bus.

Starts a private X server, a private session bus with the accessibility bus, and the program
with a profile of its own whose start folder holds a few generated sketches. Finds the
thumbnail list, the folder tree and the sketch view by their accessible names, opens the
menu of the first sketch with Shift+F10, runs "Rename..." through the menu item's
accessibility action, types the new name into the dialog, presses Enter and checks the file
on disc. Then opens the renamed sketch in the editor, deletes a layer, leaves the editor,
answers the question with Save and accepts the proposed document name in the file dialog,
and checks the document beside the untouched pen file. Every wait is bounded; everything started here is stopped by its pid.

With --flow receiver it plugs the simulated receiver instead, waits for the window to
announce it, opens Tools > Settings, waits for the click threshold read back from the
receiver, chooses German with the keyboard and presses Ok, then starts the program again and
finds its German menu.

Exit codes: 0 passed, 1 failed, 77 skipped (a tool is missing).
"""

import argparse
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import uuid
from xml.etree import ElementTree

BUS_LAUNCHERS = ('/usr/libexec/at-spi-bus-launcher', '/usr/lib/at-spi2-core/at-spi-bus-launcher')
TAG = 'DRAFTBAY_E2E_TAG'
SKIP = 77


class Failure(Exception):
    pass


def log(text):
    print(f'[e2e {time.strftime("%H:%M:%S")}] {text}', flush=True)


def missing_tools():
    missing = [tool for tool in ('Xvfb', 'xdotool', 'dbus-daemon', 'dbus-send')
               if not shutil.which(tool)]
    if not any(os.path.exists(path) for path in BUS_LAUNCHERS):
        missing.append('at-spi-bus-launcher (at-spi2-core)')
    try:
        import gi  # noqa: F401
        gi.require_version('Atspi', '2.0')
        import pyatspi  # noqa: F401
    except (ImportError, ValueError):
        missing.append('pyatspi (python3-pyatspi)')
    return missing


def alive(pid):
    try:
        os.kill(pid, 0)
    except OSError:
        return False
    try:
        with open(f'/proc/{pid}/stat') as stat:
            return stat.read().rsplit(')', 1)[1].split()[0] != 'Z'
    except OSError:
        return False


def tagged_pids(tag):
    """Processes whose environment carries this run's tag: all of them were started here,
    some by the buses on our behalf."""
    found = []
    needle = f'{TAG}={tag}'.encode()
    for entry in os.listdir('/proc'):
        if entry.isdigit() and int(entry) != os.getpid():
            try:
                with open(f'/proc/{entry}/environ', 'rb') as environ:
                    if needle in environ.read().split(b'\0'):
                        found.append(int(entry))
            except OSError:
                pass
    return found


def terminate(pids, grace=5.0):
    pids = [pid for pid in pids if pid and alive(pid)]
    for pid in pids:
        try:
            os.kill(pid, signal.SIGTERM)
        except OSError:
            pass
    deadline = time.monotonic() + grace
    while time.monotonic() < deadline and any(alive(pid) for pid in pids):
        for pid in pids:
            try:
                os.waitpid(pid, os.WNOHANG)
            except OSError:
                pass
        time.sleep(0.1)
    for pid in pids:
        if alive(pid):
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        try:
            os.waitpid(pid, 0)  # our own children are reaped; others are not ours to wait on
        except OSError:
            pass


def reap_children(grace=2.0):
    """Waits for the children that have ended, ours and those handed to us."""
    deadline = time.monotonic() + grace
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            if time.monotonic() >= deadline:
                return
            time.sleep(0.05)


class Session:
    """X server, session bus, accessibility bus and the program, stopped in reverse order."""

    def __init__(self, work):
        self.work = work
        self.tag = uuid.uuid4().hex
        self.processes = []  # (name, Popen) in start order
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ('DBUS_SESSION_BUS_ADDRESS', 'AT_SPI_BUS_ADDRESS',
                                   'WAYLAND_DISPLAY', 'XAUTHORITY', 'SESSION_MANAGER')}
        for sub, var in (('home', 'HOME'), ('runtime', 'XDG_RUNTIME_DIR'),
                         ('config', 'XDG_CONFIG_HOME'), ('cache', 'XDG_CACHE_HOME')):
            path = os.path.join(work, sub)
            os.makedirs(path, mode=0o700, exist_ok=True)
            self.env[var] = path
        self.env[TAG] = self.tag
        self.env['QT_QPA_PLATFORM'] = 'xcb'
        self.app = None

    def spawn(self, name, argv, env=None, stdout=None):
        with open(os.path.join(self.work, f'{name}.log'), 'ab') as log_file:
            process = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL,
                                       stdout=stdout or log_file, stderr=log_file,
                                       start_new_session=True)
        self.processes.append((name, process))
        return process

    def read_line(self, stream, timeout, what):
        ready, _, _ = select.select([stream], [], [], timeout)
        line = stream.readline().decode().strip() if ready else ''
        if not line:
            raise Failure(f'no {what} within {timeout} s')
        return line

    def start_buses(self, timeout):
        xvfb = self.spawn('xvfb', ['Xvfb', '-displayfd', '1', '-screen', '0', '1280x900x24',
                                   '-nolisten', 'tcp', '-noreset'], stdout=subprocess.PIPE)
        self.env['DISPLAY'] = ':' + self.read_line(xvfb.stdout, timeout, 'display from Xvfb')
        bus = self.spawn('dbus', ['dbus-daemon', '--session', '--nofork', '--print-address=1',
                                  '--address=unix:path=' + os.path.join(self.work, 'bus')],
                         stdout=subprocess.PIPE)
        self.env['DBUS_SESSION_BUS_ADDRESS'] = self.read_line(bus.stdout, timeout,
                                                              'address from dbus-daemon')
        launcher = next(path for path in BUS_LAUNCHERS if os.path.exists(path))
        self.spawn('atspi', [launcher, '--launch-immediately'])
        wait_for(lambda: self.run(['dbus-send', '--session', '--print-reply', '--dest=org.a11y.Bus',
                                   '/org/a11y/bus', 'org.a11y.Bus.GetAddress']).returncode == 0,
                 timeout, 'the accessibility bus')
        self.run(['dbus-send', '--session', '--dest=org.a11y.Bus', '/org/a11y/bus',
                  'org.freedesktop.DBus.Properties.Set', 'string:org.a11y.Status',
                  'string:IsEnabled', 'variant:boolean:true'])

    def start_app(self, argv, extra_env):
        env = dict(self.env)
        env.update({'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1', 'QT_ACCESSIBILITY': '1'})
        # The names looked for are the English ones, whatever the locale of the run.
        env.update({'LC_ALL': 'C.UTF-8', 'LANG': 'C.UTF-8'})
        env.pop('LANGUAGE', None)
        env.update(extra_env)
        self.app = self.spawn('app', argv, env=env)

    def stop_app(self):
        terminate([self.app.pid])
        self.processes = [(name, p) for name, p in self.processes if p is not self.app]
        self.app = None

    def run(self, argv, timeout=10):
        try:
            return subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL,
                                  capture_output=True, text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f'{argv[0]} did not finish within {timeout} s')

    def xdotool(self, *args):
        result = self.run(['xdotool', *map(str, args)])
        if result.returncode != 0:
            raise Failure(f'xdotool {" ".join(map(str, args))}: {result.stderr.strip()}')
        return result.stdout

    def stop(self):
        for _, process in reversed(self.processes):
            terminate([process.pid])
            for stream in (process.stdout,):
                if stream:
                    stream.close()
        terminate(tagged_pids(self.tag), 2.0)
        reap_children()
        left = tagged_pids(self.tag) + [p.pid for _, p in self.processes if alive(p.pid)]
        if left:
            log(f'still running after the stop: {left}')


def wait_for(condition, timeout, what, interval=0.2, pump=None):
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        if pump:
            pump()
        try:
            value = condition()
            if value:
                return value
        except Failure:
            raise
        except Exception as error:  # objects come and go while the window changes
            last_error = error
        if time.monotonic() >= deadline:
            raise Failure(f'no {what} within {timeout} s'
                          + (f' (last error: {last_error})' if last_error else ''))
        time.sleep(interval)


def make_profile(work, synth, factory, count):
    sketches = os.path.join(work, 'My Sketches')
    result = subprocess.run([synth, '--count', str(count), '--points', '0', '--kind', 'drawing',
                             '--seed', '21', '--prefix', 'sketch-', '--out', sketches],
                            capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        raise Failure(f'qpe-synth failed: {result.stderr.strip()}')
    with open(factory, encoding='utf-8') as source:
        settings = source.read()
    empty = '<directory path=""/>'
    if empty not in settings:
        raise Failure(f'{factory} has no {empty}')
    escaped = sketches.replace('&', '&amp;').replace('<', '&lt;').replace('"', '&quot;')
    settings = settings.replace(empty, f'<directory path="{escaped}"/>', 1)
    profile = os.path.join(work, 'data')
    os.makedirs(os.path.join(profile, 'Quillo'))
    with open(os.path.join(profile, 'Quillo', 'draftbayuser.xml'), 'w', encoding='utf-8') as out:
        out.write(settings)
    return profile, sketches


class Screen:
    """The program as the accessibility bus shows it."""

    def __init__(self, session, timeout_ms=3000):
        os.environ['DISPLAY'] = session.env['DISPLAY']
        os.environ['DBUS_SESSION_BUS_ADDRESS'] = session.env['DBUS_SESSION_BUS_ADDRESS']
        os.environ.pop('AT_SPI_BUS_ADDRESS', None)
        import gi
        gi.require_version('Atspi', '2.0')
        from gi.repository import Atspi, GLib
        import pyatspi
        self.Atspi, self.pyatspi, self.session = Atspi, pyatspi, session
        self.timeout_ms = timeout_ms
        Atspi.set_timeout(timeout_ms, 0)
        self.context = GLib.MainContext.default()
        self.shown = []
        pyatspi.Registry.registerEventListener(self.on_showing, 'object:state-changed:showing')

    def on_showing(self, event):
        try:
            if event.detail1 and event.source.getRoleName() == 'popup menu':
                self.shown.append(event.source)
        except Exception:
            pass

    def pump(self):
        while self.context.iteration(False):
            pass

    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.get_process_id() == self.session.app.pid:
                return child
        return None

    def states(self, accessible):
        return {self.pyatspi.stateToString(s) for s in accessible.getState().getStates()}

    def walk(self, root):
        stack = [root]
        while stack:
            accessible = stack.pop()
            yield accessible
            if accessible.getRoleName() in ('list', 'tree', 'table'):
                continue  # their items are read on purpose only
            stack.extend(c for c in (accessible.getChildAtIndex(i)
                                     for i in range(accessible.childCount)) if c is not None)

    def find(self, root, name, role=None):
        for accessible in self.walk(root):
            if accessible.name == name and (role is None or accessible.getRoleName() == role):
                return accessible
        return None

    def children(self, accessible):
        return [c for c in (accessible.getChildAtIndex(i) for i in range(accessible.childCount))
                if c is not None]

    def centre(self, accessible):
        box = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        if box.width <= 0 or box.height <= 0:
            raise Failure(f'{accessible.name!r} has no place on the screen')
        return box.x + box.width // 2, box.y + box.height // 2

    def run_action(self, accessible, wanted):
        """Runs the named action. Qt answers only once it has run, and an action that opens
        a modal dialog runs until the dialog closes: a missing answer means it is running."""
        actions = accessible.queryAction()
        names = [actions.getName(i).lower() for i in range(actions.nActions)]
        if wanted not in names:
            raise Failure(f'{accessible.name!r} offers {names}, not {wanted!r}')
        self.Atspi.set_timeout(1000, 0)
        try:
            actions.doAction(names.index(wanted))
        except Exception as error:
            if 'time' not in str(error).lower() and 'reply' not in str(error).lower():
                raise
        finally:
            self.Atspi.set_timeout(self.timeout_ms, 0)

    def focus_window(self, accessible):
        """Gives the keyboard to the program's X window that lies where the accessible is."""
        box = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        best = None
        ids = self.session.run(['xdotool', 'search', '--onlyvisible', '--pid',
                                str(self.session.app.pid), '']).stdout.split()
        for window in ids:
            shell = self.session.run(['xdotool', 'getwindowgeometry', '--shell', window]).stdout
            geometry = dict(line.split('=', 1) for line in shell.split() if '=' in line)
            try:
                here = [int(geometry[k]) for k in ('X', 'Y', 'WIDTH', 'HEIGHT')]
            except (KeyError, ValueError):
                continue
            distance = sum(abs(a - b) for a, b in zip(here, (box.x, box.y, box.width, box.height)))
            if best is None or distance < best[0]:
                best = (distance, window)
        if not best:
            raise Failure('no window of the program on the screen')
        self.session.xdotool('windowfocus', '--sync', best[1])


def rename_through_the_menu(session, screen, sketches, count, timeout):
    app = wait_for(screen.application, timeout, 'program on the accessibility bus')
    frame = wait_for(lambda: next((w for w in screen.children(app)
                                   if w.getRoleName() == 'frame'
                                   and 'showing' in screen.states(w)), None),
                     timeout, 'showing main window')
    thumbnails = wait_for(lambda: screen.find(frame, 'Sketches', 'list'), timeout,
                          'thumbnail list named "Sketches"')
    wait_for(lambda: screen.find(frame, 'Folders', 'tree'), timeout,
             'folder tree named "Folders"')
    wait_for(lambda: screen.find(frame, 'Sketch view'), timeout, 'sketch view named "Sketch view"')
    def thumbnail_items():
        items = [i for i in screen.children(thumbnails) if i.getRoleName() == 'list item']
        return items if len(items) == count else None
    items = wait_for(thumbnail_items, timeout, f'{count} thumbnails in the list')
    first = items[0]
    old_name = first.name
    if not os.path.exists(os.path.join(sketches, old_name)):
        raise Failure(f'the first thumbnail {old_name!r} is no file of {sketches}')
    log(f'{len(items)} thumbnails; renaming {old_name}')

    # A click makes it the current sketch and gives the window the keyboard.
    screen.focus_window(frame)
    session.xdotool('mousemove', *screen.centre(first))
    session.xdotool('click', '1')
    wait_for(lambda: 'focused' in screen.states(first), timeout, 'focus on the first thumbnail')

    screen.shown.clear()
    session.xdotool('key', 'shift+F10')
    menu = wait_for(lambda: next((m for m in screen.shown if 'showing' in screen.states(m)),
                                 None), timeout, 'menu after Shift+F10', pump=screen.pump)
    if not menu.name:
        raise Failure('the open menu has no accessible name')
    log(f'menu {menu.name!r} is open, parent {menu.parent.getRoleName() if menu.parent else None}')
    rename = next((item for item in screen.children(menu)
                   if item.getRoleName() == 'menu item' and item.name.startswith('Rename')), None)
    if rename is None:
        raise Failure(f'no Rename in {[c.name for c in screen.children(menu)]}')
    screen.run_action(rename, 'press')

    dialog = wait_for(lambda: next((w for w in screen.children(app)
                                    if w.getRoleName() == 'dialog'
                                    and 'showing' in screen.states(w)), None),
                      timeout, 'rename dialog')
    field = wait_for(lambda: next((a for a in screen.walk(dialog) if a.getRoleName() == 'text'),
                                  None), timeout, 'text field in the rename dialog')
    screen.focus_window(dialog)
    wait_for(lambda: 'focused' in screen.states(field), timeout, 'focus in the name field')
    new_base = 'renamed by ear'
    session.xdotool('key', 'ctrl+a')
    session.xdotool('type', '--delay', '30', new_base)
    session.xdotool('key', 'Return')

    suffix = os.path.splitext(old_name)[1]
    new_path = os.path.join(sketches, new_base + suffix)
    wait_for(lambda: os.path.exists(new_path) and not os.path.exists(
        os.path.join(sketches, old_name)), timeout, f'{new_path} on disc in place of {old_name}')
    wait_for(lambda: any(i.name == new_base + suffix for i in screen.children(thumbnails)),
             timeout, 'thumbnail under its new name')
    log(f'renamed to {os.path.basename(new_path)}')
    return frame, thumbnails, new_base + suffix


def showing_dialog(screen, app, title=None):
    return next((w for w in screen.children(app)
                 if w.getRoleName() in ('dialog', 'alert')
                 and 'showing' in screen.states(w)
                 and (title is None or w.name == title)), None)


def edit_and_save_through_the_editor(session, screen, sketches, frame, thumbnails, name,
                                     timeout):
    """Opens the sketch, deletes its first layer, leaves the editor, answers Save and accepts
    the proposed document name: the pen file stays, the document appears beside it."""
    app = screen.application()
    item = next(i for i in screen.children(thumbnails) if i.name == name)
    screen.focus_window(frame)
    session.xdotool('mousemove', *screen.centre(item))
    session.xdotool('click', '--repeat', '2', '1')
    layers = wait_for(lambda: screen.find(frame, 'Layers', 'list'), timeout,
                      'layer list named "Layers"')
    layer_items = wait_for(lambda: [i for i in screen.children(layers)
                                    if i.getRoleName() == 'list item'] or None,
                           timeout, 'layers in the list')
    log(f'editor open with {len(layer_items)} layers')
    session.xdotool('mousemove', *screen.centre(layer_items[0]))
    session.xdotool('click', '1')
    delete = wait_for(lambda: (lambda b: b if b and 'enabled' in screen.states(b) else None)(
        screen.find(frame, 'Delete layers', 'push button')), timeout, 'enabled "Delete layers"')
    screen.run_action(delete, 'press')
    wait_for(lambda: len([i for i in screen.children(layers)
                          if i.getRoleName() == 'list item']) == len(layer_items) - 1,
             timeout, 'one layer fewer')

    back = screen.find(frame, 'Back to sketches', 'push button') \
        or screen.find(frame, 'Back to sketches')
    if back is None:
        raise Failure('no "Back to sketches" control in the editor')
    screen.run_action(back, 'press')
    question = wait_for(lambda: showing_dialog(screen, app), timeout, 'the question to save')
    save = wait_for(lambda: screen.find(question, 'Save', 'push button'), timeout,
                    '"Save" in the question')
    screen.run_action(save, 'press')
    chooser = wait_for(lambda: showing_dialog(screen, app, 'Save as'), timeout,
                       'the "Save as" file dialog')
    screen.focus_window(chooser)
    session.xdotool('key', 'Return')
    document = os.path.join(sketches, os.path.splitext(name)[0] + '.vmr')
    wait_for(lambda: os.path.exists(document) and os.path.getsize(document) > 0, timeout,
             f'{document} on disc')
    if not os.path.exists(os.path.join(sketches, name)):
        raise Failure(f'the pen file {name} went away when its document was saved')
    wait_for(lambda: any(i.name == os.path.basename(document)
                         for i in screen.children(thumbnails)),
             timeout, 'thumbnail of the saved document')
    log(f'saved {os.path.basename(document)} beside {name}')


def press_or_click(session, screen, accessible):
    """Runs the control's press action, or clicks it where it lies when it has none."""
    actions = accessible.queryAction()
    if any(actions.getName(i).lower() == 'press' for i in range(actions.nActions)):
        screen.run_action(accessible, 'press')
    else:
        session.xdotool('mousemove', *screen.centre(accessible))
        session.xdotool('click', '1')


def settings_with_the_receiver(session, screen, profile, timeout):
    """With the simulated receiver plugged: waits until the window announces it, opens
    Tools > Settings, waits for the click threshold read back from the receiver, chooses
    German with the keyboard, answers the note about restarting, and presses Ok; the choice
    must be in the settings file."""
    app = wait_for(screen.application, timeout, 'program on the accessibility bus')
    frame = wait_for(lambda: next((w for w in screen.children(app)
                                   if w.getRoleName() == 'frame'
                                   and 'showing' in screen.states(w)), None),
                     timeout, 'showing main window')
    # The receiver announces itself ten seconds after it arrives; then "Live view" opens up.
    live = wait_for(lambda: (lambda item: item if item and 'enabled' in screen.states(item)
                             else None)(screen.find(frame, 'Live view', 'menu item')),
                    timeout + 15, 'the enabled "Live view" of a connected receiver')
    log(f'receiver connected ({live.name!r} enabled)')
    settings = wait_for(lambda: screen.find(frame, 'Settings', 'menu item'), timeout,
                        'the "Settings" menu item')
    screen.run_action(settings, 'press')
    dialog = wait_for(lambda: showing_dialog(screen, app, 'Settings'), timeout,
                      'the "Settings" dialog')
    tab = wait_for(lambda: screen.find(dialog, 'Click Threshold', 'page tab'), timeout,
                   'the "Click Threshold" page')
    press_or_click(session, screen, tab)
    slider = wait_for(lambda: (lambda s: s if s and 'enabled' in screen.states(s) else None)(
        next((a for a in screen.walk(dialog) if a.getRoleName() == 'slider'
              and 'showing' in screen.states(a)), None)),
        timeout, 'the click threshold read from the receiver (an enabled slider)')
    log(f'click threshold read back: {slider.queryValue().currentValue:.0f}')

    press_or_click(session, screen, screen.find(dialog, 'General', 'page tab'))
    # Qt names a combo box by its current text: the language box says "English".
    language = wait_for(lambda: screen.find(dialog, 'English', 'combo box'), timeout,
                        'the language box showing "English"')
    # Opened with a click, its list finds the language as it is typed; Return chooses it.
    screen.focus_window(dialog)
    session.xdotool('mousemove', *screen.centre(language))
    session.xdotool('click', '1')
    wait_for(lambda: any('showing' in screen.states(item)
                         for item in screen.walk(language) if item.getRoleName() == 'list'),
             timeout, 'the open list of languages')
    # One letter: a slow machine may pause longer between keys than the list's search waits.
    session.xdotool('type', 'G')
    session.xdotool('key', 'Return')
    note = wait_for(lambda: showing_dialog(screen, app, 'Quillo Draftbay'), timeout,
                    'the note that the language applies at the next start')
    ok = next((a for a in screen.walk(note) if a.getRoleName() == 'push button'), None)
    if ok is None:
        raise Failure('the note has no button')
    screen.run_action(ok, 'press')
    wait_for(lambda: showing_dialog(screen, app, 'Quillo Draftbay') is None, timeout,
             'the note closed')
    accept = screen.find(dialog, 'Ok', 'push button') or screen.find(dialog, 'OK', 'push button')
    if accept is None:
        raise Failure('no "Ok" in the settings dialog')
    screen.run_action(accept, 'press')
    stored = os.path.join(profile, 'Quillo', 'draftbayuser.xml')

    def chose_german():
        # The attributes' order in the file is not fixed: read them as XML.
        language = ElementTree.parse(stored).getroot().find('.//translator/language')
        return language is not None and language.get('name') == 'German' \
            and language.get('status') == '1'
    wait_for(chose_german, timeout, f'German chosen in {stored}')
    log('German stored in the settings')


def window_in_german(session, screen, timeout):
    """The program started again on the same settings speaks German."""
    app = wait_for(screen.application, timeout, 'program on the accessibility bus')
    frame = wait_for(lambda: next((w for w in screen.children(app)
                                   if w.getRoleName() == 'frame'
                                   and 'showing' in screen.states(w)), None),
                     timeout, 'showing main window')
    wait_for(lambda: screen.find(frame, 'Einstellungen', 'menu item'), timeout,
             'the menu item "Einstellungen" of the German window')
    log('the window speaks German after the restart')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--app', required=True)
    parser.add_argument('--synth', required=True)
    parser.add_argument('--factory', required=True)
    parser.add_argument('--timeout', type=float, default=30, help='seconds for each wait')
    parser.add_argument('--limit', type=float, default=240, help='seconds for the whole test')
    parser.add_argument('--keep', action='store_true', help='keep the work folder')
    parser.add_argument('--flow', choices=('rename', 'receiver'), default='rename',
                        help='rename and edit a sketch, or the settings with the receiver')
    args = parser.parse_args()

    missing = missing_tools()
    if missing:
        print(f'SKIPPED: missing {", ".join(missing)}', flush=True)
        return SKIP

    def over_time(signum, frame):
        raise Failure(f'the test ran over {args.limit} s')
    signal.signal(signal.SIGALRM, over_time)
    signal.signal(signal.SIGTERM, over_time)
    signal.alarm(int(args.limit))

    # Processes the buses start for us are handed to this process when their parents end, so
    # that they are reaped here and none is left behind as a zombie.
    try:
        ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER
    except (OSError, AttributeError):
        pass
    work = tempfile.mkdtemp(prefix='draftbay-e2e-')
    session = Session(work)
    try:
        count = 3
        profile, sketches = make_profile(work, args.synth, args.factory, count)
        session.start_buses(args.timeout)
        if args.flow == 'receiver':
            receiver = {'XDG_DATA_HOME': profile,
                        'DRAFTBAY_SIMULATED_RECEIVER': os.path.dirname(sketches)}
            session.start_app([args.app], receiver)
            screen = Screen(session)
            settings_with_the_receiver(session, screen, profile, args.timeout)
            session.stop_app()
            session.start_app([args.app], receiver)
            window_in_german(session, screen, args.timeout)
            return 0
        session.start_app([args.app], {'XDG_DATA_HOME': profile})
        screen = Screen(session)
        frame, thumbnails, name = rename_through_the_menu(session, screen, sketches, count,
                                                          args.timeout)
        edit_and_save_through_the_editor(session, screen, sketches, frame, thumbnails, name,
                                         args.timeout)
        return 0
    except Failure as failure:
        log(f'FAILED: {failure}')
        app_log = os.path.join(work, 'app.log')
        if os.path.exists(app_log):
            with open(app_log, errors='replace') as text:
                tail = text.read()[-3000:]
            log('the program wrote:\n' + tail)
        return 1
    finally:
        signal.alarm(0)
        session.stop()
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)
        else:
            log(f'kept {work}')


if __name__ == '__main__':
    sys.exit(main())
