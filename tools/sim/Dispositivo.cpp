#include "Dispositivo.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "Saida.h"

namespace {

constexpr std::int64_t kMilissegundo = 1000000;
// A purge this soon after the start belongs to the start itself, not to its end.
constexpr std::int64_t kTransmissaoMinimaNs = 50 * kMilissegundo;
// Bytes we hold beyond what the pseudo-terminal took; past it, streamed samples are lost.
constexpr std::size_t kLimiteFila = 2048;
constexpr std::size_t kMaiorQuadroComLixo = 16;
// As fast as possible still yields now and then to serve the other port and the commands.
constexpr int kLoteSemRitmo = 256;
constexpr std::int64_t kNovaTentativaNs = 10 * kMilissegundo;
constexpr std::int64_t kDescansoAposErroNs = 100 * kMilissegundo;

constexpr std::uint8_t kFuncaoErro = 0xF1;
constexpr std::uint8_t kErroFuncaoInvalida = 7;
constexpr std::uint8_t kErroDadosInvalidos = 8;

}  // namespace

Dispositivo::Dispositivo(int numero, std::unique_ptr<PortaVirtual> porta, const Cenario& cenario,
                         const Opcoes& opcoes)
    : numero_(numero),
      codigo_(opcoes.codigos[numero - 1]),
      porta_(std::move(porta)),
      cenario_(cenario),
      opcoes_(opcoes),
      ruido_(opcoes.semente * 2654435761u + std::uint64_t(numero), opcoes.ruidoKg),
      lixo_(std::uint32_t(opcoes.semente + 97u * std::uint64_t(numero))) {}

int Dispositivo::descritor(std::int64_t agora) const {
  if (!presente() || agora < descansoAte_) return -1;
  return porta_->mestre();
}

short Dispositivo::eventos() const {
  return short(POLLIN | POLLPRI | (fila_.empty() ? 0 : POLLOUT));
}

void Dispositivo::aoEvento(short ocorridos, std::int64_t agora) {
  if (ocorridos & (POLLIN | POLLPRI | POLLHUP | POLLERR)) ler(agora);
  if (presente() && (ocorridos & POLLOUT)) escreverPendentes();
}

