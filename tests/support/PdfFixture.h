// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QRegularExpression>
#include <QSet>
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
            const int noise = int(random.bounded(16u));
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

// The objects of a PDF, numbered from 1 in the order added, written with a
// cross-reference table; stream() makes a stream object's body.
class PdfObjects
{
public:
    int add(const QByteArray &body)
    {
        m_objects.append(body);
        return int(m_objects.size());
    }
    void set(int number, const QByteArray &body) { m_objects[number - 1] = body; }
    static QByteArray stream(const QByteArray &dictionary, const QByteArray &data)
    {
        return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data +
               "\nendstream";
    }
    static QByteArray ref(int number) { return QByteArray::number(number) + " 0 R"; }
    bool write(const QString &path, int catalog) const
    {
        QByteArray pdf = "%PDF-1.4\n";
        QList<qsizetype> offsets;
        for (qsizetype i = 0; i < m_objects.size(); ++i) {
            offsets.append(pdf.size());
            pdf += QByteArray::number(i + 1) + " 0 obj\n" + m_objects[i] + "\nendobj\n";
        }
        const qsizetype xref = pdf.size();
        pdf += "xref\n0 " + QByteArray::number(m_objects.size() + 1) + "\n0000000000 65535 f \n";
        for (qsizetype offset : offsets)
            pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        pdf += "trailer\n<< /Size " + QByteArray::number(m_objects.size() + 1) + " /Root " + ref(catalog) +
               " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
    }

private:
    QList<QByteArray> m_objects;
};

// A document of one page per content stream, each page with resources.
inline bool writePages(const QString &path, PdfObjects &objects, const QList<QPair<QByteArray, QByteArray>> &pages,
                       double width = 612, double height = 792)
{
    const int tree = objects.add(QByteArray());
    QByteArray kids;
    for (const auto &[content, resources] : pages) {
        const int stream = objects.add(PdfObjects::stream(QByteArray(), content));
        kids += PdfObjects::ref(objects.add("<< /Type /Page /Parent " + PdfObjects::ref(tree) + " /MediaBox [0 0 " +
                                            QByteArray::number(width) + ' ' + QByteArray::number(height) +
                                            "] /Contents " + PdfObjects::ref(stream) + " /Resources << " +
                                            resources + " >> >>")) +
                ' ';
    }
    objects.set(tree, "<< /Type /Pages /Count " + QByteArray::number(pages.size()) + " /Kids [" + kids + "] >>");
    return objects.write(path, objects.add("<< /Type /Catalog /Pages " + PdfObjects::ref(tree) + " >>"));
}

inline bool writePdf(const QString &path, const QList<PdfPage> &pages)
{
    PdfObjects objects;
    const int font = objects.add("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    QList<QPair<QByteArray, QByteArray>> bodies;
    for (const PdfPage &page : pages) {
        QByteArray resources = "/Font << /F1 " + PdfObjects::ref(font) + " >>";
        if (!page.jpeg.isEmpty())
            resources += " /XObject << /Im0 " +
                         PdfObjects::ref(objects.add(PdfObjects::stream(
                             "/Type /XObject /Subtype /Image /Width " + QByteArray::number(page.jpegWidth) +
                                 " /Height " + QByteArray::number(page.jpegHeight) +
                                 " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode",
                             page.jpeg))) +
                         " >>";
        bodies.append({page.content, resources});
    }
    // Every page of a list has the first one's size.
    return writePages(path, objects, bodies, pages.value(0).width, pages.value(0).height);
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

// A zlib stream of data, for a /FlateDecode stream.
inline QByteArray flate(const QByteArray &data)
{
    return qCompress(data, 9).mid(4);  // qCompress puts the length first
}

// Small documents that make Ghostscript work without end: a page whose
// 150 KB content stream unpacks to two million saved graphics states (gs's
// memory grows as long as it runs), and a page of forms nested twelve deep,
// each drawing the one below ten times (1e11 lines, in constant memory).
enum class Bomb { GrowingMemory, NestedForms };

inline bool writeBombPdf(const QString &path, Bomb kind)
{
    PdfObjects objects;
    if (kind == Bomb::GrowingMemory) {
        const QByteArray content = flate(QByteArray("q 1 0 0 1 0 0 cm 0 0 m 1 1 l S ").repeated(2000000));
        const int stream = objects.add(PdfObjects::stream("/Filter /FlateDecode", content));
        const int tree = objects.add(QByteArray());
        const int page = objects.add("<< /Type /Page /Parent " + PdfObjects::ref(tree) +
                                     " /MediaBox [0 0 612 792] /Contents " + PdfObjects::ref(stream) + " >>");
        objects.set(tree, "<< /Type /Pages /Count 1 /Kids [" + PdfObjects::ref(page) + "] >>");
        return objects.write(path, objects.add("<< /Type /Catalog /Pages " + PdfObjects::ref(tree) + " >>"));
    }
    int form = objects.add(PdfObjects::stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792]", "0 0 m 10 10 l S"));
    for (int level = 1; level < 12; ++level) {
        QByteArray draws;
        for (int i = 0; i < 10; ++i)
            draws += "q 1 0 0 1 " + QByteArray::number(i) + " 0 cm /F Do Q ";
        form = objects.add(PdfObjects::stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792] /Resources << "
                                              "/XObject << /F " + PdfObjects::ref(form) + " >> >>",
                                              draws));
    }
    return writePages(path, objects, {{"/F Do", "/XObject << /F " + PdfObjects::ref(form) + " >>"}});
}

