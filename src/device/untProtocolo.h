#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "device/TransporteSerial.h"

// One frame, sent or received: 105 bytes, so the largest frame has 98 data bytes.
using TQuadro = std::array<std::uint8_t, 105>;
inline constexpr int kTamanhoQuadro = 105;
inline constexpr int kMaiorComprimento = 98;
// Bytes a receive discards while hunting for a start byte before it gives up (the size of the
// port's receive queue).
inline constexpr int kMaximoDescartados = 8192;

// The stored command frames, byte for byte.
extern const QByteArray cmdIdentificar;
extern const QByteArray cmdIniciarColeta;
extern const QByteArray cmdLerAmostra;
extern const QByteArray cmdEncerrar;
extern const QByteArray cmdTP3;

// Function codes.
inline constexpr std::uint8_t kFuncaoIdentificar = 1;
inline constexpr std::uint8_t kFuncaoConfigurar = 2;
inline constexpr std::uint8_t kFuncaoIniciar = 3;
inline constexpr std::uint8_t kFuncaoAmostra = 4;
inline constexpr std::uint8_t kFuncaoEncerrar = 6;

// Configure-frame mode bytes.
inline constexpr std::uint8_t kModoZerar = 0;
inline constexpr std::uint8_t kModoCalibrar = 2;
inline constexpr std::uint8_t kModoColetar = 3;

// One open (or failed-to-open) serial port. A slot holds a link or nothing; every operation on an
// empty slot fails without touching anything (except FecharPorta, which then just returns true).
class LinkSerial {
 public:
  explicit LinkSerial(std::unique_ptr<TransporteSerial> transporte);
  TransporteSerial& transporte() { return *transporte_; }
  bool aberto() const { return transporte_->aberta(); }

 private:
  std::unique_ptr<TransporteSerial> transporte_;
};
using SlotLink = std::unique_ptr<LinkSerial>;

// Creates a link in the slot and opens the port with the line settings.
[[nodiscard]] bool AbrirPorta(SlotLink& slot, const QString& porta);
// DTR low, cmdEncerrar, cmdTP3, 300 ms, close, empty the slot. Always true.
bool FecharPorta(SlotLink& slot);
[[nodiscard]] bool EnviarComando(LinkSerial* link, const QByteArray& comando);
[[nodiscard]] bool EnviarQuadro(LinkSerial* link, const TQuadro& quadro, int quantidade);
// Receives one frame; expected function 0 accepts any; the timeout (ms) applies to each byte.
[[nodiscard]] bool ReceberQuadro(LinkSerial* link, TQuadro& quadro, std::uint8_t funcaoEsperada,
                                 int timeoutMs);
[[nodiscard]] bool LimparPorta(LinkSerial* link);
// Errors are ignored by every caller; a missing link does nothing.
void DefinirDTR(LinkSerial* link, bool alto);

std::uint8_t CalcularChecksum(const TQuadro& quadro);
void LimparQuadro(TQuadro& quadro);
std::uint32_t ContagemDoQuadro(const TQuadro& quadro);

// Availability probe: open on a temporary slot, close, report whether the open succeeded.
[[nodiscard]] bool TestarPorta(const QString& porta);

// Device on a link: 1, 2, or 0 for none. Codes 201/202 count only when aceitarCodigosAntigos.
enum Dispositivo : int { kNenhumDispositivo = 0, kDispositivo1 = 1, kDispositivo2 = 2 };
Dispositivo DispositivoDoCodigo(std::uint8_t codigo, bool aceitarCodigosAntigos);
Dispositivo IdentificarDispositivo(LinkSerial* link, int timeoutMs, bool aceitarCodigosAntigos);
// Probe preparation: DTR low, 200 ms, purge, 200 ms.
void PrepararSondagem(LinkSerial* link);
// Quick preparation: DTR low, purge, DTR high, no waits; false on an empty slot.
[[nodiscard]] bool PrepararRapido(LinkSerial* link);

// Whether the operating system refuses device codes 201/202 (Windows 6.2 or later; every other
// system answers as a recent one).
bool SistemaRecusaCodigosAntigos();

// Sends the configure frame with the mode to platform 1 (seletor 1), 2 (seletor 2) or both (0)
// and awaits each reply (function 2, 1000 ms).
[[nodiscard]] bool ConfigurarPlataforma(SlotLink& linkP1, SlotLink& linkP2, int seletor,
                                        std::uint8_t modo);
// The configure frame as sent (13 bytes).
TQuadro QuadroConfigurar(std::uint8_t modo);

// Text of a device error code (0..10), "" for others.
QString TextoErroQuadro(int codigo);

// The serial ports of the machine and the simulator's virtual ports, as comma text.
QString ListarPortasSeriais();
// Where the system's own port names come from. Tests replace it so that the machine's real ports
// (a serial console on ttyS0, say) are never probed by them; an empty function restores the
// system's list.
void DefinirFontePortasDoSistema(std::function<QStringList()> fonte);
// Names joined by commas, a name holding a blank, comma or double quote enclosed in double quotes
// (inner quotes doubled), as a string list renders itself.
QString TextoVirgulas(const QStringList& nomes);
// Comma text turned back into a list, sorted case-insensitively, as every caller uses it.
QStringList PortasOrdenadas(const QString& textoVirgulas);
// The folder where the simulator publishes its ports ($XDG_RUNTIME_DIR/brivana-sim).
QString PastaPortasVirtuais();
