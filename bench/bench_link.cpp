// The device link receiving sample frames: from brivana-sim over pseudo-terminals, as fast as it
// can stream and at the acquisition's 600 Hz on two platforms, against the bare reads underneath.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>

#include <ctime>
#include <memory>

#include "AmbienteDeMedicao.h"
#include "device/TransporteMemoria.h"
#include "device/untProtocolo.h"

namespace {

constexpr int kTimeoutAquisicaoMs = 100;

double TempoDeCpuDaThread() {
  timespec agora{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &agora);
  return double(agora.tv_sec) + double(agora.tv_nsec) * 1e-9;
}

// brivana-sim for one benchmark, with its links open and streaming.
class SimuladorEmFluxo {
 public:
  SimuladorEmFluxo(int dispositivos, const QString& taxa, bool abrirLinks = true) {
    processo_.start(BRIVANA_SIM, {"--dispositivos", QString::number(dispositivos), "--taxa", taxa,
                                  "--cenario", "quieto"});
    QString saida;
    QElapsedTimer relogio;
    relogio.start();
    while (!saida.contains("pronto\n") && relogio.elapsed() < 10000 &&
           processo_.state() != QProcess::NotRunning) {
      processo_.waitForReadyRead(100);
      saida += QString::fromUtf8(processo_.readAllStandardOutput());
    }
    QStringList portas;
    for (const QString& linha : saida.split('\n')) {
      const QStringList partes = linha.split(' ', Qt::SkipEmptyParts);
      if (partes.size() >= 4 && partes[0] == "porta") {
        portas << partes[2];
        caminhos_ << partes[3];
      }
    }
    if (portas.size() != dispositivos) {
      erro_ = "brivana-sim did not start: " + saida;
      return;
    }
    if (!abrirLinks) {
      return;
    }
    for (const QString& porta : portas) {
      SlotLink link;
      SlotLink nenhum;
      if (!AbrirPorta(link, porta) || !ConfigurarPlataforma(link, nenhum, 1, kModoColetar) ||
          !EnviarComando(link.get(), cmdIniciarColeta)) {
        erro_ = "could not start streaming on " + porta;
        return;
      }
      links_.push_back(std::move(link));
    }
    // The start reply, then samples only.
    TQuadro quadro{};
    for (SlotLink& link : links_) {
      if (!ReceberQuadro(link.get(), quadro, kFuncaoIniciar, 1000)) {
        erro_ = "no start reply";
        return;
      }
    }
  }
  ~SimuladorEmFluxo() {
    for (SlotLink& link : links_) {
      FecharPorta(link);
    }
    processo_.terminate();
    processo_.waitForFinished(5000);
  }
  const QString& erro() const { return erro_; }
  LinkSerial* link(int i) { return links_[std::size_t(i)].get(); }
  // Pseudo-terminal path of device i.
  QString caminho(int i) const { return caminhos_.value(i); }
  // The processes' output stays unread while measuring; drain it so the simulator never blocks.
  void descartarSaida() { processo_.readAllStandardOutput(); }

