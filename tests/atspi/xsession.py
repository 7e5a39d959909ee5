"""What the screen-reader tests share: failing loudly, and an X server of
their own."""
import os
import subprocess
import sys


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def start_xvfb():
    """Starts Xvfb on the first free display; returns it and its name."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
                             "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            fail("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def stop_all(processes, settings):
    """Stops what a test started, newest first, and removes its settings file."""
    for process in reversed(processes):
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
    if os.path.exists(settings):
        os.remove(settings)
