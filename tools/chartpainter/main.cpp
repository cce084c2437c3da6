// chartpainter: paints the sea charts and the window artwork of Vlnobrod.
//
//   chartpainter chart MapaN.chart MapaN.mlo MapaN.jpg [preview.png]
//   chartpainter art OUTPUT_DIR [NAME...]   (NAME: about, duel, ... without .png)
#include "art.h"
#include "chart.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == "chart")
        return paint::paintChart(args[2], args[3], args[4], args.value(5)) ? 0 : 1;
    if (args.size() >= 3 && args[1] == "art")
        return paint::paintArtwork(args[2], args.mid(3)) ? 0 : 1;
    std::fprintf(stderr, "usage: chartpainter chart FILE.chart FILE.mlo OUT.jpg [PREVIEW.png]\n"
                         "       chartpainter art OUTPUT_DIR [NAME...]\n");
    return 2;
}
