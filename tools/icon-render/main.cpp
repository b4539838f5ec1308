// icon-render: draws an SVG icon into square PNGs of the given sizes, for the
// desktop's icon theme (the programs themselves use the SVGs).
//
//   icon-render IN.svg OUT_DIR SIZE...   writes OUT_DIR/SIZExSIZE.png for each size

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: icon-render IN.svg OUT_DIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "icon-render: cannot read %s\n", qPrintable(args.at(1)));
        return 3;
    }
    for (const QString &text : args.mid(3)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "icon-render: bad size %s\n", qPrintable(text));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const QString out = QStringLiteral("%1/%2x%2.png").arg(args.at(2)).arg(size);
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "icon-render: cannot write %s\n", qPrintable(out));
            return 3;
        }
    }
    return 0;
}
