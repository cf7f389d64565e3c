#pragma once

#include <QString>

// Special folders known to the program, numbered as the folder query of the original platform.
inline constexpr int CSIDL_PERSONAL = 5;  // the user's documents
inline constexpr int CSIDL_APPDATA = 26;  // per-user application data

// Version of the running program as four numbers joined by points; "" when it has none.
QString VersaoDoPrograma();

// Path of a special folder without a trailing separator, or "" when it is not available.
QString PastaEspecial(int csidl);

// Formats with thousands grouping and `decimais` decimals, left-pads with zeros to `largura`
// and keeps the rightmost `largura` characters (7 with width 2 gives "07").
QString NumeroComZeros(double numero, int largura, int decimais);

// File name without folder and extension.
QString NomeSemExtensao(const QString& caminho);

// Application title followed by the version: "Brivana [Versão: 1.0.3.1]".
QString TituloComVersao(const QString& titulo, const QString& versao);

// The first side word found in a series or column title ("Direita", "Esquerda", "Única",
// "Inativa", tested in that order, case-sensitive), or "".
QString LateralDoTexto(const QString& texto);