 private:
  QProcess processo_;
  std::vector<SlotLink> links_;
  QStringList caminhos_;
  QString erro_;
};

// (a) One link taking frames from a device streaming as fast as the pseudo-terminal carries them.
void BM_ReceberQuadroSimulador(benchmark::State& estado) {
  SimuladorEmFluxo sim(1, "0");
  if (!sim.erro().isEmpty()) {
    estado.SkipWithError(sim.erro().toUtf8().constData());
    return;
  }
  TQuadro quadro{};
  std::int64_t corrompidos = 0;
  for (auto _ : estado) {
    corrompidos += ReceberQuadro(sim.link(0), quadro, kFuncaoAmostra, kTimeoutAquisicaoMs) ? 0 : 1;
  }
  estado.SetItemsProcessed(estado.iterations());
  estado.counters["quadros_s"] =
      benchmark::Counter(double(estado.iterations()), benchmark::Counter::kIsRate);
  estado.counters["corrompidos"] = double(corrompidos);
}
BENCHMARK(BM_ReceberQuadroSimulador)->UseRealTime()->MinTime(2.0);

// Reference: the same stream through a bare QSerialPort read in bulk, nothing taken apart.
void BM_ReferenciaLeituraBruta(benchmark::State& estado) {
  SimuladorEmFluxo sim(1, "0", false);
  QSerialPort porta(sim.caminho(0));
  if (!sim.erro().isEmpty() || !porta.open(QIODevice::ReadWrite)) {
    estado.SkipWithError("no simulator port");
    return;
  }
  porta.write(cmdIniciarColeta);
  porta.waitForBytesWritten(1000);
  std::int64_t bytes = 0;
  for (auto _ : estado) {
    if (porta.bytesAvailable() == 0) {
      porta.waitForReadyRead(kTimeoutAquisicaoMs);
    }
    bytes += porta.readAll().size();
  }
  porta.write(cmdEncerrar);
  porta.waitForBytesWritten(1000);
  estado.counters["quadros_s"] =
      benchmark::Counter(double(bytes) / 10.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReferenciaLeituraBruta)->UseRealTime()->MinTime(2.0);

// The frame rules alone: frames already in memory, no port.
void BM_ReceberQuadroMemoria(benchmark::State& estado) {
  const QByteArray quadroBruto = QByteArray::fromHex("0A C0 D0 04 03 00 01 F4 74 0F");
  constexpr int kQuadros = 100000;
  auto memoria = std::make_unique<TransporteMemoria>(quadroBruto.repeated(kQuadros));
  TransporteMemoria* bruto = memoria.get();
  LinkSerial link(std::move(memoria));
  TQuadro quadro{};
  int restantes = kQuadros;
  for (auto _ : estado) {
    if (restantes-- == 0) {
      estado.PauseTiming();
      bruto->receber(quadroBruto.repeated(kQuadros));
      restantes = kQuadros - 1;
      estado.ResumeTiming();
    }
    benchmark::DoNotOptimize(ReceberQuadro(&link, quadro, kFuncaoAmostra, kTimeoutAquisicaoMs));
  }
  estado.SetItemsProcessed(estado.iterations());
}
BENCHMARK(BM_ReceberQuadroMemoria);

struct Fluxo {
  std::int64_t quadros[2] = {0, 0};
  std::int64_t corrompidos = 0;
  double segundos = 0;
  double cpu = 0;
};

// Both links read frame by frame in turn, as the acquisition's idle step does, for a while.
Fluxo LerAlternando(SimuladorEmFluxo& sim, double segundos) {
  Fluxo fluxo;
  TQuadro quadro{};
  QElapsedTimer relogio;
  const double cpuInicial = TempoDeCpuDaThread();
  relogio.start();
  std::int64_t voltas = 0;
  while (relogio.nsecsElapsed() < qint64(segundos * 1e9)) {
    for (int i = 0; i < 2; ++i) {
      if (ReceberQuadro(sim.link(i), quadro, kFuncaoAmostra, kTimeoutAquisicaoMs)) {
        ++fluxo.quadros[i];
      } else {
        ++fluxo.corrompidos;
      }
    }
    if (++voltas % 600 == 0) {
      sim.descartarSaida();
    }
  }
  fluxo.segundos = double(relogio.nsecsElapsed()) * 1e-9;
  fluxo.cpu = TempoDeCpuDaThread() - cpuInicial;
  return fluxo;
}

void ContadoresDeFluxo(benchmark::State& estado, const Fluxo& fluxo) {
  const double esperados = fluxo.segundos * 600.0;
  const double recebidos = double(fluxo.quadros[0] + fluxo.quadros[1]);
  estado.counters["quadros_p1"] = double(fluxo.quadros[0]);
  estado.counters["quadros_p2"] = double(fluxo.quadros[1]);
  estado.counters["perdidos_p1"] = esperados - double(fluxo.quadros[0]);
  estado.counters["perdidos_p2"] = esperados - double(fluxo.quadros[1]);
  estado.counters["corrompidos"] = double(fluxo.corrompidos);
  estado.counters["cpu_us_por_quadro"] = recebidos > 0 ? fluxo.cpu * 1e6 / recebidos : 0;
  estado.counters["pct_nucleo"] = fluxo.cpu * 100.0 / fluxo.segundos;
}

// Two links at 600 Hz read alternately for `segundos`, as the acquisition step reads them.
void MedirFluxo(benchmark::State& estado, double segundos) {
  SimuladorEmFluxo sim(2, "600");
  if (!sim.erro().isEmpty()) {
    estado.SkipWithError(sim.erro().toUtf8().constData());
    return;
  }
  Fluxo fluxo;
  for (auto _ : estado) {
    fluxo = LerAlternando(sim, segundos);
  }
  ContadoresDeFluxo(estado, fluxo);
}

// (b) CPU spent per frame when frames arrive one at a time, 2 x 600 Hz.
void BM_CpuPorQuadro600Hz(benchmark::State& estado) {
  MedirFluxo(estado, 5.0);
}
BENCHMARK(BM_CpuPorQuadro600Hz)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

// (c) A full minute of a two-platform trial: no frame lost, none corrupt.
void BM_Fluxo60sDuasPlataformas(benchmark::State& estado) {
  MedirFluxo(estado, 60.0);
}
BENCHMARK(BM_Fluxo60sDuasPlataformas)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  return ExecutarMedicoes<QCoreApplication>(argc, argv);
}