// An image XObject of raw 8-bit samples (1 or 3 per pixel), Flate-packed.
inline QByteArray flateImage(int width, int height, const QByteArray &samples, const QByteArray &extra = {})
{
    const QByteArray space = samples.size() == qsizetype(width) * height ? "/DeviceGray" : "/DeviceRGB";
    return PdfObjects::stream("/Type /XObject /Subtype /Image /Width " + QByteArray::number(width) + " /Height " +
                                  QByteArray::number(height) + " /ColorSpace " + space +
                                  " /BitsPerComponent 8 /Filter /FlateDecode " + extra,
                              flate(samples));
}

// A page of twenty small icons (32 x 32 pixels of colour noise on a
// gradient, photo-like, each with a round soft mask) above a photograph
// printed at 400 ppi.
inline bool writeIconsAndPhotoPdf(const QString &path)
{
    PdfObjects objects;
    QRandomGenerator random(5);
    QByteArray mask;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            mask.append(char((x - 16) * (x - 16) + (y - 16) * (y - 16) < 196 ? 255 : 0));
    const int maskObject = objects.add(flateImage(32, 32, mask));
    QByteArray resources = "/XObject << ";
    QByteArray content;
    for (int i = 0; i < 20; ++i) {
        QByteArray pixels;
        for (int p = 0; p < 32 * 32; ++p)
            for (int c = 0; c < 3; ++c)
                pixels.append(char((p * (c + 1) + i * 40 + int(random.bounded(60u))) & 255));
        const int icon = objects.add(flateImage(32, 32, pixels, "/SMask " + PdfObjects::ref(maskObject)));
        resources += "/I" + QByteArray::number(i) + ' ' + PdfObjects::ref(icon) + ' ';
        content += "q 24 0 0 24 " + QByteArray::number(40 + (i % 10) * 50) + ' ' +
                   QByteArray::number(700 - (i / 10) * 40) + " cm /I" + QByteArray::number(i) + " Do Q ";
    }
    const QByteArray jpeg = photoJpeg(1600, 1200, 9);
    resources += "/Photo " + PdfObjects::ref(objects.add(PdfObjects::stream(
                                 "/Type /XObject /Subtype /Image /Width 1600 /Height 1200 /ColorSpace /DeviceRGB "
                                 "/BitsPerComponent 8 /Filter /DCTDecode",
                                 jpeg))) +
                 " >>";
    content += "q 288 0 0 216 72 100 cm /Photo Do Q";
    return writePages(path, objects, {{content, resources}});
}

// Each image of a document as qpdf shows it: its size, its filter and
// whether another image uses it as a soft mask.
struct PdfImage
{
    int width = 0, height = 0;
    QByteArray filter;
    bool softMask = false;
};

inline QList<PdfImage> imagesOf(const QString &path)
{
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"),
                                        QStringLiteral("--stream-data=preserve"), path, QStringLiteral("-")});
    if (!qpdf.waitForFinished(60000))
        return {};
    const QByteArray text = qpdf.readAllStandardOutput();
    QSet<QByteArray> masks;
    static const QRegularExpression maskRef(QStringLiteral("/SMask (\\d+) 0 R"));
    for (auto it = maskRef.globalMatch(QString::fromLatin1(text)); it.hasNext();)
        masks.insert(it.next().captured(1).toLatin1());
    static const QRegularExpression object(QStringLiteral("\n(\\d+) 0 obj\n<<(.*?)>>\nstream\n"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QList<PdfImage> images;
    for (auto it = object.globalMatch(QString::fromLatin1(text)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString dictionary = match.captured(2);
        if (!dictionary.contains(QStringLiteral("/Subtype /Image")))
            continue;
        auto number = [&](const char *key) {
            const QRegularExpression pattern(QStringLiteral("/%1 (\\d+)").arg(QLatin1String(key)));
            return pattern.match(dictionary).captured(1).toInt();
        };
        const QRegularExpression filter(QStringLiteral("/Filter (/\\w+)"));
        images.append({number("Width"), number("Height"), filter.match(dictionary).captured(1).toLatin1(),
                       masks.contains(match.captured(1).toLatin1())});
    }
    return images;
}

}  // namespace swtest
