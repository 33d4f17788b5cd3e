#!/usr/bin/env python3
"""velka-cli export under a comma-decimal locale: a German desktop (de_DE.UTF-8, built with
localedef into a temporary LOCPATH) must get the very files the "C" locale gives. The chart is
drawn after Qt has set the user's locale, and the workbook library writes its numbers with the
C library, so a locale that leaks in would write "5,1" into the workbook's XML (which spreadsheet
programs then refuse), "8,0℃" into the PDF and different pixels into the chart.

Usage: check_comma_locale.py PATH-TO-velka-cli   (run in UTC; exits 77 when the locale cannot be
built here or a reader is missing)
"""

import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

NOW = "1714521600"


def skip(reason):
    print("skipped: " + reason)
    sys.exit(77)


if shutil.which("localedef") is None or not os.path.exists("/usr/share/i18n/locales/de_DE"):
    skip("localedef or the locale sources (Debian package locales) are missing")
if shutil.which("pdftotext") is None:
    skip("pdftotext is not installed (poppler-utils)")
try:
    import openpyxl
except ImportError:
    skip("python3-openpyxl is not installed")

CLI = sys.argv[1]
WORK = tempfile.mkdtemp(prefix="velka-locale-")
FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print("FAIL: " + message)


def run(arguments, env):
    result = subprocess.run([CLI, *arguments, "--data-root", os.path.join(WORK, "root"), "--now", NOW],
                            capture_output=True, text=True, env=env)
    if result.returncode != 0:
        raise SystemExit(f"velka-cli {' '.join(arguments)} failed: {result.stderr}")


def export(image, folder, env):
    os.makedirs(folder)
    paths = {option: os.path.join(folder, "report." + extension)
             for option, extension in (("--pdf", "pdf"), ("--xlsx", "xlsx"), ("--csv", "csv"), ("--chart", "bmp"))}
    run(["export", image] + [part for option, path in paths.items() for part in (option, path)], env)
    return {option[2:]: path for option, path in paths.items()}


def read(path):
    with open(path, "rb") as stream:
        return stream.read()


def main():
    plain = dict(os.environ, TZ="UTC", LC_ALL="C", LANG="C")
    locales = os.path.join(WORK, "locales")
    os.makedirs(locales)
    subprocess.run(["localedef", "-i", "de_DE", "-f", "UTF-8", os.path.join(locales, "de_DE.UTF-8")],
                   capture_output=True)
    german = dict(os.environ, TZ="UTC", LOCPATH=locales, LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
    # Under the address sanitizer: glibc's own allocation for LOCPATH is no leak of ours.
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "locpath_leak.supp")
    german["LSAN_OPTIONS"] = ":".join(filter(None, [os.environ.get("LSAN_OPTIONS"),
                                                    "suppressions=" + suppressions]))
    point = subprocess.run([sys.executable, "-c", "import locale; locale.setlocale(locale.LC_ALL, '');"
                            "print(locale.localeconv()['decimal_point'])"], capture_output=True, text=True, env=german)
    if point.stdout.strip() != ",":
        skip("localedef could not build de_DE.UTF-8")

    image = os.path.join(WORK, "shipment.bin")
    run(["synth", "--out", image, "--count", "300", "--interval", "300"], plain)
    c = export(image, os.path.join(WORK, "c"), plain)
    de = export(image, os.path.join(WORK, "de"), german)

    # Exports are reproducible under --now: the same files, byte for byte.
    for kind in ("chart", "csv", "xlsx", "pdf"):
        check(read(de[kind]) == read(c[kind]), f"the {kind} is the C locale's, byte for byte")
    with zipfile.ZipFile(de["xlsx"]) as book:
        sheet_xml = book.read("xl/worksheets/sheet1.xml").decode()
    check("18.7109375" in sheet_xml and "<v>5,1</v>" not in sheet_xml, "numbers in the sheet's XML have a point")
    try:
        sheet = openpyxl.load_workbook(de["xlsx"]).active
        temperatures = [sheet.cell(row, 3) for row in range(61, 61 + 300)]  # three products: head in row 60
        check(all(cell.data_type == "n" and isinstance(cell.value, (int, float)) for cell in temperatures),
              "the temperatures are number cells: " + repr([cell.value for cell in temperatures[:3]]))
    except ValueError as error:
        check(False, f"the workbook can be read: {error}")
    text = subprocess.run(["pdftotext", "-raw", de["pdf"], "-"], capture_output=True, text=True).stdout
    check("Upper Limit Alarm: 8.0℃" in " ".join(text.split()), "the PDF says 8.0℃")

    shutil.rmtree(WORK, ignore_errors=True)
    if FAILURES:
        print(f"{len(FAILURES)} checks failed")
        return 1
    print("the comma-decimal locale changes nothing")
    return 0


if __name__ == "__main__":
    sys.exit(main())
