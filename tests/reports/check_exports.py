#!/usr/bin/env python3
"""velka-cli export, end to end: synthetic recordings go through `export`, and the PDF
(pdftotext, pdfinfo, pdffonts, qpdf), the workbook (openpyxl and its drawing part), the CSV file
and the chart bitmap are read back and checked against the layout they must have. The PDF must
read right without any font or language pack of the reader's: its font is embedded, and its
text comes back as typed.

Usage: check_exports.py PATH-TO-velka-cli   (run in UTC; exits 77 when a reader is missing)
"""

import csv
import datetime
import hashlib
import html
import json
import math
import os
import re
import resource
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import zipfile

NOW = 1714521600  # 2024-05-01 00:00:00 UTC
ROWS_PER_PAGE = 54
FAILURES = []


def skip(reason):
    print("skipped: " + reason)
    sys.exit(77)


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print("FAIL: " + message)


def check_equal(actual, expected, what):
    check(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")


# The unit a recording is exported in: "C" or "F" (config.ini's "Temperature Unit"). The decode
# stays in °C; what the reports show is converted here, independently of the program.
UNIT = "C"


def in_unit(celsius):
    return celsius * 9 / 5 + 32 if UNIT == "F" else celsius


def sign():
    return "°F" if UNIT == "F" else "℃"


def symbol():
    return "°F" if UNIT == "F" else "°C"


for tool in ("pdftotext", "pdfinfo", "pdffonts", "qpdf"):
    if shutil.which(tool) is None:
        skip(f"{tool} is not installed (poppler-utils, qpdf)")
try:
    import openpyxl
except ImportError:
    skip("python3-openpyxl is not installed")

CLI = sys.argv[1]
WORK = tempfile.mkdtemp(prefix="velka-export-")
DATA_ROOT = os.path.join(WORK, "root")
USERS_GRAPH = os.path.join(DATA_ROOT, "Data", "graph.bmp")
# The window's settings, as export reads the analysis choice from them.
CONFIG = os.path.join(WORK, "config.ini")


def run(*arguments):
    result = subprocess.run([CLI, *arguments, "--data-root", DATA_ROOT, "--now", str(NOW),
                             "--config", CONFIG],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit(f"velka-cli {' '.join(arguments)} failed: {result.stderr}")
    return result.stdout


def synth(name, count, interval, serial=None):
    path = os.path.join(WORK, name + ".bin")
    arguments = ["synth", "--out", path, "--count", str(count), "--interval", str(interval)]
    if serial is not None:
        arguments += ["--serial", serial]
    run(*arguments)
    return path


def export(image):
    stem = os.path.splitext(image)[0]
    paths = {"pdf": stem + ".pdf", "xlsx": stem + ".xlsx", "csv": stem + ".csv", "chart": stem + ".bmp"}
    output = json.loads(run("export", image, "--pdf", paths["pdf"], "--xlsx", paths["xlsx"],
                            "--csv", paths["csv"], "--chart", paths["chart"]))
    for kind, path in paths.items():
        check_equal(output.get(kind), path, f"{image}: export's report of its {kind}")
    return output["samples"], paths


def local(seconds):
    return datetime.datetime.fromtimestamp(seconds, datetime.timezone.utc).strftime("%Y-%m-%d %H:%M:%S")


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as stream:
        raw = stream.read()
    check("\n" not in raw.replace("\r\n", ""), f"{path}: every line ends with CRLF")
    rows = list(csv.reader(raw.splitlines()))
    check_equal(rows[0], ["Number", "Record time", "Temperature" + sign(), "Alarm"], f"{path}: head row")
    samples = []
    for number, row in enumerate(rows[1:], start=1):
        check_equal(int(row[0]), number, f"{path}: sample number")
        check(row[3] in ("-1", "0", "1"), f"{path}: alarm flag {row[3]}")
        check(re.fullmatch(r"-?\d+\.\d", row[2]) is not None, f"{path}: temperature {row[2]}")
        samples.append({"time": row[1], "temperature": row[2], "alarm": int(row[3])})
    return samples


def check_csv_times(samples, start, interval, what):
    for j, sample in enumerate(samples):
        if sample["time"] != local(start + j * interval):
            check(False, f"{what}: sample {j + 1} time {sample['time']}")
            return


def expected_device_texts(interval):
    if interval <= 30:
        return f"Log Interval: {interval}sec", f"{interval}sec"
    return f"Log Interval: {interval // 60}min", f"{interval // 60}min"


# ---------------------------------------------------------------------------------------------
# PDF


def check_pdf(path, samples, start, interval, serial, products, companies, analysis, source):
    count = len(samples)
    pages = int(re.search(r"Pages:\s+(\d+)", subprocess.run(
        ["pdfinfo", path], capture_output=True, text=True).stdout).group(1))
    # The summary, the sample table, and the analysis last.
    table_pages = math.ceil(count / ROWS_PER_PAGE)
    check_equal(pages, 1 + table_pages + 1, f"{path}: pages")
    # The embedded font is a subset: a full logger's 164 pages stay small enough to mail.
    check(os.path.getsize(path) < 1500000, f"{path}: {os.path.getsize(path)} bytes")
    check_equal(subprocess.run(["qpdf", "--check", path], capture_output=True).returncode, 0,
                f"{path}: qpdf --check")

    # Every font is embedded and maps its codes back to characters, so no reader needs fonts
    # of its own; the text comes back as typed, and nothing in the file makes the reader stumble.
    # Latin text is set in the proportional sans face, the rest in the CJK face.
    fonts = subprocess.run(["pdffonts", path], capture_output=True, text=True).stdout.splitlines()[2:]
    check_equal(sorted(font.split()[0].split("+")[-1] for font in fonts),
                ["LiberationSans", "WenQuanYiZenHeiMono"], f"{path}: fonts")
    for font in fonts:
        fields = font.split()
        check(fields[-5:-2] == ["yes", "yes", "yes"], f"{path}: font embedded, subset, with ToUnicode: {font}")
    extracted = subprocess.run(["pdftotext", "-raw", path, "-"], capture_output=True, text=True)
    check_equal(extracted.stderr, "", f"{path}: pdftotext's complaints")
    text = extracted.stdout
    page_texts = text.split("\f")
    # Each page's running line comes last in its contents: the source, then the page number.
    for number, page in enumerate(page_texts[:pages], start=1):
        lines = page.strip().splitlines()
        check_equal(lines[-2:], [source, f"Page {number} of {pages}"], f"{path}: running line of page {number}")
        page_texts[number - 1] = "\n".join(lines[:-2])
    first = re.sub(r"[ ]+", " ", page_texts[0])
    interval_line, _ = expected_device_texts(interval)
    expected_in_order = [
        "Temperature information",
        "Report Date:" + local(NOW),
        "Receiving Company: " + companies["receiving"], "Delivery Company: " + companies["delivery"],
        "Transport Company: Calder Cold Freight", "Date Of Delivery: ",
        "Transport Number: CF-20417",
        "Device Information:",
        "Device S/N: " + serial, "Shutdown Mode： Manual Button",
        f"Upper Limit Alarm: {in_unit(8):.1f}{sign()}", "Start Delay: 10min", interval_line,
        f"Lower Limit Alarm: {in_unit(2):.1f}{sign()}", "Alarm Delay: 30min", f"Log Cycle: {interval // 10}day",
        "Logging Summary:",
        "Highest Temperature: ", "Average Temperature: ", "Start Time: " + local(start),
        "Lowest Temperature: ", f"Data Points: {count}", "Stop Time: " + local(start + count * interval),
        "Number Product Name Specification Model", "Product", "Batch Number", "Period of", "validity",
        "unit Quantity Shipment Number",
    ] + products + ["Data Chart"]
    position = 0
    for snippet in expected_in_order:
        found = first.find(snippet, position)
        check(found >= 0, f"{path}: page 1 holds {snippet!r} after what came before")
        if found >= 0:
            position = found + len(snippet)

    rows = []
    for number, page in enumerate(page_texts[1:1 + table_pages], start=2):
        lines = [line.strip() for line in page.strip().splitlines()]
        check_equal(re.sub(r"\s+", " ", lines[0]), "Number Time Temperature" + sign(),
                    f"{path}: head of page {number}")
        page_rows = [line for line in lines[1:] if line]
        expected_rows = min(ROWS_PER_PAGE, count - (number - 2) * ROWS_PER_PAGE)
        check_equal(len(page_rows), expected_rows, f"{path}: rows on page {number}")
        rows += page_rows
    check_equal(len(rows), count, f"{path}: sample rows equal Data Points")
    for j, row in enumerate(rows):
        # An alarm sample's temperature carries its marker: ▲ above, ▼ below.
        marker = {1: "▲ ", -1: "▼ ", 0: ""}[samples[j]["alarm"]]
        expected = f"{j + 1} {samples[j]['time']} {marker}{samples[j]['temperature']}"
        if re.sub(r"\s+", " ", row) != expected:
            check(False, f"{path}: row {j + 1} reads {row!r}, expected {expected!r}")
            break

    if UNIT == "F":
        check("°C" not in text and "℃" not in text, f"{path}: no °C in a report in °F")
    last = [re.sub(r"[ \t]+", " ", line).strip() for line in page_texts[pages - 1].strip().splitlines()]
    check_equal(last[:len(analysis)], analysis, f"{path}: the analysis page")
    check_layout(path, pages, source)

    # Fill colours in the page contents: black or red before every row, the olive head from
    # the second table page on.
    expanded = os.path.join(WORK, "expanded.pdf")
    subprocess.run(["qpdf", "--qdf", "--object-streams=disable", path, expanded], check=True)
    with open(expanded, "rb") as stream:
        content = stream.read()
    alarms = sum(1 for sample in samples if sample["alarm"] != 0)
    # The alarm red is #C00000, dark enough for text.
    check_equal(len(re.findall(rb"\n0\.75294 0 0 rg\n", content)), alarms, f"{path}: red rows")
    check_equal(len(re.findall(rb"\n0 0 0 rg\n", content)), count - alarms, f"{path}: black rows")
    check_equal(len(re.findall(rb"\n0\.5 0\.5 0 rg\n", content)), table_pages - 1, f"{path}: olive heads")


def check_layout(path, pages, source):
    """Page 1, the first and last table pages and the analysis page, word by word: no two words overlap (the
    product table's heads of two lines included), ℃ ends its word (a value leaves room before
    the next column), and "Page N of M" ends at the right margin of a line in the top margin,
    above everything else."""
    for number in sorted({1, 2, pages - 1, pages}):
        page = subprocess.run(["pdftotext", "-bbox", "-f", str(number), "-l", str(number), path, "-"],
                              capture_output=True, text=True).stdout
        width = float(re.search(r'<page width="([\d.]+)"', page).group(1))
        words = [(float(x0), float(y0), float(x1), float(y1), html.unescape(word)) for x0, y0, x1, y1, word in
                 re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<', page)]
        what = f"{path}, page {number}"
        running = [w for w in words if w[3] < 20]
        rest = [w for w in words if w[3] >= 20]
        check_equal(" ".join(w[4] for w in running), f"{source} Page {number} of {pages}", f"{what}: running line")
        if running and rest:
            check(abs(max(w[2] for w in running) - (width - 40)) < 1, f"{what}: running line's right end {running}")
            check(max(w[3] for w in running) < min(w[3] for w in rest), f"{what}: running line above the content")
        for i, a in enumerate(words):
            check(re.search("℃.", a[4]) is None, f"{what}: {a[4]!r} runs into the next column")
            for b in words[i + 1:]:
                if a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]:
                    check(False, f"{what}: {a} and {b} overlap")


# ---------------------------------------------------------------------------------------------
# Analysis: worked out here from the decoded temperatures, independently of the program


def minutes(seconds):
    return datetime.datetime.fromtimestamp(seconds).strftime("%Y-%m-%d %H:%M")


def duration(seconds):
    if seconds == 0:
        return "0 min"
    days = seconds // 86400 if seconds >= 2 * 86400 else 0
    rest = seconds - days * 86400
    parts = [(days, "d"), (rest // 3600, "h"), (rest % 3600 // 60, "min"), (rest % 60, "s")]
    return " ".join(f"{count} {unit}" for count, unit in parts if count)


def mkt(temperatures, delta_h):
    terms = [math.exp(-delta_h * 1000 / 8.3144 / (t + 273.15)) for t in temperatures]
    return delta_h * 1000 / 8.3144 / -math.log(sum(terms) / len(terms)) - 273.15


# (side, threshold, inclusive, kind, delay in seconds)
def profile_rules(name, decoded):
    delay = decoded["alarmDelayCount"] * decoded["logInterval"]
    return {
        "logger": [("above", decoded["upperLimit"], False, "single", delay),
                   ("below", decoded["lowerLimit"], False, "single", delay)],
        "usp-crt": [("below", 15, False, "single", 0), ("above", 40, False, "single", 0),
                    ("above", 30, False, "single", 86400)],
    }[name]


def rule_outcome(rule, temperatures, interval):
    side, threshold, inclusive, kind, delay = rule
    beyond = [(t >= threshold if inclusive else t > threshold) if side == "above" else
              (t <= threshold if inclusive else t < threshold) for t in temperatures]
    events = run = total = longest = 0
    first_out = alarm = None
    for i, out in enumerate(beyond):
        if not out:
            run = 0
            continue
        if run == 0:
            events += 1
            first_out = i if first_out is None else first_out
        run += 1
        total += 1
        longest = max(longest, run)
        if alarm is None and (run if kind == "single" else total) * interval >= delay:
            alarm = i
    return events, total * interval, longest * interval, first_out, alarm


def expected_analysis(decoded, profile="logger", delta_h=83.144):
    """The first lines of the PDF's analysis page (and the values of the workbook's sheet)."""
    temperatures = [sample["temperature"] for sample in decoded["samples"]]
    interval = decoded["logInterval"]
    start = decoded["startTime"]
    at = lambda i: minutes(start + i * interval)
    n = len(temperatures)
    window = 86400 // interval
    value = mkt(temperatures, delta_h)
    if n < window:
        worst = "record shorter than 24 h"
    else:
        terms = [math.exp(-delta_h * 1000 / 8.3144 / (t + 273.15)) for t in temperatures]
        sums = [0.0]
        for term in terms:
            sums.append(sums[-1] + term)
        best = max(range(n - window + 1), key=lambda i: (sums[i + window] - sums[i], -i))
        worst = f"{in_unit(mkt(temperatures[best:best + window], delta_h)):.2f} {symbol()} from {at(best)}"
    rules = profile_rules(profile, decoded)
    outcomes = [rule_outcome(rule, temperatures, interval) for rule in rules]
    fired = sorted((o[4], k) for k, o in enumerate(outcomes) if o[4] is not None)
    ceiling = 25.0 if profile == "usp-crt" else None
    if fired:
        side, threshold = rules[fired[0][1]][:2]
        o = outcomes[fired[0][1]]
        verdict = f"Alarm: {side} {in_unit(threshold):.1f} {symbol()} for {duration(o[1])} from {at(o[3])}"
    elif ceiling is not None and value > ceiling:
        verdict = f"Alarm: MKT {in_unit(value):.2f} {symbol()} above {in_unit(ceiling):.2f} {symbol()}"
    else:
        verdict = "No alarm"
    title = {"logger": "The logger's own limits", "usp-crt": "USP controlled room temperature"}[profile]
    high = max(range(n), key=lambda i: (temperatures[i], -i))
    low = min(range(n), key=lambda i: (temperatures[i], i))
    h = f"{delta_h:.3f}".rstrip("0").rstrip(".")
    values = [("Alarm Profile", f"{profile} ({title})"), ("Verdict", verdict),
              ("Mean Kinetic Temperature", f"{in_unit(value):.2f} {symbol()} (ΔH {h} kJ/mol)"),
              ("Worst 24-hour MKT", worst)]
    if ceiling is not None:
        values.append(("MKT Ceiling", f"{in_unit(ceiling):.2f} {symbol()}"))
    values += [("Duration", f"{duration(n * interval)} ({n} samples, {duration(interval)} apart)"),
               ("Trip Length", duration((n - 1) * interval)),
               ("Highest Temperature", f"{in_unit(temperatures[high]):.2f} {symbol()} at {at(high)}"),
               ("Lowest Temperature", f"{in_unit(temperatures[low]):.2f} {symbol()} at {at(low)}")]
    rows = []
    for (side, threshold, inclusive, kind, delay), (events, seconds, longest, first_out, alarm) in zip(rules, outcomes):
        text = (f"{side} {in_unit(threshold):.1f} {symbol()}, "
                f"{'single event' if kind == 'single' else 'cumulative'}, "
                f"{duration(delay) if delay else 'no delay'}, {'inclusive' if inclusive else 'strict'}")
        rows.append([text, events, duration(seconds), duration(longest),
                     at(first_out) if first_out is not None else "none",
                     at(alarm) if alarm is not None else "no alarm"])
    return values, rows


def analysis_page_lines(values, rows):
    lines = ["Analysis"] + [f"{title}: {value}" for title, value in values]
    lines += ["Rules", "Events Time Beyond Longest Event First Out Alarm"]
    for row in rows:
        lines += [row[0], " ".join(str(cell) for cell in row[1:])]
    return lines


# ---------------------------------------------------------------------------------------------
# Workbook


# What a spreadsheet program shows of a cell, by its number format.
SHOWN = {"General": lambda value: value, "0": lambda value: f"{value:.0f}", "0.0": lambda value: f"{value:.1f}",
         "yyyy-mm-dd hh:mm:ss": lambda value: value.strftime("%Y-%m-%d %H:%M:%S")}


def shown(cell):
    return SHOWN[cell.number_format](cell.value) if cell.value is not None else None


def check_analysis_sheet(path, sheet, values, rows):
    """The second sheet: each value's title in A and its text across B:F, the rules under heads."""
    shown_rows = [[cell for cell in row[:6]] for row in sheet.iter_rows(values_only=True)]
    check_equal(shown_rows[0][0], "Analysis", f"{path}: the analysis sheet's title")
    check_equal([tuple(row[:2]) for row in shown_rows[2:2 + len(values)]],
                [(title + "：", value) for title, value in values], f"{path}: the analysis values")
    head = 2 + len(values) + 1
    check_equal(shown_rows[head], ["Rule", "Events", "Time Beyond", "Longest Event", "First Out", "Alarm"],
                f"{path}: the rules' heads")
    check_equal(shown_rows[head + 1:head + 1 + len(rows)], rows, f"{path}: the rules")
    merged = {str(r) for r in sheet.merged_cells.ranges}
    check({"A1:F1"} | {f"B{3 + k}:F{3 + k}" for k in range(len(values))} <= merged, f"{path}: merged {merged}")


def check_workbook(path, samples, start, interval, serial, product_rows, companies, chart, analysis, source):
    count = len(samples)
    n = len(product_rows)
    book = openpyxl.load_workbook(path)
    # The first sheet keeps every cell where it was; the analysis follows it.
    check_equal(book.sheetnames, ["Temperature information", "Analysis"], f"{path}: sheets")
    check_analysis_sheet(path, book["Analysis"], *analysis)
    sheet = book.worksheets[0]
    check_equal(sorted(str(r) for r in sheet.merged_cells.ranges),
                sorted(["A1:H2", f"A{25 + n}:G{45 + n}"]), f"{path}: merged ranges")
    columns = sheet.column_dimensions["A"]
    check_equal((columns.min, columns.max), (1, 16384), f"{path}: one width for every column")
    # Excel stores a width of 18 characters as 18 plus its cell padding.
    check(abs(columns.width - 18.7109375) < 1e-6, f"{path}: column width {columns.width}")
    style = book._cell_styles[columns.style_id] if hasattr(book, "_cell_styles") else None
    if style is not None:
        alignment = book._alignments[style.alignmentId]
        check_equal((alignment.horizontal, alignment.vertical), ("center", "center"),
                    f"{path}: the columns' alignment")

    def value(cell):
        return sheet[cell].value

    interval_line, interval_value = expected_device_texts(interval)
    expected = {
        "A1": "Temperature information",
        "A3": source,
        "H3": "Report Date：" + local(NOW),
        "A4": "Delivery Company：", "B4": companies["delivery"],
        "E4": "Receiving Company：", "F4": companies["receiving"],
        "A5": "Transport Company：", "B5": "Calder Cold Freight",
        "E5": "Date Of Delivery：",
        "A6": "Transport Number：", "B6": "CF-20417",
        "A8": "Device Information：",
        "A9": "Device S/N：", "B9": serial, "G9": "Shutdown Mode：", "H9": "Manual mode",
        "A10": "Upper Limit Alarm：", "B10": f"{in_unit(8):.1f}{sign()}", "C10": "Start Delay：", "D10": "10min",
        "G10": "Log Interval：", "H10": interval_value,
        "A11": "lower Limit Alarm：", "B11": f"{in_unit(2):.1f}{sign()}", "C11": "Alarm Delay：", "D11": "30min",
        "G11": "Log Cycle：", "H11": f"{interval // 10}day",
        "A12": "Logging Summary：",
        "A13": "Highest Temperature：", "C13": "Average Temperature：",
        "G13": "Start Time：", "H13": local(start),
        "A14": "Lowest Temperature：", "C14": "Data Points：", "D14": str(count),
        "G14": "Stop Time：", "H14": local(start + count * interval),
        f"A{24 + n}": "Data Chart",
    }
    heads = ["Number", "Product Name", "Specification Model", "Product Batch Number",
             "Period of validity", "unit", "Quantity", "Shipment Number"]
    for column, head in zip("ABCDEFGH", heads):
        expected[f"{column}19"] = head
    for i, product in enumerate(product_rows):
        for column, text in zip("ABCDEFGH", product):
            expected[f"{column}{20 + i}"] = text
    head_row = 54 + 2 * n
    for column, title in zip("ABCD", ["Number", "Record time", "Temperature" + sign(), "Alarm"]):
        expected[f"{column}{head_row}"] = title
    # Counts and quantities are numbers, the texts with ℃ stay texts.
    typed = {"D14": "n", **{f"G{20 + i}": "n" for i in range(n)}}
    for cell, wanted in expected.items():
        check_equal((shown(sheet[cell]), sheet[cell].data_type), (wanted, typed.get(cell, "s")), f"{path}: {cell}")
    for cell in ("B13", "D13", "B14"):
        check(re.fullmatch(r"-?\d+\.\d" + sign(), value(cell) or "") is not None, f"{path}: {cell} = {value(cell)!r}")
    check(re.fullmatch(r"\d{4}-\d\d-\d\d", value("F5") or "") is not None, f"{path}: F5 = {value('F5')!r}")

    # Every other row of the layout stays empty.
    empty_rows = [7, 15, 16, 17, 18] + list(range(20 + n, 24 + n)) + list(range(46 + n, head_row))
    for row in empty_rows:
        cells = [sheet.cell(row, column).value for column in range(1, 9)]
        check(all(cell is None for cell in cells), f"{path}: row {row} is empty, holds {cells}")

    # Each sample row shows what the CSV file says, as a number, a date and a number, and beside
    # them the limit an alarm sample is beyond.
    for j, sample in enumerate(samples):
        cells = [sheet.cell(head_row + 1 + j, column) for column in (1, 2, 3, 4)]
        shown_row = [(shown(cell), cell.data_type) for cell in cells]
        alarm = {1: ("above", "s"), -1: ("below", "s"), 0: (None, "n")}[sample["alarm"]]
        if shown_row != [(str(j + 1), "n"), (sample["time"], "d"), (sample["temperature"], "n"), alarm]:
            check(False, f"{path}: sample row {head_row + 1 + j}: {shown_row}")
            break
    check_equal(sheet.max_row, head_row + count, f"{path}: last row")
    if UNIT == "F":
        for each in book.worksheets:
            for row in each.iter_rows(values_only=True):
                for cell in row:
                    if isinstance(cell, str) and ("°C" in cell or "℃" in cell):
                        check(False, f"{path}: a cell in °C in a workbook in °F: {cell!r}")

    for row in sheet.iter_rows():
        for cell in row:
            # The source runs on to the right from A3.
            wanted = ("left", None) if cell.coordinate == "A3" else ("center", "center")
            if cell.value is not None and (cell.alignment.horizontal, cell.alignment.vertical) != wanted:
                check(False, f"{path}: {cell.coordinate} is not aligned as {wanted}")

    # The picture covers exactly the merged range: from A(25 + n) to the end of G(45 + n),
    # 7 columns of 131 pixels by 21 rows of 20 pixels.
    # The picture is the chart the export drew, and the document is dated by the export's clock.
    with zipfile.ZipFile(path) as archive:
        drawing = archive.read("xl/drawings/drawing1.xml").decode()
        with open(chart, "rb") as stream:
            check(archive.read("xl/media/image1.bmp") == stream.read(), f"{path}: the picture is {chart}")
        properties = archive.read("docProps/core.xml").decode()
        custom = archive.read("docProps/custom.xml").decode()
    digest = source.split("SHA-256 ")[1].split(" ")[0]
    for name, wanted in (("Source SHA-256", digest), ("Program", "velka 1.0")):
        check(re.search(rf'name="{name}"><vt:lpwstr>{re.escape(wanted)}</vt:lpwstr>', custom) is not None,
              f"{path}: property {name} = {wanted}: {custom}")
    created = datetime.datetime.fromtimestamp(NOW, datetime.timezone.utc).strftime("%Y-%m-%dT%H:%M:%SZ")
    check(f'<dcterms:created xsi:type="dcterms:W3CDTF">{created}</dcterms:created>' in properties,
          f"{path}: created at {created}: {properties}")
    anchor = re.search(r"<xdr:from><xdr:col>(\d+)</xdr:col><xdr:colOff>(\d+)</xdr:colOff><xdr:row>(\d+)"
                       r"</xdr:row><xdr:rowOff>(\d+)</xdr:rowOff></xdr:from><xdr:to><xdr:col>(\d+)"
                       r"</xdr:col><xdr:colOff>(\d+)</xdr:colOff><xdr:row>(\d+)</xdr:row><xdr:rowOff>"
                       r"(\d+)</xdr:rowOff></xdr:to>", drawing)
    check(anchor is not None, f"{path}: picture anchor")
    if anchor:
        values = tuple(int(group) for group in anchor.groups())
        check_equal(values[:4], (0, 0, 24 + n, 0), f"{path}: picture's top-left corner")
        end_of_g = values[4:6] in ((7, 0), (6, 131 * 9525))
        check(end_of_g and values[6:] == (45 + n, 0), f"{path}: picture's bottom-right corner {values[4:]}")
    extent = re.search(r'<a:ext cx="(\d+)" cy="(\d+)"/>', drawing)
    check(extent is not None and (int(extent.group(1)), int(extent.group(2))) == (7 * 131 * 9525, 21 * 20 * 9525),
          f"{path}: picture size {extent.groups() if extent else None}")


# ---------------------------------------------------------------------------------------------
# Chart bitmap


def check_bitmap(path):
    with open(path, "rb") as stream:
        data = stream.read()
    check_equal(len(data), 1209654, f"{path}: size")
    header = struct.unpack("<2sIHHIIiiHHIIiiII", data[:54])
    check_equal(header, (b"BM", 1209654, 0, 0, 54, 40, 840, 480, 1, 24, 0, 0, 0, 0, 0, 0), f"{path}: headers")

    def pixel(x, y):  # y counted from the top of the picture; rows are stored bottom first
        offset = 54 + (479 - y) * 2520 + 3 * x
        return tuple(data[offset:offset + 3])

    # The canvas sits at (1, 1); its legend swatches are black, red and blue (stored B, G, R).
    check_equal(pixel(1 + 160, 1 + 10), (0, 0, 0), f"{path}: the Normal swatch")
    check_equal(pixel(1 + 265, 1 + 10), (0, 0, 255), f"{path}: the Upper limit swatch")
    check_equal(pixel(1 + 380, 1 + 10), (255, 0, 0), f"{path}: the Lower limit swatch")
    check_equal(pixel(0, 0), (255, 255, 255), f"{path}: the uncovered top-left pixel")
    check_equal(pixel(839, 479), (255, 255, 255), f"{path}: the uncovered bottom-right pixel")


# ---------------------------------------------------------------------------------------------


STANDARD_COMPANIES = {"delivery": "Nordvik Pharma AS", "receiving": "St. Brigid Hospital"}


def check_recording(name, count, interval, serial=None, edit=None, products=None, companies=STANDARD_COMPANIES,
                    choice=("logger", 83.144), unit="C"):
    global UNIT
    UNIT = unit
    image = synth(name, count, interval, serial)
    if edit is not None:
        edit(image)
    decoded = json.loads(run("decode", image))
    start = decoded["startTime"]
    analysis = expected_analysis(decoded, *choice)
    with open(image, "rb") as stream:
        digest = hashlib.sha256(stream.read()).hexdigest()
    # Run in UTC (TZ=UTC): the zone is named as TZ names it.
    source = f"Source: {os.path.basename(image)} · SHA-256 {digest} · times in UTC, UTC+00:00"
    # The choice as the window keeps it, other settings around it.
    with open(CONFIG, "w", encoding="utf-8") as stream:
        stream.write(f"[Velka]\nCheck WP Enable=0\nAlarm Profile={choice[0]}\n"
                     f"MKT Activation Energy={choice[1]}\nTemperature Unit={unit}\n")
    samples_reported, paths = export(image)
    check_equal(samples_reported, count, f"{name}: samples")
    samples = read_csv(paths["csv"])
    check_equal(len(samples), count, f"{name}: CSV rows")
    check_csv_times(samples, start, interval, name)
    # The samples as the decode gives them in °C, converted here.
    shown = [f"{in_unit(sample['temperature']):.1f}" for sample in decoded["samples"]]
    check_equal([sample["temperature"] for sample in samples], shown, f"{name}: CSV temperatures")
    serial_text = decoded["serialText"]
    if serial is not None:
        check_equal(serial_text, serial.rjust(8, "0"), f"{name}: serial text")
    product_rows = products if products is not None else SYNTHETIC_PRODUCTS(start)
    check_pdf(paths["pdf"], samples, start, interval, serial_text,
              [" ".join(row[:5] + row[5:]) for row in product_rows], companies, analysis_page_lines(*analysis),
              source)
    check_workbook(paths["xlsx"], samples, start, interval, serial_text, product_rows, companies, paths["chart"],
                   analysis, source)
    check_bitmap(paths["chart"])
    with open(USERS_GRAPH, "rb") as stream:
        check_equal(stream.read(), b"the user's own picture", f"{name}: a file of the user's named graph.bmp")


def SYNTHETIC_PRODUCTS(start):
    validity = datetime.datetime.fromtimestamp(start + 540 * 86400, datetime.timezone.utc).strftime("%Y-%m-%d")
    return [["VX-0041", "Influenza vaccine", "10 x 0.5 ml", "B2611A", validity, "bx", "120", "SH-77812"],
            ["IN-2210", "Insulin glargine", "10 ml vial", "L0934", validity, "vl", "400", "SH-77812"],
            ["RG-118", "Diagnostic reagent", "2-8 C kit", "R55-07", validity, "kg", "25", "SH-77813"]]


def drop_products(image):
    # An id byte of 0 ends the product table at once.
    with open(image, "r+b") as stream:
        stream.seek(0x3A9E)
        stream.write(b"\0")


NORDIC_COMPANIES = {"delivery": "Ålesund Kjøl AS", "receiving": "Tromsø Apotek"}
NORDIC_PRODUCT = ["NO-7", "Æble-vaksine Ø", "冷链 2-8 ℃", "B7", "2025-01-02", "æs", "12", "SH-Å"]


def nordic(image):
    p = NORDIC_PRODUCT
    settings = os.path.join(WORK, "nordic.json")
    with open(settings, "w", encoding="utf-8") as stream:
        json.dump({"deliveryCompany": NORDIC_COMPANIES["delivery"],
                   "receivingCompany": NORDIC_COMPANIES["receiving"],
                   "products": [{"number": p[0], "name": p[1], "spec": p[2], "batch": p[3], "unit": p[5],
                                 "quantity": int(p[6]), "shipment": p[7],
                                 "validity": int(datetime.datetime.strptime(p[4], "%Y-%m-%d").replace(
                                     tzinfo=datetime.timezone.utc).timestamp())}]}, stream)
    run("apply-settings", image, settings, "--out", image)


TEN_PRODUCTS = [[f"N{i}", f"Name {i}", f"Spec {i}", f"B{i}", "2025-01-0" + str(i % 9 + 1), "pc", str(10 * i), f"S{i}"]
                for i in range(10)]


def ten_products(image):
    products = [{"number": p[0], "name": p[1], "spec": p[2], "batch": p[3], "unit": p[5],
                 "quantity": int(p[6]), "shipment": p[7],
                 "validity": int(datetime.datetime.strptime(p[4], "%Y-%m-%d").replace(
                     tzinfo=datetime.timezone.utc).timestamp())} for p in TEN_PRODUCTS]
    settings = os.path.join(WORK, "ten.json")
    with open(settings, "w") as stream:
        json.dump({"products": products}, stream)
    run("apply-settings", image, settings, "--out", image)


def check_failures():
    """Wrong use exits 2. An export that cannot be written, has nothing to report or would
    overwrite its own input exits 1 with one line, and writes none of its outputs, so that
    earlier reports at those paths stay as they were."""
    image = synth("fail", 60, 300)
    with open(image, "rb") as stream:
        image_bytes = stream.read()
    earlier = os.path.join(WORK, "earlier.csv")

    # The earlier report is there to be replaced: --force, unless a case is about it.
    def attempt(*arguments, limit_file_size=None, force=True, env=None):
        def limit():
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit_file_size, limit_file_size))
        with open(earlier, "w") as stream:
            stream.write("an earlier report")
        return subprocess.run([CLI, *arguments, *(["--force"] if force else []),
                               "--data-root", DATA_ROOT, "--now", str(NOW)],
                              capture_output=True, text=True, env=env,
                              preexec_fn=limit if limit_file_size is not None else None)

    def refused(what, result, line):
        lines = result.stderr.splitlines()
        check(result.returncode == 1 and len(lines) == 1 and lines[0] == line,
              f"{what}: exit {result.returncode}, {result.stderr!r}, expected {line!r}")
        with open(earlier) as stream:
            check_equal(stream.read(), "an earlier report", f"{what}: the earlier CSV")
        with open(image, "rb") as stream:
            check(stream.read() == image_bytes, f"{what}: the input image is unchanged")

    check_equal(attempt("export", image).returncode, 2, "export without a report to write")
    missing = os.path.join(WORK, "missing", "report.pdf")
    refused("a missing folder", attempt("export", image, "--csv", earlier, "--pdf", missing),
            f"velka-cli export: cannot write --pdf {missing}: No such file or directory")
    refused("a folder as the output", attempt("export", image, "--csv", earlier, "--xlsx", WORK),
            f"velka-cli export: cannot write --xlsx {WORK}: it is a folder")
    refused("the input as an output", attempt("export", image, "--csv", os.path.join(WORK, ".", "fail.bin")),
            f"velka-cli export: --csv {os.path.join(WORK, '.', 'fail.bin')} would replace the input image")
    both = os.path.join(WORK, "both.pdf")
    refused("one file for two outputs", attempt("export", image, "--csv", earlier, "--pdf", both, "--xlsx", both),
            f"velka-cli export: --xlsx {both} and --pdf {both} are the same file")
    check(not os.path.exists(os.path.join(WORK, "missing")) and not os.path.exists(both),
          "a refused export leaves nothing behind")

    # A file that cannot be written to the end says why, and leaves neither it nor a temporary
    # file behind.
    full = os.path.join(WORK, "full")
    os.makedirs(full)
    result = attempt("export", image, "--pdf", os.path.join(full, "report.pdf"), limit_file_size=100000)
    check(result.returncode == 1 and result.stderr ==
          f"velka-cli export: PDF save FAILED: cannot write {full}/report.pdf: File too large\n",
          f"a disk that takes no more: {result.stderr!r}")
    check_equal(os.listdir(full), [], "what a failed write leaves")
    # All or nothing: the CSV is written before the PDF fails, and still does not take its name.
    refused("a disk that takes the CSV but not the PDF",
            attempt("export", image, "--csv", earlier, "--pdf", os.path.join(full, "report.pdf"),
                    limit_file_size=100000),
            f"velka-cli export: PDF save FAILED: cannot write {full}/report.pdf: File too large")
    check_equal(os.listdir(full), [], "what a failed write of several outputs leaves")

    # An output that exists is replaced only with --force, and never one that Velka keeps.
    refused("an output that exists", attempt("export", image, "--csv", earlier, force=False),
            f"velka-cli export: --csv {earlier} already exists; --force replaces it")
    config_home = os.path.join(WORK, "config")
    settings_file = os.path.join(config_home, "velka", "config.ini")
    os.makedirs(os.path.dirname(settings_file))
    in_archive = os.path.join(DATA_ROOT, "Data", "old report.pdf")
    kept = {
        image: "a stored logger image",
        in_archive: f"in the archive folder {DATA_ROOT}/Data",
        settings_file: "the settings file",
        os.path.join(DATA_ROOT, "reftable", "current.txt"): "a reference table",
    }
    for path, what in kept.items():
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if path != image:
            with open(path, "w") as stream:
                stream.write("kept")
        result = attempt("export", image, "--csv", earlier, "--pdf", path,
                         env={**os.environ, "XDG_CONFIG_HOME": config_home})
        expected = (f"velka-cli export: --pdf {path} would replace the input image" if path == image
                    else f"velka-cli export: --pdf {path} is {what}, which a report never replaces")
        refused(what, result, expected)
        if path != image:
            with open(path) as stream:
                check_equal(stream.read(), "kept", f"{what}: kept")
    other_image = synth("other", 10, 300)
    refused("another stored image", attempt("export", image, "--csv", other_image),
            f"velka-cli export: --csv {other_image} is a stored logger image, which a report "
            "never replaces")
    check_equal(attempt("export", image, "--csv", "/dev/null", force=False).returncode, 0,
                "an output that is no regular file is written through")
    # A link another user put in a shared folder is not followed to a file of ours.
    if os.geteuid() == 0:
        shared = os.path.join(WORK, "shared")
        os.makedirs(shared)
        os.chmod(shared, 0o1777)
        planted = os.path.join(shared, "report.csv")
        os.symlink(earlier, planted)
        os.lchown(planted, 4321, 4321)
        refused("a link planted in a shared folder", attempt("export", image, "--csv", planted),
                f"velka-cli export: --csv {planted} is a link that another user made in the "
                f"shared folder {shared}, which is not followed")

    empty = os.path.join(WORK, "empty.bin")
    with open(empty, "wb") as stream:
        stream.write(bytes(16384))
    refused("an empty record", attempt("export", empty, "--csv", earlier, "--pdf", os.path.join(WORK, "empty.pdf")),
            "velka-cli export: Please Insert Device: the record holds no samples")
    check(not os.path.exists(os.path.join(WORK, "empty.pdf")), "no PDF of an empty record")
    # The samples alone of an empty record are a head row.
    check_equal(attempt("export", empty, "--csv", earlier).returncode, 0, "the CSV of an empty record")
    with open(earlier, encoding="utf-8") as stream:
        check_equal(stream.read(), "Number,Record time,Temperature℃,Alarm\n", "the CSV of an empty record")


def main():
    os.environ["TZ"] = "UTC"
    # The workbook's chart once went through DATA-ROOT/Data/graph.bmp, taking the user's file.
    os.makedirs(os.path.dirname(USERS_GRAPH))
    with open(USERS_GRAPH, "wb") as stream:
        stream.write(b"the user's own picture")
    try:
        check_failures()
        # 55 samples: one full table page and one more row; seconds form of the interval.
        check_recording("s55", 55, 30)
        # 54 samples fit one table page; minutes form; a serial number with leading zeros.
        check_recording("s54", 54, 1800, serial="1234")
        check_recording("none", 60, 300, edit=drop_products, products=[])
        # Another profile and activation energy from config.ini: the analysis follows them.
        check_recording("ten", 60, 300, edit=ten_products, products=TEN_PRODUCTS, choice=("usp-crt", 100.5))
        # Letters beyond ASCII print as themselves and copy back as typed.
        check_recording("nordic", 60, 300, edit=nordic, products=[NORDIC_PRODUCT], companies=NORDIC_COMPANIES)
        # In °F from config.ini, with a profile whose thresholds and MKT ceiling are converted too.
        check_recording("fahrenheit", 60, 300, choice=("usp-crt", 83.144), unit="F")
        # A full logger: 8,772 samples, 163 table pages.
        check_recording("full", 8772, 300)
    finally:
        shutil.rmtree(WORK, ignore_errors=True)
    if FAILURES:
        print(f"{len(FAILURES)} checks failed")
        return 1
    print("all export checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
