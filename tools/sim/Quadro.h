#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The device's side of the frame protocol: 0A, two ignored bytes, function, length L, L data
// bytes, checksum, 0F. Written apart from the program's link code on purpose.
namespace quadro {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kInicio = 0x0A;
constexpr std::uint8_t kFim = 0x0F;

// Two's complement of the 8-bit sum of the bytes from offset 1 to 4+L.
std::uint8_t Checksum(const std::uint8_t* quadro, std::size_t tamanhoSemFechamento);

// A reply frame with the device's header bytes C0 D0.
Bytes Montar(std::uint8_t funcao, const Bytes& dados);
// A sample frame: function 4, the count as 24-bit big-endian.
Bytes Amostra(std::uint32_t contagem);

struct Recebido {
  std::uint8_t funcao = 0;
  Bytes dados;
};

// Collects bytes as they come and hands out complete, well-formed frames. Bytes that cannot
// start a frame are skipped; a frame with a wrong checksum or end byte is dropped and the hunt
// for the next start byte goes on from the byte after its start.
class Leitor {
 public:
  void acrescentar(const std::uint8_t* bytes, std::size_t quantidade);
  std::optional<Recebido> proximo();
  void descartar() { pendentes_.clear(); }

 private:
  Bytes pendentes_;
};

// "0A C0 D0" style text.
std::string Hexadecimal(const std::uint8_t* bytes, std::size_t quantidade);
// Parses whitespace-separated hex bytes (a token may hold several pairs, "0AC0"); nullopt when
// the text holds anything else.
std::optional<Bytes> LerHexadecimal(const std::string& texto);

}  // namespace quadro
