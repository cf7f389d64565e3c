// Feeds arbitrary bytes to the frame receive as a device would send them, with each expected
// function the program uses, and checks that every accepted frame obeys the frame rules and that
// nothing is written past the frame buffer.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "device/TransporteMemoria.h"
#include "device/untProtocolo.h"

namespace {

// A frame buffer followed by guard bytes, for the overruns a sanitizer does not see inside one
// object.
struct QuadroGuardado {
  TQuadro quadro{};
  std::array<std::uint8_t, 256> guarda{};
};

void Exigir(bool condicao) {
  if (!condicao) {
    std::abort();
  }
}

void ConferirAceito(const TQuadro& q, std::uint8_t funcaoEsperada) {
  const int comprimento = q[4];
  Exigir(q[0] == 0x0A);
  Exigir(comprimento <= kMaiorComprimento);
  Exigir(q[5 + comprimento] == CalcularChecksum(q));
  Exigir(q[6 + comprimento] == 0x0F);
  Exigir(funcaoEsperada == 0 || q[3] == funcaoEsperada || (q[3] >= 241 && q[5] == 0));
  Exigir(ContagemDoQuadro(q) <= 16777215u);
}

// Receives frames until the bytes run out; every call must consume at least one byte or fail.
void ReceberTudo(const QByteArray& bytes, std::uint8_t funcaoEsperada, TQuadro& quadro) {
  auto memoria = std::make_unique<TransporteMemoria>(bytes);
  const TransporteMemoria* transporte = memoria.get();
  LinkSerial link(std::move(memoria));
  qsizetype antes = -1;
  while (transporte->consumidos() < bytes.size() && transporte->consumidos() != antes) {
    antes = transporte->consumidos();
    if (ReceberQuadro(&link, quadro, funcaoEsperada, 0)) {
      ConferirAceito(quadro, funcaoEsperada);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
  for (std::uint8_t funcao : {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{4}}) {
    // Exactly 105 bytes on the heap: the address sanitizer stops at the first byte past them.
    auto exato = std::make_unique<TQuadro>();
    ReceberTudo(bytes, funcao, *exato);

    auto guardado = std::make_unique<QuadroGuardado>();
    guardado->guarda.fill(0xCC);
    ReceberTudo(bytes, funcao, guardado->quadro);
    Exigir(std::all_of(guardado->guarda.begin(), guardado->guarda.end(),
                       [](std::uint8_t b) { return b == 0xCC; }));
  }
  return 0;
}
