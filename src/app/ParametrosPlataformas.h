#pragma once

#include <QString>

#include <array>
#include <cstdint>

class ArquivoConfiguracao;

// In-memory copy of one platform's settings keys (suffix P1 or P2 in the file).
struct ParametrosPlataforma {
  bool Ativa = false;
  QString HardCOM;
  double SemPeso = 0;
  double ComPeso = 0;
  double Tara = 0;
  double IDC = 1;
  QString Lateral;  // empty until the first reload
};

// The main window's copy of the platform keys and the backup counter.
struct ParametrosPlataformas {
  std::array<ParametrosPlataforma, 2> P;  // P[0] is platform 1
  std::uint8_t BackupCont = 0;

  ParametrosPlataforma& plataforma(int numero) { return P[numero - 1]; }
  const ParametrosPlataforma& plataforma(int numero) const { return P[numero - 1]; }
};

// Settings key of a platform: Chave("SemPeso", 2) == "SemPesoP2", Chave("HardCOM", 1) ==
// "HardP1COM".
QString ChavePlataforma(const QString& nome, int numero);

// Start-up read: every platform key but the sides, and BackupCont.
void LerParametrosInicio(const ArquivoConfiguracao& arquivo, ParametrosPlataformas* parametros);

// The reload: every platform key, sides included, in the designed order (platform 1 then 2).
void LerParametrosPlataformas(const ArquivoConfiguracao& arquivo,
                              ParametrosPlataformas* parametros);

// The counter stops at its top instead of wrapping to 0, which would silence the backup reminder.
void ContarAmostragemSalva(ParametrosPlataformas* parametros);

// A file value outside 0..255 is kept inside it.
std::uint8_t BackupContDoArquivo(int valor);
