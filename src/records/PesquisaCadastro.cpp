#include "records/PesquisaCadastro.h"

#include "records/Conjunto.h"

QString TextoDaLinha(const Conjunto& conjunto) {
  QString texto;
  for (const DefinicaoCampo& campo : conjunto.campos()) {
    texto += QStringLiteral("/[") + conjunto.textoExibido(campo.nome) + QStringLiteral("]\\");
  }
  return texto;
}

bool LocalizarProximo(Conjunto& conjunto, EstadoPesquisa& estado) {
  bool achou = false;
  conjunto.disableControls();
  while (!conjunto.eof()) {
    const QString texto = TextoDaLinha(conjunto);
    if (texto != estado.ultimoAchado && texto.contains(estado.palavra, Qt::CaseSensitive)) {
      estado.ultimoAchado = texto;
      achou = true;
      break;
    }
    conjunto.next();
  }
  conjunto.enableControls();
  return achou;
}
