#pragma once

// PDF documents for the compressor's tests, made by the tests themselves:
// pages of noisy photographs (which Ghostscript can shrink a lot), a small
// page of text (which it cannot), and protected copies made with qpdf.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace swtest {

// A JPEG "photograph": a colour gradient under noise, so it compresses
// poorly as it is and well once brought down in resolution.
inline QByteArray photoJpeg(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(64u));
            line[x] = qRgb((x * 255 / width + noise) & 255, (y * 255 / height + noise) & 255, (seed * 40 + noise) & 255);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 92);
    return bytes;
}

// Writes a PDF of the given page bodies; each page holds its content stream
// and, optionally, one JPEG image drawn across it.
struct PdfPage
{
    QByteArray content;
    QByteArray jpeg;  // empty: no image
    int jpegWidth = 0, jpegHeight = 0;
    double width = 612, height = 792;  // points
};

inline bool writePdf(const QString &path, const QList<PdfPage> &pages)
{
    QList<QByteArray> objects{QByteArray()};  // 1: the page tree, filled last
    auto add = [&objects](const QByteArray &body) {
        objects.append(body);
        return int(objects.size());
    };
    const int font = add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    QByteArray kids;
    for (const PdfPage &page : pages) {
        QByteArray resources = "/Font << /F1 " + QByteArray::number(font) + " 0 R >>";
        if (!page.jpeg.isEmpty()) {
            const int image = add("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(page.jpegWidth) +
                                  " /Height " + QByteArray::number(page.jpegHeight) +
                                  " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode /Length " +
                                  QByteArray::number(page.jpeg.size()) + " >>\nstream\n" + page.jpeg + "\nendstream");
            resources += " /XObject << /Im0 " + QByteArray::number(image) + " 0 R >>";
        }
        const int content = add("<< /Length " + QByteArray::number(page.content.size()) + " >>\nstream\n" +
                                page.content + "\nendstream");
        kids += QByteArray::number(add("<< /Type /Page /Parent 1 0 R /MediaBox [0 0 " +
                                       QByteArray::number(page.width) + ' ' + QByteArray::number(page.height) +
                                       "] /Contents " + QByteArray::number(content) + " 0 R /Resources << " +
                                       resources + " >> >>")) +
                " 0 R ";
    }
    objects[0] = "<< /Type /Pages /Count " + QByteArray::number(pages.size()) + " /Kids [" + kids + "] >>";
    const int catalog = add("<< /Type /Catalog /Pages 1 0 R >>");
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root " + QByteArray::number(catalog) +
           " 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
}

// pages pages, each a width x height photograph printed 4 inches wide.
inline bool writePhotoPdf(const QString &path, int pages, int width = 1600, int height = 1200)
{
    QList<PdfPage> list;
    for (int i = 0; i < pages; ++i) {
        PdfPage page;
        page.width = 288;
        page.height = 288.0 * height / width;
        page.jpeg = photoJpeg(width, height, quint32(i + 1));
        page.jpegWidth = width;
        page.jpegHeight = height;
        page.content = "q " + QByteArray::number(page.width) + " 0 0 " + QByteArray::number(page.height) +
                       " 0 0 cm /Im0 Do Q";
        list.append(page);
    }
    return writePdf(path, list);
}

// One page with a line of text: nothing Ghostscript could make smaller.
inline bool writeTextPdf(const QString &path)
{
    PdfPage page;
    page.content = "BT /F1 24 Tf 72 700 Td (Hello) Tj ET";
    return writePdf(path, {page});
}

inline bool hasQpdf()
{
    return !QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty();
}

// qpdf --encrypt USER OWNER 256 RESTRICTIONS... -- in out
inline bool encryptPdf(const QString &in, const QString &out, const QString &user, const QString &owner,
                       const QStringList &restrictions = {})
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), QStringList{QStringLiteral("--encrypt"), user, owner, QStringLiteral("256")} +
                                           restrictions + QStringList{QStringLiteral("--"), in, out});
    return qpdf.waitForFinished(60000) && qpdf.exitStatus() == QProcess::NormalExit && qpdf.exitCode() == 0;
}

}  // namespace swtest
