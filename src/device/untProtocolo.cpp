#include "device/untProtocolo.h"

#include <QOperatingSystemVersion>
#include <QThread>

#include <algorithm>
#include <array>

namespace {

constexpr std::uint8_t kInicio = 0x0A;
constexpr std::uint8_t kFim = 0x0F;
constexpr std::uint8_t kPrimeiraFuncaoDeErro = 241;
constexpr int kBytesZerados = 55;
constexpr int kOffsetFuncao = 3;
constexpr int kOffsetComprimento = 4;
constexpr int kOffsetDados = 5;

QByteArray Bytes(std::initializer_list<unsigned char> bytes) {
  QByteArray resultado;
  for (unsigned char b : bytes) {
    resultado.append(static_cast<char>(b));
  }
  return resultado;
}

}  // namespace

const QByteArray cmdIdentificar = Bytes({0x0A, 0xC0, 0xD0, 0x01, 0x00, 0x6F, 0x0F});
const QByteArray cmdIniciarColeta = Bytes({0x0A, 0xC0, 0xD0, 0x03, 0x00, 0x6D, 0x0F});
const QByteArray cmdLerAmostra = Bytes({0x0A, 0xC0, 0xD0, 0x04, 0x00, 0x6C, 0x0F});
const QByteArray cmdEncerrar = Bytes({0x0A, 0xC0, 0xD0, 0x06, 0x00, 0x6A, 0x0F});
const QByteArray cmdTP3 = Bytes({0x54, 0x50, 0xA1, 0x01, 0x00, 0x03, 0xF5});

LinkSerial::LinkSerial(std::unique_ptr<TransporteSerial> transporte)
    : transporte_(std::move(transporte)) {}

std::uint8_t CalcularChecksum(const TQuadro& quadro) {
  // A length byte that does not fit the buffer still sums only what the buffer holds.
  const int ultimo = std::min(kOffsetComprimento + quadro[kOffsetComprimento], kTamanhoQuadro - 1);
  std::uint8_t soma = 0;
  for (int i = 1; i <= ultimo; ++i) {
    soma = static_cast<std::uint8_t>(soma + quadro[i]);
  }
  return static_cast<std::uint8_t>(-soma);
}

void LimparQuadro(TQuadro& quadro) {
  std::fill_n(quadro.begin(), kBytesZerados, std::uint8_t{0});
}

std::uint32_t ContagemDoQuadro(const TQuadro& quadro) {
  return (std::uint32_t{quadro[kOffsetDados]} << 16) |
         (std::uint32_t{quadro[kOffsetDados + 1]} << 8) | quadro[kOffsetDados + 2];
}

bool ReceberQuadro(LinkSerial* link, TQuadro& quadro, std::uint8_t funcaoEsperada, int timeoutMs) {
  if (link == nullptr) {
    return false;
  }
  TransporteSerial& porta = link->transporte();
  LimparQuadro(quadro);

  // A device that only ever sends bytes other than the start byte would otherwise hold the
  // program here for good: a whole receive queue of them without a frame is a failure.
  unsigned char byte = 0;
  int descartados = 0;
  do {
    if (descartados++ > kMaximoDescartados || !porta.lerByte(&byte, timeoutMs)) {
      return false;
    }
  } while (byte != kInicio);
  quadro[0] = kInicio;

  bool cabecalhoInteiro = true;
  for (int i = 1; i <= kOffsetComprimento; ++i) {
    byte = 0;
    cabecalhoInteiro = porta.lerByte(&byte, timeoutMs) && cabecalhoInteiro;
    quadro[i] = byte;
  }
  if (!cabecalhoInteiro) {
    return false;
  }

  // A length that does not fit the buffer cannot be a frame of ours; its bytes are left unread.
  const int comprimento = quadro[kOffsetComprimento];
  if (comprimento > kMaiorComprimento) {
    return false;
  }
  for (int i = kOffsetDados; i <= kOffsetDados + comprimento + 1; ++i) {
    byte = 0;
    quadro[i] = porta.lerByte(&byte, timeoutMs) ? byte : 0;
  }

  if (quadro[kOffsetDados + comprimento] != CalcularChecksum(quadro)) {
    return false;
  }
  if (quadro[kOffsetDados + comprimento + 1] != kFim) {
    return false;
  }
  const std::uint8_t funcao = quadro[kOffsetFuncao];
  if (funcaoEsperada == 0 || funcao == funcaoEsperada) {
    return true;
  }
  return funcao >= kPrimeiraFuncaoDeErro && quadro[kOffsetDados] == 0;
}

bool AbrirPorta(SlotLink& slot, const QString& porta) {
  try {
    slot = std::make_unique<LinkSerial>(NovoTransporteDoSistema());
    const bool aberta = slot->transporte().abrir(porta);
    // A port held by another program fails here and the link stays, unopened, until
    // FecharPorta.
    return aberta && LimparPorta(slot.get()) && slot->transporte().ultimoErro() == 0;
  } catch (...) {
    slot.reset();
    return false;
  }
}

bool FecharPorta(SlotLink& slot) {
  if (!slot) {
    return true;
  }
  DefinirDTR(slot.get(), false);
  static_cast<void>(EnviarComando(slot.get(), cmdEncerrar));
  static_cast<void>(EnviarComando(slot.get(), cmdTP3));
  QThread::msleep(300);
  try {
    slot->transporte().fechar();
  } catch (...) {
    // The link goes whatever the port did.
  }
  slot.reset();
  return true;
}

