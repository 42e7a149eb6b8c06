#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a PDF with one JPEG photograph per page, each image drawn on a
page of the given width in inches (the height follows the image), so the
images' resolution is pixels / inches.

usage: make_photo_pdf.py OUT.pdf WIDTH_INCHES PHOTO.jpg...
"""
import struct
import sys


def jpeg_size(data):
    i = 2
    while i < len(data):
        if data[i] != 0xFF:
            raise ValueError("not a JPEG")
        marker = data[i + 1]
        length = struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            height, width = struct.unpack(">HH", data[i + 5:i + 9])
            return width, height, data[i + 9]
        i += 2 + length
    raise ValueError("no frame header")


def main():
    out, inches, photos = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    objects = []  # bodies, numbered from 1

    def add(body):
        objects.append(body)
        return len(objects)

    pages_id = add(None)
    kids = []
    for n, path in enumerate(photos):
        data = open(path, "rb").read()
        w, h, comps = jpeg_size(data)
        space = b"/DeviceRGB" if comps == 3 else b"/DeviceGray"
        image = add(b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace %s "
                    b"/BitsPerComponent 8 /Filter /DCTDecode /Length %d >>\nstream\n" % (w, h, space, len(data))
                    + data + b"\nendstream")
        pw, ph = inches * 72, inches * 72 * h / w
        draw = b"q %.2f 0 0 %.2f 0 0 cm /Im0 Do Q" % (pw, ph)
        content = add(b"<< /Length %d >>\nstream\n" % len(draw) + draw + b"\nendstream")
        kids.append(add(b"<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %.2f %.2f] /Contents %d 0 R "
                        b"/Resources << /XObject << /Im0 %d 0 R >> >> >>" % (pages_id, pw, ph, content, image)))
    objects[pages_id - 1] = b"<< /Type /Pages /Count %d /Kids [%s] >>" % (
        len(kids), b" ".join(b"%d 0 R" % k for k in kids))
    catalog = add(b"<< /Type /Catalog /Pages %d 0 R >>" % pages_id)

    body = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for i, obj in enumerate(objects, 1):
        offsets.append(len(body))
        body += b"%d 0 obj\n" % i + obj + b"\nendobj\n"
    xref = len(body)
    body += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for off in offsets:
        body += b"%010d 00000 n \n" % off
    body += b"trailer\n<< /Size %d /Root %d 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, catalog, xref)
    open(out, "wb").write(body)


if __name__ == "__main__":
    main()