void Dispositivo::ler(std::int64_t agora) {
  std::uint8_t buffer[4097];
  for (;;) {
    const ssize_t n = read(porta_->mestre(), buffer, sizeof buffer);
    if (n > 0) {
      // Packet mode: a leading 0 carries data, anything else is a control report.
      if (buffer[0] == TIOCPKT_DATA)
        aoReceber(buffer + 1, std::size_t(n - 1), agora);
      else if (buffer[0] & (TIOCPKT_FLUSHREAD | TIOCPKT_FLUSHWRITE))
        aoLimpar(agora);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return;
    // No slave end (cannot happen while we hold one open): rest instead of spinning on it.
    descansoAte_ = agora + kDescansoAposErroNs;
    return;
  }
}

void Dispositivo::aoLimpar(std::int64_t agora) {
  if (opcoes_.eco || opcoes_.bruto) EscreverLinha("limpeza " + std::to_string(numero_));
  // Whatever was on its way either side is gone with the purge.
  leitor_.descartar();
  fila_.clear();
  if (transmitindo_ && agora - inicioNs_ >= kTransmissaoMinimaNs) encerrarTransmissao();
}

void Dispositivo::aoReceber(const std::uint8_t* bytes, std::size_t quantidade, std::int64_t agora) {
  if (quantidade == 0) return;
  if (opcoes_.eco || opcoes_.bruto)
    EscreverLinha("rx " + std::to_string(numero_) + ": " + quadro::Hexadecimal(bytes, quantidade));
  if (opcoes_.bruto || opcoes_.silencio) return;
  leitor_.acrescentar(bytes, quantidade);
  while (const auto recebido = leitor_.proximo()) tratar(*recebido, agora);
}

void Dispositivo::tratar(const quadro::Recebido& recebido, std::int64_t agora) {
  if (transmitindo_) encerrarTransmissao();
  switch (recebido.funcao) {
    case 1:
      enviar(quadro::Montar(1, {std::uint8_t(codigo_)}), false);
      break;
    case 2:
      if (recebido.dados.size() == 6) {
        modo_ = recebido.dados[5];
        enviar(quadro::Montar(2, {}), false);
      } else {
        enviar(quadro::Montar(kFuncaoErro, {kErroDadosInvalidos}), false);
      }
      break;
    case 3:
      enviar(quadro::Montar(3, {}), false);
      iniciarTransmissao(agora);
      break;
    case 4:
      if (leiturasAteFalha_ > 0 && --leiturasAteFalha_ == 0) break;
      enviar(quadro::Amostra(contagem(std::nullopt)), false);
      break;
    case 6:
      break;
    default:
      // Error replies are never answered, or two devices could argue forever.
      if (recebido.funcao < kFuncaoErro)
        enviar(quadro::Montar(kFuncaoErro, {kErroFuncaoInvalida}), false);
      break;
  }
}

void Dispositivo::iniciarTransmissao(std::int64_t agora) {
  transmitindo_ = true;
  inicioNs_ = agora;
  if (primeiroInicioNs_ < 0) primeiroInicioNs_ = agora;
  proximaAmostra_ = 0;
  EscreverLinha("coleta " + std::to_string(numero_) + " inicio modo " + std::to_string(modo_));
}

void Dispositivo::encerrarTransmissao() {
  transmitindo_ = false;
  EscreverLinha("coleta " + std::to_string(numero_) + " fim " + std::to_string(proximaAmostra_));
}

std::int64_t Dispositivo::prazoDaAmostra(std::int64_t amostra) const {
  return inicioNs_ + std::llround(double(amostra) * 1e9 / opcoes_.taxaHz);
}

void Dispositivo::transmitirAmostra() {
  const std::int64_t amostra = proximaAmostra_++;
  const std::int64_t ordem = amostra + 1;
  // The noise is drawn for lost frames too, so a fault does not change the other samples.
  quadro::Bytes q = quadro::Amostra(contagem(amostra));
  if (opcoes_.perder > 0 && ordem % opcoes_.perder == 0) return;
  if (opcoes_.checksumErrado > 0 && ordem % opcoes_.checksumErrado == 0) q[8] ^= 0x5A;
  enviar(q, true);
}

std::uint32_t Dispositivo::contagem(std::optional<std::int64_t> amostra) {
  const double ruidoKg = ruido_.proximo();
  if (cargaPosta_) return cenario_.contagemDaCarga(*cargaPosta_ + ruidoKg);
  return amostra ? cenario_.contagem(numero_, *amostra, ruidoKg)
                 : cenario_.contagemEmRepouso(numero_, ruidoKg);
}

void Dispositivo::enviar(const quadro::Bytes& q, bool amostraTransmitida) {
  quadro::Bytes saida;
  if (opcoes_.lixo) {
    const int quantidade = 1 + int(lixo_() % 4);
    for (int i = 0; i < quantidade; ++i) {
      std::uint8_t byte = std::uint8_t(lixo_());
      if (byte == quadro::kInicio) byte = 0xA5;
      saida.push_back(byte);
    }
  }
  saida.insert(saida.end(), q.begin(), q.end());
  if (amostraTransmitida && fila_.size() + saida.size() > kLimiteFila) return;
  fila_.insert(fila_.end(), saida.begin(), saida.end());
  escreverPendentes();
}

void Dispositivo::escreverBruto(const quadro::Bytes& bytes) {
  if (!presente()) return;
  fila_.insert(fila_.end(), bytes.begin(), bytes.end());
  escreverPendentes();
}

void Dispositivo::escreverPendentes() {
  while (!fila_.empty()) {
    const ssize_t n = write(porta_->mestre(), fila_.data(), fila_.size());
    if (n > 0) {
      fila_.erase(fila_.begin(), fila_.begin() + n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) return;
    fila_.clear();
    return;
  }
}

void Dispositivo::sumir() {
  if (transmitindo_) encerrarTransmissao();
  porta_->fechar();
  fila_.clear();
  EscreverLinha("sumiu " + std::to_string(numero_));
}

std::int64_t Dispositivo::avancar(std::int64_t agora) {
  if (!presente()) return -1;
  std::int64_t proximo = agora < descansoAte_ ? descansoAte_ : -1;
  const auto junto = [&proximo](std::int64_t instante) {
    proximo = proximo < 0 ? instante : std::min(proximo, instante);
  };
  if (opcoes_.sumirAposS >= 0.0 && primeiroInicioNs_ >= 0) {
    const std::int64_t prazo = primeiroInicioNs_ + std::llround(opcoes_.sumirAposS * 1e9);
    if (agora >= prazo) {
      sumir();
      return -1;
    }
    junto(prazo);
  }
  if (transmitindo_) {
    if (opcoes_.taxaHz > 0.0) {
      while (transmitindo_ && prazoDaAmostra(proximaAmostra_) <= agora) transmitirAmostra();
      junto(prazoDaAmostra(proximaAmostra_));
    } else {
      for (int i = 0; i < kLoteSemRitmo && fila_.size() + kMaiorQuadroComLixo <= kLimiteFila; ++i)
        transmitirAmostra();
      if (fila_.size() + kMaiorQuadroComLixo <= kLimiteFila) junto(agora);
    }
  }
  if (!fila_.empty()) junto(agora + kNovaTentativaNs);
  return proximo;
}
