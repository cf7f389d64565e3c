#pragma once

#include <QString>

// The folders and files the program uses; built once at start-up and kept for the whole run.
struct Pastas {
  QString configuracao;         // settings folder, with a trailing separator
  QString arquivoConfiguracao;  // brivana.conf
  QString bancoDeDados;         // brivana.db
  QString dados;                // data folder (exports and backups live below it)
  QString modelos;              // workbook templates beside the executable
};

// Folder names below the special folders; fixed, shared with every installation.
inline constexpr const char* kSubpastaPrograma = "Marvoda/Brivana1/";

// pastaDoExecutavel: the executable's folder (with or without a trailing separator).
Pastas MontarPastas(const QString& pastaDoExecutavel);

// Creates the settings folder with any missing parents; false when it cannot be created.
[[nodiscard]] bool CriarPastaDeConfiguracao(const Pastas& pastas);
