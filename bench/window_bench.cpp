// The real window on the offscreen platform: a run that fills the log to
// its capacity, and the window's start-up.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QPushButton>
#include <memory>

#include "window/qt/application.h"
#include "window/qt/form1.h"

namespace {

// Every required quantity 0 and the per-attempt log on: one line per attempt
// until the log refuses one. Timed from the click on the initial log to the
// error, with the widget's layout and paint that follow it.
void BM_FullLogRun(benchmark::State& state) {
  int errors = 0;
  auto& application = static_cast<TApplication&>(*QCoreApplication::instance());
  application.ErrorBox().SetPresenter([&errors](const QString&, const QString&) { ++errors; });
  for (auto _ : state) {
    state.PauseTiming();
    auto form = std::make_unique<TForm1>();
    for (int row = 1; row <= engine::kMaterialRows; ++row)
      form->SetFieldText(engine::SheetField::RequiredQty, row, "0");
    form->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    form->show();
    QCoreApplication::processEvents();
    auto* button = form->findChild<QPushButton*>(QStringLiteral("Button1"));
    state.ResumeTiming();

    button->click();
    QCoreApplication::processEvents();

    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
  application.ErrorBox().SetPresenter(nullptr);
  if (errors != static_cast<int>(state.iterations()))
    state.SkipWithError("the log did not fill up");
}

// Constructing Form1 and showing it, until its first paint is done.
void BM_WindowStartup(benchmark::State& state) {
  for (auto _ : state) {
    auto form = std::make_unique<TForm1>();
    form->show();
    QCoreApplication::processEvents();
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_FullLogRun)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowStartup)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