bool EnviarComando(LinkSerial* link, const QByteArray& comando) {
  if (link == nullptr) {
    return false;
  }
  try {
    static_cast<void>(link->transporte().escrever(comando.constData(), comando.size()));
    return link->transporte().ultimoErro() == 0;
  } catch (...) {
    return false;
  }
}

bool EnviarQuadro(LinkSerial* link, const TQuadro& quadro, int quantidade) {
  if (link == nullptr || quantidade < 0 || quantidade > kTamanhoQuadro) {
    return false;
  }
  try {
    static_cast<void>(
        link->transporte().escrever(reinterpret_cast<const char*>(quadro.data()), quantidade));
    return link->transporte().ultimoErro() == 0;
  } catch (...) {
    return false;
  }
}

bool LimparPorta(LinkSerial* link) {
  if (link == nullptr) {
    return false;
  }
  try {
    // A purge the port reports as failed still counts: only a missing link fails.
    static_cast<void>(link->transporte().limpar());
    return true;
  } catch (...) {
    return false;
  }
}

void DefinirDTR(LinkSerial* link, bool alto) {
  if (link != nullptr) {
    static_cast<void>(link->transporte().definirDTR(alto));
  }
}

bool TestarPorta(const QString& porta) {
  SlotLink temporario;
  const bool aberta = AbrirPorta(temporario, porta);
  FecharPorta(temporario);
  return aberta;
}

Dispositivo DispositivoDoCodigo(std::uint8_t codigo, bool aceitarCodigosAntigos) {
  switch (codigo) {
    case 111:
      return kDispositivo1;
    case 112:
      return kDispositivo2;
    case 201:
      return aceitarCodigosAntigos ? kDispositivo1 : kNenhumDispositivo;
    case 202:
      return aceitarCodigosAntigos ? kDispositivo2 : kNenhumDispositivo;
    default:
      return kNenhumDispositivo;
  }
}

Dispositivo IdentificarDispositivo(LinkSerial* link, int timeoutMs, bool aceitarCodigosAntigos) {
  if (!EnviarComando(link, cmdIdentificar)) {
    return kNenhumDispositivo;
  }
  TQuadro resposta{};
  if (!ReceberQuadro(link, resposta, kFuncaoIdentificar, timeoutMs)) {
    return kNenhumDispositivo;
  }
  return DispositivoDoCodigo(resposta[kOffsetDados], aceitarCodigosAntigos);
}

void PrepararSondagem(LinkSerial* link) {
  if (link == nullptr) {
    return;
  }
  DefinirDTR(link, false);
  QThread::msleep(200);
  static_cast<void>(LimparPorta(link));
  QThread::msleep(200);
}

bool PrepararRapido(LinkSerial* link) {
  if (link == nullptr) {
    return false;
  }
  DefinirDTR(link, false);
  const bool limpa = LimparPorta(link);
  DefinirDTR(link, true);
  return limpa;
}

bool SistemaRecusaCodigosAntigos() {
#ifdef Q_OS_WIN
  return QOperatingSystemVersion::current() >=
         QOperatingSystemVersion(QOperatingSystemVersion::Windows, 6, 2);
#else
  return true;
#endif
}

TQuadro QuadroConfigurar(std::uint8_t modo) {
  TQuadro quadro{};
  const std::array<std::uint8_t, 11> inicio = {
      kInicio, 0xC0, 0xD0, kFuncaoConfigurar, 6, 0x01, 0x00, 0x00, 0x02, 0x58, modo};
  std::copy(inicio.begin(), inicio.end(), quadro.begin());
  quadro[11] = CalcularChecksum(quadro);
  quadro[12] = kFim;
  return quadro;
}

namespace {

bool ConfigurarUma(LinkSerial* link, std::uint8_t modo) {
  TQuadro quadro = QuadroConfigurar(modo);
  return EnviarQuadro(link, quadro, 13) && ReceberQuadro(link, quadro, kFuncaoConfigurar, 1000);
}

}  // namespace

bool ConfigurarPlataforma(SlotLink& linkP1, SlotLink& linkP2, int seletor, std::uint8_t modo) {
  switch (seletor) {
    case 1:
      return ConfigurarUma(linkP1.get(), modo);
    case 2:
      return ConfigurarUma(linkP2.get(), modo);
    case 0: {
      const bool p1 = ConfigurarUma(linkP1.get(), modo);
      const bool p2 = ConfigurarUma(linkP2.get(), modo);
      return p1 && p2;
    }
    default:
      return false;
  }
}

QString TextoErroQuadro(int codigo) {
  static const std::array<const char*, 11> kTextos = {
      "000 - Nenhum",
      "001 - Erro de Timeout",
      "002 - Erro de Checksum",
      "003 - Nenhum Dispositivo enderecadodo",
      "004 - Endereco Invalido de Dispositivo",
      "005 - Falha no Dispositivo",
      "006 - Falha na configuracao do Dispositivo",
      "007 - Funcao Invalida",
      "008 - Dados Invalidos",
      "009 - Inicio da Mensagem nao encontrado",
      "010 - Fim da Mensagem nao encontrado",
  };
  if (codigo < 0 || codigo >= static_cast<int>(kTextos.size())) {
    return QString();
  }
  return QString::fromLatin1(kTextos[static_cast<std::size_t>(codigo)]);
}
