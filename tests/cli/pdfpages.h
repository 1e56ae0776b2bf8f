#pragma once

// Reading a written PDF back with poppler's tools and the PDF's own text
// operators: what a teacher's printer would get.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtEndian>

namespace pdfpages {

inline QByteArray runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(120000);
    return process.readAllStandardOutput();
}

// The text in the order it was painted, pages split by form feeds.
inline QString rawText(const QString& pdf) {
    return QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {"-raw", pdf, "-"}));
}

struct Word {
    int page = 0;
    QRectF box; // in points, from the page's top left corner
    QString text;
};

struct Layout {
    QList<QSizeF> pages; // in points
    QList<Word> words;
};

inline Layout wordBoxes(const QString& pdf) {
    Layout layout;
    QXmlStreamReader xml(runTool(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            layout.pages << QSizeF(a.value("width").toDouble(), a.value("height").toDouble());
        } else if (xml.name() == QLatin1String("word")) {
            const QPointF from(a.value("xMin").toDouble(), a.value("yMin").toDouble());
            const QPointF to(a.value("xMax").toDouble(), a.value("yMax").toDouble());
            layout.words << Word{static_cast<int>(layout.pages.size()) - 1, QRectF(from, to),
                                 xml.readElementText()};
        }
    }
    return layout;
}

// Every font size the pages' text is set in, in points: the size operator
// scaled by the matrices in force (Qt writes sizes in device units under the
// page's matrix, and a scaled drawing, such as the plot's grid, under its own).
inline QList<double> textSizes(const QByteArray& pdf) {
    QList<double> sizes;
    static const QRegularExpression streams(QStringLiteral("<<([^>]*)>>\\s*stream\\r?\\n"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString latin = QString::fromLatin1(pdf);
    QRegularExpressionMatchIterator it = streams.globalMatch(latin);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const qsizetype start = m.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        QByteArray body = pdf.mid(start, end - start);
        if (m.captured(1).contains(QLatin1String("FlateDecode"))) {
            QByteArray framed(4, '\0');
            qToBigEndian<quint32>(static_cast<quint32>(body.size() * 40), framed.data());
            body = qUncompress(framed + body);
        }
        // Sizes as printed: each Tf scaled by the matrices (cm) in force,
        // which q saves and Q restores.
        const QString ops = QString::fromLatin1(body);
        static const QRegularExpression token(QStringLiteral(
            "(?<![\\w/])([qQ])(?!\\w)|([-\\d.]+) [-\\d.]+ [-\\d.]+ [-\\d.]+ [-\\d.]+ [-\\d.]+ "
            "cm|/F\\d+ ([\\d.]+) Tf"));
        QList<double> saved;
        double factor = 1;
        bool scaled = false;
        QRegularExpressionMatchIterator tokens = token.globalMatch(ops);
        while (tokens.hasNext()) {
            const QRegularExpressionMatch t = tokens.next();
            if (t.captured(1) == QLatin1String("q")) {
                saved << factor;
            } else if (t.captured(1) == QLatin1String("Q")) {
                if (!saved.isEmpty())
                    factor = saved.takeLast();
            } else if (t.hasCaptured(2) && !t.captured(2).isEmpty()) {
                factor *= std::abs(t.captured(2).toDouble());
                scaled = true;
            } else if (scaled) {
                sizes << t.captured(3).toDouble() * factor;
            }
        }
    }
    return sizes;
}

} // namespace pdfpages
