#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a corpus of everyday PDF documents with Debian's own tools, the
kinds a person asks to shrink: typeset text (groff, tbl, eqn and ps2pdf),
vector drawings (pic, and SVG charts through rsvg-convert, which writes
PDF with cairo), scanned pages (pages rendered by Ghostscript, aged with
ImageMagick and kept as JPEG or as a lossless image), a photo album,
a manual full of small icons (the Adwaita theme's PNGs, with their alpha
as soft masks) and a page of transparency (translucent shapes, a photo
faded out through a soft mask).

usage: make_corpus.py OUT_FOLDER WORK_FOLDER
Writes OUT_FOLDER/NAME.pdf for each document and prints their names.
"""
import base64
import glob
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
LICENSE = "/usr/share/common-licenses/GPL-3"
ICONS = "/usr/share/icons/Adwaita"


def run(*args, stdin=None, stdout=None):
    subprocess.run(args, check=True, stdin=stdin, stdout=stdout, stderr=subprocess.DEVNULL)


def paragraphs():
    """The license's paragraphs, each one line."""
    text = open(LICENSE, encoding="utf-8").read()
    return [" ".join(p.split()) for p in text.split("\n\n") if p.strip()]


def troff_text(paras):
    out = []
    for p in paras:
        p = p.replace("\\", "\\e")
        if p.startswith((".", "'")):
            p = "\\&" + p
        if p.isupper() or (len(p) < 60 and p[:1].isdigit()):
            out.append(".SH\n" + p)
        else:
            out.append(".PP\n" + p)
    return "\n".join(out) + "\n"


def groff_pdf(source, out, preprocessors=()):
    ps = out + ".ps"
    with open(ps, "wb") as f:
        run("groff", *["-" + p for p in preprocessors], "-man", "-Tps", source, stdout=f)
    run("ps2pdf", ps, out)
    os.remove(ps)


def text_document(out, work):
    src = os.path.join(work, "text.man")
    with open(src, "w") as f:
        f.write(".TH LICENSE 7 2007 Corpus\n.SH NAME\nlicense \\- the terms\n" + troff_text(paragraphs()))
    groff_pdf(src, out)


def tables_document(out, work):
    rnd = random.Random(7)
    body = [".TH MEASURES 7 2024 Corpus", ".SH RESULTS"]
    for t in range(12):
        body += [".PP", "Table %d lists the readings of one week, and the fit below it." % (t + 1),
                 ".TS", "box center tab(;);", "l | n | n | n | n.", "Day;Low;High;Mean;Spread", "_"]
        for day in ("Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"):
            low = rnd.uniform(0, 20)
            high = low + rnd.uniform(1, 15)
            body.append("%s;%.2f;%.2f;%.2f;%.3f" % (day, low, high, (low + high) / 2, (high - low) / 7))
        body += [".TE", ".EQ", "x sub %d = {sum from i=1 to n a sub i} over {sqrt {n + %d}}" % (t, t), ".EN"]
    src = os.path.join(work, "tables.man")
    open(src, "w").write("\n".join(body) + "\n")
    groff_pdf(src, out, ("t", "e"))


def drawings_document(out, work):
    body = [".TH DIAGRAMS 7 2024 Corpus", ".SH FLOWS"]
    for d in range(10):
        body += [".PP", "Diagram %d: the stages of a job and where it may go back." % (d + 1), ".PS"]
        for s in range(6):
            body.append('B%d: box "stage %d.%d" wid 0.9 ht 0.4%s' % (s, d, s, "" if s == 0 else " with .w at B%d.e + (0.3, 0)" % (s - 1)))
            if s:
                body.append("arrow from B%d.e to B%d.w" % (s - 1, s))
        body += ['circle rad 0.25 "end" at B5.s + (0, -0.7)', "arrow from B5.s to last circle.n",
                 "spline -> from B3.s down 0.5 then left 1.2 then up 0.5 to B1.s",
                 'ellipse wid 1.5 ht 0.4 "retry" at B2.s + (0, -0.9)', ".PE"]
    src = os.path.join(work, "drawings.man")
    open(src, "w").write("\n".join(body) + "\n")
    groff_pdf(src, out, ("p",))


def svg_pdf(svg, out, work):
    path = os.path.join(work, os.path.basename(out) + ".svg")
    open(path, "w").write(svg)
    run("rsvg-convert", "-f", "pdf", "-o", out, path)


def chart_document(out, work):
    rnd = random.Random(3)
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="595" height="842">',
             '<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#3a7bd5"/><stop offset="1" stop-color="#ffffff"/></linearGradient></defs>',
             '<rect width="595" height="842" fill="white"/>']
    for c in range(3):
        top = 40 + c * 260
        parts.append('<rect x="50" y="%d" width="500" height="220" fill="url(#g)" stroke="black"/>' % top)
        for series, colour in enumerate(("#c0392b", "#27ae60", "#8e44ad")):
            y, points = 110.0, []
            for i in range(800):
                y = min(210, max(10, y + rnd.uniform(-4, 4)))
                points.append("%.2f,%.2f" % (50 + i * 500 / 800, top + y))
            parts.append('<polyline fill="none" stroke="%s" stroke-width="0.8" points="%s"/>' % (colour, " ".join(points)))
        for t in range(11):
            parts.append('<text x="%d" y="%d" font-family="DejaVu Sans" font-size="8">%d</text>' % (45 + t * 50, top + 232, t * 10))
    parts.append("</svg>")
    svg_pdf("\n".join(parts), out, work)


