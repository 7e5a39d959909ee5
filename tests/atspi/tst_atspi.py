#!/usr/bin/python3
"""The running panel as a screen reader reads it, through the AT-SPI bus.

It runs itself inside a D-Bus session of its own (dbus-run-session) and a
runtime folder of its own, so no other session's accessibility bus can take
its socket away, with a private Xvfb: the
panel is started against merax-sim, connected through its File menu as an
operator with a screen reader would, and then the antenna key's name must
carry the state the device's first report gives, and a refused switch must
be announced as a notification.

    tst_atspi.py ZAREL_BIN MERAX_SIM_BIN

With ZAREL_ATSPI_DUMP set to a file, the tree of the connected panel is
written there as a screen reader sees it.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from xsession import fail, start_xvfb, stop_all

if os.environ.get("ZAREL_ATSPI_SESSION"):
    import pyatspi
    from gi.repository import Gio, GLib

PROFILE = "atspi"
TIMEOUT = 20.0


def start_simulator(binary):
    sim = subprocess.Popen([binary, "--stdin-commands", "--listen", "127.0.0.1", "--port", "0",
                            "--initial-antenna", "4", "--refuse-antenna", "5"],
                           stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    first = sim.stdout.readline()
    if not first.startswith("listening on 127.0.0.1:"):
        sim.kill()
        fail("merax-sim said " + repr(first))
    return sim, int(first.rsplit(":", 1)[1])


def mark_display():
    """Puts the accessibility bus's address on the display, as a desktop
    session does: Qt reads it when it starts and registers at once. (Without
    it Qt 5.15 asks the session bus, and a reply that comes after its first
    pass of the event loop leaves it unregistered for good.)"""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                          GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 10000, None)
    address = reply.unpack()[0]
    subprocess.run(["xprop", "-root", "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS", address], check=True)


def pump(seconds, done):
    """Runs the event loop that delivers AT-SPI events until done() holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        if done():
            return True
        time.sleep(0.02)
    return done()


def descendants(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(app, role, name_start):
    for accessible in descendants(app):
        if accessible.getRole() == role and accessible.name.startswith(name_start):
            return accessible
    return None


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    # The list of applications is cached; a panel that registered while no
    # event reached the cache would stay unseen.
    desktop.clear_cache()
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "zarel":
            return app
    return None


def dump(app, path):
    with open(path, "w", encoding="utf-8") as out:
        for accessible in descendants(app):
            # What is on the screen, as a screen reader reads it.
            if not accessible.getState().contains(pyatspi.STATE_SHOWING):
                continue
            depth = 0
            parent = accessible.parent
            while parent is not None and parent != app:
                depth += 1
                parent = parent.parent
            line = "  " * depth + "[%s] %s" % (accessible.getRoleName(), accessible.name)
            if accessible.description:
                line += " -- " + accessible.description
            out.write(line + "\n")


def stop_on_sigterm():
    """A test run stopped by CTest's time-out still cleans up after itself."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: stopped"))


def in_own_session():
    """Starts this script again in a D-Bus session, runtime folder and X
    server of its own."""
    if os.environ.get("ZAREL_ATSPI_SESSION"):
        return
    runtime = tempfile.mkdtemp(prefix="zarel-atspi-")
    xvfb, display = start_xvfb()
    env = dict(os.environ, ZAREL_ATSPI_SESSION="1", XDG_RUNTIME_DIR=runtime, DISPLAY=display)
    try:
        code = subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=env)
    finally:
        xvfb.terminate()
        xvfb.wait(10)
        shutil.rmtree(runtime, ignore_errors=True)
    sys.exit(code)


def main():
    stop_on_sigterm()
    in_own_session()
    zarel_bin, sim_bin = sys.argv[1], sys.argv[2]
    dump_path = os.environ.get("ZAREL_ATSPI_DUMP")
    settings = os.path.join(os.path.dirname(zarel_bin), "settings%s.ini" % PROFILE)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", LANG="C.UTF-8", LANGUAGE="")
    heard = []

    def listener(event):
        heard.append((event.type, event.source_role, event.source_name, event.detail1))

    started = []
    try:
        sim, port = start_simulator(sim_bin)
        started.append(sim)
        with open(settings, "w", encoding="utf-8") as ini:
            ini.write("[General]\nIP=127.0.0.1\nPORT=%d\nIPdir=true\nK4=20M YAGI\n" % port)
        # The registry must run before the panel starts, or the panel finds no
        # one to register with.
        pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name",
                                               "object:state-changed:showing")
        pyatspi.Registry.getDesktop(0).childCount
        mark_display()
        panel = subprocess.Popen([zarel_bin, "--lang", "en", PROFILE], env=env)
        started.append(panel)
        check(panel, dump_path, heard)
    finally:
        stop_all(started, settings)


def check(panel, dump_path, heard):
    """Reads the panel through the bus: the tests proper."""
    if not pump(TIMEOUT, lambda: find_app() is not None or panel.poll() is not None):
        desk = pyatspi.Registry.getDesktop(0)
        names = [desk.getChildAtIndex(i) and desk.getChildAtIndex(i).name for i in range(desk.childCount)]
        fail("the panel never appeared on the accessibility bus: %r" % names)
    if panel.poll() is not None:
        fail("the panel ended with %d" % panel.returncode)
    app = find_app()
    if not pump(TIMEOUT, lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Ant 4,") is not None):
        fail("no key named Ant 4")
    key = find(app, pyatspi.ROLE_PUSH_BUTTON, "Ant 4,")
    if "selected" in key.name:
        fail("Ant 4 says selected before any report: " + key.name)

    # Connect as a keyboard user would: the File menu's item.
    connect = find(app, pyatspi.ROLE_MENU_ITEM, "Connect to Merax")
    if connect is None:
        fail("no menu item Connect to Merax")
    connect.queryAction().doAction(0)
    wanted = "Ant 4, 20M YAGI, selected"
    if not pump(TIMEOUT, lambda: key.name == wanted):
        fail("Ant 4 reads %r after the first report, not %r" % (key.name, wanted))
    if not any(kind.startswith("object:property-change:accessible-name") and name == wanted
               for kind, _, name, _ in heard):
        fail("no name-changed event for %r" % wanted)
    power = find(app, pyatspi.ROLE_PUSH_BUTTON, "POWER")
    if not pump(TIMEOUT, lambda: power.name.startswith("POWER, link up")):
        fail("POWER reads %r" % power.name)
    print("PASS: %s; %s" % (key.name, power.name), flush=True)

    # Ant 5 is refused by the device: the operator must hear it.
    find(app, pyatspi.ROLE_PUSH_BUTTON, "Ant 5").queryAction().doAction(0)
    notice = "Ant 5 not confirmed by the Merax"

    def announced():
        return any(kind == "object:state-changed:showing" and role == pyatspi.ROLE_NOTIFICATION and
                   name == notice and detail == 1 for kind, role, name, detail in heard)

    if not pump(TIMEOUT, announced):
        fail("%r was not announced; heard %r" % (notice, heard[-10:]))
    if not pump(TIMEOUT, lambda: key.name == wanted):
        fail("after the refusal Ant 4 reads %r" % key.name)
    print("PASS: announced %r" % notice, flush=True)
    if dump_path:
        dump(app, dump_path)


if __name__ == "__main__":
    main()
