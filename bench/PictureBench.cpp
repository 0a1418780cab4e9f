// Loading every picture of the window: from the compiled-in PNGs the editor uses, decoded and
// blended onto the window colour, against decoding the GIF files alone.
#include "gui/Pictures.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>

namespace {

QStringList windowPictures()
{
    QFile list(QStringLiteral(QUANDREL_ASSETS_DIR "/window-pictures.txt"));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromLatin1(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void BM_LoadCompiledInPictures(benchmark::State& state)
{
    const QStringList pictures = windowPictures();
    const QPalette palette = QGuiApplication::palette();
    for (auto _ : state) {
        for (const QString& picture : pictures) {
            benchmark::DoNotOptimize(quandrel::loadPicture(picture, 1, palette));
        }
    }
    state.SetItemsProcessed(state.iterations() * pictures.size());
}
BENCHMARK(BM_LoadCompiledInPictures);

void BM_DecodeGifPictures(benchmark::State& state)
{
    // Read beforehand, as resources compiled in would be.
    QList<QByteArray> gifs;
    for (const QString& picture : windowPictures()) {
        QFile file(QStringLiteral(QUANDREL_ASSETS_DIR "/") + quandrel::drawingFileName(picture, 1, u"gif"));
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read a picture");
            return;
        }
        gifs.append(file.readAll());
    }
    for (auto _ : state) {
        for (const QByteArray& gif : gifs) {
            benchmark::DoNotOptimize(QPixmap::fromImage(QImage::fromData(gif, "GIF")));
        }
    }
    state.SetItemsProcessed(state.iterations() * gifs.size());
}
BENCHMARK(BM_DecodeGifPictures);

} // namespace

int main(int argc, char** argv)
{
    // Pixmaps need the GUI application; offscreen needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
