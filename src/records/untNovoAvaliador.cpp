#include "records/untNovoAvaliador.h"

TfrmNovoAvaliador::TfrmNovoAvaliador(Conjunto& avaliadores, QWidget* pai)
    : DialogoDeTextos(avaliadores, "frmNovoAvaliador", QStringLiteral("Novo Avaliador..."),
                      {{"Avaliador", QStringLiteral("Avaliador"), 20},
                       {"Nome", QStringLiteral("Nome"), 50},
                       {"Observacao", QStringLiteral("Observação"), 255}},
                      pai),
      cpAvaliador(caixa("Avaliador")),
      cpNome(caixa("Nome")),
      cpObservacao(caixa("Observacao")) {}
