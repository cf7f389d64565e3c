#include "app/untTiposFuncoes.h"

#include <QLocale>
#include <QStandardPaths>

QString VersaoDoPrograma() {
  return QStringLiteral(BRIVANA_VERSION);
}

QString PastaEspecial(int csidl) {
  QStandardPaths::StandardLocation local;
  switch (csidl) {
    case CSIDL_APPDATA:
      local = QStandardPaths::GenericConfigLocation;
      break;
    case CSIDL_PERSONAL:
      local = QStandardPaths::DocumentsLocation;
      break;
    default:
      return {};
  }
  QString pasta = QStandardPaths::writableLocation(local);
  while (pasta.endsWith('/') && pasta.size() > 1) pasta.chop(1);
  return pasta;
}

QString NumeroComZeros(double numero, int largura, int decimais) {
  const QString texto = QString(largura, '0') + QLocale().toString(numero, 'f', decimais);
  return texto.right(largura);
}

QString NomeSemExtensao(const QString& caminho) {
  // Windows paths may still arrive here (restored settings, typed names): both separators count.
  const qsizetype inicio =
      std::max({caminho.lastIndexOf('/'), caminho.lastIndexOf('\\'), caminho.lastIndexOf(':')}) + 1;
  const QString nome = caminho.mid(inicio);
  const qsizetype ponto = nome.lastIndexOf('.');
  return ponto >= 0 ? nome.left(ponto) : nome;
}

QString TituloComVersao(const QString& titulo, const QString& versao) {
  return titulo + QStringLiteral(" [Versão: ") + versao + ']';
}

QString LateralDoTexto(const QString& texto) {
  for (const QString& lateral : {QStringLiteral("Direita"), QStringLiteral("Esquerda"),
                                 QStringLiteral("Única"), QStringLiteral("Inativa")}) {
    if (texto.contains(lateral, Qt::CaseSensitive)) return lateral;
  }
  return {};
}
