#!/usr/bin/env python3
"""The installation and the Debian package, checked as a user and a distribution receive them.

  install  `cmake --install` into a temporary prefix: exactly the expected files, the menu entry
           and the AppStream metadata pass their validators, the icon pictures have their sizes,
           the manual page covers every option of `kthread-calc --help`, the installed
           kthread-calc tells the project's version, and the installed kthread-pd, started with
           a temporary home, keeps its settings in the per-user configuration folder even though
           its own folder is writable.
  deb      `cpack -G DEB`: the package's name, version and architecture, its dependencies on
           the C++ runtime and the Qt libraries found by dpkg-shlibdeps, and its file list,
           owners and modes.
"""

import argparse
import gzip
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
# Libraries the programs cannot run without; dpkg-shlibdeps must have found each.
REQUIRED_DEPENDS = ["libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                    "libqt6svg6"]
STARTUP_TIMEOUT_S = 30


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        raise Failure(f"{' '.join(map(str, command))} failed ({result.returncode}):\n"
                      f"{result.stdout}{result.stderr}")
    return result.stdout


def expected_files(source_dir, app_id):
    """The files of an installation, relative to its prefix."""
    languages = Path(source_dir, "data", "Languages")
    files = {"bin/kthread-pd", "bin/kthread-calc", "share/kthread-pd/kthread.ini",
             f"share/applications/{app_id}.desktop", f"share/metainfo/{app_id}.metainfo.xml",
             f"share/icons/hicolor/scalable/apps/{app_id}.svg",
             "share/man/man1/kthread-calc.1.gz"}
    files |= {f"share/icons/hicolor/{n}x{n}/apps/{app_id}.png" for n in ICON_SIZES}
    for path in languages.rglob("*"):
        if path.is_file():
            relative = path.relative_to(languages)
            if path.suffix == ".txt":
                relative = relative.with_suffix(".lng")
            files.add(f"share/kthread-pd/Languages/{relative.as_posix()}")
    return files


def files_below(root):
    return {p.relative_to(root).as_posix() for p in Path(root).rglob("*") if not p.is_dir()}


def png_size_and_alpha(path):
    data = Path(path).read_bytes()
    check(data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR", f"{path}: not a PNG")
    width, height, _depth, colour_type = struct.unpack(">IIBB", data[16:26])
    return width, height, colour_type in (4, 6)


def desktop_entry(path):
    entry = {}
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            entry[key.strip()] = value.strip()
    return entry


def check_no_run_path(binary):
    """An installed program takes the system's libraries, never those of a build tree."""
    dynamic = run(["readelf", "-d", binary])
    check(not re.search(r"\((RPATH|RUNPATH)\)", dynamic), f"{binary} keeps a run path:\n{dynamic}")


def check_metadata(prefix, app_id, version):
    desktop = prefix / "share/applications" / f"{app_id}.desktop"
    metainfo = prefix / "share/metainfo" / f"{app_id}.metainfo.xml"
    run(["desktop-file-validate", str(desktop)])
    run(["appstreamcli", "validate", "--no-net", "--pedantic", str(metainfo)])
    entry = desktop_entry(desktop)
    check((prefix / "bin" / entry.get("Exec", "").split()[0]).is_file(),
          f"the menu entry's command {entry.get('Exec')} is not an installed program")
    check(entry.get("Icon") == app_id, f"the menu entry's icon is {entry.get('Icon')}")
    text = metainfo.read_text(encoding="utf-8")
    check(f"<id>{app_id}</id>" in text, "the metadata's id is not the desktop entry's name")
    check(f'<launchable type="desktop-id">{app_id}.desktop</launchable>' in text,
          "the metadata does not launch the installed desktop entry")
    releases = re.findall(r'<release version="([^"]+)"', text)
    check(releases[:1] == [version], f"the newest release in the metadata is {releases}")
    check(re.search(r"<screenshot type=\"default\">.*?<image[^>]*>https://[^<]+\.png</image>",
                    text, re.S), "the metadata shows no screenshot")


def check_icons(prefix, app_id):
    for n in ICON_SIZES:
        width, height, alpha = png_size_and_alpha(
            prefix / f"share/icons/hicolor/{n}x{n}/apps/{app_id}.png")
        check((width, height) == (n, n), f"the {n}x{n} icon is {width} x {height}")
        check(alpha, f"the {n}x{n} icon has no transparency")


def check_manual_page(prefix, version, calc):
    page = gzip.decompress((prefix / "share/man/man1/kthread-calc.1.gz").read_bytes()).decode()
    check(re.search(rf'^\.TH KTHREAD-CALC 1 "[0-9-]+" "Kalvo Thread - PD {re.escape(version)}"',
                    page, re.M), "the manual page does not name this version")
    help_text = run([calc, "--help"])
    # Long options as the help lists them; the page writes "-" as "\-".
    for option in sorted(set(re.findall(r"^\s+(?:-\w,)?(--[\w-]+)", help_text, re.M))):
        check(option.replace("-", r"\-") in page, f"the manual page does not describe {option}")
    if shutil.which("groff"):
        result = subprocess.run(["groff", "-man", "-Tutf8", "-ww", "-z"], input=page,
                                capture_output=True, text=True)
        check(result.returncode == 0 and not result.stderr.strip(),
              f"groff finds faults in the manual page:\n{result.stderr}")


def check_starter_and_languages(prefix, source_dir):
    source = Path(source_dir, "data/kthread.ini").read_bytes().replace(b"\r\n", b"\n")
    starter = (prefix / "share/kthread-pd/kthread.ini").read_bytes()
    check(starter == source.replace(b"\n", b"\r\n"),
          "the installed starter kthread.ini is not its source with CR LF")
    for language in (prefix / "share/kthread-pd/Languages").glob("*.lng"):
        check(language.read_bytes()[:2] == b"\xff\xfe", f"{language.name}: not UTF-16 LE")


def run_installed_program(prefix):
    """Starts the installed kthread-pd with a temporary home and ends it as a session would."""
    with tempfile.TemporaryDirectory() as home:
        config = Path(home, ".config")
        environment = dict(os.environ, HOME=home, XDG_CONFIG_HOME=str(config),
                           XDG_DATA_DIRS="/nonexistent", QT_QPA_PLATFORM="offscreen")
        environment.pop("DISPLAY", None)
        per_user = config / "Brellmont/VuvozeVI/kthread.ini"
        program = subprocess.Popen([prefix / "bin/kthread-pd"], env=environment,
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        try:
            deadline = time.monotonic() + STARTUP_TIMEOUT_S
            while not per_user.exists() and program.poll() is None:
                check(time.monotonic() < deadline, "kthread-pd made no per-user kthread.ini")
                time.sleep(0.1)
            time.sleep(1.5)  # the window is shown and placed
            check(program.poll() is None, "kthread-pd ended by itself")
            program.send_signal(signal.SIGTERM)
            output, _ = program.communicate(timeout=STARTUP_TIMEOUT_S)
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
        check(program.returncode == 0,
              f"kthread-pd ended with {program.returncode}:\n{output.decode(errors='replace')}")
        check(not (prefix / "bin/kthread.ini").exists(),
              "kthread-pd wrote kthread.ini into the installation's bin folder")
        settings = per_user.read_bytes()
        starter = (prefix / "share/kthread-pd/kthread.ini").read_bytes()
        check(b"[LANGUAGES]" in settings and b"[DIAM_N]" in settings,
              "the per-user kthread.ini did not start from the installed starter file")
        check(b"[SETTINGS]" in settings and b"FormWidth=" in settings,
              "the close did not write the placement into the per-user kthread.ini")
        check(settings != starter, "the per-user kthread.ini was never written")


def test_install(args):
    with tempfile.TemporaryDirectory() as work:
        prefix = Path(work, "prefix")
        run(["cmake", "--install", args.build_dir, "--prefix", prefix])
        installed = files_below(prefix)
        expected = expected_files(args.source_dir, args.app_id)
        check(installed == expected,
              f"installed but not expected: {sorted(installed - expected)}\n"
              f"expected but not installed: {sorted(expected - installed)}")
        for program in ("kthread-pd", "kthread-calc"):
            binary = prefix / "bin" / program
            check(os.access(binary, os.X_OK), f"{program} is not executable")
            check_no_run_path(binary)
        calc = prefix / "bin/kthread-calc"
        version = run([calc, "--version"]).strip()
        check(version == args.version, f"kthread-calc --version says {version!r}")
        check_metadata(prefix, args.app_id, args.version)
        check_icons(prefix, args.app_id)
        check_manual_page(prefix, args.version, calc)
        check_starter_and_languages(prefix, args.source_dir)
        run_installed_program(prefix)


def parse_depends(field):
    """{package: version constraint} of a Depends field ("a (>= 1), b | c" gives a, b and c)."""
    packages = {}
    for alternative in re.split(r"[,|]", field):
        match = re.match(r"\s*([a-z0-9][a-z0-9+.-]*)(?::\w+)?\s*(?:\(([^)]*)\))?", alternative)
        if match:
            packages[match.group(1)] = match.group(2) or ""
    return packages


def test_deb(args):
    with tempfile.TemporaryDirectory() as work:
        run(["cpack", "-G", "DEB", "--config", Path(args.build_dir, "CPackConfig.cmake"),
             "-B", work])
        architecture = run(["dpkg", "--print-architecture"]).strip()
        packages = list(Path(work).glob("*.deb"))
        name = f"kthread-pd_{args.version}_{architecture}.deb"
        check([p.name for p in packages] == [name], f"cpack made {packages}, not {name}")
        deb = packages[0]

        def field(name):
            return run(["dpkg-deb", "-f", deb, name]).strip()

        check(field("Package") == "kthread-pd", f"package name {field('Package')}")
        check(field("Version") == args.version, f"package version {field('Version')}")
        check(field("Architecture") == architecture, f"architecture {field('Architecture')}")
        check(field("Section") == "science", f"section {field('Section')}")
        depends = parse_depends(field("Depends"))
        for package in REQUIRED_DEPENDS:
            check(package in depends, f"Depends lacks {package}: {field('Depends')}")
            check(depends[package].startswith(">="),
                  f"{package} has no lowest version in Depends: {field('Depends')}")
        check(not any(p.startswith(("libasan", "libubsan", "libgtest", "libbenchmark"))
                      for p in depends), f"Depends names a test library: {field('Depends')}")

        listing = run(["dpkg-deb", "--contents", deb])
        files = {}
        for line in listing.splitlines():
            mode, owner, _size, _date, _time, path = line.split(None, 5)
            check(owner == "root/root", f"{path} is owned by {owner}")
            check(mode[0] in "d-", f"{path} is not a plain file or folder ({mode})")
            if mode[0] == "-":
                files[path.removeprefix("./")] = mode
            else:
                check(mode == "drwxr-xr-x", f"folder {path} has mode {mode}")
        expected = {"usr/" + f for f in expected_files(args.source_dir, args.app_id)}
        check(set(files) == expected,
              f"packaged but not expected: {sorted(set(files) - expected)}\n"
              f"expected but not packaged: {sorted(expected - set(files))}")
        for path, mode in files.items():
            wanted = "-rwxr-xr-x" if path.startswith("usr/bin/") else "-rw-r--r--"
            check(mode == wanted, f"{path} has mode {mode}, not {wanted}")

        unpacked = Path(work, "unpacked")
        run(["dpkg-deb", "-x", deb, unpacked])
        calc = unpacked / "usr/bin/kthread-calc"
        version = run([calc, "--version"]).strip()
        check(version == args.version, f"the packaged kthread-calc --version says {version!r}")
        check("not stripped" not in run(["file", "-L", calc]), "kthread-calc is not stripped")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("mode", choices=["install", "deb"])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--app-id", required=True)
    args = parser.parse_args()
    try:
        (test_install if args.mode == "install" else test_deb)(args)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"{args.mode}: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
