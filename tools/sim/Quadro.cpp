#include "Quadro.h"

#include <cctype>

namespace quadro {

std::uint8_t Checksum(const std::uint8_t* quadro, std::size_t tamanhoSemFechamento) {
  std::uint8_t soma = 0;
  for (std::size_t i = 1; i < tamanhoSemFechamento; ++i) soma = std::uint8_t(soma + quadro[i]);
  return std::uint8_t(0x100 - soma);
}

Bytes Montar(std::uint8_t funcao, const Bytes& dados) {
  Bytes q;
  q.reserve(dados.size() + 7);
  for (std::uint8_t b :
       {kInicio, std::uint8_t(0xC0), std::uint8_t(0xD0), funcao, std::uint8_t(dados.size())})
    q.push_back(b);
  for (std::uint8_t b : dados) q.push_back(b);
  q.push_back(Checksum(q.data(), q.size()));
  q.push_back(kFim);
  return q;
}

Bytes Amostra(std::uint32_t contagem) {
  return Montar(
      4, {std::uint8_t(contagem >> 16), std::uint8_t(contagem >> 8), std::uint8_t(contagem)});
}

void Leitor::acrescentar(const std::uint8_t* bytes, std::size_t quantidade) {
  pendentes_.insert(pendentes_.end(), bytes, bytes + quantidade);
}

std::optional<Recebido> Leitor::proximo() {
  for (;;) {
    std::size_t inicio = 0;
    while (inicio < pendentes_.size() && pendentes_[inicio] != kInicio) ++inicio;
    pendentes_.erase(pendentes_.begin(), pendentes_.begin() + std::ptrdiff_t(inicio));
    if (pendentes_.size() < 5) return std::nullopt;
    const std::size_t l = pendentes_[4];
    const std::size_t total = 5 + l + 2;
    if (pendentes_.size() < total) return std::nullopt;
    const bool valido =
        pendentes_[5 + l] == Checksum(pendentes_.data(), 5 + l) && pendentes_[6 + l] == kFim;
    if (!valido) {
      // The start byte may have been noise; a real frame can begin inside what we looked at.
      pendentes_.erase(pendentes_.begin());
      continue;
    }
    Recebido r;
    r.funcao = pendentes_[3];
    r.dados.assign(pendentes_.begin() + 5, pendentes_.begin() + std::ptrdiff_t(5 + l));
    pendentes_.erase(pendentes_.begin(), pendentes_.begin() + std::ptrdiff_t(total));
    return r;
  }
}

std::string Hexadecimal(const std::uint8_t* bytes, std::size_t quantidade) {
  static const char digitos[] = "0123456789ABCDEF";
  std::string texto;
  texto.reserve(quantidade * 3);
  for (std::size_t i = 0; i < quantidade; ++i) {
    if (i > 0) texto += ' ';
    texto += digitos[bytes[i] >> 4];
    texto += digitos[bytes[i] & 0x0F];
  }
  return texto;
}

std::optional<Bytes> LerHexadecimal(const std::string& texto) {
  Bytes bytes;
  int metade = -1;
  for (const char c : texto) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (metade >= 0) return std::nullopt;
      continue;
    }
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    const int valor = std::isdigit(static_cast<unsigned char>(c))
                          ? c - '0'
                          : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
    if (metade < 0) {
      metade = valor;
    } else {
      bytes.push_back(std::uint8_t(metade * 16 + valor));
      metade = -1;
    }
  }
  if (metade >= 0) return std::nullopt;
  return bytes;
}

}  // namespace quadro
