#include "records/untDM.h"

#include <QFile>

#include <limits>

#include "records/DefinicoesTabelas.h"

// The resources of a static library must be registered by hand, from the global namespace.
static QString LerEsquema() {
  static const bool registrado = [] {
    Q_INIT_RESOURCE(registros);
    return true;
  }();
  static_cast<void>(registrado);
  QFile arquivo(QStringLiteral(":/registros/schema.sql"));
  if (!arquivo.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(arquivo.readAll());
}

namespace {

constexpr int kVersaoBanco = 1008;
constexpr int kLimitePesquisa = 20;
constexpr int kLimiteNomeAvaliador = 255;

// The named column of the row of `origem` whose integer key equals `chave`.
QVariant Pesquisar(const Conjunto& origem, const QString& campoChave, const QVariant& chave,
                   const QString& campoResultado) {
  if (!chave.isValid()) return QVariant();
  const int indiceChave = origem.indiceCampo(campoChave);
  for (int linha = 0; linha < origem.recordCount(); ++linha) {
    const QVariant valor = origem.valorNaLinha(linha, indiceChave);
    if (valor.isValid() && valor.toLongLong() == chave.toLongLong()) {
      return origem.valorNaLinha(linha, campoResultado);
    }
  }
  return QVariant();
}

QVariant Cortar(const QVariant& valor, int limite) {
  return valor.isValid() ? QVariant(valor.toString().left(limite)) : QVariant();
}

QString TextoDoSexo(const Conjunto& avaliacoes, const QVariant& valor) {
  if (avaliacoes.isEmpty()) return QString();
  return valor.toString() == QLatin1String("M") ? QStringLiteral("MASCULINO")
                                                : QStringLiteral("FEMININO");
}

}  // namespace

TfrmDM::TfrmDM(const QString& caminhoBanco)
    : caminhoBanco_(caminhoBanco),
      qAvaliados_(conexao_, DefinicaoAvaliados()),
      qGrupos_(conexao_, DefinicaoGrupos()),
      qAvaliacoes_(conexao_, DefinicaoAvaliacoes()),
      qAvaliacoesDados_(conexao_, DefinicaoAvaliacoesDados()),
      qLaboratorio_(conexao_, DefinicaoLaboratorio()),
      qAvaliadores_(conexao_, DefinicaoAvaliadores()) {
  const auto aposGravar = [this](Conjunto& c) { return ZConnectionAfterPost(c); };
  const auto aposExcluir = [this](Conjunto& c) { return qAvaliadosAfterDelete(c); };
  Conjunto* const comConfirmacao[] = {&qAvaliados_, &qGrupos_, &qAvaliacoes_, &qAvaliadores_};
  for (Conjunto* c : comConfirmacao) {
    c->definirAposGravar(aposGravar);
    c->definirAposExcluir(aposExcluir);
  }
  qLaboratorio_.definirAposGravar(aposGravar);
  qGrupos_.definirAposAbrir([this](Conjunto& c) { return qGruposAfterOpen(c); });
  qAvaliacoes_.definirCalculo([this](const Conjunto& c, int linha, const QString& campo) {
    return CalcularAvaliacao(c, linha, campo);
  });
  qAvaliacoes_.definirTextoDeExibicao(QStringLiteral("Sexo"), TextoDoSexo);
  qLaboratorio_.definirCalculo([this](const Conjunto& c, int linha, const QString& campo) {
    return CalcularLaboratorio(c, linha, campo);
  });

  versaoBanco_ = kVersaoBanco;
  resultadoAbertura_ = AbrirBanco();
}

TfrmDM::~TfrmDM() {
  static_cast<void>(FecharBanco());
  static_cast<void>(conexao_.desconectar());
}

QVector<Conjunto*> TfrmDM::conjuntosEmOrdem() {
  return {&qAvaliados_,       &qGrupos_,      &qAvaliacoes_,
          &qAvaliacoesDados_, &qLaboratorio_, &qAvaliadores_};
}

ResultadoBanco TfrmDM::AbrirBanco() {
  ResultadoBanco resultado;
  QVector<TabelaExigida> exigidas;
  for (Conjunto* c : conjuntosEmOrdem()) exigidas.append({c->tabela(), c->colunasDaTabela()});
  if (!conexao_.conectar(caminhoBanco_, LerEsquema(), exigidas)) {
    // A file that opens but holds something else fails like a dataset that cannot open.
    resultado.falhaNaConexao = !conexao_.conteudoRecusado();
    resultado.detalhe = conexao_.ultimoErro();
  }
  bool todos = conexao_.conectada();
  for (Conjunto* c : conjuntosEmOrdem()) {
    if (c->open()) continue;
    todos = false;
    if (resultado.detalhe.isEmpty())
      resultado.detalhe = c->nome() + QStringLiteral(": ") + c->ultimoErro();
  }
  resultado.ok = todos;
  disponivel_ = todos;
  return resultado;
}

ResultadoBanco TfrmDM::FecharBanco() {
  ResultadoBanco resultado;
  for (Conjunto* c : conjuntosEmOrdem()) c->close();
  resultado.ok = conexao_.desconectar();
  if (!resultado.ok) {
    resultado.falhaNaDesconexao = true;
    resultado.detalhe = conexao_.ultimoErro();
  }
  disponivel_ = false;
  return resultado;
}

void TfrmDM::AtualizarBanco(int versaoAnterior) {
  static_cast<void>(versaoAnterior);
}

bool TfrmDM::Commit() {
  return conexao_.commit();
}

QString TfrmDM::ZConnectionAfterPost(Conjunto& conjunto) {
  QString falha;
  if (!conexao_.commit()) {
    falha = conexao_.ultimoErro();
  } else if (!conjunto.refresh()) {
    falha = conjunto.ultimoErro();
  }
  if (!falha.isEmpty()) conjunto.cancel();
  return falha;
}

QString TfrmDM::qAvaliadosAfterDelete(Conjunto& conjunto) {
  return ZConnectionAfterPost(conjunto);
}

QString TfrmDM::qGruposAfterOpen(Conjunto& grupos) {
  if (grupos.locate(QStringLiteral("Grupo"), 0)) return QString();
  const bool gravado = grupos.append() && grupos.definir(QStringLiteral("Grupo"), 0) &&
                       grupos.definir(QStringLiteral("Nome"), QStringLiteral("INDIVIDUAL")) &&
                       grupos.post();
  if (!gravado) {
    const QString falha = grupos.ultimoErro();
    grupos.cancel();
    return falha;
  }
  grupos.close();
  return grupos.open() ? QString() : grupos.ultimoErro();
}

QVariant TfrmDM::CalcularAvaliacao(const Conjunto& avaliacoes, int linha,
                                   const QString& campo) const {
  if (campo == QLatin1String("Laboratorio")) {
    return qLaboratorio_.isEmpty() ? QVariant()
                                   : qLaboratorio_.valorNaLinha(0, QStringLiteral("Nome"));
  }
  if (campo == QLatin1String("NomeAvaliador")) {
    const QString avaliador =
        avaliacoes.valorNaLinha(linha, QStringLiteral("Avaliador")).toString();
    if (avaliador.isEmpty()) return QVariant();
    const int indiceCodigo = qAvaliadores_.indiceCampo(QStringLiteral("Avaliador"));
    for (int i = 0; i < qAvaliadores_.recordCount(); ++i) {
      const QVariant codigo = qAvaliadores_.valorNaLinha(i, indiceCodigo);
      if (codigo.isValid() && QString::number(codigo.toLongLong()) == avaliador) {
        return Cortar(qAvaliadores_.valorNaLinha(i, QStringLiteral("Nome")), kLimiteNomeAvaliador);
      }
    }
    return QVariant();
  }
  const QVariant avaliado = avaliacoes.valorNaLinha(linha, QStringLiteral("Avaliado"));
  const QVariant grupo = avaliacoes.valorNaLinha(linha, QStringLiteral("Grupo"));
  const QString codigoAvaliado = QStringLiteral("Avaliado");
  const QString codigoGrupo = QStringLiteral("Grupo");
  if (campo == QLatin1String("Altura")) {
    return Pesquisar(qAvaliados_, codigoAvaliado, avaliado, campo);
  }
  if (campo == QLatin1String("NomeAvaliado")) {
    return Cortar(Pesquisar(qAvaliados_, codigoAvaliado, avaliado, QStringLiteral("Nome")),
                  kLimitePesquisa);
  }
  if (campo == QLatin1String("Apelido") || campo == QLatin1String("Modalidade") ||
      campo == QLatin1String("Posicao")) {
    return Cortar(Pesquisar(qAvaliados_, codigoAvaliado, avaliado, campo), kLimitePesquisa);
  }
  if (campo == QLatin1String("NomeGrupo")) {
    return Cortar(Pesquisar(qGrupos_, codigoGrupo, grupo, QStringLiteral("Nome")), kLimitePesquisa);
  }
  if (campo == QLatin1String("Temporada")) {
    return Cortar(Pesquisar(qGrupos_, codigoGrupo, grupo, campo), kLimitePesquisa);
  }
  return QVariant();
}

QVariant TfrmDM::CalcularLaboratorio(const Conjunto& laboratorio, int linha,
                                     const QString& campo) const {
  if (campo != QLatin1String("NomeAvaliadorPadrao")) return QVariant();
  const QVariant padrao = laboratorio.valorNaLinha(linha, QStringLiteral("AvaliadorPadrao"));
  return Cortar(
      Pesquisar(qAvaliadores_, QStringLiteral("Avaliador"), padrao, QStringLiteral("Nome")),
      kLimitePesquisa);
}

qint64 ProximaChave(Conjunto& conjunto, const QString& campoChave) {
  conjunto.last();
  if (conjunto.isEmpty()) return 1;
  const qint64 chave = conjunto.inteiro(campoChave);
  // Read as 32 bits, a larger key would wrap back onto codes already in use.
  if (chave >= std::numeric_limits<qint32>::min() && chave < std::numeric_limits<qint32>::max()) {
    return static_cast<qint32>(chave) + 1;
  }
  return chave == std::numeric_limits<qint64>::max() ? chave : chave + 1;
}