def page_images(pdf, work, dpi, device):
    prefix = os.path.join(work, os.path.basename(pdf) + "-%02d.png")
    run("gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=" + device, "-r%d" % dpi,
        "-dFirstPage=1", "-dLastPage=3", "-sOutputFile=" + prefix, pdf)
    return sorted(glob.glob(prefix.replace("%02d", "*")))


def scanned_document(out, work, text_pdf, grey):
    """Three pages of text as a scanner gives them: 300 dpi, tinted paper,
    noise, a slight skew, kept as JPEG."""
    jpegs = []
    for n, png in enumerate(page_images(text_pdf, work, 300, "pnggray" if grey else "png16m")):
        jpg = png[:-4] + ".jpg"
        look = ["-colorspace", "Gray"] if grey else ["-fill", "#f3ead2", "-opaque", "white"]
        run("convert", png, *look, "-rotate", "0.%d" % (n + 3), "-attenuate", "0.4", "+noise", "Gaussian",
            "-blur", "0x0.5", "-quality", "85", jpg)
        jpegs.append(jpg)
    run("python3", os.path.join(HERE, "make_photo_pdf.py"), out, "8.27", *jpegs)


def lossless_scan_document(out, work, drawings_pdf):
    """Pages kept as one lossless image each, as some scanning programs do."""
    run("gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pdfimage24", "-r200", "-dFirstPage=1",
        "-dLastPage=2", "-sOutputFile=" + out, drawings_pdf)


def photo_album(out, work):
    jpegs = []
    for n in range(4):
        jpg = os.path.join(work, "album%d.jpg" % n)
        run("convert", "-seed", str(n + 11), "-size", "2400x1800", "plasma:fractal", "-blur", "0x1",
            "-quality", "90", jpg)
        jpegs.append(jpg)
    run("python3", os.path.join(HERE, "make_photo_pdf.py"), out, "8", *jpegs)


def data_uri(path, kind):
    return "data:%s;base64,%s" % (kind, base64.b64encode(open(path, "rb").read()).decode())


def icons_document(out, work):
    """A manual: a line of text per entry, each led by a small icon."""
    icons = sorted(p for p in glob.glob(ICONS + "/48x48/legacy/*.png") if "symbolic" not in p)[:120]
    small = sorted(p for p in glob.glob(ICONS + "/16x16/legacy/*.png") if "symbolic" not in p)[:120]
    paras = paragraphs()
    pages, per_page = [], 20
    for start in range(0, len(icons), per_page):
        parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="595" height="842">']
        for row, icon in enumerate(icons[start:start + per_page]):
            y = 30 + row * 40
            parts.append('<image x="40" y="%d" width="32" height="32" href="%s"/>' % (y, data_uri(icon, "image/png")))
            if small:
                parts.append('<image x="540" y="%d" width="12" height="12" href="%s"/>' % (y + 10, data_uri(small[(start + row) % len(small)], "image/png")))
            words = paras[(start + row) % len(paras)][:90].replace("&", "&amp;").replace("<", "&lt;")
            parts.append('<text x="84" y="%d" font-family="DejaVu Sans" font-size="9">%s</text>' % (y + 20, words))
        parts.append("</svg>")
        pages.append("\n".join(parts))
    pdfs = []
    for n, svg in enumerate(pages):
        page = os.path.join(work, "icons%d.pdf" % n)
        svg_pdf(svg, page, work)
        pdfs.append(page)
    merge(pdfs, out)


def merge(pdfs, out):
    run("qpdf", "--empty", "--pages", *pdfs, "--", out)


def transparency_document(out, work):
    """Translucent shapes over text, and a photograph faded out at its edges
    through its alpha channel (a soft mask in the PDF)."""
    photo = os.path.join(work, "faded.png")
    run("convert", "-seed", "5", "-size", "900x600", "plasma:fractal", "(", "-size", "900x600",
        "radial-gradient:white-black", ")", "-alpha", "off", "-compose", "CopyOpacity", "-composite", photo)
    badge = os.path.join(work, "badge.png")
    run("convert", "-size", "160x160", "xc:none", "-fill", "#e67e22a0", "-draw", "circle 80,80 80,5", badge)
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="595" height="842">']
    for line, text in enumerate(paragraphs()[:40]):
        parts.append('<text x="40" y="%d" font-family="DejaVu Serif" font-size="8">%s</text>'
                     % (30 + line * 20, text[:110].replace("&", "&amp;").replace("<", "&lt;")))
    parts.append('<image x="60" y="200" width="450" height="300" href="%s"/>' % data_uri(photo, "image/png"))
    for i in range(12):
        parts.append('<rect x="%d" y="%d" width="160" height="90" fill="#2980b9" fill-opacity="0.%d" rx="12"/>'
                     % (40 + (i % 3) * 170, 540 + (i // 3) * 70, 2 + i % 6))
    for i in range(6):
        parts.append('<image x="%d" y="60" width="60" height="60" opacity="0.8" href="%s"/>'
                     % (60 + i * 80, data_uri(badge, "image/png")))
    parts.append("</svg>")
    svg_pdf("\n".join(parts), out, work)


def main():
    out, work = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    os.makedirs(work, exist_ok=True)
    docs = {}

    def make(name, fn, *args):
        docs[name] = os.path.join(out, name + ".pdf")
        fn(docs[name], work, *args)

    make("text", text_document)
    make("tables", tables_document)
    make("drawings", drawings_document)
    make("chart", chart_document)
    make("scan-colour", scanned_document, docs["text"], False)
    make("scan-grey", scanned_document, docs["text"], True)
    make("scan-lossless", lossless_scan_document, docs["drawings"])
    make("photos", photo_album)
    make("icons", icons_document)
    make("transparency", transparency_document)
    for name in docs:
        print(name)


if __name__ == "__main__":
    main()
