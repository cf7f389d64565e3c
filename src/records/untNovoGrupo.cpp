#include "records/untNovoGrupo.h"

TfrmNovoGrupo::TfrmNovoGrupo(Conjunto& grupos, QWidget* pai)
    : DialogoDeTextos(grupos, "frmNovoGrupo", QStringLiteral("Novo Grupo"),
                      {{"Grupo", QStringLiteral("Grupo"), 20},
                       {"Nome", QStringLiteral("Nome"), 50},
                       {"Temporada", QStringLiteral("Temporada"), 50},
                       {"Observacao", QStringLiteral("Observação"), 255}},
                      pai),
      cpGrupo(caixa("Grupo")),
      cpNome(caixa("Nome")),
      cpTemporada(caixa("Temporada")),
      cpObservacao(caixa("Observacao")) {}
