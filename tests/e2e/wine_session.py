"""Starts or ends the one Wine session that the Windows tier shares (a ctest fixture).

    wine_session.py start PREFIX WINE_RUN PROBE
                                            the prefix made when it is not there, no program of
                                            an earlier run left, a persistent server started
                                            (when there is a display for the whole run) with
                                            its desktop and services
    wine_session.py stop PREFIX             every program of the prefix and its server ended
"""

import os
import subprocess
import sys
import tempfile
from pathlib import Path

import traxo_e2e


# What wine-run.sh leaves in a prefix it has finished making.
PREFIX_MARKS = ("system.reg", ".traxo-cjk-fonts", ".unmanaged-windows")


def run_quietly(command, what):
    """Runs a program with no output of ours to inherit; 0, or 1 after saying what failed."""
    with tempfile.TemporaryFile() as output:
        result = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=output,
                                stderr=subprocess.STDOUT, timeout=300,
                                env=traxo_e2e.wine_environment())
        if result.returncode in (0, 1):  # the probe's 1: nothing found, as expected
            return 0
        output.seek(0)
        print(f"could not {what}: {' '.join(command)} ended with {result.returncode}\n"
              f"{output.read().decode('utf-8', 'replace')}")
        return 1


def main(argv):
    if len(argv) == 5 and argv[1] == "start":
        prefix, wine_run, probe = argv[2:]
        traxo_e2e.stop_wine_session(prefix)
        # wine-run.sh makes the prefix (and its font links and window settings) on first use.
        made = (Path(prefix) / name for name in PREFIX_MARKS)
        if not all(mark.exists() for mark in made):
            failed = run_quietly([wine_run, prefix, "cmd", "/c", "exit"], "make the Wine prefix")
            if failed:
                return failed
            traxo_e2e.stop_wine_session(prefix)
        # Without a display for the whole run each program gets an X server of its own, and a
        # desktop that outlived one would be lost: the server then comes and goes with them.
        if not os.environ.get("DISPLAY"):
            return 0
        traxo_e2e.start_wine_session(prefix)
        # The first program of a session starts Wine's desktop and services, which inherit its
        # output: here that is nothing, rather than the pipe of the first test, which would then
        # never see its end.
        return run_quietly([wine_run, prefix, probe, "count-windows", "Desktop"],
                           "start the Wine desktop")
    if len(argv) == 3 and argv[1] == "stop":
        traxo_e2e.stop_wine_session(argv[2])
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
