// The cost of one temperature's tray picture per poll: drawn at 16 pixels
// only, as it once was, against every size a tray host may pick. Read the
// two as a ratio.
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <benchmark/benchmark.h>

#include "presentation/TrayIconText.h"
#include "settings/Settings.h"
#include "ui/TrayBitmap.h"

namespace {

void drawAt(benchmark::State& state, const std::vector<int>& heights)
{
    const cdx::TrayStyle style = cdx::Settings{}.temperature(cdx::TemperatureSensor::WB1).trayStyle;
    const std::string label = "45°C";
    const std::string degree = "°";
    cdx::TrayBitmap bitmap;
    for (auto _ : state) {
        const int width = cdx::TrayIconText::bitmapWidth(label, degree);
        const std::string text = cdx::TrayIconText::text(label, degree, true);
        QIcon picture;
        for (const int height : heights) {
            bitmap.prepare(cdx::TrayIconText::scaled(width, height), height, style, true);
            bitmap.drawText(text, cdx::TrayIconText::scaled(cdx::TrayIconText::textX(text), height),
                            cdx::TrayIconText::scaled(cdx::TrayIconText::TextY, height), style);
            picture.addPixmap(QPixmap::fromImage(bitmap.image()));
        }
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}

void SixteenPixelsOnly(benchmark::State& state)
{
    drawAt(state, {cdx::TrayIconText::Height});
}
BENCHMARK(SixteenPixelsOnly);

void EverySize(benchmark::State& state)
{
    drawAt(state, {cdx::TrayIconText::Sizes.begin(), cdx::TrayIconText::Sizes.end()});
}
BENCHMARK(EverySize);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
