#pragma once

#include <QString>
#include <QStringView>

#include <span>

// Every key of the settings file with its kind and the default a missing or unparsable value takes.
enum class TipoChave { Texto, Booleano, Inteiro, Decimal };

struct ChaveConfiguracao {
  const char16_t* nome;
  TipoChave tipo;
  const char16_t* padrao;  // as the file would hold it
};

std::span<const ChaveConfiguracao> ChavesConfiguracao();

// The key's entry (names compare ignoring case, as in the file); nullptr for an unknown key.
const ChaveConfiguracao* ProcurarChave(QStringView nome);
