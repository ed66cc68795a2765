#!/usr/bin/env python3
"""The program as installed: into a prefix with cmake --install, and from the
Debian package made by CPack, unpacked with dpkg-deb -x. From either, the
command-line calendar runs on the shipped data (share/talvoren); the user's
own notes in $XDG_DATA_HOME/talvoren win over the shipped file; the desktop
files pass their validators.

usage: install_test.py BUILD_DIR
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.path.abspath(sys.argv.pop(1))


def run(*command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, **kwargs).stdout


class Installed(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.env = dict(os.environ, HOME=self.folder, XDG_DATA_HOME=os.path.join(self.folder, "data"),
                        TALVOREN_CONFIG_DIR=os.path.join(self.folder, "config"))

    def tearDown(self):
        shutil.rmtree(self.folder)

    def check_prefix(self, prefix):
        cal = os.path.join(prefix, "bin", "talvoren-cal")
        for path in ("bin/talvoren", "share/talvoren/Html/Calendar.htm", "share/talvoren/Vietnam/uOrdo.txt",
                     "share/talvoren/English/utitles.txt", "share/talvoren/Bible.db",
                     "share/icons/hicolor/48x48/apps/net.sorvane.talvoren.png", "share/man/man1/talvoren-cal.1.gz",
                     "share/doc/talvoren/copyright"):
            self.assertTrue(os.path.exists(os.path.join(prefix, path)), path)
        desktop = os.path.join(prefix, "share/applications/net.sorvane.talvoren.desktop")
        run("desktop-file-validate", desktop)
        if shutil.which("appstreamcli"):
            run("appstreamcli", "validate", "--no-net", os.path.join(prefix, "share/metainfo/net.sorvane.talvoren.metainfo.xml"))

        shipped = run(cal, "2026", "12", env=self.env)
        self.assertEqual(shipped, run(os.path.join(BUILD, "bin", "talvoren-cal"), "2026", "12", env=self.env))
        self.assertTrue(run(cal, "--passages", "Ga 1:1-5", env=self.env).strip())   # Bible.db is found
        ics = run(cal, "--format", "ics", "2026", env=self.env)
        self.assertEqual(ics.count(b"BEGIN:VEVENT"), 365)

        notes = os.path.join(self.env["XDG_DATA_HOME"], "talvoren", "Vietnam")
        os.makedirs(notes)
        with open(os.path.join(notes, "uNote.txt"), "wb") as own:
            own.write("24\t12\tthe user's own note\r\n".encode("utf-16-le"))
        self.assertIn(b"the user's own note", run(cal, "2026", "12", env=self.env))
        self.assertNotIn(b"the user's own note", shipped)

    def test_install_into_a_prefix(self):
        prefix = os.path.join(self.folder, "prefix")
        run("cmake", "--install", BUILD, "--prefix", prefix)
        self.check_prefix(prefix)

    def test_debian_package(self):
        out = os.path.join(self.folder, "out")
        run("cpack", "-G", "DEB", "-B", out, "--config", os.path.join(BUILD, "CPackConfig.cmake"), cwd=BUILD)
        packages = glob.glob(os.path.join(out, "talvoren_*_amd64.deb"))
        self.assertEqual(len(packages), 1, os.listdir(out))
        fields = run("dpkg-deb", "-f", packages[0], "Version", "Depends", "Maintainer").decode()
        self.assertIn("Version: ", fields)
        for needed in ("libqt6webenginecore6 ", "libsqlite3-0 ", "libqt6webenginecore6-bin", "fonts-dejavu-core"):
            self.assertIn(needed, fields)
        root = os.path.join(self.folder, "root")
        run("dpkg-deb", "-x", packages[0], root)
        self.check_prefix(os.path.join(root, "usr"))


if __name__ == "__main__":
    unittest.main()
