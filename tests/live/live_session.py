"""A live session for the tests: its own Xvfb on a free display, the host with --live in
a folder of its own, real X input through xdotool, and the host's prompt for checks.

Nothing waits a fixed time: every wait polls for a condition (a line on the command
line, a window in the layout file the backend writes) up to a deadline."""

import os
import re
import shlex
import shutil
import subprocess
import tempfile
import threading
import time

import images

TIMEOUT = 20.0  # seconds for any one condition; generous for loaded CI machines


class Failure(Exception):
    pass


def wait_for(what, condition, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    delay = 0.005
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure('timed out waiting for ' + what)
        time.sleep(delay)
        delay = min(delay * 2, 0.05)


class Layout:
    """The backend's description of its real windows (TVL_LIVE_LAYOUT)."""

    def __init__(self, text):
        self.windows = []
        self.focus_id = None
        self.menus = 0
        self.tooltip = ''
        self.cursor = ''
        current = None
        for line in text.splitlines():
            words = shlex.split(line)
            if not words:
                continue
            if words[0] == 'window':
                current = {'handle': int(words[1]), 'xid': int(words[2]),
                           'x': int(words[3]), 'y': int(words[4]),
                           'w': int(words[5]), 'h': int(words[6]),
                           'current': words[7] == '1', 'caption': words[9],
                           'controls': []}
                self.windows.append(current)
            elif words[0] == 'client' and current:
                current['cx'], current['cy'] = int(words[2]), int(words[3])
            elif words[0] == 'control' and current:
                current['controls'].append({
                    'handle': int(words[1]), 'id': int(words[2]), 'class': words[3],
                    'x': int(words[4]), 'y': int(words[5]), 'w': int(words[6]),
                    'h': int(words[7]), 'enabled': words[8] == '1', 'text': words[9]})
            elif words[0] == 'focus':
                self.focus_id = int(words[2])
            elif words[0] == 'menus':
                self.menus = int(words[1])
            elif words[0] == 'tooltip':
                self.tooltip = words[1]
            elif words[0] == 'cursor':
                self.cursor = words[1]

    def find(self, caption):
        return [w for w in self.windows if w['caption'] == caption]


class Session:
    def __init__(self, bin_dir, source_dir, shots_dir, name):
        self.bin_dir = os.path.abspath(bin_dir)
        self.source_dir = os.path.abspath(source_dir)
        self.shots_dir = shots_dir
        self.name = name
        self.tmp = tempfile.mkdtemp(prefix='tvl-live-')
        self.out = ''
        self.err = ''
        self.lock = threading.Lock()
        self.marks = 0
        self.xvfb = None
        self.host = None
        self.readers = []
        self.detached = False  # the host was started by the launcher, which has ended

    # ---- Start and end ------------------------------------------------------------

    def start_display(self):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24', '-nolisten',
             'tcp', '-noreset'], pass_fds=(write,), stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.tmp, 'xvfb.log'), 'w'))
        os.close(write)
        number = b''
        while not number.endswith(b'\n'):
            chunk = os.read(read, 16)
            if not chunk:
                raise Failure('Xvfb did not start (see %s/xvfb.log)' % self.tmp)
            number += chunk
        os.close(read)
        self.display = ':' + number.decode().strip()

    def install(self):
        """A host folder of its own: the built programs and modules, the language tables."""
        inst = os.path.join(self.tmp, 'inst')
        os.makedirs(inst)
        for f in os.listdir(self.bin_dir):
            if f.endswith(('.so', '.arx')) or f == 'acad':
                # Copies (or hard links): the core module finds its language tables
                # beside its own file, wherever that really is.
                src, dst = os.path.join(self.bin_dir, f), os.path.join(inst, f)
                try:
                    os.link(src, dst)
                except OSError:
                    shutil.copy2(src, dst)
        os.symlink(os.path.join(self.source_dir, 'resources', 'lang'), os.path.join(inst, 'lang'))
        return inst

    def start(self, modules=('zelcor.arx', 'KW.arx', 'hosttest.arx'), env=None):
        self.start_display()
        inst = self.install()
        self.layout_path = os.path.join(self.tmp, 'layout.txt')
        e = dict(os.environ)
        e.update({'DISPLAY': self.display, 'TVL_LIVE_LAYOUT': self.layout_path,
                  'HOME': self.tmp, 'XDG_CONFIG_HOME': os.path.join(self.tmp, 'config'),
                  'XDG_DATA_HOME': os.path.join(self.tmp, 'data'), 'NO_AT_BRIDGE': '1',
                  'GDK_SCALE': '1', 'GSETTINGS_BACKEND': 'memory', 'GTK_THEME': 'Adwaita', 'LC_ALL': 'C.UTF-8'})
        e.pop('WAYLAND_DISPLAY', None)
        if env:
            e.update(env)
        self.env = e
        args = [os.path.join(inst, 'acad'), '/nologo', '--live']
        for m in modules:
            args += ['/ld', os.path.join(inst, m)]
        self.host = subprocess.Popen(args, cwd=self.tmp, env=e, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        threading.Thread(target=self._read, args=(self.host.stdout, 'out'), daemon=True).start()
        threading.Thread(target=self._read, args=(self.host.stderr, 'err'), daemon=True).start()
        self.wait_output('Command: ')

    def start_product(self, startup='echo === live walk ===\n'):
        """The product as a person starts it: the sample installation's launcher with
        TREVLON_LIVE=1, which starts the host with the loader, the core module and the
        dialogs module. The installation's tour is replaced by STARTUP."""
        self.start_display()
        folder = os.path.join(self.tmp, 'Trevlon')
        host = os.path.join(folder, 'acad')
        os.makedirs(host)
        for name in ('Trevlon', 'TvlLoader.arx', 'zelcor.arx', 'KW.arx'):
            shutil.copy2(os.path.join(self.bin_dir, name), os.path.join(folder, name))
        shutil.copy2(os.path.join(self.bin_dir, 'acad'), os.path.join(host, 'acad.exe'))
        install = os.path.join(self.source_dir, 'resources', 'install')
        shutil.copytree(os.path.join(self.source_dir, 'resources', 'lang'),
                        os.path.join(folder, 'lang'))
        shutil.copytree(os.path.join(install, 'tvllib'), os.path.join(folder, 'tvllib'))
        if os.path.isdir(os.path.join(install, 'icons')):
            shutil.copytree(os.path.join(install, 'icons'), os.path.join(folder, 'icons'))
        shutil.copy2(os.path.join(install, 'defset.dat'), os.path.join(folder, 'defset.dat'))
        with open(os.path.join(folder, 'tvlv6.cfg'), 'w') as f:
            f.write('tvllib=%s/\nacaddir=%s/\n' % (os.path.join(folder, 'tvllib'), host))
        with open(os.path.join(host, 'startup.scr'), 'w') as f:
            f.write(startup)
        self.layout_path = os.path.join(self.tmp, 'layout.txt')
        e = dict(os.environ)
        e.update({'DISPLAY': self.display, 'TVL_LIVE_LAYOUT': self.layout_path,
                  'TREVLON_LIVE': '1', 'TREVLON_SPLASH_MS': '20',
                  'LD_LIBRARY_PATH': self.bin_dir,
                  'HOME': self.tmp, 'XDG_CONFIG_HOME': os.path.join(self.tmp, 'config'),
                  'XDG_DATA_HOME': os.path.join(self.tmp, 'data'), 'NO_AT_BRIDGE': '1',
                  'GDK_SCALE': '1', 'GSETTINGS_BACKEND': 'memory', 'GTK_THEME': 'Adwaita',
                  'LC_ALL': 'C.UTF-8'})
        e.pop('WAYLAND_DISPLAY', None)
        self.env = e
        # The launcher ends after its splash; the host it started keeps the pipes.
        self.host = subprocess.Popen([os.path.join(folder, 'Trevlon')], cwd='/', env=e,
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.PIPE)
        self.detached = True
        for stream, which in ((self.host.stdout, 'out'), (self.host.stderr, 'err')):
            reader = threading.Thread(target=self._read, args=(stream, which), daemon=True)
            reader.start()
            self.readers.append(reader)
        self.wait_output('=== live walk ===')
        self.wait_output('Command: ')

    def _read(self, stream, which):
        while True:
            data = stream.read1(65536) if hasattr(stream, 'read1') else stream.read(1)
            if not data:
                return
            with self.lock:
                setattr(self, which, getattr(self, which) + data.decode('utf-8', 'replace'))

    def close(self, ok):
        """Ends the session; False when the host did not end cleanly with exit code 0."""
        clean = True
        if self.detached:
            # Only the pipe tells when the host has gone: its end of the output.
            try:
                self.host.stdin.write(b'QUIT\n')
                self.host.stdin.flush()
                self.host.stdin.close()
            except BrokenPipeError:
                pass
            for reader in self.readers:
                reader.join(timeout=30)
            if any(r.is_alive() for r in self.readers):
                print('the host did not end after QUIT')
                clean = ok = False
            self.host.wait()
        elif self.host and self.host.poll() is None:
            try:
                self.host.stdin.write(b'QUIT\n')
                self.host.stdin.flush()
                self.host.stdin.close()
                self.host.wait(timeout=30)
            except (BrokenPipeError, subprocess.TimeoutExpired):
                self.host.kill()
                self.host.wait()
        if self.host and not self.detached and self.host.returncode != 0:
            print('the host ended with exit code %d' % self.host.returncode)
            clean = False
            ok = False
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        if ok:
            shutil.rmtree(self.tmp, ignore_errors=True)
        else:
            print('session folder kept: ' + self.tmp)
            print('--- command line ---\n' + self.out + '\n--- errors ---\n' + self.err)
        return clean

    # ---- The prompt ---------------------------------------------------------------

    def send(self, line):
        if not self.detached and self.host.poll() is not None:
            raise Failure('the host ended (exit %d)' % self.host.returncode)
        self.host.stdin.write((line + '\n').encode())
        self.host.stdin.flush()

    def output_since(self, mark):
        with self.lock:
            return self.out[mark:]

    def wait_output(self, text, since=0, timeout=TIMEOUT):
        return wait_for('"%s" on the command line' % text,
                        lambda: text in self.output_since(since), timeout)

    def check(self, *lines):
        """Script lines at the prompt (expectations); fails with what the host reported."""
        with self.lock:
            err_mark = len(self.err)
        for line in lines:
            self.send(line)
        self.marks += 1
        mark = 'check-%d-done' % self.marks
        self.send('echo ' + mark)
        self.wait_output(mark)
        with self.lock:
            new = self.err[err_mark:]
        if new.strip():
            raise Failure('the host reported: ' + new.strip())

    # ---- Windows --------------------------------------------------------------------

    def layout(self):
        try:
            with open(self.layout_path, encoding='utf-8') as f:
                return Layout(f.read())
        except FileNotFoundError:
            return Layout('')

    def window(self, caption, where=None, current=True):
        """Waits for the real window with that caption (and the condition) to show the
        model's latest painting."""
        def found():
            for w in self.layout().find(caption):
                if (not current or w['current']) and (where is None or where(w)):
                    return w
            return None
        return wait_for('the window "%s"' % caption, found)

    def menu_open(self):
        wait_for('a menu to open', lambda: self.layout().menus > 0)

    def gone(self, caption):
        wait_for('the window "%s" to close' % caption, lambda: not self.layout().find(caption))

    @staticmethod
    def control(window, key):
        for c in window['controls']:
            if c['id'] == key or c['text'].replace('&', '') == key:
                return c
        raise Failure('no control %r in "%s"' % (key, window['caption']))

    # ---- Real input -------------------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(['xdotool'] + [str(a) for a in args], env=self.env, check=True)

    def click_at(self, x, y, button=1):
        self.xdotool('mousemove', x, y, 'click', button)

    def click(self, window, key):
        c = self.control(window, key)
        self.click_at(c['x'] + c['w'] // 2, c['y'] + c['h'] // 2)

    def key(self, *keys):
        self.xdotool('key', '--delay', 20, *keys)

    def type(self, text):
        # A letter missing from the server's keymap is typed by mapping a spare key to it
        # for a moment (xdotool puts the mapping back after the delay); a slow client (the
        # sanitizer build on a loaded machine) must read the key before that, so such a
        # letter is typed on its own with a long delay, the rest at typing speed.
        for run in re.findall(r'[\x00-\x7f]+|[^\x00-\x7f]', text):
            self.xdotool('type', '--delay', 20 if ord(run[0]) < 128 else 600, run)

    def search(self, name):
        """The X window id of a visible window with exactly that title, or None."""
        r = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^' + name + '$'],
                           env=self.env, capture_output=True, text=True)
        ids = r.stdout.split()
        return ids[0] if ids else None

    def focus_window(self, window):
        self.xdotool('windowfocus', '--sync', window['xid'])

    # ---- Pictures -----------------------------------------------------------------------

    def compare_with_snapshot(self, caption, label, where=None):
        """The real window's pixels against the model's snapshot of the same dialog."""
        os.makedirs(self.shots_dir, exist_ok=True)
        model_png = os.path.join(self.tmp, label + '-model.png')
        last = None
        for _ in range(20):
            w = self.window(caption, where)
            mark = len(self.out)
            self.send('snapshot ' + model_png)
            self.wait_output('Snapshot written', since=mark)
            dump = os.path.join(self.tmp, label + '.xwd')
            subprocess.run(['xwd', '-silent', '-id', str(w['xid']), '-out', dump],
                           env=self.env, check=True)
            real = images.read_xwd(dump)
            model = images.read_png(model_png)
            last = images.differences(real, model)
            if last == 0:
                images.write_png(real, os.path.join(self.shots_dir, label + '.png'))
                for stale in ('-real.png', '-model.png'):
                    if os.path.exists(os.path.join(self.shots_dir, label + stale)):
                        os.remove(os.path.join(self.shots_dir, label + stale))
                return real
            time.sleep(0.05)  # the server may not have drawn the newest frame yet
        images.write_png(real, os.path.join(self.shots_dir, label + '-real.png'))
        shutil.copy(model_png, os.path.join(self.shots_dir, label + '-model.png'))
        raise Failure('the real window "%s" differs from its snapshot in %d pixels'
                      % (caption, last))
